#include "s/system/network/HttpAddress.h"

#include <gtest/gtest.h>

#include <string>

using s::system::network::HttpAddress;

TEST(HttpAddressTest, SplitsSchemeHostPortAndPath) {
    HttpAddress address;
    ASSERT_TRUE(address.parse(u"https://vexasoft.example/software/Magnifier/version/check/"));
    EXPECT_TRUE(address.isSecure());
    EXPECT_EQ(std::u16string(u"vexasoft.example"), address.getHost());
    EXPECT_EQ(443, address.getPort());
    EXPECT_EQ(std::u16string(u"/software/Magnifier/version/check/"), address.getPath());

    ASSERT_TRUE(address.parse(u"HTTP://127.0.0.1:8080/a?b=c"));
    EXPECT_FALSE(address.isSecure());
    EXPECT_EQ(std::u16string(u"127.0.0.1"), address.getHost());
    EXPECT_EQ(8080, address.getPort());
    EXPECT_EQ(std::u16string(u"/a?b=c"), address.getPath());

    ASSERT_TRUE(address.parse(u"http://host/"));
    EXPECT_EQ(80, address.getPort());
    EXPECT_EQ(std::u16string(u"/"), address.getPath());
}

TEST(HttpAddressTest, RefusesWhatIsNoHttpAddressAndLeavesThePartsEmpty) {
    HttpAddress address;
    for (const char16_t* bad : {u"https://host", u"http:///path", u"ftp://host/x", u"host/x", u"",
                                u"http://h:/x", u"http://h:0/x", u"http://h:65536/x",
                                u"http://h:12a/x", u"http://:80/x", u"xhttp://host/x"}) {
        EXPECT_FALSE(address.parse(bad))
            << std::string(bad, bad + std::char_traits<char16_t>::length(bad));
        EXPECT_EQ(std::u16string(), address.getHost());
        EXPECT_EQ(std::u16string(), address.getPath());
        EXPECT_EQ(0, address.getPort());
    }
    EXPECT_FALSE(address.parse(nullptr));
}
