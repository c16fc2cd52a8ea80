// Texts of the test e-mail in every language, in LanguageIndex order.
// Placeholders are positional (%1, %2, ...): a translation may put them in
// another order, but keeps each of them.
#include "i18n/MailTexts.h"

// Hand-aligned tables: one block per text, kept as written.
// clang-format off

namespace marrowby::i18n::mail {

const CaptionTable SendTestMail{"mail.SendTestMail", {
    /*  1 Chinese    */ "发送测试邮件",
    /*  2 English    */ "Send test e-mail",
    /*  3 Deutsch    */ "Test-E-Mail senden",
    /*  4 Suomi      */ "Lähetä testiviesti",
    /*  5 Italiano   */ "Invia e-mail di prova",
    /*  6 Francais   */ "Envoyer un e-mail de test",
    /*  7 Magyar     */ "Teszt e-mail küldése",
    /*  8 Slovenian  */ "Pošlji preizkusno e-pošto",
    /*  9 Cesky      */ "Odeslat zkušební e-mail",
    /* 10 Japanese   */ "テストメールを送信",
    /* 11 Lithuanian */ "Siųsti bandomąjį el. laišką",
    /* 12 Polish     */ "Wyślij testowy e-mail",
    /* 13 Turkiye    */ "Test e-postası gönder",
    /* 14 Ukraine    */ "Надіслати тестовий лист",
    /* 15 Russian    */ "Отправить тестовое письмо",
}};

const CaptionTable Cancel{"mail.Cancel", {
    /*  1 Chinese    */ "取消",
    /*  2 English    */ "Cancel",
    /*  3 Deutsch    */ "Abbrechen",
    /*  4 Suomi      */ "Peruuta",
    /*  5 Italiano   */ "Annulla",
    /*  6 Francais   */ "Annuler",
    /*  7 Magyar     */ "Mégse",
    /*  8 Slovenian  */ "Prekliči",
    /*  9 Cesky      */ "Zrušit",
    /* 10 Japanese   */ "キャンセル",
    /* 11 Lithuanian */ "Atšaukti",
    /* 12 Polish     */ "Anuluj",
    /* 13 Turkiye    */ "İptal",
    /* 14 Ukraine    */ "Скасувати",
    /* 15 Russian    */ "Отмена",
}};

const TranslatedMessage Subject{"mail.Subject", {
    /*  1 Chinese    */ "相机设置工具发送的测试邮件",
    /*  2 English    */ "Test e-mail from your camera's settings tool",
    /*  3 Deutsch    */ "Test-E-Mail vom Einstellungsprogramm Ihrer Kamera",
    /*  4 Suomi      */ "Testiviesti kamerasi asetustyökalusta",
    /*  5 Italiano   */ "E-mail di prova dallo strumento di configurazione della fotocamera",
    /*  6 Francais   */ "E-mail de test de l'outil de réglage de votre caméra",
    /*  7 Magyar     */ "Teszt e-mail a kamera beállítóprogramjából",
    /*  8 Slovenian  */ "Preizkusna e-pošta iz orodja za nastavitve vaše kamere",
    /*  9 Cesky      */ "Zkušební e-mail z nástroje pro nastavení vaší kamery",
    /* 10 Japanese   */ "カメラ設定ツールからのテストメール",
    /* 11 Lithuanian */ "Bandomasis laiškas iš jūsų kameros nustatymų įrankio",
    /* 12 Polish     */ "Testowy e-mail z narzędzia ustawień kamery",
    /* 13 Turkiye    */ "Kameranızın ayar aracından test e-postası",
    /* 14 Ukraine    */ "Тестовий лист від програми налаштування вашої камери",
    /* 15 Russian    */ "Тестовое письмо от программы настройки вашей камеры",
}};

const TranslatedMessage Body{"mail.Body", {
    /*  1 Chinese    */ "这是来自相机设置工具的测试：相机将通过此服务器发送照片。",
    /*  2 English    */ "This is a test from your camera's settings tool: the camera will send its pictures through this server.",
    /*  3 Deutsch    */ "Dies ist ein Test vom Einstellungsprogramm Ihrer Kamera: Die Kamera sendet ihre Bilder über diesen Server.",
    /*  4 Suomi      */ "Tämä on testi kamerasi asetustyökalusta: kamera lähettää kuvansa tämän palvelimen kautta.",
    /*  5 Italiano   */ "Questa è una prova dallo strumento di configurazione della fotocamera: la fotocamera invierà le sue foto tramite questo server.",
    /*  6 Francais   */ "Ceci est un test de l'outil de réglage de votre caméra : la caméra enverra ses photos par ce serveur.",
    /*  7 Magyar     */ "Ez egy teszt a kamera beállítóprogramjából: a kamera ezen a szerveren keresztül küldi a képeit.",
    /*  8 Slovenian  */ "To je preizkus iz orodja za nastavitve vaše kamere: kamera bo svoje slike pošiljala prek tega strežnika.",
    /*  9 Cesky      */ "Toto je zkouška z nástroje pro nastavení vaší kamery: kamera bude posílat své snímky přes tento server.",
    /* 10 Japanese   */ "これはカメラ設定ツールからのテストです。カメラはこのサーバーを通じて写真を送信します。",
    /* 11 Lithuanian */ "Tai bandymas iš jūsų kameros nustatymų įrankio: kamera siųs savo nuotraukas per šį serverį.",
    /* 12 Polish     */ "To jest test z narzędzia ustawień kamery: kamera będzie wysyłać zdjęcia przez ten serwer.",
    /* 13 Turkiye    */ "Bu, kameranızın ayar aracından bir testtir: kamera resimlerini bu sunucu üzerinden gönderecek.",
    /* 14 Ukraine    */ "Це перевірка від програми налаштування вашої камери: камера надсилатиме свої знімки через цей сервер.",
    /* 15 Russian    */ "Это проверка от программы настройки вашей камеры: камера будет отправлять свои снимки через этот сервер.",
}};

const TranslatedMessage Connecting{"mail.Connecting", {
    /*  1 Chinese    */ "正在连接 %1，端口 %2…",
    /*  2 English    */ "Connecting to %1, port %2…",
    /*  3 Deutsch    */ "Verbindung mit %1, Port %2…",
    /*  4 Suomi      */ "Yhdistetään: %1, portti %2…",
    /*  5 Italiano   */ "Connessione a %1, porta %2…",
    /*  6 Francais   */ "Connexion à %1, port %2…",
    /*  7 Magyar     */ "Kapcsolódás: %1, port %2…",
    /*  8 Slovenian  */ "Povezovanje z %1, vrata %2…",
    /*  9 Cesky      */ "Připojování k %1, port %2…",
    /* 10 Japanese   */ "%1（ポート %2）に接続しています…",
    /* 11 Lithuanian */ "Jungiamasi prie %1, prievadas %2…",
    /* 12 Polish     */ "Łączenie z %1, port %2…",
    /* 13 Turkiye    */ "%1 sunucusuna bağlanılıyor, port %2…",
    /* 14 Ukraine    */ "Підключення до %1, порт %2…",
    /* 15 Russian    */ "Подключение к %1, порт %2…",
}};

const TranslatedMessage Greeting{"mail.Greeting", {
    /*  1 Chinese    */ "正在等待邮件服务器的问候…",
    /*  2 English    */ "Waiting for the mail server's greeting…",
    /*  3 Deutsch    */ "Warten auf die Begrüßung des Mailservers…",
    /*  4 Suomi      */ "Odotetaan postipalvelimen tervehdystä…",
    /*  5 Italiano   */ "In attesa del saluto del server di posta…",
    /*  6 Francais   */ "Attente de l'accueil du serveur de messagerie…",
    /*  7 Magyar     */ "Várakozás a levelezőszerver üdvözlésére…",
    /*  8 Slovenian  */ "Čakanje na pozdrav poštnega strežnika…",
    /*  9 Cesky      */ "Čekání na pozdrav poštovního serveru…",
    /* 10 Japanese   */ "メールサーバーの応答を待っています…",
    /* 11 Lithuanian */ "Laukiama pašto serverio pasisveikinimo…",
    /* 12 Polish     */ "Oczekiwanie na powitanie serwera poczty…",
    /* 13 Turkiye    */ "Posta sunucusunun karşılaması bekleniyor…",
    /* 14 Ukraine    */ "Очікування привітання поштового сервера…",
    /* 15 Russian    */ "Ожидание приветствия почтового сервера…",
}};

const TranslatedMessage Encrypting{"mail.Encrypting", {
    /*  1 Chinese    */ "正在建立加密连接…",
    /*  2 English    */ "Setting up encryption…",
    /*  3 Deutsch    */ "Verschlüsselung wird eingerichtet…",
    /*  4 Suomi      */ "Salausta muodostetaan…",
    /*  5 Italiano   */ "Impostazione della cifratura…",
    /*  6 Francais   */ "Mise en place du chiffrement…",
    /*  7 Magyar     */ "Titkosítás beállítása…",
    /*  8 Slovenian  */ "Vzpostavljanje šifriranja…",
    /*  9 Cesky      */ "Nastavování šifrování…",
    /* 10 Japanese   */ "暗号化を設定しています…",
    /* 11 Lithuanian */ "Nustatomas šifravimas…",
    /* 12 Polish     */ "Konfigurowanie szyfrowania…",
    /* 13 Turkiye    */ "Şifreleme kuruluyor…",
    /* 14 Ukraine    */ "Налаштування шифрування…",
    /* 15 Russian    */ "Настройка шифрования…",
}};

const TranslatedMessage LoggingIn{"mail.LoggingIn", {
    /*  1 Chinese    */ "正在以 %1 登录…",
    /*  2 English    */ "Logging in as %1…",
    /*  3 Deutsch    */ "Anmeldung als %1…",
    /*  4 Suomi      */ "Kirjaudutaan käyttäjänä %1…",
    /*  5 Italiano   */ "Accesso come %1…",
    /*  6 Francais   */ "Connexion en tant que %1…",
    /*  7 Magyar     */ "Bejelentkezés mint %1…",
    /*  8 Slovenian  */ "Prijava kot %1…",
    /*  9 Cesky      */ "Přihlašování jako %1…",
    /* 10 Japanese   */ "%1 としてログインしています…",
    /* 11 Lithuanian */ "Jungiamasi kaip %1…",
    /* 12 Polish     */ "Logowanie jako %1…",
    /* 13 Turkiye    */ "%1 olarak oturum açılıyor…",
    /* 14 Ukraine    */ "Вхід як %1…",
    /* 15 Russian    */ "Вход как %1…",
}};

const TranslatedMessage Sending{"mail.Sending", {
    /*  1 Chinese    */ "正在向 %1 发送测试邮件…",
    /*  2 English    */ "Sending the test e-mail to %1…",
    /*  3 Deutsch    */ "Test-E-Mail wird an %1 gesendet…",
    /*  4 Suomi      */ "Lähetetään testiviestiä osoitteeseen %1…",
    /*  5 Italiano   */ "Invio dell'e-mail di prova a %1…",
    /*  6 Francais   */ "Envoi de l'e-mail de test à %1…",
    /*  7 Magyar     */ "Teszt e-mail küldése ide: %1…",
    /*  8 Slovenian  */ "Pošiljanje preizkusne e-pošte na %1…",
    /*  9 Cesky      */ "Odesílání zkušebního e-mailu na %1…",
    /* 10 Japanese   */ "%1 にテストメールを送信しています…",
    /* 11 Lithuanian */ "Siunčiamas bandomasis laiškas adresu %1…",
    /* 12 Polish     */ "Wysyłanie testowego e-maila do %1…",
    /* 13 Turkiye    */ "Test e-postası %1 adresine gönderiliyor…",
    /* 14 Ukraine    */ "Надсилання тестового листа на %1…",
    /* 15 Russian    */ "Отправка тестового письма на %1…",
}};

const TranslatedMessage Delivered{"mail.Delivered", {
    /*  1 Chinese    */ "邮件服务器已接受发往 %1 的测试邮件。相机的发件人设置有效。",
    /*  2 English    */ "The mail server accepted the test e-mail to %1. The camera's sender settings work.",
    /*  3 Deutsch    */ "Der Mailserver hat die Test-E-Mail an %1 angenommen. Die Absender-Einstellungen der Kamera funktionieren.",
    /*  4 Suomi      */ "Postipalvelin hyväksyi testiviestin osoitteeseen %1. Kameran lähettäjäasetukset toimivat.",
    /*  5 Italiano   */ "Il server di posta ha accettato l'e-mail di prova per %1. Le impostazioni del mittente della fotocamera funzionano.",
    /*  6 Francais   */ "Le serveur de messagerie a accepté l'e-mail de test pour %1. Les réglages d'expéditeur de la caméra fonctionnent.",
    /*  7 Magyar     */ "A levelezőszerver elfogadta a(z) %1 címre szóló teszt e-mailt. A kamera feladóbeállításai működnek.",
    /*  8 Slovenian  */ "Poštni strežnik je sprejel preizkusno e-pošto za %1. Nastavitve pošiljatelja v kameri delujejo.",
    /*  9 Cesky      */ "Poštovní server přijal zkušební e-mail pro %1. Nastavení odesílatele v kameře fungují.",
    /* 10 Japanese   */ "メールサーバーは %1 宛てのテストメールを受け付けました。カメラの送信者設定は正しく機能します。",
    /* 11 Lithuanian */ "Pašto serveris priėmė bandomąjį laišką adresu %1. Kameros siuntėjo nustatymai veikia.",
    /* 12 Polish     */ "Serwer poczty przyjął testowy e-mail do %1. Ustawienia nadawcy w kamerze działają.",
    /* 13 Turkiye    */ "Posta sunucusu %1 adresine test e-postasını kabul etti. Kameranın gönderen ayarları çalışıyor.",
    /* 14 Ukraine    */ "Поштовий сервер прийняв тестовий лист для %1. Налаштування відправника камери працюють.",
    /* 15 Russian    */ "Почтовый сервер принял тестовое письмо для %1. Настройки отправителя камеры работают.",
}};

const TranslatedMessage Unencrypted{"mail.Unencrypted", {
    /*  1 Chinese    */ "服务器未提供加密：密码以未加密方式传输。",
    /*  2 English    */ "The server offered no encryption: the password travels unencrypted.",
    /*  3 Deutsch    */ "Der Server bot keine Verschlüsselung an: Das Passwort wird unverschlüsselt übertragen.",
    /*  4 Suomi      */ "Palvelin ei tarjonnut salausta: salasana kulkee salaamattomana.",
    /*  5 Italiano   */ "Il server non ha offerto alcuna cifratura: la password viaggia in chiaro.",
    /*  6 Francais   */ "Le serveur n'a proposé aucun chiffrement : le mot de passe circule en clair.",
    /*  7 Magyar     */ "A szerver nem kínált titkosítást: a jelszó titkosítatlanul halad át.",
    /*  8 Slovenian  */ "Strežnik ni ponudil šifriranja: geslo potuje nešifrirano.",
    /*  9 Cesky      */ "Server nenabídl šifrování: heslo se přenáší nešifrované.",
    /* 10 Japanese   */ "サーバーは暗号化を提供しませんでした。パスワードは暗号化されずに送信されます。",
    /* 11 Lithuanian */ "Serveris nepasiūlė šifravimo: slaptažodis perduodamas nešifruotas.",
    /* 12 Polish     */ "Serwer nie zaoferował szyfrowania: hasło jest przesyłane bez szyfrowania.",
    /* 13 Turkiye    */ "Sunucu şifreleme sunmadı: parola şifrelenmeden iletiliyor.",
    /* 14 Ukraine    */ "Сервер не запропонував шифрування: пароль передається незашифрованим.",
    /* 15 Russian    */ "Сервер не предложил шифрование: пароль передаётся в незашифрованном виде.",
}};

const TranslatedMessage NotSent{"mail.NotSent", {
    /*  1 Chinese    */ "测试邮件未发送。",
    /*  2 English    */ "The test e-mail was not sent.",
    /*  3 Deutsch    */ "Die Test-E-Mail wurde nicht gesendet.",
    /*  4 Suomi      */ "Testiviestiä ei lähetetty.",
    /*  5 Italiano   */ "L'e-mail di prova non è stata inviata.",
    /*  6 Francais   */ "L'e-mail de test n'a pas été envoyé.",
    /*  7 Magyar     */ "A teszt e-mail nem lett elküldve.",
    /*  8 Slovenian  */ "Preizkusna e-pošta ni bila poslana.",
    /*  9 Cesky      */ "Zkušební e-mail nebyl odeslán.",
    /* 10 Japanese   */ "テストメールは送信されませんでした。",
    /* 11 Lithuanian */ "Bandomasis laiškas neišsiųstas.",
    /* 12 Polish     */ "Testowy e-mail nie został wysłany.",
    /* 13 Turkiye    */ "Test e-postası gönderilmedi.",
    /* 14 Ukraine    */ "Тестовий лист не надіслано.",
    /* 15 Russian    */ "Тестовое письмо не отправлено.",
}};

const TranslatedMessage HostNotFound{"mail.HostNotFound", {
    /*  1 Chinese    */ "找不到名为 %1 的服务器。",
    /*  2 English    */ "No server named %1 was found.",
    /*  3 Deutsch    */ "Es wurde kein Server namens %1 gefunden.",
    /*  4 Suomi      */ "Palvelinta nimeltä %1 ei löytynyt.",
    /*  5 Italiano   */ "Nessun server chiamato %1 è stato trovato.",
    /*  6 Francais   */ "Aucun serveur nommé %1 n'a été trouvé.",
    /*  7 Magyar     */ "Nem található %1 nevű szerver.",
    /*  8 Slovenian  */ "Strežnika z imenom %1 ni bilo mogoče najti.",
    /*  9 Cesky      */ "Server s názvem %1 nebyl nalezen.",
    /* 10 Japanese   */ "%1 という名前のサーバーが見つかりません。",
    /* 11 Lithuanian */ "Serveris pavadinimu %1 nerastas.",
    /* 12 Polish     */ "Nie znaleziono serwera o nazwie %1.",
    /* 13 Turkiye    */ "%1 adında bir sunucu bulunamadı.",
    /* 14 Ukraine    */ "Сервер з назвою %1 не знайдено.",
    /* 15 Russian    */ "Сервер с именем %1 не найден.",
}};

const TranslatedMessage ConnectionRefused{"mail.ConnectionRefused", {
    /*  1 Chinese    */ "%1 拒绝了端口 %2 上的连接：那里没有邮件服务器在监听。",
    /*  2 English    */ "%1 refused the connection on port %2: no mail server listens there.",
    /*  3 Deutsch    */ "%1 hat die Verbindung an Port %2 abgelehnt: Dort wartet kein Mailserver.",
    /*  4 Suomi      */ "%1 hylkäsi yhteyden porttiin %2: siellä ei kuuntele postipalvelinta.",
    /*  5 Italiano   */ "%1 ha rifiutato la connessione sulla porta %2: nessun server di posta è in ascolto lì.",
    /*  6 Francais   */ "%1 a refusé la connexion sur le port %2 : aucun serveur de messagerie n'y écoute.",
    /*  7 Magyar     */ "%1 elutasította a kapcsolatot a(z) %2 porton: ott nem figyel levelezőszerver.",
    /*  8 Slovenian  */ "%1 je zavrnil povezavo na vratih %2: tam ne posluša noben poštni strežnik.",
    /*  9 Cesky      */ "%1 odmítl spojení na portu %2: žádný poštovní server tam nenaslouchá.",
    /* 10 Japanese   */ "%1 はポート %2 での接続を拒否しました。そこではメールサーバーが待ち受けていません。",
    /* 11 Lithuanian */ "%1 atmetė ryšį per prievadą %2: ten neklauso joks pašto serveris.",
    /* 12 Polish     */ "%1 odrzucił połączenie na porcie %2: nie nasłuchuje tam żaden serwer poczty.",
    /* 13 Turkiye    */ "%1, %2 portundaki bağlantıyı reddetti: orada dinleyen bir posta sunucusu yok.",
    /* 14 Ukraine    */ "%1 відхилив з'єднання на порту %2: там не працює поштовий сервер.",
    /* 15 Russian    */ "%1 отклонил соединение на порту %2: там не работает почтовый сервер.",
}};

const TranslatedMessage NoConnection{"mail.NoConnection", {
    /*  1 Chinese    */ "无法连接到 %1 的端口 %2（%3）。",
    /*  2 English    */ "No connection to %1 on port %2 (%3).",
    /*  3 Deutsch    */ "Keine Verbindung zu %1 an Port %2 (%3).",
    /*  4 Suomi      */ "Ei yhteyttä palvelimeen %1 porttiin %2 (%3).",
    /*  5 Italiano   */ "Nessuna connessione a %1 sulla porta %2 (%3).",
    /*  6 Francais   */ "Aucune connexion à %1 sur le port %2 (%3).",
    /*  7 Magyar     */ "Nincs kapcsolat: %1, %2. port (%3).",
    /*  8 Slovenian  */ "Ni povezave z %1 na vratih %2 (%3).",
    /*  9 Cesky      */ "Žádné spojení s %1 na portu %2 (%3).",
    /* 10 Japanese   */ "%1 のポート %2 に接続できません（%3）。",
    /* 11 Lithuanian */ "Nėra ryšio su %1 per prievadą %2 (%3).",
    /* 12 Polish     */ "Brak połączenia z %1 na porcie %2 (%3).",
    /* 13 Turkiye    */ "%1 sunucusuna %2 portundan bağlanılamadı (%3).",
    /* 14 Ukraine    */ "Немає з'єднання з %1 на порту %2 (%3).",
    /* 15 Russian    */ "Нет соединения с %1 на порту %2 (%3).",
}};

const TranslatedMessage TimedOut{"mail.TimedOut", {
    /*  1 Chinese    */ "邮件服务器在 %1 秒内没有应答。",
    /*  2 English    */ "The mail server did not answer within %1 seconds.",
    /*  3 Deutsch    */ "Der Mailserver hat nicht innerhalb von %1 Sekunden geantwortet.",
    /*  4 Suomi      */ "Postipalvelin ei vastannut %1 sekunnin kuluessa.",
    /*  5 Italiano   */ "Il server di posta non ha risposto entro %1 secondi.",
    /*  6 Francais   */ "Le serveur de messagerie n'a pas répondu dans les %1 secondes.",
    /*  7 Magyar     */ "A levelezőszerver nem válaszolt %1 másodpercen belül.",
    /*  8 Slovenian  */ "Poštni strežnik ni odgovoril v %1 sekundah.",
    /*  9 Cesky      */ "Poštovní server neodpověděl do %1 sekund.",
    /* 10 Japanese   */ "メールサーバーは %1 秒以内に応答しませんでした。",
    /* 11 Lithuanian */ "Pašto serveris neatsakė per %1 sek.",
    /* 12 Polish     */ "Serwer poczty nie odpowiedział w ciągu %1 sekund.",
    /* 13 Turkiye    */ "Posta sunucusu %1 saniye içinde yanıt vermedi.",
    /* 14 Ukraine    */ "Поштовий сервер не відповів протягом %1 с.",
    /* 15 Russian    */ "Почтовый сервер не ответил в течение %1 с.",
}};

const TranslatedMessage CertificateFailed{"mail.CertificateFailed", {
    /*  1 Chinese    */ "无法验证邮件服务器的证书（%1）。",
    /*  2 English    */ "The mail server's certificate could not be verified (%1).",
    /*  3 Deutsch    */ "Das Zertifikat des Mailservers konnte nicht geprüft werden (%1).",
    /*  4 Suomi      */ "Postipalvelimen varmennetta ei voitu tarkistaa (%1).",
    /*  5 Italiano   */ "Non è stato possibile verificare il certificato del server di posta (%1).",
    /*  6 Francais   */ "Le certificat du serveur de messagerie n'a pas pu être vérifié (%1).",
    /*  7 Magyar     */ "A levelezőszerver tanúsítványa nem ellenőrizhető (%1).",
    /*  8 Slovenian  */ "Potrdila poštnega strežnika ni bilo mogoče preveriti (%1).",
    /*  9 Cesky      */ "Certifikát poštovního serveru nelze ověřit (%1).",
    /* 10 Japanese   */ "メールサーバーの証明書を検証できませんでした（%1）。",
    /* 11 Lithuanian */ "Nepavyko patikrinti pašto serverio sertifikato (%1).",
    /* 12 Polish     */ "Nie można zweryfikować certyfikatu serwera poczty (%1).",
    /* 13 Turkiye    */ "Posta sunucusunun sertifikası doğrulanamadı (%1).",
    /* 14 Ukraine    */ "Не вдалося перевірити сертифікат поштового сервера (%1).",
    /* 15 Russian    */ "Не удалось проверить сертификат почтового сервера (%1).",
}};

const TranslatedMessage EncryptionFailed{"mail.EncryptionFailed", {
    /*  1 Chinese    */ "无法建立加密连接（%1）。",
    /*  2 English    */ "The encrypted connection could not be set up (%1).",
    /*  3 Deutsch    */ "Die verschlüsselte Verbindung konnte nicht aufgebaut werden (%1).",
    /*  4 Suomi      */ "Salattua yhteyttä ei voitu muodostaa (%1).",
    /*  5 Italiano   */ "Non è stato possibile stabilire la connessione cifrata (%1).",
    /*  6 Francais   */ "La connexion chiffrée n'a pas pu être établie (%1).",
    /*  7 Magyar     */ "A titkosított kapcsolat nem építhető fel (%1).",
    /*  8 Slovenian  */ "Šifrirane povezave ni bilo mogoče vzpostaviti (%1).",
    /*  9 Cesky      */ "Šifrované spojení nelze navázat (%1).",
    /* 10 Japanese   */ "暗号化された接続を確立できませんでした（%1）。",
    /* 11 Lithuanian */ "Nepavyko užmegzti šifruoto ryšio (%1).",
    /* 12 Polish     */ "Nie można nawiązać szyfrowanego połączenia (%1).",
    /* 13 Turkiye    */ "Şifreli bağlantı kurulamadı (%1).",
    /* 14 Ukraine    */ "Не вдалося встановити зашифроване з'єднання (%1).",
    /* 15 Russian    */ "Не удалось установить зашифрованное соединение (%1).",
}};

const TranslatedMessage BadAddress{"mail.BadAddress", {
    /*  1 Chinese    */ "“%1”和端口 %2 不构成有效的服务器地址。",
    /*  2 English    */ "\"%1\" with port %2 is not a valid server address.",
    /*  3 Deutsch    */ "\"%1\" mit Port %2 ist keine gültige Serveradresse.",
    /*  4 Suomi      */ "\"%1\" ja portti %2 eivät ole kelvollinen palvelinosoite.",
    /*  5 Italiano   */ "\"%1\" con la porta %2 non è un indirizzo di server valido.",
    /*  6 Francais   */ "« %1 » avec le port %2 n'est pas une adresse de serveur valide.",
    /*  7 Magyar     */ "\"%1\" a(z) %2 porttal nem érvényes szervercím.",
    /*  8 Slovenian  */ "\"%1\" z vrati %2 ni veljaven naslov strežnika.",
    /*  9 Cesky      */ "\"%1\" s portem %2 není platná adresa serveru.",
    /* 10 Japanese   */ "「%1」とポート %2 は有効なサーバーアドレスではありません。",
    /* 11 Lithuanian */ "„%1“ su prievadu %2 nėra tinkamas serverio adresas.",
    /* 12 Polish     */ "„%1” z portem %2 nie jest prawidłowym adresem serwera.",
    /* 13 Turkiye    */ "\"%1\" ve %2 portu geçerli bir sunucu adresi değil.",
    /* 14 Ukraine    */ "«%1» з портом %2 не є дійсною адресою сервера.",
    /* 15 Russian    */ "«%1» с портом %2 не является допустимым адресом сервера.",
}};

const TranslatedMessage ConnectionLost{"mail.ConnectionLost", {
    /*  1 Chinese    */ "与邮件服务器的连接中断（%1）。",
    /*  2 English    */ "The connection to the mail server broke off (%1).",
    /*  3 Deutsch    */ "Die Verbindung zum Mailserver brach ab (%1).",
    /*  4 Suomi      */ "Yhteys postipalvelimeen katkesi (%1).",
    /*  5 Italiano   */ "La connessione al server di posta si è interrotta (%1).",
    /*  6 Francais   */ "La connexion au serveur de messagerie a été interrompue (%1).",
    /*  7 Magyar     */ "A kapcsolat a levelezőszerverrel megszakadt (%1).",
    /*  8 Slovenian  */ "Povezava s poštnim strežnikom se je prekinila (%1).",
    /*  9 Cesky      */ "Spojení s poštovním serverem se přerušilo (%1).",
    /* 10 Japanese   */ "メールサーバーとの接続が切断されました（%1）。",
    /* 11 Lithuanian */ "Ryšys su pašto serveriu nutrūko (%1).",
    /* 12 Polish     */ "Połączenie z serwerem poczty zostało przerwane (%1).",
    /* 13 Turkiye    */ "Posta sunucusuyla bağlantı koptu (%1).",
    /* 14 Ukraine    */ "З'єднання з поштовим сервером обірвалося (%1).",
    /* 15 Russian    */ "Соединение с почтовым сервером прервалось (%1).",
}};

const TranslatedMessage RefusedConnection{"mail.RefusedConnection", {
    /*  1 Chinese    */ "邮件服务器拒绝了连接。",
    /*  2 English    */ "The mail server refused the connection.",
    /*  3 Deutsch    */ "Der Mailserver hat die Verbindung abgelehnt.",
    /*  4 Suomi      */ "Postipalvelin hylkäsi yhteyden.",
    /*  5 Italiano   */ "Il server di posta ha rifiutato la connessione.",
    /*  6 Francais   */ "Le serveur de messagerie a refusé la connexion.",
    /*  7 Magyar     */ "A levelezőszerver elutasította a kapcsolatot.",
    /*  8 Slovenian  */ "Poštni strežnik je zavrnil povezavo.",
    /*  9 Cesky      */ "Poštovní server odmítl spojení.",
    /* 10 Japanese   */ "メールサーバーは接続を拒否しました。",
    /* 11 Lithuanian */ "Pašto serveris atmetė ryšį.",
    /* 12 Polish     */ "Serwer poczty odrzucił połączenie.",
    /* 13 Turkiye    */ "Posta sunucusu bağlantıyı reddetti.",
    /* 14 Ukraine    */ "Поштовий сервер відхилив з'єднання.",
    /* 15 Russian    */ "Почтовый сервер отклонил соединение.",
}};

const TranslatedMessage RefusedLogin{"mail.RefusedLogin", {
    /*  1 Chinese    */ "邮件服务器拒绝了以 %1 登录。",
    /*  2 English    */ "The mail server refused the login as %1.",
    /*  3 Deutsch    */ "Der Mailserver hat die Anmeldung als %1 abgelehnt.",
    /*  4 Suomi      */ "Postipalvelin hylkäsi kirjautumisen käyttäjänä %1.",
    /*  5 Italiano   */ "Il server di posta ha rifiutato l'accesso come %1.",
    /*  6 Francais   */ "Le serveur de messagerie a refusé la connexion en tant que %1.",
    /*  7 Magyar     */ "A levelezőszerver elutasította a bejelentkezést mint %1.",
    /*  8 Slovenian  */ "Poštni strežnik je zavrnil prijavo kot %1.",
    /*  9 Cesky      */ "Poštovní server odmítl přihlášení jako %1.",
    /* 10 Japanese   */ "メールサーバーは %1 としてのログインを拒否しました。",
    /* 11 Lithuanian */ "Pašto serveris atmetė prisijungimą kaip %1.",
    /* 12 Polish     */ "Serwer poczty odrzucił logowanie jako %1.",
    /* 13 Turkiye    */ "Posta sunucusu %1 olarak oturum açmayı reddetti.",
    /* 14 Ukraine    */ "Поштовий сервер відхилив вхід як %1.",
    /* 15 Russian    */ "Почтовый сервер отклонил вход как %1.",
}};

const TranslatedMessage RefusedSending{"mail.RefusedSending", {
    /*  1 Chinese    */ "邮件服务器拒绝了测试邮件。",
    /*  2 English    */ "The mail server refused the test e-mail.",
    /*  3 Deutsch    */ "Der Mailserver hat die Test-E-Mail abgelehnt.",
    /*  4 Suomi      */ "Postipalvelin hylkäsi testiviestin.",
    /*  5 Italiano   */ "Il server di posta ha rifiutato l'e-mail di prova.",
    /*  6 Francais   */ "Le serveur de messagerie a refusé l'e-mail de test.",
    /*  7 Magyar     */ "A levelezőszerver elutasította a teszt e-mailt.",
    /*  8 Slovenian  */ "Poštni strežnik je zavrnil preizkusno e-pošto.",
    /*  9 Cesky      */ "Poštovní server odmítl zkušební e-mail.",
    /* 10 Japanese   */ "メールサーバーはテストメールを拒否しました。",
    /* 11 Lithuanian */ "Pašto serveris atmetė bandomąjį laišką.",
    /* 12 Polish     */ "Serwer poczty odrzucił testowy e-mail.",
    /* 13 Turkiye    */ "Posta sunucusu test e-postasını reddetti.",
    /* 14 Ukraine    */ "Поштовий сервер відхилив тестовий лист.",
    /* 15 Russian    */ "Почтовый сервер отклонил тестовое письмо.",
}};

const TranslatedMessage ServerReplied{"mail.ServerReplied", {
    /*  1 Chinese    */ "服务器的答复：%1",
    /*  2 English    */ "The server replied: %1",
    /*  3 Deutsch    */ "Antwort des Servers: %1",
    /*  4 Suomi      */ "Palvelimen vastaus: %1",
    /*  5 Italiano   */ "Risposta del server: %1",
    /*  6 Francais   */ "Réponse du serveur : %1",
    /*  7 Magyar     */ "A szerver válasza: %1",
    /*  8 Slovenian  */ "Odgovor strežnika: %1",
    /*  9 Cesky      */ "Odpověď serveru: %1",
    /* 10 Japanese   */ "サーバーの応答: %1",
    /* 11 Lithuanian */ "Serverio atsakymas: %1",
    /* 12 Polish     */ "Odpowiedź serwera: %1",
    /* 13 Turkiye    */ "Sunucunun yanıtı: %1",
    /* 14 Ukraine    */ "Відповідь сервера: %1",
    /* 15 Russian    */ "Ответ сервера: %1",
}};

const TranslatedMessage HintLogin{"mail.HintLogin", {
    /*  1 Chinese    */ "请检查发件人密码。许多邮件服务商要求相机这类设备使用应用专用密码，而不是账户本身的密码。",
    /*  2 English    */ "Check the sender's password. Many providers want an app password for devices like the camera instead of the account's own password.",
    /*  3 Deutsch    */ "Prüfen Sie das Absender-Passwort. Viele Anbieter verlangen für Geräte wie die Kamera ein App-Passwort statt des Kontopassworts.",
    /*  4 Suomi      */ "Tarkista lähettäjän salasana. Monet palveluntarjoajat vaativat kameran kaltaisille laitteille sovellussalasanan tilin oman salasanan sijaan.",
    /*  5 Italiano   */ "Controlla la password del mittente. Molti provider richiedono una password per le app per dispositivi come la fotocamera al posto della password dell'account.",
    /*  6 Francais   */ "Vérifiez le mot de passe de l'expéditeur. Beaucoup de fournisseurs demandent un mot de passe d'application pour des appareils comme la caméra, au lieu du mot de passe du compte.",
    /*  7 Magyar     */ "Ellenőrizze a feladó jelszavát. Sok szolgáltató a kamerához hasonló eszközökhöz alkalmazásjelszót kér a fiók saját jelszava helyett.",
    /*  8 Slovenian  */ "Preverite geslo pošiljatelja. Mnogi ponudniki za naprave, kot je kamera, zahtevajo geslo za aplikacije namesto gesla računa.",
    /*  9 Cesky      */ "Zkontrolujte heslo odesílatele. Mnoho poskytovatelů vyžaduje pro zařízení, jako je kamera, heslo aplikace místo hesla k účtu.",
    /* 10 Japanese   */ "送信者のパスワードを確認してください。多くのプロバイダーは、カメラのような機器にはアカウント自体のパスワードではなくアプリパスワードを求めます。",
    /* 11 Lithuanian */ "Patikrinkite siuntėjo slaptažodį. Daug paslaugų teikėjų tokiems įrenginiams kaip kamera reikalauja programėlės slaptažodžio, o ne paskyros slaptažodžio.",
    /* 12 Polish     */ "Sprawdź hasło nadawcy. Wielu dostawców wymaga dla urządzeń takich jak kamera hasła aplikacji zamiast hasła do konta.",
    /* 13 Turkiye    */ "Gönderen parolasını denetleyin. Birçok sağlayıcı, kamera gibi aygıtlar için hesabın kendi parolası yerine bir uygulama parolası ister.",
    /* 14 Ukraine    */ "Перевірте пароль відправника. Багато провайдерів вимагають для пристроїв на кшталт камери пароль застосунку замість пароля облікового запису.",
    /* 15 Russian    */ "Проверьте пароль отправителя. Многие провайдеры требуют для устройств вроде камеры пароль приложения вместо пароля учётной записи.",
}};

const TranslatedMessage HintNetwork{"mail.HintNetwork", {
    /*  1 Chinese    */ "请检查服务器名称和端口（通常为 587，加密连接为 465）。防火墙或网络服务商可能封锁了该端口。",
    /*  2 English    */ "Check the server name and port (usually 587, or 465 for an encrypted connection). A firewall or the Internet provider may block the port.",
    /*  3 Deutsch    */ "Prüfen Sie Servername und Port (meist 587, oder 465 für eine verschlüsselte Verbindung). Eine Firewall oder der Internetanbieter kann den Port sperren.",
    /*  4 Suomi      */ "Tarkista palvelimen nimi ja portti (yleensä 587, tai 465 salatulle yhteydelle). Palomuuri tai internetpalveluntarjoaja voi estää portin.",
    /*  5 Italiano   */ "Controlla il nome del server e la porta (di solito 587, oppure 465 per una connessione cifrata). Un firewall o il provider Internet potrebbe bloccare la porta.",
    /*  6 Francais   */ "Vérifiez le nom du serveur et le port (en général 587, ou 465 pour une connexion chiffrée). Un pare-feu ou le fournisseur d'accès peut bloquer le port.",
    /*  7 Magyar     */ "Ellenőrizze a szerver nevét és a portot (általában 587, titkosított kapcsolathoz 465). Tűzfal vagy az internetszolgáltató letilthatja a portot.",
    /*  8 Slovenian  */ "Preverite ime strežnika in vrata (običajno 587 ali 465 za šifrirano povezavo). Požarni zid ali ponudnik interneta morda blokira vrata.",
    /*  9 Cesky      */ "Zkontrolujte název serveru a port (obvykle 587, nebo 465 pro šifrované spojení). Port může blokovat firewall nebo poskytovatel internetu.",
    /* 10 Japanese   */ "サーバー名とポートを確認してください（通常は 587、暗号化接続では 465）。ファイアウォールやインターネットプロバイダーがポートを遮断している可能性があります。",
    /* 11 Lithuanian */ "Patikrinkite serverio pavadinimą ir prievadą (paprastai 587 arba 465 šifruotam ryšiui). Prievadą gali blokuoti užkarda arba interneto teikėjas.",
    /* 12 Polish     */ "Sprawdź nazwę serwera i port (zwykle 587 lub 465 dla połączenia szyfrowanego). Port może blokować zapora lub dostawca Internetu.",
    /* 13 Turkiye    */ "Sunucu adını ve portu denetleyin (genellikle 587, şifreli bağlantı için 465). Bir güvenlik duvarı veya İnternet sağlayıcısı portu engelliyor olabilir.",
    /* 14 Ukraine    */ "Перевірте назву сервера й порт (зазвичай 587 або 465 для зашифрованого з'єднання). Порт може блокувати брандмауер або інтернет-провайдер.",
    /* 15 Russian    */ "Проверьте имя сервера и порт (обычно 587 или 465 для зашифрованного соединения). Порт может блокировать брандмауэр или интернет-провайдер.",
}};

const TranslatedMessage HintCertificate{"mail.HintCertificate", {
    /*  1 Chinese    */ "请检查服务器名称：它必须是服务商为其邮件服务器提供的名称。",
    /*  2 English    */ "Check the server name: it must be the name the provider gives for its mail server.",
    /*  3 Deutsch    */ "Prüfen Sie den Servernamen: Es muss der Name sein, den der Anbieter für seinen Mailserver angibt.",
    /*  4 Suomi      */ "Tarkista palvelimen nimi: sen on oltava nimi, jonka palveluntarjoaja ilmoittaa postipalvelimelleen.",
    /*  5 Italiano   */ "Controlla il nome del server: deve essere quello indicato dal provider per il suo server di posta.",
    /*  6 Francais   */ "Vérifiez le nom du serveur : ce doit être celui que le fournisseur indique pour son serveur de messagerie.",
    /*  7 Magyar     */ "Ellenőrizze a szerver nevét: annak kell lennie, amelyet a szolgáltató a levelezőszerveréhez megad.",
    /*  8 Slovenian  */ "Preverite ime strežnika: biti mora ime, ki ga ponudnik navaja za svoj poštni strežnik.",
    /*  9 Cesky      */ "Zkontrolujte název serveru: musí to být název, který poskytovatel uvádí pro svůj poštovní server.",
    /* 10 Japanese   */ "サーバー名を確認してください。プロバイダーがメールサーバー用に案内している名前である必要があります。",
    /* 11 Lithuanian */ "Patikrinkite serverio pavadinimą: jis turi būti toks, kokį teikėjas nurodo savo pašto serveriui.",
    /* 12 Polish     */ "Sprawdź nazwę serwera: musi to być nazwa, którą dostawca podaje dla swojego serwera poczty.",
    /* 13 Turkiye    */ "Sunucu adını denetleyin: sağlayıcının posta sunucusu için verdiği ad olmalıdır.",
    /* 14 Ukraine    */ "Перевірте назву сервера: це має бути назва, яку провайдер вказує для свого поштового сервера.",
    /* 15 Russian    */ "Проверьте имя сервера: это должно быть имя, которое провайдер указывает для своего почтового сервера.",
}};

const TranslatedMessage HintSending{"mail.HintSending", {
    /*  1 Chinese    */ "许多邮件服务器只接受账户本身的地址作为发件人；请检查发件人和收件人地址。",
    /*  2 English    */ "Many mail servers accept only the account's own address as the sender; check the sender's and the recipient's addresses.",
    /*  3 Deutsch    */ "Viele Mailserver nehmen als Absender nur die eigene Adresse des Kontos an; prüfen Sie Absender- und Empfängeradresse.",
    /*  4 Suomi      */ "Monet postipalvelimet hyväksyvät lähettäjäksi vain tilin oman osoitteen; tarkista lähettäjän ja vastaanottajan osoitteet.",
    /*  5 Italiano   */ "Molti server di posta accettano come mittente solo l'indirizzo dell'account; controlla gli indirizzi del mittente e del destinatario.",
    /*  6 Francais   */ "Beaucoup de serveurs n'acceptent comme expéditeur que l'adresse du compte ; vérifiez les adresses de l'expéditeur et du destinataire.",
    /*  7 Magyar     */ "Sok levelezőszerver csak a fiók saját címét fogadja el feladóként; ellenőrizze a feladó és a címzett címét.",
    /*  8 Slovenian  */ "Mnogi poštni strežniki sprejmejo kot pošiljatelja le naslov računa; preverite naslova pošiljatelja in prejemnika.",
    /*  9 Cesky      */ "Mnoho poštovních serverů přijme jako odesílatele jen adresu vlastního účtu; zkontrolujte adresy odesílatele a příjemce.",
    /* 10 Japanese   */ "多くのメールサーバーは送信者としてアカウント自身のアドレスしか受け付けません。送信者と受信者のアドレスを確認してください。",
    /* 11 Lithuanian */ "Daug pašto serverių siuntėju priima tik paskyros adresą; patikrinkite siuntėjo ir gavėjo adresus.",
    /* 12 Polish     */ "Wiele serwerów poczty przyjmuje jako nadawcę tylko adres konta; sprawdź adresy nadawcy i odbiorcy.",
    /* 13 Turkiye    */ "Birçok posta sunucusu gönderen olarak yalnızca hesabın kendi adresini kabul eder; gönderen ve alıcı adreslerini denetleyin.",
    /* 14 Ukraine    */ "Багато поштових серверів приймають як відправника лише адресу облікового запису; перевірте адреси відправника й одержувача.",
    /* 15 Russian    */ "Многие почтовые серверы принимают в качестве отправителя только адрес учётной записи; проверьте адреса отправителя и получателя.",
}};

// clang-format on

namespace {

const CaptionTable *const kCaptions[] = {
    &SendTestMail,
    &Cancel,
};

const TranslatedMessage *const kMessages[] = {
    &Subject,
    &Body,
    &Connecting,
    &Greeting,
    &Encrypting,
    &LoggingIn,
    &Sending,
    &Delivered,
    &Unencrypted,
    &NotSent,
    &HostNotFound,
    &ConnectionRefused,
    &NoConnection,
    &TimedOut,
    &CertificateFailed,
    &EncryptionFailed,
    &BadAddress,
    &ConnectionLost,
    &RefusedConnection,
    &RefusedLogin,
    &RefusedSending,
    &ServerReplied,
    &HintLogin,
    &HintNetwork,
    &HintCertificate,
    &HintSending,
};

} // namespace

std::span<const CaptionTable *const> allMailCaptions()
{
    return kCaptions;
}

std::span<const TranslatedMessage *const> allMailMessages()
{
    return kMessages;
}

} // namespace marrowby::i18n::mail
