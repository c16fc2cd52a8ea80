#include "UiTestSupport.h"

#include "../core/TempFolder.h"

#include "shell/ui/MainWindow.h"
#include "shell/ui/WindowLoop.h"
#include "smtp/SmtpFormVariant.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>

using namespace marrowby;
using namespace marrowby::test;

namespace {

using Kind = MessageBoxes::Kind;

constexpr int kStandardCamera = 1; // also has the standard MMS form
constexpr int kK600Model = 4;      // K600 SMTP form
constexpr int kK200Model = 3;      // K200 SMTP form

class CheckCard : public UiTest {
protected:
    // Opens the form a main-window button opens for the model and chooses the
    // test folder with Select.
    std::unique_ptr<QDialog> open(FormButton button, int model, int language = 2)
    {
        setModel(model);
        appState().LanguageIndex = language;
        std::unique_ptr<QDialog> form(createForm(button, context()));
        EXPECT_NE(form, nullptr);
        if (!form)
            return form;
        choose(form.get(), button, folder.path());
        // A folder already holding the form's file offers its settings (the
        // question answered No) or says why it cannot: not what these tests look at.
        MessageBoxes::takeRecorded();
        return form;
    }

    static void choose(QDialog *form, FormButton button, const std::filesystem::path &path)
    {
        FolderChooser::setNextAnswer(QString::fromStdString(path.string()));
        find<QPushButton>(form, button == FormButton::Smtp ? SmtpId::Select : 1057)->click();
    }

    // Generate, or another button that writes the form's file (Default).
    static void generate(QDialog *form, FormButton button, int buttonId = 0)
    {
        if (!buttonId)
            buttonId = button == FormButton::Smtp ? SmtpId::Generate : 1;
        find<QPushButton>(form, buttonId)->click();
        const auto shown = MessageBoxes::takeRecorded();
        ASSERT_EQ(shown.size(), 1);
        ASSERT_EQ(shown[0].kind, Kind::Notice) << shown[0].text.toStdString();
    }

    struct MenuSeen {
        bool opened = false;
        QStringList entries;
    };
    // Does what `openMenu` does; when a menu opens, notes its entries and picks
    // Check card in it from the keyboard (or closes it when there is none).
    static MenuSeen useMenu(const std::function<void()> &openMenu)
    {
        MenuSeen seen;
        QTimer::singleShot(0, [&seen] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            seen.opened = true;
            for (QAction *action : menu->actions())
                seen.entries << action->text();
            QAction *check = nullptr;
            for (QAction *action : menu->actions()) {
                if (action->objectName() == QStringLiteral("CheckCard"))
                    check = action;
            }
            if (check) {
                menu->setActiveAction(check);
                QTest::keyClick(menu, Qt::Key_Return);
            } else {
                QTest::keyClick(menu, Qt::Key_Escape);
            }
        });
        openMenu();
        QCoreApplication::processEvents(); // the timer has run when no menu opened
        return seen;
    }

    // Check card through Shift+F10 with the focus on the form's Exit button.
    static MessageBoxes::Shown checkCard(QDialog *form)
    {
        auto *exit = find<QPushButton>(form, 2);
        exit->setFocus();
        const MenuSeen seen
            = useMenu([&] { QTest::keyClick(exit, Qt::Key_F10, Qt::ShiftModifier); });
        EXPECT_TRUE(seen.opened);
        const auto shown = MessageBoxes::takeRecorded();
        EXPECT_EQ(shown.size(), 1);
        return shown.value(0, {Kind::Notice, QString()});
    }

    QString folderText() const { return QString::fromStdString(folder.str()); }

    TempFolder folder;
};

