#include "s/gui/text/Ampersands.h"

#include <gtest/gtest.h>

#include <string>

#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/PoolRef.h"

using s::gui::text::Ampersands;
using s::str::strbuffer::StrBuffer;

TEST(AmpersandsTest, EveryAmpersandIsDoubledAndNothingElseChanges) {
    auto out = s::thread::PoolRef<StrBuffer>::take();
    Ampersands::doubled(u"Salt & pepper && more&", *out);
    EXPECT_EQ(std::u16string(u"Salt && pepper &&&& more&&"), out->c_str());
    Ampersands::doubled(u"plain", *out);
    EXPECT_EQ(std::u16string(u"plain"), out->c_str()) << "the earlier text is replaced";
    Ampersands::doubled(nullptr, *out);
    EXPECT_EQ(0u, out->length());
}
