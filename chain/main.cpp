#include "Form1.hpp"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("kettlab"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.wellenlabor.kettlab"));
    chain::Form1 form;
    form.Form_Load();
    return QApplication::exec();
}
