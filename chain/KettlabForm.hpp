#pragma once

#include "ChainProgram.hpp"

#include "core/ProgramForm.hpp"
#include "core/RecorderWindow.hpp"

namespace chain {

// KETTLAB's windows and handlers without a toolkit: each handler hands its
// event to the program, which draws on the chain's picture.
class KettlabForm : public core::ProgramForm, private core::RecorderHost {
public:
    std::vector<const core::FormDesign*> windows() const override;
    core::FormLoad geometry(double screenWidth, double screenHeight) const override;
    void attach(const char* picture, core::Picture& canvas) override;

    void Form_Load() override;
    core::Reaction handle(const core::FormEvent& event) override;
    void redraw(const char* picture) override;

    bool pass() override;
    void singleStep() override;
    bool running() const override { return program_.running(); }

    core::FormView view() const override;
    std::optional<core::ControlState> passView() const override;
    core::FormView windowView(const char* window) const override { return recorderWindow_.view(window); }
    const char* takeChangedWindow() override { return recorderWindow_.takeChanged(); }
    core::Reaction switchRecorder() override { return recorderWindow_.toggle(); }
    std::vector<core::StateText> stateTexts() const override;
    double handHeight() const override { return program_.model().y[0]; }

    ChainProgram& program() { return program_; }
    const ChainProgram& program() const { return program_; }

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command11_Click();
    void Option1_Click();
    void Option2_Click();
    void HScroll1_Change(int value);
    void HScroll2_Change(int value);
    void HScroll3_Change(int value);
    void Picture1_MouseDown(int button, int shift, float x, float y);
    void Picture1_MouseMove(int button, int shift, float x, float y);

private:
    core::Recorder& openRecorder() override { return program_.openRecorder(); }
    void closeRecorder() override { program_.closeRecorder(); }
    core::Recorder* recorder() override { return program_.recorder(); }
    void showFollowed() override { program_.showFollowed(*picture1_); }

    ChainProgram program_;
    core::Canvas* picture1_ = nullptr;
    core::RecorderWindow recorderWindow_{"KETTLAB", ChainModel::lastMass, *this};
};

} // namespace chain