// The item is in every form's context menu, in the form's language, whether
// the menu is opened with the mouse on a label or with Shift+F10 on a button;
// an edit keeps its own editing menu.
TEST_F(CheckCard, EveryFormsContextMenuOffersIt)
{
    struct Case {
        FormButton button;
        int model;
    };
    const Case forms[] = {{FormButton::Camera, kStandardCamera}, {FormButton::Mms, kStandardCamera},
        {FormButton::Smtp, kK600Model}, {FormButton::Smtp, kK200Model}};
    for (const Case &c : forms) {
        SCOPED_TRACE(
            ::testing::Message() << "form " << static_cast<int>(c.button) << " model " << c.model);
        auto form = open(c.button, c.model, 3);
        ASSERT_NE(form, nullptr);

        auto *label = form->findChild<QLabel *>();
        ASSERT_NE(label, nullptr);
        const MenuSeen byMouse = useMenu([&] {
            const QPoint at = label->rect().center();
            QContextMenuEvent click(QContextMenuEvent::Mouse, at, label->mapToGlobal(at));
            QApplication::sendEvent(label, &click);
        });
        EXPECT_TRUE(byMouse.opened);
        EXPECT_EQ(byMouse.entries,
            (QStringList{QStringLiteral("Karte prüfen"), QStringLiteral("Von Karte laden"),
                QStringLiteral("Einstellungen speichern…"),
                QStringLiteral("Einstellungen öffnen…")}));
        const auto shown = MessageBoxes::takeRecorded();
        ASSERT_EQ(shown.size(), 1) << "picking the item checks the card";
        EXPECT_TRUE(shown[0].text.contains(folderText())) << shown[0].text.toStdString();

        checkCard(form.get());

        auto *edit = form->findChild<QLineEdit *>();
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        const MenuSeen inEdit
            = useMenu([&] { QTest::keyClick(edit, Qt::Key_F10, Qt::ShiftModifier); });
        EXPECT_TRUE(inEdit.opened);
        EXPECT_FALSE(inEdit.entries.contains(QStringLiteral("Karte prüfen")));
        EXPECT_TRUE(MessageBoxes::takeRecorded().isEmpty());
    }
}

// What each form writes reads back without findings: every camera family's
// settings and factory files, both MMS and both SMTP forms.
TEST_F(CheckCard, WhatEachFormWritesIsAllGood)
{
    struct Case {
        FormButton button;
        int model;
        QList<std::pair<int, QString>> typed; // edit id, text
        const char *file;
        int writeButton = 0; // Generate unless given
    };
    const QList<std::pair<int, QString>> mailbox = {{SmtpId::SmtpServer, "smtp.example.com"},
        {SmtpId::Port, "25"}, {SmtpId::SenderEmail, "camera@example.com"},
        {SmtpId::SenderPassword, "secret"}, {SmtpId::Email1, "me@example.org"}};
    constexpr int kDefault = 1062;
    const Case cases[] = {
        {FormButton::Camera, kStandardCamera, {}, "menu.dat"},
        {FormButton::Camera, kStandardCamera, {}, "menu.dat", kDefault},
        {FormButton::Camera, 2, {}, "menu.dat"}, // K600
        {FormButton::Camera, 2, {}, "menu.dat", kDefault},
        {FormButton::Camera, 6, {}, "menu.dat"}, // K400
        {FormButton::Camera, 6, {}, "menu.dat", kDefault},
        {FormButton::Camera, 8, {}, "menu.dat"}, // K800
        {FormButton::Camera, 8, {}, "menu.dat", kDefault},
        {FormButton::Camera, 11, {}, "menu.dat"}, // K500
        {FormButton::Camera, 11, {}, "menu.dat", kDefault},
        {FormButton::Camera, 14, {}, "menu.dat"}, // K100
        {FormButton::Camera, 14, {}, "menu.dat", kDefault},
        {FormButton::Mms, kStandardCamera, {{1006, "1234567"}}, "setup.dat"}, // phone 1
        {FormButton::Mms, kK600Model, {{1006, "1234567"}}, "setup.dat"},
        {FormButton::Smtp, kK600Model, mailbox, "smtp.dat"},
        {FormButton::Smtp, kK200Model, mailbox, "smtp.dat"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file + std::string(" of model ") + std::to_string(c.model)
            + (c.writeButton ? " (Default)" : ""));
        for (const std::string &name : folder.entries())
            std::filesystem::remove(folder.path() / name);
        auto form = open(c.button, c.model);
        for (const auto &[id, text] : c.typed)
            type(find<QLineEdit>(form.get(), id), text);
        generate(form.get(), c.button, c.writeButton);
        const auto shown = checkCard(form.get());
        EXPECT_EQ(shown.kind, Kind::Notice) << shown.text.toStdString();
        EXPECT_EQ(shown.text,
            QStringLiteral("All is well: the card files in %1 read back without findings.\n\n"
                           "%2: No findings")
                .arg(folderText(), QString::fromLatin1(c.file)));
    }
}

