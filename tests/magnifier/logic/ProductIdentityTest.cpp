#include "magnifier/logic/ProductIdentity.h"

#include <gtest/gtest.h>

using s::image::gui::dialogs::magnifier::ProductIdentity;

// The settings of every earlier release live under this key: it must never move.
TEST(ProductIdentityTest, SettingsStayUnderTheVendorKeyWhateverThePackSays) {
    EXPECT_EQ(u"Software\\Vexa\\Vexa Magnifier\\SaveData",
              ProductIdentity::settingsKeyPath(u"Vexa Magnifier"));
    // A pack without the registry id (damaged, or an old one) keeps the key.
    EXPECT_EQ(u"Software\\Vexa\\Vexa Magnifier\\SaveData", ProductIdentity::settingsKeyPath(u""));
    EXPECT_EQ(u"Software\\Vexa\\Vexa Magnifier\\SaveData",
              ProductIdentity::settingsKeyPath(nullptr));
    EXPECT_EQ(u"Software\\Vexa\\Other\\SaveData", ProductIdentity::settingsKeyPath(u"Other"));
}
