#pragma once

#include "ChainDisplay.hpp"
#include "ChainModel.hpp"

#include "surface/RunDriver.hpp"
#include "surface/ScaledForm.hpp"

#include <QSizeF>

#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace surface {
class DrawingSurface;
}

namespace chain {

class Form2;

// The main window of KETTLAB: the chain on the drawing surface above, the
// control panels below. It owns the chain's state and the one run driver.
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

    ChainModel& model() { return model_; }
    const ChainModel& model() const { return model_; }
    bool isRunning() const { return driver_.isRunning(); }
    Form2* infoWindow() const { return form2_.get(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void layOut();
    void connectHandlers();

    void RunChain();
    bool chainPass();

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
    void DrawTapeMarks(double start, int end);
    void showExcitationMode();
    void setIndicator(QWidget* indicator, bool on);

    QSizeF screenTwips_;
    ChainModel model_;
    ChainDrawn drawn_;
    surface::RunDriver driver_;
    std::unique_ptr<Form2> form2_;

    surface::DrawingSurface* Picture1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* Text1 = nullptr;

    QGroupBox* Frame3D1 = nullptr;
    QGroupBox* Frame3D2 = nullptr;
    QGroupBox* Frame3D3 = nullptr;
    QGroupBox* Frame3D4 = nullptr;
    QGroupBox* Frame3D5 = nullptr;
    QGroupBox* Frame3D6 = nullptr;
    QGroupBox* Frame3D7 = nullptr;
    QPushButton* command6 = nullptr;

    QScrollBar* HScroll1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* Label1 = nullptr;
    QScrollBar* HScroll2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command7 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label15 = nullptr;

    QPushButton* Command9 = nullptr;
    QLabel* Label9 = nullptr;

    QPushButton* Command5 = nullptr;
    QPushButton* Command11 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

    QPushButton* Command3 = nullptr;
    QLabel* Label10 = nullptr;

    QLineEdit* Text4 = nullptr;
    QScrollBar* HScroll3 = nullptr;
    QPushButton* Command8 = nullptr;
    QLabel* Label11 = nullptr;

    QPushButton* Command4 = nullptr;
    QLabel* Label12 = nullptr;

    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
};

} // namespace chain
