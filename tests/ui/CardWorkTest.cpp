#include "CameraFormFixture.h"

#include "camera/ui/CameraFormEngine.h"
#include "cardfiles/CardLoad.h"
#include "dialog/FormBase.h"
#include "mms/MmsFormValues.h"
#include "mms/MmsRecordFile.h"
#include "mms/ui/MmsFormEngine.h"
#include "operators/CountryOperatorLists.h"
#include "platform/Volumes.h"
#include "smtp/SmtpFormVariant.h"
#include "smtp/SmtpRecordFile.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

#ifndef _WIN32
#include <unistd.h>
#endif

using namespace marrowby;
using namespace marrowby::test;

namespace {

using Kind = MessageBoxes::Kind;

struct Ids {
    int select;
    int folder;
    int generate;
    const char *file;
};

Ids idsOf(FormButton button)
{
    switch (button) {
    case FormButton::Camera:
        return {CameraId::Select, CameraId::Folder, CameraId::Generate, "menu.dat"};
    case FormButton::Mms:
        return {MmsId::Select, mmsEditId(MmsEdit::Folder), MmsId::Generate, "setup.dat"};
    case FormButton::Smtp:
        return {SmtpId::Select, SmtpId::Folder, SmtpId::Generate, "smtp.dat"};
    }
    return {};
}

// The test folder plays the card: a volume the seam lists, beside the
// computer's own disk.
class CardWork : public CameraFormFixture {
protected:
    void TearDown() override
    {
        volumes.reset();
        CameraFormFixture::TearDown();
    }

    // The card's top folder as the file system names it.
    QString cardRoot() const
    {
        return QDir::toNativeSeparators(
            QFileInfo(QString::fromStdString(folder.str())).canonicalFilePath());
    }

    void mountCard(const char *fileSystem = "vfat", bool readOnly = false, bool removable = true)
    {
        volumes.reset();
        volumes.emplace(std::vector<VolumeInfo>{
            {cardRoot().toStdString(), fileSystem, readOnly, removable, "CARD"},
            {"/", "ext4", false, false, ""},
        });
    }

    // The form a main-window button opens for the model, as the factory makes it.
    std::unique_ptr<FormBase> make(FormButton button, int model, int language = 2)
    {
        setModel(model);
        appState().LanguageIndex = language;
        std::unique_ptr<FormBase> form(qobject_cast<FormBase *>(createForm(button, context())));
        EXPECT_NE(form, nullptr);
        return form;
    }

    // Shows the form; the offer made once it is on the screen has run.
    static void showWindow(QWidget *form)
    {
        form->show();
        QCoreApplication::processEvents();
    }

    static void choose(FormBase *form, FormButton button, const QString &path)
    {
        FolderChooser::setNextAnswer(path);
        find<QPushButton>(form, idsOf(button).select)->click();
    }

    static void generate(FormBase *form, FormButton button)
    {
        find<QPushButton>(form, idsOf(button).generate)->click();
    }

    static QString shownFolder(FormBase *form, FormButton button)
    {
        return find<QLineEdit>(form, idsOf(button).folder)->text();
    }

    static QAction *loadAction(FormBase *form)
    {
        return form->findChild<QAction *>(QStringLiteral("loadFromCard"));
    }

    std::vector<std::uint8_t> cardFile(FormButton button) const
    {
        return readFile(folder.path() / idsOf(button).file);
    }

    void removeCardFiles() const
    {
        for (const char *name : {"menu.dat", "setup.dat", "smtp.dat"})
            std::filesystem::remove(folder.path() / name);
    }

