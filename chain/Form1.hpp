#pragma once

#include "ChainProgram.hpp"

#include "surface/RunDriver.hpp"
#include "surface/ScaledForm.hpp"

#include <QSizeF>

#include <memory>

class QLineEdit;

namespace surface {
class DrawingSurface;
}

namespace chain {

class Form2;

// The main window of KETTLAB: the chain on the drawing surface above, the
// control panels below. It builds the controls, hands every event to the
// program and shows what the program reports; it owns the one run driver.
// Controls carry their design names as object names.
class Form1 : public surface::ScaledForm {
    Q_OBJECT

public:
    // screenTwips: the screen the window is sized for.
    explicit Form1(QSizeF screenTwips);
    Form1();
    ~Form1() override;

    // Lays the window out, shows it, initialises the chain and starts the run.
    void Form_Load();

    ChainModel& model() { return program_.model(); }
    const ChainModel& model() const { return program_.model(); }
    bool isRunning() const { return driver_.isRunning(); }
    Form2* infoWindow() const { return form2_.get(); }

    // While halted: runs and draws one pass, as the run driver would; the
    // run stays halted. Does nothing while running.
    void singleStep();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    template <typename Control> Control* control(const char* name) const;
    void connectHandlers();
    void showView();
    void showClock();
    void RunChain();

    // The handlers: each hands its event to the program and shows the result.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command11_Click();
    void command6_Click();
    void HScroll1_Change();
    void HScroll2_Change();
    void HScroll3_Change();
    void Option1_Click();
    void Option2_Click();
    void Picture1_MouseDown(int button, int shift, float x, float y);
    void Picture1_MouseMove(int button, int shift, float x, float y);

    // The program, the screen it is sized for, its run and its info window.
    QSizeF screenTwips_;
    ChainProgram program_;
    surface::RunDriver driver_;
    std::unique_ptr<Form2> form2_;

    // Looked up once: the clock is shown after every pass.
    surface::DrawingSurface* Picture1 = nullptr;
    QLineEdit* Text4 = nullptr;
};

} // namespace chain
