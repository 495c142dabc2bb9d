#include "s/gui/drawer/skin/SkinBase.h"

#include <gtest/gtest.h>

#include "s/gui/drawer/IText.h"
#include "s/gui/drawer/skin/ThinWindow.h"
#include "s/thread/IPoolable.h"
#include "s/thread/PoolRef.h"
#include "tests/s/gui/win/TestDrawers.h"

using s::gui::drawer::skin::ThinWindow;
using s::thread::PoolRef;

namespace {

// A pooled text drawer stand-in: notes whether it was given back.
class TextDouble : public s::gui::drawer::IText {
public:
    const char16_t* getClassName() const override { return u"tests_TextDouble"; }
    s::base::IObject* newObject() const override { return nullptr; }
    void draw(HDC, int32_t, int32_t, int32_t, int32_t, const char16_t*,
              s::gui::win::Font&) const override {}
    s::gui::layout::Size measure(HDC, int32_t, int32_t, int32_t, int32_t, const char16_t*,
                                 s::gui::win::Font&) const override {
        return {};
    }
    s::gui::text::TextExtents measureForLayout(HDC, const char16_t*,
                                               s::gui::win::Font&) const override {
        return {};
    }
    void completeFonts(s::gui::win::Font*, s::gui::win::Font*, s::gui::win::Font*,
                       s::gui::win::Font*, s::gui::win::Font*) override {}
    void completeSettings(s::gui::win::FontSetting*, s::gui::win::FontSetting*,
                          s::gui::win::FontSetting*, s::gui::win::FontSetting*,
                          s::gui::win::FontSetting*) override {}
    s::gui::text::FontDescription& getStyle1() override { return style; }
    s::gui::text::FontDescription& getStyle2() override { return style; }
    s::gui::text::FontDescription& getStyle3() override { return style; }
    s::gui::text::FontDescription& getStyle4() override { return style; }
    s::gui::text::FontDescription& getStyle5() override { return style; }
    void setCentered(bool) override {}
    void release() override { released = true; }

    s::gui::text::FontDescription style;
    bool released = false;
};

} // namespace

TEST(SkinBaseWinTest, ASetterTakesOverItsDrawerAndGivesBackTheOneItReplaces) {
    auto skin = PoolRef<ThinWindow>::take();
    PatternDrawer first(RGB(1, 2, 3), RGB(1, 2, 3));
    PatternDrawer second(RGB(4, 5, 6), RGB(4, 5, 6));
    TextDouble text;
    TextDouble otherText;

    skin->setWindowDrawer(&first);
    skin->setWindowDrawer(&first); // the same drawer again: kept
    EXPECT_FALSE(first.released);
    skin->setWindowDrawer(&second);
    EXPECT_TRUE(first.released);
    EXPECT_FALSE(second.released);
    EXPECT_EQ(&second, skin->getWindowDrawer());

    // The text drawer's interface has no release: it is given back as the
    // pooled object it is.
    skin->setTextDrawer(&text);
    skin->setTextDrawer(&otherText);
    EXPECT_TRUE(text.released);
    EXPECT_EQ(&otherText, skin->getTextDrawer());

    // Reset gives back everything it holds and forgets it.
    skin->reset();
    EXPECT_TRUE(second.released);
    EXPECT_TRUE(otherText.released);
    EXPECT_EQ(nullptr, skin->getWindowDrawer());
    EXPECT_EQ(nullptr, skin->getTextDrawer());
}

TEST(SkinBaseWinTest, GivingTheSkinBackGivesBackItsDrawers) {
    PatternDrawer window(RGB(1, 2, 3), RGB(1, 2, 3));
    TextDouble text;
    ThinWindow* skin = ThinWindow::newInstance();
    skin->setName(u"Mine");
    skin->setWindowDrawer(&window);
    skin->setTextDrawer(&text);
    skin->release();
    EXPECT_TRUE(window.released);
    EXPECT_TRUE(text.released);

    // Whoever takes it next finds it empty.
    auto next = PoolRef<ThinWindow>::take();
    EXPECT_EQ(std::u16string(u""), std::u16string(next->getName()));
    EXPECT_EQ(nullptr, next->getWindowDrawer());
}