    // Settings → Generate on one form → a new form opened on the card offers
    // them → Yes → Generate writes the same bytes.
    void roundTrip(FormButton button, int model, const FileSettings &settings)
    {
        removeCardFiles();
        mountCard();
        std::vector<std::uint8_t> first;
        {
            auto form = make(button, model);
            ASSERT_NE(form, nullptr);
            EXPECT_EQ(shownFolder(form.get(), button), cardRoot()) << "opened on the one card";
            form->showFileSettings(settings);
            boxes();
            generate(form.get(), button);
            const auto shown = boxes();
            ASSERT_EQ(shown.size(), 1);
            EXPECT_EQ(shown[0].kind, Kind::Notice) << shown[0].text.toStdString();
            first = cardFile(button);
            ASSERT_FALSE(first.empty());
        }
        auto form = make(button, model);
        MessageBoxes::setNextAnswer(true);
        showWindow(form.get());
        auto shown = boxes();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].kind, Kind::Question);
        EXPECT_TRUE(shown[0].text.contains(QLatin1String(idsOf(button).file)))
            << shown[0].text.toStdString();
        std::filesystem::remove(folder.path() / idsOf(button).file);
        generate(form.get(), button);
        shown = boxes();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].kind, Kind::Notice) << shown[0].text.toStdString();
        EXPECT_EQ(cardFile(button), first);
    }

    std::optional<VolumeSeam> volumes;
};

// What a form shows, as Generate would write it (nothing when its checks refuse).
struct Showing {
    std::optional<FileSettings> settings;
    bool operator==(const Showing &other) const
    {
        const auto &a = settings;
        const auto &b = other.settings;
        if (!a || !b)
            return a.has_value() == b.has_value();
        return a->camera == b->camera && a->extras == b->extras && a->mms == b->mms
            && a->smtp == b->smtp;
    }
};

Showing showing(FormBase *form)
{
    return {form->checkedSettings()};
}

// MMS in Auto mode with a United Kingdom operator, as the MMS checks accept it.
MmsSettings mmsAuto()
{
    MmsSettings automatic;
    automatic.sendCode = 2;
    automatic.sendPosition = 2;
    automatic.countryPosition = 3;
    automatic.operatorPosition = 2;
    automatic.international = true;
    automatic.smsRemoteControl = 6;
    automatic.picturesPerDay = 42;
    automatic.phone1 = "+447700900123";
    automatic.email = "me@example.org";
    loadMmsPreset(automatic);
    return automatic;
}

FileSettings menuSettings(int model, const CameraSettings &camera, const MenuExtras &extras)
{
    FileSettings file;
    file.kind = inspect::FileKind::Menu;
    file.model = model;
    file.camera = camera;
    file.extras = extras;
    return file;
}

FileSettings setupSettings(int model, const MmsSettings &mms)
{
    FileSettings file;
    file.kind = inspect::FileKind::Setup;
    file.model = model;
    file.mms = mms;
    return file;
}

FileSettings smtpSettings(int model, const SmtpSettings &smtp)
{
    FileSettings file;
    file.kind = inspect::FileKind::Smtp;
    file.model = model;
    file.smtp = smtp;
    return file;
}

} // namespace

// Every camera family, each over a table of settings: what the card holds is
// what the form writes again.
TEST_F(CardWork, CameraFilesComeBackByteForByte)
{
    struct Family {
        const char *name;
        int model;
        std::function<void(Shown &)> fit;
    };
    const std::vector<Family> families{
        {"standard", 1, {}},
        {"standard 1080P", 15, [](Shown &row) { row.settings.VideoSize = 3; }},
        {"K100", 14, {}},
        {"K400", 6, {}},
        {"K500", 13,
            [](Shown &row) {
                row.settings.ImageSize = 3;
                row.settings.VideoSize = 3;
            }},
        {"K600", 4, {}},
        {"K800", 8, {}},
    };
    for (const Family &family : families) {
        for (Shown row : {everythingOn(), everythingOff()}) {
            SCOPED_TRACE(std::string(family.name) + ", " + row.name);
            if (family.fit)
                family.fit(row);
            roundTrip(FormButton::Camera, family.model,
                menuSettings(family.model, row.settings, row.extras));
        }
    }
}

