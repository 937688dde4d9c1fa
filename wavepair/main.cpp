#include "Form1.hpp"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("paarlab"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.wellenlabor.paarlab"));
    wavepair::Form1 form;
    form.Form_Load();
    return QApplication::exec();
}
