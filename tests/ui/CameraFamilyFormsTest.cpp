#include "CameraFormFixture.h"

#include "camera/ui/K400CameraForm.h"
#include "camera/ui/K600CameraForm.h"
#include "camera/ui/K800CameraForm.h"
#include "camera/ui/StandardCameraForm.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/WindowLoop.h"

using namespace marrowby;
using namespace marrowby::test;

namespace {

class CameraFamilyForms : public CameraFormFixture { };

template <typename Form> bool opened(QDialog *window)
{
    return qobject_cast<Form *>(window) != nullptr;
}

template <typename Form> std::unique_ptr<QDialog> make(const FormContext &context)
{
    return std::make_unique<Form>(context);
}

} // namespace

TEST_F(CameraFamilyForms, CameraSetupOpensEachModelsFamilyForm)
{
    struct Row {
        int model;
        bool (*isFamily)(QDialog *);
        const char *title;
    };
    const Row rows[] = {
        {2, opened<K600CameraForm>, "Marrowby K600"},
        {4, opened<K600CameraForm>, "Marrowby K600"},
        {6, opened<K400CameraForm>, "Marrowby K400"},
        {7, opened<K600CameraForm>, "Marrowby K700"},
        {8, opened<K800CameraForm>, "Marrowby K800"},
        {9, opened<K400CameraForm>, "Marrowby K410"},
        {10, opened<K600CameraForm>, "Marrowby K810"},
        {18, opened<K600CameraForm>, "Marrowby K600 PLUS"},
        {19, opened<K600CameraForm>, "Marrowby K600 PLUS"},
        {3, opened<StandardCameraForm>, "Marrowby K200"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.model);
        setModel(row.model);
        WindowLoop loop;
        loop.start();
        press(loop.currentWindow(), 1000); // Camera Setup
        QDialog *form = loop.currentWindow();
        ASSERT_NE(form, nullptr);
        EXPECT_TRUE(row.isFamily(form));
        EXPECT_EQ(form->windowTitle(), row.title);
        press(form, 2); // Exit: back to a fresh main window
        EXPECT_NE(qobject_cast<MainWindow *>(loop.currentWindow()), nullptr);
        loop.currentWindow()->reject();
    }
}

// Each family has its own wording: the K600 and K800 say "Configuration file is
// generated" and have no leading space in the Chinese factory message.
TEST_F(CameraFamilyForms, MessagesPerFamilyAndLanguage)
{
    struct Row {
        int model;
        std::unique_ptr<QDialog> (*make)(const FormContext &);
        const char *generatedEnglish;
        const char *generatedChinese;
        const char *factoryChinese;
    };
    const Row rows[] = {
        {4, make<K600CameraForm>, "Configuration file is generated", "相机菜单设置文件已经生成",
            "相机菜单出厂设置文件已经生成"},
        {6, make<K400CameraForm>, "Camera menu configuration file is generated",
            "相机菜单设置文件已经生成", " 相机菜单出厂设置文件已经生成"},
        {8, make<K800CameraForm>, "Configuration file is generated", "相机菜单设置文件已经生成",
            "相机菜单出厂设置文件已经生成"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.model);
        for (const int language : {1, 3}) {
            appState() = AppState{};
            appState().LanguageIndex = language;
            appState().ChineseSystem = language == 1;
            setModel(row.model);
            auto form = row.make(context());
            FolderChooser::setNextAnswer(QString::fromStdString(folder.str()));
            press(form.get(), 1057);
            boxTexts();
            press(form.get(), 1);
            press(form.get(), 1062);
            if (language == 1) {
                EXPECT_EQ(boxTexts(),
                    (QStringList{QString::fromUtf8(row.generatedChinese),
                        QString::fromUtf8(row.factoryChinese)}));
            } else {
                EXPECT_EQ(boxTexts(),
                    (QStringList{row.generatedEnglish,
                        "Camera menu factory settings file has been generated"}));
                EXPECT_EQ(find<QPushButton>(form.get(), 2)->text(), "Beenden");
            }
        }
    }
}

// The K400 and K800 keep the interval on Default but put its unit back on
// "Minute"; a kept 0 seconds would become 0 minutes, which the form never
// accepts, so the unit's own rule turns it into 1.
TEST_F(CameraFamilyForms, DefaultNeverLeavesAnIntervalOfZeroMinutes)
{
    struct Row {
        int model;
        std::unique_ptr<QDialog> (*make)(const FormContext &);
    };
    for (const Row &row : {Row{6, make<K400CameraForm>}, Row{8, make<K800CameraForm>}}) {
        SCOPED_TRACE(row.model);
        setModel(row.model);
        auto form = row.make(context());
        FolderChooser::setNextAnswer(QString::fromStdString(folder.str()));
        press(form.get(), 1057);
        perform(form.get(), {choose(1029, 0), typing(1003, "0")});
        press(form.get(), 1062);
        EXPECT_EQ(find<QComboBox>(form.get(), 1029)->currentIndex(), 1);
        EXPECT_EQ(find<QLineEdit>(form.get(), 1003)->text(), "1");
        press(form.get(), 1);
        EXPECT_EQ(writtenMenu()[6], 1);
    }
}
