#pragma once

#include "WavePairProgram.hpp"

#include "surface/RunDriver.hpp"
#include "surface/ScaledForm.hpp"

#include <QSizeF>

namespace surface {
class DrawingSurface;
}

namespace wavepair {

// The main window of PAARLAB: the two rows of the wave pair on the display
// above, the control panels below. It builds the controls, hands every event
// to the program and shows what the program reports; it owns the one run
// driver. Controls carry their design names as object names.
class Form1 : public surface::ScaledForm {
    Q_OBJECT

public:
    // screenTwips: the screen the window is sized for.
    explicit Form1(QSizeF screenTwips);
    Form1();
    ~Form1() override;

    // Lays the window out, shows it, initialises the chain and starts the run.
    void Form_Load();

    WavePairModel& model() { return program_.model(); }
    const WavePairModel& model() const { return program_.model(); }
    float markerX() const { return program_.markerX(); }
    bool isRunning() const { return driver_.isRunning(); }
    long long passesRun() const { return driver_.passesRun(); }

    // While halted: runs and draws one pass, as the run driver would; the
    // run stays halted. Does nothing while running.
    void singleStep();

private:
    template <typename Control> Control* control(const char* name) const;
    void connectHandlers();
    WavePairCanvases pictures() const;
    void showView();
    void RunWaves();
    void Form_Paint();

    // The handlers: each hands its event to the program and shows the result.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command5_Click();
    void Command7_Click();
    void Command9_Click();
    void Command11_Click();
    void HScroll1_Change();
    void HScroll2_Change();
    void HScroll3_Change();
    void Picture1_MouseDown(int button, int shift, float x, float y);
    void Picture1_MouseMove(int button, int shift, float x, float y);
    void Picture1_MouseUp(int button, int shift, float x, float y);
    void Picture3_MouseDown(int button, int shift, float x, float y);
    void Picture3_MouseMove(int button, int shift, float x, float y);
    void Picture3_MouseUp(int button, int shift, float x, float y);

    // The program, the screen it is sized for and its run.
    QSizeF screenTwips_;
    WavePairProgram program_;
    surface::RunDriver driver_;

    // The display and its two small fields, looked up once.
    surface::DrawingSurface* Picture1 = nullptr;
    surface::DrawingSurface* Picture2 = nullptr;
    surface::DrawingSurface* Picture3 = nullptr;
};

} // namespace wavepair
