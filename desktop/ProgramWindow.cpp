#include "ProgramWindow.hpp"

#include "DrawingSurface.hpp"
#include "FormBuilder.hpp"
#include "InfoWindow.hpp"
#include "KeyboardAccess.hpp"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QLabel>
#include <QScrollBar>

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
                applyStateTexts(*this, form_->stateTexts());
            }});
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
    const core::Reaction reaction = form_->handle(event);
    showView();
    if (form_->running()) {
        driver_.start();
    }
    if (reaction.open != nullptr) {
        open(reaction.open);
    }
    if (reaction.end) {
        close();
    }
}

void ProgramWindow::showView()
{
    applyView(*this, form_->view());
    showPassView();
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
}

void ProgramWindow::singleStep()
{
    form_->singleStep();
    showPassView();
}

void ProgramWindow::open(const char* name)
{
    std::unique_ptr<QWidget>& window = infoWindows_[name];
    if (!window) {
        for (const core::FormDesign* design : form_->windows()) {
            if (std::string_view(design->name) == name) {
                window = std::make_unique<QWidget>();
                buildInfoWindow(window.get(), *design);
                connectControls(window.get(), *design);
            }
        }
    }
    window->show();
    window->raise();
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
