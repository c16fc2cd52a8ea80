// Texts about the operator presets. One block per text: the fifteen
// translations in LanguageIndex order. Each names the mode as the mode list
// shows it (%4), so the user finds the entry whatever the list's wording.
#include "i18n/PresetTexts.h"

#include <array>
#include <cstddef>

namespace marrowby::i18n::presets {

// Hand-aligned tables: one row per entry, kept as written.
// clang-format off

// "The built-in settings for %1 (%2) have no %3. Choose %4 mode and enter the
// operator's settings."
const TranslatedMessage IncompletePreset{"presets.IncompletePreset", {
    /*  1 Chinese    */ "%1（%2）的内置设置中缺少%3。请选择“%4”模式并输入运营商的设置。",
    /*  2 English    */ "The built-in settings for %1 (%2) have no %3. Choose %4 mode and enter the operator's settings.",
    /*  3 Deutsch    */ "In den eingebauten Einstellungen für %1 (%2) fehlt der Wert „%3“. Wählen Sie den Modus „%4“ und geben Sie die Einstellungen des Netzbetreibers ein.",
    /*  4 Suomi      */ "Operaattorin %1 (%2) valmiista asetuksista puuttuu %3. Valitse tilaksi ”%4” ja syötä operaattorin asetukset.",
    /*  5 Italiano   */ "Nelle impostazioni predefinite per %1 (%2) manca il valore %3. Scegliere la modalità «%4» e inserire le impostazioni dell'operatore.",
    /*  6 Francais   */ "Les paramètres intégrés pour %1 (%2) ne contiennent pas de valeur «\u00A0%3\u00A0». Choisissez le mode «\u00A0%4\u00A0» et saisissez les paramètres de l'opérateur.",
    /*  7 Magyar     */ "A(z) %1 (%2) beépített beállításaiból hiányzik a(z) %3 érték. Válassza a(z) „%4” módot, és adja meg a szolgáltató beállításait.",
    /*  8 Slovenian  */ "V vgrajenih nastavitvah za %1 (%2) manjka vrednost %3. Izberite način »%4« in vnesite nastavitve operaterja.",
    /*  9 Cesky      */ "Ve vestavěném nastavení pro %1 (%2) chybí hodnota %3. Zvolte režim „%4“ a zadejte nastavení operátora.",
    /* 10 Japanese   */ "%1（%2）の内蔵設定には%3がありません。「%4」モードを選択し、通信事業者の設定を入力してください。",
    /* 11 Lithuanian */ "Integruotuose %1 (%2) nustatymuose nėra reikšmės %3. Pasirinkite režimą „%4“ ir įveskite operatoriaus nustatymus.",
    /* 12 Polish     */ "We wbudowanych ustawieniach dla %1 (%2) brakuje wartości %3. Wybierz tryb „%4” i wprowadź ustawienia operatora.",
    /* 13 Turkiye    */ "%1 (%2) için yerleşik ayarlarda %3 değeri yok. \"%4\" modunu seçin ve operatörün ayarlarını girin.",
    /* 14 Ukraine    */ "У вбудованих налаштуваннях для %1 (%2) немає значення %3. Виберіть режим «%4» і введіть налаштування оператора.",
    /* 15 Russian    */ "Во встроенных настройках для %1 (%2) нет значения %3. Выберите режим «%4» и введите настройки оператора.",
}};

// clang-format on

std::string incompletePresetText(int languageIndex, std::string_view operatorName,
    std::string_view country, std::string_view setting, std::string_view manualMode)
{
    const std::array<std::string_view, 4> values{operatorName, country, setting, manualMode};
    const std::string_view pattern = message(IncompletePreset, languageIndex);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '4') {
            text += values[static_cast<std::size_t>(next - '1')];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace marrowby::i18n::presets
