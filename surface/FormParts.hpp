#pragma once

#include "ClassicControls.hpp"

class QGroupBox;
class QLabel;
class QWidget;

namespace surface {

class DrawingSurface;

// Building blocks of a window laid out at design positions in twips.

// Moves and sizes a control to its design place inside its container.
void placeAt(QWidget* control, TwipsRect place);

// A named drawing surface at its place, with its background colour.
DrawingSurface* makeSurface(QWidget* parent, const char* name, TwipsRect place, Rgb back);

// A named grey group box at its place, its caption in the given font.
QGroupBox* makeGroup(QWidget* parent, const char* name, const QString& caption, TwipsRect place, const QFont& font);

// A named red lamp without a caption.
QLabel* makeLamp(QWidget* parent, const char* name, TwipsRect place);

} // namespace surface
