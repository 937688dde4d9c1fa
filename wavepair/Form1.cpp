#include "Form1.hpp"

#include "PairForms.hpp"

#include "surface/DrawingSurface.hpp"
#include "surface/FormBuilder.hpp"
#include "surface/KeyboardAccess.hpp"
#include "surface/Twips.hpp"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace wavepair {

namespace {

// A tenth of a unit per key, 40 steps over the height of the field.
constexpr double handStep = 0.1;

// The substitute faces have a taller line than the original at 12 pt, taller
// than the one-line height some labels are designed with; the label grows
// downward until its caption's line fits, so no face of the fallback list
// can cut it.
void fitCaption(QLabel* label)
{
    const int needed = label->heightForWidth(label->width());
    if (needed > label->height()) {
        label->resize(label->width(), needed);
    }
}

} // namespace

Form1::Form1()
    : Form1(surface::twips::screenSize())
{
}

Form1::Form1(QSizeF screenTwips)
    : screenTwips_(screenTwips)
    , driver_(
          [this] {
              return program_.pass(*Picture1);
          },
          this)
{
    surface::buildForm(this, form1Design());
    Picture1 = control<surface::DrawingSurface>("Picture1");
    Picture2 = control<surface::DrawingSurface>("Picture2");
    Picture3 = control<surface::DrawingSurface>("Picture3");
    // The right button does nothing here, so a finger drives the end at once.
    Picture3->setTouchHoldGivesRightButton(false);
    for (QLabel* label : findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            fitCaption(label);
        }
    }
    connectHandlers();
    surface::addProgramKeys(this,
        {QStringLiteral("PAARLAB"), form1Design().tabChain, Picture1, Picture3,
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
        connect(control<QPushButton>(button), &QPushButton::clicked, this, handler);
    };
    onClick("Command1", &Form1::Command1_Click);
    onClick("Command2", &Form1::Command2_Click);
    onClick("Command3", &Form1::Command3_Click);
    onClick("Command5", &Form1::Command5_Click);
    onClick("Command7", &Form1::Command7_Click);
    onClick("Command9", &Form1::Command9_Click);
    onClick("Command11", &Form1::Command11_Click);
    connect(control<QScrollBar>("HScroll1"), &QScrollBar::valueChanged, this, &Form1::HScroll1_Change);
    connect(control<QScrollBar>("HScroll2"), &QScrollBar::valueChanged, this, &Form1::HScroll2_Change);
    connect(control<QScrollBar>("HScroll3"), &QScrollBar::valueChanged, this, &Form1::HScroll3_Change);
    connect(Picture1, &surface::DrawingSurface::mouseDown, this, &Form1::Picture1_MouseDown);
    connect(Picture1, &surface::DrawingSurface::mouseMove, this, &Form1::Picture1_MouseMove);
    connect(Picture1, &surface::DrawingSurface::mouseUp, this, &Form1::Picture1_MouseUp);
    connect(Picture3, &surface::DrawingSurface::mouseDown, this, &Form1::Picture3_MouseDown);
    connect(Picture3, &surface::DrawingSurface::mouseMove, this, &Form1::Picture3_MouseMove);
    connect(Picture3, &surface::DrawingSurface::mouseUp, this, &Form1::Picture3_MouseUp);
    // A new backing image starts blank: the pictograms are drawn again, the
    // rows by the next pass.
    connect(Picture2, &surface::DrawingSurface::backingReset, this, &Form1::Form_Paint);
    connect(Picture3, &surface::DrawingSurface::backingReset, this, &Form1::Form_Paint);
}

void Form1::Form_Load()
{
    const core::FormLoad load = form1Load(screenTwips_.width(), screenTwips_.height());
    surface::applyLoad(*this, load);
    showAt(load.left, load.top);
    program_.load(pictures());
    showView();
    RunWaves();
}

WavePairCanvases Form1::pictures() const
{
    return {*Picture1, *Picture2, *Picture3};
}

void Form1::Form_Paint()
{
    program_.paint(pictures());
}

void Form1::RunWaves()
{
    if (program_.running()) {
        driver_.start();
    }
}

void Form1::singleStep()
{
    program_.singleStep(*Picture1);
}

void Form1::showView()
{
    surface::applyView(*this, formView(program_.view()));
}

void Form1::Command1_Click()
{
    close();
}

void Form1::Command11_Click()
{
    program_.haltOrResume(*Picture1);
    showView();
    RunWaves();
}

void Form1::Command7_Click()
{
    program_.switchExcitation(*Picture1);
    showView();
    RunWaves();
}

void Form1::Command9_Click()
{
    program_.switchReflector();
    showView();
}

void Form1::Command2_Click()
{
    program_.switchTransverse(*Picture1);
    showView();
}

void Form1::Command3_Click()
{
    program_.switchLongitudinal(pictures());
    showView();
}

void Form1::Command5_Click()
{
    program_.clear(*Picture1);
    RunWaves();
}

void Form1::HScroll1_Change()
{
    program_.setAmplitude(control<QScrollBar>("HScroll1")->value());
}

void Form1::HScroll2_Change()
{
    program_.setFrequency(control<QScrollBar>("HScroll2")->value());
}

void Form1::HScroll3_Change()
{
    program_.setSpeed(control<QScrollBar>("HScroll3")->value());
}

void Form1::Picture1_MouseDown(int button, int /*shift*/, float x, float /*y*/)
{
    program_.markerDown(button, x, *Picture1);
}

void Form1::Picture1_MouseMove(int button, int /*shift*/, float x, float /*y*/)
{
    program_.markerMove(button, x, *Picture1);
}

void Form1::Picture1_MouseUp(int button, int /*shift*/, float x, float /*y*/)
{
    program_.markerUp(button, x, *Picture1);
}

void Form1::Picture3_MouseDown(int button, int /*shift*/, float /*x*/, float y)
{
    program_.handDown(button, y);
}

void Form1::Picture3_MouseMove(int button, int /*shift*/, float /*x*/, float y)
{
    program_.handMove(button, y);
}

void Form1::Picture3_MouseUp(int button, int /*shift*/, float /*x*/, float y)
{
    program_.handMove(button, y);
}

} // namespace wavepair
