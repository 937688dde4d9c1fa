#include "ProgramWindow.hpp"

#include "DrawingSurface.hpp"
#include "FormBuilder.hpp"
#include "InfoWindow.hpp"
#include "KeyboardAccess.hpp"

#include "PictureExport.hpp"
#include "Zoom.hpp"

#include "core/RecorderWindow.hpp"
#include "core/TouchHold.hpp"
#include "core/WindowPlace.hpp"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineF>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include <functional>
#include <string_view>

namespace desktop {

namespace {

// The substitute faces have a taller line than the original at the larger
// sizes, taller than the one-line height some labels are designed with; such
// a label grows downward until its caption's line fits, so no face of the
// fallback list can cut it.
void fitCaptions(const QWidget& window)
{
    for (QLabel* label : window.findChildren<QLabel*>()) {
        const int needed = label->heightForWidth(label->width());
        if (!label->text().isEmpty() && needed > label->height()) {
            label->resize(label->width(), needed);
        }
    }
}

// Sends the user's closing of another window to the handlers.
class CloseWatcher : public QObject {
public:
    CloseWatcher(QWidget* window, std::function<void()> closed)
        : QObject(window)
        , closed_(std::move(closed))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Close) {
            closed_();
        }
        return false;
    }

private:
    std::function<void()> closed_;
};

// A finger held still on the panel opens its menu, as the right button
// does; the mouse a finger moves arrives as presses from a touch screen.
class PanelHold : public QObject {
public:
    PanelHold(QWidget* window, std::function<void(QPoint)> held)
        : QObject(window)
        , held_(std::move(held))
    {
        timer_.setSingleShot(true);
        timer_.setInterval(core::touch::holdMilliseconds);
        connect(&timer_, &QTimer::timeout, this, [this] {
            held_(start_);
        });
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* press = static_cast<QMouseEvent*>(event);
            if (press->pointingDevice()->type() == QInputDevice::DeviceType::TouchScreen) {
                start_ = press->globalPosition().toPoint();
                timer_.start();
            }
            break;
        }
        case QEvent::MouseMove:
            if (QLineF(start_, static_cast<QMouseEvent*>(event)->globalPosition()).length()
                > core::touch::stillPixels * zoom::factor()) {
                timer_.stop();
            }
            break;
        case QEvent::MouseButtonRelease:
            timer_.stop();
            break;
        default:
            break;
        }
        return false;
    }

private:
    std::function<void(QPoint)> held_;
    QTimer timer_;
    QPoint start_;
};

// The panel is the window's background and what only shows text on it.
bool isPanel(const QWidget* under)
{
    if (under == nullptr) {
        return true;
    }
    const bool onPicture = qobject_cast<const DrawingSurface*>(under->parentWidget()) != nullptr;
    return !onPicture
        && (qobject_cast<const QLabel*>(under) != nullptr || qobject_cast<const QGroupBox*>(under) != nullptr);
}

core::ScreenRect screenRect(const QRect& r)
{
    return {static_cast<double>(r.x()), static_cast<double>(r.y()), static_cast<double>(r.width()),
        static_cast<double>(r.height())};
}

} // namespace

ProgramWindow::ProgramWindow(std::unique_ptr<core::ProgramForm> form, QSizeF screenTwips)
    : form_(std::move(form))
    , screenTwips_(screenTwips)
    , driver_(
          [this] {
              const bool ran = form_->pass();
              showPassView();
              return ran;
          },
          this)
{
    const core::FormDesign& design = *form_->windows().front();
    buildForm(this, design);
    fitCaptions(*this);
    for (const core::ControlDesign& c : design.controls) {
        if (c.kind == core::ControlKind::picture) {
            auto* picture = designControl<DrawingSurface>(*this, c.name);
            picture->setTouchHoldGivesRightButton(c.holdIsRightButton);
            form_->attach(c.name, *picture);
        }
    }
    connectControls(this, design);
    addProgramKeys(this,
        {QString::fromUtf8(design.program), design.tabChain, designControl<DrawingSurface>(*this, design.picture),
            designControl<DrawingSurface>(*this, design.handField),
            [this] {
                return form_->handHeight();
            },
            design.handStep,
            [this] {
                singleStep();
            },
            [this] {
                react(form_->switchRecorder());
            },
            [this] {
                applyStateTexts(*this, form_->stateTexts());
            }});
    auto* hold = new PanelHold(this, [this](QPoint global) {
        const QPoint at = mapFromGlobal(global);
        if (isPanel(childAt(at))) {
            // Below the finger, so lifting it chooses nothing.
            showPanelMenu(at + QPoint(0, static_cast<int>(2 * core::touch::stillPixels * zoom::factor())));
        }
    });
    for (QLabel* label : findChildren<QLabel*>()) {
        if (isPanel(label)) {
            label->installEventFilter(this);
            label->installEventFilter(hold);
        }
    }
}

