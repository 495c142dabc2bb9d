#include "s/app/win/AppBase.h"

#include "s/gui/drawer/Skinner.h"
#include "s/image/win/BufferedImage.h"
#include "s/image/win/IconArchive.h"
#include "s/lang/LangPack.h"
#include "s/lang/Localizer.h"
#include "s/map/IMappedData.h"
#include "s/process/commandline/win/CommandLine.h"
#include "s/str/Ascii.h"
#include "tests/s/app/win/TestProduct.h"
#include "tests/s/gui/win/TestDrawers.h"
#include "tests/support/win/LogoColours.h"

#include <string>
#include <vector>

using s::app::win::AppBase;
using s::gui::drawer::Skinner;
using s::image::win::BufferedImage;
using s::image::win::IconArchive;
using s::test::win::FlatPoint;
using s::test::win::kTallLogoId;
using s::test::win::kTallLogoPoints;
using s::test::win::kWideLogoId;
using s::test::win::kWideLogoPoints;
using s::thread::PoolRef;

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
    // The test program carries the program's icon and logo pictures under
    // ids of its own (tests/support/ImageResources.rc): icon group 150 with
    // 16, 32, 48, 64 and 128 pixels at 32 bits and 256 stored as 0.
    void withProgramPictures() {
        identity.iconResourceId = 150;
        identity.logoResourceType = u"IDR_JPG";
        identity.wideLogoId = kWideLogoId;
        identity.tallLogoId = kTallLogoId;
    }
};

template <size_t N>
void expectPicture(const BufferedImage* image, HBITMAP handle, int32_t width, int32_t height,
                   const FlatPoint (&points)[N]) {
    ASSERT_NE(nullptr, image);
    ASSERT_EQ(width, image->getWidth());
    ASSERT_EQ(height, image->getHeight());
    EXPECT_EQ(image->getBitmap(), handle);
    BITMAP shape = {};
    ASSERT_NE(0, GetObjectW(handle, sizeof(shape), &shape));
    EXPECT_EQ(width, shape.bmWidth);
    s::test::win::expectFlatColours(*image, points);
}

// The pixel size of an icon handle's colour bitmap.
int32_t iconWidth(HICON icon) {
    ICONINFO parts = {};
    if (icon == nullptr || !GetIconInfo(icon, &parts)) {
        return 0;
    }
    BITMAP shape = {};
    GetObjectW(parts.hbmColor != nullptr ? parts.hbmColor : parts.hbmMask, sizeof(shape), &shape);
    DeleteObject(parts.hbmColor);
    DeleteObject(parts.hbmMask);
    return shape.bmWidth;
}

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

TEST_F(AppBaseWinTest, IconImagesFollowTheSelectionRuleOnTheProgramsIconGroup) {
    withProgramPictures();
    AppBase& base = start();
    ASSERT_NE(nullptr, base.getIconArchive());
    // Wanted size -> the entry the rule picks: exact sizes (256 stored as
    // 0), else the closest area. 100 pixels lie nearer 64 (by area) than
    // 128, where the system's own pick would scale the bigger image down.
    const std::pair<int32_t, int32_t> picks[] = {{16, 16},   {32, 32},   {64, 64},
                                                 {128, 128}, {256, 256}, {24, 16},
                                                 {40, 32},   {100, 64},  {1000, 256}};
    for (const auto& [wanted, picked] : picks) {
        SCOPED_TRACE(wanted);
        PoolRef<BufferedImage> image(base.getIconImage(wanted));
        ASSERT_TRUE(image);
        EXPECT_EQ(picked, image->getWidth());
        EXPECT_EQ(picked, image->getHeight());
        // Every call hands out an image of its own.
        PoolRef<BufferedImage> again(base.getIconImage(wanted));
        ASSERT_TRUE(again);
        EXPECT_NE(image.get(), again.get());
        // The handle is the same entry, and stays the base's.
        const HICON handle = base.getIconHandle(wanted);
        EXPECT_EQ(picked, iconWidth(handle));
        EXPECT_EQ(handle, base.getIconHandle(wanted));
    }
    EXPECT_EQ(nullptr, base.getIconImage(0));
    EXPECT_EQ(nullptr, base.getIconHandle(-5));
}

