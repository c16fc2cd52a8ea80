// Texts of working with the card in every language, in LanguageIndex order.
// Placeholders are positional (%1, %2): a translation may put them in another
// order, but keeps each of them.
#include "i18n/CardPlaceTexts.h"

// Hand-aligned tables: one block per text, kept as written.
// clang-format off

namespace marrowby::i18n::cardplace {

const CaptionTable LoadFromCard{"cardplace.LoadFromCard", {
    /*  1 Chinese    */ "从存储卡读取",
    /*  2 English    */ "Load from card",
    /*  3 Deutsch    */ "Von Karte laden",
    /*  4 Suomi      */ "Lataa kortilta",
    /*  5 Italiano   */ "Carica dalla scheda",
    /*  6 Francais   */ "Charger depuis la carte",
    /*  7 Magyar     */ "Betöltés a kártyáról",
    /*  8 Slovenian  */ "Naloži s kartice",
    /*  9 Cesky      */ "Načíst z karty",
    /* 10 Japanese   */ "カードから読み込む",
    /* 11 Lithuanian */ "Įkelti iš kortelės",
    /* 12 Polish     */ "Wczytaj z karty",
    /* 13 Turkiye    */ "Karttan yükle",
    /* 14 Ukraine    */ "Завантажити з картки",
    /* 15 Russian    */ "Загрузить с карты",
}};

const TranslatedMessage OfferSettings{"cardplace.OfferSettings", {
    /*  1 Chinese    */ "%2 中有 %1，其中保存着相机的设置。要在本窗口中显示这些设置吗？窗口中现有的值将被替换。",
    /*  2 English    */ "%2 holds %1 with a camera's settings. Show these settings in the form? The values the form shows now are replaced.",
    /*  3 Deutsch    */ "%2 enthält %1 mit den Einstellungen einer Kamera. Diese Einstellungen im Formular anzeigen? Die jetzt angezeigten Werte werden ersetzt.",
    /*  4 Suomi      */ "%2 sisältää tiedoston %1, jossa on kameran asetukset. Näytetäänkö nämä asetukset lomakkeessa? Lomakkeen nykyiset arvot korvataan.",
    /*  5 Italiano   */ "%2 contiene %1 con le impostazioni di una fotocamera. Mostrare queste impostazioni nel modulo? I valori mostrati ora verranno sostituiti.",
    /*  6 Francais   */ "%2 contient %1 avec les réglages d'une caméra. Afficher ces réglages dans le formulaire ? Les valeurs affichées maintenant seront remplacées.",
    /*  7 Magyar     */ "A(z) %2 mappában van egy %1 fájl egy kamera beállításaival. Megjelenítsük ezeket a beállításokat az űrlapon? Az űrlap mostani értékei felülíródnak.",
    /*  8 Slovenian  */ "%2 vsebuje %1 z nastavitvami kamere. Želite prikazati te nastavitve v obrazcu? Trenutne vrednosti v obrazcu bodo zamenjane.",
    /*  9 Cesky      */ "%2 obsahuje %1 s nastavením fotopasti. Zobrazit toto nastavení ve formuláři? Hodnoty, které formulář nyní ukazuje, budou nahrazeny.",
    /* 10 Japanese   */ "%2 にカメラの設定を含む %1 があります。この設定をフォームに表示しますか？フォームの現在の値は置き換えられます。",
    /* 11 Lithuanian */ "%2 yra %1 su kameros nustatymais. Rodyti šiuos nustatymus formoje? Dabar formoje rodomos reikšmės bus pakeistos.",
    /* 12 Polish     */ "%2 zawiera %1 z ustawieniami kamery. Pokazać te ustawienia w formularzu? Wartości widoczne teraz w formularzu zostaną zastąpione.",
    /* 13 Turkiye    */ "%2 içinde bir kameranın ayarlarını taşıyan %1 var. Bu ayarlar formda gösterilsin mi? Formdaki mevcut değerlerin yerini alırlar.",
    /* 14 Ukraine    */ "%2 містить %1 з налаштуваннями камери. Показати ці налаштування у формі? Значення, які форма показує зараз, буде замінено.",
    /* 15 Russian    */ "%2 содержит %1 с настройками камеры. Показать эти настройки в форме? Значения, которые форма показывает сейчас, будут заменены.",
}};

const TranslatedMessage FileRefused{"cardplace.FileRefused", {
    /*  1 Chinese    */ "未读取 %1，窗口保留现有的值。存储卡检查发现：\n%2",
    /*  2 English    */ "%1 is not loaded; the form keeps its values. The card check found:\n%2",
    /*  3 Deutsch    */ "%1 wird nicht geladen; das Formular behält seine Werte. Die Kartenprüfung fand:\n%2",
    /*  4 Suomi      */ "Tiedostoa %1 ei ladata; lomake säilyttää arvonsa. Kortin tarkistus löysi:\n%2",
    /*  5 Italiano   */ "%1 non viene caricato; il modulo mantiene i suoi valori. Il controllo della scheda ha trovato:\n%2",
    /*  6 Francais   */ "%1 n'est pas chargé ; le formulaire garde ses valeurs. La vérification de la carte a trouvé :\n%2",
    /*  7 Magyar     */ "A(z) %1 nincs betöltve; az űrlap megtartja az értékeit. A kártya ellenőrzése ezt találta:\n%2",
    /*  8 Slovenian  */ "%1 ni naložen; obrazec obdrži svoje vrednosti. Preverjanje kartice je našlo:\n%2",
    /*  9 Cesky      */ "%1 se nenačte; formulář si ponechá své hodnoty. Kontrola karty zjistila:\n%2",
    /* 10 Japanese   */ "%1 は読み込まれません。フォームの値はそのままです。カードの確認結果：\n%2",
    /* 11 Lithuanian */ "%1 neįkeltas; forma išlaiko savo reikšmes. Kortelės patikra rado:\n%2",
    /* 12 Polish     */ "Nie wczytano %1; formularz zachowuje swoje wartości. Sprawdzenie karty wykazało:\n%2",
    /* 13 Turkiye    */ "%1 yüklenmedi; form değerlerini korur. Kart denetimi şunları buldu:\n%2",
    /* 14 Ukraine    */ "%1 не завантажено; форма зберігає свої значення. Перевірка картки виявила:\n%2",
    /* 15 Russian    */ "%1 не загружен; форма сохраняет свои значения. Проверка карты обнаружила:\n%2",
}};

const TranslatedMessage NoFormFile{"cardplace.NoFormFile", {
    /*  1 Chinese    */ "%2 中没有 %1。",
    /*  2 English    */ "There is no %1 in %2.",
    /*  3 Deutsch    */ "In %2 gibt es keine Datei %1.",
    /*  4 Suomi      */ "Kansiossa %2 ei ole tiedostoa %1.",
    /*  5 Italiano   */ "In %2 non c'è %1.",
    /*  6 Francais   */ "Il n'y a pas de %1 dans %2.",
    /*  7 Magyar     */ "A(z) %2 mappában nincs %1.",
    /*  8 Slovenian  */ "V %2 ni datoteke %1.",
    /*  9 Cesky      */ "V %2 není soubor %1.",
    /* 10 Japanese   */ "%2 に %1 がありません。",
    /* 11 Lithuanian */ "%2 nėra %1.",
    /* 12 Polish     */ "W %2 nie ma pliku %1.",
    /* 13 Turkiye    */ "%2 içinde %1 yok.",
    /* 14 Ukraine    */ "У %2 немає %1.",
    /* 15 Russian    */ "В %2 нет %1.",
}};

const TranslatedMessage FactoryRecordOnly{"cardplace.FactoryRecordOnly", {
    /*  1 Chinese    */ "该文件是相机的恢复出厂设置记录，不含可在窗口中显示的设置。",
    /*  2 English    */ "The file holds the camera's factory reset record, not settings a form can show.",
    /*  3 Deutsch    */ "Die Datei enthält den Datensatz zum Zurücksetzen auf Werkseinstellungen, keine Einstellungen, die ein Formular zeigen kann.",
    /*  4 Suomi      */ "Tiedostossa on kameran tehdasasetusten palautustietue, ei lomakkeella näytettäviä asetuksia.",
    /*  5 Italiano   */ "Il file contiene il record di ripristino alle impostazioni di fabbrica, non impostazioni che un modulo possa mostrare.",
    /*  6 Francais   */ "Le fichier contient l'enregistrement de retour aux réglages d'usine, pas des réglages qu'un formulaire peut afficher.",
    /*  7 Magyar     */ "A fájl a kamera gyári visszaállítási rekordját tartalmazza, nem űrlapon megjeleníthető beállításokat.",
    /*  8 Slovenian  */ "Datoteka vsebuje zapis za ponastavitev kamere na tovarniške nastavitve, ne nastavitev, ki bi jih obrazec lahko prikazal.",
    /*  9 Cesky      */ "Soubor obsahuje záznam pro obnovení továrního nastavení, ne nastavení, které by formulář mohl zobrazit.",
    /* 10 Japanese   */ "このファイルはカメラを工場出荷時の設定に戻すレコードで、フォームに表示できる設定ではありません。",
    /* 11 Lithuanian */ "Faile yra kameros gamyklinių nustatymų atkūrimo įrašas, o ne nustatymai, kuriuos galima parodyti formoje.",
    /* 12 Polish     */ "Plik zawiera rekord przywracania ustawień fabrycznych kamery, a nie ustawienia, które formularz może pokazać.",
    /* 13 Turkiye    */ "Dosya, kameranın fabrika ayarlarına dönüş kaydını içeriyor; formda gösterilebilecek ayarlar değil.",
    /* 14 Ukraine    */ "Файл містить запис скидання камери до заводських налаштувань, а не налаштування, які може показати форма.",
    /* 15 Russian    */ "Файл содержит запись сброса камеры к заводским настройкам, а не настройки, которые может показать форма.",
}};

const TranslatedMessage PlaceWarning{"cardplace.PlaceWarning", {
    /*  1 Chinese    */ "相机不会读取写在 %1 中的文件：\n%2\n\n仍要写入吗？",
    /*  2 English    */ "The camera will not read a file written in %1:\n%2\n\nWrite anyway?",
    /*  3 Deutsch    */ "Die Kamera liest keine Datei, die in %1 geschrieben wird:\n%2\n\nTrotzdem schreiben?",
    /*  4 Suomi      */ "Kamera ei lue tiedostoa, joka kirjoitetaan kansioon %1:\n%2\n\nKirjoitetaanko silti?",
    /*  5 Italiano   */ "La fotocamera non leggerà un file scritto in %1:\n%2\n\nScrivere comunque?",
    /*  6 Francais   */ "La caméra ne lira pas un fichier écrit dans %1 :\n%2\n\nÉcrire quand même ?",
    /*  7 Magyar     */ "A kamera nem olvassa be a(z) %1 mappába írt fájlt:\n%2\n\nMégis írjuk?",
    /*  8 Slovenian  */ "Kamera ne bo prebrala datoteke, zapisane v %1:\n%2\n\nVseeno zapišem?",
    /*  9 Cesky      */ "Fotopast nepřečte soubor zapsaný do %1:\n%2\n\nPřesto zapsat?",
    /* 10 Japanese   */ "%1 に書き込んだファイルはカメラに読み込まれません：\n%2\n\nそれでも書き込みますか？",
    /* 11 Lithuanian */ "Kamera neperskaitys failo, įrašyto į %1:\n%2\n\nVis tiek įrašyti?",
    /* 12 Polish     */ "Kamera nie odczyta pliku zapisanego w %1:\n%2\n\nZapisać mimo to?",
    /* 13 Turkiye    */ "Kamera %1 içine yazılan dosyayı okumaz:\n%2\n\nYine de yazılsın mı?",
    /* 14 Ukraine    */ "Камера не прочитає файл, записаний у %1:\n%2\n\nВсе одно записати?",
    /* 15 Russian    */ "Камера не прочитает файл, записанный в %1:\n%2\n\nВсё равно записать?",
}};

const TranslatedMessage NotTopFolder{"cardplace.NotTopFolder", {
    /*  1 Chinese    */ "- 这不是存储卡的根目录；相机只在 %1 中查找",
    /*  2 English    */ "- it is not the top folder of the card; the camera looks only in %1",
    /*  3 Deutsch    */ "- es ist nicht der oberste Ordner der Karte; die Kamera sucht nur in %1",
    /*  4 Suomi      */ "- se ei ole kortin ylin kansio; kamera etsii vain kansiosta %1",
    /*  5 Italiano   */ "- non è la cartella principale della scheda; la fotocamera cerca solo in %1",
    /*  6 Francais   */ "- ce n'est pas le dossier racine de la carte ; la caméra ne cherche que dans %1",
    /*  7 Magyar     */ "- ez nem a kártya legfelső mappája; a kamera csak itt keres: %1",
    /*  8 Slovenian  */ "- to ni najvišja mapa kartice; kamera išče samo v %1",
    /*  9 Cesky      */ "- není to kořenová složka karty; fotopast hledá jen v %1",
    /* 10 Japanese   */ "- カードの最上位フォルダーではありません。カメラは %1 だけを確認します",
    /* 11 Lithuanian */ "- tai ne kortelės viršutinis aplankas; kamera ieško tik %1",
    /* 12 Polish     */ "- to nie jest główny folder karty; kamera szuka tylko w %1",
    /* 13 Turkiye    */ "- kartın en üst klasörü değil; kamera yalnızca %1 içinde arar",
    /* 14 Ukraine    */ "- це не коренева папка картки; камера шукає лише в %1",
    /* 15 Russian    */ "- это не корневая папка карты; камера ищет только в %1",
}};

const TranslatedMessage FileSystem{"cardplace.FileSystem", {
    /*  1 Chinese    */ "- 存储卡的格式为 %1；相机只能读取 FAT 和 exFAT 格式的存储卡",
    /*  2 English    */ "- the card is formatted %1; the camera reads only FAT and exFAT cards",
    /*  3 Deutsch    */ "- die Karte ist mit %1 formatiert; die Kamera liest nur FAT- und exFAT-Karten",
    /*  4 Suomi      */ "- kortti on alustettu muotoon %1; kamera lukee vain FAT- ja exFAT-kortteja",
    /*  5 Italiano   */ "- la scheda è formattata %1; la fotocamera legge solo schede FAT ed exFAT",
    /*  6 Francais   */ "- la carte est formatée en %1 ; la caméra ne lit que les cartes FAT et exFAT",
    /*  7 Magyar     */ "- a kártya %1 formátumú; a kamera csak FAT és exFAT kártyát olvas",
    /*  8 Slovenian  */ "- kartica je formatirana kot %1; kamera bere samo kartice FAT in exFAT",
    /*  9 Cesky      */ "- karta je naformátovaná jako %1; fotopast čte jen karty FAT a exFAT",
    /* 10 Japanese   */ "- カードは %1 でフォーマットされています。カメラが読めるのは FAT と exFAT のカードだけです",
    /* 11 Lithuanian */ "- kortelė suformatuota %1; kamera skaito tik FAT ir exFAT korteles",
    /* 12 Polish     */ "- karta jest sformatowana jako %1; kamera odczytuje tylko karty FAT i exFAT",
    /* 13 Turkiye    */ "- kart %1 olarak biçimlendirilmiş; kamera yalnızca FAT ve exFAT kartları okur",
    /* 14 Ukraine    */ "- картку відформатовано як %1; камера читає лише картки FAT і exFAT",
    /* 15 Russian    */ "- карта отформатирована как %1; камера читает только карты FAT и exFAT",
}};

const TranslatedMessage ReadOnly{"cardplace.ReadOnly", {
    /*  1 Chinese    */ "- 存储卡为只读；请检查卡侧面的写保护开关",
    /*  2 English    */ "- the card is read-only; check the lock switch on its side",
    /*  3 Deutsch    */ "- die Karte ist schreibgeschützt; prüfen Sie den Sperrschalter an ihrer Seite",
    /*  4 Suomi      */ "- kortti on vain luku -tilassa; tarkista sen kyljessä oleva lukituskytkin",
    /*  5 Italiano   */ "- la scheda è di sola lettura; controllare l'interruttore di blocco sul lato",
    /*  6 Francais   */ "- la carte est en lecture seule ; vérifiez le verrou sur son côté",
    /*  7 Magyar     */ "- a kártya csak olvasható; ellenőrizze az oldalán lévő írásvédelmi kapcsolót",
    /*  8 Slovenian  */ "- kartica je samo za branje; preverite stikalo za zaklep na njeni strani",
    /*  9 Cesky      */ "- karta je jen pro čtení; zkontrolujte přepínač zámku na jejím boku",
    /* 10 Japanese   */ "- カードは読み取り専用です。カード側面のロックスイッチを確認してください",
    /* 11 Lithuanian */ "- kortelė tik skaitoma; patikrinkite užrakto jungiklį jos šone",
    /* 12 Polish     */ "- karta jest tylko do odczytu; sprawdź przełącznik blokady z boku karty",
    /* 13 Turkiye    */ "- kart salt okunur; yanındaki kilit anahtarını denetleyin",
    /* 14 Ukraine    */ "- картка лише для читання; перевірте перемикач блокування на її боці",
    /* 15 Russian    */ "- карта только для чтения; проверьте переключатель блокировки на её боку",
}};

const TranslatedMessage DontAskAgain{"cardplace.DontAskAgain", {
    /*  1 Chinese    */ "不再询问",
    /*  2 English    */ "Do not ask again",
    /*  3 Deutsch    */ "Nicht mehr fragen",
    /*  4 Suomi      */ "Älä kysy uudelleen",
    /*  5 Italiano   */ "Non chiedere più",
    /*  6 Francais   */ "Ne plus demander",
    /*  7 Magyar     */ "Ne kérdezze újra",
    /*  8 Slovenian  */ "Ne sprašuj več",
    /*  9 Cesky      */ "Příště se neptat",
    /* 10 Japanese   */ "今後は確認しない",
    /* 11 Lithuanian */ "Daugiau neklausti",
    /* 12 Polish     */ "Nie pytaj ponownie",
    /* 13 Turkiye    */ "Bir daha sorma",
    /* 14 Ukraine    */ "Більше не питати",
    /* 15 Russian    */ "Больше не спрашивать",
}};

namespace {

const TranslatedMessage *const kMessages[] = {
    &OfferSettings, &FileRefused, &NoFormFile, &FactoryRecordOnly, &PlaceWarning, &NotTopFolder,
    &FileSystem, &ReadOnly, &DontAskAgain,
};

} // namespace

std::span<const TranslatedMessage *const> allCardPlaceMessages()
{
    return kMessages;
}

} // namespace marrowby::i18n::cardplace
