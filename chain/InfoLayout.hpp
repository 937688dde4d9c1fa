#pragma once

#include "surface/ClassicControls.hpp"

#include <QString>

#include <span>

class QWidget;

namespace chain {

// One label of an info window: its design name, place in twips and text.
struct InfoLabel {
    const char* name;
    surface::TwipsRect place;
    QString text;
};

// Sets up an info window: title, client area in twips (where it first
// appears and its size), the window font, and the word-wrapped labels of its
// two columns. The first label is the introduction on pink, the others stand
// on light yellow.
void buildInfoWindow(
    QWidget* window, const QString& title, surface::TwipsRect client, std::span<const InfoLabel> labels);

} // namespace chain
