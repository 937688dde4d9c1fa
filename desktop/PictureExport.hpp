#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>

#include "core/ProgramForm.hpp"

class QWidget;

namespace desktop {

class DrawingSurface;

// The drawing surface's picture for a worksheet: copied to the clipboard or
// saved as PNG, pixel for pixel at the surface's device resolution.

// Puts the surface's picture on the clipboard as an image.
void copyPicture(const DrawingSurface& surface);

// Writes the picture as PNG to path, whole or not at all: a failed save
// leaves neither a partial file nor a changed old one. Returns an empty
// string on success, otherwise a German sentence saying why it failed.
QString savePicture(const QImage& picture, const QString& path);

// The file name first offered: the program and the time, e.g.
// "KETTLAB 2026-03-14 09-26-53.png".
QString proposedPictureName(const QString& program, const QDateTime& time);

// Ctrl+S: takes the picture as it is now and offers a German save dialog;
// a failed save is reported in a German message box. Neither dialog blocks
// the run.
void savePictureWithDialog(QWidget* window, const DrawingSurface& surface, const QString& program);

// Writes text to path whole or not at all, as savePicture does.
QString saveText(const std::string& text, const QString& path);
// Offers a German save dialog for the file, in the documents folder; a
// failed save is reported in a German message box.
void saveTextWithDialog(QWidget* window, const core::TextFile& file);

} // namespace desktop
