#include "records/Crc16.h"
#include "records/RecordFraming.h"
#include "records/RecordText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

using namespace marrowby;

namespace {

// The code page record texts are converted to: the machine's OEM code page on
// Windows, 437 elsewhere.
unsigned oemCodePage()
{
#ifdef _WIN32
    return GetOEMCP();
#else
    return 437;
#endif
}

std::vector<std::uint8_t> bytesOf(std::string_view text)
{
    return {text.begin(), text.end()};
}

} // namespace

TEST(Crc16, CheckValuesAndTable)
{
    EXPECT_EQ(crc16Of(bytesOf("123456789")), 0x31C3);
    EXPECT_EQ(crc16Of(bytesOf("abc")), 0x9DD6);
    EXPECT_EQ(crc16Of(std::vector<std::uint8_t>(37, 0)), 0);

    EXPECT_EQ(Crc16Table[0], 0x0000);
    EXPECT_EQ(Crc16Table[1], 0x1021);
    EXPECT_EQ(Crc16Table[128], 0x9188);
    EXPECT_EQ(Crc16Table[255], 0x1EF0);
}

TEST(Crc16, UpdateContinuesFromTheAccumulator)
{
    const auto all = bytesOf("123456789");
    CrcAccumulator = 0;
    Crc16Update(all.data(), 4);
    const std::uint32_t result = Crc16Update(all.data() + 4, 5);
    EXPECT_EQ(result, 0x31C3u);
    EXPECT_EQ(CrcAccumulator, 0x31C3u);
}

TEST(MenuFileFraming, CoversBytes0To49Only)
{
    ConfigRecord zero;
    MenuFileFraming(zero);
    EXPECT_EQ(zero[56], 0);
    EXPECT_EQ(zero[57], 0);
    EXPECT_EQ(zero[58], 0x0D);
    EXPECT_EQ(zero[59], 0x0A);

    ConfigRecord record;
    const std::string digits = "123456789";
    std::copy(digits.begin(), digits.end(), record.bytes.begin());
    MenuFileFraming(record);
    const std::vector<std::uint8_t> first50(record.bytes.begin(), record.bytes.begin() + 50);
    const std::uint16_t expected = crc16Of(first50);
    EXPECT_NE(expected, 0x31C3) << "the CRC runs over all 50 bytes, not the nine digits";
    EXPECT_EQ(record[56], expected & 0xFF);
    EXPECT_EQ(record[57], expected >> 8);

    // Bytes 50..55 lie outside the checksum.
    for (std::size_t i = 50; i <= 55; ++i) {
        ConfigRecord changed = record;
        changed[i] = 0x5A;
        MenuFileFraming(changed);
        EXPECT_EQ(changed[56], record[56]) << "byte " << i;
        EXPECT_EQ(changed[57], record[57]) << "byte " << i;
    }
}

TEST(RecordScramble, ExamplesAndInverse)
{
    const std::pair<std::uint8_t, std::uint8_t> examples[]
        = {{0x00, 0xFF}, {0x12, 0xDE}, {0x41, 0xEB}, {0x0D, 0x2F}, {0xFF, 0x00}};
    for (const auto &[plain, scrambled] : examples)
        EXPECT_EQ(RecordScramble(plain), scrambled) << int(plain);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(RecordUnscramble(RecordScramble(static_cast<std::uint8_t>(b))), b);
}

TEST(PutRecordText, SizesAroundTheRecordLimit)
{
    struct Case {
        std::size_t length;
        bool written;
    };
    for (const Case c :
        {Case{57, true}, Case{58, true}, Case{59, true}, Case{60, false}, Case{61, false}}) {
        ConfigRecord record;
        record[0] = 0x77; // must survive a refused text
        const std::string text(c.length, 'A');
        EXPECT_EQ(PutRecordText(text, record), c.written) << c.length;
        if (c.written) {
            for (std::size_t i = 0; i < c.length; ++i)
                ASSERT_EQ(record[i], 'A');
            EXPECT_EQ(record[c.length], 0) << "terminator after " << c.length;
        } else {
            EXPECT_EQ(record[0], 0x77) << c.length;
            EXPECT_EQ(record[59], 0) << c.length;
        }
    }
}

TEST(PutRecordText, ConvertsToTheOemCodePageAndMeasuresAfterConversion)
{
    const unsigned codePage = oemCodePage();
    ConfigRecord record;
    if (codePage == 936) {
        // Chinese: two bytes a character, and the limit counts converted bytes.
        std::string fits;
        for (int i = 0; i < 29; ++i)
            fits += "\xE4\xB8\xAD";
        ASSERT_TRUE(PutRecordText(fits, record));
        EXPECT_EQ(record[0], 0xD6);
        EXPECT_EQ(record[57], 0xD0);
        EXPECT_EQ(record[58], 0);
        ConfigRecord refused;
        EXPECT_FALSE(PutRecordText(fits + "\xE4\xB8\xAD", refused));
        return;
    }
    if (codePage != 437 && codePage != 850)
        GTEST_SKIP() << "no expectations for OEM code page " << codePage;

    // "Müller" and "é" have the same places in code pages 437 and 850; Chinese has
    // none and becomes '?'.
    ASSERT_TRUE(PutRecordText("M\xC3\xBCller \xC3\xA9 \xE4\xB8\xAD", record));
    const std::vector<std::uint8_t> expected
        = {'M', 0x81, 'l', 'l', 'e', 'r', ' ', 0x82, ' ', '?', 0};
    EXPECT_EQ(std::vector<std::uint8_t>(record.bytes.begin(), record.bytes.begin() + 11), expected);

    // 59 characters of two UTF-8 bytes each still fit: the limit counts converted bytes.
    std::string umlauts;
    for (int i = 0; i < 59; ++i)
        umlauts += "\xC3\xA4";
    ConfigRecord fits;
    EXPECT_TRUE(PutRecordText(umlauts, fits));
    EXPECT_EQ(fits[58], 0x84);
    EXPECT_EQ(fits[59], 0);
}

// A letter the code page lacks but that has a close relative: Windows converts
// "Ł" to "L", the table used elsewhere to '?'.
TEST(PutRecordText, LetterOutsideTheCodePage)
{
    if (oemCodePage() != 437 && oemCodePage() != 850)
        GTEST_SKIP() << "no expectations for OEM code page " << oemCodePage();
#ifdef _WIN32
    EXPECT_EQ(toOemText("\xC5\x81\xC3\xB3"
                        "d\xC5\xBA"),
        "L\xA2"
        "dz");
#else
    EXPECT_EQ(toOemText("\xC5\x81\xC3\xB3"
                        "d\xC5\xBA"),
        "?\xA2"
        "d?");
#endif
}

TEST(RecordText, Utf16Length)
{
    EXPECT_EQ(utf16Length(""), 0u);
    EXPECT_EQ(utf16Length("abc"), 3u);
    EXPECT_EQ(utf16Length("\xE4\xB8\xAD\xE6\x96\x87"), 2u); // two CJK characters
    EXPECT_EQ(utf16Length("\xF0\x9F\x93\xB7"), 2u);         // one character outside the BMP
    EXPECT_EQ(utf16ToUtf8(utf8ToUtf16("Kamera \xD0\x9A\xD0\xB0")), "Kamera \xD0\x9A\xD0\xB0");
}
