#include "ClassicControls.hpp"

#include "Twips.hpp"
#include "Zoom.hpp"

#include "core/ClassicLook.hpp"

#include <QChildEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOption>
#include <QStylePainter>

#include <optional>

namespace desktop {

namespace {

void placeAt(QWidget* control, TwipsRect place)
{
    control->setGeometry(twips::toPixelRect(place.left, place.top, place.width, place.height));
}

QColor toQColor(core::Rgb c)
{
    return {c.r, c.g, c.b};
}

// Design pixels at the zoom of the process.
int zoomedPixels(double designPixels)
{
    return core::classic::zoomedPixels(designPixels, zoom::factor());
}

// The classic button border, raised or pressed: two rings of one design
// pixel each, lit at the top and left and shaded at the bottom and right.
void drawButtonBorder(QPainter& painter, const QRect& r, const QPalette& palette, bool down)
{
    const int line = zoomedPixels(core::classic::borderLine);
    const QColor rings[core::classic::borderRings][2] = {
        {down ? palette.shadow().color() : palette.light().color(),
            down ? palette.light().color() : palette.shadow().color()},
        {down ? palette.dark().color() : palette.button().color(),
            down ? palette.button().color() : palette.dark().color()},
    };
    for (int ring = 0; ring < core::classic::borderRings; ++ring) {
        const int in = ring * line;
        const QRect outer = r.adjusted(in, in, -in, -in);
        painter.fillRect(QRect(outer.left(), outer.top(), outer.width() - line, line), rings[ring][0]);
        painter.fillRect(QRect(outer.left(), outer.top(), line, outer.height() - line), rings[ring][0]);
        painter.fillRect(QRect(outer.left(), outer.bottom() + 1 - line, outer.width(), line), rings[ring][1]);
        painter.fillRect(QRect(outer.right() + 1 - line, outer.top(), line, outer.height()), rings[ring][1]);
    }
}

// A command button. Once it has a BackColor it is filled flat in exactly
// that colour inside a raised border, where the style would shade it into
// another colour. The colour is kept here rather than in the palette: the
// style caches its drawings per palette, and a palette set anew on every
// click kept memory for good.
class CommandButton : public QPushButton {
public:
    using QPushButton::QPushButton;

    void setBack(core::Rgb colour)
    {
        if (back_ != colour) {
            back_ = colour;
            update();
        }
    }
    std::optional<core::Rgb> back() const { return back_; }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        if (!back_) {
            QPushButton::paintEvent(event);
            return;
        }
        QStylePainter painter(this);
        painter.fillRect(rect(), toQColor(*back_));
        drawButtonBorder(painter, rect(), palette(), isDown());
        QStyleOptionButton option;
        initStyleOption(&option);
        painter.drawControl(QStyle::CE_PushButtonLabel, option);
    }

private:
    std::optional<core::Rgb> back_;
};

// A group box filled exactly in its BackColor, with an etched frame whose
// top line runs through the middle of the caption and breaks for it, as on
// the classic framed box; so it stays above the controls at the top. The
// frame is drawn above the box's controls, so a label reaching the bottom
// edge does not break the line; it covers only the frame's lines.
class FramedBox : public QGroupBox {
public:
    FramedBox(const QString& caption, QWidget* parent)
        : QGroupBox(caption, parent)
    {
        frame_ = new FrameLine(this);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        // The style's own frame would tint the fill; only the caption is drawn here.
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(captionRect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title());
    }

    void resizeEvent(QResizeEvent* event) override
    {
        QGroupBox::resizeEvent(event);
        frame_->setGeometry(rect());
        frame_->setMask(etching().all());
    }

    void changeEvent(QEvent* event) override
    {
        QGroupBox::changeEvent(event);
        if (event->type() == QEvent::FontChange) {
            frame_->setMask(etching().all());
        }
    }

    void childEvent(QChildEvent* event) override
    {
        QGroupBox::childEvent(event);
        if (frame_ != nullptr && (event->added() || event->polished()) && event->child() != frame_) {
            frame_->raise();
        }
    }

private:
    // The dark line and the light line beside it, each one design pixel wide.
    struct Etching {
        QRegion shadow;
        QRegion light;
        QRegion all() const { return shadow + light; }
    };

    QRect captionRect() const
    {
        if (title().isEmpty()) {
            return {};
        }
        const QFontMetrics metrics = fontMetrics();
        return {zoomedPixels(core::classic::captionIndent), 0, metrics.horizontalAdvance(title()), metrics.height()};
    }

    Etching etching() const
    {
        const int line = zoomedPixels(core::classic::frameLine);
        const QRect caption = captionRect();
        const int top = caption.isNull() ? 0 : caption.center().y() + 1 - line;
        const QRect outer(0, top, width() - line, height() - top - line);
        const auto ring = [line](const QRect& r) {
            return QRegion(r) - QRegion(r.adjusted(line, line, -line, -line));
        };
        const QRegion gap = caption.isNull() ? QRegion()
                                             : QRegion(caption.adjusted(-zoomedPixels(core::classic::captionPadding), 0,
                                                 zoomedPixels(core::classic::captionPadding), 0));
        return {ring(outer) - gap, ring(outer.translated(line, line)) - gap};
    }

    class FrameLine : public QWidget {
    public:
        explicit FrameLine(FramedBox* box)
            : QWidget(box)
            , box_(box)
        {
            setAttribute(Qt::WA_TransparentForMouseEvents);
            setAttribute(Qt::WA_NoSystemBackground);
        }

    protected:
        void paintEvent(QPaintEvent* /*event*/) override
        {
            const Etching etching = box_->etching();
            QPainter painter(this);
            for (const QRect& r : etching.shadow) {
                painter.fillRect(r, toQColor(core::classic::etchShadow));
            }
            for (const QRect& r : etching.light) {
                painter.fillRect(r, toQColor(core::classic::etchLight));
            }
        }

    private:
        FramedBox* box_;
    };

    FrameLine* frame_ = nullptr;
};

} // namespace

void setBackColor(QWidget* control, core::Rgb colour)
{
    if (auto* button = dynamic_cast<CommandButton*>(control)) {
        button->setBack(colour);
        return;
    }
    QPalette p = control->palette();
    p.setColor(control->backgroundRole(), QColor(colour.r, colour.g, colour.b));
    control->setPalette(p);
    control->setAutoFillBackground(true);
}

core::Rgb backColor(const QWidget* control)
{
    const QColor c = control->palette().color(control->backgroundRole());
    if (const auto* button = dynamic_cast<const CommandButton*>(control); button != nullptr && button->back()) {
        return *button->back();
    }
    return core::RGB(c.red(), c.green(), c.blue());
}

QLabel* makeLabel(QWidget* parent, const QString& caption, TwipsRect place, const QFont& font, core::Rgb back)
{
    auto* label = new QLabel(caption, parent);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    // A label is a control of its own: a press on it does not fall through
    // to a drawing surface beneath.
    label->setAttribute(Qt::WA_NoMousePropagation);
    setBackColor(label, back);
    placeAt(label, place);
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& caption, TwipsRect place, const QFont& font)
{
    auto* button = new CommandButton(caption, parent);
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

QRadioButton* makeOption(QWidget* parent, const QString& caption, TwipsRect place, const QFont& font, core::Rgb back)
{
    auto* option = new QRadioButton(caption, parent);
    option->setFont(font);
    setBackColor(option, back);
    placeAt(option, place);
    return option;
}

QGroupBox* makeFramedBox(QWidget* parent, const QString& caption, const QFont& captionFont)
{
    auto* box = new FramedBox(caption, parent);
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

} // namespace desktop
