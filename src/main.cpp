#include "app/StartUp.h"
#include "dialog/FormStyle.h"
#include "dialog/QtTranslations.h"
#include "dialog/UiServices.h"
#include "platform/PlatformPreferenceStore.h"
#include "platform/SystemLanguage.h"
#include "shell/ui/WindowLoop.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QIcon>

namespace {

void describeCommandLine(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Writes the settings files of Marrowby trail cameras (menu.dat, setup.dat, smtp.dat)."));
    parser.addHelpOption();
    parser.addVersionOption();
}

void setApplicationIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("Marrowby"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MARROWBY_VERSION));
}

// --help and --version are answered before the window system is needed, so they
// work without a display; both end the program.
void answerCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    describeCommandLine(parser);
    parser.parse(arguments);
    const bool help
        = parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"));
    if (!help && !parser.isSet(QStringLiteral("version")))
        return;
    QCoreApplication probe(argc, argv);
    setApplicationIdentity();
    if (parser.isSet(QStringLiteral("help-all")))
        parser.process({arguments.first(), QStringLiteral("--help-all")}); // with Qt's own options
    if (help)
        parser.showHelp(0);
    parser.showVersion();
}

} // namespace

int main(int argc, char *argv[])
{
    answerCommandLine(argc, argv);

    Q_INIT_RESOURCE(marrowby);
    QApplication app(argc, argv);
    setApplicationIdentity();
    QApplication::setDesktopFileName(QStringLiteral(MARROWBY_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/marrowby/icon.png")));
    // Between a main window and its form no window is on screen for a moment;
    // the window loop says when the program ends.
    QApplication::setQuitOnLastWindowClosed(false);
    marrowby::installFormStyle();
    {
        // Unknown options are reported (the window system's own are taken out
        // by the application object).
        QCommandLineParser parser;
        describeCommandLine(parser);
        parser.process(app);
    }

    auto store = marrowby::makePlatformPreferenceStore();
    marrowby::Preferences::setStore(store.get());
    marrowby::appState() = marrowby::startUp(*store, marrowby::systemLanguageId());
    marrowby::QtTranslations::use(marrowby::appState().LanguageIndex);

    // The services every form is handed.
    marrowby::DesktopServices services(store.get());
    marrowby::WindowLoop loop(&services);
    QObject::connect(
        &loop, &marrowby::WindowLoop::finished, &app, &QApplication::quit, Qt::QueuedConnection);
    loop.start();
    return app.exec();
}
