#include "UiTestSupport.h"

#include "camera/ui/StandardCameraForm.h"
#include "catalogue/ModelCatalogue.h"
#include "shell/ui/FormFactory.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/WindowLoop.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace marrowby;
using namespace marrowby::test;

class MainWindowTest : public UiTest { };

TEST_F(MainWindowTest, ChineseOnANonChineseSystemGoesToTheCameraOnly)
{
    MainWindow window;
    auto *languages = find<QComboBox>(&window, 1080);
    EXPECT_EQ(languages->count(), 15);
    EXPECT_EQ(languages->itemText(0), "Chinese");
    EXPECT_EQ(languages->currentIndex(), 1);

    pick(languages, 0);
    EXPECT_EQ(appState().LanguageIndex, 2);
    EXPECT_TRUE(appState().ChineseCameraLanguage);
    EXPECT_EQ(appState().cameraLanguageByte(), 1);
    EXPECT_EQ(store.numbers["language"], 1u);
    EXPECT_EQ(languages->currentIndex(), 0);
    EXPECT_EQ(find<QPushButton>(&window, 1000)->text(), "Camera Setup");

    // A fresh window shows the same choice.
    MainWindow again;
    EXPECT_EQ(find<QComboBox>(&again, 1080)->currentIndex(), 0);
}

TEST_F(MainWindowTest, ChineseSystemShowsChinese)
{
    appState().ChineseSystem = true;
    MainWindow window;
    auto *languages = find<QComboBox>(&window, 1080);
    EXPECT_EQ(languages->itemText(0), QString::fromUtf8("中文"));
    pick(languages, 0);
    EXPECT_EQ(appState().LanguageIndex, 1);
    EXPECT_EQ(find<QPushButton>(&window, 1000)->text(), QString::fromUtf8("相机设置"));
    EXPECT_EQ(find<QLabel>(&window, 1077)->text(), QString::fromUtf8("程序版本: 1.3.1.127"));
    EXPECT_EQ(store.numbers["language"], 1u);
}

TEST_F(MainWindowTest, GermanCaptionsAndVersionLabel)
{
    MainWindow window;
    pick(find<QComboBox>(&window, 1080), 2);
    EXPECT_EQ(appState().LanguageIndex, 3);
    EXPECT_FALSE(appState().ChineseCameraLanguage);
    EXPECT_EQ(store.numbers["language"], 3u);
    EXPECT_EQ(find<QLabel>(&window, 1077)->text(), "Programmversion : 1.3.1.127");
    EXPECT_EQ(find<QPushButton>(&window, 1000)->text(), "Kamera Installation");
    EXPECT_EQ(find<QLabel>(&window, 1078)->text(), QString::fromUtf8("Sprache auswählen"));
    EXPECT_EQ(find<QComboBox>(&window, 1080)->itemText(2), "Deutsch");
}

TEST_F(MainWindowTest, ModelChoiceIsStoredAndSetsTheButtons)
{
    MainWindow window;
    auto *models = find<QComboBox>(&window, 1081);
    ASSERT_EQ(models->count(), 19);
    EXPECT_EQ(models->itemText(16), "Marrowby K410MG-1080P");

    struct Case {
        int model;
        bool mms;
        bool smtp;
    };
    for (const Case c : {Case{11, false, false}, Case{18, true, false}, Case{4, true, true}}) {
        pick(models, c.model - 1);
        EXPECT_EQ(appState().ModelIndex, c.model);
        EXPECT_EQ(store.numbers["model"], static_cast<std::uint32_t>(c.model));
        EXPECT_TRUE(find<QPushButton>(&window, 1000)->isEnabled());
        EXPECT_EQ(find<QPushButton>(&window, 1001)->isEnabled(), c.mms) << c.model;
        EXPECT_EQ(find<QPushButton>(&window, 1002)->isEnabled(), c.smtp) << c.model;
    }
}

