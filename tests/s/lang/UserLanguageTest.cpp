#include "s/lang/UserLanguage.h"

#include "s/lang/LangPack.h"
#include "s/lang/Localizer.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/PoolRef.h"
#include "s/xml/Node.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

using s::lang::Localizer;
using s::lang::UserLanguage;
using s::str::strbuffer::StrBuffer;
using s::thread::PoolRef;

namespace {

std::u16string nameFor(std::uint16_t languageId) {
    auto name = PoolRef<StrBuffer>::take();
    UserLanguage::nameFor(languageId, *name);
    return name->c_str();
}

// The shipped pack, for the languages a user-interface language selects.
PoolRef<Localizer> shippedPack() {
    std::ifstream file(std::string(VEXA_SOURCE_DIR) + "/resources/lang/LangPack.xml",
                       std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    auto localizer = PoolRef<Localizer>::take();
    auto document = PoolRef<s::xml::Node>::take();
    document->parseUtf8(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    localizer->parse(*document);
    return localizer;
}

std::u16string selectedTag(Localizer& localizer, std::uint16_t languageId) {
    localizer.setLanguage(nameFor(languageId).c_str());
    return localizer.getCurrent()->getTagName();
}

} // namespace

TEST(UserLanguageTest, SpecialIdentifiersComeFirstThenThePrimaryLanguage) {
    EXPECT_EQ(u"German", nameFor(0x0407));
    EXPECT_EQ(u"German", nameFor(0x0C07));
    EXPECT_EQ(u"Portuguese_portugal", nameFor(0x0816));
    EXPECT_EQ(u"Portuguese_brazilian", nameFor(0x0416));
    EXPECT_EQ(u"Chinese", nameFor(0x7804));
    EXPECT_EQ(u"Chinese_simplified", nameFor(0x0804));
    EXPECT_EQ(u"Chinese_traditional", nameFor(0x7C04));
    EXPECT_EQ(u"Serbian", nameFor(0x141A));
    EXPECT_EQ(u"Serbian_latin", nameFor(0x081A));
    EXPECT_EQ(u"Croatian", nameFor(0x001A));
    EXPECT_EQ(u"Upper_sorbian", nameFor(0x042E));
    EXPECT_EQ(u"Afrikaans", nameFor(0x0436));
    EXPECT_EQ(u"Dari", nameFor(0x048C));
    EXPECT_EQ(u"Japanese", nameFor(0x0411));
    // Gaps and numbers beyond the table.
    EXPECT_EQ(u"Unknown", nameFor(0x0000));
    EXPECT_EQ(u"Unknown", nameFor(0x0C2E)); // Sorbian without a special entry
    EXPECT_EQ(u"Unknown", nameFor(0x0455));
    EXPECT_EQ(u"Unknown", nameFor(0x048D));
    EXPECT_EQ(u"Unknown", nameFor(0x04FF));
    EXPECT_EQ(std::u16string(u"PORTUGUESE_PORTUGAL"), UserLanguage::tableNameFor(0x0816));
}

TEST(UserLanguageTest, UserInterfaceLanguagesSelectTheirPacks) {
    auto localizer = shippedPack();
    ASSERT_EQ(40u, localizer->packCount());
    EXPECT_EQ(u"deu", selectedTag(*localizer, 0x0407));
    // Portugal's name matches no pack: the Portuguese rule prefers Brazil.
    EXPECT_EQ(u"bra", selectedTag(*localizer, 0x0816));
    EXPECT_EQ(u"zhs", selectedTag(*localizer, 0x7804));
    EXPECT_EQ(u"zht", selectedTag(*localizer, 0x0C04));
    EXPECT_EQ(u"cpn", selectedTag(*localizer, 0x141A));
    EXPECT_EQ(u"srp", selectedTag(*localizer, 0x181A));
    EXPECT_EQ(u"hrv", selectedTag(*localizer, 0x041A));
    EXPECT_EQ(u"eng", selectedTag(*localizer, 0x0436));
    EXPECT_EQ(u"jpn", selectedTag(*localizer, 0x0411));
    EXPECT_EQ(u"eng", selectedTag(*localizer, 0x0000));
    EXPECT_EQ(u"ukr", selectedTag(*localizer, 0x0422));
}

TEST(UserLanguageTest, TheProcessNameIsStableAndCapitalised) {
    const char16_t* first = s::lang::userLanguageName();
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(first, s::lang::userLanguageName());
    std::u16string name = first;
    ASSERT_FALSE(name.empty());
    EXPECT_TRUE(name[0] >= u'A' && name[0] <= u'Z');
    for (std::size_t i = 1; i < name.size(); ++i) {
        EXPECT_FALSE(name[i] >= u'A' && name[i] <= u'Z') << name.size();
    }
}
