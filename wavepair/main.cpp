#include "Form1.hpp"

#include "surface/Zoom.hpp"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    const auto zoom = surface::zoom::fromCommandLine(argc, argv, "paarlab");
    QApplication app(argc, argv);
    surface::zoom::apply(zoom);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("paarlab"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.wellenlabor.paarlab"));
    wavepair::Form1 form;
    form.Form_Load();
    return QApplication::exec();
}
