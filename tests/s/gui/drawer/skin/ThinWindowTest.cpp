#include "s/gui/drawer/skin/ThinWindow.h"

#include <gtest/gtest.h>

#include <string>

#include "s/gui/drawer/skin/Thin.h"
#include "s/gui/drawer/skin/ThinPalette.h"
#include "s/gui/drawer/skin/ThinWindowPalette.h"
#include "s/thread/PoolRef.h"

using s::gui::drawer::skin::Thin;
using s::gui::drawer::skin::ThinPalette;
using s::gui::drawer::skin::ThinWindow;
using s::gui::drawer::skin::ThinWindowPalette;
using s::thread::PoolRef;

TEST(ThinWindowTest, ASchemeSkinIsNamedAfterItsPaletteAndResetClearsTheName) {
    PoolRef<ThinWindow> skin(ThinWindow::newScheme(*ThinWindowPalette::at(6)));
    ASSERT_TRUE(skin);
    EXPECT_EQ(std::u16string(u"s_gui_drawer_skin_ThinWindow"),
              std::u16string(skin->getClassName()));
    EXPECT_EQ(std::u16string(u"Classic LG"), std::u16string(skin->getName()));
    skin->setName(nullptr);
    EXPECT_EQ(std::u16string(u""), std::u16string(skin->getName()));
    skin->setName(u"Mine");
    EXPECT_EQ(std::u16string(u"Mine"), std::u16string(skin->getName()));
    skin->reset();
    EXPECT_EQ(std::u16string(u""), std::u16string(skin->getName()));
    EXPECT_EQ(nullptr, skin->getWindowDrawer());
    EXPECT_EQ(nullptr, skin->getTextDrawer());

    PoolRef<Thin> thin(Thin::newScheme(*ThinPalette::at(12)));
    ASSERT_TRUE(thin);
    EXPECT_EQ(std::u16string(u"s_gui_drawer_skin_Thin"), std::u16string(thin->getClassName()));
    EXPECT_EQ(std::u16string(u"Salmon Red"), std::u16string(thin->getName()));
}
