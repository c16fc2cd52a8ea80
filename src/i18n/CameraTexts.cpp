// Text table rows: one per text, with its translations in LanguageIndex order.
// One block per text: the fifteen translations in LanguageIndex order.
// The Chinese, Japanese and Cyrillic texts are UTF-8; trailing spaces are
// part of the texts, and no-break spaces are written as \u00A0.
#include "i18n/TextTables.h"

// Hand-aligned tables: one row per entry, kept as written.
// clang-format off

namespace marrowby::i18n {

namespace camera {

// "Mode"
const CaptionTable Mode{"camera.Mode", {
    /*  1 Chinese    */ "模式",
    /*  2 English    */ "Mode",
    /*  3 Deutsch    */ "Modus",
    /*  4 Suomi      */ "kuvaustila",
    /*  5 Italiano   */ "Mode",
    /*  6 Francais   */ "Mode",
    /*  7 Magyar     */ "Mod",
    /*  8 Slovenian  */ "Način",
    /*  9 Cesky      */ "Rezim",
    /* 10 Japanese   */ "モード",
    /* 11 Lithuanian */ "Rezimas",
    /* 12 Polish     */ "Tryb",
    /* 13 Turkiye    */ "Mod",
    /* 14 Ukraine    */ "Режим камеры",
    /* 15 Russian    */ "Режим",
}};

// "Image Size"
const CaptionTable ImageSize{"camera.ImageSize", {
    /*  1 Chinese    */ "图像尺寸",
    /*  2 English    */ "Image Size",
    /*  3 Deutsch    */ "Foto-Groesse",
    /*  4 Suomi      */ "kuvan koko",
    /*  5 Italiano   */ "Dim.foto",
    /*  6 Francais   */ "Taille photo",
    /*  7 Magyar     */ "Fenykepmer.",
    /*  8 Slovenian  */ "Velikost slike",
    /*  9 Cesky      */ "Rozlis.foto",
    /* 10 Japanese   */ "静止画解像度",
    /* 11 Lithuanian */ "Nuotraukos dyd.",
    /* 12 Polish     */ "Rozmiar zdjęć",
    /* 13 Turkiye    */ "görsel boyutu",
    /* 14 Ukraine    */ "Размер Фото",
    /* 15 Russian    */ "Фото разр.",
}};

// "Video Size"
const CaptionTable VideoSize{"camera.VideoSize", {
    /*  1 Chinese    */ "录像尺寸",
    /*  2 English    */ "Video Size",
    /*  3 Deutsch    */ "Video-Groesse",
    /*  4 Suomi      */ "videon koko",
    /*  5 Italiano   */ "Dim.video",
    /*  6 Francais   */ "Taille vidéo",
    /*  7 Magyar     */ "Video meret",
    /*  8 Slovenian  */ "Velikost videa",
    /*  9 Cesky      */ "Rozlis.video",
    /* 10 Japanese   */ "動画解像度",
    /* 11 Lithuanian */ "Video dydis",
    /* 12 Polish     */ "Rozmiar wideo",
    /* 13 Turkiye    */ "vidyo boyutu",
    /* 14 Ukraine    */ "Размер видео",
    /* 15 Russian    */ "Видео разр.",
}};

// "Picture No."
const CaptionTable PictureNo{"camera.PictureNo", {
    /*  1 Chinese    */ "拍摄张数",
    /*  2 English    */ "Picture No.",
    /*  3 Deutsch    */ "Fot Nummer",
    /*  4 Suomi      */ "kuvien lkm",
    /*  5 Italiano   */ "Foto No.",
    /*  6 Francais   */ "Numero photo",
    /*  7 Magyar     */ "Fenykepsz.",
    /*  8 Slovenian  */ "Število slik",
    /*  9 Cesky      */ "Poc.Zaznamu",
    /* 10 Japanese   */ "連続撮影",
    /* 11 Lithuanian */ "Nuotr.numeris",
    /* 12 Polish     */ "Nr zdjęcia",
    /* 13 Turkiye    */ "görsel numara",
    /* 14 Ukraine    */ "Кол-во фото",
    /* 15 Russian    */ "Кол-во фото",
}};

// "Time Stamp"
const CaptionTable TimeStamp{"camera.TimeStamp", {
    /*  1 Chinese    */ "时间戳",
    /*  2 English    */ "Time Stamp",
    /*  3 Deutsch    */ "Zeit Stempel",
    /*  4 Suomi      */ "aikaleima",
    /*  5 Italiano   */ "Data/ora",
    /*  6 Francais   */ "Tampon temps",
    /*  7 Magyar     */ "Idobelyeg.",
    /*  8 Slovenian  */ "Zapis datuma",
    /*  9 Cesky      */ "Otisk dat/cas",
    /* 10 Japanese   */ "タイムスタンプ",
    /* 11 Lithuanian */ "Datos zyme",
    /* 12 Polish     */ "Znacznik czasu",
    /* 13 Turkiye    */ "zaman damgası",
    /* 14 Ukraine    */ "Штамп даты",
    /* 15 Russian    */ "Штамп даты",
}};

// "Sensor Level"
const CaptionTable SensorLevel{"camera.SensorLevel", {
    /*  1 Chinese    */ "灵敏度",
    /*  2 English    */ "Sensor Level",
    /*  3 Deutsch    */ "Sensor Sensib.",
    /*  4 Suomi      */ "herkkyystaso",
    /*  5 Italiano   */ "Sensore sens.",
    /*  6 Francais   */ "Sensib capteur",
    /*  7 Magyar     */ "Erzekelo erz.",
    /*  8 Slovenian  */ "Občutljivost",
    /*  9 Cesky      */ "Citlivost PIR",
    /* 10 Japanese   */ "センサー感度",
    /* 11 Lithuanian */ "Jautrumas",
    /* 12 Polish     */ "Czułość PIR",
    /* 13 Turkiye    */ "sensör kademesi",
    /* 14 Ukraine    */ "Уровень PIR",
    /* 15 Russian    */ "Чувст. PIR ",
}};

// "Video Length"
const CaptionTable VideoLength{"camera.VideoLength", {
    /*  1 Chinese    */ "录像长度",
    /*  2 English    */ "Video Length",
    /*  3 Deutsch    */ "Video-Laenge",
    /*  4 Suomi      */ "videon pituus",
    /*  5 Italiano   */ "Lungh.video",
    /*  6 Francais   */ "Long.de video",
    /*  7 Magyar     */ "Video hossz",
    /*  8 Slovenian  */ "Dolžina videa",
    /*  9 Cesky      */ "Delka video",
    /* 10 Japanese   */ "動画撮影時間",
    /* 11 Lithuanian */ "Iraso trukme",
    /* 12 Polish     */ "Długość wideo",
    /* 13 Turkiye    */ "vidyo uzunlugu",
    /* 14 Ukraine    */ "Длина видео",
    /* 15 Russian    */ "Видео прод.",
}};

// "Wireless PWD"
const CaptionTable WirelessPwd{"camera.WirelessPwd", {
    /*  1 Chinese    */ "无线密码",
    /*  2 English    */ "Wireless PWD",
    /*  3 Deutsch    */ "Wireless-Kennwort",
    /*  4 Suomi      */ "Langaton PWD",
    /*  5 Italiano   */ "Senza Password",
    /*  6 Francais   */ "Sans fil PWD",
    /*  7 Magyar     */ "Wireless PWD",
    /*  8 Slovenian  */ "Brezžično geslo",
    /*  9 Cesky      */ "Bezdrátové heslo",
    /* 10 Japanese   */ "ワイヤレスPWD",
    /* 11 Lithuanian */ "Belaidis slaptažodis",
    /* 12 Polish     */ "Bezprz. PWD",
    /* 13 Turkiye    */ "kablosuz PWD",
    /* 14 Ukraine    */ "WiFi пароль",
    /* 15 Russian    */ "Беспр.PWD",
}};

// "Interval"
const CaptionTable Interval{"camera.Interval", {
    /*  1 Chinese    */ "间隔时间",
    /*  2 English    */ "Interval",
    /*  3 Deutsch    */ "Intervall",
    /*  4 Suomi      */ "ottoviive",
    /*  5 Italiano   */ "Intervallo",
    /*  6 Francais   */ "Intervalle",
    /*  7 Magyar     */ "Interval",
    /*  8 Slovenian  */ "Interval",
    /*  9 Cesky      */ "Prodleva",
    /* 10 Japanese   */ "インターバル",
    /* 11 Lithuanian */ "Intervalas",
    /* 12 Polish     */ "Interwał",
    /* 13 Turkiye    */ "süre",
    /* 14 Ukraine    */ "Интервал",
    /* 15 Russian    */ "Интервал",
}};

// "Set Clock"
const CaptionTable SetClock{"camera.SetClock", {
    /*  1 Chinese    */ "设置时间",
    /*  2 English    */ "Set Clock",
    /*  3 Deutsch    */ "Uhrstellen",
    /*  4 Suomi      */ "aseta kello",
    /*  5 Italiano   */ "Imposta ora",
    /*  6 Francais   */ "Regler horloge",
    /*  7 Magyar     */ "Uraollitos",
    /*  8 Slovenian  */ "Nastavi uro",
    /*  9 Cesky      */ "Datum a cas",
    /* 10 Japanese   */ "日時設定",
    /* 11 Lithuanian */ "Laiko nustat.",
    /* 12 Polish     */ "Zegar",
    /* 13 Turkiye    */ "saat kurma",
    /* 14 Ukraine    */ "Установка часов",
    /* 15 Russian    */ "Время",
}};

// "Timer"
const CaptionTable Timer{"camera.Timer", {
    /*  1 Chinese    */ "定时设置",
    /*  2 English    */ "Timer",
    /*  3 Deutsch    */ "Zeitschaltuhr",
    /*  4 Suomi      */ "ajastinkytkin",
    /*  5 Italiano   */ "Timer",
    /*  6 Francais   */ "Minuterie",
    /*  7 Magyar     */ "Idokapcs.ora",
    /*  8 Slovenian  */ "Timer",
    /*  9 Cesky      */ "Casovac",
    /* 10 Japanese   */ "タイマー",
    /* 11 Lithuanian */ "Laikmatis",
    /* 12 Polish     */ "Czas",
    /* 13 Turkiye    */ "zamanlama",
    /* 14 Ukraine    */ "Таймер",
    /* 15 Russian    */ "Таймер",
}};

// "Timer1"
const CaptionTable Timer1{"camera.Timer1", {
    /*  1 Chinese    */ "定时设置1",
    /*  2 English    */ "Timer1",
    /*  3 Deutsch    */ "Zeitschaltuhr1",
    /*  4 Suomi      */ "ajastinkytkin1",
    /*  5 Italiano   */ "Timer1",
    /*  6 Francais   */ "Minuterie1",
    /*  7 Magyar     */ "Idokapcs.ora1",
    /*  8 Slovenian  */ "Timer1",
    /*  9 Cesky      */ "Casovac1",
    /* 10 Japanese   */ "タイマー1",
    /* 11 Lithuanian */ "Laikmatis1",
    /* 12 Polish     */ "Czas1",
    /* 13 Turkiye    */ "zamanlama1",
    /* 14 Ukraine    */ "Таймер1",
    /* 15 Russian    */ "Таймер1",
}};

// "Timer2"
const CaptionTable Timer2{"camera.Timer2", {
    /*  1 Chinese    */ "定时设置2",
    /*  2 English    */ "Timer2",
    /*  3 Deutsch    */ "Zeitschaltuhr2",
    /*  4 Suomi      */ "ajastinkytkin2",
    /*  5 Italiano   */ "Timer2",
    /*  6 Francais   */ "Minuterie2",
    /*  7 Magyar     */ "Idokapcs.ora2",
    /*  8 Slovenian  */ "Timer2",
    /*  9 Cesky      */ "Casovac2",
    /* 10 Japanese   */ "タイマー2",
    /* 11 Lithuanian */ "Laikmatis2",
    /* 12 Polish     */ "Czas2",
    /* 13 Turkiye    */ "zamanlama2",
    /* 14 Ukraine    */ "Таймер2",
    /* 15 Russian    */ "Таймер2",
}};

// "Serial No."
const CaptionTable SerialNo{"camera.SerialNo", {
    /*  1 Chinese    */ "序列号",
    /*  2 English    */ "Serial No.",
    /*  3 Deutsch    */ "Kd.Serien Nr.",
    /*  4 Suomi      */ "aseta srj.n:o",
    /*  5 Italiano   */ "No.di serie",
    /*  6 Francais   */ "No de ssrie",
    /*  7 Magyar     */ "Sorsz.",
    /*  8 Slovenian  */ "Serijska št.",
    /*  9 Cesky      */ "Sekundy",
    /* 10 Japanese   */ "任意文字挿入",
    /* 11 Lithuanian */ "Serijinis Nr",
    /* 12 Polish     */ "Nr seryjny",
    /* 13 Turkiye    */ "seri numara",
    /* 14 Ukraine    */ "Номер камеры",
    /* 15 Russian    */ "Серийный N",
}};

// "Time Lapse"
const CaptionTable TimeLapse{"camera.TimeLapse", {
    /*  1 Chinese    */ "定时拍摄",
    /*  2 English    */ "Time Lapse",
    /*  3 Deutsch    */ "Zeitraffer",
    /*  4 Suomi      */ "ajastin kuvaus",
    /*  5 Italiano   */ "Eff.accel.",
    /*  6 Francais   */ "Accelere",
    /*  7 Magyar     */ "Idolass.",
    /*  8 Slovenian  */ "Time Lapse",
    /*  9 Cesky      */ "Casosber",
    /* 10 Japanese   */ "タイムラプス",
    /* 11 Lithuanian */ "Laikmacio tarp",
    /* 12 Polish     */ "Odstęp czas",
    /* 13 Turkiye    */ "zamanaşımı",
    /* 14 Ukraine    */ "Time Lapse",
    /* 15 Russian    */ "Пром.времен.",
}};

// "Start"
const CaptionTable Start{"camera.Start", {
    /*  1 Chinese    */ "开始",
    /*  2 English    */ "Start",
    /*  3 Deutsch    */ "Start",
    /*  4 Suomi      */ "Start",
    /*  5 Italiano   */ "Inizio",
    /*  6 Francais   */ "Start",
    /*  7 Magyar     */ "Start",
    /*  8 Slovenian  */ "Začetek",
    /*  9 Cesky      */ "Start",
    /* 10 Japanese   */ "開始",
    /* 11 Lithuanian */ "Pradeti",
    /* 12 Polish     */ "Start",
    /* 13 Turkiye    */ "başlat",
    /* 14 Ukraine    */ "Старт",
    /* 15 Russian    */ "Старт",
}};

// "Stop"
const CaptionTable Stop{"camera.Stop", {
    /*  1 Chinese    */ "停止",
    /*  2 English    */ "Stop",
    /*  3 Deutsch    */ "Stop",
    /*  4 Suomi      */ "Lopeta",
    /*  5 Italiano   */ "Fermata",
    /*  6 Francais   */ "Stop",
    /*  7 Magyar     */ "állj",
    /*  8 Slovenian  */ "Konec",
    /*  9 Cesky      */ "Stop",
    /* 10 Japanese   */ "終了",
    /* 11 Lithuanian */ "Stabdyti",
    /* 12 Polish     */ "Stop",
    /* 13 Turkiye    */ "dur",
    /* 14 Ukraine    */ "Стоп",
    /* 15 Russian    */ "Стоп",
}};

// "Hour"
const CaptionTable Hour{"camera.Hour", {
    /*  1 Chinese    */ "小时",
    /*  2 English    */ "Hour",
    /*  3 Deutsch    */ "Stunde",
    /*  4 Suomi      */ "Tunti",
    /*  5 Italiano   */ "Ore",
    /*  6 Francais   */ "Heure",
    /*  7 Magyar     */ "Óra",
    /*  8 Slovenian  */ "Ura",
    /*  9 Cesky      */ "Hodina",
    /* 10 Japanese   */ "時",
    /* 11 Lithuanian */ "Valandą",
    /* 12 Polish     */ "Godziny",
    /* 13 Turkiye    */ "saat",
    /* 14 Ukraine    */ "Час",
    /* 15 Russian    */ "Час",
}};

// "Minute"
const CaptionTable Minute{"camera.Minute", {
    /*  1 Chinese    */ "分钟",
    /*  2 English    */ "Minute",
    /*  3 Deutsch    */ "Minute",
    /*  4 Suomi      */ "Minuutin",
    /*  5 Italiano   */ "Min",
    /*  6 Francais   */ "Minute",
    /*  7 Magyar     */ "Min",
    /*  8 Slovenian  */ "Min",
    /*  9 Cesky      */ "Min",
    /* 10 Japanese   */ "分",
    /* 11 Lithuanian */ "Min",
    /* 12 Polish     */ "Min.",
    /* 13 Turkiye    */ "dakika",
    /* 14 Ukraine    */ "Мин",
    /* 15 Russian    */ "Мин",
}};

// "Second"
const CaptionTable Second{"camera.Second", {
    /*  1 Chinese    */ "秒钟",
    /*  2 English    */ "Second",
    /*  3 Deutsch    */ "Sekunden",
    /*  4 Suomi      */ "Sekuntia",
    /*  5 Italiano   */ "Sec",
    /*  6 Francais   */ "Secondes",
    /*  7 Magyar     */ "Sec",
    /*  8 Slovenian  */ "Sek",
    /*  9 Cesky      */ "Minuta",
    /* 10 Japanese   */ "秒",
    /* 11 Lithuanian */ "Sec",
    /* 12 Polish     */ "Sek.",
    /* 13 Turkiye    */ "saniye",
    /* 14 Ukraine    */ "Сек",
    /* 15 Russian    */ "Сек",
}};

// "Date Format"
const CaptionTable DateFormat{"camera.DateFormat", {
    /*  1 Chinese    */ "时间格式",
    /*  2 English    */ "Date Format",
    /*  3 Deutsch    */ "Datumsformat",
    /*  4 Suomi      */ "pvm muoto",
    /*  5 Italiano   */ "Formato data",
    /*  6 Francais   */ "Date Format",
    /*  7 Magyar     */ "Datum formatum",
    /*  8 Slovenian  */ "Format datuma",
    /*  9 Cesky      */ "Format Data",
    /* 10 Japanese   */ "日時表示",
    /* 11 Lithuanian */ "Datos formatas",
    /* 12 Polish     */ "Format daty",
    /* 13 Turkiye    */ "bilgi formatlama",
    /* 14 Ukraine    */ "Формат даты",
    /* 15 Russian    */ "Формат даты",
}};

// "Get Time"
const CaptionTable GetTime{"camera.GetTime", {
    /*  1 Chinese    */ "获取时间",
    /*  2 English    */ "Get Time",
    /*  3 Deutsch    */ "Uhrzeit anfragen",
    /*  4 Suomi      */ "Hae aika",
    /*  5 Italiano   */ "Prel.Ora",
    /*  6 Francais   */ "Obtenir heure",
    /*  7 Magyar     */ "Idot szerez",
    /*  8 Slovenian  */ "Pridobi uro",
    /*  9 Cesky      */ "Nastavit cas",
    /* 10 Japanese   */ "PC時間反映",
    /* 11 Lithuanian */ "Nuskait.Iaika",
    /* 12 Polish     */ "Odśwież",
    /* 13 Turkiye    */ "Get Time",
    /* 14 Ukraine    */ "Получить время",
    /* 15 Russian    */ "Установить",
}};

// "Beep Sound"
const CaptionTable BeepSound{"camera.BeepSound", {
    /*  1 Chinese    */ "按键音",
    /*  2 English    */ "Beep Sound",
    /*  3 Deutsch    */ "Beep",
    /*  4 Suomi      */ "Piippausääntä",
    /*  5 Italiano   */ "Bip",
    /*  6 Francais   */ "Bip",
    /*  7 Magyar     */ "Beep",
    /*  8 Slovenian  */ "Piskanje",
    /*  9 Cesky      */ "Pípnutí",
    /* 10 Japanese   */ "ビープ音",
    /* 11 Lithuanian */ "Balso",
    /* 12 Polish     */ "Brzęczyk",
    /* 13 Turkiye    */ "ses",
    /* 14 Ukraine    */ "Звук",
    /* 15 Russian    */ "Звук",
}};

// "Default"
const CaptionTable Default{"camera.Default", {
    /*  1 Chinese    */ "出厂设置",
    /*  2 English    */ "Default",
    /*  3 Deutsch    */ "Werkseinstell.",
    /*  4 Suomi      */ "oletusasetus.",
    /*  5 Italiano   */ "Imp.fabbrica.",
    /*  6 Francais   */ "Reglage usine",
    /*  7 Magyar     */ "Gyari beall.",
    /*  8 Slovenian  */ "Ponastavi",
    /*  9 Cesky      */ "Reset",
    /* 10 Japanese   */ "初期設定",
    /* 11 Lithuanian */ "Gamykl.nustat.",
    /* 12 Polish     */ "Domyślne",
    /* 13 Turkiye    */ "gecikme",
    /* 14 Ukraine    */ "Сброс настроек",
    /* 15 Russian    */ "Сброс",
}};

// "Coordinate"
const CaptionTable Coordinate{"camera.Coordinate", {
    /*  1 Chinese    */ "坐标",
    /*  2 English    */ "Coordinate",
    /*  3 Deutsch    */ "Koordinaten",
    /*  4 Suomi      */ "koordinaatit",
    /*  5 Italiano   */ "Coordinate",
    /*  6 Francais   */ "Coordonnées",
    /*  7 Magyar     */ "Coordinate",
    /*  8 Slovenian  */ "Koordinate",
    /*  9 Cesky      */ "souřadnice",
    /* 10 Japanese   */ "座標",
    /* 11 Lithuanian */ "Coordinate",
    /* 12 Polish     */ "Koordynaty",
    /* 13 Turkiye    */ "kordinasyon",
    /* 14 Ukraine    */ "Координаты",
    /* 15 Russian    */ "Координаты",
}};

// "Dir."
const CaptionTable Direction{"camera.Direction", {
    /*  1 Chinese    */ "方向",
    /*  2 English    */ "Dir.",
    /*  3 Deutsch    */ "Dir.",
    /*  4 Suomi      */ "Dir.",
    /*  5 Italiano   */ "Dir.",
    /*  6 Francais   */ "Dir.",
    /*  7 Magyar     */ "Dir.",
    /*  8 Slovenian  */ "Smer",
    /*  9 Cesky      */ "Dir.",
    /* 10 Japanese   */ "方向",
    /* 11 Lithuanian */ "Dir.",
    /* 12 Polish     */ "Kier.",
    /* 13 Turkiye    */ "Dir.",
    /* 14 Ukraine    */ "Dir.",
    /* 15 Russian    */ "Dir.",
}};

// "Degree"
const CaptionTable Degree{"camera.Degree", {
    /*  1 Chinese    */ "度",
    /*  2 English    */ "Degree",
    /*  3 Deutsch    */ "Degree",
    /*  4 Suomi      */ "Degree",
    /*  5 Italiano   */ "Degree",
    /*  6 Francais   */ "Degree",
    /*  7 Magyar     */ "Degree",
    /*  8 Slovenian  */ "Stopinj",
    /*  9 Cesky      */ "Degree",
    /* 10 Japanese   */ "度",
    /* 11 Lithuanian */ "Degree",
    /* 12 Polish     */ "Stopień",
    /* 13 Turkiye    */ "derece",
    /* 14 Ukraine    */ "Градусы",
    /* 15 Russian    */ "Градус",
}};

// "Longitude"
const CaptionTable Longitude{"camera.Longitude", {
    /*  1 Chinese    */ "经度",
    /*  2 English    */ "Longitude",
    /*  3 Deutsch    */ "Längengrad",
    /*  4 Suomi      */ "pituusaste",
    /*  5 Italiano   */ "Longitudine",
    /*  6 Francais   */ "Longitude",
    /*  7 Magyar     */ "Longitude",
    /*  8 Slovenian  */ "Dolžina",
    /*  9 Cesky      */ "Longitude",
    /* 10 Japanese   */ "経度",
    /* 11 Lithuanian */ "Ilguma",
    /* 12 Polish     */ "Dług. geogr",
    /* 13 Turkiye    */ "boylam",
    /* 14 Ukraine    */ "Долгота",
    /* 15 Russian    */ "Долгота",
}};

// "E"
const CaptionTable East{"camera.East", {
    /*  1 Chinese    */ "东",
    /*  2 English    */ "E",
    /*  3 Deutsch    */ "E",
    /*  4 Suomi      */ "E",
    /*  5 Italiano   */ "E",
    /*  6 Francais   */ "E",
    /*  7 Magyar     */ "E",
    /*  8 Slovenian  */ "V",
    /*  9 Cesky      */ "E",
    /* 10 Japanese   */ "東",
    /* 11 Lithuanian */ "E",
    /* 12 Polish     */ "E",
    /* 13 Turkiye    */ "E",
    /* 14 Ukraine    */ "Схід",
    /* 15 Russian    */ "В",
}};

// "W"
const CaptionTable West{"camera.West", {
    /*  1 Chinese    */ "西",
    /*  2 English    */ "W",
    /*  3 Deutsch    */ "W",
    /*  4 Suomi      */ "W",
    /*  5 Italiano   */ "W",
    /*  6 Francais   */ "W",
    /*  7 Magyar     */ "W",
    /*  8 Slovenian  */ "Z",
    /*  9 Cesky      */ "W",
    /* 10 Japanese   */ "西",
    /* 11 Lithuanian */ "W",
    /* 12 Polish     */ "W",
    /* 13 Turkiye    */ "W",
    /* 14 Ukraine    */ "Захід",
    /* 15 Russian    */ "З",
}};

// "Latitude"
const CaptionTable Latitude{"camera.Latitude", {
    /*  1 Chinese    */ "纬度",
    /*  2 English    */ "Latitude",
    /*  3 Deutsch    */ "Breitengrad",
    /*  4 Suomi      */ "leveysaste",
    /*  5 Italiano   */ "Latitudine",
    /*  6 Francais   */ "Latitude",
    /*  7 Magyar     */ "Latitude",
    /*  8 Slovenian  */ "Širina",
    /*  9 Cesky      */ "Latitude",
    /* 10 Japanese   */ "緯度",
    /* 11 Lithuanian */ "Platuma",
    /* 12 Polish     */ "Szer. geogr",
    /* 13 Turkiye    */ "enlem",
    /* 14 Ukraine    */ "Широта",
    /* 15 Russian    */ "Широта",
}};

// "S"
const CaptionTable South{"camera.South", {
    /*  1 Chinese    */ "南",
    /*  2 English    */ "S",
    /*  3 Deutsch    */ "S",
    /*  4 Suomi      */ "S",
    /*  5 Italiano   */ "S",
    /*  6 Francais   */ "S",
    /*  7 Magyar     */ "S",
    /*  8 Slovenian  */ "J",
    /*  9 Cesky      */ "S",
    /* 10 Japanese   */ "南",
    /* 11 Lithuanian */ "S",
    /* 12 Polish     */ "S",
    /* 13 Turkiye    */ "S",
    /* 14 Ukraine    */ "Південь",
    /* 15 Russian    */ "Ю",
}};

// "N"
const CaptionTable North{"camera.North", {
    /*  1 Chinese    */ "北",
    /*  2 English    */ "N",
    /*  3 Deutsch    */ "N",
    /*  4 Suomi      */ "N",
    /*  5 Italiano   */ "N",
    /*  6 Francais   */ "N",
    /*  7 Magyar     */ "N",
    /*  8 Slovenian  */ "S",
    /*  9 Cesky      */ "N",
    /* 10 Japanese   */ "北",
    /* 11 Lithuanian */ "N",
    /* 12 Polish     */ "N",
    /* 13 Turkiye    */ "N",
    /* 14 Ukraine    */ "Північ",
    /* 15 Russian    */ "С",
}};

// "SD Cycle"
const CaptionObjectTable SdCycle{"camera.SdCycle", {
    /*  0 (never shown) */ "SD Cycle",
    /*  1 Chinese    */ "循环存储",
    /*  2 English    */ "SD Cycle",
    /*  3 Deutsch    */ "Umlaufspeicher",
    /*  4 Suomi      */ "SD Cycle",
    /*  5 Italiano   */ "Ciclo SD",
    /*  6 Francais   */ "SD Cycle",
    /*  7 Magyar     */ "SD Cycle",
    /*  8 Slovenian  */ "SD cikel",
    /*  9 Cesky      */ "Cyklus SD",
    /* 10 Japanese   */ "循環記憶",
    /* 11 Lithuanian */ "SD kortelė ciklas",
    /* 12 Polish     */ "Cykl SD",
    /* 13 Turkiye    */ "geri dönüşüm",
    /* 14 Ukraine    */ "Перезапись SD",
    /* 15 Russian    */ "SD цикл.",
}};

// "Side PIR"
const CaptionObjectTable SidePir{"camera.SidePir", {
    /*  0 (never shown) */ "Side PIR",
    /*  1 Chinese    */ "侧面PIR",
    /*  2 English    */ "Side PIR",
    /*  3 Deutsch    */ "Seiten-BM",
    /*  4 Suomi      */ "sivutunnistin",
    /*  5 Italiano   */ "PIR lat.",
    /*  6 Francais   */ "Det.IR passif",
    /*  7 Magyar     */ "Oldal.PIVD",
    /*  8 Slovenian  */ "Stranska PIR",
    /*  9 Cesky      */ "Postr.Pir",
    /* 10 Japanese   */ "サイドセンサー",
    /* 11 Lithuanian */ "Soninis PIR",
    /* 12 Polish     */ "Boczne PIR",
    /* 13 Turkiye    */ "Side PIR",
    /* 14 Ukraine    */ "Боковые PIR",
    /* 15 Russian    */ "Боковые PIR",
}};

// Capture mode list 1013
const OptionTable CaptureModeOptions{"camera.CaptureModeOptions", 3, {{
    /*  1 Chinese    */ {"拍照", "录像", "拍照+录像"},
    /*  2 English    */ {"Camera", "Video", "Camera+Video"},
    /*  3 Deutsch    */ {"Foto-Kamera", "Video-Kamera", "Foto+Video"},
    /*  4 Suomi      */ {"Kamera", "Video", "Kamera+Video"},
    /*  5 Italiano   */ {"Foto", "Video", "Foto e Video"},
    /*  6 Francais   */ {"Photo", "Video", "Photo+Video"},
    /*  7 Magyar     */ {"Camera", "Video", "Camera+Video"},
    /*  8 Slovenian  */ {"Slika", "Video", "Slika+Video"},
    /*  9 Cesky      */ {"Foto", "Video", "Foto+Video"},
    /* 10 Japanese   */ {"静止画", "動画", "静止画+動画"},
    /* 11 Lithuanian */ {"Foto", "Video", "Foto+Video"},
    /* 12 Polish     */ {"Zdjęcia", "Wideo", "Zdjęcia+Wideo"},
    /* 13 Turkiye    */ {"kamera", "Vidyo", "kamera+vidyo"},
    /* 14 Ukraine    */ {"Фото", "Видео", "Фото+Видео"},
    /* 15 Russian    */ {"Фото", "Видео", "Фото+Видео"},
}}};

// Picture-count list 1016
const OptionTable PictureCountOptions{"camera.PictureCountOptions", 3, {{
    /*  1 Chinese    */ {"01 张", "02 张", "03 张"},
    /*  2 English    */ {"01 Photo", "02 Photo", "03 Photo"},
    /*  3 Deutsch    */ {"01 Foto", "02 Foto", "03 Foto"},
    /*  4 Suomi      */ {"01 kuvaa", "02 kuvaa", "03 kuvaa"},
    /*  5 Italiano   */ {"01 Foto", "02 Foto", "03 Foto"},
    /*  6 Francais   */ {"01 Photo", "02 Photo", "03 Photo"},
    /*  7 Magyar     */ {"01 Fenykep", "02 Fenykep", "03 Fenykep"},
    /*  8 Slovenian  */ {"1 slika", "2 sliki", "3 slike"},
    /*  9 Cesky      */ {"01 Foto", "02 Foto", "03 Foto"},
    /* 10 Japanese   */ {"01 写真", "02 写真", "03 写真"},
    /* 11 Lithuanian */ {"01 foto", "02 foto", "03 foto"},
    /* 12 Polish     */ {"01 zdjęcie", "02 zdjęcie", "03 zdjęcie"},
    /* 13 Turkiye    */ {"01 Fotoğraf", "02 Fotoğraf", "03 Fotoğraf"},
    /* 14 Ukraine    */ {"01 аркушів", "02 аркушів", "03 аркушів"},
    /* 15 Russian    */ {"01 фото", "02 фото", "03 фото"},
}}};

// On/off list, "On" first
const OptionTable OnOffOptions{"camera.OnOffOptions", 2, {{
    /*  1 Chinese    */ {"开", "关闭"},
    /*  2 English    */ {"On", "Off"},
    /*  3 Deutsch    */ {"Ein", "Aus"},
    /*  4 Suomi      */ {"paalla", "pois"},
    /*  5 Italiano   */ {"ON", "OFF"},
    /*  6 Francais   */ {"Marche", "Arret"},
    /*  7 Magyar     */ {"Be", "Ki"},
    /*  8 Slovenian  */ {"Vklop", "Izklop"},
    /*  9 Cesky      */ {"Zapnuto", "Vypnuto"},
    /* 10 Japanese   */ {"オン", "オフ"},
    /* 11 Lithuanian */ {"FAIP", "NE"},
    /* 12 Polish     */ {"Wł.", "Wył."},
    /* 13 Turkiye    */ {"açık", "kapama"},
    /* 14 Ukraine    */ {"Вкл", "Выкл"},
    /* 15 Russian    */ {"Вкл", "Выкл"},
}}};

// Sensor level list 1027
const OptionTable SensorLevelOptions{"camera.SensorLevelOptions", 4, {{
    /*  1 Chinese    */ {"正常", "高", "低", "关闭"},
    /*  2 English    */ {"Normal", "High", "Low", "Off"},
    /*  3 Deutsch    */ {"Normal", "High", "Low", "Aus"},
    /*  4 Suomi      */ {"normaali", "korkea", "matala", "pois"},
    /*  5 Italiano   */ {"Normale", "Alta", "Bassa", "OFF"},
    /*  6 Francais   */ {"Normal", "High", "Low", "Arret"},
    /*  7 Magyar     */ {"Normul", "Magas", "Alacsony", "Ki"},
    /*  8 Slovenian  */ {"Normalna", "Visoka", "Nizka", "Izklop"},
    /*  9 Cesky      */ {"Normalni", "Vsoka", "Nizka", "Vypnuto"},
    /* 10 Japanese   */ {"中", "高", "低", "オフ"},
    /* 11 Lithuanian */ {"Normalus", "Aukstas", "Zemas", "NE"},
    /* 12 Polish     */ {"Normalna", "Wysoka", "Niska", "Wył."},
    /* 13 Turkiye    */ {"Normal", "yüksek", "düşük", "kapama"},
    /* 14 Ukraine    */ {"Средний", "Высокий", "Низкий", "Выкл"},
    /* 15 Russian    */ {"Нормал.", "Высокая", "Низкая", "Выкл"},
}}};

// Interval unit list 1029
const OptionTable IntervalUnitOptions{"camera.IntervalUnitOptions", 2, {{
    /*  1 Chinese    */ {"秒钟", "分钟"},
    /*  2 English    */ {"Second", "Minute"},
    /*  3 Deutsch    */ {"Sekunden", "Minute"},
    /*  4 Suomi      */ {"Sekuntia", "Minuutin"},
    /*  5 Italiano   */ {"Sec", "Min"},
    /*  6 Francais   */ {"Secondes", "Minute"},
    /*  7 Magyar     */ {"Sec", "Min"},
    /*  8 Slovenian  */ {"Sek", "Min"},
    /*  9 Cesky      */ {"Minuta", "Min"},
    /* 10 Japanese   */ {"秒", "分"},
    /* 11 Lithuanian */ {"Sec", "Min"},
    /* 12 Polish     */ {"Sek.", "Min."},
    /* 13 Turkiye    */ {"saniye", "dakika"},
    /* 14 Ukraine    */ {"Сек", "Мин"},
    /* 15 Russian    */ {"Сек", "Мин"},
}}};

// Short "Second" and "Minute" captions of the K500 form
const OptionTable K500SecondMinute{"camera.K500SecondMinute", 2, {{
    /*  1 Chinese    */ {"秒", "分"},
    /*  2 English    */ {"Second", "Minute"},
    /*  3 Deutsch    */ {"Sekunden", "Minute"},
    /*  4 Suomi      */ {"Sekuntia", "Minuutin"},
    /*  5 Italiano   */ {"Sec", "Min"},
    /*  6 Francais   */ {"Secondes", "Minute"},
    /*  7 Magyar     */ {"Sec", "Min"},
    /*  8 Slovenian  */ {"Sek", "Min"},
    /*  9 Cesky      */ {"Minuta", "Min"},
    /* 10 Japanese   */ {"秒", "分"},
    /* 11 Lithuanian */ {"Sec", "Min"},
    /* 12 Polish     */ {"Sek.", "Min."},
    /* 13 Turkiye    */ {"saniye", "dakika"},
    /* 14 Ukraine    */ {"Сек", "Мин"},
    /* 15 Russian    */ {"Сек", "Мин"},
}}};

// Off/on list, "Off" first
const OptionTable OffOnOptions{"camera.OffOnOptions", 2, {{
    /*  1 Chinese    */ {"关闭", "开"},
    /*  2 English    */ {"Off", "On"},
    /*  3 Deutsch    */ {"Aus", "Ein"},
    /*  4 Suomi      */ {"pois", "paalla"},
    /*  5 Italiano   */ {"OFF", "ON"},
    /*  6 Francais   */ {"Arret", "Marche"},
    /*  7 Magyar     */ {"Ki", "Be"},
    /*  8 Slovenian  */ {"Izklop", "Vklop"},
    /*  9 Cesky      */ {"Vypnuto", "Zapnuto"},
    /* 10 Japanese   */ {"オフ", "オン"},
    /* 11 Lithuanian */ {"NE", "FAIP"},
    /* 12 Polish     */ {"Wył.", "Wł."},
    /* 13 Turkiye    */ {"kapama", "açık"},
    /* 14 Ukraine    */ {"Выкл", "Вкл"},
    /* 15 Russian    */ {"Выкл", "Вкл"},
}}};

// Date format list 1044
const OptionTable DateFormatOptions{"camera.DateFormatOptions", 3, {{
    /*  1 Chinese    */ {"年月日", "月日年", "日月年"},
    /*  2 English    */ {"YYMMDD", "MMDDYY", "DDMMYY"},
    /*  3 Deutsch    */ {"YYMMDD", "MMDDYY", "DDMMYY"},
    /*  4 Suomi      */ {"VVKKPP", "KKPPVV", "PPKKVV"},
    /*  5 Italiano   */ {"YYMMDD", "MMDDYY", "DDMMYY"},
    /*  6 Francais   */ {"YYMMDD", "MMDDYY", "DDMMYY"},
    /*  7 Magyar     */ {"YYMMDD", "MMDDYY", "DDMMYY"},
    /*  8 Slovenian  */ {"LLMMDD", "MMDDLL", "DDMMLL"},
    /*  9 Cesky      */ {"RRMMDD", "MMDDRR", "DDMMRR"},
    /* 10 Japanese   */ {"YYMMDD", "MMDDYY", "DDMMYY"},
    /* 11 Lithuanian */ {"MMmmdd", "mmddMM", "ddmmMM"},
    /* 12 Polish     */ {"YYMMDD", "MMDDYY", "DDMMYY"},
    /* 13 Turkiye    */ {"YYMMDD", "MMDDYY", "DDMMYY"},
    /* 14 Ukraine    */ {"ГГ/ММ/ДД", "ММ/ДД/ГГ", "ДД/ММ/ГГ"},
    /* 15 Russian    */ {"YYMMDD", "MMDDYY", "DDMMYY"},
}}};

}  // namespace camera

}  // namespace marrowby::i18n
