#include "documents/SettingsDocument.h"

#include "camera/MenuFields.h"
#include "cardfiles/CardReport.h"
#include "catalogue/ModelCatalogue.h"
#include "documents/DocumentJson.h"
#include "i18n/DocumentTexts.h"
#include "mms/MmsFormRules.h"
#include "mms/MmsRecordFile.h"
#include "operators/OperatorTables.h"
#include "records/RecordText.h"
#include "smtp/SmtpFormRules.h"
#include "smtp/SmtpRecordFile.h"

#include <algorithm>
#include <array>
#include <set>

namespace marrowby::documents {

namespace {

namespace texts = i18n::documents;
using inspect::FileKind;

// ---------------------------------------------------------------------------
// What each file's settings are called in a document

using Names = std::vector<std::string_view>;

const Names kOffOn = {"Off", "On"};
const Names kOnOff = {"On", "Off"};
const Names kAutoManual = {"Auto", "Manual"};

enum class Shape {
    Number,     // the value the form shows
    Entry,      // a list entry by its number, counted from 1
    Choice,     // one of `names`
    SerialChar, // "0".."9", "A".."Z"
};

// A menu.dat setting: the field and how the document holds it.
struct CameraKey {
    MenuField field;
    std::string_view key;
    Shape shape = Shape::Number;
    Names names = {};
};

// clang-format off
const CameraKey kCameraKeys[] = {
    {MenuField::CameraMode, "CameraMode", Shape::Choice, {"Camera", "Video", "Camera+Video"}},
    {MenuField::ImageSize, "ImageSize", Shape::Entry},
    {MenuField::VideoSize, "VideoSize", Shape::Entry},
    {MenuField::PictureNo, "PictureNo", Shape::Entry},
    {MenuField::VideoLength, "VideoLength"},
    {MenuField::TimeStamp, "TimeStamp", Shape::Choice, kOnOff},
    {MenuField::Interval, "Interval"},
    {MenuField::SenseLevel, "SenseLevel", Shape::Choice, {"Normal", "High", "Low", "Off"}},
    {MenuField::Timer, "Timer", Shape::Choice, kOffOn},
    {MenuField::SidePir, "SidePir", Shape::Choice, kOffOn},
    {MenuField::TimeLapse, "TimeLapse", Shape::Choice, kOnOff},
    {MenuField::TimeLapseHour, "TimeLapseHour"},
    {MenuField::TimeLapseMinute, "TimeLapseMinute"},
    {MenuField::TimeLapseSecond, "TimeLapseSecond"},
    {MenuField::TimerStartHour, "TimerStartHour"},
    {MenuField::TimerStartMinute, "TimerStartMinute"},
    {MenuField::TimerStopHour, "TimerStopHour"},
    {MenuField::TimerStopMinute, "TimerStopMinute"},
    {MenuField::SerialNo, "SerialNo", Shape::Choice, kOffOn},
    {MenuField::SerialDigit1, "SerialDigit1", Shape::SerialChar},
    {MenuField::SerialDigit2, "SerialDigit2", Shape::SerialChar},
    {MenuField::SerialDigit3, "SerialDigit3", Shape::SerialChar},
    {MenuField::SerialDigit4, "SerialDigit4", Shape::SerialChar},
    {MenuField::Timer2, "Timer2", Shape::Choice, kOffOn},
    {MenuField::Timer2StartHour, "Timer2StartHour"},
    {MenuField::Timer2StartMinute, "Timer2StartMinute"},
    {MenuField::Timer2StopHour, "Timer2StopHour"},
    {MenuField::Timer2StopMinute, "Timer2StopMinute"},
    {MenuField::SdCycle, "SdCycle", Shape::Choice, kOffOn},
    {MenuField::K500SdCycle, "SdCycle", Shape::Choice, kOffOn},
    {MenuField::BeepSound, "BeepSound", Shape::Choice, kOffOn},
    {MenuField::WirelessPasswordOn, "WirelessPasswordOn", Shape::Choice, kOffOn},
    {MenuField::LongitudeDirection, "LongitudeDirection", Shape::Choice, {"East", "West"}},
    {MenuField::LongitudeDegrees, "LongitudeDegrees"},
    {MenuField::LongitudeMinutes, "LongitudeMinutes"},
    {MenuField::LongitudeSeconds, "LongitudeSeconds"},
    {MenuField::LatitudeDirection, "LatitudeDirection", Shape::Choice, {"South", "North"}},
    {MenuField::LatitudeDegrees, "LatitudeDegrees"},
    {MenuField::LatitudeMinutes, "LatitudeMinutes"},
    {MenuField::LatitudeSeconds, "LatitudeSeconds"},
    {MenuField::DateFormat, "DateFormat", Shape::Choice, {"YYMMDD", "MMDDYY", "DDMMYY"}},
};
// clang-format on

constexpr std::string_view kSerialChars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kIntervalUnit = "IntervalUnit";
const Names kIntervalUnits = {"Seconds", "Minutes"}; // the unit list's order
constexpr std::string_view kWirelessPassword = "WirelessPassword";

const CameraKey *cameraKey(MenuField field)
{
    for (const CameraKey &k : kCameraKeys) {
        if (k.field == field)
            return &k;
    }
    return nullptr;
}

// The bytes of the model's layout a document holds, in byte order: no clock,
// no record context, no copy and no fixed byte; the wireless password digits
// stand for one text.
std::vector<MenuByte> documentBytes(int model)
{
    std::vector<MenuByte> out;
    for (const MenuByte &b : menuBytes(ModelCatalogue::cameraForm(model))) {
        if (!b.fixed && (cameraKey(b.field) || b.field == MenuField::WirelessDigit1))
            out.push_back(b);
    }
    return out;
}

// The MMS and SMTP text keys.
std::string_view mmsKey(MmsEdit edit)
{
    static constexpr std::array<std::string_view, kMmsTextCount> keys = {"Url", "Apn", "Gateway",
        "Port", "Phone1", "Email", "Account", "Password", "Phone2", "Phone3"};
    const auto i = static_cast<std::size_t>(edit);
    return i < keys.size() ? keys[i] : std::string_view("Operator");
}

std::string_view smtpKey(SmtpField field)
{
    switch (field) {
    case SmtpField::PicturesPerDay:
        return "PicturesPerDay";
    case SmtpField::Apn:
        return "Apn";
    case SmtpField::Account:
        return "Account";
    case SmtpField::GprsPassword:
        return "GprsPassword";
    case SmtpField::SmtpServer:
        return "SmtpServer";
    case SmtpField::Port:
        return "Port";
    case SmtpField::SenderPassword:
        return "SenderPassword";
    case SmtpField::SenderEmail:
        return "SenderEmail";
    case SmtpField::Email1:
        return "Email1";
    case SmtpField::PhoneNumber:
        return "PhoneNumber";
    case SmtpField::Email2:
    case SmtpField::Email3:
    case SmtpField::Email4:
    case SmtpField::Email5:
    case SmtpField::Folder:
        break;
    }
    return {};
}

bool isPasswordKey(std::string_view key)
{
    return key == "Password" || key == "GprsPassword" || key == "SenderPassword"
        || key == kWirelessPassword;
}

MmsFormVariant mmsVariant(int model)
{
    return mmsFormVariant(ModelCatalogue::mmsForm(model), model);
}

const SmtpFormVariant &smtpVariant(int model)
{
    return smtpFormVariant(inspect::smtpLayoutOfModel(model).value_or(SmtpLayout::K600));
}

Names fromStrings(const std::vector<std::string_view> &names)
{
    return names;
}

Names languageNames()
{
    Names out;
    for (int i = 0; i < i18n::kLanguageCount; ++i)
        out.push_back(i18n::languageListEntry(i, false));
    return out;
}

Names mmsStatusNames(const MmsFormVariant &variant)
{
    return mmsStatusEntries(variant, i18n::kEnglishLanguage);
}

const Names kSmtpStatusNames = {"Off", "VGA", "SMS"};
constexpr std::string_view kOff = "Off";

// The entries of a camera list whose names the form shows by model: how many
// there are on the model's form.
int entryCount(int model, MenuField field, const MenuByte &b)
{
    const CameraQuirks &quirks = ModelCatalogue::cameraQuirks(model);
    const std::string_view list = field == MenuField::ImageSize ? quirks.imageSizes
        : field == MenuField::VideoSize                         ? quirks.videoSizes
                                                                : std::string_view();
    if (list.empty())
        return b.high - b.low + 1;
    return static_cast<int>(std::count(list.begin(), list.end(), ' ')) + 1;
}

// ---------------------------------------------------------------------------
// Writing documents

Json choiceJson(const Names &names, int index)
{
    if (index >= 0 && static_cast<std::size_t>(index) < names.size())
        return std::string(names[static_cast<std::size_t>(index)]);
    return index;
}

Json cameraJson(const FileSettings &fs, bool withPasswords, Json &settings)
{
    for (const MenuByte &b : documentBytes(fs.model)) {
        if (b.field == MenuField::WirelessDigit1) {
            if (withPasswords)
                settings[std::string(kWirelessPassword)]
                    = wirelessPasswordText(fs.extras.wirelessPassword);
            continue;
        }
        const CameraKey &k = *cameraKey(b.field);
        const int shown = shownValue(b.field, fs.camera, fs.extras);
        const std::string key(k.key);
        switch (k.shape) {
        case Shape::Number:
            settings[key] = shown;
            break;
        case Shape::Entry:
            settings[key] = shown + 1;
            break;
        case Shape::Choice:
            settings[key] = choiceJson(k.names, shown);
            break;
        case Shape::SerialChar:
            settings[key] = shown >= 0 && shown < 36 ? Json(std::string(1, kSerialChars[shown]))
                                                     : Json(shown);
            break;
        }
        if (b.field == MenuField::Interval)
            settings[std::string(kIntervalUnit)] = choiceJson(
                kIntervalUnits, shownValue(MenuField::IntervalUnit, fs.camera, fs.extras));
    }
    return settings;
}

Json remoteControlJson(int value)
{
    return value == kSmsRemoteControlOff ? Json(std::string(kOff)) : Json(value);
}

void mmsJson(const FileSettings &fs, bool withPasswords, Json &settings)
{
    const MmsFormVariant variant = mmsVariant(fs.model);
    const MmsFormValues v = mmsFormValues(variant, fs.mms);
    settings["MmsMode"] = choiceJson(kAutoManual, v.mode);
    settings["MmsStatus"] = choiceJson(mmsStatusNames(variant), v.status);
    if (v.autoMode()) {
        settings["Country"] = std::string(countryName(i18n::kEnglishLanguage, v.choice.country));
        settings["Operator"]
            = choiceJson(mmsOperatorNames(v.choice.country, i18n::kEnglishLanguage), v.choice.op);
    }
    settings["ConnectionType"] = choiceJson({"APN", "CSD"}, v.connectionType);
    settings["PhoneType"] = choiceJson({"Domestic", "International"}, v.international ? 1 : 0);
    settings["SmsRemoteControl"] = remoteControlJson(v.smsRemoteControl);
    settings["PicturesPerDay"] = v.picturesPerDay;
    for (const MmsEditRow &row : mmsEditRows()) {
        if (!row.value || (v.autoMode() && row.fromPreset))
            continue;
        const std::string_view key = mmsKey(row.edit);
        if (withPasswords || !isPasswordKey(key))
            settings[std::string(key)] = v.*row.value;
    }
}

void smtpJson(const FileSettings &fs, bool withPasswords, Json &settings)
{
    const SmtpFormVariant &variant = smtpVariant(fs.model);
    SmtpFormValues v = smtpFormValues(variant, fs.smtp);
    settings["SmtpMode"] = choiceJson(kAutoManual, v.mode);
    if (variant.hasStatusList())
        settings["SmtpStatus"] = choiceJson(kSmtpStatusNames, v.smtpStatus);
    if (v.autoMode()) {
        settings["Country"] = std::string(gprsCountryName(i18n::kEnglishLanguage, v.country));
        settings["Operator"]
            = choiceJson(fromStrings(gprsOperatorNames(v.country)), v.operatorIndex);
    }
    settings["SmsRemoteControl"] = remoteControlJson(v.smsRemoteControl);
    settings["PicturesPerDay"] = v.picturesPerDay;
    for (const SmtpEdit &edit : variant.edits) {
        if (!edit.value || !edit.setting || !edit.visible || (v.autoMode() && edit.fromPreset))
            continue;
        const std::string_view key = smtpKey(edit.field);
        if (withPasswords || !isPasswordKey(key))
            settings[std::string(key)] = *edit.value(v);
    }
}

// ---------------------------------------------------------------------------
// Reading documents

std::string numberText(long long n)
{
    return std::to_string(n);
}

std::string joined(const Names &names)
{
    std::string out;
    for (const std::string_view name : names)
        out += (out.empty() ? "\"" : ", \"") + std::string(name) + "\"";
    return out;
}

DocumentError problem(Problem p, std::string field, std::vector<std::string> args)
{
    return DocumentError{p, std::move(field), std::move(args), {}};
}

// Reads the keys of one JSON object, each at most once, and remembers the
// first problem; after it every read gives nothing.
class ObjectReader {
public:
    ObjectReader(const Json &object, std::optional<DocumentError> &error)
        : m_object(object)
        , m_error(error)
    { }

