#include "magnifier/logic/ShortcutRules.h"

#include <gtest/gtest.h>

namespace magnifier = s::image::gui::dialogs::magnifier;

TEST(ShortcutRulesTest, TheNameIsProductNameBlankVersionAndLinkExtension) {
    EXPECT_EQ(std::u16string(u"Vexa Magnifier 1.19.lnk"),
              magnifier::bootShortcutName(u"Vexa Magnifier", u"1.19"));
    EXPECT_EQ(std::u16string(u"Vexa Magnifier .lnk"),
              magnifier::bootShortcutName(u"Vexa Magnifier", nullptr));
    EXPECT_EQ(std::u16string(u" .lnk"), magnifier::bootShortcutName(nullptr, u""));
}

TEST(ShortcutRulesTest, TheLinkExtensionIsAppendedOnlyWhenMissingWhateverItsCase) {
    EXPECT_TRUE(magnifier::hasLinkExtension(u"C:\\a\\b.lnk"));
    EXPECT_TRUE(magnifier::hasLinkExtension(u"C:\\a\\b.LnK"));
    EXPECT_FALSE(magnifier::hasLinkExtension(u"C:\\a\\b.lnkx"));
    EXPECT_FALSE(magnifier::hasLinkExtension(u"lnk"));
    EXPECT_FALSE(magnifier::hasLinkExtension(nullptr));
    EXPECT_EQ(std::u16string(u"C:\\a\\b.LNK"), magnifier::withLinkExtension(u"C:\\a\\b.LNK"));
    EXPECT_EQ(std::u16string(u"C:\\a\\b.txt.lnk"), magnifier::withLinkExtension(u"C:\\a\\b.txt"));
    EXPECT_EQ(std::u16string(u".lnk"), magnifier::withLinkExtension(nullptr));
}

TEST(ShortcutRulesTest, OnlyFullPathsWithoutForbiddenCharactersAreWellFormed) {
    EXPECT_TRUE(magnifier::isWellFormedPath(u"C:\\Users\\me\\Startup\\Vexa Magnifier 1.19.lnk"));
    EXPECT_TRUE(magnifier::isWellFormedPath(u"c:\\"));
    EXPECT_TRUE(magnifier::isWellFormedPath(u"\\\\server\\share\\link.lnk"));
    EXPECT_FALSE(magnifier::isWellFormedPath(u"relative\\link.lnk"));
    EXPECT_FALSE(magnifier::isWellFormedPath(u"C:relative.lnk"));
    EXPECT_FALSE(magnifier::isWellFormedPath(u"\\\\\\triple"));
    EXPECT_FALSE(magnifier::isWellFormedPath(u"\\\\?\\C:\\long"));
    EXPECT_FALSE(magnifier::isWellFormedPath(u"C:\\a\\b:stream.lnk"));
    EXPECT_FALSE(magnifier::isWellFormedPath(u"C:\\a\\wh*t.lnk"));
    EXPECT_FALSE(magnifier::isWellFormedPath(u"C:\\a\\line\nbreak.lnk"));
    EXPECT_FALSE(magnifier::isWellFormedPath(u""));
    EXPECT_FALSE(magnifier::isWellFormedPath(nullptr));
    // The classic limit: 259 units fit, 260 do not.
    const std::u16string base = u"C:\\";
    EXPECT_TRUE(magnifier::isWellFormedPath((base + std::u16string(256, u'a')).c_str()));
    EXPECT_FALSE(magnifier::isWellFormedPath((base + std::u16string(257, u'a')).c_str()));
}

TEST(ShortcutRulesTest, TheFolderOfAPathKeepsADrivesRootAndDrivesAreNeverDeleted) {
    EXPECT_EQ(std::u16string(u"C:\\Program Files\\Vexa"),
              magnifier::folderOf(u"C:\\Program Files\\Vexa\\VexaMagnifier.exe"));
    EXPECT_EQ(std::u16string(u"C:\\"), magnifier::folderOf(u"C:\\VexaMagnifier.exe"));
    EXPECT_EQ(std::u16string(u""), magnifier::folderOf(u"VexaMagnifier.exe"));
    EXPECT_EQ(std::u16string(u""), magnifier::folderOf(nullptr));
    EXPECT_FALSE(magnifier::isDeletablePath(u"C:\\"));
    EXPECT_FALSE(magnifier::isDeletablePath(u"C:"));
    EXPECT_FALSE(magnifier::isDeletablePath(nullptr));
    EXPECT_TRUE(magnifier::isDeletablePath(u"C:\\a"));
}
