#include "PictureExport.hpp"

#include "DrawingSurface.hpp"

#include "core/PictureName.hpp"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>

namespace desktop {

namespace {

QString reason(QFileDevice::FileError error)
{
    switch (error) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        return QStringLiteral("Dort darf keine Datei angelegt werden, oder der Ordner fehlt.");
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
        return QStringLiteral("Die Datei konnte nicht ganz geschrieben werden; vielleicht ist der Datenträger voll.");
    default:
        return QStringLiteral("Die Datei konnte nicht fertig angelegt werden.");
    }
}

QString failure(const QString& path, const QString& why)
{
    return QStringLiteral("Das Bild konnte nicht unter „%1“ gespeichert werden. %2")
        .arg(QDir::toNativeSeparators(path), why);
}

QString pictureFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

} // namespace

void copyPicture(const DrawingSurface& surface)
{
    QGuiApplication::clipboard()->setImage(surface.image());
}

QString savePicture(const QImage& picture, const QString& path)
{
    if (QFileInfo(path).isDir()) {
        return failure(path, QStringLiteral("Unter diesem Namen steht schon ein Ordner, keine Datei."));
    }
    // QSaveFile writes into a temporary file beside the target and renames
    // it only when everything was written.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return failure(path, reason(file.error()));
    }
    QImageWriter writer(&file, "png");
    if (!writer.write(picture)) {
        // Not committed: the temporary file goes with `file`.
        const QFileDevice::FileError error = file.error();
        return failure(path, reason(error == QFileDevice::NoError ? QFileDevice::WriteError : error));
    }
    if (!file.commit()) {
        return failure(path, reason(file.error()));
    }
    return {};
}

QString proposedPictureName(const QString& program, const QDateTime& time)
{
    const QDate day = time.date();
    const QTime clock = time.time();
    return QString::fromStdString(core::pictureFileName(
        program.toStdString(), {day.year(), day.month(), day.day(), clock.hour(), clock.minute(), clock.second()}));
}

void savePictureWithDialog(QWidget* window, const DrawingSurface& surface, const QString& program)
{
    // The picture as it was at the key press; the run goes on meanwhile.
    const QImage picture = surface.image().copy();
    auto* dialog = new QFileDialog(window, QStringLiteral("Bild speichern"),
        QDir(pictureFolder()).filePath(proposedPictureName(program, QDateTime::currentDateTime())),
        QStringLiteral("PNG-Bild (*.png)"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("png"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QFileDialog::fileSelected, window, [window, picture](const QString& path) {
        const QString error = savePicture(picture, path);
        if (error.isEmpty()) {
            return;
        }
        auto* message
            = new QMessageBox(QMessageBox::Warning, QStringLiteral("Bild speichern"), error, QMessageBox::Ok, window);
        message->setAttribute(Qt::WA_DeleteOnClose);
        message->open();
    });
    dialog->open();
}

} // namespace desktop
