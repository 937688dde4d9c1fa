#include "InfoWindow.hpp"

#include "FormBuilder.hpp"
#include "Twips.hpp"

#include "core/ClassicLook.hpp"

#include <QEvent>
#include <QLabel>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace desktop {

namespace {

// Keeps an info window, frame included, inside the screen's available area:
// it moves up and left as far as needed and no further. Checked again when
// it is shown and whenever it moves, since the window manager's frame is
// known only then.
class KeepOnScreen : public QObject {
public:
    explicit KeepOnScreen(QWidget* window)
        : QObject(window)
        , window_(window)
    {
        window->installEventFilter(this);
        keep();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && (event->type() == QEvent::Show || event->type() == QEvent::Move)) {
            keep();
        }
        return false;
    }

private:
    void keep()
    {
        const QRect area = window_->screen()->availableGeometry();
        const QRect frame = window_->frameGeometry();
        QPoint to = frame.topLeft();
        to.rx() = std::max(area.left(), std::min(to.x(), area.right() - frame.width() + 1));
        to.ry() = std::max(area.top(), std::min(to.y(), area.bottom() - frame.height() + 1));
        if (to != frame.topLeft()) {
            window_->move(to);
        }
    }

    QWidget* window_;
};

// Line heights grow in whole pixels, the labels with the zoom: on a small
// screen the text can need a little more height than the design gives it.
// Then all labels take a slightly smaller size, the same for all.
void fitText(const std::vector<QLabel*>& labels, QFont font)
{
    constexpr double step = core::classic::fitStep;
    const double smallest = font.pointSizeF() * core::classic::fitSmallest;
    const auto overflows = [](const QLabel* label) {
        return label->heightForWidth(label->width()) > label->height();
    };
    while (std::any_of(labels.begin(), labels.end(), overflows) && font.pointSizeF() * step >= smallest) {
        font.setPointSizeF(font.pointSizeF() * step);
        for (QLabel* label : labels) {
            label->setFont(font);
        }
    }
}

} // namespace

void buildInfoWindow(QWidget* window, const core::FormDesign& design)
{
    buildForm(window, design);
    window->setAttribute(Qt::WA_QuitOnClose, false);
    const core::DesignRect client = design.client.value_or(core::DesignRect{});
    const QRect area = twips::toPixelRect(client.left, client.top, client.width, client.height);
    window->setFixedSize(area.size());
    window->move(area.topLeft());
    new KeepOnScreen(window);
    const QList<QLabel*> labels = window->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    fitText({labels.begin(), labels.end()}, window->font());
}

} // namespace desktop
