#include "ClassicControls.hpp"

#include "Twips.hpp"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace surface {

namespace {

void placeAt(QWidget* control, TwipsRect place)
{
    control->setGeometry(twips::toPixelRect(place.left, place.top, place.width, place.height));
}

} // namespace

void setBackColor(QWidget* control, Rgb colour)
{
    QPalette p = control->palette();
    p.setColor(control->backgroundRole(), QColor(colour.r, colour.g, colour.b));
    control->setPalette(p);
    control->setAutoFillBackground(true);
}

Rgb backColor(const QWidget* control)
{
    const QColor c = control->palette().color(control->backgroundRole());
    return RGB(c.red(), c.green(), c.blue());
}

QLabel* makeLabel(QWidget* parent, const QString& caption, TwipsRect place, const QFont& font, Rgb back)
{
    auto* label = new QLabel(caption, parent);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    setBackColor(label, back);
    placeAt(label, place);
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& caption, TwipsRect place, const QFont& font)
{
    auto* button = new QPushButton(caption, parent);
    button->setFont(font);
    button->setAutoDefault(false);
    placeAt(button, place);
    return button;
}

QLineEdit* makeTextBox(QWidget* parent, const QString& text, TwipsRect place, const QFont& font)
{
    auto* box = new QLineEdit(text, parent);
    box->setFont(font);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setCursorPosition(0);
    placeAt(box, place);
    return box;
}

QRadioButton* makeOption(QWidget* parent, const QString& caption, TwipsRect place, const QFont& font, Rgb back)
{
    auto* option = new QRadioButton(caption, parent);
    option->setFont(font);
    setBackColor(option, back);
    placeAt(option, place);
    return option;
}

QGroupBox* makeFramedBox(QWidget* parent, const QString& caption, const QFont& captionFont)
{
    auto* box = new QGroupBox(caption, parent);
    box->setFont(captionFont);
    return box;
}

QScrollBar* makeScrollBar(QWidget* parent, TwipsRect place, ScrollRange range)
{
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setRange(range.min, range.max);
    bar->setSingleStep(range.smallChange);
    bar->setPageStep(range.largeChange);
    bar->setValue(range.value);
    placeAt(bar, place);
    return bar;
}

} // namespace surface
