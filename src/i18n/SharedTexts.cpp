// Text table rows: one per text, with its translations in LanguageIndex order.
// One block per text: the fifteen translations in LanguageIndex order.
// The Chinese, Japanese and Cyrillic texts are UTF-8; trailing spaces are
// part of the texts, and no-break spaces are written as \u00A0.
#include "i18n/TextTables.h"

// Hand-aligned tables: one row per entry, kept as written.
// clang-format off

namespace marrowby::i18n {

namespace shared {

// "Select"
const CaptionTable Select{"shared.Select", {
    /*  1 Chinese    */ "选择目录",
    /*  2 English    */ "Select",
    /*  3 Deutsch    */ "Auswahl",
    /*  4 Suomi      */ "valitse",
    /*  5 Italiano   */ "Seleziona",
    /*  6 Francais   */ "Choix",
    /*  7 Magyar     */ "Kivalaszt",
    /*  8 Slovenian  */ "Izberi",
    /*  9 Cesky      */ "Vybrat",
    /* 10 Japanese   */ "選択",
    /* 11 Lithuanian */ "Pasirinkti",
    /* 12 Polish     */ "Wybierz",
    /* 13 Turkiye    */ "seçenek",
    /* 14 Ukraine    */ "Выбор",
    /* 15 Russian    */ "Выбрать",
}};

// The folder edit beside "Select", as a screen reader names it.
const CaptionTable Folder{"shared.Folder", {
    /*  1 Chinese    */ "输出目录",
    /*  2 English    */ "Folder",
    /*  3 Deutsch    */ "Ordner",
    /*  4 Suomi      */ "kansio",
    /*  5 Italiano   */ "Cartella",
    /*  6 Francais   */ "Dossier",
    /*  7 Magyar     */ "Mappa",
    /*  8 Slovenian  */ "Mapa",
    /*  9 Cesky      */ "Složka",
    /* 10 Japanese   */ "フォルダー",
    /* 11 Lithuanian */ "Aplankas",
    /* 12 Polish     */ "Folder",
    /* 13 Turkiye    */ "klasör",
    /* 14 Ukraine    */ "Папка",
    /* 15 Russian    */ "Папка",
}};

// "Generate"
const CaptionTable Generate{"shared.Generate", {
    /*  1 Chinese    */ "生成配置文件",
    /*  2 English    */ "Generate",
    /*  3 Deutsch    */ "Generieren",
    /*  4 Suomi      */ "luo",
    /*  5 Italiano   */ "Invio",
    /*  6 Francais   */ "Creer",
    /*  7 Magyar     */ "Generálása",
    /*  8 Slovenian  */ "Generiraj",
    /*  9 Cesky      */ "Generovat",
    /* 10 Japanese   */ "ファイル作成",
    /* 11 Lithuanian */ "Issaugoti",
    /* 12 Polish     */ "Generuj",
    /* 13 Turkiye    */ "oluştur",
    /* 14 Ukraine    */ "Создать",
    /* 15 Russian    */ "Создать",
}};

// "Exit"
const CaptionTable Exit{"shared.Exit", {
    /*  1 Chinese    */ "退出",
    /*  2 English    */ "Exit",
    /*  3 Deutsch    */ "Beenden",
    /*  4 Suomi      */ "poistu",
    /*  5 Italiano   */ "Indiet",
    /*  6 Francais   */ "Retour",
    /*  7 Magyar     */ "Vissz.",
    /*  8 Slovenian  */ "Nazaj",
    /*  9 Cesky      */ "Vystup",
    /* 10 Japanese   */ "終了",
    /* 11 Lithuanian */ "Exit",
    /* 12 Polish     */ "Wyjście",
    /* 13 Turkiye    */ "çıkış",
    /* 14 Ukraine    */ "Выход",
    /* 15 Russian    */ "Выход",
}};

}  // namespace shared

}  // namespace marrowby::i18n
