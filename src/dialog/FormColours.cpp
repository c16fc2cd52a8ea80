#include "dialog/FormColours.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace marrowby {

namespace {

const QColor kFormBlue(111, 153, 224);
const QColor kWhite(255, 255, 255);

QPalette readOnlyEditPalette(const QPalette &standard)
{
    QPalette palette = standard;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, kFormBlue);
        palette.setColor(group, QPalette::Text, kWhite);
    }
    return palette;
}

QPalette editablePalette(const QPalette &standard)
{
    // Disabled edits look like read-only ones.
    QPalette palette = standard;
    palette.setColor(QPalette::Disabled, QPalette::Base, kFormBlue);
    palette.setColor(QPalette::Disabled, QPalette::Text, kWhite);
    return palette;
}

} // namespace

void applyFormColours(QWidget *window)
{
    const QPalette standard = QApplication::palette(window);
    QPalette blue = standard;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        blue.setColor(group, QPalette::Window, kFormBlue);
        blue.setColor(group, QPalette::WindowText, kWhite);
    }
    window->setAutoFillBackground(true);
    window->setPalette(blue);

    for (QWidget *child : window->findChildren<QWidget *>()) {
        if (auto *edit = qobject_cast<QLineEdit *>(child))
            edit->setPalette(
                edit->isReadOnly() ? readOnlyEditPalette(standard) : editablePalette(standard));
        else if (qobject_cast<QComboBox *>(child) || qobject_cast<QAbstractButton *>(child))
            child->setPalette(standard); // lists and buttons keep the platform's look
    }
}

void setEditReadOnly(QLineEdit *edit, bool readOnly)
{
    edit->setReadOnly(readOnly);
    const QPalette standard = QApplication::palette(edit);
    edit->setPalette(readOnly ? readOnlyEditPalette(standard) : editablePalette(standard));
}

} // namespace marrowby
