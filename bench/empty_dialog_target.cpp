// The baseline: an empty dialog built with the same Qt.
#include "ShownReporter.h"

#include <QApplication>
#include <QDialog>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ShownReporter reporter;
    QDialog dialog;
    dialog.show();
    return app.exec();
}
