#pragma once

#include "app/AppState.h"
#include "app/MemoryPreferenceStore.h"
#include "camera/CameraSettings.h"
#include "dialog/UiServices.h"
#include "shell/ui/FormFactory.h"

#include <QComboBox>
#include <QDateTime>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <optional>

namespace marrowby::test {

// Every window test starts from a known state: English UI on an English system,
// a fixed clock, an in-memory preference store, and message boxes, the folder
// chooser and the browser replaced by recorders.
class UiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        store.keyExists = true;
        store.numbers = {{"language", 2}, {"model", 1}, {"TvMode", 0}};
        Preferences::setStore(&store);
        appState() = AppState{};
        cameraState() = CameraState{};
        seams.emplace(QDateTime(QDate(2024, 3, 9), QTime(14, 5, 7)));
    }
    void TearDown() override
    {
        seams.reset();
        Preferences::setStore(nullptr);
    }

    void setModel(int model)
    {
        appState().ModelIndex = model;
        store.numbers["model"] = static_cast<std::uint32_t>(model);
    }

    // What the form factory would hand a form now.
    static FormContext context() { return formContext(appState()); }

    MemoryPreferenceStore store;
    // Recorded boxes and browser, the fixed clock; all undone when the test ends.
    std::optional<DesktopSeams> seams;
};

template <typename T> T *find(const QWidget *window, int id)
{
    T *widget = window->findChild<T *>(QString::number(id));
    EXPECT_NE(widget, nullptr) << "control " << id;
    return widget;
}

// What the user does: a selection in a list, text typed into an edit.
inline void pick(QComboBox *list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// Typing goes key by key through the edit's own rules (digits only, maximum
// length, read-only), replacing what the edit shows; an empty text deletes it.
inline void type(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else
        QTest::keyClicks(edit, text);
}

inline QStringList entries(const QComboBox *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

} // namespace marrowby::test
