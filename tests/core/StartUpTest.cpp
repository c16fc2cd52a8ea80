#include "app/StartUp.h"
#include "app/MemoryPreferenceStore.h"

#include <gtest/gtest.h>

using namespace marrowby;

namespace {

constexpr std::uint16_t kEnglishUs = 1033;
constexpr std::uint16_t kGermanGermany = 1031;

MemoryPreferenceStore storeWith(
    std::initializer_list<std::pair<const char *, std::uint32_t>> numbers)
{
    MemoryPreferenceStore store;
    store.keyExists = true;
    for (const auto &[name, value] : numbers)
        store.numbers[name] = value;
    return store;
}

} // namespace

TEST(SystemLanguage, MappingAndLocaleNames)
{
    EXPECT_EQ(languageForSystemId(2052), 1);
    EXPECT_EQ(languageForSystemId(5127), 3);
    EXPECT_EQ(languageForSystemId(1031), 2);
    EXPECT_EQ(languageForSystemId(0), 2);

    EXPECT_EQ(languageIdForLocaleName("zh_CN"), 2052);
    EXPECT_EQ(languageIdForLocaleName("zh-Hans-CN"), 2052);
    EXPECT_EQ(languageIdForLocaleName("de_LI"), 5127);
    EXPECT_EQ(languageIdForLocaleName("de_DE.UTF-8"), 1031);
    EXPECT_EQ(languageIdForLocaleName("ru_RU"), 1049);
    EXPECT_EQ(languageIdForLocaleName("de_BE"), 1031); // unlisted territory: the language's own id
    EXPECT_EQ(languageIdForLocaleName("C"), 0);
    EXPECT_EQ(languageIdForLocaleName(""), 0);
}

TEST(StartUp, EmptyStoreOnAnEnglishSystemWritesEveryDefault)
{
    MemoryPreferenceStore store;
    const AppState state = startUp(store, kEnglishUs);
    EXPECT_TRUE(store.keyExists);
    EXPECT_EQ(store.numbers["language"], 2u);
    EXPECT_EQ(store.numbers["model"], 1u);
    EXPECT_EQ(store.numbers["TvMode"], 0u);
    EXPECT_EQ(store.texts["Company"], companyValue());
    EXPECT_EQ(companyValue().size(), 260u);
    EXPECT_EQ(companyValue().substr(0, 29), u"Marrowby Electronics Co., Ltd");

    EXPECT_EQ(state.LanguageIndex, 2);
    EXPECT_FALSE(state.ChineseSystem);
    EXPECT_FALSE(state.ChineseCameraLanguage);
    EXPECT_EQ(state.ModelIndex, 1);
    EXPECT_EQ(state.TvMode, 0);
}

