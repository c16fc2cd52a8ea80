// Texts of the card inspector: Chinese first, then English. Placeholders are
// positional (%1, %2, ...) and appear in the same order in both texts.
#include "i18n/CardTexts.h"

// Hand-aligned tables: one row per entry, kept as written.
// clang-format off

namespace marrowby::i18n::inspect {

const Message Year{"inspect.Year", "年", "Year"};
const Message Month{"inspect.Month", "月", "Month"};
const Message Day{"inspect.Day", "日", "Day"};
const Message CameraLanguage{"inspect.CameraLanguage", "相机语言", "Camera language"};
const Message TvMode{"inspect.TvMode", "电视制式", "TV mode"};
const Message Copy{"inspect.Copy", "(副本)", "(copy)"};
const Message SendCode{"inspect.SendCode", "发送代码", "Send code"};
const Message ConnectionType{"inspect.ConnectionType", "连接方式", "Connection type"};
const Message PhoneType{"inspect.PhoneType", "号码类型", "Phone type"};
const Message SenderUserName{"inspect.SenderUserName", "发件人用户名", "Sender user name"};

const Message ListEntry{"inspect.ListEntry", "列表第 %1 项", "list entry %1"};
const Message Unlimited{"inspect.Unlimited", "无限制", "unlimited"};
const Message Masked{"inspect.Masked", "(已隐藏)", "(hidden)"};

const Message MenuFile{"inspect.MenuFile", "相机菜单设置文件", "Camera menu file"};
const Message SetupFile{"inspect.SetupFile", "MMS配置文件", "MMS configuration file"};
const Message SmtpFile{"inspect.SmtpFile", "SMTP配置文件", "SMTP configuration file"};
const Message MmsInternational{"inspect.MmsInternational", "MMS配置文件(国际)", "MMS configuration file (international)"};
const Message MmsDomestic{"inspect.MmsDomestic", "MMS配置文件(国内)", "MMS configuration file (domestic)"};
const Message FactoryMarker{"inspect.FactoryMarker",
    "出厂设置文件：相机将恢复其出厂设置",
    "Factory settings file: the camera returns to its factory settings"};

const Message LayoutsThatFit{"inspect.LayoutsThatFit", "符合的相机格式：", "Layouts that fit:"};
const Message LayoutsTried{"inspect.LayoutsTried", "已尝试的相机格式：", "Layouts tried:"};
const Message Findings{"inspect.Findings", "发现的问题：", "Findings:"};
const Message NoFindings{"inspect.NoFindings", "未发现问题", "No findings"};
const Message Bytes{"inspect.Bytes", "%1 字节", "%1 bytes"};

const Message WrongSize{"inspect.WrongSize",
    "文件大小为 %1 字节，应为 %2 字节",
    "The file has %1 bytes; it should have %2"};
const Message MissingLineEnd{"inspect.MissingLineEnd",
    "记录 %1 的第 58、59 字节不是回车换行",
    "Record %1 does not end in CR LF (bytes 58 and 59)"};
const Message BadCrc{"inspect.BadCrc",
    "校验和错误：文件中为 %1，计算结果为 %2",
    "Bad checksum: the file holds %1, the bytes give %2"};
const Message BadTrailer{"inspect.BadTrailer",
    "尾记录校验值 %1 错误：内容的校验和为 %2，加 0、15 或 18 都不等于该值",
    "Bad trailer check value %1: the content's CRC is %2, and adding 0, 15 or 18 to it does not give the stored value"};
const Message KindMismatch{"inspect.KindMismatch",
    "尾记录表明这是%1，但文件名表明这是%2",
    "The trailer marks this file as %1, but its name says %2"};
const Message InternationalMismatch{"inspect.InternationalMismatch",
    "设置记录的号码类型为%1，尾记录却为%2",
    "The settings record says %1, but the trailer says %2"};
const Message TrailerNotZero{"inspect.TrailerNotZero",
    "尾记录第 %1 字节应为 0，实为 %2",
    "Byte %1 of the trailer record should be 0 but is %2"};
const Message OutOfRange{"inspect.OutOfRange",
    "%1：值 %2 不在 %3 到 %4 之间",
    "%1: the value %2 is outside %3 to %4"};
const Message UnexpectedByte{"inspect.UnexpectedByte",
    "记录 %1 第 %2 字节为 %3，应为 %4",
    "Record %1, byte %2 holds %3 where %4 belongs"};
const Message TextLength{"inspect.TextLength",
    "%1：长度字节为 %2，但文本有 %3 个字符",
    "%1: the length byte says %2 characters, the text has %3"};
const Message TextNotTerminated{"inspect.TextNotTerminated",
    "%1：文本没有结束符",
    "%1: the text has no terminating zero"};
const Message TextTooLong{"inspect.TextTooLong",
    "%1：文本有 %2 个字符，表单最多允许 %3 个",
    "%1: the text has %2 characters; the forms allow at most %3"};
const Message ModeMismatch{"inspect.ModeMismatch",
    "%1：模式标志(第 55 字节)与国家字节不符",
    "%1: the mode flag (byte 55) disagrees with the country byte"};
const Message UserNameMismatch{"inspect.UserNameMismatch",
    "%1 与发件人邮箱 @ 之前的部分(%2)不符",
    "%1 is not the sender e-mail up to its \"@\" (%2)"};
const Message NoLayoutFits{"inspect.NoLayoutFits",
    "没有任何格式能无误地读取该设置记录",
    "No layout reads this settings record without findings"};
const Message MarkerNotForLayout{"inspect.MarkerNotForLayout",
    "该相机型号不使用此出厂设置文件",
    "This camera family does not use this factory settings file"};
const Message Unreadable{"inspect.Unreadable",
    "无法读取 %1：%2",
    "Cannot read %1: %2"};
const Message NoCardFiles{"inspect.NoCardFiles",
    "文件夹 %1 中没有 menu.dat、setup.dat 或 smtp.dat",
    "The folder %1 holds no menu.dat, setup.dat or smtp.dat"};

// "Check card"
const CaptionTable CheckCard{"inspect.CheckCard", {
    /*  1 Chinese    */ "检查存储卡",
    /*  2 English    */ "Check card",
    /*  3 Deutsch    */ "Karte prüfen",
    /*  4 Suomi      */ "Tarkista kortti",
    /*  5 Italiano   */ "Controlla scheda",
    /*  6 Francais   */ "Vérifier la carte",
    /*  7 Magyar     */ "Kártya ellenőrzése",
    /*  8 Slovenian  */ "Preveri kartico",
    /*  9 Cesky      */ "Zkontrolovat kartu",
    /* 10 Japanese   */ "カードを確認",
    /* 11 Lithuanian */ "Patikrinti kortelę",
    /* 12 Polish     */ "Sprawdź kartę",
    /* 13 Turkiye    */ "Kartı denetle",
    /* 14 Ukraine    */ "Перевірити картку",
    /* 15 Russian    */ "Проверить карту",
}};

const Message CardGood{"inspect.CardGood",
    "一切正常：%1 中的配置文件读取无误。",
    "All is well: the card files in %1 read back without findings."};
const Message CardFaulty{"inspect.CardFaulty",
    "%1 中的配置文件有问题：",
    "The card files in %1 have findings:"};
const Message FileResult{"inspect.FileResult", "%1：%2", "%1: %2"};
const Message NoSuchFolder{"inspect.NoSuchFolder",
    "文件夹 %1 不存在",
    "There is no folder %1"};
const Message NotAFolder{"inspect.NotAFolder",
    "%1 不是文件夹",
    "%1 is not a folder"};

namespace {

const Message *const kMessages[] = {
    &Year, &Month, &Day, &CameraLanguage, &TvMode, &Copy, &SendCode, &ConnectionType,
    &PhoneType, &SenderUserName, &ListEntry, &Unlimited, &Masked, &MenuFile, &SetupFile,
    &SmtpFile, &MmsInternational, &MmsDomestic, &FactoryMarker, &LayoutsThatFit,
    &LayoutsTried, &Findings, &NoFindings, &Bytes, &WrongSize, &MissingLineEnd, &BadCrc,
    &BadTrailer, &KindMismatch, &InternationalMismatch, &TrailerNotZero, &OutOfRange,
    &UnexpectedByte, &TextLength, &TextNotTerminated, &TextTooLong, &ModeMismatch,
    &UserNameMismatch, &NoLayoutFits, &MarkerNotForLayout, &Unreadable, &NoCardFiles,
    &CardGood, &CardFaulty, &FileResult, &NoSuchFolder, &NotAFolder,
};

} // namespace

std::span<const Message *const> allInspectMessages()
{
    return kMessages;
}

} // namespace marrowby::i18n::inspect
