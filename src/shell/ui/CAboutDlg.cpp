#include "shell/ui/CAboutDlg.h"

#include "dialog/UiServices.h"
#include "i18n/ShellTexts.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace marrowby {

CAboutDlg::CAboutDlg(QWidget *parent)
    : FormWindow(parent)
{
    setObjectName(QStringLiteral("100"));
    setWindowTitle(qtText(i18n::shelltexts::AboutTitle));

    auto *icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    auto *rights = new QLabel(qtText(i18n::shelltexts::RightsLine), this);
    auto *link = new QLabel(qtText(i18n::shelltexts::WebLink), this);
    auto *ok = new QPushButton(qtText(i18n::shelltexts::AboutOk), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(rights, 0, 1);
    layout->addWidget(link, 1, 1);
    layout->addWidget(ok, 0, 2, Qt::AlignTop);
    finishBuilding();
}

} // namespace marrowby
