// Text table rows: one per text, with its translations in LanguageIndex order.
// One block per text: the fifteen translations in LanguageIndex order.
// The Chinese, Japanese and Cyrillic texts are UTF-8; trailing spaces are
// part of the texts, and no-break spaces are written as \u00A0.
#include "i18n/TextTables.h"

// Hand-aligned tables: one row per entry, kept as written.
// clang-format off

namespace marrowby::i18n {

namespace mainwindow {

// Camera Setup (button 1000)
const CaptionTable CameraSetup{"mainwindow.CameraSetup", {
    /*  1 Chinese    */ "相机设置",
    /*  2 English    */ "Camera Setup",
    /*  3 Deutsch    */ "Kamera Installation",
    /*  4 Suomi      */ "Kamera-asetukset",
    /*  5 Italiano   */ "Camera Setup",
    /*  6 Francais   */ "Reglage Camera",
    /*  7 Magyar     */ "Kamera beallita",
    /*  8 Slovenian  */ "Nastavitev kamere",
    /*  9 Cesky      */ "Nastaveni",
    /* 10 Japanese   */ "本体設定",
    /* 11 Lithuanian */ "Kameros nustat.",
    /* 12 Polish     */ "Ustawienia Kamera",
    /* 13 Turkiye    */ "kamera kurulumu",
    /* 14 Ukraine    */ "Устан. Камеры",
    /* 15 Russian    */ "Настройки",
}};

// MMS Setup (button 1001)
const CaptionTable MmsSetup{"mainwindow.MmsSetup", {
    /*  1 Chinese    */ "彩信设置",
    /*  2 English    */ "MMS Setup",
    /*  3 Deutsch    */ "MMS-Einstellungen",
    /*  4 Suomi      */ "MMS-asetukset",
    /*  5 Italiano   */ "Impostazioni MMS",
    /*  6 Francais   */ "Paramètres MMS",
    /*  7 Magyar     */ "MMS beállítások",
    /*  8 Slovenian  */ "MMS nastavitev",
    /*  9 Cesky      */ "Nastavení MMS",
    /* 10 Japanese   */ "MMSの設定",
    /* 11 Lithuanian */ "MMS nustatymai",
    /* 12 Polish     */ "Ustawienia MMS",
    /* 13 Turkiye    */ "MMS kurulum",
    /* 14 Ukraine    */ "Настройка MMS",
    /* 15 Russian    */ "MMS настр.",
}};

// Smtp Setup (button 1002)
const CaptionTable SmtpSetup{"mainwindow.SmtpSetup", {
    /*  1 Chinese    */ "SMTP设置",
    /*  2 English    */ "Smtp Setup",
    /*  3 Deutsch    */ "SMTP-Einstellungen",
    /*  4 Suomi      */ "SMTP-asetukset",
    /*  5 Italiano   */ "Impostazioni SMTP",
    /*  6 Francais   */ "Paramètres SMTP",
    /*  7 Magyar     */ "SMTP beállítások",
    /*  8 Slovenian  */ "SMTP nastavitev",
    /*  9 Cesky      */ "Nastavení SMTP",
    /* 10 Japanese   */ "SMTPの設定",
    /* 11 Lithuanian */ "SMTP nustatymai",
    /* 12 Polish     */ "Ustawienia SMTP",
    /* 13 Turkiye    */ "Smtp kurulum",
    /* 14 Ukraine    */ "Настройка SMTP",
    /* 15 Russian    */ "SMTP настр.",
}};

// Click here to get the latest updates (link button 1076)
const CaptionTable LatestUpdates{"mainwindow.LatestUpdates", {
    /*  1 Chinese    */ "获取最新版本程序更新",
    /*  2 English    */ "Click here to get the latest updates",
    /*  3 Deutsch    */ "Zum Aktualisieren drücken",
    /*  4 Suomi      */ "paina tasta saadaksesi uusimmat paivitykset",
    /*  5 Italiano   */ "Premere per aggiornare",
    /*  6 Francais   */ "Appuyez sur pour mettre à jour",
    /*  7 Magyar     */ "Stisknete pro update",
    /*  8 Slovenian  */ "Prenos najnovejše različice",
    /*  9 Cesky      */ "Stisknete pro update",
    /* 10 Japanese   */ "押して更新します",
    /* 11 Lithuanian */ "Paspauskite, jei norite atnaujinti",
    /* 12 Polish     */ "Naciśnij przycisk, aby zaktualizować",
    /* 13 Turkiye    */ "En son güncelleştirmeleri almak için burayı tıklayın",
    /* 14 Ukraine    */ "Натисніть, щоб оновити",
    /* 15 Russian    */ "Нажмите для обновления",
}};

// Select Language (label 1078)
const CaptionTable SelectLanguage{"mainwindow.SelectLanguage", {
    /*  1 Chinese    */ "选择语言",
    /*  2 English    */ "Select Language",
    /*  3 Deutsch    */ "Sprache auswählen",
    /*  4 Suomi      */ "Valitse kieli",
    /*  5 Italiano   */ "Seleziona lingua",
    /*  6 Francais   */ "Sélectionnez la langue",
    /*  7 Magyar     */ "Válassza ki a nyelvet",
    /*  8 Slovenian  */ "Jezik",
    /*  9 Cesky      */ "Zvolit Jazyk",
    /* 10 Japanese   */ "言語を選択",
    /* 11 Lithuanian */ "Pasirinkite kalbą",
    /* 12 Polish     */ "Wybierz język",
    /* 13 Turkiye    */ "dil seç",
    /* 14 Ukraine    */ "Выбор языка",
    /* 15 Russian    */ "выберете",
}};

// Camera Model (label 1079)
const CaptionTable CameraModel{"mainwindow.CameraModel", {
    /*  1 Chinese    */ "机器型号",
    /*  2 English    */ "Camera Model",
    /*  3 Deutsch    */ "Kamera-Modell",
    /*  4 Suomi      */ "Koneen malli",
    /*  5 Italiano   */ "Modello di fotocamera",
    /*  6 Francais   */ "Modèle de machine",
    /*  7 Magyar     */ "Machine Model",
    /*  8 Slovenian  */ "Model kamere",
    /*  9 Cesky      */ "Fotopast Model",
    /* 10 Japanese   */ "機械モデル",
    /* 11 Lithuanian */ "Aparato modelis",
    /* 12 Polish     */ "Model urządzenia",
    /* 13 Turkiye    */ "kamera modeli",
    /* 14 Ukraine    */ "Модель камеры",
    /* 15 Russian    */ "Фотоловушка",
}};

// Version (prefix of label 1077)
const CaptionTable VersionPrefix{"mainwindow.VersionPrefix", {
    /*  1 Chinese    */ "程序版本",
    /*  2 English    */ "Version",
    /*  3 Deutsch    */ "Programmversion ",
    /*  4 Suomi      */ "Versio",
    /*  5 Italiano   */ "Versione",
    /*  6 Francais   */ "Versions",
    /*  7 Magyar     */ "Verziókban",
    /*  8 Slovenian  */ "Različica",
    /*  9 Cesky      */ "Verze",
    /* 10 Japanese   */ "バージョン",
    /* 11 Lithuanian */ "Versija",
    /* 12 Polish     */ "Wersja",
    /* 13 Turkiye    */ "Versiyon",
    /* 14 Ukraine    */ "Версія",
    /* 15 Russian    */ "Версия",
}};

}  // namespace mainwindow

}  // namespace marrowby::i18n
