#include "s/app/win/AppBase.h"

#include "s/lang/LangPack.h"
#include "s/lang/Localizer.h"
#include "s/map/IMappedData.h"
#include "s/process/commandline/win/CommandLine.h"
#include "s/str/Ascii.h"
#include "tests/s/app/win/TestProduct.h"

#include <string>
#include <vector>

using s::app::win::AppBase;

namespace {

// What the first-start hook opened, instead of a browser.
std::vector<std::u16string> openedPages;

bool recordPage(const char16_t* address) {
    openedPages.emplace_back(address);
    return true;
}

class AppBaseWinTest : public TestProduct {
protected:
    void SetUp() override {
        TestProduct::SetUp();
        openedPages.clear();
    }
    std::u16string english(int32_t id) { return appBase->getLocalizer()->getEnglishText(id); }
};

} // namespace

TEST_F(AppBaseWinTest, FirstStartWritesTheIdentityButNoLanguageOrSkin) {
    AppBase& base = start();
    EXPECT_EQ(u"Freeware", rawText(settingsKey() + u"\\SoftwareType", u""));
    EXPECT_EQ(u"Vexa Magnifier", rawText(settingsKey() + u"\\SoftwareID", u""));
    EXPECT_EQ(english(500010), rawText(settingsKey() + u"\\Version", u""));
    EXPECT_FALSE(english(500010).empty());
    // The pack chosen from the user-interface language is not stored, so a
    // later change of the system language is still followed.
    s::map::IMappedData* store = base.getSettings();
    EXPECT_FALSE(store->hasValue(u"Language", u""));
    EXPECT_FALSE(store->hasSection(u"Skin"));
    EXPECT_TRUE(std::u16string(base.getLanguage()) ==
                base.getLocalizer()->getCurrent()->getEngName());
    EXPECT_TRUE(std::u16string(base.getSkin()) == u"Black Black");
    EXPECT_TRUE(store->getAutoSave());
}

TEST_F(AppBaseWinTest, StoredLanguageIsRestoredAndAnUnknownOneReplaced) {
    writeText(settingsKey() + u"\\Language", u"", u"German");
    AppBase& base = start();
    EXPECT_TRUE(std::u16string(base.getLocalizer()->getCurrent()->getEngName()) == u"German");
    EXPECT_EQ(u"German", rawText(settingsKey() + u"\\Language", u""));

    // A language no pack carries falls back to English, which is stored.
    writeText(settingsKey() + u"\\Language", u"", u"Klingon");
    AppBase& again = start();
    EXPECT_TRUE(std::u16string(again.getLocalizer()->getCurrent()->getEngName()) == u"English");
    EXPECT_EQ(u"English", rawText(settingsKey() + u"\\Language", u""));

    again.setLanguage(u"French");
    EXPECT_EQ(u"French", rawText(settingsKey() + u"\\Language", u""));
}

TEST_F(AppBaseWinTest, EveryStartRewritesTheIdentity) {
    start();
    writeText(settingsKey() + u"\\Version", u"", u"0.1");
    writeText(settingsKey() + u"\\SoftwareType", u"", u"Shareware");
    start();
    EXPECT_EQ(english(500010), rawText(settingsKey() + u"\\Version", u""));
    EXPECT_EQ(u"Freeware", rawText(settingsKey() + u"\\SoftwareType", u""));
}

TEST_F(AppBaseWinTest, SkinIsStoredUnderItsOwnSection) {
    AppBase& base = start();
    base.setSkin(u"Blue Sky");
    EXPECT_EQ(u"Blue Sky", rawText(settingsKey() + u"\\Skin", u""));
    EXPECT_TRUE(std::u16string(base.getSkin()) == u"Blue Sky");
}

TEST_F(AppBaseWinTest, FirstRunPageOpensOnceWhenSilentIsSet) {
    writeDword(productKey(), u"Silent", 1);
    AppBase& base = start();
    base.setPageOpener(&recordPage);
    base.openFirstRunPage();
    ASSERT_EQ(1u, openedPages.size());
    EXPECT_EQ(english(500003), openedPages[0]);
    EXPECT_FALSE(openedPages[0].empty());
    DWORD type = 0;
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(rawValue(productKey(), u"Silent", type, bytes));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
    ASSERT_EQ(4u, bytes.size());
    EXPECT_EQ(0, bytes[0] | bytes[1] | bytes[2] | bytes[3]);
    // Cleared: the next start opens nothing.
    base.openFirstRunPage();
    EXPECT_EQ(1u, openedPages.size());
}

TEST_F(AppBaseWinTest, FirstRunPageStaysShutWithoutATrueFourByteSilent) {
    AppBase& base = start();
    base.setPageOpener(&recordPage);
    // Absent: nothing opens and nothing is written.
    base.openFirstRunPage();
    DWORD type = 0;
    std::vector<std::uint8_t> bytes;
    EXPECT_FALSE(rawValue(productKey(), u"Silent", type, bytes));
    // Zero.
    writeDword(productKey(), u"Silent", 0);
    base.openFirstRunPage();
    // A value of another size is not a flag.
    writeText(productKey(), u"Silent", u"1234");
    base.openFirstRunPage();
    EXPECT_TRUE(openedPages.empty());
    EXPECT_EQ(u"1234", rawText(productKey(), u"Silent"));
}

TEST_F(AppBaseWinTest, ProgramPathCommandLineAndInstanceGate) {
    identity.commandLine = u"test.exe /StartUp other";
    AppBase& base = start();
    const std::u16string path = base.getProgramPath();
    const std::u16string folder = base.getProgramFolder();
    ASSERT_GT(path.size(), folder.size());
    EXPECT_EQ(folder, path.substr(0, folder.size()));
    EXPECT_EQ(u'\\', folder.back());
    EXPECT_TRUE(
        s::str::Ascii::equalsIgnoreCase(path.substr(folder.size()).c_str(), u"win_tests.exe"));

    ASSERT_EQ(2, base.getCommandLine()->getCount());
    EXPECT_TRUE(std::u16string(base.getCommandLine()->getArgument(0)) == u"-StartUp");

    // The only copy: asking again must not mistake this copy's own mark for
    // another one.
    EXPECT_FALSE(base.findOtherInstance());
    EXPECT_FALSE(base.findOtherInstance());
    EXPECT_FALSE(base.findOtherInstanceOnDesktop());
}

TEST_F(AppBaseWinTest, ReleaseSavesUnlessSavedAndStoresOpenWhereTheyBelong) {
    AppBase& base = start();
    EXPECT_FALSE(base.isSaved());
    base.saveSettings();
    EXPECT_TRUE(base.isSaved());
    s::thread::PoolRef<s::map::IMappedData> registry(base.openRegistrySettings());
    ASSERT_TRUE(registry);
    EXPECT_TRUE(std::u16string(registry->getString(u"SoftwareType", u"", u"none")) == u"Freeware");
    s::thread::PoolRef<s::map::IMappedData> xml(base.openXmlSettings());
    EXPECT_TRUE(xml);
    // Given back and taken again, the object starts clean.
    appBase.assign(nullptr);
    appBase.assign(AppBase::newInstance());
    EXPECT_FALSE(appBase->isSaved());
    EXPECT_EQ(nullptr, appBase->getSettings());
    EXPECT_EQ(500000, appBase->getTextBase());
}
