#include "Form1.hpp"

#include "Form1Keys.hpp"
#include "WavePairDisplay.hpp"

#include "surface/ClassicControls.hpp"
#include "surface/ClassicLook.hpp"
#include "surface/DrawingSurface.hpp"
#include "surface/FormParts.hpp"
#include "surface/MakerNotice.hpp"
#include "surface/Twips.hpp"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace wavepair {

using surface::grey;
using surface::named;
using surface::RGB;
using surface::Rgb;

namespace {

constexpr Rgb excitationOff = RGB(255, 128, 0);
constexpr Rgb reflectorButton = RGB(255, 128, 128);

constexpr double windowFraction = 0.99;

QFont bold12()
{
    return surface::classicFont(12);
}

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
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(
        QStringLiteral("Längs- und Querwelle im Vergleich") + QString(46, QLatin1Char(' ')) + surface::makerNotice());
    setFont(surface::windowFont());
    surface::setBackColor(this, grey);
    createControls();
    connectHandlers();
    installKeys(*this);
}

Form1::~Form1() = default;

void Form1::createControls()
{
    const QFont font = surface::windowFont();
    const QFont bold = bold12();

    Picture1 = surface::makeSurface(this, "Picture1", {0, 240, 15135, 7815}, displayBackground);
    Picture2 = surface::makeSurface(Picture1, "Picture2", {0, 2040, 1455, 1215}, insetBackground);
    Picture2->setScale({-150, -100, 300, 200});
    Picture3 = surface::makeSurface(Picture1, "Picture3", {0, 3840, 1455, 2655}, insetBackground);
    Picture3->setScale({-1, -2, 4, 4});
    // The right button does nothing here, so a finger drives the end at once.
    Picture3->setTouchHoldGivesRightButton(false);
    Label5 = named(surface::makeLabel(Picture1, QStringLiteral(" Anregung    mit Maus"), {0, 6600, 1455, 615}, bold,
                       displayBackground),
        "Label5");
    Label3 = named(surface::makeLabel(Picture1, QString(), {14520, 0, 615, 7935}, font, reflectorBarColour), "Label3");
    Label3->hide();

    Command1 = named(surface::makeButton(this, QStringLiteral("Ende"), {13320, 8160, 1575, 495}, bold), "Command1");
    Command4 = named(surface::makeButton(this, QStringLiteral("I"), {13320, 9000, 1575, 495}, bold), "Command4");

    Frame3D1
        = surface::makeGroup(this, "Frame3D1", QStringLiteral("Automatische Anregung"), {0, 8040, 4335, 2655}, bold);
    Frame3D3 = surface::makeGroup(this, "Frame3D3", QStringLiteral("Steuerfunktionen"), {4560, 8040, 3135, 1335}, bold);
    Frame3D5 = surface::makeGroup(this, "Frame3D5", QStringLiteral("Zeitablauf"), {4560, 9360, 3135, 1335}, bold);
    Frame3D2 = surface::makeGroup(this, "Frame3D2", QStringLiteral("Reflektor"), {8040, 8040, 2055, 2655}, bold);
    Frame3D4
        = surface::makeGroup(this, "Frame3D4", QStringLiteral("Einzelschaltungen"), {10200, 8040, 2775, 2655}, bold);

    Label1
        = named(surface::makeLabel(Frame3D1, QStringLiteral("Amplitude"), {720, 480, 1695, 255}, bold, grey), "Label1");
    HScroll1 = named(surface::makeScrollBar(Frame3D1, {120, 840, 2535, 375}, {0, 20, 1, 1, 10}), "HScroll1");
    klein = named(surface::makeLabel(Frame3D1, QStringLiteral("klein"), {120, 1320, 855, 375}, bold, grey), "klein");
    Label6 = named(surface::makeLabel(Frame3D1, QStringLiteral("groß"), {1920, 1320, 735, 375}, bold, grey), "Label6");
    HScroll2 = named(surface::makeScrollBar(Frame3D1, {120, 1800, 2535, 375}, {1, 80, 1, 10, 40}), "HScroll2");
    Label2
        = named(surface::makeLabel(Frame3D1, QStringLiteral("Frequenz"), {720, 2280, 1695, 255}, bold, grey), "Label2");
    Label7 = surface::makeLamp(Frame3D1, "Label7", {3240, 840, 495, 375});
    Label7->hide();
    Command7
        = named(surface::makeButton(Frame3D1, QStringLiteral("On/Off"), {2880, 1320, 1215, 855}, font), "Command7");
    surface::setBackColor(Command7, excitationOff);

    Command5 = named(surface::makeButton(Frame3D3, QStringLiteral("Löschen"), {120, 480, 1215, 375}, bold), "Command5");
    Command11 = named(surface::makeButton(Frame3D3, QStringLiteral("Halt"), {1680, 480, 1215, 375}, bold), "Command11");

    HScroll3 = named(surface::makeScrollBar(Frame3D5, {240, 480, 2655, 375}, {2, 40, 1, 1, 20}), "HScroll3");
    Label4
        = named(surface::makeLabel(Frame3D5, QStringLiteral("langsam"), {240, 960, 1095, 375}, bold, grey), "Label4");
    Label11
        = named(surface::makeLabel(Frame3D5, QStringLiteral("schnell"), {1920, 960, 975, 375}, bold, grey), "Label11");

    Label8 = surface::makeLamp(Frame3D2, "Label8", {720, 840, 495, 375});
    Label8->hide();
    Command9 = named(surface::makeButton(Frame3D2, QStringLiteral("On/Off"), {360, 1320, 1215, 855}, font), "Command9");
    surface::setBackColor(Command9, reflectorButton);

    Command2
        = named(surface::makeButton(Frame3D4, QStringLiteral("Querwelle"), {120, 840, 1935, 495}, bold), "Command2");
    Label9 = surface::makeLamp(Frame3D4, "Label9", {2160, 840, 495, 375});
    Command3
        = named(surface::makeButton(Frame3D4, QStringLiteral("Längswelle"), {120, 1680, 1935, 495}, bold), "Command3");
    Label10 = surface::makeLamp(Frame3D4, "Label10", {2160, 1680, 495, 375});

    for (QLabel* captioned : {Label5, Label1, klein, Label6, Label2, Label4, Label11}) {
        fitCaption(captioned);
    }
}

