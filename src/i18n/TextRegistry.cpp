// Generated list of every text table, in the order the tables are defined.
#include "i18n/CardPlaceTexts.h"
#include "i18n/CardTexts.h"
#include "i18n/MailTexts.h"
#include "i18n/DocumentTexts.h"
#include "i18n/PresetTexts.h"
#include "i18n/TextTables.h"

#include <vector>

namespace marrowby::i18n {

namespace {

const CaptionTable *const kCaptionTables[] = {
    &mainwindow::CameraSetup,
    &mainwindow::MmsSetup,
    &mainwindow::SmtpSetup,
    &mainwindow::LatestUpdates,
    &mainwindow::SelectLanguage,
    &mainwindow::CameraModel,
    &mainwindow::VersionPrefix,
    &shared::Select,
    &shared::Folder,
    &shared::Generate,
    &shared::Exit,
    &mmssmtp::PictureNoPerDay,
    &mmssmtp::NoteUnlimited,
    &mmssmtp::Country,
    &mmssmtp::Operator,
    &mmssmtp::SmsRemoteControl,
    &mmssmtp::Hour,
    &mmssmtp::Off,
    &mmssmtp::Account,
    &mmssmtp::Password,
    &mmssmtp::PhoneNo,
    &mms::Mms,
    &mms::MmsMode,
    &mms::MmsStatus,
    &mms::Url,
    &mms::Gateway,
    &mms::Port,
    &mms::Email,
    &mms::PhoneOrEmail,
    &mms::ConnectionType,
    &smtp::SmtpMode,
    &smtp::SmtpStatus,
    &smtp::GprsSetting,
    &smtp::Sender,
    &smtp::Recipients,
    &smtp::SmtpServer,
    &smtp::ServerPort,
    &smtp::SenderEmail,
    &smtp::SenderPassword,
    &smtp::Email01,
    &smtp::Sms,
    &camera::Mode,
    &camera::ImageSize,
    &camera::VideoSize,
    &camera::PictureNo,
    &camera::TimeStamp,
    &camera::SensorLevel,
    &camera::VideoLength,
    &camera::WirelessPwd,
    &camera::Interval,
    &camera::SetClock,
    &camera::Timer,
    &camera::Timer1,
    &camera::Timer2,
    &camera::SerialNo,
    &camera::TimeLapse,
    &camera::Start,
    &camera::Stop,
    &camera::Hour,
    &camera::Minute,
    &camera::Second,
    &camera::DateFormat,
    &camera::GetTime,
    &camera::BeepSound,
    &camera::Default,
    &camera::Coordinate,
    &camera::Direction,
    &camera::Degree,
    &camera::Longitude,
    &camera::East,
    &camera::West,
    &camera::Latitude,
    &camera::South,
    &camera::North,
    &inspect::CheckCard,
    &cardplace::LoadFromCard,
};

const OptionTable *const kOptionTables[] = {
    &mms::ModeOptions,
    &mms::StatusOptionsNoQvga,
    &mms::StatusOptions,
    &mms::PhoneTypeOptions,
    &smtp::ModeOptions,
    &smtp::StatusOptions,
    &camera::CaptureModeOptions,
    &camera::PictureCountOptions,
    &camera::OnOffOptions,
    &camera::SensorLevelOptions,
    &camera::IntervalUnitOptions,
    &camera::K500SecondMinute,
    &camera::OffOnOptions,
    &camera::DateFormatOptions,
};

const CaptionObjectTable *const kCaptionObjectTables[] = {
    &camera::SdCycle,
    &camera::SidePir,
};

const Message *const kMessages[] = {
    &camera::MenuFileGenerated,
    &camera::MenuFileGeneratedShort,
    &camera::FactoryFileGenerated,
    &camera::FactoryFileGeneratedNoSpace,
    &mms::FileGenerated,
    &mms::InternationalPhone,
    &mms::PhoneDigitLimit,
    &mms::PhoneError01,
    &mms::PhoneError02,
    &mms::PhoneError03,
    &mms::PhoneDigitsOnly,
    &mms::RecheckPhone,
    &mms::PhoneAndEmailError,
    &mms::RecheckPhoneOrEmail,
    &mms::EmailErrorAt,
    &mms::EmailErrorDot,
    &mms::UrlError,
    &mms::ApnError,
    &mms::GatewayError,
    &mms::PortError,
    &mms::GatewayDotError,
    &mms::GatewayDotErrorK600,
    &mms::SetPhone1,
    &smtp::FileGenerated,
    &smtp::EnterGprsApn,
    &smtp::EnterSmtpServer,
    &smtp::SetPort,
    &smtp::EnterEmail,
    &smtp::EmailErrorAt,
    &smtp::EmailErrorDot,
    &smtp::EnterSenderPassword,
    &smtp::EnterEmail01,
    &smtp::Email01ErrorAt,
    &smtp::Email01ErrorDot,
    &smtp::PhoneError,
};

const TranslatedMessage *const kTranslatedMessages[] = {
    &shared::OutOfRange,
    &shared::WriteFailed,
    &camera::ClockTextInvalid,
    &framework::EnterInteger,
    &framework::TooManyCharacters,
    &framework::IntegerBetween,
    &files::PlainFileLeft,
    &files::PathTooLong,
    &presets::IncompletePreset,
};

} // namespace

std::span<const CaptionTable *const> allCaptionTables()
{
    // The program's own captions, then the test e-mail's and the settings
    // documents' commands.
    static const std::vector<const CaptionTable *> all = [] {
        std::vector<const CaptionTable *> tables(
            std::begin(kCaptionTables), std::end(kCaptionTables));
        const auto mail = mail::allMailCaptions();
        tables.insert(tables.end(), mail.begin(), mail.end());
        const auto documents = documents::allDocumentCaptions();
        tables.insert(tables.end(), documents.begin(), documents.end());
        return tables;
    }();
    return all;
}
std::span<const OptionTable *const> allOptionTables()
{
    return kOptionTables;
}
std::span<const CaptionObjectTable *const> allCaptionObjectTables()
{
    return kCaptionObjectTables;
}
std::span<const Message *const> allMessages()
{
    return kMessages;
}
std::span<const TranslatedMessage *const> allTranslatedMessages()
{
    // The program's own messages, then the card inspector's, the card place's,
    // the test e-mail's and the settings documents'.
    static const std::vector<const TranslatedMessage *> all = [] {
        std::vector<const TranslatedMessage *> messages(
            std::begin(kTranslatedMessages), std::end(kTranslatedMessages));
        const auto inspect = inspect::allInspectMessages();
        messages.insert(messages.end(), inspect.begin(), inspect.end());
        const auto cardPlace = cardplace::allCardPlaceMessages();
        messages.insert(messages.end(), cardPlace.begin(), cardPlace.end());
        const auto mail = mail::allMailMessages();
        messages.insert(messages.end(), mail.begin(), mail.end());
        const auto documents = documents::allDocumentMessages();
        messages.insert(messages.end(), documents.begin(), documents.end());
        return messages;
    }();
    return all;
}

} // namespace marrowby::i18n
