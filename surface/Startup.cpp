#include "Startup.hpp"

#include "ZoomedStyle.hpp"

#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace surface {

namespace {

QtMessageHandler toolkitHandler = nullptr;
const char* programName = "";

// The toolkit ends the program with an abort when it finds no display; its
// own reason is printed first, then what to do about it.
void startupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    toolkitHandler(type, context, message);
    if (type == QtFatalMsg) {
        std::fprintf(stderr,
            "%s: Keine grafische Anzeige gefunden. Das Programm braucht einen Bildschirm (X11 oder Wayland);\n"
            "%s: ohne Bildschirm startet es in einer virtuellen Anzeige mit:  xvfb-run %s\n",
            programName, programName, programName);
        std::_Exit(1);
    }
}

QtMessageHandler watchStartup(const char* program)
{
    programName = program;
    toolkitHandler = qInstallMessageHandler(startupMessages);
    return toolkitHandler;
}

} // namespace

bool installToolkitGerman()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

Startup::Startup(int& argc, char** argv, const char* program, const char* desktopId)
    : toolkitHandler_(watchStartup(program))
    , app_(argc, argv)
{
    qInstallMessageHandler(toolkitHandler_);
    QApplication::setStyle(new ZoomedStyle);
    QApplication::setApplicationName(QString::fromLatin1(program));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(desktopId));
    installToolkitGerman();
}

Startup::~Startup() = default;

} // namespace surface