    bool failed() const { return m_error.has_value(); }
    void fail(DocumentError e)
    {
        if (!m_error)
            m_error = std::move(e);
    }

    bool has(std::string_view key) const { return m_object.contains(std::string(key)); }

    // The value of a key that must be there.
    const Json *value(std::string_view key)
    {
        if (failed())
            return nullptr;
        const auto it = m_object.find(std::string(key));
        if (it == m_object.end()) {
            fail(problem(Problem::MissingField, std::string(key), {std::string(key)}));
            return nullptr;
        }
        m_used.insert(std::string(key));
        return &*it;
    }

    std::optional<int> number(std::string_view key, int low, int high)
    {
        const Json *j = value(key);
        if (!j)
            return std::nullopt;
        return checkNumber(key, *j, low, high);
    }

    std::optional<int> checkNumber(std::string_view key, const Json &j, int low, int high)
    {
        if (!j.is_number_integer()) {
            fail(problem(Problem::NotANumber, std::string(key), {std::string(key)}));
            return std::nullopt;
        }
        const bool fits = j.is_number_unsigned() ? j.get<std::uint64_t>() <= 1'000'000
                                                 : j.get<std::int64_t>() >= -1'000'000;
        const long long n = fits ? j.get<std::int64_t>() : 0;
        if (!fits || n < low || n > high) {
            fail(problem(Problem::OutOfRange, std::string(key),
                {std::string(key), numberText(low), numberText(high), j.dump()}));
            return std::nullopt;
        }
        return static_cast<int>(n);
    }

