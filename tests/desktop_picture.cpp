// The desktop window's picture after a fixed sequence, as PNG, for the
// browser edition to match pixel for pixel:
//   desktop_picture kettlab|paarlab WIDTH HEIGHT OUT.png
// The window is laid out for a screen of WIDTH x HEIGHT at the zoom that fits
// it. KETTLAB: halt, harmonic excitation on, 50 single steps. PAARLAB: halt,
// a drag on the hand field (at the points handDrive gives), 50 single steps.
#include "FormDriver.hpp"

#include "desktop/kettlab/Form1.hpp"
#include "desktop/paarlab/Form1.hpp"

#include "desktop/Twips.hpp"
#include "desktop/Zoom.hpp"

#include <QApplication>

#include <cstdio>
#include <memory>
#include <string_view>

namespace {

constexpr int steps = 50;

// The hand field's drag in its logical pixels: down in the middle, up to a
// fifth of the height, down to four fifths, released at a third.
void handDrive(desktop::DrawingSurface* field)
{
    // Whole pixels, as the page's test gives them.
    const int x = field->width() / 2;
    const int h = field->height();
    const int down = h / 2;
    const int high = h / 5;
    const int low = 4 * h / 5;
    const int up = h / 3;
    formDriver::sendMouse(field, QEvent::MouseButtonPress, QPoint(x, down), Qt::LeftButton, Qt::LeftButton);
    formDriver::sendMouse(field, QEvent::MouseMove, QPoint(x, high), Qt::NoButton, Qt::LeftButton);
    formDriver::sendMouse(field, QEvent::MouseMove, QPoint(x, low), Qt::NoButton, Qt::LeftButton);
    formDriver::sendMouse(field, QEvent::MouseButtonRelease, QPoint(x, up), Qt::LeftButton, Qt::NoButton);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "desktop_picture kettlab|paarlab WIDTH HEIGHT OUT.png\n");
        return 2;
    }
    const QApplication app(argc, argv);
    const QSize screen(std::atoi(argv[2]), std::atoi(argv[3]));
    core::zoom::setFactor(desktop::zoom::fitting(screen.width(), screen.height()));
    const QSizeF twips(desktop::twips::fromPixels(screen.width()), desktop::twips::fromPixels(screen.height()));
    std::unique_ptr<desktop::ProgramWindow> form;
    if (std::string_view(argv[1]) == "kettlab") {
        form = std::make_unique<chain::Form1>(twips);
    } else {
        form = std::make_unique<wavepair::Form1>(twips);
    }
    // A page has no window frame; without one the client area is the window's size there too.
    form->setWindowFlag(Qt::FramelessWindowHint);
    form->Form_Load();
    formDriver::click(*form, "Command11");
    if (std::string_view(argv[1]) == "kettlab") {
        formDriver::click(*form, "Command7");
    } else {
        handDrive(formDriver::control<desktop::DrawingSurface>(*form, "Picture3"));
    }
    for (int k = 0; k < steps; ++k) {
        form->singleStep();
    }
    const auto* picture = formDriver::control<desktop::DrawingSurface>(*form, "Picture1");
    return picture->image().save(QString::fromLocal8Bit(argv[4]), "png") ? 0 : 1;
}
