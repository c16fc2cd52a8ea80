#include "i18n/TextTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <set>
#include <string>
#include <vector>

using namespace marrowby::i18n;

namespace {

using Texts = std::vector<std::string_view>;

// Strict UTF-8 check: a text typed in a legacy code page would fail it.
bool isUtf8(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t extra = 0;
        unsigned min = 0;
        unsigned cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            min = 0x80;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            min = 0x800;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            min = 0x10000;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= s.size())
            return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

// The placeholders of a message text, in order (%d, %1, %2 ...).
std::vector<std::string> placeholders(std::string_view text)
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        const char next = text[i + 1];
        if (text[i] == '%' && (next == 'd' || (next >= '0' && next <= '9')))
            out.push_back(std::string(text.substr(i, 2)));
    }
    return out;
}

const int kOutside[] = {0, -1, 16, 100, INT_MIN, INT_MAX};

} // namespace

TEST(I18nTables, EveryTableHasEveryLanguageAndValidUtf8)
{
    // Texts may legitimately be the same in several languages, but none is
    // missing: every cell of the text tables holds a text.
    for (const CaptionTable *t : allCaptionTables()) {
        for (std::size_t i = 0; i < t->text.size(); ++i) {
            EXPECT_FALSE(t->text[i].empty()) << t->key << " language " << i + 1;
            EXPECT_TRUE(isUtf8(t->text[i])) << t->key << " language " << i + 1;
        }
    }
    for (const CaptionObjectTable *t : allCaptionObjectTables()) {
        for (std::size_t i = 0; i < t->text.size(); ++i) {
            EXPECT_FALSE(t->text[i].empty()) << t->key << " entry " << i;
            EXPECT_TRUE(isUtf8(t->text[i])) << t->key << " entry " << i;
        }
        EXPECT_EQ(t->text[0], t->text[2]) << t->key << ": entry 0 holds the English text";
    }
    for (const OptionTable *t : allOptionTables()) {
        ASSERT_GE(t->count, 2u) << t->key;
        ASSERT_LE(t->count, 4u) << t->key;
        for (std::size_t lang = 0; lang < t->rows.size(); ++lang) {
            for (std::size_t e = 0; e < t->rows[lang].size(); ++e) {
                const auto text = t->rows[lang][e];
                // Every row has exactly `count` entries, so every language
                // offers the same positions.
                EXPECT_EQ(!text.empty(), e < t->count)
                    << t->key << " language " << lang + 1 << " entry " << e;
                EXPECT_TRUE(isUtf8(text)) << t->key;
            }
        }
    }
    for (const Message *m : allMessages()) {
        EXPECT_FALSE(m->chinese.empty()) << m->key;
        EXPECT_FALSE(m->english.empty()) << m->key;
        EXPECT_TRUE(isUtf8(m->chinese) && isUtf8(m->english)) << m->key;
        EXPECT_EQ(placeholders(m->chinese), placeholders(m->english)) << m->key;
    }
}

// A message in every language holds a text in each of them with the English
// text's placeholders: a translation may put %1 %2 ... in another order but
// never drops, adds or renumbers one (%d are filled in order and keep theirs).
// The thirteen translations keep the file names and technical words as the
// English text has them.
TEST(I18nTables, TranslatedMessagesHaveEveryLanguageAndTheEnglishPlaceholders)
{
    const std::string_view kept[]
        = {"menu.dat", "setup.dat", "smtp.dat", "mms.dat", "CR LF", "CRC", "@", "55", "58", "15"};
    for (const TranslatedMessage *m : allTranslatedMessages()) {
        const std::string_view english = message(*m, kEnglishLanguage);
        std::vector<std::string> expected = placeholders(english);
        std::sort(expected.begin(), expected.end());
        for (int lang = 1; lang <= kLanguageCount; ++lang) {
            SCOPED_TRACE(std::string(m->key) + " language " + std::to_string(lang));
            const std::string_view text = m->text[static_cast<std::size_t>(lang - 1)];
            EXPECT_FALSE(text.empty());
            EXPECT_TRUE(isUtf8(text));
            std::vector<std::string> found = placeholders(text);
            std::sort(found.begin(), found.end());
            EXPECT_EQ(found, expected) << text;
            if (lang == kChineseLanguage || lang == kEnglishLanguage)
                continue;
            for (std::string_view word : kept) {
                if (english.find(word) != std::string_view::npos) {
                    EXPECT_NE(text.find(word), std::string_view::npos) << word << ": " << text;
                }
            }
        }
    }
}

