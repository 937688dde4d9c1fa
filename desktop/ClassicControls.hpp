#pragma once

#include "core/Rgb.hpp"

#include <QFont>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace desktop {

// The standard controls of the forms runtime, placed at design positions in
// twips inside their container. Labels wrap their caption within their width
// and fill their background, so a captionless label serves as a lamp or bar;
// text boxes are display fields that only the program writes.
struct TwipsRect {
    double left;
    double top;
    double width;
    double height;
};

QLabel* makeLabel(QWidget* parent, const QString& caption, TwipsRect place, const QFont& font, core::Rgb back);
QPushButton* makeButton(QWidget* parent, const QString& caption, TwipsRect place, const QFont& font);
QLineEdit* makeTextBox(QWidget* parent, const QString& text, TwipsRect place, const QFont& font);
QRadioButton* makeOption(QWidget* parent, const QString& caption, TwipsRect place, const QFont& font, core::Rgb back);

struct ScrollRange {
    int min;
    int max;
    int smallChange;
    int largeChange;
    int value;
};
QScrollBar* makeScrollBar(QWidget* parent, TwipsRect place, ScrollRange range);

// A framed group box with its caption in the top border; its children are
// placed in twips from its top-left corner.
QGroupBox* makeFramedBox(QWidget* parent, const QString& caption, const QFont& captionFont);

// Gives a control its design name, by which tests find it.
template <typename Control> Control* named(Control* control, const char* name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// The BackColor of a label, button, option button or text box.
void setBackColor(QWidget* control, core::Rgb colour);
core::Rgb backColor(const QWidget* control);

} // namespace desktop
