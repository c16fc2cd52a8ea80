#include "SettingsSamples.h"
#include "TempFolder.h"

#include "cardfiles/CardReport.h"
#include "documents/DocumentJson.h"
#include "documents/SettingsDocument.h"
#include "i18n/TextTables.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace marrowby;
using namespace marrowby::documents;
using inspect::FileKind;

namespace {

const CameraClock kNow{2025, 6, 7, 8, 9, 10};

FileSettings camera(int model)
{
    return test::cameraSample(model);
}
FileSettings mms(int model, bool autoMode)
{
    return test::mmsSample(model, autoMode);
}
FileSettings smtp(int model, bool autoMode)
{
    return test::smtpSample(model, autoMode);
}

struct Row {
    const char *name;
    FileSettings settings;
};

std::vector<Row> everyForm()
{
    return {{"standard camera", camera(1)}, {"K600 camera", camera(4)}, {"K400 camera", camera(6)},
        {"K800 camera", camera(8)}, {"K500 camera", camera(13)}, {"K100 camera", camera(14)},
        {"standard MMS, Manual", mms(1, false)}, {"standard MMS, Auto", mms(3, true)},
        {"K600 MMS, Manual", mms(4, false)}, {"phone-or-e-mail MMS, Auto", mms(17, true)},
        {"K600 SMTP, Manual", smtp(4, false)}, {"K600 SMTP, Auto", smtp(7, true)},
        {"K200 SMTP, Manual", smtp(3, false)}, {"K200 SMTP, Auto", smtp(9, true)}};
}

std::vector<std::uint8_t> bytesOf(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// What marrowby-write does with a document, and what marrowby-inspect --json
// prints for the folder afterwards.
struct Written {
    std::optional<DocumentError> error;
    std::string document;
};
Written writeThenInspect(const std::string &text, const std::filesystem::path &folder)
{
    const DocumentReading reading = readDocument(text);
    if (reading.error)
        return {reading.error, {}};
    const PreparedWrite prepared = prepareWrite(*reading.settings, kNow);
    if (prepared.error)
        return {prepared.error, {}};
    EXPECT_TRUE(writeSettings(folder.string(), prepared.settings).clean());
    const int model = reading.settings->model;
    const auto files = inspect::inspectPath(folder, {.model = model});
    EXPECT_EQ(files.size(), 1u);
    const auto read = inspect::fileSettings(files.at(0), model);
    EXPECT_TRUE(read.has_value()) << inspect::textReport(files.at(0), {});
    return {std::nullopt, read ? documentText(*read) : std::string()};
}

} // namespace

// Document, written as marrowby-write writes it, read back as the inspector
// reads it: the same document, for every camera family and every MMS and SMTP
// form in both modes.
TEST(SettingsDocument, WrittenAndInspectedGivesTheSameDocument)
{
    for (const Row &row : everyForm()) {
        SCOPED_TRACE(row.name);
        const std::string document = documentText(row.settings);
        const test::TempFolder folder;
        const Written written = writeThenInspect(document, folder.path());
        ASSERT_FALSE(written.error) << errorText(*written.error, 2);
        EXPECT_EQ(written.document, document);
        EXPECT_FALSE(std::filesystem::exists(folder.path() / "mms.dat"));
    }
}

// What a document holds: names for list choices, numbers as numbers, no
// clock; Auto mode by country and operator, without the preset's texts.
TEST(SettingsDocument, HoldsSettingsByNameWithoutTheClockOrThePreset)
{
    const Json cam = documentJson(camera(13), true);
    EXPECT_EQ(cam["format"], "marrowby-settings");
    EXPECT_EQ(cam["file"], "menu.dat");
    EXPECT_EQ(cam["cameraLanguage"], "Deutsch");
    const Json &s = cam["settings"];
    EXPECT_EQ(s["CameraMode"], "Video");
    EXPECT_EQ(s["Interval"], 45);
    EXPECT_EQ(s["IntervalUnit"], "Seconds");
    EXPECT_EQ(s["VideoLength"], 30);
    EXPECT_EQ(s["SerialDigit2"], "F");
    EXPECT_EQ(s["LongitudeDirection"], "West");
    EXPECT_FALSE(s.contains("ClockYear"));

    const Json autoMms = documentJson(mms(3, true), true)["settings"];
    EXPECT_EQ(autoMms["MmsMode"], "Auto");
    EXPECT_TRUE(autoMms.contains("Country") && autoMms.contains("Operator"));
    EXPECT_FALSE(autoMms.contains("Url") || autoMms.contains("Password"));
    const Json manualSmtp = documentJson(smtp(3, false), false);
    EXPECT_EQ(manualSmtp["passwordsOmitted"], true);
    EXPECT_EQ(manualSmtp["settings"]["Apn"], "internet");
    EXPECT_FALSE(manualSmtp["settings"].contains("GprsPassword"));
    EXPECT_EQ(manualSmtp.dump().find("Gprs42"), std::string::npos);
}

// A card's file inspected, one value edited, written again: only that value
// changes, and the bytes are those of the same settings written directly.
TEST(SettingsDocument, InspectEditWriteChangesOnlyTheEdit)
{
    for (const Row &row : everyForm()) {
        SCOPED_TRACE(row.name);
        Json document = documentJson(row.settings, true);
        const std::string key = document["file"] == "menu.dat" ? "TimerStopHour" : "PicturesPerDay";
        document["settings"][key] = 17;
        const test::TempFolder folder;
        const Written written = writeThenInspect(jsonText(document), folder.path());
        ASSERT_FALSE(written.error) << errorText(*written.error, 2);
        EXPECT_EQ(written.document, jsonText(document) + "\n");

        FileSettings direct = row.settings;
        if (row.settings.kind == FileKind::Menu)
            direct.camera.TimerStopHour = 17;
        else
            direct.mms.picturesPerDay = direct.smtp.picturesPerDay = 17;
        const test::TempFolder other;
        ASSERT_TRUE(writeSettings(other.path().string(), prepareWrite(direct, kNow).settings));
        const std::string name(inspect::cardFileName(row.settings.kind));
        EXPECT_EQ(bytesOf(folder.path() / name), bytesOf(other.path() / name));
    }
}

// Each bad document is refused with the problem, the field it names and a
// message in the user's language; none gets as far as the writer.
TEST(SettingsDocument, BadDocumentsAreRefusedNamingTheField)
{
    const std::string good = documentText(smtp(4, false));
    struct Case {
        const char *name;
        std::function<void(Json &)> edit; // null: `text` is the document
        std::string text;
        Problem problem;
        std::string field;
        ReadOptions options = {};
    };
    const auto set = [](std::string key, Json value) {
        return [key, value](Json &d) { d["settings"][key] = value; };
    };
    const Case cases[] = {
        {"not JSON", nullptr, "{\"format\": \"marrowby-settings\",\n  \"version\": 1,,}",
            Problem::NotJson, ""},
        {"another format", [](Json &d) { d["format"] = "other"; }, "", Problem::NotADocument,
            "format"},
        {"a newer version", [](Json &d) { d["version"] = 2; }, "", Problem::NewerVersion,
            "version"},
        {"another model", nullptr, good, Problem::WrongModel, "model", {.model = 7}},
        {"a model out of range", [](Json &d) { d["model"] = 20; }, "", Problem::OutOfRange,
            "model"},
        {"a file the model lacks", [](Json &d) { d["model"] = 1; }, "", Problem::NoSuchForm,
            "file"},
        {"another file", nullptr, good, Problem::WrongFile, "file", {.kind = FileKind::Setup}},
        {"an unknown field", set("Colour", "red"), "", Problem::UnknownField, "Colour"},
        {"an unknown top-level field", [](Json &d) { d["clock"] = 1; }, "", Problem::UnknownField,
            "clock"},
        {"a missing field", [](Json &d) { d["settings"].erase("SmtpServer"); }, "",
            Problem::MissingField, "SmtpServer"},
        {"a number out of range", set("PicturesPerDay", 100), "", Problem::OutOfRange,
            "PicturesPerDay"},
        {"a number as text", set("PicturesPerDay", "5"), "", Problem::NotANumber, "PicturesPerDay"},
        {"an unknown choice", set("SmtpStatus", "HD"), "", Problem::UnknownChoice, "SmtpStatus"},
        {"a text too long", set("SmtpServer", std::string(41, 'x')), "", Problem::TooLong,
            "SmtpServer"},
        {"a text as number", set("Port", 25), "", Problem::NotAText, "Port"},
        {"a password left out, not said", [](Json &d) { d["settings"].erase("SenderPassword"); },
            "", Problem::MissingField, "SenderPassword"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = c.text;
        if (c.edit) {
            Json document = Json::parse(good);
            c.edit(document);
            text = jsonText(document);
        }
        const DocumentReading reading = readDocument(text, c.options);
        ASSERT_TRUE(reading.error.has_value());
        EXPECT_FALSE(reading.settings.has_value());
        EXPECT_EQ(reading.error->problem, c.problem);
        EXPECT_EQ(reading.error->field, c.field);
        const std::string german = errorText(*reading.error, 3);
        EXPECT_NE(german, errorText(*reading.error, 2));
        // A field's own problem names it in the message.
        const bool aboutTheDocument = c.problem == Problem::WrongFile
            || c.problem == Problem::NoSuchForm || c.problem == Problem::WrongModel
            || c.problem == Problem::NewerVersion || c.problem == Problem::NotADocument;
        if (!c.field.empty() && !aboutTheDocument) {
            EXPECT_NE(german.find('"' + c.field + '"'), std::string::npos) << german;
        }
    }
    const DocumentReading json
        = readDocument("{\"format\": \"marrowby-settings\",\n  \"version\": 1,,}");
    EXPECT_EQ(
        errorText(*json.error, 2), "The document is not valid JSON: error in line 2, column 16.");
    const DocumentReading model = readDocument(good, {.model = 7});
    EXPECT_EQ(errorText(*model.error, 2),
        "The document is for model 4 (Marrowby K600MG), not for 7 (Marrowby K700MG).");
}

// The forms' checks run on a document as on Generate: its message and field.
TEST(SettingsDocument, TheFormsChecksRefuseWhatGenerateRefuses)
{
    FileSettings noAt = smtp(4, false);
    noAt.smtp.senderEmail = "trail.example.net";
    FileSettings noPhone = mms(1, false);
    noPhone.mms.phone1.clear();
    noPhone.mms.email.clear();
    for (const FileSettings &fs : {noAt, noPhone}) {
        const DocumentReading reading = readDocument(documentText(fs));
        ASSERT_TRUE(reading.settings) << errorText(*reading.error, 2);
        const PreparedWrite prepared = prepareWrite(*reading.settings, kNow);
        ASSERT_TRUE(prepared.error.has_value());
        EXPECT_EQ(prepared.error->problem, Problem::CheckRefused);
        EXPECT_FALSE(prepared.error->field.empty());
        EXPECT_NE(errorText(*prepared.error, 2).find(prepared.error->field), std::string::npos);
    }
    const PreparedWrite refused = prepareWrite(*readDocument(documentText(noAt)).settings, kNow);
    EXPECT_EQ(refused.error->field, "SenderEmail");
}

// Passwords left out on purpose: read as empty and listed, or asked for.
TEST(SettingsDocument, PasswordsLeftOutAreListedOrAskedFor)
{
    const std::string withoutPasswords = documentText(smtp(4, false), false);
    const DocumentReading plain = readDocument(withoutPasswords);
    ASSERT_TRUE(plain.settings);
    EXPECT_EQ(plain.passwordsLeftOut, (std::vector<std::string>{"GprsPassword", "SenderPassword"}));
    EXPECT_TRUE(plain.settings->smtp.senderPassword.empty());

    std::vector<std::string> asked;
    const DocumentReading answered
        = readDocument(withoutPasswords, {.askPassword = [&asked](std::string_view field) {
              asked.emplace_back(field);
              return "typed-" + std::string(field);
          }});
    ASSERT_TRUE(answered.settings);
    EXPECT_EQ(asked, plain.passwordsLeftOut);
    EXPECT_TRUE(answered.passwordsLeftOut.empty());
    EXPECT_EQ(answered.settings->smtp.senderPassword, "typed-SenderPassword");

    const DocumentReading tooLong = readDocument(
        withoutPasswords, {.askPassword = [](std::string_view) { return std::string(33, 'p'); }});
    ASSERT_TRUE(tooLong.error);
    EXPECT_EQ(tooLong.error->problem, Problem::TooLong);
}