void Form1::connectHandlers()
{
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
    connect(Command11, &QPushButton::clicked, this, &Form1::Command11_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form1::HScroll1_Change);
    connect(HScroll2, &QScrollBar::valueChanged, this, &Form1::HScroll2_Change);
    connect(HScroll3, &QScrollBar::valueChanged, this, &Form1::HScroll3_Change);
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

void Form1::layOut()
{
    setOuterSize(windowFraction * screenTwips_.width(), windowFraction * screenTwips_.height());
    setScale({0, 0, 4000, 3000});
    Picture1->setScale({-10, -3, 105, 6});
}

void Form1::Form_Load()
{
    layOut();
    showAt(1, 1);
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
    const WavePairView view = program_.view();
    Command11->setText(view.halted ? QStringLiteral("Weiter") : QStringLiteral("Halt"));
    Label7->setVisible(view.excitationOn);
    Label5->setVisible(!view.excitationOn);
    surface::setBackColor(Command7, view.excitationOn ? surface::red : excitationOff);
    Label8->setVisible(view.reflectorOn);
    Label3->setVisible(view.reflectorOn);
    Label9->setVisible(view.transverseOn);
    Label10->setVisible(view.longitudinalOn);
    Picture2->setVisible(view.longitudinalOn);
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
    program_.setAmplitude(HScroll1->value());
}

void Form1::HScroll2_Change()
{
    program_.setFrequency(HScroll2->value());
}

void Form1::HScroll3_Change()
{
    program_.setSpeed(HScroll3->value());
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
