#include "s/lang/TextById.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "s/lang/Localizer.h"
#include "s/thread/PoolRef.h"
#include "s/xml/Node.h"

using s::lang::Localizer;
using s::lang::TextById;
using s::thread::PoolRef;

namespace {

PoolRef<Localizer> englishAndGerman() {
    const std::string document = "<lang><languages>"
                                 "<entry tagName=\"eng\" engName=\"English\" trueName=\"English\"/>"
                                 "<entry tagName=\"deu\" engName=\"German\" trueName=\"Deutsch\"/>"
                                 "</languages><entries>"
                                 "<entry id=\"7\"><eng>Close</eng><deu>Schließen</deu></entry>"
                                 "</entries></lang>";
    PoolRef<Localizer> localizer = PoolRef<Localizer>::take();
    auto root = PoolRef<s::xml::Node>::take();
    root->parseUtf8(reinterpret_cast<const std::uint8_t*>(document.data()), document.size());
    localizer->parse(*root);
    localizer->setLanguage(u"English");
    return localizer;
}

std::u16string text(const char16_t* resolved) {
    return resolved != nullptr ? resolved : u"(none)";
}

} // namespace

TEST(TextByIdTest, ATextSetDirectlyIsLeftAloneAndAnIdFollowsTheLocalizer) {
    auto localizer = englishAndGerman();
    TextById byId;
    EXPECT_EQ(nullptr, byId.resolve()); // no id: the shown text stays
    byId.setLocalizer(localizer.get());
    EXPECT_EQ(nullptr, byId.resolve());

    byId.setId(7);
    EXPECT_TRUE(byId.hasId());
    EXPECT_EQ(u"Close", text(byId.resolve()));
    localizer->setLanguage(u"German");
    EXPECT_EQ(u"Schließen", text(byId.resolve()));

    byId.forgetId();
    EXPECT_FALSE(byId.hasId());
    EXPECT_EQ(nullptr, byId.resolve());
}

TEST(TextByIdTest, AnIdWithoutLocalizerGivesTheEmptyTextAndResetForgetsBoth) {
    auto localizer = englishAndGerman();
    TextById byId;
    byId.setId(7);
    EXPECT_EQ(u"", text(byId.resolve()));
    byId.setLocalizer(localizer.get());
    byId.reset();
    EXPECT_EQ(TextById::kNoId, byId.getId());
    byId.setId(7);
    EXPECT_EQ(u"", text(byId.resolve())); // the localizer went with the reset
}
