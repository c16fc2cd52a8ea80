#include "shell/ui/AboutDialog.h"

#include "dialog/UiServices.h"
#include "i18n/ShellTexts.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace marrowby {

AboutDialog::AboutDialog(QWidget *parent)
    : FormWindow(parent)
{
    setObjectName(QStringLiteral("100"));
    setWindowTitle(qtText(i18n::shelltexts::AboutTitle));

    QLabel *icon = makeLabel(0, {});
    icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    QLabel *rights = makeLabel(0, qtText(i18n::shelltexts::RightsLine));
    QLabel *link = makeLabel(0, qtText(i18n::shelltexts::WebLink));
    QPushButton *ok = makeButton(1, qtText(i18n::shelltexts::AboutOk), true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(rights, 0, 1);
    layout->addWidget(link, 1, 1);
    layout->addWidget(ok, 0, 2, Qt::AlignTop);
    finishBuilding();
}

} // namespace marrowby