// A damaged file is named with its finding, in the form's language, and the
// rest of the card is still reported.
TEST_F(CheckCard, ADamagedFileIsReportedWithItsFinding)
{
    auto form = open(FormButton::Camera, kStandardCamera, 1);
    generate(form.get(), FormButton::Camera);
    writeFile(folder.path() / "SETUP.DAT", std::string(720, '\0'));
    std::vector<std::uint8_t> bytes = readFile(folder.path() / "menu.dat");
    ASSERT_EQ(bytes.size(), 60u);
    bytes[57] ^= 0x01; // the checksum's high byte
    writeFile(folder.path() / "menu.dat", std::string(bytes.begin(), bytes.end()));

    const auto shown = checkCard(form.get());
    EXPECT_EQ(shown.kind, Kind::Failure);
    const QStringList lines = shown.text.split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 4) << shown.text.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("%1 中的配置文件有问题：").arg(folderText()));
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines.filter(QStringLiteral("menu.dat：")), QStringList{lines[2]})
        << "only the checksum is wrong";
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("menu.dat：校验和错误：文件中为 0x")))
        << lines[2].toStdString();
    EXPECT_FALSE(lines.filter(QStringLiteral("SETUP.DAT：")).isEmpty())
        << "a file of zeros is not a setup.dat";

    // A value out of its range: named with the checksum it breaks, and nothing
    // vaguer beside them.
    bytes[1] = 9; // image size
    writeFile(folder.path() / "menu.dat", std::string(bytes.begin(), bytes.end()));
    const QStringList menuLines
        = checkCard(form.get()).text.split(QLatin1Char('\n')).filter(QStringLiteral("menu.dat："));
    ASSERT_EQ(menuLines.size(), 2) << menuLines.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(menuLines[0].contains(QStringLiteral("校验和错误")));
    EXPECT_TRUE(menuLines[1].endsWith(QStringLiteral("：值 9 不在 0 到 3 之间")))
        << menuLines[1].toStdString();
}

// In every other language the report is in that language's words too.
TEST_F(CheckCard, TheReportIsInTheFormsLanguage)
{
    struct Case {
        int language;
        const char *good; // %1 the folder
        const char *noFindings;
        const char *faulty;  // %1 the folder
        const char *badCrc;  // the start of the finding
        const char *missing; // %1 the folder
    };
    const Case cases[] = {
        {3, "Alles in Ordnung: Die Kartendateien in %1 wurden ohne Probleme gelesen.",
            "menu.dat: Keine Probleme gefunden", "Die Kartendateien in %1 weisen Probleme auf:",
            "menu.dat: Falsche Prüfsumme: In der Datei steht 0x", "Den Ordner %1 gibt es nicht"},
        {15, "Всё в порядке: файлы карты в %1 прочитаны без проблем.",
            "menu.dat: Проблем не обнаружено", "В файлах карты в %1 обнаружены проблемы:",
            "menu.dat: Неверная контрольная сумма: в файле 0x", "Папка %1 не существует"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.language);
        auto form = open(FormButton::Camera, kStandardCamera, c.language);
        generate(form.get(), FormButton::Camera);
        auto shown = checkCard(form.get());
        EXPECT_EQ(shown.kind, Kind::Notice);
        EXPECT_EQ(shown.text,
            QString::fromUtf8(c.good).arg(folderText()) + QStringLiteral("\n\n")
                + QString::fromUtf8(c.noFindings));

        std::vector<std::uint8_t> bytes = readFile(folder.path() / "menu.dat");
        ASSERT_EQ(bytes.size(), 60u);
        bytes[57] ^= 0x01; // the checksum's high byte
        writeFile(folder.path() / "menu.dat", std::string(bytes.begin(), bytes.end()));
        shown = checkCard(form.get());
        EXPECT_EQ(shown.kind, Kind::Failure);
        const QStringList lines = shown.text.split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 3) << shown.text.toStdString();
        EXPECT_EQ(lines[0], QString::fromUtf8(c.faulty).arg(folderText()));
        EXPECT_TRUE(lines[2].startsWith(QString::fromUtf8(c.badCrc))) << lines[2].toStdString();

        const std::filesystem::path missing = folder.path() / "missing";
        choose(form.get(), FormButton::Camera, missing);
        EXPECT_EQ(checkCard(form.get()).text,
            QString::fromUtf8(c.missing).arg(QString::fromStdString(missing.string())));
    }
}

