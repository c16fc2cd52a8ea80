// Texts of settings documents in the fifteen languages.
#include "i18n/DocumentTexts.h"

namespace marrowby::i18n::documents {

// clang-format off
const CaptionTable SaveSettings{"documents.SaveSettings", {
    /*  1 Chinese    */ "保存设置…",
    /*  2 English    */ "Save settings…",
    /*  3 Deutsch    */ "Einstellungen speichern…",
    /*  4 Suomi      */ "Tallenna asetukset…",
    /*  5 Italiano   */ "Salva impostazioni…",
    /*  6 Francais   */ "Enregistrer les réglages…",
    /*  7 Magyar     */ "Beállítások mentése…",
    /*  8 Slovenian  */ "Shrani nastavitve…",
    /*  9 Cesky      */ "Uložit nastavení…",
    /* 10 Japanese   */ "設定を保存…",
    /* 11 Lithuanian */ "Įrašyti nustatymus…",
    /* 12 Polish     */ "Zapisz ustawienia…",
    /* 13 Turkiye    */ "Ayarları kaydet…",
    /* 14 Ukraine    */ "Зберегти налаштування…",
    /* 15 Russian    */ "Сохранить настройки…",
}};

const CaptionTable OpenSettings{"documents.OpenSettings", {
    /*  1 Chinese    */ "打开设置…",
    /*  2 English    */ "Open settings…",
    /*  3 Deutsch    */ "Einstellungen öffnen…",
    /*  4 Suomi      */ "Avaa asetukset…",
    /*  5 Italiano   */ "Apri impostazioni…",
    /*  6 Francais   */ "Ouvrir des réglages…",
    /*  7 Magyar     */ "Beállítások megnyitása…",
    /*  8 Slovenian  */ "Odpri nastavitve…",
    /*  9 Cesky      */ "Otevřít nastavení…",
    /* 10 Japanese   */ "設定を開く…",
    /* 11 Lithuanian */ "Atverti nustatymus…",
    /* 12 Polish     */ "Otwórz ustawienia…",
    /* 13 Turkiye    */ "Ayarları aç…",
    /* 14 Ukraine    */ "Відкрити налаштування…",
    /* 15 Russian    */ "Открыть настройки…",
}};

const TranslatedMessage NotJson{"documents.NotJson", {
    /*  1 Chinese    */ "文档不是有效的 JSON:第 %1 行第 %2 列有错误。",
    /*  2 English    */ "The document is not valid JSON: error in line %1, column %2.",
    /*  3 Deutsch    */ "Das Dokument ist kein gültiges JSON: Fehler in Zeile %1, Spalte %2.",
    /*  4 Suomi      */ "Asiakirja ei ole kelvollista JSONia: virhe rivillä %1, sarakkeessa %2.",
    /*  5 Italiano   */ "Il documento non è JSON valido: errore alla riga %1, colonna %2.",
    /*  6 Francais   */ "Le document n'est pas du JSON valide : erreur ligne %1, colonne %2.",
    /*  7 Magyar     */ "A dokumentum nem érvényes JSON: hiba a(z) %1. sor %2. oszlopában.",
    /*  8 Slovenian  */ "Dokument ni veljaven JSON: napaka v vrstici %1, stolpec %2.",
    /*  9 Cesky      */ "Dokument není platný JSON: chyba na řádku %1, sloupec %2.",
    /* 10 Japanese   */ "文書は有効な JSON ではありません: %1 行 %2 列にエラーがあります。",
    /* 11 Lithuanian */ "Dokumentas nėra tinkamas JSON: klaida %1 eilutėje, %2 stulpelyje.",
    /* 12 Polish     */ "Dokument nie jest poprawnym JSON-em: błąd w wierszu %1, kolumna %2.",
    /* 13 Turkiye    */ "Belge geçerli JSON değil: %1. satır, %2. sütunda hata.",
    /* 14 Ukraine    */ "Документ не є коректним JSON: помилка в рядку %1, стовпці %2.",
    /* 15 Russian    */ "Документ не является корректным JSON: ошибка в строке %1, столбце %2.",
}};

const TranslatedMessage NotADocument{"documents.NotADocument", {
    /*  1 Chinese    */ "这不是 Marrowby 设置文档(\"format\" 必须是 \"marrowby-settings\")。",
    /*  2 English    */ "This is not a Marrowby settings document (\"format\" must be \"marrowby-settings\").",
    /*  3 Deutsch    */ "Dies ist kein Marrowby-Einstellungsdokument (\"format\" muss \"marrowby-settings\" sein).",
    /*  4 Suomi      */ "Tämä ei ole Marrowbyn asetusasiakirja (\"format\" on oltava \"marrowby-settings\").",
    /*  5 Italiano   */ "Questo non è un documento di impostazioni Marrowby (\"format\" deve essere \"marrowby-settings\").",
    /*  6 Francais   */ "Ce n'est pas un document de réglages Marrowby (\"format\" doit valoir \"marrowby-settings\").",
    /*  7 Magyar     */ "Ez nem Marrowby beállításdokumentum (a \"format\" értéke \"marrowby-settings\" kell legyen).",
    /*  8 Slovenian  */ "To ni dokument z nastavitvami Marrowby (\"format\" mora biti \"marrowby-settings\").",
    /*  9 Cesky      */ "Toto není dokument nastavení Marrowby (\"format\" musí být \"marrowby-settings\").",
    /* 10 Japanese   */ "これは Marrowby の設定文書ではありません (\"format\" は \"marrowby-settings\" である必要があります)。",
    /* 11 Lithuanian */ "Tai ne Marrowby nustatymų dokumentas (\"format\" turi būti \"marrowby-settings\").",
    /* 12 Polish     */ "To nie jest dokument ustawień Marrowby (\"format\" musi mieć wartość \"marrowby-settings\").",
    /* 13 Turkiye    */ "Bu bir Marrowby ayar belgesi değil (\"format\" değeri \"marrowby-settings\" olmalı).",
    /* 14 Ukraine    */ "Це не документ налаштувань Marrowby (\"format\" має бути \"marrowby-settings\").",
    /* 15 Russian    */ "Это не документ настроек Marrowby (\"format\" должен быть \"marrowby-settings\").",
}};

const TranslatedMessage NewerVersion{"documents.NewerVersion", {
    /*  1 Chinese    */ "文档版本为 %1;本程序只能读取 %2 及更早的版本。请使用更新的 Marrowby。",
    /*  2 English    */ "The document has version %1; this program reads version %2 and older. Use a newer Marrowby.",
    /*  3 Deutsch    */ "Das Dokument hat Version %1; dieses Programm liest Version %2 und älter. Verwenden Sie ein neueres Marrowby.",
    /*  4 Suomi      */ "Asiakirjan versio on %1; tämä ohjelma lukee version %2 ja vanhemmat. Käytä uudempaa Marrowbyta.",
    /*  5 Italiano   */ "Il documento ha la versione %1; questo programma legge la versione %2 e precedenti. Usare un Marrowby più recente.",
    /*  6 Francais   */ "Le document est en version %1 ; ce programme lit la version %2 et les précédentes. Utilisez un Marrowby plus récent.",
    /*  7 Magyar     */ "A dokumentum verziója %1; ez a program a(z) %2. és korábbi verziókat olvassa. Használjon újabb Marrowbyt.",
    /*  8 Slovenian  */ "Dokument ima različico %1; ta program bere različico %2 in starejše. Uporabite novejši Marrowby.",
    /*  9 Cesky      */ "Dokument má verzi %1; tento program čte verzi %2 a starší. Použijte novější Marrowby.",
    /* 10 Japanese   */ "文書のバージョンは %1 です。このプログラムが読めるのはバージョン %2 以前です。新しい Marrowby を使ってください。",
    /* 11 Lithuanian */ "Dokumento versija %1; ši programa skaito %2 ir senesnes versijas. Naudokite naujesnę Marrowby.",
    /* 12 Polish     */ "Dokument ma wersję %1; ten program czyta wersję %2 i starsze. Użyj nowszego Marrowby.",
    /* 13 Turkiye    */ "Belgenin sürümü %1; bu program %2 ve önceki sürümleri okur. Daha yeni bir Marrowby kullanın.",
    /* 14 Ukraine    */ "Документ має версію %1; ця програма читає версію %2 і старіші. Скористайтеся новішим Marrowby.",
    /* 15 Russian    */ "Документ имеет версию %1; эта программа читает версию %2 и более старые. Используйте более новый Marrowby.",
}};

const TranslatedMessage WrongModel{"documents.WrongModel", {
    /*  1 Chinese    */ "文档适用于型号 %1,而不是 %2。",
    /*  2 English    */ "The document is for model %1, not for %2.",
    /*  3 Deutsch    */ "Das Dokument ist für das Modell %1, nicht für %2.",
    /*  4 Suomi      */ "Asiakirja on mallille %1, ei mallille %2.",
    /*  5 Italiano   */ "Il documento è per il modello %1, non per %2.",
    /*  6 Francais   */ "Le document est pour le modèle %1, pas pour %2.",
    /*  7 Magyar     */ "A dokumentum a(z) %1 modellhez készült, nem a(z) %2 modellhez.",
    /*  8 Slovenian  */ "Dokument je za model %1, ne za %2.",
    /*  9 Cesky      */ "Dokument je pro model %1, ne pro %2.",
    /* 10 Japanese   */ "文書はモデル %1 用で、%2 用ではありません。",
    /* 11 Lithuanian */ "Dokumentas skirtas modeliui %1, o ne %2.",
    /* 12 Polish     */ "Dokument dotyczy modelu %1, a nie %2.",
    /* 13 Turkiye    */ "Belge %1 modeli için, %2 için değil.",
    /* 14 Ukraine    */ "Документ призначений для моделі %1, а не для %2.",
    /* 15 Russian    */ "Документ предназначен для модели %1, а не для %2.",
}};

const TranslatedMessage NoSuchForm{"documents.NoSuchForm", {
    /*  1 Chinese    */ "型号 %1 不使用 %2。",
    /*  2 English    */ "Model %1 does not use %2.",
    /*  3 Deutsch    */ "Das Modell %1 verwendet keine %2.",
    /*  4 Suomi      */ "Malli %1 ei käytä tiedostoa %2.",
    /*  5 Italiano   */ "Il modello %1 non usa %2.",
    /*  6 Francais   */ "Le modèle %1 n'utilise pas %2.",
    /*  7 Magyar     */ "A(z) %1 modell nem használ %2 fájlt.",
    /*  8 Slovenian  */ "Model %1 ne uporablja %2.",
    /*  9 Cesky      */ "Model %1 nepoužívá %2.",
    /* 10 Japanese   */ "モデル %1 は %2 を使いません。",
    /* 11 Lithuanian */ "Modelis %1 nenaudoja %2.",
    /* 12 Polish     */ "Model %1 nie używa %2.",
    /* 13 Turkiye    */ "%1 modeli %2 kullanmaz.",
    /* 14 Ukraine    */ "Модель %1 не використовує %2.",
    /* 15 Russian    */ "Модель %1 не использует %2.",
}};

const TranslatedMessage WrongFile{"documents.WrongFile", {
    /*  1 Chinese    */ "文档包含 %1,而此窗口写入 %2。",
    /*  2 English    */ "The document holds %1; this window writes %2.",
    /*  3 Deutsch    */ "Das Dokument enthält %1; dieses Fenster schreibt %2.",
    /*  4 Suomi      */ "Asiakirja sisältää tiedoston %1; tämä ikkuna kirjoittaa tiedoston %2.",
    /*  5 Italiano   */ "Il documento contiene %1; questa finestra scrive %2.",
    /*  6 Francais   */ "Le document contient %1 ; cette fenêtre écrit %2.",
    /*  7 Magyar     */ "A dokumentum %1 fájlt tartalmaz; ez az ablak %2 fájlt ír.",
    /*  8 Slovenian  */ "Dokument vsebuje %1; to okno zapiše %2.",
    /*  9 Cesky      */ "Dokument obsahuje %1; toto okno zapisuje %2.",
    /* 10 Japanese   */ "文書の内容は %1 ですが、このウィンドウは %2 を書き込みます。",
    /* 11 Lithuanian */ "Dokumente yra %1; šis langas rašo %2.",
    /* 12 Polish     */ "Dokument zawiera %1; to okno zapisuje %2.",
    /* 13 Turkiye    */ "Belge %1 içeriyor; bu pencere %2 yazar.",
    /* 14 Ukraine    */ "Документ містить %1; це вікно записує %2.",
    /* 15 Russian    */ "Документ содержит %1; это окно записывает %2.",
}};

const TranslatedMessage MissingField{"documents.MissingField", {
    /*  1 Chinese    */ "文档缺少 \"%1\"。",
    /*  2 English    */ "The document has no \"%1\".",
    /*  3 Deutsch    */ "Dem Dokument fehlt \"%1\".",
    /*  4 Suomi      */ "Asiakirjasta puuttuu \"%1\".",
    /*  5 Italiano   */ "Nel documento manca \"%1\".",
    /*  6 Francais   */ "Il manque \"%1\" dans le document.",
    /*  7 Magyar     */ "A dokumentumból hiányzik: \"%1\".",
    /*  8 Slovenian  */ "V dokumentu manjka \"%1\".",
    /*  9 Cesky      */ "V dokumentu chybí \"%1\".",
    /* 10 Japanese   */ "文書に \"%1\" がありません。",
    /* 11 Lithuanian */ "Dokumente nėra \"%1\".",
    /* 12 Polish     */ "W dokumencie brakuje \"%1\".",
    /* 13 Turkiye    */ "Belgede \"%1\" yok.",
    /* 14 Ukraine    */ "У документі немає \"%1\".",
    /* 15 Russian    */ "В документе нет \"%1\".",
}};

const TranslatedMessage UnknownField{"documents.UnknownField", {
    /*  1 Chinese    */ "文档中的 \"%1\" 不属于此文档。",
    /*  2 English    */ "The document has \"%1\", which does not belong in it.",
    /*  3 Deutsch    */ "Das Dokument enthält \"%1\", das nicht hineingehört.",
    /*  4 Suomi      */ "Asiakirjassa on \"%1\", joka ei kuulu siihen.",
    /*  5 Italiano   */ "Il documento contiene \"%1\", che non ne fa parte.",
    /*  6 Francais   */ "Le document contient \"%1\", qui n'y a pas sa place.",
    /*  7 Magyar     */ "A dokumentumban szerepel \"%1\", amely nem tartozik bele.",
    /*  8 Slovenian  */ "Dokument vsebuje \"%1\", ki ne sodi vanj.",
    /*  9 Cesky      */ "Dokument obsahuje \"%1\", které do něj nepatří.",
    /* 10 Japanese   */ "文書に含まれる \"%1\" はこの文書には属しません。",
    /* 11 Lithuanian */ "Dokumente yra \"%1\", kuris jam nepriklauso.",
    /* 12 Polish     */ "Dokument zawiera \"%1\", które do niego nie należy.",
    /* 13 Turkiye    */ "Belgede, ona ait olmayan \"%1\" var.",
    /* 14 Ukraine    */ "Документ містить \"%1\", що до нього не належить.",
    /* 15 Russian    */ "Документ содержит \"%1\", которое к нему не относится.",
}};

const TranslatedMessage NotANumber{"documents.NotANumber", {
    /*  1 Chinese    */ "\"%1\" 必须是整数。",
    /*  2 English    */ "\"%1\" must be a whole number.",
    /*  3 Deutsch    */ "\"%1\" muss eine ganze Zahl sein.",
    /*  4 Suomi      */ "\"%1\" on oltava kokonaisluku.",
    /*  5 Italiano   */ "\"%1\" deve essere un numero intero.",
    /*  6 Francais   */ "\"%1\" doit être un nombre entier.",
    /*  7 Magyar     */ "\"%1\" értéke egész szám kell legyen.",
    /*  8 Slovenian  */ "\"%1\" mora biti celo število.",
    /*  9 Cesky      */ "\"%1\" musí být celé číslo.",
    /* 10 Japanese   */ "\"%1\" は整数でなければなりません。",
    /* 11 Lithuanian */ "\"%1\" turi būti sveikasis skaičius.",
    /* 12 Polish     */ "\"%1\" musi być liczbą całkowitą.",
    /* 13 Turkiye    */ "\"%1\" bir tam sayı olmalı.",
    /* 14 Ukraine    */ "\"%1\" має бути цілим числом.",
    /* 15 Russian    */ "\"%1\" должно быть целым числом.",
}};

const TranslatedMessage NotAText{"documents.NotAText", {
    /*  1 Chinese    */ "\"%1\" 必须是带引号的文本。",
    /*  2 English    */ "\"%1\" must be a text in quotes.",
    /*  3 Deutsch    */ "\"%1\" muss ein Text in Anführungszeichen sein.",
    /*  4 Suomi      */ "\"%1\" on oltava lainausmerkeissä oleva teksti.",
    /*  5 Italiano   */ "\"%1\" deve essere un testo tra virgolette.",
    /*  6 Francais   */ "\"%1\" doit être un texte entre guillemets.",
    /*  7 Magyar     */ "\"%1\" értéke idézőjelek közötti szöveg kell legyen.",
    /*  8 Slovenian  */ "\"%1\" mora biti besedilo v narekovajih.",
    /*  9 Cesky      */ "\"%1\" musí být text v uvozovkách.",
    /* 10 Japanese   */ "\"%1\" は引用符で囲んだテキストでなければなりません。",
    /* 11 Lithuanian */ "\"%1\" turi būti tekstas kabutėse.",
    /* 12 Polish     */ "\"%1\" musi być tekstem w cudzysłowie.",
    /* 13 Turkiye    */ "\"%1\" tırnak içinde bir metin olmalı.",
    /* 14 Ukraine    */ "\"%1\" має бути текстом у лапках.",
    /* 15 Russian    */ "\"%1\" должно быть текстом в кавычках.",
}};

const TranslatedMessage OutOfRange{"documents.OutOfRange", {
    /*  1 Chinese    */ "\"%1\" 必须在 %2 到 %3 之间,而不是 %4。",
    /*  2 English    */ "\"%1\" must be %2 to %3, not %4.",
    /*  3 Deutsch    */ "\"%1\" muss zwischen %2 und %3 liegen, nicht %4.",
    /*  4 Suomi      */ "\"%1\" on oltava %2–%3, ei %4.",
    /*  5 Italiano   */ "\"%1\" deve essere tra %2 e %3, non %4.",
    /*  6 Francais   */ "\"%1\" doit être entre %2 et %3, pas %4.",
    /*  7 Magyar     */ "\"%1\" értéke %2 és %3 között kell legyen, nem %4.",
    /*  8 Slovenian  */ "\"%1\" mora biti od %2 do %3, ne %4.",
    /*  9 Cesky      */ "\"%1\" musí být %2 až %3, ne %4.",
    /* 10 Japanese   */ "\"%1\" は %2 から %3 でなければなりません (%4 ではなく)。",
    /* 11 Lithuanian */ "\"%1\" turi būti nuo %2 iki %3, o ne %4.",
    /* 12 Polish     */ "\"%1\" musi mieścić się w zakresie %2–%3, a nie %4.",
    /* 13 Turkiye    */ "\"%1\" %2 ile %3 arasında olmalı, %4 değil.",
    /* 14 Ukraine    */ "\"%1\" має бути від %2 до %3, а не %4.",
    /* 15 Russian    */ "\"%1\" должно быть от %2 до %3, а не %4.",
}};

const TranslatedMessage UnknownChoice{"documents.UnknownChoice", {
    /*  1 Chinese    */ "\"%1\" 不能是 %2;可选值:%3。",
    /*  2 English    */ "\"%1\" cannot be %2; it takes: %3.",
    /*  3 Deutsch    */ "\"%1\" kann nicht %2 sein; möglich sind: %3.",
    /*  4 Suomi      */ "\"%1\" ei voi olla %2; sallitut arvot: %3.",
    /*  5 Italiano   */ "\"%1\" non può essere %2; valori ammessi: %3.",
    /*  6 Francais   */ "\"%1\" ne peut pas valoir %2 ; valeurs possibles : %3.",
    /*  7 Magyar     */ "\"%1\" értéke nem lehet %2; lehetséges értékek: %3.",
    /*  8 Slovenian  */ "\"%1\" ne more biti %2; možne vrednosti: %3.",
    /*  9 Cesky      */ "\"%1\" nemůže být %2; možné hodnoty: %3.",
    /* 10 Japanese   */ "\"%1\" に %2 は使えません。使える値: %3。",
    /* 11 Lithuanian */ "\"%1\" negali būti %2; galimos reikšmės: %3.",
    /* 12 Polish     */ "\"%1\" nie może mieć wartości %2; dozwolone: %3.",
    /* 13 Turkiye    */ "\"%1\" %2 olamaz; alabileceği değerler: %3.",
    /* 14 Ukraine    */ "\"%1\" не може бути %2; можливі значення: %3.",
    /* 15 Russian    */ "\"%1\" не может быть %2; возможные значения: %3.",
}};

const TranslatedMessage TooLong{"documents.TooLong", {
    /*  1 Chinese    */ "\"%1\" 超过 %2 个字符。",
    /*  2 English    */ "\"%1\" is longer than %2 characters.",
    /*  3 Deutsch    */ "\"%1\" ist länger als %2 Zeichen.",
    /*  4 Suomi      */ "\"%1\" on pidempi kuin %2 merkkiä.",
    /*  5 Italiano   */ "\"%1\" supera i %2 caratteri.",
    /*  6 Francais   */ "\"%1\" dépasse %2 caractères.",
    /*  7 Magyar     */ "\"%1\" hosszabb %2 karakternél.",
    /*  8 Slovenian  */ "\"%1\" je daljše od %2 znakov.",
    /*  9 Cesky      */ "\"%1\" je delší než %2 znaků.",
    /* 10 Japanese   */ "\"%1\" は %2 文字を超えています。",
    /* 11 Lithuanian */ "\"%1\" ilgesnis nei %2 simbolių.",
    /* 12 Polish     */ "\"%1\" ma więcej niż %2 znaków.",
    /* 13 Turkiye    */ "\"%1\" %2 karakterden uzun.",
    /* 14 Ukraine    */ "\"%1\" довше за %2 символів.",
    /* 15 Russian    */ "\"%1\" длиннее %2 символов.",
}};

const TranslatedMessage CheckRefused{"documents.CheckRefused", {
    /*  1 Chinese    */ "\"%1\":%2",
    /*  2 English    */ "\"%1\": %2",
    /*  3 Deutsch    */ "\"%1\": %2",
    /*  4 Suomi      */ "\"%1\": %2",
    /*  5 Italiano   */ "\"%1\": %2",
    /*  6 Francais   */ "\"%1\" : %2",
    /*  7 Magyar     */ "\"%1\": %2",
    /*  8 Slovenian  */ "\"%1\": %2",
    /*  9 Cesky      */ "\"%1\": %2",
    /* 10 Japanese   */ "\"%1\": %2",
    /* 11 Lithuanian */ "\"%1\": %2",
    /* 12 Polish     */ "\"%1\": %2",
    /* 13 Turkiye    */ "\"%1\": %2",
    /* 14 Ukraine    */ "\"%1\": %2",
    /* 15 Russian    */ "\"%1\": %2",
}};

const TranslatedMessage PasswordLeftOut{"documents.PasswordLeftOut", {
    /*  1 Chinese    */ "文档未包含密码 \"%1\":请将其加入文档,或使用 --ask-passwords。",
    /*  2 English    */ "The document leaves out the password \"%1\": add it to the document, or use --ask-passwords.",
    /*  3 Deutsch    */ "Das Dokument enthält das Passwort \"%1\" nicht: Tragen Sie es ein oder verwenden Sie --ask-passwords.",
    /*  4 Suomi      */ "Asiakirjasta puuttuu salasana \"%1\": lisää se asiakirjaan tai käytä valitsinta --ask-passwords.",
    /*  5 Italiano   */ "Il documento non contiene la password \"%1\": aggiungerla al documento o usare --ask-passwords.",
    /*  6 Francais   */ "Le document ne contient pas le mot de passe \"%1\" : ajoutez-le ou utilisez --ask-passwords.",
    /*  7 Magyar     */ "A dokumentum nem tartalmazza a(z) \"%1\" jelszót: írja bele, vagy használja a --ask-passwords kapcsolót.",
    /*  8 Slovenian  */ "Dokument ne vsebuje gesla \"%1\": dodajte ga ali uporabite --ask-passwords.",
    /*  9 Cesky      */ "Dokument neobsahuje heslo \"%1\": doplňte ho nebo použijte --ask-passwords.",
    /* 10 Japanese   */ "文書にパスワード \"%1\" がありません。文書に追加するか --ask-passwords を使ってください。",
    /* 11 Lithuanian */ "Dokumente nėra slaptažodžio \"%1\": įrašykite jį arba naudokite --ask-passwords.",
    /* 12 Polish     */ "Dokument nie zawiera hasła \"%1\": dopisz je lub użyj --ask-passwords.",
    /* 13 Turkiye    */ "Belgede \"%1\" parolası yok: belgeye ekleyin ya da --ask-passwords kullanın.",
    /* 14 Ukraine    */ "Документ не містить пароля \"%1\": додайте його або скористайтеся --ask-passwords.",
    /* 15 Russian    */ "Документ не содержит пароля \"%1\": добавьте его или используйте --ask-passwords.",
}};

const TranslatedMessage Saved{"documents.Saved", {
    /*  1 Chinese    */ "设置已保存到 %1。",
    /*  2 English    */ "Settings saved in %1.",
    /*  3 Deutsch    */ "Einstellungen in %1 gespeichert.",
    /*  4 Suomi      */ "Asetukset tallennettu tiedostoon %1.",
    /*  5 Italiano   */ "Impostazioni salvate in %1.",
    /*  6 Francais   */ "Réglages enregistrés dans %1.",
    /*  7 Magyar     */ "A beállítások mentve ide: %1.",
    /*  8 Slovenian  */ "Nastavitve so shranjene v %1.",
    /*  9 Cesky      */ "Nastavení uloženo do %1.",
    /* 10 Japanese   */ "設定を %1 に保存しました。",
    /* 11 Lithuanian */ "Nustatymai įrašyti į %1.",
    /* 12 Polish     */ "Ustawienia zapisano w %1.",
    /* 13 Turkiye    */ "Ayarlar %1 dosyasına kaydedildi.",
    /* 14 Ukraine    */ "Налаштування збережено в %1.",
    /* 15 Russian    */ "Настройки сохранены в %1.",
}};

const TranslatedMessage PasswordsToType{"documents.PasswordsToType", {
    /*  1 Chinese    */ "文档未包含以下密码,请输入:%1",
    /*  2 English    */ "The document leaves out these passwords; please type them in: %1",
    /*  3 Deutsch    */ "Das Dokument enthält diese Passwörter nicht; bitte geben Sie sie ein: %1",
    /*  4 Suomi      */ "Asiakirjasta puuttuvat nämä salasanat; kirjoita ne: %1",
    /*  5 Italiano   */ "Il documento non contiene queste password; inserirle: %1",
    /*  6 Francais   */ "Le document ne contient pas ces mots de passe ; saisissez-les : %1",
    /*  7 Magyar     */ "A dokumentum nem tartalmazza ezeket a jelszavakat; kérjük, írja be őket: %1",
    /*  8 Slovenian  */ "Dokument ne vsebuje teh gesel; vnesite jih: %1",
    /*  9 Cesky      */ "Dokument neobsahuje tato hesla; zadejte je: %1",
    /* 10 Japanese   */ "文書にはこれらのパスワードがありません。入力してください: %1",
    /* 11 Lithuanian */ "Dokumente nėra šių slaptažodžių; įveskite juos: %1",
    /* 12 Polish     */ "Dokument nie zawiera tych haseł; wpisz je: %1",
    /* 13 Turkiye    */ "Belgede bu parolalar yok; lütfen girin: %1",
    /* 14 Ukraine    */ "Документ не містить цих паролів; введіть їх: %1",
    /* 15 Russian    */ "Документ не содержит этих паролей; введите их: %1",
}};

const TranslatedMessage CannotRead{"documents.CannotRead", {
    /*  1 Chinese    */ "无法读取 %1:%2",
    /*  2 English    */ "Cannot read %1: %2",
    /*  3 Deutsch    */ "%1 kann nicht gelesen werden: %2",
    /*  4 Suomi      */ "Tiedostoa %1 ei voi lukea: %2",
    /*  5 Italiano   */ "Impossibile leggere %1: %2",
    /*  6 Francais   */ "Impossible de lire %1 : %2",
    /*  7 Magyar     */ "A(z) %1 nem olvasható: %2",
    /*  8 Slovenian  */ "%1 ni mogoče prebrati: %2",
    /*  9 Cesky      */ "%1 nelze přečíst: %2",
    /* 10 Japanese   */ "%1 を読み込めません: %2",
    /* 11 Lithuanian */ "Nepavyko perskaityti %1: %2",
    /* 12 Polish     */ "Nie można odczytać %1: %2",
    /* 13 Turkiye    */ "%1 okunamıyor: %2",
    /* 14 Ukraine    */ "Не вдається прочитати %1: %2",
    /* 15 Russian    */ "Не удаётся прочитать %1: %2",
}};

const TranslatedMessage CannotSave{"documents.CannotSave", {
    /*  1 Chinese    */ "无法保存 %1:%2",
    /*  2 English    */ "Cannot save %1: %2",
    /*  3 Deutsch    */ "%1 kann nicht gespeichert werden: %2",
    /*  4 Suomi      */ "Tiedostoa %1 ei voi tallentaa: %2",
    /*  5 Italiano   */ "Impossibile salvare %1: %2",
    /*  6 Francais   */ "Impossible d'enregistrer %1 : %2",
    /*  7 Magyar     */ "A(z) %1 nem menthető: %2",
    /*  8 Slovenian  */ "%1 ni mogoče shraniti: %2",
    /*  9 Cesky      */ "%1 nelze uložit: %2",
    /* 10 Japanese   */ "%1 を保存できません: %2",
    /* 11 Lithuanian */ "Nepavyko įrašyti %1: %2",
    /* 12 Polish     */ "Nie można zapisać %1: %2",
    /* 13 Turkiye    */ "%1 kaydedilemiyor: %2",
    /* 14 Ukraine    */ "Не вдається зберегти %1: %2",
    /* 15 Russian    */ "Не удаётся сохранить %1: %2",
}};

const TranslatedMessage FileFilter{"documents.FileFilter", {
    /*  1 Chinese    */ "设置文档 (*.json)",
    /*  2 English    */ "Settings documents (*.json)",
    /*  3 Deutsch    */ "Einstellungsdokumente (*.json)",
    /*  4 Suomi      */ "Asetusasiakirjat (*.json)",
    /*  5 Italiano   */ "Documenti di impostazioni (*.json)",
    /*  6 Francais   */ "Documents de réglages (*.json)",
    /*  7 Magyar     */ "Beállításdokumentumok (*.json)",
    /*  8 Slovenian  */ "Dokumenti z nastavitvami (*.json)",
    /*  9 Cesky      */ "Dokumenty nastavení (*.json)",
    /* 10 Japanese   */ "設定文書 (*.json)",
    /* 11 Lithuanian */ "Nustatymų dokumentai (*.json)",
    /* 12 Polish     */ "Dokumenty ustawień (*.json)",
    /* 13 Turkiye    */ "Ayar belgeleri (*.json)",
    /* 14 Ukraine    */ "Документи налаштувань (*.json)",
    /* 15 Russian    */ "Документы настроек (*.json)",
}};

const TranslatedMessage Written{"documents.Written", {
    /*  1 Chinese    */ "%1:已写入 %2",
    /*  2 English    */ "%1: %2 written",
    /*  3 Deutsch    */ "%1: %2 geschrieben",
    /*  4 Suomi      */ "%1: %2 kirjoitettu",
    /*  5 Italiano   */ "%1: %2 scritto",
    /*  6 Francais   */ "%1 : %2 écrit",
    /*  7 Magyar     */ "%1: %2 kiírva",
    /*  8 Slovenian  */ "%1: %2 zapisan",
    /*  9 Cesky      */ "%1: %2 zapsán",
    /* 10 Japanese   */ "%1: %2 を書き込みました",
    /* 11 Lithuanian */ "%1: %2 įrašytas",
    /* 12 Polish     */ "%1: zapisano %2",
    /* 13 Turkiye    */ "%1: %2 yazıldı",
    /* 14 Ukraine    */ "%1: %2 записано",
    /* 15 Russian    */ "%1: %2 записан",
}};

const TranslatedMessage NotWritten{"documents.NotWritten", {
    /*  1 Chinese    */ "%1:未写入。%2",
    /*  2 English    */ "%1: not written. %2",
    /*  3 Deutsch    */ "%1: nicht geschrieben. %2",
    /*  4 Suomi      */ "%1: ei kirjoitettu. %2",
    /*  5 Italiano   */ "%1: non scritto. %2",
    /*  6 Francais   */ "%1 : non écrit. %2",
    /*  7 Magyar     */ "%1: nincs kiírva. %2",
    /*  8 Slovenian  */ "%1: ni zapisano. %2",
    /*  9 Cesky      */ "%1: nezapsáno. %2",
    /* 10 Japanese   */ "%1: 書き込まれませんでした。%2",
    /* 11 Lithuanian */ "%1: neįrašyta. %2",
    /* 12 Polish     */ "%1: nie zapisano. %2",
    /* 13 Turkiye    */ "%1: yazılmadı. %2",
    /* 14 Ukraine    */ "%1: не записано. %2",
    /* 15 Russian    */ "%1: не записано. %2",
}};

const TranslatedMessage AskPassword{"documents.AskPassword", {
    /*  1 Chinese    */ "\"%1\" 的密码:",
    /*  2 English    */ "Password for \"%1\": ",
    /*  3 Deutsch    */ "Passwort für \"%1\": ",
    /*  4 Suomi      */ "Salasana kohteelle \"%1\": ",
    /*  5 Italiano   */ "Password per \"%1\": ",
    /*  6 Francais   */ "Mot de passe pour \"%1\" : ",
    /*  7 Magyar     */ "Jelszó ehhez: \"%1\": ",
    /*  8 Slovenian  */ "Geslo za \"%1\": ",
    /*  9 Cesky      */ "Heslo pro \"%1\": ",
    /* 10 Japanese   */ "\"%1\" のパスワード: ",
    /* 11 Lithuanian */ "\"%1\" slaptažodis: ",
    /* 12 Polish     */ "Hasło dla \"%1\": ",
    /* 13 Turkiye    */ "\"%1\" için parola: ",
    /* 14 Ukraine    */ "Пароль для \"%1\": ",
    /* 15 Russian    */ "Пароль для \"%1\": ",
}};

const TranslatedMessage Refused{"documents.Refused", {
    /*  1 Chinese    */ "%1 被拒绝:%2",
    /*  2 English    */ "%1 refused: %2",
    /*  3 Deutsch    */ "%1 abgelehnt: %2",
    /*  4 Suomi      */ "%1 hylätty: %2",
    /*  5 Italiano   */ "%1 rifiutato: %2",
    /*  6 Francais   */ "%1 refusé : %2",
    /*  7 Magyar     */ "%1 elutasítva: %2",
    /*  8 Slovenian  */ "%1 zavrnjen: %2",
    /*  9 Cesky      */ "%1 odmítnut: %2",
    /* 10 Japanese   */ "%1 は受け付けられません: %2",
    /* 11 Lithuanian */ "%1 atmestas: %2",
    /* 12 Polish     */ "%1 odrzucony: %2",
    /* 13 Turkiye    */ "%1 reddedildi: %2",
    /* 14 Ukraine    */ "%1 відхилено: %2",
    /* 15 Russian    */ "%1 отклонён: %2",
}};

// clang-format on

namespace {

const TranslatedMessage *const kMessages[] = {
    &NotJson,
    &NotADocument,
    &NewerVersion,
    &WrongModel,
    &NoSuchForm,
    &WrongFile,
    &MissingField,
    &UnknownField,
    &NotANumber,
    &NotAText,
    &OutOfRange,
    &UnknownChoice,
    &TooLong,
    &CheckRefused,
    &PasswordLeftOut,
    &Saved,
    &PasswordsToType,
    &CannotRead,
    &CannotSave,
    &FileFilter,
    &Written,
    &NotWritten,
    &AskPassword,
    &Refused,
};

const CaptionTable *const kCaptions[] = {
    &SaveSettings,
    &OpenSettings,
};

} // namespace

std::span<const TranslatedMessage *const> allDocumentMessages()
{
    return kMessages;
}

std::span<const CaptionTable *const> allDocumentCaptions()
{
    return kCaptions;
}

} // namespace marrowby::i18n::documents