TEST(I18nTables, RegistriesHoldEveryTableOnceUnderAUniqueKey)
{
    std::set<std::string_view> keys;
    std::size_t total = 0;
    auto note = [&](std::string_view key) {
        ++total;
        EXPECT_TRUE(keys.insert(key).second) << "duplicate key " << key;
        EXPECT_NE(key.find('.'), std::string_view::npos) << key;
    };
    for (const CaptionTable *t : allCaptionTables())
        note(t->key);
    for (const OptionTable *t : allOptionTables())
        note(t->key);
    for (const CaptionObjectTable *t : allCaptionObjectTables())
        note(t->key);
    for (const Message *m : allMessages())
        note(m->key);
    for (const TranslatedMessage *m : allTranslatedMessages())
        note(m->key);
    EXPECT_EQ(keys.size(), total);

    // 7 main window + 3 buttons and the folder edit's name + 10 MMS/SMTP + 8 MMS and the
    // connection-type list's name + 11 SMTP + 1 operator presets + 33 camera + 1 card check
    // + 1 loading from the card + 2 of the test e-mail + 2 settings documents.
    EXPECT_EQ(allCaptionTables().size(), 80u);
    // 4 MMS + 2 SMTP + 8 camera.
    EXPECT_EQ(allOptionTables().size(), 14u);
    EXPECT_EQ(allCaptionObjectTables().size(), 2u);
    // The dialog layer's 3, the range check, the file writers' 3 and the typed
    // clock's + 52 of the card inspector + 9 of loading from and writing to the card
    // + 26 of the test e-mail + 24 of settings documents.
    EXPECT_EQ(allTranslatedMessages().size(), 120u);
}

TEST(I18nTables, CellsInEveryScriptAndTheQuirksOfTheTables)
{
    struct Cell {
        const CaptionTable *table;
        int language;
        std::string_view text;
    };
    const Cell cells[] = {
        // Trailing and doubled spaces are part of the texts.
        {&mainwindow::VersionPrefix, 3, "Programmversion "},
        {&camera::SensorLevel, 15, "Чувст. PIR "},
        {&smtp::Email01, 15, "E-mail  01"},
        // Full-width colon in English, Japanese and Turkish, none in Polish.
        {&mmssmtp::NoteUnlimited, 2, "Note\uFF1A0=Unlimited"},
        {&mmssmtp::NoteUnlimited, 10, "注意：0=制限なし"},
        {&mmssmtp::NoteUnlimited, 13, "Not：0=sınırsız"},
        {&mmssmtp::NoteUnlimited, 5, "Nota: -00- = illimitato"},
        {&mmssmtp::NoteUnlimited, 12, "Uwaga: 0=Brak ograniczeń"},
        // The Czech "Second" reads "Minuta".
        {&camera::Second, 9, "Minuta"},
        // Japanese mode and status captions are shown as the table holds them.
        {&mms::MmsMode, 10, "MMSステータス"},
        {&mms::MmsStatus, 10, "MMS モード"},
        {&mms::MmsMode, 13, "MMS Modu"},
        // The two "Port" and "Password" tables differ.
        {&mms::Port, 1, "彩信端口"},
        {&smtp::ServerPort, 1, "SMTP端口"},
        {&mmssmtp::Password, 15, "Password"},
        {&smtp::SenderPassword, 15, "Пароль"},
        {&mmssmtp::Password, 5, "Password"},
        {&smtp::SenderPassword, 5, "Parola d'ordine"},
        // A cell per script and group.
        {&shared::Generate, 1, "生成配置文件"},
        {&shared::Generate, 10, "ファイル作成"},
        {&shared::Exit, 12, "Wyjście"},
        {&shared::Select, 13, "seçenek"},
        {&mainwindow::CameraSetup, 14, "Устан. Камеры"},
        {&mainwindow::LatestUpdates, 11, "Paspauskite, jei norite atnaujinti"},
        {&mainwindow::SelectLanguage, 1, "选择语言"},
        {&camera::East, 14, "Схід"},
        {&camera::North, 8, "S"},
        {&camera::GetTime, 10, "PC時間反映"},
        {&camera::SerialNo, 9, "Sekundy"},
        {&smtp::GprsSetting, 15, "SMTP настройки"},
        // Some texts hold no-break spaces; they are kept, not normalised.
        {&mmssmtp::SmsRemoteControl, 6, "Contr\u00F4le\u00A0\u00E0\u00A0distance\u00A0SMS"},
        {&smtp::SmtpStatus, 12, "Stanu\u00A0SMTP"},
    };
    for (const Cell &c : cells)
        EXPECT_EQ(caption(*c.table, c.language), c.text)
            << c.table->key << " language " << c.language;

    EXPECT_EQ(caption(camera::SidePir, 10), "サイドセンサー");
    EXPECT_EQ(caption(camera::SdCycle, 11), "SD kortelė ciklas");
}