// menu.dat is read for the form's camera family: a standard camera's file is
// not right for a K600 camera.
TEST_F(CheckCard, MenuDatIsReadForTheFormsModel)
{
    auto standard = open(FormButton::Camera, kStandardCamera);
    generate(standard.get(), FormButton::Camera);
    EXPECT_EQ(checkCard(standard.get()).kind, Kind::Notice);

    auto k600 = open(FormButton::Camera, 2);
    const auto shown = checkCard(k600.get());
    EXPECT_EQ(shown.kind, Kind::Failure);
    EXPECT_FALSE(shown.text.split(QLatin1Char('\n')).filter(QStringLiteral("menu.dat: ")).isEmpty())
        << shown.text.toStdString();
}

// A folder without card files, or none at all, says so instead of "all is well".
TEST_F(CheckCard, AFolderWithoutCardFilesSaysSo)
{
    writeFile(folder.path() / "notes.txt", "not a card file");
    auto form = open(FormButton::Camera, kStandardCamera);
    auto shown = checkCard(form.get());
    EXPECT_EQ(shown.kind, Kind::Failure);
    EXPECT_EQ(shown.text,
        QStringLiteral("The folder %1 holds no menu.dat, setup.dat or smtp.dat").arg(folderText()));

    const std::filesystem::path missing = folder.path() / "missing";
    choose(form.get(), FormButton::Camera, missing);
    shown = checkCard(form.get());
    EXPECT_EQ(shown.kind, Kind::Failure);
    EXPECT_EQ(shown.text,
        QStringLiteral("There is no folder %1").arg(QString::fromStdString(missing.string())));
}

// A form that goes away while its context menu is open (Escape reaches the
// form, the window loop ends it) takes the menu along: nothing is freed twice,
// and the main window comes back.
TEST_F(CheckCard, AFormEndedWhileItsMenuIsOpenTakesTheMenuAlong)
{
    struct Case {
        FormButton button;
        int buttonId; // on the main window
        int model;
    };
    const Case forms[] = {{FormButton::Smtp, 1002, kK600Model},
        {FormButton::Smtp, 1002, kK200Model}, {FormButton::Camera, 1000, kStandardCamera}};
    for (const Case &c : forms) {
        SCOPED_TRACE(c.model);
        setModel(c.model);
        WindowLoop loop;
        loop.start();
        find<QPushButton>(loop.currentWindow(), c.buttonId)->click();
        const QPointer<QDialog> form = loop.currentWindow();
        ASSERT_NE(form, nullptr);

        bool opened = false;
        QTimer::singleShot(0, [&opened, form] {
            opened = qobject_cast<QMenu *>(QApplication::activePopupWidget()) != nullptr;
            if (form)
                QTest::keyClick(form.data(), Qt::Key_Escape);
            // The window loop's deleteLater, carried out while the menu is open.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_TRUE(form.isNull());
        });
        // Should the menu stay open after all, close it rather than hang.
        QTimer::singleShot(2000, [] {
            if (QWidget *popup = QApplication::activePopupWidget())
                popup->close();
        });
        auto *exit = find<QPushButton>(form.data(), 2);
        exit->setFocus();
        QTest::keyClick(exit, Qt::Key_F10, Qt::ShiftModifier);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        EXPECT_TRUE(opened);
        EXPECT_TRUE(form.isNull());
        EXPECT_NE(qobject_cast<MainWindow *>(loop.currentWindow()), nullptr);
        EXPECT_TRUE(MessageBoxes::takeRecorded().isEmpty());
        if (loop.currentWindow())
            loop.currentWindow()->reject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace
