#include "PaarlabForm.hpp"

#include "PairForms.hpp"
#include "WavePairDisplay.hpp"

#include <string_view>

namespace wavepair {

std::vector<const core::FormDesign*> PaarlabForm::windows() const
{
    return {&form1Design(), &recorderWindow_.design()};
}

core::FormLoad PaarlabForm::geometry(double screenWidth, double screenHeight) const
{
    return form1Load(screenWidth, screenHeight);
}

void PaarlabForm::attach(const char* picture, core::Picture& canvas)
{
    const std::string_view name(picture);
    if (name == core::RecorderWindow::plotName) {
        recorderWindow_.attach(canvas);
    } else if (name == "Picture1") {
        picture1_ = &canvas;
    } else if (name == "Picture2") {
        picture2_ = &canvas;
    } else if (name == "Picture3") {
        picture3_ = &canvas;
    }
}

WavePairCanvases PaarlabForm::pictures() const
{
    return {*picture1_, *picture2_, *picture3_};
}

void PaarlabForm::Form_Load()
{
    program_.load(pictures());
}

core::Reaction PaarlabForm::handle(const core::FormEvent& event)
{
    using F = PaarlabForm;
    using H = core::Handler<F>;
    static constexpr H handlers[] = {
        {core::FormEvent::click, "Command2", &F::Command2_Click},
        {core::FormEvent::click, "Command3", &F::Command3_Click},
        {core::FormEvent::click, "Command5", &F::Command5_Click},
        {core::FormEvent::click, "Command7", &F::Command7_Click},
        {core::FormEvent::click, "Command9", &F::Command9_Click},
        {core::FormEvent::click, "Command11", &F::Command11_Click},
        {core::FormEvent::change, "HScroll1", nullptr, &F::HScroll1_Change},
        {core::FormEvent::change, "HScroll2", nullptr, &F::HScroll2_Change},
        {core::FormEvent::change, "HScroll3", nullptr, &F::HScroll3_Change},
        {core::FormEvent::mouseDown, "Picture1", nullptr, nullptr, &F::Picture1_MouseDown},
        {core::FormEvent::mouseMove, "Picture1", nullptr, nullptr, &F::Picture1_MouseMove},
        {core::FormEvent::mouseUp, "Picture1", nullptr, nullptr, &F::Picture1_MouseUp},
        {core::FormEvent::mouseDown, "Picture3", nullptr, nullptr, &F::Picture3_MouseDown},
        {core::FormEvent::mouseMove, "Picture3", nullptr, nullptr, &F::Picture3_MouseMove},
        {core::FormEvent::mouseUp, "Picture3", nullptr, nullptr, &F::Picture3_MouseUp},
    };
    if (std::string_view(event.window) == core::RecorderWindow::name) {
        return recorderWindow_.handle(event);
    }
    if (std::string_view(event.control) == "Picture1" && recorderWindow_.picks(event, massAt(event.x))) {
        return {};
    }
    // "Ende" ends the program.
    if (event.kind == core::FormEvent::click && std::string_view(event.control) == "Command1") {
        return {.end = true};
    }
    core::dispatch<F>(*this, handlers, event);
    // What the handler changed of the drive or the recording shows at once.
    if (event.kind == core::FormEvent::click || event.kind == core::FormEvent::change) {
        recorderWindow_.refresh();
    }
    return {};
}

void PaarlabForm::redraw(const char* picture)
{
    if (std::string_view(picture) == core::RecorderWindow::plotName) {
        recorderWindow_.refresh();
        return;
    }
    // The pictograms are drawn again, the rows by the next pass.
    Form_Paint();
}

void PaarlabForm::Form_Paint()
{
    program_.paint(pictures());
}

bool PaarlabForm::pass()
{
    const bool ran = program_.pass(*picture1_);
    if (ran) {
        recorderWindow_.afterPass();
    }
    return ran;
}

void PaarlabForm::singleStep()
{
    program_.singleStep(*picture1_);
    recorderWindow_.refresh();
}

core::FormView PaarlabForm::view() const
{
    return formView(program_.view());
}

std::vector<core::StateText> PaarlabForm::stateTexts() const
{
    return wavepair::stateTexts(program_.view());
}

void PaarlabForm::Command2_Click()
{
    program_.switchTransverse(*picture1_);
}

void PaarlabForm::Command3_Click()
{
    program_.switchLongitudinal(pictures());
}

void PaarlabForm::Command5_Click()
{
    program_.clear(*picture1_);
}

void PaarlabForm::Command7_Click()
{
    program_.switchExcitation(*picture1_);
}

void PaarlabForm::Command9_Click()
{
    program_.switchReflector();
}

void PaarlabForm::Command11_Click()
{
    program_.haltOrResume(*picture1_);
}

void PaarlabForm::HScroll1_Change(int value)
{
    program_.setAmplitude(value);
}

void PaarlabForm::HScroll2_Change(int value)
{
    program_.setFrequency(value);
}

void PaarlabForm::HScroll3_Change(int value)
{
    program_.setSpeed(value);
}

void PaarlabForm::Picture1_MouseDown(int button, int /*shift*/, float x, float /*y*/)
{
    program_.markerDown(button, x, *picture1_);
}

void PaarlabForm::Picture1_MouseMove(int button, int /*shift*/, float x, float /*y*/)
{
    program_.markerMove(button, x, *picture1_);
}

void PaarlabForm::Picture1_MouseUp(int button, int /*shift*/, float x, float /*y*/)
{
    program_.markerUp(button, x, *picture1_);
}

void PaarlabForm::Picture3_MouseDown(int button, int /*shift*/, float /*x*/, float y)
{
    program_.handDown(button, y);
}

void PaarlabForm::Picture3_MouseMove(int button, int /*shift*/, float /*x*/, float y)
{
    program_.handMove(button, y);
}

void PaarlabForm::Picture3_MouseUp(int button, int /*shift*/, float /*x*/, float y)
{
    program_.handMove(button, y);
}

} // namespace wavepair
