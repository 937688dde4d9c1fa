#include "Form1.hpp"

#include "ChainForms.hpp"
#include "Form2.hpp"

#include "core/DecimalText.hpp"
#include "core/KeyMap.hpp"
#include "surface/ClassicControls.hpp"
#include "surface/DrawingSurface.hpp"
#include "surface/FormBuilder.hpp"
#include "surface/KeyboardAccess.hpp"
#include "surface/Twips.hpp"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace chain {

using surface::text;

namespace {

// One hand-key step moves the left end a tenth of a unit, the amplitude
// bar's step, so ten presses make the default amplitude.
constexpr double handStep = 0.1;

} // namespace

Form1::Form1()
    : Form1(surface::twips::screenSize())
{
}

Form1::Form1(QSizeF screenTwips)
    : screenTwips_(screenTwips)
    , driver_(
          [this] {
              const bool ran = program_.pass(*Picture1);
              showClock();
              return ran;
          },
          this)
{
    surface::buildForm(this, form1Design());
    Picture1 = control<surface::DrawingSurface>("Picture1");
    Text4 = control<QLineEdit>("Text4");
    connectHandlers();
    surface::addProgramKeys(this,
        {QStringLiteral("KETTLAB"), form1Design().tabChain, Picture1, Picture1,
            [this] {
                return model().y[0];
            },
            handStep,
            [this] {
                singleStep();
            },
            [this] {
                surface::applyStateTexts(*this, stateTexts(program_.view()));
            }});
}

Form1::~Form1() = default;

template <typename Control> Control* Form1::control(const char* name) const
{
    return surface::designControl<Control>(*this, name);
}

void Form1::connectHandlers()
{
    const auto onClick = [this](const char* button, void (Form1::*handler)()) {
        connect(control<QAbstractButton>(button), &QAbstractButton::clicked, this, handler);
    };
    onClick("Command1", &Form1::Command1_Click);
    onClick("Command2", &Form1::Command2_Click);
    onClick("Command3", &Form1::Command3_Click);
    onClick("Command4", &Form1::Command4_Click);
    onClick("Command5", &Form1::Command5_Click);
    onClick("Command7", &Form1::Command7_Click);
    onClick("Command8", &Form1::Command8_Click);
    onClick("Command9", &Form1::Command9_Click);
    onClick("Command11", &Form1::Command11_Click);
    onClick("command6", &Form1::command6_Click);
    onClick("Option1", &Form1::Option1_Click);
    onClick("Option2", &Form1::Option2_Click);
    connect(control<QScrollBar>("HScroll1"), &QScrollBar::valueChanged, this, &Form1::HScroll1_Change);
    connect(control<QScrollBar>("HScroll2"), &QScrollBar::valueChanged, this, &Form1::HScroll2_Change);
    connect(control<QScrollBar>("HScroll3"), &QScrollBar::valueChanged, this, &Form1::HScroll3_Change);
    connect(Picture1, &surface::DrawingSurface::mouseDown, this, &Form1::Picture1_MouseDown);
    connect(Picture1, &surface::DrawingSurface::mouseMove, this, &Form1::Picture1_MouseMove);
    // A new backing image (the window manager resized the window) starts
    // blank; the chain is redrawn by the next pass, the markers here.
    connect(Picture1, &surface::DrawingSurface::backingReset, this, [this] {
        program_.redrawMarkers(*Picture1);
    });
}

void Form1::Form_Load()
{
    const core::FormLoad load = form1Load(screenTwips_.width(), screenTwips_.height());
    surface::applyLoad(*this, load);
    showAt(load.left, load.top);
    program_.load(*Picture1);
    showView();
    RunChain();
}

void Form1::RunChain()
{
    if (program_.running()) {
        driver_.start();
    }
}

void Form1::singleStep()
{
    program_.singleStep(*Picture1);
    showClock();
}

void Form1::showClock()
{
    if (const std::optional<std::string> clock = clockText(program_.view())) {
        Text4->setText(text(*clock));
    }
}

void Form1::showView()
{
    surface::applyView(*this, formView(program_.view()));
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Form_Unload: the info windows close with the main window, and Qt ends
    // the program when its last window has closed.
    if (form2_) {
        form2_->closeAll();
    }
    event->accept();
}

void Form1::HScroll1_Change()
{
    program_.setAmplitude(control<QScrollBar>("HScroll1")->value());
    showView();
}

void Form1::HScroll2_Change()
{
    program_.setPeriod(control<QScrollBar>("HScroll2")->value());
    showView();
}

void Form1::HScroll3_Change()
{
    program_.setSpeed(control<QScrollBar>("HScroll3")->value());
}

void Form1::Command7_Click()
{
    program_.switchHarmonic();
    showView();
}

void Form1::Command9_Click()
{
    program_.switchDamping(*Picture1);
    showView();
}

void Form1::Command1_Click()
{
    program_.clearVelocities();
}

void Form1::Command2_Click()
{
    program_.clearDisplacements(*Picture1);
}

void Form1::Command5_Click()
{
    program_.clear(*Picture1);
}

void Form1::Command11_Click()
{
    program_.haltOrResume(*Picture1);
    showView();
    RunChain();
}

void Form1::Command3_Click()
{
    program_.switchRefraction(*Picture1);
    showView();
}

void Form1::Command4_Click()
{
    program_.switchObstacle(*Picture1);
    showView();
}

void Form1::Command8_Click()
{
    program_.switchClock();
    showView();
}

void Form1::Option1_Click()
{
    program_.chooseBallSpring();
    showView();
}

void Form1::Option2_Click()
{
    program_.choosePendulum();
    showView();
}

void Form1::command6_Click()
{
    if (!form2_) {
        form2_ = std::make_unique<Form2>();
    }
    form2_->show();
    form2_->raise();
}

void Form1::Picture1_MouseDown(int /*button*/, int /*shift*/, float x, float y)
{
    program_.mouseDown(x, y);
}

void Form1::Picture1_MouseMove(int button, int /*shift*/, float x, float y)
{
    program_.mouseMove(button, x, y, *Picture1);
    showView();
}

} // namespace chain
