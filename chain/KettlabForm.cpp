#include "KettlabForm.hpp"

#include "ChainDisplay.hpp"
#include "ChainForms.hpp"

#include <string_view>

namespace chain {

std::vector<const core::FormDesign*> KettlabForm::windows() const
{
    return {&form1Design(), &form2Design(), &form3Design(), &recorderWindow_.design()};
}

core::FormLoad KettlabForm::geometry(double screenWidth, double screenHeight) const
{
    return form1Load(screenWidth, screenHeight);
}

void KettlabForm::attach(const char* picture, core::Picture& canvas)
{
    if (std::string_view(picture) == "Picture1") {
        picture1_ = &canvas;
    } else if (std::string_view(picture) == core::RecorderWindow::plotName) {
        recorderWindow_.attach(canvas);
    }
}

void KettlabForm::Form_Load()
{
    program_.load(*picture1_);
}

core::Reaction KettlabForm::handle(const core::FormEvent& event)
{
    const std::string_view window(event.window);
    const std::string_view control(event.control);
    if (window == core::RecorderWindow::name) {
        return recorderWindow_.handle(event);
    }
    if (window == "Form1" && control == "Picture1" && recorderWindow_.picks(event, massAt(event.x))) {
        return {};
    }
    if (event.kind == core::FormEvent::click) {
        // "Info" shows the info window, whose one button shows the pendulum chain's.
        if (window == "Form1" && control == "command6") {
            return {.open = "Form2"};
        }
        if (window == "Form2" && control == "Command1") {
            return {.open = "Form3"};
        }
    }
    using F = KettlabForm;
    using H = core::Handler<F>;
    static constexpr H handlers[] = {
        {core::FormEvent::click, "Command1", &F::Command1_Click},
        {core::FormEvent::click, "Command2", &F::Command2_Click},
        {core::FormEvent::click, "Command3", &F::Command3_Click},
        {core::FormEvent::click, "Command4", &F::Command4_Click},
        {core::FormEvent::click, "Command5", &F::Command5_Click},
        {core::FormEvent::click, "Command7", &F::Command7_Click},
        {core::FormEvent::click, "Command8", &F::Command8_Click},
        {core::FormEvent::click, "Command9", &F::Command9_Click},
        {core::FormEvent::click, "Command11", &F::Command11_Click},
        {core::FormEvent::click, "Option1", &F::Option1_Click},
        {core::FormEvent::click, "Option2", &F::Option2_Click},
        {core::FormEvent::change, "HScroll1", nullptr, &F::HScroll1_Change},
        {core::FormEvent::change, "HScroll2", nullptr, &F::HScroll2_Change},
        {core::FormEvent::change, "HScroll3", nullptr, &F::HScroll3_Change},
        {core::FormEvent::mouseDown, "Picture1", nullptr, nullptr, &F::Picture1_MouseDown},
        {core::FormEvent::mouseMove, "Picture1", nullptr, nullptr, &F::Picture1_MouseMove},
    };
    if (window == "Form1") {
        core::dispatch<F>(*this, handlers, event);
    }
    // What the handler changed of the drive or the recording shows at once.
    if (event.kind == core::FormEvent::click || event.kind == core::FormEvent::change) {
        recorderWindow_.refresh();
    }
    return {};
}

void KettlabForm::redraw(const char* picture)
{
    if (std::string_view(picture) == core::RecorderWindow::plotName) {
        recorderWindow_.refresh();
        return;
    }
    // The chain is redrawn by the next pass, the markers here.
    program_.redrawMarkers(*picture1_);
}

bool KettlabForm::pass()
{
    const bool ran = program_.pass(*picture1_);
    if (ran) {
        recorderWindow_.afterPass();
    }
    return ran;
}

void KettlabForm::singleStep()
{
    program_.singleStep(*picture1_);
    recorderWindow_.refresh();
}

core::FormView KettlabForm::view() const
{
    return formView(program_.view());
}

std::optional<core::ControlState> KettlabForm::passView() const
{
    if (std::optional<std::string> clock = clockText(program_.view())) {
        return core::ControlState{.control = "Text4", .caption = std::move(clock)};
    }
    return {};
}

std::vector<core::StateText> KettlabForm::stateTexts() const
{
    return chain::stateTexts(program_.view());
}

void KettlabForm::Command1_Click()
{
    program_.clearVelocities();
}

void KettlabForm::Command2_Click()
{
    program_.clearDisplacements(*picture1_);
}

void KettlabForm::Command3_Click()
{
    program_.switchRefraction(*picture1_);
}

void KettlabForm::Command4_Click()
{
    program_.switchObstacle(*picture1_);
}

void KettlabForm::Command5_Click()
{
    program_.clear(*picture1_);
}

void KettlabForm::Command7_Click()
{
    program_.switchHarmonic();
}

void KettlabForm::Command8_Click()
{
    program_.switchClock();
}

void KettlabForm::Command9_Click()
{
    program_.switchDamping(*picture1_);
}

void KettlabForm::Command11_Click()
{
    program_.haltOrResume(*picture1_);
}

void KettlabForm::Option1_Click()
{
    program_.chooseBallSpring();
}

void KettlabForm::Option2_Click()
{
    program_.choosePendulum();
}

void KettlabForm::HScroll1_Change(int value)
{
    program_.setAmplitude(value);
}

void KettlabForm::HScroll2_Change(int value)
{
    program_.setPeriod(value);
}

void KettlabForm::HScroll3_Change(int value)
{
    program_.setSpeed(value);
}

void KettlabForm::Picture1_MouseDown(int /*button*/, int /*shift*/, float x, float y)
{
    program_.mouseDown(x, y);
}

void KettlabForm::Picture1_MouseMove(int button, int /*shift*/, float x, float y)
{
    program_.mouseMove(button, x, y, *picture1_);
}

} // namespace chain