// MMS in Auto mode (the preset stays out of the edits) and Manual mode, on
// both MMS forms; SMTP in both modes on both SMTP forms.
TEST_F(CardWork, MmsAndSmtpFilesComeBackByteForByte)
{
    const MmsSettings automatic = mmsAuto();
    MmsSettings manual;
    manual.sendCode = 1;
    manual.sendPosition = 1;
    manual.autoMode = false;
    manual.smsRemoteControl = kSmsRemoteControlOff;
    manual.connectionType = 1;
    manual.url = "http://mms.example.net";
    manual.apn = "csd";
    manual.gateway = "10.0.0.172";
    manual.port = "9201";
    manual.account = "wap";
    manual.password = "secret";
    manual.phone1 = "13800138000";
    manual.phone3 = "other@example.org";
    for (const auto &[name, model, mms] :
        {std::tuple{"standard, auto", 1, automatic}, std::tuple{"standard, manual", 1, manual},
            std::tuple{"K600, auto", 4, automatic}, std::tuple{"K600, manual", 7, manual}}) {
        SCOPED_TRACE(name);
        roundTrip(FormButton::Mms, model, setupSettings(model, mms));
    }

    SmtpSettings smtpAuto;
    smtpAuto.countryIndex = 2;
    smtpAuto.operatorIndex = 1;
    smtpAuto.picturesPerDay = 7;
    smtpAuto.smtpServer = "smtp.example.com";
    smtpAuto.port = "587";
    smtpAuto.senderEmail = "camera@example.com";
    smtpAuto.senderPassword = "secret";
    smtpAuto.recipientEmail = "me@example.org";
    loadGprsPreset(smtpAuto);
    SmtpSettings smtpManual = smtpAuto;
    smtpManual.autoMode = false;
    smtpManual.countryIndex = 0;
    smtpManual.operatorIndex = 0;
    smtpManual.apn = "internet";
    smtpManual.account = "web";
    smtpManual.gprsPassword = "web";
    smtpManual.smsInterval = 0;
    smtpManual.phoneNumber = "+4917012345";
    SmtpSettings k600Manual = smtpManual;
    k600Manual.smtpStatus = 2;
    SmtpSettings k200Auto = smtpAuto;
    k200Auto.smtpStatus = 0; // the K200 form has no status list
    SmtpSettings k200Manual = smtpManual;
    k200Manual.smtpStatus = 0;
    for (const auto &[name, model, smtp] :
        {std::tuple{"K600, auto", 4, smtpAuto}, std::tuple{"K600, manual", 4, k600Manual},
            std::tuple{"K200, auto", 3, k200Auto}, std::tuple{"K200, manual", 3, k200Manual}}) {
        SCOPED_TRACE(name);
        roundTrip(FormButton::Smtp, model, smtpSettings(model, smtp));
    }
}

// The file's clock is when it was made: a loaded camera form keeps the
// computer's time. The camera language and TV mode bytes follow the program.
TEST_F(CardWork, TheClockAndTheProgramsBytesAreNotTakenFromTheCard)
{
    Shown row = everythingOn();
    CameraSettings onCard = row.settings;
    onCard.ClockYear = 10; // 2020-01-02 03:04:05
    onCard.ClockMonth = 1;
    onCard.ClockDay = 2;
    onCard.ClockHour = 3;
    onCard.ClockMinute = 4;
    onCard.ClockSecond = 5;
    ASSERT_TRUE(writeMenuFile(
        folder.str(), buildMenuRecord(MenuLayout::Standard, onCard, row.extras, {3, 1})));
    auto form = make(FormButton::Camera, 1);
    choose(form.get(), FormButton::Camera, cardRoot());
    boxes();
    loadAction(form.get())->trigger();
    EXPECT_TRUE(boxes().isEmpty()) << "loaded on request without a question";
    std::filesystem::remove(folder.path() / "menu.dat");
    generate(form.get(), FormButton::Camera);
    EXPECT_EQ(writtenMenu(), coreRecord(MenuLayout::Standard, row.settings, row.extras));
}

