#include "Form1.hpp"

#include "Form1Keys.hpp"
#include "Form2.hpp"

#include "surface/ClassicControls.hpp"
#include "surface/ClassicLook.hpp"
#include "surface/DecimalText.hpp"
#include "surface/DrawingSurface.hpp"
#include "surface/MakerNotice.hpp"
#include "surface/Twips.hpp"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace chain {

using surface::grey;
using surface::named;
using surface::red;
using surface::Rgb;

namespace {

constexpr double windowFraction = 0.97;

QFont boldFont()
{
    return surface::classicFont(9.75);
}

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// An indicator: red with "On", or grey with "Off".
void setIndicator(QWidget* indicator, bool on)
{
    surface::setBackColor(indicator, on ? red : grey);
    const QString caption = on ? QStringLiteral("On") : QStringLiteral("Off");
    if (auto* label = qobject_cast<QLabel*>(indicator)) {
        label->setText(caption);
    } else if (auto* box = qobject_cast<QLineEdit*>(indicator)) {
        box->setText(caption);
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
              const bool ran = program_.pass(*Picture1);
              showClock();
              return ran;
          },
          this)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(
        QStringLiteral("Schwingbahn  - Kugel-Feder-Kette (Torsionswellenleiter)    ") + surface::makerNotice());
    setFont(surface::windowFont());
    surface::setBackColor(this, surface::white);
    createControls();
    connectHandlers();
    installKeys(*this);
}

Form1::~Form1() = default;

