#include "catalogue/ModelCatalogue.h"

#include <gtest/gtest.h>

#include <set>

using namespace marrowby;

TEST(ModelCatalogue, OddRowsAndTheFallback)
{
    const ModelEntry &fallback = ModelCatalogue::entry(0);
    EXPECT_EQ(fallback.formTitle, "Marrowby");
    EXPECT_EQ(fallback.cameraForm, MenuLayout::Standard);
    EXPECT_EQ(fallback.mmsForm, MmsFormKind::Standard);
    EXPECT_EQ(fallback.smtpForm, SmtpFormKind::K200);
    EXPECT_TRUE(fallback.mmsUsable);
    EXPECT_TRUE(fallback.smtpUsable);
    for (int outside : {-1, 20, 1000})
        EXPECT_EQ(&ModelCatalogue::entry(outside), &fallback);

    EXPECT_EQ(ModelCatalogue::entry(8).listName, "Marrowby K800MG");
    EXPECT_EQ(ModelCatalogue::cameraForm(8), MenuLayout::K800);
    EXPECT_EQ(ModelCatalogue::entry(14).listName, "Marrowby K100");
    EXPECT_EQ(ModelCatalogue::cameraForm(14), MenuLayout::K100);
    EXPECT_EQ(ModelCatalogue::entry(17).listName, "Marrowby K410MG-1080P");
    EXPECT_EQ(ModelCatalogue::formTitle(17), "Marrowby K410 1080P");
    EXPECT_EQ(ModelCatalogue::cameraForm(17), MenuLayout::K500);
    EXPECT_EQ(ModelCatalogue::mmsForm(17), MmsFormKind::K600);
    EXPECT_EQ(ModelCatalogue::formTitle(18), "Marrowby K600 PLUS");
}

TEST(ModelCatalogue, ButtonStatesAndSingleUsers)
{
    std::set<int> smtpDisabled;
    std::set<int> mmsDisabled;
    std::set<int> k800Users;
    std::set<int> k100Users;
    for (int m = 1; m <= kModelCount; ++m) {
        if (!ModelCatalogue::smtpUsable(m))
            smtpDisabled.insert(m);
        if (!ModelCatalogue::mmsUsable(m))
            mmsDisabled.insert(m);
        if (ModelCatalogue::cameraForm(m) == MenuLayout::K800)
            k800Users.insert(m);
        if (ModelCatalogue::cameraForm(m) == MenuLayout::K100)
            k100Users.insert(m);
    }
    EXPECT_EQ(smtpDisabled, (std::set<int>{1, 2, 11, 12, 14, 18}));
    EXPECT_EQ(mmsDisabled, (std::set<int>{11, 12, 14}));
    EXPECT_EQ(k800Users, std::set<int>{8});
    EXPECT_EQ(k100Users, std::set<int>{14});

    std::set<std::string_view> names;
    for (const ModelEntry &entry : ModelCatalogue::models())
        names.insert(entry.listName);
    EXPECT_EQ(names.size(), 19u) << "every model has its own list name";
}