ProgramWindow::~ProgramWindow() = default;

void ProgramWindow::connectControls(QWidget* window, const core::FormDesign& design)
{
    for (const core::ControlDesign& c : design.controls) {
        const char* name = c.name;
        const char* form = design.name;
        switch (c.kind) {
        case core::ControlKind::button:
        case core::ControlKind::option:
            connect(designControl<QAbstractButton>(*window, name), &QAbstractButton::clicked, this, [=, this] {
                handle({.kind = core::FormEvent::click, .window = form, .control = name});
            });
            break;
        case core::ControlKind::scrollBar:
            connect(designControl<QScrollBar>(*window, name), &QScrollBar::valueChanged, this, [=, this](int value) {
                handle({.kind = core::FormEvent::change, .window = form, .control = name, .value = value});
            });
            break;
        case core::ControlKind::picture: {
            auto* picture = designControl<DrawingSurface>(*window, name);
            const auto mouse = [=, this](core::FormEvent::Kind kind) {
                return [=, this](int button, int shift, float x, float y) {
                    handle({.kind = kind,
                        .window = form,
                        .control = name,
                        .button = button,
                        .shift = shift,
                        .x = x,
                        .y = y});
                };
            };
            connect(picture, &DrawingSurface::mouseDown, this, mouse(core::FormEvent::mouseDown));
            connect(picture, &DrawingSurface::mouseMove, this, mouse(core::FormEvent::mouseMove));
            connect(picture, &DrawingSurface::mouseUp, this, mouse(core::FormEvent::mouseUp));
            // A new backing image (the window manager resized the window)
            // starts blank; what stays on it is drawn again.
            connect(picture, &DrawingSurface::backingReset, this, [this, name] {
                form_->redraw(name);
            });
            break;
        }
        default:
            break;
        }
    }
}

void ProgramWindow::Form_Load()
{
    const core::FormLoad load = form_->geometry(screenTwips_.width(), screenTwips_.height());
    applyLoad(*this, load);
    showAt(load.left, load.top);
    form_->Form_Load();
    showView();
    if (form_->running()) {
        driver_.start();
    }
}

void ProgramWindow::handle(const core::FormEvent& event)
{
    react(form_->handle(event));
}

void ProgramWindow::react(const core::Reaction& reaction)
{
    showView();
    if (form_->running()) {
        driver_.start();
    }
    if (reaction.open != nullptr) {
        open(reaction.open);
    }
    if (reaction.close != nullptr) {
        if (QWidget* window = infoWindow(reaction.close)) {
            window->hide();
        }
    }
    if (reaction.save) {
        saveTextWithDialog(this, *reaction.save);
    }
    if (reaction.end) {
        close();
    }
}

void ProgramWindow::showView()
{
    applyView(*this, form_->view());
    for (const auto& [name, window] : infoWindows_) {
        if (window->isVisible()) {
            showWindowView(name.c_str());
        }
    }
    showPassView();
}

void ProgramWindow::showWindowView(const char* name)
{
    if (QWidget* window = infoWindow(name)) {
        applyView(*window, form_->windowView(name));
    }
}

void ProgramWindow::showPassView()
{
    // After every pass: the control is looked up once, not per pass.
    if (const std::optional<core::ControlState> state = form_->passView()) {
        if (passControl_ == nullptr || passControl_->objectName() != QLatin1String(state->control)) {
            passControl_ = designControl(*this, state->control);
        }
        applyState(passControl_, *state);
    }
    if (const char* changed = form_->takeChangedWindow()) {
        showWindowView(changed);
    }
}

