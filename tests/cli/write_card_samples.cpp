// Writes card folders for the marrowby-inspect tests, through the program's own
// writers, then damages some of them:
//     write_card_samples DIR
// DIR/good          menu.dat (standard), setup.dat, smtp.dat (K600 layout)
// DIR/k600          menu.dat in the K600 layout
// DIR/factory       the factory marker menu.dat
// DIR/bad-crc       menu.dat with one bit flipped inside the checksummed bytes
// DIR/bad-trailer   setup.dat whose trailer carries the SMTP addend
// DIR/truncated     smtp.dat cut short by one record
// DIR/empty         no card files
#include "camera/CameraRecord.h"
#include "mms/MmsRecordFile.h"
#include "records/RecordFile.h"
#include "smtp/SmtpRecordFile.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;
using namespace marrowby;

namespace {

std::vector<std::uint8_t> read(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write(const fs::path &path, const std::vector<std::uint8_t> &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(
        reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

CameraSettings cameraSettings()
{
    CameraSettings s;
    s.CameraMode = 1;
    s.VideoLength = 19;
    s.Interval = 128 + 30;
    s.SidePir = 1;
    s.ClockYear = 11;
    s.ClockMonth = 6;
    s.ClockDay = 15;
    s.ClockHour = 8;
    s.SerialNo = 1;
    s.SerialDigit1 = 10;
    return s;
}

MmsSettings mmsSettings()
{
    MmsSettings m;
    m.sendCode = 1;
    m.picturesPerDay = 20;
    m.international = true;
    m.autoMode = false;
    m.url = "http://mms.example.net";
    m.apn = "mms";
    m.gateway = "10.0.0.1";
    m.port = "8080";
    m.phone1 = "+441234567890";
    m.account = "user";
    m.password = "SecretMms42";
    return m;
}

SmtpSettings smtpSettings()
{
    SmtpSettings s;
    s.autoMode = false;
    s.picturesPerDay = 5;
    s.smsInterval = 6;
    s.apn = "internet";
    s.smtpServer = "smtp.example.net";
    s.port = "25";
    s.senderEmail = "trail@example.net";
    s.senderPassword = "SecretSmtp42";
    s.phoneNumber = "+441234567890";
    s.recipientEmail = "me@example.org";
    return s;
}

bool check(const WriteResult &result)
{
    if (!result)
        std::cerr << "cannot write " << result.path << ": " << result.reason << '\n';
    return result.ok;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: write_card_samples DIR\n";
        return 2;
    }
    const fs::path root = argv[1];
    fs::remove_all(root);
    for (const char *name :
        {"good", "k600", "factory", "bad-crc", "bad-trailer", "truncated", "empty"})
        fs::create_directories(root / name);

    const RecordContext context{.cameraLanguage = 2, .tvMode = 0};
    MenuExtras extras;
    extras.dateFormat = 1;
    const ConfigRecord standard
        = buildMenuRecord(MenuLayout::Standard, cameraSettings(), extras, context);
    extras.secondTimer = {.startHour = 8, .startMinute = 0, .stopHour = 17, .stopMinute = 30};
    const ConfigRecord k600 = buildMenuRecord(MenuLayout::K600, cameraSettings(), extras, context);

    const std::string good = (root / "good").string();
    if (!check(writeMenuFile(good, standard)) || !check(writeMmsFile(good, mmsSettings()))
        || !check(writeSmtpFile(good, smtpSettings(), SmtpLayout::K600))
        || !check(writeMenuFile((root / "k600").string(), k600))
        || !check(writeMenuFile((root / "factory").string(), buildFactoryMarkerRecord()))
        || !check(writeMenuFile((root / "bad-crc").string(), standard))
        || !check(writeMmsFile((root / "bad-trailer").string(), mmsSettings()))
        || !check(writeSmtpFile((root / "truncated").string(), smtpSettings(), SmtpLayout::K600)))
        return 1;

    auto menu = read(root / "bad-crc" / "menu.dat");
    menu.at(3) ^= 0x04;
    write(root / "bad-crc" / "menu.dat", menu);

    // International settings carry addend 18; make it the SMTP addend 15.
    auto setup = read(root / "bad-trailer" / "setup.dat");
    const unsigned check = (setup.at(716) | (setup.at(717) << 8)) - 3u;
    setup[716] = static_cast<std::uint8_t>(check & 0xFF);
    setup[717] = static_cast<std::uint8_t>((check >> 8) & 0xFF);
    write(root / "bad-trailer" / "setup.dat", setup);

    auto smtp = read(root / "truncated" / "smtp.dat");
    smtp.resize(smtp.size() - 60);
    write(root / "truncated" / "smtp.dat", smtp);
    return 0;
}