TEST_F(MainWindowTest, ModelZeroSelectsNothingAndEnablesEverything)
{
    setModel(0);
    MainWindow window;
    EXPECT_EQ(find<QComboBox>(&window, 1081)->currentIndex(), -1);
    for (int id : {1000, 1001, 1002})
        EXPECT_TRUE(find<QPushButton>(&window, id)->isEnabled()) << id;
}

TEST_F(MainWindowTest, LinkOpensTheDownloadPage)
{
    MainWindow window;
    find<QPushButton>(&window, 1076)->click();
    const QList<QUrl> opened = WebBrowser::takeRecorded();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.first().scheme(), "https");
    EXPECT_FALSE(window.requestedForm().has_value()) << "the main window stays open";
}

TEST_F(MainWindowTest, WayBackThroughTheStandardCameraForm)
{
    WindowLoop loop;
    QSignalSpy finished(&loop, &WindowLoop::finished);
    loop.start();
    auto *main = qobject_cast<MainWindow *>(loop.currentWindow());
    ASSERT_NE(main, nullptr);
    pick(find<QComboBox>(main, 1081), 2); // Marrowby K200MG
    pick(find<QComboBox>(main, 1080), 2); // Deutsch

    find<QPushButton>(main, 1000)->click();
    auto *form = qobject_cast<StandardCameraForm *>(loop.currentWindow());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), "Marrowby K200");
    EXPECT_EQ(find<QPushButton>(form, 2)->text(), "Beenden");

    find<QPushButton>(form, 2)->click(); // Exit
    auto *fresh = qobject_cast<MainWindow *>(loop.currentWindow());
    ASSERT_NE(fresh, nullptr);
    EXPECT_NE(fresh, main);
    EXPECT_EQ(find<QComboBox>(fresh, 1081)->currentIndex(), 2);
    EXPECT_EQ(find<QComboBox>(fresh, 1080)->currentIndex(), 2);
    EXPECT_EQ(finished.count(), 0);

    fresh->reject(); // the close box
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(loop.currentWindow(), nullptr);
}

TEST_F(MainWindowTest, EveryUsableButtonOfEveryModelOpensAForm)
{
    for (int model = 0; model <= kModelCount; ++model) {
        setModel(model);
        MainWindow window;
        const bool usable[]
            = {true, ModelCatalogue::mmsUsable(model), ModelCatalogue::smtpUsable(model)};
        for (int button = 0; button < 3; ++button) {
            auto *press = find<QPushButton>(&window, 1000 + button);
            EXPECT_EQ(press->isEnabled(), usable[button]) << model << " " << button;
            if (!usable[button])
                continue;
            const FormButton kind[] = {FormButton::Camera, FormButton::Mms, FormButton::Smtp};
            std::unique_ptr<QDialog> form(createForm(kind[button], formContext(appState())));
            EXPECT_NE(form, nullptr) << model << " " << button;
        }
    }
}

TEST_F(MainWindowTest, EnterOrEscapeOnTheMainWindowEndsTheProgram)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        WindowLoop loop;
        QSignalSpy finished(&loop, &WindowLoop::finished);
        loop.start();
        QDialog *main = loop.currentWindow();
        ASSERT_NE(main, nullptr);
        QTest::keyClick(find<QComboBox>(main, 1081), key);
        EXPECT_EQ(finished.count(), 1) << key;
        EXPECT_EQ(loop.currentWindow(), nullptr) << key;
    }
}

TEST_F(MainWindowTest, EnterOnAFocusedButtonPressesIt)
{
    WindowLoop loop;
    QSignalSpy finished(&loop, &WindowLoop::finished);
    loop.start();
    QDialog *main = loop.currentWindow();
    ASSERT_NE(main, nullptr);
    main->show();
    auto *camera = find<QPushButton>(main, 1000);
    camera->setFocus();
    QTest::keyClick(camera, Qt::Key_Return);
    EXPECT_EQ(finished.count(), 0) << "the program goes on";
    EXPECT_NE(qobject_cast<StandardCameraForm *>(loop.currentWindow()), nullptr);
}