// A damaged, truncated or other layout's file is not shown: a box names the
// file with the card check's findings, and the form keeps what it showed,
// whether the file was found when the folder was chosen or on request.
TEST_F(CardWork, FilesWithFindingsAreRefusedAndTheFormKeepsItsValues)
{
    struct Case {
        const char *name;
        FormButton button;
        int model;
        std::function<void()> prepare;
        const char *finding;
    };
    const auto damage = [this](const char *name, std::size_t byte) {
        std::vector<std::uint8_t> bytes = readFile(folder.path() / name);
        ASSERT_GT(bytes.size(), byte);
        bytes[byte] ^= 0x21;
        writeFile(folder.path() / name, std::string(bytes.begin(), bytes.end()));
    };
    const auto truncate = [this](const char *name) {
        std::vector<std::uint8_t> bytes = readFile(folder.path() / name);
        writeFile(folder.path() / name, std::string(bytes.begin(), bytes.begin() + 40));
    };
    SmtpSettings smtp;
    smtp.autoMode = false;
    smtp.apn = "internet";
    smtp.smtpServer = "smtp.example.com";
    smtp.port = "587";
    smtp.senderEmail = "camera@example.com";
    smtp.senderPassword = "secret";
    smtp.recipientEmail = "me@example.org";
    const std::vector<Case> cases{
        {"damaged menu.dat", FormButton::Camera, 1,
            [&] {
                Shown row = everythingOn();
                ASSERT_TRUE(writeMenuFile(folder.str(),
                    buildMenuRecord(MenuLayout::Standard, row.settings, row.extras, {2, 0})));
                damage("menu.dat", 4);
            },
            "Bad checksum"},
        {"a K600 camera's menu.dat on a standard form", FormButton::Camera, 1,
            [&] {
                Shown row = everythingOn();
                ASSERT_TRUE(writeMenuFile(folder.str(),
                    buildMenuRecord(MenuLayout::K600, row.settings, row.extras, {2, 0})));
            },
            ""},
        {"truncated setup.dat", FormButton::Mms, 1,
            [&] {
                MmsSettings mms;
                loadMmsPreset(mms);
                ASSERT_TRUE(writeMmsFile(folder.str(), mms));
                truncate("setup.dat");
            },
            "The file has 40 bytes; it should have 720"},
        {"a K600 smtp.dat on a K200 form", FormButton::Smtp, 3,
            [&] { ASSERT_TRUE(writeSmtpFile(folder.str(), smtp, SmtpLayout::K600)); }, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        removeCardFiles();
        auto form = make(c.button, c.model);
        if (c.button == FormButton::Mms)
            form->showFileSettings(setupSettings(c.model, mmsAuto()));
        if (c.button == FormButton::Smtp) {
            SmtpSettings shown = smtp;
            shown.smtpStatus = 0; // the K200 form has no status list
            form->showFileSettings(smtpSettings(c.model, shown));
        }
        boxes();
        const Showing before = showing(form.get());
        ASSERT_TRUE(before.settings.has_value());
        c.prepare();
        const QString file = QDir::toNativeSeparators(
            QString::fromStdString((folder.path() / idsOf(c.button).file).string()));

        MessageBoxes::setNextAnswer(true); // would load, were it asked
        choose(form.get(), c.button, QString::fromStdString(folder.str()));
        auto shown = boxes();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].kind, Kind::Failure);
        EXPECT_TRUE(shown[0].text.startsWith(file + " is not loaded; the form keeps its values."))
            << shown[0].text.toStdString();
        EXPECT_TRUE(shown[0].text.contains(QLatin1String(c.finding)))
            << shown[0].text.toStdString();

        loadAction(form.get())->trigger();
        shown = boxes();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].kind, Kind::Failure);
        EXPECT_TRUE(showing(form.get()) == before);
    }
}

// Asked once per folder, whether it is chosen, typed or opened with; No keeps
// the form as it is. Load from card in a folder without the file says so.
TEST_F(CardWork, TheQuestionComesOncePerFolder)
{
    const QString card = QString::fromStdString(folder.str());
    Shown row = everythingOn();
    ASSERT_TRUE(writeMenuFile(
        folder.str(), buildMenuRecord(MenuLayout::Standard, row.settings, row.extras, {2, 0})));
    TempFolder other;
    ASSERT_TRUE(writeMenuFile(
        other.str(), buildMenuRecord(MenuLayout::Standard, row.settings, row.extras, {2, 0})));
    TempFolder empty;

    auto form = make(FormButton::Camera, 1);
    const Showing opening = showing(form.get());
    choose(form.get(), FormButton::Camera, card); // answered No
    auto shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, Kind::Question);
    EXPECT_EQ(shown[0].text,
        QStringLiteral("%1 holds menu.dat with a camera's settings. Show these settings in the "
                       "form? The values the form shows now are replaced.")
            .arg(card));
    EXPECT_TRUE(showing(form.get()) == opening);

    choose(form.get(), FormButton::Camera, card);
    QLineEdit *edit = find<QLineEdit>(form.get(), CameraId::Folder);
    type(edit, card + QDir::separator());
    emit edit->editingFinished();
    EXPECT_TRUE(boxes().isEmpty()) << "the same folder again";

    MessageBoxes::setNextAnswer(true);
    type(edit, QString::fromStdString(other.str()));
    emit edit->editingFinished();
    shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, Kind::Question);
    EXPECT_FALSE(showing(form.get()) == opening) << "Yes shows the card's settings";

    type(edit, QString::fromStdString(empty.str()));
    emit edit->editingFinished();
    EXPECT_TRUE(boxes().isEmpty()) << "nothing to offer";
    loadAction(form.get())->trigger();
    shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, Kind::Notice);
    EXPECT_EQ(
        shown[0].text, QStringLiteral("There is no menu.dat in %1.").arg(empty.str().c_str()));
}

