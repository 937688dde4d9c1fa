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

QString failure(const QString& path, const QString& why, const QString& what = QStringLiteral("Das Bild"))
{
    return QStringLiteral("%3 konnte nicht unter „%1“ gespeichert werden. %2")
        .arg(QDir::toNativeSeparators(path), why, what);
}

void warn(QWidget* window, const QString& title, const QString& error)
{
    auto* message = new QMessageBox(QMessageBox::Warning, title, error, QMessageBox::Ok, window);
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->open();
}

QString localTimeName(const std::string& stem, const char* extension)
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate day = now.date();
    const QTime clock = now.time();
    return QString::fromStdString(core::timedFileName(
        stem, {day.year(), day.month(), day.day(), clock.hour(), clock.minute(), clock.second()}, extension));
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

QString saveText(const std::string& text, const QString& path)
{
    const QString what = QStringLiteral("Die Datei");
    if (QFileInfo(path).isDir()) {
        return failure(path, QStringLiteral("Unter diesem Namen steht schon ein Ordner, keine Datei."), what);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return failure(path, reason(file.error()), what);
    }
    if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
        const QFileDevice::FileError error = file.error();
        return failure(path, reason(error == QFileDevice::NoError ? QFileDevice::WriteError : error), what);
    }
    if (!file.commit()) {
        return failure(path, reason(file.error()), what);
    }
    return {};
}

void saveTextWithDialog(QWidget* window, const core::TextFile& file)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = QFileInfo(documents).isDir() ? documents : QDir::homePath();
    const QString extension = QString::fromLatin1(file.extension);
    const QString title = QString::fromStdString(file.title);
    auto* dialog = new QFileDialog(window, title, QDir(folder).filePath(localTimeName(file.stem, file.extension)),
        QStringLiteral("%1-Datei (*.%2)").arg(extension.toUpper(), extension));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(extension);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(
        dialog, &QFileDialog::fileSelected, window, [window, title, text = file.text](const QString& path) {
            if (const QString error = saveText(text, path); !error.isEmpty()) {
                warn(window, title, error);
            }
        });
    dialog->open();
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
        if (const QString error = savePicture(picture, path); !error.isEmpty()) {
            warn(window, QStringLiteral("Bild speichern"), error);
        }
    });
    dialog->open();
}

} // namespace desktop
