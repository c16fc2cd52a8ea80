// Text table rows: one per text, with its translations in LanguageIndex order.
// One block per text: the fifteen translations in LanguageIndex order.
// The Chinese, Japanese and Cyrillic texts are UTF-8; trailing spaces are
// part of the texts, and no-break spaces are written as \u00A0.
#include "i18n/TextTables.h"

// Hand-aligned tables: one row per entry, kept as written.
// clang-format off

namespace marrowby::i18n {

namespace mmssmtp {

// "Picture No./day"
const CaptionTable PictureNoPerDay{"mmssmtp.PictureNoPerDay", {
    /*  1 Chinese    */ "拍摄张数/每天",
    /*  2 English    */ "Picture No./day",
    /*  3 Deutsch    */ "Bilderanzahl/Tag",
    /*  4 Suomi      */ "kuvien maara / paiva",
    /*  5 Italiano   */ "N. immagine/data",
    /*  6 Francais   */ "Image No/jour",
    /*  7 Magyar     */ "Kepsz./ nap",
    /*  8 Slovenian  */ "Št. slik na dan",
    /*  9 Cesky      */ "Snimku za den",
    /* 10 Japanese   */ "撮影数/1日",
    /* 11 Lithuanian */ "Siusti per diena",
    /* 12 Polish     */ "Ilość zdjęć/dzień",
    /* 13 Turkiye    */ "foto No./gün",
    /* 14 Ukraine    */ "Фото шт/день",
    /* 15 Russian    */ "Кол-во фото / день",
}};

// "Note：0=Unlimited"
const CaptionTable NoteUnlimited{"mmssmtp.NoteUnlimited", {
    /*  1 Chinese    */ "注:0=无限制",
    /*  2 English    */ "Note：0=Unlimited",
    /*  3 Deutsch    */ "Hinweis: 0 = Unlimited",
    /*  4 Suomi      */ "huom! 0 = rajaton",
    /*  5 Italiano   */ "Nota: -00- = illimitato",
    /*  6 Francais   */ "Remarque -00- = illimite",
    /*  7 Magyar     */ "Megj. -00- = korlutlan",
    /*  8 Slovenian  */ "Opomba: 0 pomeni neomejeno",
    /*  9 Cesky      */ "Pozor:0=neomezene",
    /* 10 Japanese   */ "注意：0=制限なし",
    /* 11 Lithuanian */ "Past: Pasir. -00- Neribota",
    /* 12 Polish     */ "Uwaga: 0=Brak ograniczeń",
    /* 13 Turkiye    */ "Not：0=sınırsız",
    /* 14 Ukraine    */ "0:Неограничено",
    /* 15 Russian    */ "Если 0 = безлимитное",
}};

// "Country"
const CaptionTable Country{"mmssmtp.Country", {
    /*  1 Chinese    */ "国家",
    /*  2 English    */ "Country",
    /*  3 Deutsch    */ "Land",
    /*  4 Suomi      */ "maa",
    /*  5 Italiano   */ "Nazione",
    /*  6 Francais   */ "Pays",
    /*  7 Magyar     */ "Orszag",
    /*  8 Slovenian  */ "Država",
    /*  9 Cesky      */ "Zeme",
    /* 10 Japanese   */ "国名",
    /* 11 Lithuanian */ "Salis",
    /* 12 Polish     */ "Kraj",
    /* 13 Turkiye    */ "ülke",
    /* 14 Ukraine    */ "Страна",
    /* 15 Russian    */ "Страна",
}};

// "Operator"
const CaptionTable Operator{"mmssmtp.Operator", {
    /*  1 Chinese    */ "运营商",
    /*  2 English    */ "Operator",
    /*  3 Deutsch    */ "Operateur",
    /*  4 Suomi      */ "operaattorit",
    /*  5 Italiano   */ "Operatori",
    /*  6 Francais   */ "Operateurs",
    /*  7 Magyar     */ "Kezelok",
    /*  8 Slovenian  */ "Operater",
    /*  9 Cesky      */ "Operater",
    /* 10 Japanese   */ "通信会社",
    /* 11 Lithuanian */ "Operatorius",
    /* 12 Polish     */ "Operator",
    /* 13 Turkiye    */ "operatör",
    /* 14 Ukraine    */ "Оператор",
    /* 15 Russian    */ "Оператор",
}};

// "SMS Remote Control"
const CaptionTable SmsRemoteControl{"mmssmtp.SmsRemoteControl", {
    /*  1 Chinese    */ "短信远程控制",
    /*  2 English    */ "SMS Remote Control",
    /*  3 Deutsch    */ "SMS-Fernsteuerung",
    /*  4 Suomi      */ "SMS\u00A0kauko-ohjain",
    /*  5 Italiano   */ "Controllo\u00A0remoto\u00A0SMS",
    /*  6 Francais   */ "Contrôle\u00A0à\u00A0distance\u00A0SMS",
    /*  7 Magyar     */ "SMS távirányító",
    /*  8 Slovenian  */ "SMS upravljanje",
    /*  9 Cesky      */ "SMS dálkové ovládání",
    /* 10 Japanese   */ "SMS遠距離操作",
    /* 11 Lithuanian */ "SMS nuotolinis valdymas",
    /* 12 Polish     */ "Konfigurac. Zdalna",
    /* 13 Turkiye    */ "sms uzaktan kontrol",
    /* 14 Ukraine    */ "SMS управление",
    /* 15 Russian    */ "SMS управление",
}};

// "Hour"
const CaptionTable Hour{"mmssmtp.Hour", {
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

// "Off"
const CaptionTable Off{"mmssmtp.Off", {
    /*  1 Chinese    */ "关闭",
    /*  2 English    */ "Off",
    /*  3 Deutsch    */ "Aus",
    /*  4 Suomi      */ "pois",
    /*  5 Italiano   */ "OFF",
    /*  6 Francais   */ "Arret",
    /*  7 Magyar     */ "Ki",
    /*  8 Slovenian  */ "Izklop",
    /*  9 Cesky      */ "Vypnuto",
    /* 10 Japanese   */ "オフ",
    /* 11 Lithuanian */ "NE",
    /* 12 Polish     */ "Wył.",
    /* 13 Turkiye    */ "kapama",
    /* 14 Ukraine    */ "Выкл",
    /* 15 Russian    */ "Выкл",
}};

// "Account"
const CaptionTable Account{"mmssmtp.Account", {
    /*  1 Chinese    */ "帐号",
    /*  2 English    */ "Account",
    /*  3 Deutsch    */ "Konto",
    /*  4 Suomi      */ "tili",
    /*  5 Italiano   */ "Account",
    /*  6 Francais   */ "Compte",
    /*  7 Magyar     */ "Fiok",
    /*  8 Slovenian  */ "Upor. ime",
    /*  9 Cesky      */ "Ucet",
    /* 10 Japanese   */ "アカウント",
    /* 11 Lithuanian */ "Account",
    /* 12 Polish     */ "Konto",
    /* 13 Turkiye    */ "hesap",
    /* 14 Ukraine    */ "Account",
    /* 15 Russian    */ "Account",
}};

// "Password"
const CaptionTable Password{"mmssmtp.Password", {
    /*  1 Chinese    */ "密码",
    /*  2 English    */ "Password",
    /*  3 Deutsch    */ "Passwort",
    /*  4 Suomi      */ "salasana",
    /*  5 Italiano   */ "Password",
    /*  6 Francais   */ "Mot de",
    /*  7 Magyar     */ "Jelszo",
    /*  8 Slovenian  */ "Geslo",
    /*  9 Cesky      */ "Heslo",
    /* 10 Japanese   */ "パスワード",
    /* 11 Lithuanian */ "Slaptazodis",
    /* 12 Polish     */ "Hasło",
    /* 13 Turkiye    */ "şifre",
    /* 14 Ukraine    */ "Пароль",
    /* 15 Russian    */ "Password",
}};

// "Phone No"
const CaptionTable PhoneNo{"mmssmtp.PhoneNo", {
    /*  1 Chinese    */ "手机号码",
    /*  2 English    */ "Phone No",
    /*  3 Deutsch    */ "Telefonnummer",
    /*  4 Suomi      */ "puhelinnumero",
    /*  5 Italiano   */ "No. Telefono",
    /*  6 Francais   */ "No telephone",
    /*  7 Magyar     */ "Telefonsz.",
    /*  8 Slovenian  */ "Telefonska št.",
    /*  9 Cesky      */ "Tel. Cislo",
    /* 10 Japanese   */ "電話",
    /* 11 Lithuanian */ "Telefono Nr.",
    /* 12 Polish     */ "Nr. tel.",
    /* 13 Turkiye    */ "telefon numara",
    /* 14 Ukraine    */ "Телефон №",
    /* 15 Russian    */ "Телефон",
}};

}  // namespace mmssmtp

namespace mms {

// "MMS"
const CaptionTable Mms{"mms.Mms", {
    /*  1 Chinese    */ "彩信",
    /*  2 English    */ "MMS",
    /*  3 Deutsch    */ "MMS",
    /*  4 Suomi      */ "MMS",
    /*  5 Italiano   */ "MMS",
    /*  6 Francais   */ "MMS",
    /*  7 Magyar     */ "MMS",
    /*  8 Slovenian  */ "MMS",
    /*  9 Cesky      */ "MMS",
    /* 10 Japanese   */ "MMS",
    /* 11 Lithuanian */ "MMS",
    /* 12 Polish     */ "MMS",
    /* 13 Turkiye    */ "MMS",
    /* 14 Ukraine    */ "MMS",
    /* 15 Russian    */ "MMS",
}};

// "MMS Mode"
const CaptionTable MmsMode{"mms.MmsMode", {
    /*  1 Chinese    */ "MMS模式",
    /*  2 English    */ "MMS Mode",
    /*  3 Deutsch    */ "MMS Modus",
    /*  4 Suomi      */ "MMS valikot",
    /*  5 Italiano   */ "Modo MMS",
    /*  6 Francais   */ "MODE MMS",
    /*  7 Magyar     */ "MMS Mod",
    /*  8 Slovenian  */ "MMS način",
    /*  9 Cesky      */ "Rezim MMS",
    /* 10 Japanese   */ "MMSステータス",
    /* 11 Lithuanian */ "MMS rezimas",
    /* 12 Polish     */ "Tryb MMS",
    /* 13 Turkiye    */ "MMS Modu",
    /* 14 Ukraine    */ "Режим настроек",
    /* 15 Russian    */ "MMS режим",
}};

// "MMS Status"
const CaptionTable MmsStatus{"mms.MmsStatus", {
    /*  1 Chinese    */ "MMS发送",
    /*  2 English    */ "MMS Status",
    /*  3 Deutsch    */ "MMS Einstellung",
    /*  4 Suomi      */ "MMS-tila",
    /*  5 Italiano   */ "stato MMS",
    /*  6 Francais   */ "Etat MMS",
    /*  7 Magyar     */ "MMS oll.",
    /*  8 Slovenian  */ "MMS status",
    /*  9 Cesky      */ "Staus MMS",
    /* 10 Japanese   */ "MMS モード",
    /* 11 Lithuanian */ "MMS bukle",
    /* 12 Polish     */ "MMS Status",
    /* 13 Turkiye    */ "MMS Statü",
    /* 14 Ukraine    */ "MMS статус",
    /* 15 Russian    */ "MMS статус",
}};

// "URL"
const CaptionTable Url{"mms.Url", {
    /*  1 Chinese    */ "彩信网址",
    /*  2 English    */ "URL",
    /*  3 Deutsch    */ "URL",
    /*  4 Suomi      */ "URL",
    /*  5 Italiano   */ "URL",
    /*  6 Francais   */ "URL",
    /*  7 Magyar     */ "URL",
    /*  8 Slovenian  */ "URL",
    /*  9 Cesky      */ "URL",
    /* 10 Japanese   */ "URL",
    /* 11 Lithuanian */ "URL",
    /* 12 Polish     */ "URL",
    /* 13 Turkiye    */ "url",
    /* 14 Ukraine    */ "URL",
    /* 15 Russian    */ "URL",
}};

// "Gateway"
const CaptionTable Gateway{"mms.Gateway", {
    /*  1 Chinese    */ "彩信网关",
    /*  2 English    */ "Gateway",
    /*  3 Deutsch    */ "Tor",
    /*  4 Suomi      */ "Gateway",
    /*  5 Italiano   */ "Porta",
    /*  6 Francais   */ "passerelle",
    /*  7 Magyar     */ "Atjaro",
    /*  8 Slovenian  */ "Prehod",
    /*  9 Cesky      */ "brána",
    /* 10 Japanese   */ "ゲートウェイ",
    /* 11 Lithuanian */ "gateway",
    /* 12 Polish     */ "Bramka",
    /* 13 Turkiye    */ "ağ geçidi",
    /* 14 Ukraine    */ "Gateway",
    /* 15 Russian    */ "Gateway",
}};

// "Port"
const CaptionTable Port{"mms.Port", {
    /*  1 Chinese    */ "彩信端口",
    /*  2 English    */ "Port",
    /*  3 Deutsch    */ "Hafen",
    /*  4 Suomi      */ "Portti",
    /*  5 Italiano   */ "Porto",
    /*  6 Francais   */ "Port",
    /*  7 Magyar     */ "Port",
    /*  8 Slovenian  */ "Vrata",
    /*  9 Cesky      */ "přístav",
    /* 10 Japanese   */ "ポート",
    /* 11 Lithuanian */ "Portas",
    /* 12 Polish     */ "Port",
    /* 13 Turkiye    */ "port",
    /* 14 Ukraine    */ "Port",
    /* 15 Russian    */ "Port",
}};

// "Email"
const CaptionTable Email{"mms.Email", {
    /*  1 Chinese    */ "邮箱",
    /*  2 English    */ "Email",
    /*  3 Deutsch    */ "Email",
    /*  4 Suomi      */ "Sahkoposti",
    /*  5 Italiano   */ "Email",
    /*  6 Francais   */ "Email",
    /*  7 Magyar     */ "Email",
    /*  8 Slovenian  */ "Email",
    /*  9 Cesky      */ "Email",
    /* 10 Japanese   */ "Eメール",
    /* 11 Lithuanian */ "Email",
    /* 12 Polish     */ "Email",
    /* 13 Turkiye    */ "eposta",
    /* 14 Ukraine    */ "Email",
    /* 15 Russian    */ "E-mail",
}};

// "Phone or Email"
const CaptionTable PhoneOrEmail{"mms.PhoneOrEmail", {
    /*  1 Chinese    */ "手机号码或邮件",
    /*  2 English    */ "Phone or Email",
    /*  3 Deutsch    */ "Tel. oder Email",
    /*  4 Suomi      */ "gsm / sahkoposti",
    /*  5 Italiano   */ "Tel. o mail",
    /*  6 Francais   */ "Tel. ou e-mail",
    /*  7 Magyar     */ "Tel.vagy e-level",
    /*  8 Slovenian  */ "Tel. št. ali Email",
    /*  9 Cesky      */ "Telefon/Email",
    /* 10 Japanese   */ "電話orEメール",
    /* 11 Lithuanian */ "Telefono/Email",
    /* 12 Polish     */ "Tel./email",
    /* 13 Turkiye    */ "telefon ya da e-posta",
    /* 14 Ukraine    */ "Телефон/Email",
    /* 15 Russian    */ "Тел./ E-mail",
}};

// The connection-type list (APN or CSD), which stands where a caption would be,
// as a screen reader names it.
const CaptionTable ConnectionType{"mms.ConnectionType", {
    /*  1 Chinese    */ "连接方式",
    /*  2 English    */ "Connection Type",
    /*  3 Deutsch    */ "Verbindungsart",
    /*  4 Suomi      */ "yhteystyyppi",
    /*  5 Italiano   */ "Tipo di connessione",
    /*  6 Francais   */ "Type de connexion",
    /*  7 Magyar     */ "Kapcsolat típusa",
    /*  8 Slovenian  */ "Vrsta povezave",
    /*  9 Cesky      */ "Typ připojení",
    /* 10 Japanese   */ "接続タイプ",
    /* 11 Lithuanian */ "Ryšio tipas",
    /* 12 Polish     */ "Typ połączenia",
    /* 13 Turkiye    */ "bağlantı türü",
    /* 14 Ukraine    */ "Тип з'єднання",
    /* 15 Russian    */ "Тип подключения",
}};

// MMS Mode list 1041
const OptionTable ModeOptions{"mms.ModeOptions", 2, {{
    /*  1 Chinese    */ {"自动", "手动"},
    /*  2 English    */ {"Auto", "Manual"},
    /*  3 Deutsch    */ {"Auto", "Handbuch"},
    /*  4 Suomi      */ {"Auto", "Käsikirja"},
    /*  5 Italiano   */ {"Auto", "Manual"},
    /*  6 Francais   */ {"Auto", "Manuelle"},
    /*  7 Magyar     */ {"Automatikus", "Kézikönyv"},
    /*  8 Slovenian  */ {"Samodejno", "Ročno"},
    /*  9 Cesky      */ {"Auto", "Manuál"},
    /* 10 Japanese   */ {"自動", "手動"},
    /* 11 Lithuanian */ {"Automatinis", "Rankiniu"},
    /* 12 Polish     */ {"Automatyczne", "Ręcznie"},
    /* 13 Turkiye    */ {"otomatik", "elle"},
    /* 14 Ukraine    */ {"Авто", "Вручную"},
    /* 15 Russian    */ {"Авто", "Ручная"},
}}};

// MMS Status list 1042: K600 MMS form, and ModelIndex 5 and 6 of the standard MMS form
const OptionTable StatusOptionsNoQvga{"mms.StatusOptionsNoQvga", 3, {{
    /*  1 Chinese    */ {"关闭", "VGA", "短信"},
    /*  2 English    */ {"Off", "VGA", "SMS"},
    /*  3 Deutsch    */ {"Aus", "VGA", "SMS"},
    /*  4 Suomi      */ {"pois", "VGA", "SMS"},
    /*  5 Italiano   */ {"OFF", "VGA", "SMS"},
    /*  6 Francais   */ {"Arret", "VGA", "SMS"},
    /*  7 Magyar     */ {"Ki", "VGA", "SMS"},
    /*  8 Slovenian  */ {"Izklop", "VGA", "SMS"},
    /*  9 Cesky      */ {"Vypnuto", "VGA", "SMS"},
    /* 10 Japanese   */ {"オフ", "VGA", "SMS"},
    /* 11 Lithuanian */ {"NE", "VGA", "SMS"},
    /* 12 Polish     */ {"Wył.", "VGA", "SMS"},
    /* 13 Turkiye    */ {"kapama", "VGA", "SMS"},
    /* 14 Ukraine    */ {"Выкл", "VGA", "SMS"},
    /* 15 Russian    */ {"Выкл", "VGA", "SMS"},
}}};

// MMS Status list 1042: other models of the standard MMS form
const OptionTable StatusOptions{"mms.StatusOptions", 4, {{
    /*  1 Chinese    */ {"关闭", "VGA", "QVGA", "短信"},
    /*  2 English    */ {"Off", "VGA", "QVGA", "SMS"},
    /*  3 Deutsch    */ {"Aus", "VGA", "QVGA", "SMS"},
    /*  4 Suomi      */ {"pois", "VGA", "QVGA", "SMS"},
    /*  5 Italiano   */ {"OFF", "VGA", "QVGA", "SMS"},
    /*  6 Francais   */ {"Arret", "VGA", "QVGA", "SMS"},
    /*  7 Magyar     */ {"Ki", "VGA", "QVGA", "SMS"},
    /*  8 Slovenian  */ {"Izklop", "VGA", "QVGA", "SMS"},
    /*  9 Cesky      */ {"Vypnuto", "VGA", "QVGA", "SMS"},
    /* 10 Japanese   */ {"オフ", "VGA", "QVGA", "SMS"},
    /* 11 Lithuanian */ {"NE", "VGA", "QVGA", "SMS"},
    /* 12 Polish     */ {"Wył.", "VGA", "QVGA", "SMS"},
    /* 13 Turkiye    */ {"kapama", "VGA", "QVGA", "SMS"},
    /* 14 Ukraine    */ {"Выкл", "VGA", "QVGA", "SMS"},
    /* 15 Russian    */ {"Выкл", "VGA", "QVGA", "SMS"},
}}};

// Phone type list 1060
const OptionTable PhoneTypeOptions{"mms.PhoneTypeOptions", 2, {{
    /*  1 Chinese    */ {"国内", "国际"},
    /*  2 English    */ {"Domestic", "International"},
    /*  3 Deutsch    */ {"Inländischen", "International"},
    /*  4 Suomi      */ {"kotimainen", "kansainvälinen"},
    /*  5 Italiano   */ {"Domestico", "Internazionale"},
    /*  6 Francais   */ {"Domestique", "International"},
    /*  7 Magyar     */ {"Belföldi", "Nemzetközi"},
    /*  8 Slovenian  */ {"Domači", "Mednarodna"},
    /*  9 Cesky      */ {"Domácí", "Mezinárodní"},
    /* 10 Japanese   */ {"国内", "国際"},
    /* 11 Lithuanian */ {"Vidaus", "Tarptautinis"},
    /* 12 Polish     */ {"Krajowy", "Międzynarod."},
    /* 13 Turkiye    */ {"Yerli", "uluslararası"},
    /* 14 Ukraine    */ {"Вітчизняний", "Международный"},
    /* 15 Russian    */ {"внутренний", "Международн."},
}}};

}  // namespace mms

namespace smtp {

// "Smtp Mode"
const CaptionTable SmtpMode{"smtp.SmtpMode", {
    /*  1 Chinese    */ "SMTP模式",
    /*  2 English    */ "Smtp Mode",
    /*  3 Deutsch    */ "Smtp Modus",
    /*  4 Suomi      */ "Smtp valikot",
    /*  5 Italiano   */ "Modo Smtp",
    /*  6 Francais   */ "MODE Smtp",
    /*  7 Magyar     */ "SMTP-mód",
    /*  8 Slovenian  */ "SMTP način",
    /*  9 Cesky      */ "Režim Smtp",
    /* 10 Japanese   */ "SMTPモード",
    /* 11 Lithuanian */ "Smtp režimas",
    /* 12 Polish     */ "Tryb SMTP",
    /* 13 Turkiye    */ "Smtp Modu",
    /* 14 Ukraine    */ "Режим настроек",
    /* 15 Russian    */ "SMTP режим",
}};

// "Smtp Status"
const CaptionTable SmtpStatus{"smtp.SmtpStatus", {
    /*  1 Chinese    */ "Smtp 发送状态",
    /*  2 English    */ "Smtp Status",
    /*  3 Deutsch    */ "Smtp schicken",
    /*  4 Suomi      */ "SMTP-tila",
    /*  5 Italiano   */ "Invio SMTP",
    /*  6 Francais   */ "Statut\u00A0de\u00A0SMTP",
    /*  7 Magyar     */ "Smtp küldő állam",
    /*  8 Slovenian  */ "SMTP način",
    /*  9 Cesky      */ "Smtp vysílající stát",
    /* 10 Japanese   */ "Smtp の状態",
    /* 11 Lithuanian */ "smtp būsena",
    /* 12 Polish     */ "Stanu\u00A0SMTP",
    /* 13 Turkiye    */ "SMTP Durum",
    /* 14 Ukraine    */ "SMTP стан доставки",
    /* 15 Russian    */ "статус Smtp",
}};

// "GPRS Setting"
const CaptionTable GprsSetting{"smtp.GprsSetting", {
    /*  1 Chinese    */ "GPRS设置",
    /*  2 English    */ "GPRS Setting",
    /*  3 Deutsch    */ "GPRS-Einstellung",
    /*  4 Suomi      */ "GPRS asetus",
    /*  5 Italiano   */ "Impostazione GPRS",
    /*  6 Francais   */ "Paramètres GPRS",
    /*  7 Magyar     */ "GPRS beállítása",
    /*  8 Slovenian  */ "GPRS nastavitve",
    /*  9 Cesky      */ "GPRS Setting",
    /* 10 Japanese   */ "GPRSの設定",
    /* 11 Lithuanian */ "GPRS nustatymai",
    /* 12 Polish     */ "Ustawienia GPRS",
    /* 13 Turkiye    */ "GPRS ayarları",
    /* 14 Ukraine    */ "Настройка GPRS",
    /* 15 Russian    */ "SMTP настройки",
}};

// "Sender"
const CaptionTable Sender{"smtp.Sender", {
    /*  1 Chinese    */ "发送端",
    /*  2 English    */ "Sender",
    /*  3 Deutsch    */ "Absender",
    /*  4 Suomi      */ "Lähettäjä",
    /*  5 Italiano   */ "Mittente",
    /*  6 Francais   */ "Expéditeur",
    /*  7 Magyar     */ "Feladó",
    /*  8 Slovenian  */ "Pošiljatelj",
    /*  9 Cesky      */ "Odesílatel",
    /* 10 Japanese   */ "差出人",
    /* 11 Lithuanian */ "Siuntėjas",
    /* 12 Polish     */ "Wysyłanie",
    /* 13 Turkiye    */ "gönderici",
    /* 14 Ukraine    */ "Отправитель",
    /* 15 Russian    */ "Отправитель",
}};

// "Recipients"
const CaptionTable Recipients{"smtp.Recipients", {
    /*  1 Chinese    */ "收件人",
    /*  2 English    */ "Recipients",
    /*  3 Deutsch    */ "Empfänger",
    /*  4 Suomi      */ "Vastaanottajat",
    /*  5 Italiano   */ "Destinatari",
    /*  6 Francais   */ "Destinataire",
    /*  7 Magyar     */ "Címzettek",
    /*  8 Slovenian  */ "Prejemnik",
    /*  9 Cesky      */ "příjemci",
    /* 10 Japanese   */ "名宛人",
    /* 11 Lithuanian */ "Gavėjai",
    /* 12 Polish     */ "Odbiorcy",
    /* 13 Turkiye    */ "alıcı",
    /* 14 Ukraine    */ "Получатель Email",
    /* 15 Russian    */ "Получатель",
}};

// "Smtp Server"
const CaptionTable SmtpServer{"smtp.SmtpServer", {
    /*  1 Chinese    */ "SMTP服务器",
    /*  2 English    */ "Smtp Server",
    /*  3 Deutsch    */ "SMTP-Server",
    /*  4 Suomi      */ "SMTP-palvelin",
    /*  5 Italiano   */ "Server SMTP",
    /*  6 Francais   */ "Serveur SMTP",
    /*  7 Magyar     */ "SMTP-kiszolgáló",
    /*  8 Slovenian  */ "SMTP strežnik",
    /*  9 Cesky      */ "SMTP server",
    /* 10 Japanese   */ "SMTPサーバー",
    /* 11 Lithuanian */ "SMTP serveris",
    /* 12 Polish     */ "Serwer SMTP",
    /* 13 Turkiye    */ "Smtp Server",
    /* 14 Ukraine    */ "SMTP сервер",
    /* 15 Russian    */ "SMTP сервер",
}};

// "Port"
const CaptionTable ServerPort{"smtp.ServerPort", {
    /*  1 Chinese    */ "SMTP端口",
    /*  2 English    */ "Port",
    /*  3 Deutsch    */ "Hafen",
    /*  4 Suomi      */ "Portti",
    /*  5 Italiano   */ "Porta",
    /*  6 Francais   */ "Port",
    /*  7 Magyar     */ "Port",
    /*  8 Slovenian  */ "Vrata",
    /*  9 Cesky      */ "Přístav",
    /* 10 Japanese   */ "ポート",
    /* 11 Lithuanian */ "Uostas",
    /* 12 Polish     */ "Port",
    /* 13 Turkiye    */ "Port",
    /* 14 Ukraine    */ "Порт",
    /* 15 Russian    */ "Порт",
}};

// "Sender Email"
const CaptionTable SenderEmail{"smtp.SenderEmail", {
    /*  1 Chinese    */ "发送人邮箱",
    /*  2 English    */ "Sender Email",
    /*  3 Deutsch    */ "Senter E-Mail",
    /*  4 Suomi      */ "Lähettäjän sähköposti",
    /*  5 Italiano   */ "Mittente e-mail",
    /*  6 Francais   */ "Senter Email",
    /*  7 Magyar     */ "Senter E-mail",
    /*  8 Slovenian  */ "Email",
    /*  9 Cesky      */ "Odesílatel E-mail",
    /* 10 Japanese   */ "送信者のメール",
    /* 11 Lithuanian */ "Siuntėjas El.paštas",
    /* 12 Polish     */ "Email wysył",
    /* 13 Turkiye    */ "gönderici eposta",
    /* 14 Ukraine    */ "Учетная запись",
    /* 15 Russian    */ "E-mail отправит.",
}};

// "Password"
const CaptionTable SenderPassword{"smtp.SenderPassword", {
    /*  1 Chinese    */ "发送人密码",
    /*  2 English    */ "Password",
    /*  3 Deutsch    */ "Passwort",
    /*  4 Suomi      */ "Salasana",
    /*  5 Italiano   */ "Parola d'ordine",
    /*  6 Francais   */ "Mot de passe",
    /*  7 Magyar     */ "Jelszó",
    /*  8 Slovenian  */ "Geslo",
    /*  9 Cesky      */ "Heslo",
    /* 10 Japanese   */ "パスワード",
    /* 11 Lithuanian */ "slaptažodis",
    /* 12 Polish     */ "Hasło",
    /* 13 Turkiye    */ "şifre",
    /* 14 Ukraine    */ "Пароль",
    /* 15 Russian    */ "Пароль",
}};

// "Email01"
const CaptionTable Email01{"smtp.Email01", {
    /*  1 Chinese    */ "邮箱地址01",
    /*  2 English    */ "Email01",
    /*  3 Deutsch    */ "Email 01",
    /*  4 Suomi      */ "Email 01",
    /*  5 Italiano   */ "Email 01",
    /*  6 Francais   */ "Email 01",
    /*  7 Magyar     */ "Email 01",
    /*  8 Slovenian  */ "Email naslov",
    /*  9 Cesky      */ "Email 01",
    /* 10 Japanese   */ "Eメール01",
    /* 11 Lithuanian */ "Email 01",
    /* 12 Polish     */ "Email01",
    /* 13 Turkiye    */ "eposta01",
    /* 14 Ukraine    */ "Email 01",
    /* 15 Russian    */ "E-mail  01",
}};

// "SMS"
const CaptionTable Sms{"smtp.Sms", {
    /*  1 Chinese    */ "短信",
    /*  2 English    */ "SMS",
    /*  3 Deutsch    */ "SMS",
    /*  4 Suomi      */ "SMS",
    /*  5 Italiano   */ "SMS",
    /*  6 Francais   */ "SMS",
    /*  7 Magyar     */ "SMS",
    /*  8 Slovenian  */ "SMS",
    /*  9 Cesky      */ "SMS",
    /* 10 Japanese   */ "SMS",
    /* 11 Lithuanian */ "SMS",
    /* 12 Polish     */ "SMS",
    /* 13 Turkiye    */ "SMS",
    /* 14 Ukraine    */ "SMS",
    /* 15 Russian    */ "SMS",
}};

// SMTP Mode list 1087
const OptionTable ModeOptions{"smtp.ModeOptions", 2, {{
    /*  1 Chinese    */ {"自动", "手动"},
    /*  2 English    */ {"Auto", "Manual"},
    /*  3 Deutsch    */ {"Auto", "Handbuch"},
    /*  4 Suomi      */ {"Auto", "Käsikirja"},
    /*  5 Italiano   */ {"Auto", "Manual"},
    /*  6 Francais   */ {"Auto", "Manuelle"},
    /*  7 Magyar     */ {"Automatikus", "Kézikönyv"},
    /*  8 Slovenian  */ {"Samodejno", "Ročno"},
    /*  9 Cesky      */ {"Auto", "Manuál"},
    /* 10 Japanese   */ {"自動", "手動"},
    /* 11 Lithuanian */ {"Automatinis", "Rankiniu"},
    /* 12 Polish     */ {"Automatyczne", "Ręcznie"},
    /* 13 Turkiye    */ {"otomatik", "elle"},
    /* 14 Ukraine    */ {"Авто", "Вручную"},
    /* 15 Russian    */ {"Авто", "Ручная"},
}}};

// SMTP Status list 1114 (K600 SMTP form)
const OptionTable StatusOptions{"smtp.StatusOptions", 3, {{
    /*  1 Chinese    */ {"关闭", "VGA", "短信"},
    /*  2 English    */ {"Off", "VGA", "SMS"},
    /*  3 Deutsch    */ {"Aus", "VGA", "SMS"},
    /*  4 Suomi      */ {"pois", "VGA", "SMS"},
    /*  5 Italiano   */ {"OFF", "VGA", "SMS"},
    /*  6 Francais   */ {"Arret", "VGA", "SMS"},
    /*  7 Magyar     */ {"Ki", "VGA", "SMS"},
    /*  8 Slovenian  */ {"Izklop", "VGA", "SMS"},
    /*  9 Cesky      */ {"Vypnuto", "VGA", "SMS"},
    /* 10 Japanese   */ {"オフ", "VGA", "SMS"},
    /* 11 Lithuanian */ {"NE", "VGA", "SMS"},
    /* 12 Polish     */ {"Wył.", "VGA", "SMS"},
    /* 13 Turkiye    */ {"kapama", "VGA", "SMS"},
    /* 14 Ukraine    */ {"Выкл", "VGA", "SMS"},
    /* 15 Russian    */ {"Выкл", "VGA", "SMS"},
}}};

}  // namespace smtp

}  // namespace marrowby::i18n