void ProgramWindow::singleStep()
{
    form_->singleStep();
    showPassView();
}

void ProgramWindow::open(const char* name)
{
    std::unique_ptr<QWidget>& window = infoWindows_[name];
    const core::FormDesign* design = nullptr;
    for (const core::FormDesign* d : form_->windows()) {
        if (std::string_view(d->name) == name) {
            design = d;
        }
    }
    if (!window) {
        window = makeWindow(*design);
    }
    if (!window->isVisible() && design->opensBeside) {
        placeBeside(window.get());
    }
    showWindowView(name);
    window->show();
    window->raise();
}

std::unique_ptr<QWidget> ProgramWindow::makeWindow(const core::FormDesign& design)
{
    auto window = std::make_unique<QWidget>();
    buildInfoWindow(window.get(), design);
    connectControls(window.get(), design);
    const char* name = design.name;
    new CloseWatcher(window.get(), [this, name] {
        handle({.kind = core::FormEvent::unload, .window = name});
    });
    if (design.picture == nullptr) {
        return window;
    }
    auto* picture = designControl<DrawingSurface>(*window, design.picture);
    form_->attach(design.picture, *picture);
    // The window's own picture keys, and F9 to close it again.
    const QString program = QString::fromUtf8(design.program) + QLatin1Char(' ') + QString::fromUtf8(design.name);
    addWindowKey(window.get(), Qt::Key_F9, [this] {
        react(form_->switchRecorder());
    });
    addWindowKey(window.get(), Qt::CTRL | Qt::Key_C, [picture] {
        copyPicture(*picture);
    });
    addWindowKey(window.get(), Qt::CTRL | Qt::Key_S, [window = window.get(), picture, program] {
        savePictureWithDialog(window, *picture, program);
    });
    setTabChain(window.get(), design.tabChain);
    return window;
}

void ProgramWindow::placeBeside(QWidget* window) const
{
    const QRect frame = frameGeometry();
    const QMargins decoration(geometry().left() - frame.left(), geometry().top() - frame.top(),
        frame.right() - geometry().right(), frame.bottom() - geometry().bottom());
    const QSize size = window->size().grownBy(decoration);
    const QWidget* picture = designControl(*this, form_->windows().front()->picture);
    const QRect chain(picture->mapToGlobal(QPoint(0, 0)), picture->size());
    const core::ScreenRect to = core::placeBeside(
        screenRect(frame), screenRect(chain), size.width(), size.height(), screenRect(screen()->availableGeometry()));
    window->move(static_cast<int>(to.left), static_cast<int>(to.top));
}

void ProgramWindow::contextMenuEvent(QContextMenuEvent* event)
{
    if (isPanel(childAt(event->pos()))) {
        showPanelMenu(event->pos());
    }
}

bool ProgramWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Labels keep the mouse to themselves; on the panel they still open its menu.
    if (event->type() == QEvent::ContextMenu) {
        const QPoint at = mapFromGlobal(static_cast<QContextMenuEvent*>(event)->globalPos());
        if (isPanel(childAt(at))) {
            showPanelMenu(at);
            return true;
        }
    }
    return ScaledForm::eventFilter(watched, event);
}

void ProgramWindow::showPanelMenu(QPoint at)
{
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setFont(font()); // zoomed with the window
    QAction* recorder = menu->addAction(QStringLiteral("Messschreiber"), QKeySequence(Qt::Key_F9), this, [this] {
        react(form_->switchRecorder());
    });
    recorder->setCheckable(true);
    const QWidget* shown = infoWindow(core::RecorderWindow::name);
    recorder->setChecked(shown != nullptr && shown->isVisible());
    menu->popup(mapToGlobal(at));
}

QWidget* ProgramWindow::infoWindow(const char* name) const
{
    const auto found = infoWindows_.find(name);
    return found == infoWindows_.end() ? nullptr : found->second.get();
}

void ProgramWindow::closeEvent(QCloseEvent* event)
{
    // Form_Unload: the info windows close with the main window, and Qt ends
    // the program when its last window has closed.
    for (const auto& [name, window] : infoWindows_) {
        window->close();
    }
    event->accept();
}

} // namespace desktop
