#include "desktop/kettlab/Form1.hpp"

#include "FormDriver.hpp"
#include "SurfacePixels.hpp"
#include "desktop/DrawingSurface.hpp"
#include "desktop/PictureExport.hpp"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

namespace {

using ActiveForm = formDriver::Active<chain::Form1>;

// A surface with something on it besides the background.
struct Drawn {
    desktop::DrawingSurface picture;
    Drawn()
    {
        picture.resize(200, 100);
        picture.setBackColor(surfacePixels::light);
        picture.setScale({0, -3, 100, 6});
        picture.setDrawWidth(4);
        for (int x = 0; x < 100; x += 7) {
            picture.PSet(static_cast<float>(x), static_cast<float>(x % 5 - 2), surfacePixels::black);
        }
    }
};

bool samePixels(const QImage& a, const QImage& b)
{
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

} // namespace

class ExportTest : public QObject {
    Q_OBJECT

private slots:
    void ctrlCCopiesTheSurfaceAtItsResolution()
    {
        ActiveForm w;
        QTRY_VERIFY(w.form.model().t > 1); // dots off the rest line
        w.get("Command11")->setFocus();
        QTest::keyClick(&w.form, Qt::Key_F5);
        QTRY_VERIFY(!w.form.isRunning());
        QTest::keyClick(&w.form, Qt::Key_C, Qt::ControlModifier);
        const auto* picture = w.picture();
        const QImage copied = QApplication::clipboard()->image();
        QCOMPARE(copied.size(), picture->image().size());
        QVERIFY(samePixels(copied, picture->image()));
    }

    void ctrlSOffersANamedFileAndReportsAFailureInGerman()
    {
        ActiveForm w;
        QTest::keyClick(&w.form, Qt::Key_S, Qt::ControlModifier);
        auto* dialog = w.form.findChild<QFileDialog*>();
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Bild speichern"));
        const QString offered = QFileInfo(dialog->selectedFiles().value(0)).fileName();
        QVERIFY2(offered.startsWith(QStringLiteral("KETTLAB ") + QDate::currentDate().toString(Qt::ISODate)),
            qPrintable(offered));
        QVERIFY(w.form.isRunning()); // the dialog does not stop the run

        QTemporaryDir dir;
        dialog->selectFile(dir.path()); // a folder, not a file
        emit dialog->fileSelected(dir.path());
        auto* message = w.form.findChild<QMessageBox*>();
        QVERIFY(message != nullptr);
        QVERIFY(message->text().startsWith(QStringLiteral("Das Bild konnte nicht unter")));
        QVERIFY(message->isVisible());
    }

    void aSavedPictureReadsBackEqual()
    {
        Drawn d;
        QTemporaryDir dir;
        const QString path = dir.filePath(
            desktop::proposedPictureName(QStringLiteral("PAARLAB"), QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53))));
        QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("PAARLAB 2026-03-14 09-26-53.png"));
        QCOMPARE(desktop::savePicture(d.picture.image(), path), QString());
        QVERIFY(samePixels(QImage(path, "png"), d.picture.image()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QFileInfo(path).fileName()});

        const std::string csv = "t in ZE;Masse 10\r\n0,5000;-0,012000\r\n";
        QFile text(dir.filePath(QStringLiteral("Messwerte.csv")));
        QCOMPARE(desktop::saveText(csv, text.fileName()), QString());
        QVERIFY(text.open(QIODevice::ReadOnly));
        QCOMPARE(text.readAll().toStdString(), csv);
    }

    void aFailedSaveSaysWhyAndLeavesNoFile_data()
    {
        QTest::addColumn<QString>("where");
        // Tests run as root, whom folder permissions do not stop; these
        // places refuse a new file to everyone.
        QTest::newRow("parent is a file") << QStringLiteral("file/bild.png");
        QTest::newRow("path is a folder") << QStringLiteral("folder");
        QTest::newRow("read-only /proc") << QStringLiteral("/proc/wellenlabor-bild.png");
    }
    void aFailedSaveSaysWhyAndLeavesNoFile()
    {
        QFETCH(QString, where);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        const QString path = QDir(dir.path()).filePath(where);
        Drawn d;
        const QImage before = d.picture.image().copy();

        const QString error = desktop::savePicture(d.picture.image(), path);
        QVERIFY(error.startsWith(QStringLiteral("Das Bild konnte nicht unter")));
        QVERIFY2(error.contains(QStringLiteral(" gespeichert werden. ")), qPrintable(error));
        QVERIFY(desktop::saveText("t in ZE\r\n", path).startsWith(QStringLiteral("Die Datei konnte nicht unter")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            (QStringList{QStringLiteral("file"), QStringLiteral("folder")}));
        QCOMPARE(QDir(dir.filePath(QStringLiteral("folder"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList());
        QVERIFY(!QFileInfo::exists(QStringLiteral("/proc/wellenlabor-bild.png")));
        QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("file"))).size(), 0);
        QCOMPARE(d.picture.image(), before);
    }
};

QTEST_MAIN(ExportTest)
#include "export_test.moc"