TEST(I18nTables, OptionListsInSeveralLanguages)
{
    struct Row {
        const OptionTable *table;
        int language;
        Texts entries;
    };
    const Row rows[] = {
        {&camera::SensorLevelOptions, 10, {"中", "高", "低", "オフ"}},
        {&camera::SensorLevelOptions, 2, {"Normal", "High", "Low", "Off"}},
        {&camera::PictureCountOptions, 8, {"1 slika", "2 sliki", "3 slike"}},
        {&camera::PictureCountOptions, 7, {"01 Fenykep", "02 Fenykep", "03 Fenykep"}},
        {&camera::DateFormatOptions, 14, {"ГГ/ММ/ДД", "ММ/ДД/ГГ", "ДД/ММ/ГГ"}},
        {&camera::DateFormatOptions, 4, {"VVKKPP", "KKPPVV", "PPKKVV"}},
        {&camera::DateFormatOptions, 1, {"年月日", "月日年", "日月年"}},
        {&camera::CaptureModeOptions, 12, {"Zdjęcia", "Wideo", "Zdjęcia+Wideo"}},
        {&camera::IntervalUnitOptions, 9, {"Minuta", "Min"}},
        {&camera::K500SecondMinute, 1, {"秒", "分"}},
        {&camera::IntervalUnitOptions, 1, {"秒钟", "分钟"}},
        {&mms::StatusOptionsNoQvga, 10, {"オフ", "VGA", "SMS"}},
        {&mms::StatusOptions, 10, {"オフ", "VGA", "QVGA", "SMS"}},
        {&mms::PhoneTypeOptions, 15, {"внутренний", "Международн."}},
        {&mms::ModeOptions, 4, {"Auto", "Käsikirja"}},
        {&smtp::StatusOptions, 1, {"关闭", "VGA", "短信"}},
    };
    for (const Row &r : rows)
        EXPECT_EQ(options(*r.table, r.language), r.entries)
            << r.table->key << " language " << r.language;
}

TEST(I18nTables, RelatedTablesAgreeInEveryLanguage)
{
    for (int lang = 1; lang <= kLanguageCount; ++lang) {
        SCOPED_TRACE(lang);
        // The two on/off lists hold the same words in opposite order.
        const Texts onOff = options(camera::OnOffOptions, lang);
        const Texts offOn = options(camera::OffOnOptions, lang);
        EXPECT_EQ(onOff, (Texts{offOn[1], offOn[0]}));

        // The MMS status lists differ only by QVGA, and the SMS remote
        // control's "Off" is the status list's "Off".
        Texts withQvga = options(mms::StatusOptionsNoQvga, lang);
        withQvga.insert(withQvga.begin() + 2, "QVGA");
        EXPECT_EQ(options(mms::StatusOptions, lang), withQvga);
        EXPECT_EQ(options(smtp::StatusOptions, lang), options(mms::StatusOptionsNoQvga, lang));
        EXPECT_EQ(options(smtp::ModeOptions, lang), options(mms::ModeOptions, lang));
        EXPECT_EQ(caption(mmssmtp::Off, lang), options(mms::StatusOptions, lang)[0]);
        EXPECT_EQ(caption(mmssmtp::Off, lang), offOn[0]);

        // The interval units are the "Second" and "Minute" captions; the K500
        // captions are the same except for the shorter Chinese words.
        const Texts units = options(camera::IntervalUnitOptions, lang);
        EXPECT_EQ(units, (Texts{caption(camera::Second, lang), caption(camera::Minute, lang)}));
        if (lang != kChineseLanguage) {
            EXPECT_EQ(options(camera::K500SecondMinute, lang), units);
        }
        EXPECT_EQ(caption(camera::Hour, lang), caption(mmssmtp::Hour, lang));
    }
}

TEST(I18nTables, OutOfRangeIndicesReadEnglish)
{
    for (int outside : kOutside) {
        SCOPED_TRACE(outside);
        EXPECT_FALSE(isValidLanguage(outside));
        EXPECT_EQ(caption(mainwindow::VersionPrefix, outside), "Version");
        EXPECT_EQ(caption(smtp::ServerPort, outside), "Port");
        EXPECT_EQ(options(camera::CaptureModeOptions, outside),
            (Texts{"Camera", "Video", "Camera+Video"}));
        EXPECT_EQ(caption(camera::SidePir, outside), "Side PIR");
        EXPECT_EQ(message(camera::MenuFileGenerated, outside),
            "Camera menu configuration file is generated");
        EXPECT_EQ(message(framework::EnterInteger, outside), "Please enter an integer.");
    }
    EXPECT_TRUE(isValidLanguage(1));
    EXPECT_TRUE(isValidLanguage(15));
    // The sixteen-entry captions read entry LanguageIndex, not LanguageIndex - 1.
    EXPECT_EQ(caption(camera::SidePir, 1), "侧面PIR");
    EXPECT_EQ(caption(camera::SidePir, 15), "Боковые PIR");
    EXPECT_EQ(caption(camera::SdCycle, 2), "SD Cycle");
}

