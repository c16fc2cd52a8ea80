// The program's own start-up up to its main window, with an in-memory store.
#include "ShownReporter.h"

#include "app/MemoryPreferenceStore.h"
#include "app/StartUp.h"
#include "dialog/UiServices.h"
#include "platform/SystemLanguage.h"
#include "shell/ui/WindowLoop.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    marrowby::MemoryPreferenceStore store;
    marrowby::Preferences::setStore(&store);
    marrowby::appState() = marrowby::startUp(store, marrowby::systemLanguageId());
    ShownReporter reporter;
    marrowby::WindowLoop loop;
    loop.start();
    return app.exec();
}
