// The program's own messages in every language: the range check, the dialog
// layer's data-exchange messages, the file writers' reports and the typed
// clock's check. One block per text: the fifteen translations in LanguageIndex
// order. Placeholders stay as each text uses them: %d printf-style, filled in
// order; %1 %2 positional, which a translation may put in another order.
#include "i18n/TextTables.h"

// Hand-aligned tables: one block per text, kept as written.
// clang-format off

namespace marrowby::i18n {

namespace shared {

// %d minimum, %d maximum
const TranslatedMessage OutOfRange{"shared.OutOfRange", {
    /*  1 Chinese    */ "请输入一个介于%d和%d之间的值!",
    /*  2 English    */ "Please enter an integer between %d and %d!",
    /*  3 Deutsch    */ "Bitte geben Sie eine ganze Zahl zwischen %d und %d ein!",
    /*  4 Suomi      */ "Anna kokonaisluku väliltä %d–%d!",
    /*  5 Italiano   */ "Immettere un numero intero compreso tra %d e %d!",
    /*  6 Francais   */ "Veuillez saisir un nombre entier compris entre %d et %d !",
    /*  7 Magyar     */ "Adjon meg egy %d és %d közötti egész számot!",
    /*  8 Slovenian  */ "Vnesite celo število med %d in %d!",
    /*  9 Cesky      */ "Zadejte celé číslo od %d do %d!",
    /* 10 Japanese   */ "%d から %d までの整数を入力してください!",
    /* 11 Lithuanian */ "Įveskite sveikąjį skaičių nuo %d iki %d!",
    /* 12 Polish     */ "Wprowadź liczbę całkowitą od %d do %d!",
    /* 13 Turkiye    */ "Lütfen %d ile %d arasında bir tam sayı girin!",
    /* 14 Ukraine    */ "Введіть ціле число від %d до %d!",
    /* 15 Russian    */ "Введите целое число от %d до %d!",
}};

// %1 the path, %2 the reason
const TranslatedMessage WriteFailed{"shared.WriteFailed", {
    /*  1 Chinese    */ "无法写入文件 %1：%2",
    /*  2 English    */ "Could not write the file %1: %2",
    /*  3 Deutsch    */ "Die Datei %1 konnte nicht geschrieben werden: %2",
    /*  4 Suomi      */ "Tiedostoa %1 ei voitu kirjoittaa: %2",
    /*  5 Italiano   */ "Impossibile scrivere il file %1: %2",
    /*  6 Francais   */ "Impossible d'écrire le fichier %1 : %2",
    /*  7 Magyar     */ "A(z) %1 fájlt nem sikerült írni: %2",
    /*  8 Slovenian  */ "Datoteke %1 ni bilo mogoče zapisati: %2",
    /*  9 Cesky      */ "Soubor %1 se nepodařilo zapsat: %2",
    /* 10 Japanese   */ "ファイル %1 を書き込めませんでした：%2",
    /* 11 Lithuanian */ "Nepavyko įrašyti failo %1: %2",
    /* 12 Polish     */ "Nie udało się zapisać pliku %1: %2",
    /* 13 Turkiye    */ "%1 dosyası yazılamadı: %2",
    /* 14 Ukraine    */ "Не вдалося записати файл %1: %2",
    /* 15 Russian    */ "Не удалось записать файл %1: %2",
}};

}  // namespace shared

namespace camera {

// A typed clock that is not a real date and time; %1 the expected form of the
// text, such as "MM/DD/YYYY hh:mm:ss"
const TranslatedMessage ClockTextInvalid{"camera.ClockTextInvalid", {
    /*  1 Chinese    */ "设置的时间无效，请按 %1 的格式输入日期和时间。",
    /*  2 English    */ "The clock is not a valid date and time. Please type it as %1.",
    /*  3 Deutsch    */ "Die eingestellte Zeit ist ungültig. Bitte geben Sie Datum und Uhrzeit im Format %1 ein.",
    /*  4 Suomi      */ "Asetettu aika ei kelpaa. Kirjoita päivämäärä ja aika muodossa %1.",
    /*  5 Italiano   */ "L'ora impostata non è valida. Digitare data e ora nel formato %1.",
    /*  6 Francais   */ "La date et l'heure saisies ne sont pas valides. Veuillez les saisir au format %1.",
    /*  7 Magyar     */ "A beállított idő érvénytelen. Kérjük, a dátumot és az időt %1 formában adja meg.",
    /*  8 Slovenian  */ "Nastavljeni čas ni veljaven. Vnesite datum in čas v obliki %1.",
    /*  9 Cesky      */ "Nastavený čas je neplatný. Zadejte datum a čas ve tvaru %1.",
    /* 10 Japanese   */ "設定した時刻が無効です。%1 の形式で日付と時刻を入力してください。",
    /* 11 Lithuanian */ "Nustatytas laikas netinkamas. Įveskite datą ir laiką formatu %1.",
    /* 12 Polish     */ "Ustawiony czas jest nieprawidłowy. Wpisz datę i godzinę w formacie %1.",
    /* 13 Turkiye    */ "Ayarlanan saat geçersiz. Lütfen tarihi ve saati %1 biçiminde yazın.",
    /* 14 Ukraine    */ "Установлений час недійсний. Введіть дату й час у форматі %1.",
    /* 15 Russian    */ "Установленное время недопустимо. Введите дату и время в формате %1.",
}};

}  // namespace camera

namespace framework {

const TranslatedMessage EnterInteger{"framework.EnterInteger", {
    /*  1 Chinese    */ "请输入一个整数。",
    /*  2 English    */ "Please enter an integer.",
    /*  3 Deutsch    */ "Bitte geben Sie eine ganze Zahl ein.",
    /*  4 Suomi      */ "Anna kokonaisluku.",
    /*  5 Italiano   */ "Immettere un numero intero.",
    /*  6 Francais   */ "Veuillez saisir un nombre entier.",
    /*  7 Magyar     */ "Adjon meg egy egész számot.",
    /*  8 Slovenian  */ "Vnesite celo število.",
    /*  9 Cesky      */ "Zadejte celé číslo.",
    /* 10 Japanese   */ "整数を入力してください。",
    /* 11 Lithuanian */ "Įveskite sveikąjį skaičių.",
    /* 12 Polish     */ "Wprowadź liczbę całkowitą.",
    /* 13 Turkiye    */ "Lütfen bir tam sayı girin.",
    /* 14 Ukraine    */ "Введіть ціле число.",
    /* 15 Russian    */ "Введите целое число.",
}};

// %1 the limit
const TranslatedMessage TooManyCharacters{"framework.TooManyCharacters", {
    /*  1 Chinese    */ "输入的字符请不要多于 %1 个。",
    /*  2 English    */ "Please enter no more than %1 characters.",
    /*  3 Deutsch    */ "Bitte geben Sie höchstens %1 Zeichen ein.",
    /*  4 Suomi      */ "Anna enintään %1 merkkiä.",
    /*  5 Italiano   */ "Immettere al massimo %1 caratteri.",
    /*  6 Francais   */ "Veuillez saisir au plus %1 caractères.",
    /*  7 Magyar     */ "Legfeljebb %1 karaktert adjon meg.",
    /*  8 Slovenian  */ "Vnesite največ %1 znakov.",
    /*  9 Cesky      */ "Zadejte nejvýše %1 znaků.",
    /* 10 Japanese   */ "%1 文字以内で入力してください。",
    /* 11 Lithuanian */ "Įveskite ne daugiau kaip %1 simbolių.",
    /* 12 Polish     */ "Wprowadź najwyżej %1 znaków.",
    /* 13 Turkiye    */ "Lütfen en fazla %1 karakter girin.",
    /* 14 Ukraine    */ "Введіть не більше ніж %1 символів.",
    /* 15 Russian    */ "Введите не более %1 символов.",
}};

// %1 minimum, %2 maximum
const TranslatedMessage IntegerBetween{"framework.IntegerBetween", {
    /*  1 Chinese    */ "请输入一个 %1 至 %2 之间的整数。",
    /*  2 English    */ "Please enter an integer between %1 and %2.",
    /*  3 Deutsch    */ "Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.",
    /*  4 Suomi      */ "Anna kokonaisluku väliltä %1–%2.",
    /*  5 Italiano   */ "Immettere un numero intero compreso tra %1 e %2.",
    /*  6 Francais   */ "Veuillez saisir un nombre entier compris entre %1 et %2.",
    /*  7 Magyar     */ "Adjon meg egy %1 és %2 közötti egész számot.",
    /*  8 Slovenian  */ "Vnesite celo število med %1 in %2.",
    /*  9 Cesky      */ "Zadejte celé číslo od %1 do %2.",
    /* 10 Japanese   */ "%1 から %2 までの整数を入力してください。",
    /* 11 Lithuanian */ "Įveskite sveikąjį skaičių nuo %1 iki %2.",
    /* 12 Polish     */ "Wprowadź liczbę całkowitą z zakresu od %1 do %2.",
    /* 13 Turkiye    */ "Lütfen %1 ile %2 arasında bir tam sayı girin.",
    /* 14 Ukraine    */ "Введіть ціле число від %1 до %2.",
    /* 15 Russian    */ "Введите целое число от %1 до %2.",
}};

}  // namespace framework

namespace files {

// %1 the file written, %2 the work file left behind, %3 the reason
const TranslatedMessage PlainFileLeft{"files.PlainFileLeft", {
    /*  1 Chinese    */ "文件 %1 已生成，但无法删除以明文保存设置（包括密码）的文件 %2：%3。请手动删除该文件。",
    /*  2 English    */ "%1 has been written, but %2, which holds the settings (passwords included) in plain text, could not be removed: %3. Please delete it yourself.",
    /*  3 Deutsch    */ "Die Datei %1 wurde geschrieben, aber die Datei %2, die die Einstellungen (einschließlich der Passwörter) im Klartext enthält, konnte nicht entfernt werden: %3. Bitte löschen Sie sie selbst.",
    /*  4 Suomi      */ "Tiedosto %1 on kirjoitettu, mutta tiedostoa %2, joka sisältää asetukset (myös salasanat) selväkielisinä, ei voitu poistaa: %3. Poista se itse.",
    /*  5 Italiano   */ "Il file %1 è stato scritto, ma non è stato possibile rimuovere il file %2, che contiene le impostazioni (password comprese) in chiaro: %3. Eliminarlo manualmente.",
    /*  6 Francais   */ "Le fichier %1 a été écrit, mais le fichier %2, qui contient les réglages (mots de passe compris) en clair, n'a pas pu être supprimé : %3. Veuillez le supprimer vous-même.",
    /*  7 Magyar     */ "A(z) %1 fájl elkészült, de a(z) %2 fájlt, amely a beállításokat (a jelszavakat is) titkosítatlanul tartalmazza, nem sikerült törölni: %3. Kérjük, törölje saját maga.",
    /*  8 Slovenian  */ "Datoteka %1 je zapisana, vendar datoteke %2, ki vsebuje nastavitve (tudi gesla) kot navadno besedilo, ni bilo mogoče odstraniti: %3. Izbrišite jo sami.",
    /*  9 Cesky      */ "Soubor %1 byl zapsán, ale soubor %2, který obsahuje nastavení (včetně hesel) jako prostý text, se nepodařilo odstranit: %3. Odstraňte jej prosím sami.",
    /* 10 Japanese   */ "%1 を書き込みましたが、設定(パスワードを含む)を平文で保存している %2 を削除できませんでした：%3。手動で削除してください。",
    /* 11 Lithuanian */ "Failas %1 įrašytas, tačiau nepavyko pašalinti failo %2, kuriame nustatymai (įskaitant slaptažodžius) saugomi atviru tekstu: %3. Ištrinkite jį patys.",
    /* 12 Polish     */ "Plik %1 został zapisany, ale nie udało się usunąć pliku %2, który zawiera ustawienia (łącznie z hasłami) w postaci zwykłego tekstu: %3. Usuń go ręcznie.",
    /* 13 Turkiye    */ "%1 dosyası yazıldı, ancak ayarları (parolalar dahil) düz metin olarak içeren %2 dosyası kaldırılamadı: %3. Lütfen bu dosyayı kendiniz silin.",
    /* 14 Ukraine    */ "Файл %1 записано, але не вдалося видалити файл %2, що містить налаштування (зокрема паролі) у відкритому вигляді: %3. Видаліть його вручну.",
    /* 15 Russian    */ "Файл %1 записан, но не удалось удалить файл %2, который содержит настройки (включая пароли) в открытом виде: %3. Удалите его вручную.",
}};

// %1 the file's full path, %2 the limit in characters
const TranslatedMessage PathTooLong{"files.PathTooLong", {
    /*  1 Chinese    */ "无法写入 %1：其路径将超过 %2 个字符，这是本程序能写入的最大长度。请选择路径较短的文件夹，例如存储卡的根目录。",
    /*  2 English    */ "%1 cannot be written: its path would be longer than %2 characters, the most this program can write. Choose a folder with a shorter path, such as the memory card's top folder.",
    /*  3 Deutsch    */ "%1 kann nicht geschrieben werden: Der Pfad wäre länger als %2 Zeichen; mehr kann dieses Programm nicht schreiben. Wählen Sie einen Ordner mit einem kürzeren Pfad, etwa den obersten Ordner der Speicherkarte.",
    /*  4 Suomi      */ "Tiedostoa %1 ei voi kirjoittaa: sen polku olisi yli %2 merkkiä pitkä, mikä on enemmän kuin tämä ohjelma pystyy kirjoittamaan. Valitse kansio, jonka polku on lyhyempi, esimerkiksi muistikortin juurikansio.",
    /*  5 Italiano   */ "Impossibile scrivere %1: il suo percorso supererebbe i %2 caratteri, il massimo che questo programma può scrivere. Scegliere una cartella con un percorso più breve, ad esempio la cartella principale della scheda di memoria.",
    /*  6 Francais   */ "Impossible d'écrire %1 : son chemin dépasserait %2 caractères, le maximum que ce programme peut écrire. Choisissez un dossier au chemin plus court, par exemple le dossier racine de la carte mémoire.",
    /*  7 Magyar     */ "A(z) %1 nem írható: az elérési útja hosszabb lenne %2 karakternél, ez a program legfeljebb ennyit tud írni. Válasszon rövidebb elérési úttal rendelkező mappát, például a memóriakártya gyökérmappáját.",
    /*  8 Slovenian  */ "Datoteke %1 ni mogoče zapisati: njena pot bi bila daljša od %2 znakov, kar je največ, kolikor lahko zapiše ta program. Izberite mapo s krajšo potjo, na primer korensko mapo pomnilniške kartice.",
    /*  9 Cesky      */ "Soubor %1 nelze zapsat: jeho cesta by byla delší než %2 znaků, což je nejvíce, co tento program dokáže zapsat. Zvolte složku s kratší cestou, například kořenovou složku paměťové karty.",
    /* 10 Japanese   */ "%1 を書き込めません：パスが %2 文字を超えてしまいます。これはこのプログラムが書き込める最大の長さです。メモリーカードの最上位フォルダーなど、パスの短いフォルダーを選択してください。",
    /* 11 Lithuanian */ "Failo %1 įrašyti negalima: jo kelias būtų ilgesnis nei %2 simbolių – tai daugiausia, ką ši programa gali įrašyti. Pasirinkite aplanką trumpesniu keliu, pavyzdžiui, atminties kortelės šakninį aplanką.",
    /* 12 Polish     */ "Nie można zapisać pliku %1: jego ścieżka byłaby dłuższa niż %2 znaków, a to najwięcej, ile ten program może zapisać. Wybierz folder o krótszej ścieżce, na przykład folder główny karty pamięci.",
    /* 13 Turkiye    */ "%1 yazılamıyor: yolu, bu programın yazabileceği en fazla uzunluk olan %2 karakteri aşacak. Daha kısa yollu bir klasör seçin; örneğin hafıza kartının en üst klasörü.",
    /* 14 Ukraine    */ "Не вдається записати файл %1: його шлях був би довшим за %2 символів, а це найбільше, що може записати ця програма. Виберіть папку з коротшим шляхом, наприклад кореневу папку карти пам'яті.",
    /* 15 Russian    */ "Не удаётся записать файл %1: его путь был бы длиннее %2 символов, а это предел для этой программы. Выберите папку с более коротким путём, например корневую папку карты памяти.",
}};

}  // namespace files

}  // namespace marrowby::i18n
