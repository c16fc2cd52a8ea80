#include "platform/SettingsPreferenceStore.h"
#include "app/StartUp.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace marrowby;

TEST(SettingsPreferenceStore, CreatesTheFileAndRoundTripsTheFourValues)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SettingsPreferenceStore store(dir.filePath(QStringLiteral("config/Marrowby/Marrowby.ini")));
    EXPECT_FALSE(store.open());
    EXPECT_FALSE(store.readNumber("model").has_value());
    EXPECT_FALSE(store.writeNumber("model", 3)) << "writes need the store to exist";

    const AppState state = startUp(store, 1031);
    EXPECT_TRUE(store.open());
    EXPECT_EQ(state.LanguageIndex, 2);
    EXPECT_EQ(store.readNumber("language"), 2u);
    EXPECT_EQ(store.readNumber("model"), 1u);
    EXPECT_EQ(store.readNumber("TvMode"), 0u);
    EXPECT_EQ(store.readText("Company"), u"Marrowby Electronics Co., Ltd")
        << "stored as its text, without the registry's zero padding";
    QFile ini(store.filePath());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray content = ini.readAll();
    EXPECT_TRUE(content.contains("Company=\"Marrowby Electronics Co., Ltd\"\n")) << content.data();
    EXPECT_FALSE(content.contains("\\0")) << content.data();
    ini.close();
    // The next start finds the text and leaves it as it is.
    startUp(store, 1031);
    EXPECT_EQ(store.readText("Company"), u"Marrowby Electronics Co., Ltd");

    EXPECT_TRUE(store.writeNumber("model", 17));
    SettingsPreferenceStore again(store.filePath());
    EXPECT_EQ(again.readNumber("model"), 17u);
    EXPECT_FALSE(again.readNumber("missing").has_value());
}

TEST(SettingsPreferenceStore, UnreadableNumbersAreMissing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Marrowby.ini"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Marrowby]\nmodel=seven\nlanguage=3\n");
    file.close();
    SettingsPreferenceStore store(path);
    EXPECT_FALSE(store.readNumber("model").has_value());
    EXPECT_EQ(store.readNumber("language"), 3u);
}