// Before writing where the camera will not look, the form says why and asks;
// No writes nothing, Yes writes the same bytes as anywhere else. The
// computer's own disk is never warned about.
TEST_F(CardWork, WarnsBeforeWritingWhereTheCameraWillNotLook)
{
    std::filesystem::create_directory(folder.path() / "DCIM");
    const QString subfolder = cardRoot() + QDir::separator() + QStringLiteral("DCIM");
    struct Case {
        const char *name;
        const char *fileSystem;
        bool readOnly;
        bool removable;
        bool inSubfolder;
        QStringList reasons; // none: no question
    };
    const QString notTop
        = QStringLiteral("- it is not the top folder of the card; the camera looks only in %1")
              .arg(cardRoot());
    const std::vector<Case> cases{
        {"top folder, FAT", "vfat", false, true, false, {}},
        {"top folder, exFAT", "exfat", false, true, false, {}},
        {"subfolder", "vfat", false, true, true, {notTop}},
        {"NTFS", "ntfs", false, true, false,
            {"- the card is formatted ntfs; the camera reads only FAT and exFAT cards"}},
        {"read-only", "msdos", true, true, false,
            {"- the card is read-only; check the lock switch on its side"}},
        {"subfolder of a read-only NTFS card", "NTFS", true, true, true,
            {notTop, "- the card is formatted NTFS; the camera reads only FAT and exFAT cards",
                "- the card is read-only; check the lock switch on its side"}},
        {"the computer's disk, subfolder", "ext4", false, false, true, {}},
    };
    const auto written = [&](bool inSubfolder) {
        return folder.path() / (inSubfolder ? "DCIM/menu.dat" : "menu.dat");
    };
    std::vector<std::uint8_t> reference;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        removeCardFiles();
        std::filesystem::remove(written(true));
        mountCard(c.fileSystem, c.readOnly, c.removable);
        const QString target = c.inSubfolder ? subfolder : cardRoot();
        auto form = make(FormButton::Camera, 1);
        choose(form.get(), FormButton::Camera, target);
        boxes();
        generate(form.get(), FormButton::Camera); // answered No
        auto shown = boxes();
        if (c.reasons.isEmpty()) {
            ASSERT_EQ(shown.size(), 1);
            EXPECT_EQ(shown[0].kind, Kind::Notice);
            if (reference.empty())
                reference = readFile(written(c.inSubfolder));
            EXPECT_EQ(readFile(written(c.inSubfolder)), reference);
            continue;
        }
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].kind, Kind::Question);
        EXPECT_EQ(shown[0].text,
            QStringLiteral("The camera will not read a file written in %1:\n%2\n\nWrite anyway?")
                .arg(target, c.reasons.join('\n')));
        EXPECT_EQ(shown[0].checkBox, "Do not ask again");
        EXPECT_FALSE(std::filesystem::exists(written(c.inSubfolder))) << "No writes nothing";

        MessageBoxes::setNextAnswer(true);
        generate(form.get(), FormButton::Camera);
        shown = boxes();
        ASSERT_EQ(shown.size(), 2);
        EXPECT_EQ(shown[1].kind, Kind::Notice);
        EXPECT_EQ(readFile(written(c.inSubfolder)), reference) << "the answer changes no byte";
    }
    EXPECT_TRUE(store.numbers.find(kSkipPlaceWarningPreference) == store.numbers.end());
}

