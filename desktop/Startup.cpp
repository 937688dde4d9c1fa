#include "Startup.hpp"

#include "ZoomedStyle.hpp"

#include <QLibraryInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace desktop {

namespace {

QtMessageHandler toolkitHandler = nullptr;
const char* programName = "";
// What the toolkit's warnings said before it gave up: platforms asked for
// (by -platform or QT_QPA_PLATFORM) that have no plugin, and whether a
// plugin that exists could not start, which is a missing display.
QStringList missingPlatforms;
bool platformFailed = false;

// The toolkit ends the program with an abort when it cannot start on a
// platform; its own reason is printed first, then in German what failed and
// what to do about it: a platform name without a plugin, or no display.
// The toolkit's texts are only read to tell the two apart; a text it words
// differently gives the message about the display, the usual case.
void startupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    toolkitHandler(type, context, message);
    static const QRegularExpression notFound(QStringLiteral("Could not find the Qt platform plugin \"([^\"]*)\""));
    if (const QRegularExpressionMatch found = notFound.match(message); found.hasMatch()) {
        missingPlatforms << found.captured(1);
    }
    platformFailed = platformFailed || message.contains(QStringLiteral("even though it was found"));
    if (type != QtFatalMsg) {
        return;
    }
    if (!missingPlatforms.isEmpty()) {
        static const QRegularExpression available(QStringLiteral("Available platform plugins are: ([^\n]*)\\."));
        const QString known = available.match(message).captured(1);
        std::fprintf(stderr,
            "%s: Die Plattform „%s“ gibt es nicht: Qt hat kein Plattform-Modul dieses Namens%s%s.\n"
            "%s: Ohne die Option -platform und die Variable QT_QPA_PLATFORM wählt das Programm die Plattform "
            "des Desktops.\n",
            programName, qPrintable(missingPlatforms.join(QStringLiteral("“, „"))),
            known.isEmpty() ? "" : "; vorhanden sind: ", qPrintable(known), programName);
    }
    if (missingPlatforms.isEmpty() || platformFailed) {
        std::fprintf(stderr,
            "%s: Keine grafische Anzeige gefunden. Das Programm braucht einen Bildschirm (X11 oder Wayland);\n"
            "%s: ohne Bildschirm startet es in einer virtuellen Anzeige mit:  xvfb-run %s\n",
            programName, programName, programName);
    }
    std::_Exit(1);
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

} // namespace desktop
