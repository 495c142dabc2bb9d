#include "s/lang/Localizer.h"

#include "s/lang/LangPack.h"
#include "s/lang/SystemLanguage.h"
#include "s/lang/UserLanguage.h"
#include "s/thread/PoolRef.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

using s::lang::LangPack;
using s::lang::Localizer;
using s::thread::PoolRef;

// win_tests carries the shipped pack as its resource IDR_XML 130, as the
// program does (tests/support/LangPackResource.rc).

namespace {

// The resource the test module carries the pack as.
constexpr const char16_t* kPackType = u"IDR_XML";
constexpr std::int32_t kPackId = 130;

PoolRef<Localizer> fromProgramResource() {
    return PoolRef<Localizer>(Localizer::loadFromModule(nullptr, kPackType, kPackId));
}

// The tag the test run expects the user-interface language to select; the
// German and Japanese runs set it along with the locale Wine starts with.
std::string expectedTag() {
    char value[16] = {};
    DWORD length = GetEnvironmentVariableA("VEXA_EXPECTED_LANGUAGE_TAG", value, sizeof(value));
    return length > 0 && length < sizeof(value) ? std::string(value) : std::string();
}

std::string ascii(const char16_t* text) {
    std::string out;
    for (; *text != u'\0'; ++text) {
        out.push_back(static_cast<char>(*text));
    }
    return out;
}

} // namespace

TEST(LocalizerWinTest, LoadsTheShippedPackFromTheProgramResource) {
    auto localizer = fromProgramResource();
    ASSERT_TRUE(localizer);
    ASSERT_EQ(40u, localizer->packCount());
    for (std::uint32_t i = 0; i < localizer->packCount(); ++i) {
        EXPECT_EQ(83u, localizer->packAt(i)->textCount());
    }
    EXPECT_EQ(std::u16string(u"Vexa Magnifier"), localizer->getText(300000));
    EXPECT_EQ(std::u16string(u"Vexa Magnifier"), localizer->getEnglishText(500000));
    EXPECT_EQ(std::u16string(u"       Yes       "), localizer->getEnglishText(400330));
    EXPECT_TRUE(localizer->isUpdateCheckEnabled());
    // Wine reports a system of Vista or later: Venetian keeps its letters.
    EXPECT_GE(s::lang::system::majorVersion(), 6u);
    EXPECT_FALSE(localizer->findByTag(u"vec")->replacesBarredL());
}

TEST(LocalizerWinTest, SelectsThePackOfTheUserInterfaceLanguage) {
    auto localizer = fromProgramResource();
    ASSERT_TRUE(localizer);
    const LANGID languageId = GetUserDefaultUILanguage();
    LangPack* expected = localizer->findByName(s::lang::userLanguageName());
    if (expected == nullptr) {
        expected = localizer->findByName(u"English");
    }
    EXPECT_EQ(expected, localizer->getCurrent()) << "LANGID 0x" << std::hex << languageId;

    const std::string tag = expectedTag();
    if (!tag.empty()) {
        EXPECT_EQ(tag, ascii(localizer->getCurrent()->getTagName()))
            << "LANGID 0x" << std::hex << languageId;
        if (tag == "deu") {
            EXPECT_EQ(0x07, PRIMARYLANGID(languageId));
            EXPECT_EQ(std::u16string(u"Sprache"), localizer->getText(700000));
            EXPECT_EQ(std::u16string(u"       Ja       "), localizer->getText(400330));
        } else if (tag == "jpn") {
            EXPECT_EQ(0x11, PRIMARYLANGID(languageId));
            EXPECT_EQ(std::u16string(u"言語"), localizer->getText(700000));
        }
        // The shortcut name stays English whatever the language.
        EXPECT_EQ(std::u16string(u"Vexa Magnifier"), localizer->getEnglishText(500000));
    }
}

TEST(LocalizerWinTest, AMissingResourceGivesAnEmptyLocalizer) {
    PoolRef<Localizer> wrongId(Localizer::loadFromModule(nullptr, kPackType, 131));
    PoolRef<Localizer> wrongType(Localizer::loadFromModule(nullptr, u"IDR_NONE", 130));
    PoolRef<Localizer> noType(Localizer::loadFromModule(nullptr, nullptr, 130));
    for (Localizer* localizer : {wrongId.get(), wrongType.get(), noType.get()}) {
        ASSERT_NE(nullptr, localizer);
        EXPECT_EQ(0u, localizer->packCount());
        EXPECT_EQ(std::u16string(u""), localizer->getText(300000));
        EXPECT_FALSE(localizer->isUpdateCheckEnabled());
    }
}