TEST(I18nTables, MessagesAreChineseOnlyForLanguageOne)
{
    EXPECT_EQ(message(mms::PhoneDigitLimit, 1), "最大允许手机号码位数 %d!");
    EXPECT_EQ(message(smtp::EnterEmail, 1), "请输入Email");
    for (int lang : {2, 3, 10, 14, 15}) {
        SCOPED_TRACE(lang);
        EXPECT_EQ(
            message(mms::PhoneDigitLimit, lang), "The max allowable number of digits phone %d!");
        EXPECT_EQ(message(smtp::EnterEmail, lang), "Please Input Email");
    }

    // Texts that differ between forms are kept apart.
    EXPECT_EQ(message(camera::FactoryFileGenerated, 1), " 相机菜单出厂设置文件已经生成");
    EXPECT_EQ(message(camera::FactoryFileGeneratedNoSpace, 1), "相机菜单出厂设置文件已经生成");
    EXPECT_EQ(message(camera::MenuFileGeneratedShort, 3), "Configuration file is generated");
    EXPECT_EQ(message(mms::GatewayDotError, 1), "彩信网关错误(.)");
    EXPECT_EQ(message(mms::GatewayDotErrorK600, 1), "网关错误(.)");
    EXPECT_EQ(message(mms::SetPhone1, 2), message(mms::PhoneError01, 2));
    EXPECT_EQ(message(mms::FileGenerated, 5),
        "MMS configuration file (URL|APN|Gateway|Port ...) has been generated");
}

TEST(I18nTables, TheProgramsOwnMessagesInEveryLanguage)
{
    struct Cell {
        const TranslatedMessage *table;
        int language;
        std::string_view text;
    };
    const Cell cells[] = {
        {&shared::OutOfRange, 1, "请输入一个介于%d和%d之间的值!"},
        {&shared::OutOfRange, 2, "Please enter an integer between %d and %d!"},
        {&shared::OutOfRange, 3, "Bitte geben Sie eine ganze Zahl zwischen %d und %d ein!"},
        {&framework::EnterInteger, 1, "请输入一个整数。"},
        {&framework::EnterInteger, 2, "Please enter an integer."},
        {&framework::EnterInteger, 10, "整数を入力してください。"},
        {&framework::TooManyCharacters, 1, "输入的字符请不要多于 %1 个。"},
        {&framework::TooManyCharacters, 2, "Please enter no more than %1 characters."},
        {&framework::TooManyCharacters, 15, "Введите не более %1 символов."},
        {&framework::IntegerBetween, 1, "请输入一个 %1 至 %2 之间的整数。"},
        {&framework::IntegerBetween, 2, "Please enter an integer between %1 and %2."},
        {&framework::IntegerBetween, 14, "Введіть ціле число від %1 до %2."},
        {&shared::WriteFailed, 1, "无法写入文件 %1：%2"},
        {&shared::WriteFailed, 2, "Could not write the file %1: %2"},
        {&shared::WriteFailed, 7, "A(z) %1 fájlt nem sikerült írni: %2"},
        {&camera::ClockTextInvalid, 2,
            "The clock is not a valid date and time. Please type it as %1."},
        {&files::PathTooLong, 1,
            "无法写入 %1：其路径将超过 %2 个字符，这是本程序能写入的最大长度。"
            "请选择路径较短的文件夹，例如存储卡的根目录。"},
        {&files::PathTooLong, 2,
            "%1 cannot be written: its path would be longer than %2 characters, the most this "
            "program can write. Choose a folder with a shorter path, such as the memory card's top "
            "folder."},
    };
    for (const Cell &c : cells)
        EXPECT_EQ(message(*c.table, c.language), c.text)
            << c.table->key << " language " << c.language;
}

TEST(I18nTables, LanguageList)
{
    EXPECT_EQ(languageListEntry(0, true), "中文");
    EXPECT_EQ(languageListEntry(0, false), "Chinese");
    for (bool chinese : {false, true}) {
        EXPECT_EQ(languageListEntry(1, chinese), "English");
        EXPECT_EQ(languageListEntry(5, chinese), "Francais");
        EXPECT_EQ(languageListEntry(9, chinese), "Japanese");
        EXPECT_EQ(languageListEntry(14, chinese), "Russian");
        for (int outside : {-1, 15, INT_MAX})
            EXPECT_TRUE(languageListEntry(outside, chinese).empty());
    }
    std::set<std::string_view> names;
    for (int e = 0; e < kLanguageListSize; ++e)
        names.insert(languageListEntry(e, false));
    EXPECT_EQ(names.size(), 15u);
}