    // The position of one of `names`.
    std::optional<int> choice(std::string_view key, const Names &names)
    {
        const Json *j = value(key);
        if (!j)
            return std::nullopt;
        if (j->is_string()) {
            const auto it = std::find(names.begin(), names.end(), j->get<std::string>());
            if (it != names.end())
                return static_cast<int>(it - names.begin());
        }
        fail(problem(Problem::UnknownChoice, std::string(key),
            {std::string(key), jsonText(*j), joined(names)}));
        return std::nullopt;
    }

    // A number from `low` to `high`, or "Off" for `off`.
    std::optional<int> numberOrOff(std::string_view key, int low, int high, int off)
    {
        const Json *j = value(key);
        if (!j)
            return std::nullopt;
        if (j->is_string() && j->get<std::string>() == kOff)
            return off;
        if (j->is_string()) {
            fail(problem(Problem::UnknownChoice, std::string(key),
                {std::string(key), jsonText(*j),
                    numberText(low) + "..." + numberText(high) + ", \"" + std::string(kOff)
                        + "\""}));
            return std::nullopt;
        }
        return checkNumber(key, *j, low, high);
    }

    // A text of at most `limit` UTF-16 units (0: no limit).
    std::optional<std::string> text(std::string_view key, int limit)
    {
        const Json *j = value(key);
        if (!j)
            return std::nullopt;
        return checkText(key, *j, limit);
    }