void Form1::createControls()
{
    const Rgb light = surface::lightYellow;
    const QFont font = surface::windowFont();
    const QFont bold = boldFont();

    Picture1 = named(new surface::DrawingSurface(this), "Picture1");
    Picture1->setBackColor(light);
    Label3
        = named(surface::makeLabel(Picture1, QStringLiteral("Festes Ende "), {0, 0, 1575, 255}, font, light), "Label3");
    Label4
        = named(surface::makeLabel(Picture1, QStringLiteral("Loses Ende"), {0, 0, 1095, 255}, font, light), "Label4");
    Label5
        = named(surface::makeLabel(Picture1, QStringLiteral("Dämpfung on"), {0, 0, 1815, 375}, bold, light), "Label5");
    Label6 = named(
        surface::makeLabel(Picture1, QStringLiteral("Bewegung mit Maus"), {0, 0, 2295, 375}, bold, light), "Label6");
    Label7 = named(surface::makeLabel(Picture1, QStringLiteral("m = 1"), {0, 0, 615, 255}, font, light), "Label7");
    Label8 = named(surface::makeLabel(Picture1, QStringLiteral("m = 4"), {0, 0, 615, 375}, font, light), "Label8");
    Text1 = named(surface::makeTextBox(Picture1, QStringLiteral("Text1"), {0, 0, 615, 375}, font), "Text1");

    Frame3D1 = named(surface::makeFramedBox(this, QStringLiteral("Anregung am linken Ende"), bold), "Frame3D1");
    Frame3D3 = named(surface::makeFramedBox(this, QStringLiteral("Löschfunktionen"), bold), "Frame3D3");
    Frame3D5 = named(surface::makeFramedBox(this, QStringLiteral("   Uhr              Zeitablauf"), bold), "Frame3D5");
    Frame3D2 = named(surface::makeFramedBox(this, QStringLiteral("Dämpfung"), bold), "Frame3D2");
    Frame3D4 = named(surface::makeFramedBox(this, QStringLiteral("Brechung"), bold), "Frame3D4");
    Frame3D6 = named(surface::makeFramedBox(this, QStringLiteral("Hindernis"), bold), "Frame3D6");
    Frame3D7 = named(surface::makeFramedBox(this, QStringLiteral("Wellenträger"), bold), "Frame3D7");
    for (QGroupBox* box : {Frame3D1, Frame3D2, Frame3D3, Frame3D4, Frame3D5, Frame3D6, Frame3D7}) {
        surface::setBackColor(box, grey);
    }
    command6 = named(surface::makeButton(this, QStringLiteral("Info"), {0, 0, 0, 0}, bold), "command6");

    HScroll1 = named(surface::makeScrollBar(Frame3D1, {120, 240, 1935, 375}, {0, 20, 1, 1, 10}), "HScroll1");
    Text2 = named(surface::makeTextBox(Frame3D1, QStringLiteral("Text2"), {2160, 240, 615, 375}, font), "Text2");
    Label1
        = named(surface::makeLabel(Frame3D1, QStringLiteral("Amplitude"), {120, 600, 1695, 255}, bold, grey), "Label1");
    HScroll2 = named(surface::makeScrollBar(Frame3D1, {120, 840, 1935, 375}, {10, 600, 10, 100, 250}), "HScroll2");
    Text3 = named(surface::makeTextBox(Frame3D1, QStringLiteral("Text3"), {2160, 840, 495, 375}, font), "Text3");
    Label2
        = named(surface::makeLabel(Frame3D1, QStringLiteral("Periode"), {120, 1200, 1215, 255}, bold, grey), "Label2");
    Command7 = named(
        surface::makeButton(Frame3D1, QStringLiteral("Harmonisch On/Off"), {120, 1440, 2175, 375}, bold), "Command7");
    Text5 = named(surface::makeTextBox(Frame3D1, QStringLiteral("Text5"), {2160, 1440, 495, 375}, font), "Text5");
    Label13
        = named(surface::makeLabel(Frame3D1, QStringLiteral("Anregung von Hand:"), {120, 1920, 2535, 255}, bold, grey),
            "Label13");
    Label14 = named(
        surface::makeLabel(Frame3D1, QStringLiteral("Linke Maustaste drücken "), {120, 2160, 2535, 255}, bold, grey),
        "Label14");
    Label15 = named(
        surface::makeLabel(Frame3D1, QStringLiteral("und festes Ende ziehen"), {120, 2400, 2535, 255}, bold, grey),
        "Label15");
    for (QLineEdit* box : {Text2, Text3, Text5}) {
        surface::setBackColor(box, grey);
    }

    Command9 = named(surface::makeButton(Frame3D2, QStringLiteral("On/Off"), {120, 360, 1215, 375}, font), "Command9");
    Label9 = named(surface::makeLabel(Frame3D2, QStringLiteral("On"), {1440, 360, 375, 255}, font, red), "Label9");

    Command5 = named(surface::makeButton(Frame3D3, QStringLiteral("Löschen"), {120, 360, 1215, 375}, bold), "Command5");
    Command11 = named(surface::makeButton(Frame3D3, QStringLiteral("Halt"), {1440, 360, 1095, 375}, bold), "Command11");
    Command1
        = named(surface::makeButton(Frame3D3, QStringLiteral("v(i) = 0"), {120, 840, 1095, 375}, bold), "Command1");
    Command2
        = named(surface::makeButton(Frame3D3, QStringLiteral("y(i) = 0"), {1440, 840, 1095, 375}, bold), "Command2");

    Command3 = named(surface::makeButton(Frame3D4, QStringLiteral("On/Off"), {120, 360, 1215, 375}, font), "Command3");
    Label10 = named(surface::makeLabel(Frame3D4, QStringLiteral("Off"), {1440, 360, 375, 255}, font, grey), "Label10");

    Text4 = named(surface::makeTextBox(Frame3D5, QStringLiteral("    0"), {120, 360, 1095, 375}, font), "Text4");
    HScroll3 = named(surface::makeScrollBar(Frame3D5, {1440, 360, 1575, 375}, {1, 10, 1, 1, 10}), "HScroll3");
    Command8 = named(surface::makeButton(Frame3D5, QStringLiteral("Start"), {120, 840, 1095, 375}, bold), "Command8");
    Label11
        = named(surface::makeLabel(Frame3D5, QStringLiteral("langsam - schnell"), {1320, 960, 1815, 255}, bold, grey),
            "Label11");

    Command4 = named(surface::makeButton(Frame3D6, QStringLiteral("On/Off"), {120, 360, 1215, 375}, font), "Command4");
    Label12 = named(surface::makeLabel(Frame3D6, QStringLiteral("Off"), {1440, 360, 375, 255}, font, grey), "Label12");

    Option1
        = named(surface::makeOption(Frame3D7, QStringLiteral("Kugel-Feder-Kette"), {120, 240, 2175, 615}, bold, grey),
            "Option1");
    Option2 = named(
        surface::makeOption(Frame3D7, QStringLiteral("Pendelkette"), {120, 720, 1695, 735}, bold, grey), "Option2");
    Option1->setChecked(true);
}

