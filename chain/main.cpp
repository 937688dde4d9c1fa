#include "Form1.hpp"

#include "surface/Zoom.hpp"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    const auto zoom = surface::zoom::fromCommandLine(argc, argv, "kettlab");
    QApplication app(argc, argv);
    surface::zoom::apply(zoom);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("kettlab"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.wellenlabor.kettlab"));
    chain::Form1 form;
    form.Form_Load();
    return QApplication::exec();
}