    std::optional<std::string> checkText(std::string_view key, const Json &j, int limit)
    {
        if (!j.is_string()) {
            fail(problem(Problem::NotAText, std::string(key), {std::string(key)}));
            return std::nullopt;
        }
        std::string s = j.get<std::string>();
        if (limit > 0 && utf16Length(s) > static_cast<std::size_t>(limit)) {
            fail(
                problem(Problem::TooLong, std::string(key), {std::string(key), numberText(limit)}));
            return std::nullopt;
        }
        return s;
    }

    // Any key not read is refused.
    void finish()
    {
        for (auto it = m_object.begin(); it != m_object.end() && !failed(); ++it) {
            if (!m_used.contains(it.key()))
                fail(problem(Problem::UnknownField, it.key(), {it.key()}));
        }
    }

    void accept(std::string_view key) { m_used.insert(std::string(key)); }

private:
    const Json &m_object;
    std::optional<DocumentError> &m_error;
    std::set<std::string> m_used;
};

// Passwords: from the document, from the user, or left out when the document
// says it leaves them out.
struct PasswordSource {
    bool omitted = false;
    const std::function<std::string(std::string_view)> *ask = nullptr;
    std::vector<std::string> *leftOut = nullptr;

    std::optional<std::string> read(ObjectReader &r, std::string_view key, int limit) const
    {
        if (ask && *ask) {
            r.accept(key);
            return r.checkText(key, Json((*ask)(key)), limit);
        }
        if (omitted && !r.has(key)) {
            leftOut->push_back(std::string(key));
            return std::string();
        }
        return r.text(key, limit);
    }
};

void readCamera(ObjectReader &r, const PasswordSource &passwords, FileSettings &fs)
{
    const CameraQuirks &quirks = ModelCatalogue::cameraQuirks(fs.model);
    // Fields the layout does not hold keep their own defaults, as on a card.
    fs.camera = CameraSettings{};
    fs.extras = MenuExtras{};
    for (const MenuByte &b : documentBytes(fs.model)) {
        if (b.field == MenuField::WirelessDigit1) {
            const auto text = passwords.read(r, kWirelessPassword, 4);
            if (text && text->find_first_not_of("0123456789") != std::string::npos)
                r.fail(problem(Problem::UnknownChoice, std::string(kWirelessPassword),
                    {std::string(kWirelessPassword), jsonText(Json(*text)), "0000...9999"}));
            if (text)
                fs.extras.wirelessPassword = wirelessPasswordDigits(*text);
            continue;
        }
        const CameraKey &k = *cameraKey(b.field);
        std::optional<int> shown;
        switch (k.shape) {
        case Shape::Number:
            if (b.field == MenuField::Interval) {
                // The unit first: the range depends on it.
                const auto unit = r.choice(kIntervalUnit, kIntervalUnits);
                const auto value = unit ? r.number(k.key, *unit == 0 ? 0 : 1, 60) : std::nullopt;
                if (value)
                    keepShownValue(b.field, *value, fs.camera, fs.extras, *unit);
                continue;
            }
            shown = b.field == MenuField::VideoLength ? r.number(k.key, b.low + 1, b.high + 1)
                                                      : r.number(k.key, b.low, b.high);
            break;
        case Shape::Entry: {
            const auto entry = r.number(k.key, b.low + 1, b.low + entryCount(fs.model, b.field, b));
            shown = entry ? std::optional<int>(*entry - 1) : std::nullopt;
            break;
        }
        case Shape::Choice: {
            Names names(k.names.begin(),
                k.names.begin() + std::min<std::ptrdiff_t>(b.high + 1, std::ssize(k.names)));
            if (b.field == MenuField::CameraMode && quirks.photoAndVideoOnly)
                names.resize(2);
            if (b.field == MenuField::SidePir
                && quirks.sidePir == CameraQuirks::SidePir::OffAndLocked)
                names.resize(1);
            shown = r.choice(k.key, names);
            break;
        }
        case Shape::SerialChar: {
            Names names;
            for (std::size_t i = 0; i < kSerialChars.size(); ++i)
                names.push_back(kSerialChars.substr(i, 1));
            shown = r.choice(k.key, names);
            break;
        }
        }
        if (shown)
            keepShownValue(b.field, *shown, fs.camera, fs.extras);
    }
}

// The country and operator of Auto mode by their names.
std::optional<OperatorChoice> readOperator(
    ObjectReader &r, const Names &countries, const std::function<Names(int)> &operators)
{
    const auto country = r.choice("Country", countries);
    if (!country)
        return std::nullopt;
    const auto op = r.choice("Operator", operators(*country));
    if (!op)
        return std::nullopt;
    return OperatorChoice{*country, *op};
}

void readMms(ObjectReader &r, const PasswordSource &passwords, FileSettings &fs)
{
    const MmsFormVariant variant = mmsVariant(fs.model);
    MmsFormValues v = startMmsForm().values;
    const auto mode = r.choice("MmsMode", kAutoManual);
    const auto status = r.choice("MmsStatus", mmsStatusNames(variant));
    if (!mode || !status)
        return;
    v.mode = *mode;
    v.status = *status;
    if (v.autoMode()) {
        const auto choice = readOperator(r, countryNames(i18n::kEnglishLanguage),
            [](int c) { return mmsOperatorNames(c, i18n::kEnglishLanguage); });
        if (!choice)
            return;
        v.choice = *choice;
    } else {
        v.choice = choiceAfterModeChange();
    }
    // Auto mode offers no "CSD".
    const auto connection
        = r.choice("ConnectionType", v.autoMode() ? Names{"APN"} : Names{"APN", "CSD"});
    const auto phoneType = r.choice("PhoneType", {"Domestic", "International"});
    const auto remote = r.numberOrOff("SmsRemoteControl", 0, 24, kSmsRemoteControlOff);
    const auto pictures = r.number("PicturesPerDay", 0, 99);
    if (!connection || !phoneType || !remote || !pictures)
        return;
    v.connectionType = *connection;
    v.international = *phoneType == 1;
    v.smsRemoteControl = *remote;
    v.picturesPerDay = *pictures;
    for (const MmsEditRow &row : mmsEditRows()) {
        if (!row.value || (v.autoMode() && row.fromPreset))
            continue;
        const std::string_view key = mmsKey(row.edit);
        int limit = mmsEditMaxLength(variant, row.edit);
        if (row.edit == MmsEdit::Phone1 && limit == 0)
            limit = mmsPhone1Limit(variant, v.international);
        const auto text = isPasswordKey(key) ? passwords.read(r, key, limit) : r.text(key, limit);
        if (!text)
            return;
        v.*row.value = *text;
    }
    fs.mms = collectMmsSettings(variant, v, fs.context);
}

void readSmtp(ObjectReader &r, const PasswordSource &passwords, FileSettings &fs)
{
    const SmtpFormVariant &variant = smtpVariant(fs.model);
    SmtpFormValues v;
    const auto mode = r.choice("SmtpMode", kAutoManual);
    if (!mode)
        return;
    v.mode = *mode;
    if (variant.hasStatusList()) {
        const auto status = r.choice("SmtpStatus", kSmtpStatusNames);
        if (!status)
            return;
        v.smtpStatus = *status;
    }
    if (v.autoMode()) {
        const auto choice = readOperator(r, gprsCountryNames(i18n::kEnglishLanguage),
            [](int c) { return fromStrings(gprsOperatorNames(c)); });
        if (!choice)
            return;
        v.country = choice->country;
        v.operatorIndex = choice->op;
    }
    const auto remote = r.numberOrOff("SmsRemoteControl", 0, 24, kSmsRemoteOff);
    const auto pictures = r.number("PicturesPerDay", 0, 99);
    if (!remote || !pictures)
        return;
    v.smsRemoteControl = *remote;
    v.picturesPerDay = *pictures;
    for (const SmtpEdit &edit : variant.edits) {
        if (!edit.value || !edit.setting || !edit.visible || (v.autoMode() && edit.fromPreset))
            continue;
        const std::string_view key = smtpKey(edit.field);
        const auto text = isPasswordKey(key) ? passwords.read(r, key, edit.maxLength)
                                             : r.text(key, edit.maxLength);
        if (!text)
            return;
        *edit.value(v) = *text;
    }
    fs.smtp = collectSmtpSettings(variant, v, fs.context.cameraLanguage);
}

std::pair<int, int> lineAndColumn(std::string_view text, std::size_t byte)
{
    int line = 1;
    int column = 1;
    for (std::size_t i = 0; i + 1 < byte && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return {line, column};
}

std::string modelText(int model)
{
    return std::to_string(model) + " (" + std::string(ModelCatalogue::entry(model).listName) + ")";
}

bool modelUsesFile(int model, FileKind kind)
{
    switch (kind) {
    case FileKind::Menu:
        return true;
    case FileKind::Setup:
        return ModelCatalogue::mmsUsable(model);
    case FileKind::Smtp:
        return ModelCatalogue::smtpUsable(model);
    }
    return false;
}

const i18n::TranslatedMessage &messageOf(Problem p)
{
    switch (p) {
    case Problem::NotJson:
        return texts::NotJson;
    case Problem::NotADocument:
        return texts::NotADocument;
    case Problem::NewerVersion:
        return texts::NewerVersion;
    case Problem::WrongModel:
        return texts::WrongModel;
    case Problem::NoSuchForm:
        return texts::NoSuchForm;
    case Problem::WrongFile:
        return texts::WrongFile;
    case Problem::MissingField:
        return texts::MissingField;
    case Problem::UnknownField:
        return texts::UnknownField;
    case Problem::NotANumber:
        return texts::NotANumber;
    case Problem::NotAText:
        return texts::NotAText;
    case Problem::OutOfRange:
        return texts::OutOfRange;
    case Problem::UnknownChoice:
        return texts::UnknownChoice;
    case Problem::TooLong:
        return texts::TooLong;
    case Problem::CheckRefused:
        return texts::CheckRefused;
    case Problem::PasswordLeftOut:
        return texts::PasswordLeftOut;
    }
    return texts::NotJson;
}

// %1..%9 replaced by the arguments in one pass: a "%2" inside an argument stays.
std::string filled(std::string_view pattern, const std::vector<std::string> &args)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1'
            && pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < args.size()) {
                out += args[index];
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

} // namespace

// ---------------------------------------------------------------------------

Json documentJson(const FileSettings &fs, bool withPasswords)
{
    Json doc;
    doc["format"] = std::string(kFormat);
    doc["version"] = kVersion;
    doc["model"] = fs.model;
    doc["modelName"] = std::string(ModelCatalogue::entry(fs.model).listName);
    doc["file"] = std::string(inspect::cardFileName(fs.kind));
    doc["cameraLanguage"] = choiceJson(languageNames(), fs.context.cameraLanguage - 1);
    doc["tvMode"] = fs.context.tvMode;
    Json settings = Json::object();
    switch (fs.kind) {
    case FileKind::Menu:
        cameraJson(fs, true, settings);
        break;
    case FileKind::Setup:
        mmsJson(fs, true, settings);
        break;
    case FileKind::Smtp:
        smtpJson(fs, true, settings);
        break;
    }
    // Passwords left out are said to be, when the settings have any.
    bool omitted = false;
    for (auto it = settings.begin(); !withPasswords && it != settings.end();) {
        if (isPasswordKey(it.key())) {
            it = settings.erase(it);
            omitted = true;
        } else {
            ++it;
        }
    }
    if (omitted)
        doc["passwordsOmitted"] = true;
    doc["settings"] = std::move(settings);
    return doc;
}

std::string jsonText(const Json &json)
{
    return json.dump(2, ' ', false, Json::error_handler_t::replace);
}

std::string documentText(const FileSettings &settings, bool withPasswords)
{
    return jsonText(documentJson(settings, withPasswords)) + "\n";
}

std::string errorText(const DocumentError &error, int language)
{
    std::vector<std::string> args = error.args;
    if (error.refusal)
        args.push_back(error.refusal(language));
    return filled(i18n::message(messageOf(error.problem), language), args);
}

DocumentReading readDocument(std::string_view text, const ReadOptions &options)
{
    DocumentReading out;
    Json doc;
    try {
        doc = Json::parse(text.begin(), text.end());
    } catch (const Json::parse_error &e) {
        const auto [line, column] = lineAndColumn(text, e.byte);
        out.error = problem(Problem::NotJson, {}, {numberText(line), numberText(column)});
        return out;
    }
    if (!doc.is_object() || !doc.contains("format") || doc["format"] != std::string(kFormat)) {
        out.error = problem(Problem::NotADocument, "format", {});
        return out;
    }

    std::optional<DocumentError> &error = out.error;
    ObjectReader top(doc, error);
    top.accept("format");
    const Json *version = top.value("version");
    if (version && version->is_number_integer() && version->get<std::int64_t>() > kVersion) {
        top.fail(
            problem(Problem::NewerVersion, "version", {version->dump(), numberText(kVersion)}));
        return out;
    }
    if (version)
        top.checkNumber("version", *version, 1, kVersion);
    FileSettings fs;
    const auto model = top.number("model", 1, kModelCount);
    if (!model)
        return out;
    fs.model = *model;
    if (options.model && *options.model != fs.model) {
        top.fail(problem(
            Problem::WrongModel, "model", {modelText(fs.model), modelText(*options.model)}));
        return out;
    }
    if (top.has("modelName")) // for people; the number decides
        top.text("modelName", 0);
    static const Names kFiles = {"menu.dat", "setup.dat", "smtp.dat"};
    const auto file = top.choice("file", kFiles);
    if (!file)
        return out;
    fs.kind = static_cast<FileKind>(*file);
    if (options.kind && *options.kind != fs.kind) {
        top.fail(problem(Problem::WrongFile, "file",
            {std::string(kFiles[*file]), std::string(inspect::cardFileName(*options.kind))}));
        return out;
    }
    if (!modelUsesFile(fs.model, fs.kind)) {
        top.fail(problem(
            Problem::NoSuchForm, "file", {modelText(fs.model), std::string(kFiles[*file])}));
        return out;
    }
    const auto language = top.choice("cameraLanguage", languageNames());
    const auto tvMode = top.number("tvMode", 0, 255);
    if (!language || !tvMode)
        return out;
    fs.context.cameraLanguage = static_cast<std::uint8_t>(*language + 1);
    fs.context.tvMode = static_cast<std::uint8_t>(*tvMode);
    bool omitted = false;
    if (top.has("passwordsOmitted")) {
        const Json *flag = top.value("passwordsOmitted");
        if (!flag->is_boolean()) {
            top.fail(problem(Problem::UnknownChoice, "passwordsOmitted",
                {"passwordsOmitted", jsonText(*flag), "true, false"}));
            return out;
        }
        omitted = flag->get<bool>();
    }
    const Json *settings = top.value("settings");
    if (!settings)
        return out;
    top.finish();
    if (error)
        return out;
    if (!settings->is_object()) {
        error = problem(Problem::NotADocument, "settings", {});
        return out;
    }

    ObjectReader r(*settings, error);
    const PasswordSource passwords{omitted, &options.askPassword, &out.passwordsLeftOut};
    switch (fs.kind) {
    case FileKind::Menu:
        readCamera(r, passwords, fs);
        break;
    case FileKind::Setup:
        readMms(r, passwords, fs);
        break;
    case FileKind::Smtp:
        readSmtp(r, passwords, fs);
        break;
    }
    r.finish();
    if (error) {
        out.passwordsLeftOut.clear();
        return out;
    }
    // The record context of each file's settings.
    fs.mms.cameraLanguage = fs.smtp.cameraLanguage = fs.context.cameraLanguage;
    fs.mms.tvMode = fs.context.tvMode;
    out.settings = fs;
    return out;
}

std::vector<std::string> passwordFields(const FileSettings &settings)
{
    std::vector<std::string> out;
    const Json doc = documentJson(settings, true);
    for (const auto &[key, value] : doc["settings"].items()) {
        if (isPasswordKey(key))
            out.push_back(key);
    }
    return out;
}

PreparedWrite prepareWrite(const FileSettings &settings, const CameraClock &now)
{
    PreparedWrite out{std::nullopt, settings};
    FileSettings &fs = out.settings;
    switch (fs.kind) {
    case FileKind::Menu: {
        CameraClock clock = now;
        collectClock(clock, fs.camera);
        break;
    }
    case FileKind::Setup: {
        const MmsFormVariant variant = mmsVariant(fs.model);
        const MmsGenerate prepared
            = prepareMmsGenerate(variant, mmsFormValues(variant, fs.mms), fs.context);
        if (prepared.failure) {
            const MmsCheckFailure failure = *prepared.failure;
            const std::string key(failure.preset ? "Operator" : mmsKey(failure.focus));
            out.error = problem(Problem::CheckRefused, key, {key});
            out.error->refusal
                = [failure](int language) { return mmsRefusalText(failure, language); };
        } else {
            fs.mms = prepared.settings;
        }
        break;
    }
    case FileKind::Smtp: {
        const SmtpFormVariant &variant = smtpVariant(fs.model);
        const SmtpFormValues values = smtpFormValues(variant, fs.smtp);
        if (const auto failure = firstFailingCheck(variant, values)) {
            const std::string key(failure->preset ? "Operator" : smtpKey(failure->field));
            out.error = problem(Problem::CheckRefused, key, {key});
            out.error->refusal = [&variant, failure = *failure](int language) {
                return smtpRefusalText(variant, failure, language);
            };
        } else {
            fs.smtp = collectSmtpSettings(variant, values, fs.context.cameraLanguage);
        }
        break;
    }
    }
    return out;
}

WriteResult writeSettings(std::string_view folder, const FileSettings &prepared)
{
    switch (prepared.kind) {
    case FileKind::Menu:
        return writeMenuFile(folder,
            buildMenuRecord(ModelCatalogue::cameraForm(prepared.model), prepared.camera,
                prepared.extras, prepared.context));
    case FileKind::Setup:
        return writeMmsFile(folder, prepared.mms);
    case FileKind::Smtp:
        return writeSmtpFile(folder, prepared.smtp, smtpVariant(prepared.model).layout);
    }
    return {};
}

} // namespace marrowby::documents