void Form1::connectHandlers()
{
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
    connect(Command11, &QPushButton::clicked, this, &Form1::Command11_Click);
    connect(command6, &QPushButton::clicked, this, &Form1::command6_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form1::HScroll1_Change);
    connect(HScroll2, &QScrollBar::valueChanged, this, &Form1::HScroll2_Change);
    connect(HScroll3, &QScrollBar::valueChanged, this, &Form1::HScroll3_Change);
    connect(Option1, &QRadioButton::clicked, this, &Form1::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form1::Option2_Click);
    connect(Picture1, &surface::DrawingSurface::mouseDown, this, &Form1::Picture1_MouseDown);
    connect(Picture1, &surface::DrawingSurface::mouseMove, this, &Form1::Picture1_MouseMove);
    // A new backing image (the window manager resized the window) starts
    // blank; the chain is redrawn by the next pass, the markers here.
    connect(Picture1, &surface::DrawingSurface::backingReset, this, [this] {
        program_.redrawMarkers(*Picture1);
    });
}

void Form1::layOut()
{
    setOuterSize(windowFraction * screenTwips_.width(), windowFraction * screenTwips_.height());
    setScale({0, 0, 4000, 3000});

    place(Picture1, 0, 2, 4000, 2000);
    Picture1->setScale(chainScale);

    // Each box's Left is read back from a box already placed, with a gap of 20.
    constexpr double gap = 20;
    place(Frame3D1, 0, 2020, 1000, 980);
    const QRectF box1 = placeOf(Frame3D1);
    place(Frame3D3, box1.left() + box1.width() + gap, 2020, 1200, 480);
    place(Frame3D5, box1.left() + box1.width() + gap, 2520, 1200, 480);
    const QRectF box3 = placeOf(Frame3D3);
    place(Frame3D2, box3.left() + box3.width() + gap, 2020, 800, 320);
    const QRectF box2 = placeOf(Frame3D2);
    place(Frame3D4, box2.left(), 2340, 800, 320);
    place(Frame3D6, box2.left(), 2660, 800, 340);
    const QRectF box4 = placeOf(Frame3D4);
    place(Frame3D7, box4.left() + box4.width() + gap, 2250, 830, 850);
    place(command6, box4.left() + box4.width() + gap, 2020, 830, 200);

    Picture1->placeChild(Label3, 1, -2.8);
    Picture1->placeChild(Label4, 85, -2.8);
    Picture1->placeChild(Label5, 85, 2.5);
    Picture1->placeChild(Label6, 1, 2.4);
    Picture1->placeChild(Label7, 25, -2.8);
    Label7->hide();
    Picture1->placeChild(Label8, 75, -2.8);
    Label8->hide();
    Text1->hide();
}

void Form1::Form_Load()
{
    layOut();
    showAt(1, 1);
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
    if (const auto& clock = program_.view().clock) {
        Text4->setText(QStringLiteral("  ") + surface::decimalText(*clock));
    }
}

void Form1::showView()
{
    const ChainView& view = program_.view();
    Command11->setText(text(view.command11));
    Label6->setText(text(view.label6));
    Command8->setText(text(view.command8));

    setIndicator(Text5, view.harmonicOn);
    for (QLabel* hint : {Label13, Label14, Label15}) {
        hint->setVisible(!view.harmonicOn);
    }
    setIndicator(Label9, view.dampingOn);
    Label5->setText(view.dampingOn ? QStringLiteral("Dämpfung on") : QStringLiteral("Dämpfung off"));
    setIndicator(Label10, view.refractionOn);
    Label7->setVisible(view.refractionOn);
    Label8->setVisible(view.refractionOn);
    setIndicator(Label12, view.obstacleOn);

    (view.pendulum ? Option2 : Option1)->setChecked(true);
    if (!view.titleHead.empty()) {
        setWindowTitle(text(view.titleHead) + surface::makerNotice());
    }
    Text2->setText(surface::decimalText(view.amplitude));
    Text3->setText(surface::decimalText(view.period));
    showClock();

    if (view.tape.shown) {
        Picture1->placeChild(Text1, view.tape.left, view.tape.top);
        Text1->setText(surface::decimalText(view.tape.length));
    }
    Text1->setVisible(view.tape.shown);
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
    program_.setAmplitude(HScroll1->value());
    showView();
}

void Form1::HScroll2_Change()
{
    program_.setPeriod(HScroll2->value());
    showView();
}

void Form1::HScroll3_Change()
{
    program_.setSpeed(HScroll3->value());
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