TEST_F(AppBaseWinTest, OtherIconGroupsOpenOnRequestAndMissingOnesGiveNothing) {
    withProgramPictures();
    AppBase& base = start();
    PoolRef<IconArchive> masked(base.openIconArchive(151));
    ASSERT_TRUE(masked);
    EXPECT_EQ(1u, masked->getCount());
    EXPECT_NE(base.getIconArchive(), masked.get());
    EXPECT_EQ(nullptr, base.openIconArchive(128));
    EXPECT_EQ(nullptr, base.openIconArchive(0));
}

TEST_F(AppBaseWinTest, LogoPicturesAreDecodedAtStart) {
    withProgramPictures();
    AppBase& base = start();
    expectPicture(base.getLogo(), base.getLogoHandle(), 700, 230, kWideLogoPoints);
    expectPicture(base.getTallLogo(), base.getTallLogoHandle(), 230, 700, kTallLogoPoints);
}

TEST_F(AppBaseWinTest, AProgramWithoutIconsOrPicturesStartsWithout) {
    identity.logoResourceType = u"IDR_JPG";
    identity.wideLogoId = 133;
    AppBase& base = start();
    EXPECT_EQ(nullptr, base.getIconArchive());
    EXPECT_EQ(nullptr, base.getIconImage(32));
    EXPECT_EQ(nullptr, base.getIconHandle(32));
    EXPECT_EQ(nullptr, base.getLogo());
    EXPECT_EQ(nullptr, base.getLogoHandle());
    EXPECT_EQ(nullptr, base.getTallLogo());
    EXPECT_EQ(nullptr, base.getTallLogoHandle());
    // The pictures of one start do not outlive it: the pooled object that
    // served a start with pictures serves one without them.
    withProgramPictures();
    EXPECT_NE(nullptr, start().getLogo());
    identity.iconResourceId = 128;
    identity.logoResourceType = u"";
    AppBase& bare = start();
    EXPECT_EQ(nullptr, bare.getLogo());
    EXPECT_EQ(nullptr, bare.getIconArchive());
}

TEST_F(AppBaseWinTest, TheStoredSkinIsSelectedAndAnUnknownOneFallsBackToTheDefault) {
    NamedSkin black(u"Black Black", nullptr);
    NamedSkin blue(u"Blue Sky", nullptr);
    writeText(settingsKey() + u"\\Skin", u"", u"blue sky");
    Skinner* skinner = Skinner::newInstance();
    skinner->addScheme(&black);
    skinner->addScheme(&blue);
    appBase.assign(AppBase::newInstance());
    appBase->init(identity, skinner);
    EXPECT_EQ(skinner, appBase->getSkinner());
    EXPECT_EQ(&blue, skinner->getCurrent());
    EXPECT_TRUE(std::u16string(appBase->getSkin()) == u"blue sky");
    // A skin that no longer exists: the default.
    appBase->setSkin(u"Gone");
    EXPECT_TRUE(std::u16string(appBase->getSkin()) == u"Black Black");
    appBase.assign(AppBase::newInstance());
    skinner = Skinner::newInstance();
    skinner->addScheme(&blue);
    skinner->addScheme(&black);
    appBase->init(identity, skinner);
    // getSkin already answers the default, which the selector has.
    EXPECT_EQ(&black, skinner->getCurrent());
    EXPECT_EQ(u"Gone", rawText(settingsKey() + u"\\Skin", u""));
    // The base owns the selector, and the selector its skins.
    appBase.assign(nullptr);
    EXPECT_TRUE(black.released);
    EXPECT_TRUE(blue.released);
}

TEST_F(AppBaseWinTest, TheApplicationsSkinnerSelectsTheStoredSchemeOrBlackBlack) {
    writeText(settingsKey() + u"\\Skin", u"", u"Blue Sky");
    appBase.assign(AppBase::newInstance());
    appBase->init(identity, Skinner::newThinWindowSkinner());
    EXPECT_TRUE(std::u16string(appBase->getSkin()) == u"Black Black");
    ASSERT_NE(nullptr, appBase->getSkinner()->getCurrent());
    EXPECT_TRUE(std::u16string(appBase->getSkinner()->getCurrent()->getName()) == u"Black Black");

    writeText(settingsKey() + u"\\Skin", u"", u"classic lg");
    appBase.assign(AppBase::newInstance());
    appBase->init(identity, Skinner::newThinWindowSkinner());
    ASSERT_NE(nullptr, appBase->getSkinner()->getCurrent());
    EXPECT_TRUE(std::u16string(appBase->getSkinner()->getCurrent()->getName()) == u"Classic LG");
}
