#include "app/StartUp.h"
#include "platform/PlatformPreferenceStore.h"
#include "platform/SystemLanguage.h"

#include <QApplication>
#include <QDialog>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marrowby"));

    auto store = marrowby::makePlatformPreferenceStore();
    marrowby::appState() = marrowby::startUp(*store, marrowby::systemLanguageId());

    QDialog window;
    window.setWindowTitle(QStringLiteral("Marrowby"));
    window.resize(480, 240);
    window.show();
    return app.exec();
}