TEST(StartUp, LanguageRules)
{
    struct Case {
        const char *name;
        std::uint16_t system;
        std::optional<std::uint32_t> stored; // nothing: key present, value missing
        int language;
        bool chineseSystem;
        bool chineseCamera;
    };
    const Case cases[] = {
        {"missing value on a Chinese system", 2052, std::nullopt, 1, true, false},
        {"Chinese stored on a German system", kGermanGermany, 1, 2, false, true},
        {"Chinese stored on a Chinese system", 2052, 1, 1, true, false},
        {"Deutsch stored", kEnglishUs, 3, 3, false, false},
        {"Liechtenstein default", 5127, std::nullopt, 3, false, false},
        {"only the low 16 bits count", kEnglishUs, 0x10005, 5, false, false},
        {"out of range falls back to the system", 5127, 16, 3, false, false},
        {"zero falls back to the system", kEnglishUs, 0, 2, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        MemoryPreferenceStore store = storeWith({{"model", 4}, {"TvMode", 0}});
        if (c.stored)
            store.numbers["language"] = *c.stored;
        const AppState state = startUp(store, c.system);
        EXPECT_EQ(state.LanguageIndex, c.language);
        EXPECT_EQ(state.ChineseSystem, c.chineseSystem);
        EXPECT_EQ(state.ChineseCameraLanguage, c.chineseCamera);
        // The key existed, so the language value is never written at start.
        EXPECT_EQ(store.writeCount["language"], 0);
    }
}

TEST(StartUp, ChineseChoiceOnAGermanSystemGoesToTheCamera)
{
    MemoryPreferenceStore store = storeWith({{"language", 1}});
    const AppState state = startUp(store, kGermanGermany);
    EXPECT_EQ(state.LanguageIndex, 2);
    EXPECT_EQ(state.cameraLanguageByte(), 1);
    EXPECT_EQ(state.storedLanguage(), 1);
    EXPECT_EQ(store.numbers["language"], 1u);
}

TEST(StartUp, ModelAndTvMode)
{
    struct Case {
        std::optional<std::uint32_t> model;
        int expected;
        bool written;
    };
    for (const Case c : {Case{25, 1, false}, Case{0, 0, false}, Case{19, 19, false},
             Case{std::nullopt, 1, true}, Case{0x10003, 3, false}}) {
        MemoryPreferenceStore store = storeWith({{"language", 2}});
        if (c.model)
            store.numbers["model"] = *c.model;
        const AppState state = startUp(store, kEnglishUs);
        EXPECT_EQ(state.ModelIndex, c.expected);
        EXPECT_EQ(store.writeCount["model"], c.written ? 1 : 0);
        if (c.model && *c.model == 25) {
            EXPECT_EQ(store.numbers["model"], 25u) << "a value above 19 is not rewritten";
        }
    }

    MemoryPreferenceStore store = storeWith({{"language", 2}, {"model", 1}, {"TvMode", 7}});
    const AppState state = startUp(store, kEnglishUs);
    EXPECT_EQ(state.TvMode, 7);
    EXPECT_EQ(state.tvModeByte(), 7);
    EXPECT_EQ(store.writeCount["TvMode"], 0);
}

TEST(StartUp, CompanyIsRewrittenUnlessAShortValueIsThere)
{
    MemoryPreferenceStore store = storeWith({{"language", 2}, {"model", 1}, {"TvMode", 0}});
    store.texts["Company"] = companyValue(); // 520 bytes: does not fit the 260-byte read
    startUp(store, kEnglishUs);
    EXPECT_EQ(store.writeCount["Company"], 1);

    MemoryPreferenceStore shortValue = storeWith({{"language", 2}, {"model", 1}, {"TvMode", 0}});
    shortValue.texts["Company"] = u"Someone";
    startUp(shortValue, kEnglishUs);
    EXPECT_EQ(shortValue.writeCount["Company"], 0);
}

TEST(StartUp, FailuresAreSilentAndDefaultsApply)
{
    { // The key can neither be opened nor created.
        MemoryPreferenceStore store;
        store.failCreate = true;
        const AppState state = startUp(store, 5127);
        EXPECT_EQ(state.LanguageIndex, 3);
        EXPECT_EQ(state.ModelIndex, 1);
        EXPECT_EQ(state.TvMode, 0);
        EXPECT_TRUE(store.numbers.empty());
        EXPECT_TRUE(store.texts.empty());
    }
    { // The key exists but refuses to open: it is "created" again and nothing sticks.
        MemoryPreferenceStore store = storeWith({{"language", 5}, {"model", 7}, {"TvMode", 3}});
        store.failOpen = true;
        const AppState state = startUp(store, kEnglishUs);
        EXPECT_EQ(state.LanguageIndex, 2);
        EXPECT_EQ(state.ModelIndex, 1);
        EXPECT_EQ(state.TvMode, 0);
    }
    { // Unreadable values and refused writes.
        MemoryPreferenceStore store = storeWith({{"language", 5}, {"model", 7}, {"TvMode", 3}});
        store.unreadable = {"language", "model", "TvMode", "Company"};
        store.failWrites = true;
        const AppState state = startUp(store, kEnglishUs);
        EXPECT_EQ(state.LanguageIndex, 2);
        EXPECT_EQ(state.ModelIndex, 1);
        EXPECT_EQ(state.TvMode, 0);
        EXPECT_EQ(store.numbers["model"], 7u);
    }
}

TEST(Preferences, MainWindowReadsAndWrites)
{
    MemoryPreferenceStore store = storeWith({{"model", 12}});
    EXPECT_EQ(readModelPreference(store, 4), 12);
    store.numbers["model"] = 20;
    EXPECT_EQ(readModelPreference(store, 4), 1);
    store.unreadable = {"model"};
    EXPECT_EQ(readModelPreference(store, 4), 4);

    AppState state;
    state.LanguageIndex = 2;
    state.ChineseCameraLanguage = true;
    storeLanguage(store, state);
    EXPECT_EQ(store.numbers["language"], 1u);
    state.ChineseCameraLanguage = false;
    state.LanguageIndex = 9;
    storeLanguage(store, state);
    EXPECT_EQ(store.numbers["language"], 9u);
    storeModel(store, 17);
    EXPECT_EQ(store.numbers["model"], 17u);
}
