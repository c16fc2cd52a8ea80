#include "app/StartUp.h"
#include "dialog/UiServices.h"
#include "platform/PlatformPreferenceStore.h"
#include "platform/SystemLanguage.h"
#include "shell/ui/WindowLoop.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(marrowby);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marrowby"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/marrowby/icon.png")));
    // Between a main window and its form no window is on screen for a moment;
    // the window loop says when the program ends.
    QApplication::setQuitOnLastWindowClosed(false);

    auto store = marrowby::makePlatformPreferenceStore();
    marrowby::Preferences::setStore(store.get());
    marrowby::appState() = marrowby::startUp(*store, marrowby::systemLanguageId());

    marrowby::WindowLoop loop;
    QObject::connect(
        &loop, &marrowby::WindowLoop::finished, &app, &QApplication::quit, Qt::QueuedConnection);
    loop.start();
    return app.exec();
}
