#pragma once

#include "WavePairDisplay.hpp"
#include "WavePairModel.hpp"

#include "surface/Rgb.hpp"
#include "surface/RunDriver.hpp"
#include "surface/ScaledForm.hpp"

#include <QSizeF>

class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace surface {
class DrawingSurface;
}

namespace wavepair {

// The main window of PAARLAB: the two rows of the wave pair on the display
// above, the control panels below. It owns the chain's state and the one run
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

    WavePairModel& model() { return model_; }
    const WavePairModel& model() const { return model_; }
    float markerX() const { return markerX_; }
    bool isRunning() const { return driver_.isRunning(); }
    long long passesRun() const { return driver_.passesRun(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void connectHandlers();
    void layOut();

    void RunWaves();
    bool wavesPass();
    void Form_Paint();

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
    void drawMarkerLine(float x, surface::Rgb colour);

    QSizeF screenTwips_;
    WavePairModel model_;
    float markerX_ = 0;
    RowsDrawn drawn_;
    surface::RunDriver driver_;

    surface::DrawingSurface* Picture1 = nullptr;
    surface::DrawingSurface* Picture2 = nullptr;
    surface::DrawingSurface* Picture3 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command4 = nullptr;

    QGroupBox* Frame3D1 = nullptr;
    QGroupBox* Frame3D2 = nullptr;
    QGroupBox* Frame3D3 = nullptr;
    QGroupBox* Frame3D4 = nullptr;
    QGroupBox* Frame3D5 = nullptr;

    QLabel* Label1 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QLabel* klein = nullptr;
    QLabel* Label6 = nullptr;
    QScrollBar* HScroll2 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label7 = nullptr;
    QPushButton* Command7 = nullptr;

    QPushButton* Command5 = nullptr;
    QPushButton* Command11 = nullptr;

    QScrollBar* HScroll3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label11 = nullptr;

    QLabel* Label8 = nullptr;
    QPushButton* Command9 = nullptr;

    QPushButton* Command2 = nullptr;
    QLabel* Label9 = nullptr;
    QPushButton* Command3 = nullptr;
    QLabel* Label10 = nullptr;
};

} // namespace wavepair
