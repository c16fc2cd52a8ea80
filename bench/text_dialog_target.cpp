// The floor of a window with text: a dialog holding a label, a list and a
// button, built with the same Qt. The first font load is part of any window
// that shows text, so an empty dialog would be no honest floor.
#include "ShownReporter.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ShownReporter reporter;
    QDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Select Language")));
    auto *list = new QComboBox;
    list->addItems({QStringLiteral("English"), QStringLiteral("Deutsch")});
    layout->addWidget(list);
    layout->addWidget(new QPushButton(QStringLiteral("Camera Setup")));
    dialog.show();
    return app.exec();
}
