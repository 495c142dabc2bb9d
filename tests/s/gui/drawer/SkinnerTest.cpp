#include "s/gui/drawer/Skinner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "s/gui/drawer/ISkin.h"
#include "s/gui/drawer/skin/ThinPalette.h"
#include "s/gui/drawer/skin/ThinWindowPalette.h"
#include "s/str/strarray/StrArray.h"
#include "s/thread/PoolRef.h"

using s::gui::drawer::Skinner;
using s::thread::PoolRef;

namespace {

// Counts what it is told, with the source and code of the last event.
class Listener : public s::gui::events::IEventListener {
public:
    void onEvent(s::base::IObject* source, int32_t code) override {
        ++told;
        lastSource = source;
        lastCode = code;
    }
    int told = 0;
    s::base::IObject* lastSource = nullptr;
    int32_t lastCode = -1;
};

std::u16string currentName(const Skinner& skinner) {
    return skinner.getCurrent() != nullptr ? skinner.getCurrent()->getName() : u"(none)";
}

PoolRef<Skinner> skinnerOf(const char16_t* family) {
    auto skinner = PoolRef<Skinner>::take();
    skinner->setFamily(family);
    skinner->buildSchemes();
    return skinner;
}

} // namespace

TEST(SkinnerTest, ThinWindowListsItsSixteenSchemesAndFindsWholeNamesIgnoringCase) {
    PoolRef<Skinner> skinner(Skinner::newThinWindowSkinner());
    ASSERT_EQ(16, skinner->getSchemeCount());
    for (int32_t i = 0; i < 16; ++i) {
        EXPECT_EQ(std::u16string(s::gui::drawer::skin::ThinWindowPalette::at(i)->name),
                  std::u16string(skinner->getSchemeNames().textAt(static_cast<uint32_t>(i))));
    }
    int32_t index = -1;
    EXPECT_TRUE(skinner->findScheme(u"black black", index));
    EXPECT_EQ(4, index);
    EXPECT_TRUE(skinner->findScheme(u"BLACK", index));
    EXPECT_EQ(2, index);
    EXPECT_FALSE(skinner->findScheme(u"Black Bl", index));
    EXPECT_EQ(-1, index);
    EXPECT_FALSE(skinner->findScheme(nullptr, index));
    EXPECT_EQ(-1, index);
    EXPECT_EQ(nullptr, skinner->getCurrent()); // nothing selected yet
}

TEST(SkinnerTest, SelectTellsTheWindowsOnlyWhenTheCurrentSchemeChangesAndFallsBackToTheFirst) {
    PoolRef<Skinner> skinner(Skinner::newThinWindowSkinner());
    Listener window;
    skinner->addListener(&window);

    skinner->select(u"White");
    skinner->select(u"white");
    EXPECT_EQ(u"White", currentName(*skinner));
    EXPECT_EQ(1, window.told);
    EXPECT_EQ(skinner.get(), window.lastSource);
    EXPECT_EQ(0, window.lastCode);

    skinner->select(u"Classic LG");
    EXPECT_EQ(u"Classic LG", currentName(*skinner));
    EXPECT_EQ(2, window.told);

    skinner->select(u"No such scheme");
    EXPECT_EQ(u"White", currentName(*skinner));
    EXPECT_EQ(3, window.told);
    skinner->select(nullptr);
    EXPECT_EQ(u"White", currentName(*skinner));
    EXPECT_EQ(3, window.told);
    skinner->removeListener(&window);
}

TEST(SkinnerTest, ThinFamilyIgnoringCaseBuildsThirteenSchemesOfItsOwnClass) {
    PoolRef<Skinner> thin = skinnerOf(u"tHIN");
    ASSERT_EQ(13, thin->getSchemeCount());
    for (int32_t i = 0; i < 13; ++i) {
        EXPECT_EQ(std::u16string(s::gui::drawer::skin::ThinPalette::at(i)->name),
                  std::u16string(thin->getSchemeNames().textAt(static_cast<uint32_t>(i))));
    }
    thin->select(u"green2");
    ASSERT_NE(nullptr, thin->getCurrent());
    EXPECT_EQ(u"Green2", currentName(*thin));
    EXPECT_EQ(std::u16string(u"s_gui_drawer_skin_Thin"),
              std::u16string(thin->getCurrent()->getClassName()));

    PoolRef<Skinner> thinWindow = skinnerOf(u"thinwindow");
    ASSERT_EQ(16, thinWindow->getSchemeCount());
    thinWindow->select(u"Indigo");
    EXPECT_EQ(std::u16string(u"s_gui_drawer_skin_ThinWindow"),
              std::u16string(thinWindow->getCurrent()->getClassName()));
}

TEST(SkinnerTest, OtherFamiliesBuildNothingAndSelectReadsNoScheme) {
    for (const char16_t* family : {u"Basic", u"ThinWindows", u"Thi", u""}) {
        PoolRef<Skinner> skinner = skinnerOf(family);
        EXPECT_EQ(0, skinner->getSchemeCount());
        EXPECT_EQ(0u, skinner->getSchemeNames().count());
        Listener window;
        skinner->addListener(&window);
        skinner->select(u"White");
        EXPECT_EQ(nullptr, skinner->getCurrent());
        EXPECT_EQ(0, window.told);
        int32_t index = 0;
        EXPECT_FALSE(skinner->findScheme(u"White", index));
        EXPECT_EQ(-1, index);
        skinner->removeListener(&window);
    }
}

TEST(SkinnerTest, BuildingTwiceKeepsTheListAndTheSkinsWindowsPaintWith) {
    PoolRef<Skinner> skinner(Skinner::newThinWindowSkinner());
    skinner->select(u"Black Black");
    const s::gui::drawer::ISkin* painting = skinner->getCurrent();
    skinner->buildSchemes();
    EXPECT_EQ(16, skinner->getSchemeCount());
    EXPECT_EQ(16u, skinner->getSchemeNames().count());
    EXPECT_EQ(painting, skinner->getCurrent());
    EXPECT_EQ(u"Black Black", currentName(*skinner));

    // reset() empties the list; the family "Basic" then builds nothing, a
    // family set again builds afresh.
    skinner->reset();
    EXPECT_EQ(std::u16string(u"Basic"), std::u16string(skinner->getFamily()));
    EXPECT_EQ(nullptr, skinner->getCurrent());
    skinner->buildSchemes();
    EXPECT_EQ(0, skinner->getSchemeCount());
    skinner->setFamily(u"Thin");
    skinner->buildSchemes();
    EXPECT_EQ(13, skinner->getSchemeCount());
}