// Default on a camera form, and Generate on the MMS and SMTP forms, ask too;
// "do not ask again" with Yes is kept and stops the question, with No it is not.
TEST_F(CardWork, EveryWriteAsksUntilToldNotTo)
{
    std::filesystem::create_directory(folder.path() / "DCIM");
    const QString subfolder = cardRoot() + QDir::separator() + QStringLiteral("DCIM");
    mountCard();
    const auto questionThenNothing = [&](FormBase *form, int button, const char *file) {
        boxes();
        find<QPushButton>(form, button)->click();
        const auto shown = boxes();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].kind, Kind::Question) << shown[0].text.toStdString();
        EXPECT_FALSE(std::filesystem::exists(folder.path() / "DCIM" / file));
    };
    {
        auto form = make(FormButton::Camera, 4);
        choose(form.get(), FormButton::Camera, subfolder);
        pick(find<QComboBox>(form.get(), CameraId::DateFormat), 0);
        questionThenNothing(form.get(), CameraId::Default, "menu.dat");
        EXPECT_EQ(find<QComboBox>(form.get(), CameraId::DateFormat)->currentIndex(), 0)
            << "No leaves the form as it was";
    }
    {
        auto form = make(FormButton::Mms, 1);
        choose(form.get(), FormButton::Mms, subfolder);
        form->showFileSettings(setupSettings(1, mmsAuto()));
        questionThenNothing(form.get(), MmsId::Generate, "setup.dat");
    }
    {
        auto form = make(FormButton::Smtp, 4);
        choose(form.get(), FormButton::Smtp, subfolder);
        type(find<QLineEdit>(form.get(), SmtpId::SmtpServer), "smtp.example.com");
        type(find<QLineEdit>(form.get(), SmtpId::Port), "587");
        type(find<QLineEdit>(form.get(), SmtpId::SenderEmail), "camera@example.com");
        type(find<QLineEdit>(form.get(), SmtpId::SenderPassword), "secret");
        type(find<QLineEdit>(form.get(), SmtpId::Email1), "me@example.org");
        questionThenNothing(form.get(), SmtpId::Generate, "smtp.dat");

        MessageBoxes::setNextAnswer(false, true); // ticked, but No: not kept
        questionThenNothing(form.get(), SmtpId::Generate, "smtp.dat");
        EXPECT_TRUE(store.numbers.find(kSkipPlaceWarningPreference) == store.numbers.end());

        MessageBoxes::setNextAnswer(true, true);
        generate(form.get(), FormButton::Smtp);
        auto shown = boxes();
        ASSERT_EQ(shown.size(), 2);
        EXPECT_EQ(shown[1].kind, Kind::Notice) << shown[1].text.toStdString();
        EXPECT_EQ(store.numbers[std::string(kSkipPlaceWarningPreference)], 1u);

        generate(form.get(), FormButton::Smtp);
        shown = boxes();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].kind, Kind::Notice) << "not asked again";
    }
}

// The chooser lists the cards first, then the home and top folders; a form
// opens on the card when exactly one is mounted.
TEST_F(CardWork, TheChooserListsTheCardsFirst)
{
    TempFolder second;
    const QString secondRoot = QDir::toNativeSeparators(
        QFileInfo(QString::fromStdString(second.str())).canonicalFilePath());
    const VolumeInfo system{"/", "ext4", false, false, ""};
    const VolumeInfo data{"/srv/data", "xfs", false, false, "data"};
    const VolumeInfo cardA{cardRoot().toStdString(), "vfat", false, true, "A"};
    const VolumeInfo cardB{secondRoot.toStdString(), "exfat", false, true, "B"};
    const auto url
        = [](const QString &path) { return QUrl::fromLocalFile(QDir::fromNativeSeparators(path)); };
    struct Case {
        const char *name;
        std::vector<VolumeInfo> volumes;
        QList<QUrl> cards;
        QString opening; // the folder a form opens with
        QString start;   // where the chooser opens; empty: home
    };
    const std::vector<Case> cases{
        {"no card", {system, data}, {}, defaultOutputFolder(), {}},
        {"one card", {system, cardA, data}, {url(cardRoot())}, cardRoot(), cardRoot()},
        {"two cards", {system, cardB, data, cardA}, {url(secondRoot), url(cardRoot())},
            defaultOutputFolder(), {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        volumes.reset();
        volumes.emplace(c.volumes);
        auto form = make(FormButton::Camera, 1);
        EXPECT_EQ(shownFolder(form.get(), FormButton::Camera), c.opening);
        FolderChooser::setNextAnswer(FolderChooser::Answer::Cancel);
        find<QPushButton>(form.get(), CameraId::Select)->click();
        QList<QUrl> expected = c.cards;
        for (const QString &path : {QDir::homePath(), QDir::rootPath()}) {
            if (!expected.contains(QUrl::fromLocalFile(path)))
                expected << QUrl::fromLocalFile(path);
        }
        EXPECT_EQ(FolderChooser::lastPlaces(), expected);
        EXPECT_EQ(FolderChooser::lastStartFolder(), c.start);
    }
}

#ifdef Q_OS_LINUX
// What counts as a card on Linux: a block device where desktops mount what is
// plugged in; memory file systems, bind mounts and shares never.
TEST(Volumes, WhatCountsAsACardOnLinux)
{
    struct Case {
        const char *root;
        const char *device;
        bool removable;
    };
    const Case cases[] = {
        {"/media/me/CARD", "/dev/sdb1", true},
        {"/run/media/me/CARD", "/dev/mmcblk0p1", true},
        {"/mnt/card", "/dev/sdc1", true},
        {"/mnt/sandbox/tools", "none", false},
        {"/media/share", "server:/export", false},
        {"/run/user/1000", "tmpfs", false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Volumes::looksRemovable(c.root, c.device), c.removable) << c.root;
    }
}
#endif

// A real FAT card image, where the machine lets the test make and mount one:
// the system's own volume list names its file system, the form writes into
// its top folder without a question, reads the file back, and warns in a
// subfolder.
TEST_F(CardWork, ARealFatCard)
{
#ifdef _WIN32
    GTEST_SKIP() << "mounting an image is done with Linux tools";
#else
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting a card image needs root";
    const std::filesystem::path image = folder.path() / "card.img";
    const std::filesystem::path mountPoint = folder.path() / "card";
    std::filesystem::create_directory(mountPoint);
    const std::string makeImage = "truncate -s 8M '" + image.string() + "' && mkfs.vfat '"
        + image.string() + "' > /dev/null 2>&1";
    if (std::system(makeImage.c_str()) != 0)
        GTEST_SKIP() << "mkfs.vfat (dosfstools) is not available";
    const std::string mount
        = "mount -o loop '" + image.string() + "' '" + mountPoint.string() + "' 2> /dev/null";
    if (std::system(mount.c_str()) != 0)
        GTEST_SKIP() << "this machine does not let the test mount a FAT image";
    struct Unmount {
        std::string command;
        ~Unmount() { [[maybe_unused]] const int ignored = std::system(command.c_str()); }
    } unmount{"umount '" + mountPoint.string() + "'"};

    const QString root = QDir::toNativeSeparators(
        QFileInfo(QString::fromStdString(mountPoint.string())).canonicalFilePath());
    std::optional<VolumeInfo> card;
    for (const VolumeInfo &volume : Volumes::listedBySystem()) {
        if (volume.rootPath == root.toStdString())
            card = volume;
    }
    ASSERT_TRUE(card.has_value()) << "the system lists the mounted image";
    EXPECT_TRUE(isCameraFileSystem(card->fileSystemType)) << card->fileSystemType;
    card->removable = true; // a loop device is not; the card it stands for is
    volumes.emplace(std::vector<VolumeInfo>{*card});

    auto form = make(FormButton::Camera, 1);
    EXPECT_EQ(shownFolder(form.get(), FormButton::Camera), root);
    boxes();
    generate(form.get(), FormButton::Camera);
    auto shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, Kind::Notice) << shown[0].text.toStdString();
    EXPECT_EQ(inspect::loadCardFile(mountPoint, inspect::FileKind::Menu, 1, 2).outcome,
        inspect::CardLoad::Outcome::Loaded);

    std::filesystem::create_directory(mountPoint / "DCIM");
    choose(form.get(), FormButton::Camera, root + QStringLiteral("/DCIM"));
    boxes();
    generate(form.get(), FormButton::Camera);
    shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, Kind::Question);
    EXPECT_FALSE(std::filesystem::exists(mountPoint / "DCIM" / "menu.dat"));
#endif
}
