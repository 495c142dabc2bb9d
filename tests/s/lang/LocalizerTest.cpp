#include "s/lang/Localizer.h"

#include "s/gui/events/IEventListener.h"
#include "s/lang/LangPack.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/PoolRef.h"
#include "s/xml/Node.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using s::lang::LangPack;
using s::lang::Localizer;
using s::thread::PoolRef;
using s::xml::Node;

namespace {

// Four languages: English first, then German, Japanese and Venetian.
const char* const kLanguages = "<languages>"
                               "<entry tagName=\"eng\" engName=\"English\" trueName=\"English\"/>"
                               "<entry tagName=\"deu\" engName=\"German\" trueName=\"Deutsch\"/>"
                               "<entry tagName=\"jpn\" engName=\"Japanese\" trueName=\"日本語\"/>"
                               "<entry tagName=\"vec\" engName=\"Venetian\" trueName=\"Vèneto\"/>"
                               "</languages>";

std::string pack(const std::string& languages, const std::string& entries) {
    return "<lang>\r\n" + languages + "\r\n<entries>\r\n" + entries + "\r\n</entries>\r\n</lang>";
}

// A localizer parsed from a document, for the running system's version
// unless one is given (the Venetian letter rule depends on it).
PoolRef<Localizer> parsed(const std::string& document, std::uint32_t majorVersion = 10) {
    PoolRef<Localizer> localizer = PoolRef<Localizer>::take();
    auto root = PoolRef<Node>::take();
    root->parseUtf8(reinterpret_cast<const std::uint8_t*>(document.data()), document.size());
    localizer->setSystemMajorVersion(majorVersion);
    localizer->parse(*root);
    return localizer;
}

PoolRef<Localizer> loaded(const std::string& document) {
    return PoolRef<Localizer>(
        Localizer::load(reinterpret_cast<const std::uint8_t*>(document.data()), document.size()));
}

std::u16string textOf(LangPack* pack, std::int32_t id) {
    if (pack == nullptr || pack->findText(id) == nullptr) {
        return u"<none>";
    }
    return pack->findText(id)->c_str();
}

class CountingListener : public s::gui::events::IEventListener {
public:
    void onEvent(s::base::IObject* source, std::int32_t code) override {
        sources.push_back(source);
        codes.push_back(code);
    }
    std::vector<s::base::IObject*> sources;
    std::vector<std::int32_t> codes;
};

std::string readShippedPack() {
    std::ifstream file(std::string(VEXA_SOURCE_DIR) + "/resources/lang/LangPack.xml",
                       std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace

TEST(LocalizerTest, LanguagesKeepTheirOrderAndNamesAndAMissingAttributeGivesAnEmptyName) {
    std::string languages = kLanguages;
    const std::string ownName = " trueName=\"Vèneto\"";
    languages.erase(languages.find(ownName), ownName.size());
    auto localizer = parsed(pack(languages, ""));
    ASSERT_EQ(4u, localizer->packCount());
    EXPECT_EQ(std::u16string(u"eng"), localizer->packAt(0)->getTagName());
    EXPECT_EQ(std::u16string(u"German"), localizer->packAt(1)->getEngName());
    EXPECT_EQ(std::u16string(u"日本語"), localizer->packAt(2)->getTrueName());
    EXPECT_EQ(std::u16string(u""), localizer->packAt(3)->getTrueName());
    EXPECT_EQ(nullptr, localizer->packAt(4));
    EXPECT_EQ(localizer->packAt(1), localizer->findByTag(u"DEU"));
    EXPECT_EQ(nullptr, localizer->findByTag(u"fra"));
    EXPECT_EQ(nullptr, localizer->findByTag(nullptr));
}

TEST(LocalizerTest, UpperCaseElementNamesStillYieldPacksAndTexts) {
    auto localizer =
        parsed("<LANG><LANGUAGES>"
               "<ENTRY TAGNAME=\"eng\" ENGNAME=\"English\" TRUENAME=\"English\"/>"
               "<Entry tagName=\"deu\" engName=\"German\" trueName=\"Deutsch\"/>"
               "<other tagName=\"xxx\"/>"
               "</LANGUAGES><Entries><ENTRY ID=\"5\"><ENG>Five</ENG><DEU>Fünf</DEU></ENTRY>"
               "</Entries></LANG>");
    ASSERT_EQ(2u, localizer->packCount());
    EXPECT_EQ(std::u16string(u"German"), localizer->packAt(1)->getEngName());
    EXPECT_EQ(u"Five", textOf(localizer->packAt(0), 5));
    EXPECT_EQ(u"Fünf", textOf(localizer->packAt(1), 5));
}

TEST(LocalizerTest, LanguagesWithoutTheirOwnTextGetTheFirstChildsText) {
    auto localizer =
        parsed(pack(kLanguages, "<entry id=\"10\">- a note<eng>Ten</eng><deu>Zehn</deu></entry>"
                                "<entry id=\"20\"><deu>Zwanzig</deu><eng>Twenty</eng></entry>"
                                "<entry id=\"30\"><deu>Dreißig</deu></entry>"));
    LangPack* english = localizer->packAt(0);
    LangPack* german = localizer->packAt(1);
    LangPack* japanese = localizer->packAt(2);
    EXPECT_EQ(u"Ten", textOf(english, 10));
    EXPECT_EQ(u"Zehn", textOf(german, 10));
    EXPECT_EQ(u"Ten", textOf(japanese, 10));
    // A first child that is not English decides the fallback.
    EXPECT_EQ(u"Twenty", textOf(english, 20));
    EXPECT_EQ(u"Zwanzig", textOf(japanese, 20));
    EXPECT_EQ(u"Dreißig", textOf(english, 30));
    // Every pack holds every id, in document order.
    for (std::uint32_t i = 0; i < localizer->packCount(); ++i) {
        LangPack* each = localizer->packAt(i);
        ASSERT_EQ(3u, each->textCount());
        EXPECT_EQ(10, each->idAt(0));
        EXPECT_EQ(20, each->idAt(1));
        EXPECT_EQ(30, each->idAt(2));
    }
}

TEST(LocalizerTest, ContentIsDecodedKeepingEncodedSpacesAndLineBreaks) {
    auto localizer =
        parsed(pack(kLanguages, "<entry id=\"1\">\r\n\t<eng>&#160;      Yes      &#160;"
                                "</eng>\r\n</entry>"
                                "<entry id=\"2\"><eng>\r\n  a &amp; b &lt;c&gt;  \r\n"
                                "</eng></entry>"
                                "<entry id=\"3\"><eng>One.&#10;&#10;Two.</eng></entry>"
                                "<entry id=\"4\"><eng></eng><deu>Vier</deu></entry>"));
    LangPack* english = localizer->packAt(0);
    EXPECT_EQ(u"       Yes       ", textOf(english, 1));
    EXPECT_EQ(u"a & b <c>", textOf(english, 2));
    EXPECT_EQ(u"One.\n\nTwo.", textOf(english, 3));
    EXPECT_EQ(u"", textOf(english, 4));
    EXPECT_EQ(u"", textOf(localizer->packAt(2), 4));
    EXPECT_EQ(u"Vier", textOf(localizer->packAt(1), 4));
}

TEST(LocalizerTest, DuplicatesAppendButTheFirstTextWins) {
    auto localizer =
        parsed(pack(kLanguages, "<entry id=\"7\"><eng>first</eng><eng>second</eng>"
                                "<deu>erste</deu></entry>"
                                "<entry id=\"7\"><eng>third</eng><jpn>三</jpn></entry>"));
    localizer->setLanguage(u"English");
    LangPack* english = localizer->packAt(0);
    EXPECT_EQ(3u, english->textCount());
    EXPECT_EQ(std::u16string(u"first"), localizer->getText(7));
    // The second entry adds only where a language gave its own text; the
    // others already hold id 7 and get no second fallback.
    EXPECT_EQ(2u, localizer->packAt(2)->textCount());
    EXPECT_EQ(u"first", textOf(localizer->packAt(2), 7));
    EXPECT_EQ(1u, localizer->packAt(3)->textCount());
}

TEST(LocalizerTest, ASecondDocumentAndARepeatedTagFollowTheFirstWinsRule) {
    // Parsing a second document into the same packs: id 7 exists already, so
    // only the language that names it gets a second text.
    auto localizer = parsed(pack(kLanguages, "<entry id=\"7\"><eng>first</eng></entry>"));
    auto more = PoolRef<Node>::take();
    const std::string second = "<lang><entries><entry id=\"7\"><deu>sieben</deu></entry>"
                               "<entry id=\"8\"><deu>acht</deu></entry></entries></lang>";
    more->parseUtf8(reinterpret_cast<const std::uint8_t*>(second.data()), second.size());
    localizer->parse(*more);
    EXPECT_EQ(2u, localizer->packAt(0)->textCount());
    EXPECT_EQ(3u, localizer->packAt(1)->textCount());
    EXPECT_EQ(u"first", textOf(localizer->packAt(1), 7));
    EXPECT_EQ(u"acht", textOf(localizer->packAt(0), 8));

    // Two languages with one tag: the first one gets the texts.
    auto twice = parsed(pack("<languages><entry tagName=\"eng\" engName=\"English\"/>"
                             "<entry tagName=\"ENG\" engName=\"British\"/></languages>",
                             "<entry id=\"1\"><eng>one</eng><ENG>won</ENG></entry>"));
    EXPECT_EQ(2u, twice->packAt(0)->textCount());
    EXPECT_EQ(u"one", textOf(twice->packAt(0), 1));
    EXPECT_EQ(1u, twice->packAt(1)->textCount());
    EXPECT_EQ(u"one", textOf(twice->packAt(1), 1));
}

TEST(LocalizerTest, NamedEntriesNeverShiftTheNumericTexts) {
    auto localizer = parsed(pack(kLanguages, "<entry id=\"1\"><eng>one</eng></entry>"
                                             "<entry id=\"hello\"><eng>Hello</eng><deu>Hallo</deu>"
                                             "</entry><entry id=\"hello\"><eng>Again</eng></entry>"
                                             "<entry id=\" 2\"><eng>spaced</eng></entry>"
                                             "<entry id=\"2\"><eng>two</eng></entry>"));
    LangPack* english = localizer->packAt(0);
    ASSERT_EQ(2u, english->textCount());
    EXPECT_EQ(1, english->idAt(0));
    EXPECT_EQ(2, english->idAt(1));
    EXPECT_EQ(u"two", textOf(english, 2));
    EXPECT_EQ(std::u16string(u"Hello"), english->findNamedText(u"hello")->c_str());
    EXPECT_EQ(std::u16string(u"Hallo"), localizer->packAt(1)->findNamedText(u"hello")->c_str());
    EXPECT_EQ(std::u16string(u"Hello"), localizer->packAt(2)->findNamedText(u"hello")->c_str());
    EXPECT_EQ(std::u16string(u"spaced"), english->findNamedText(u" 2")->c_str());
    localizer->setLanguage(u"German");
    EXPECT_EQ(std::u16string(u"Hallo"), localizer->getNamedText(u"hello"));
    EXPECT_EQ(std::u16string(u""), localizer->getNamedText(u"absent"));
}

TEST(LocalizerTest, VenetianBarredLBecomesStrokedLOnlyBeforeMajorVersion6) {
    const std::string document =
        pack(kLanguages, "<entry id=\"1\"><eng>l</eng>"
                         "<vec>ƚengua ƚ</vec></entry>"
                         "<entry id=\"2\"><eng>ƚ from English</eng></entry>"
                         "<entry id=\"ƚ\"><vec>ƚa</vec></entry>");
    auto old = parsed(document, 5);
    EXPECT_EQ(u"łengua ł", textOf(old->packAt(3), 1));
    // Fallbacks are added through the same rule; other languages keep U+019A.
    EXPECT_EQ(u"ł from English", textOf(old->packAt(3), 2));
    EXPECT_EQ(u"ƚ from English", textOf(old->packAt(1), 2));
    EXPECT_EQ(std::u16string(u"ła"), old->packAt(3)->findNamedText(u"ƚ")->c_str());

    auto vista = parsed(document, 6);
    EXPECT_EQ(u"ƚengua ƚ", textOf(vista->packAt(3), 1));
    EXPECT_EQ(u"ƚ from English", textOf(vista->packAt(3), 2));
}

TEST(LocalizerTest, FindByNameAppliesTheChinesePortugueseAndSerbianRules) {
    auto localizer = parsed(pack("<languages>"
                                 "<entry tagName=\"eng\" engName=\"English\"/>"
                                 "<entry tagName=\"zht\" engName=\"Chinese_Traditional\"/>"
                                 "<entry tagName=\"zhs\" engName=\"Chinese_Simplified\"/>"
                                 "<entry tagName=\"por\" engName=\"Portuguese\"/>"
                                 "<entry tagName=\"bra\" engName=\"Portuguese_Brazilian\"/>"
                                 "<entry tagName=\"srp\" engName=\"Serbian_Latin\"/>"
                                 "</languages>",
                                 ""));
    EXPECT_EQ(localizer->packAt(0), localizer->findByName(u"ENGLISH"));
    EXPECT_EQ(localizer->packAt(2), localizer->findByName(u"Chinese"));
    EXPECT_EQ(localizer->packAt(1), localizer->findByName(u"chinese_traditional"));
    EXPECT_EQ(localizer->packAt(3), localizer->findByName(u"Portuguese"));
    EXPECT_EQ(localizer->packAt(4), localizer->findByName(u"Portuguese_portugal"));
    // No Cyrillic pack: Serbian falls to the Latin one.
    EXPECT_EQ(localizer->packAt(5), localizer->findByName(u"Serbian"));
    EXPECT_EQ(nullptr, localizer->findByName(u"Afrikaans"));
    EXPECT_EQ(nullptr, localizer->findByName(nullptr));

    auto traditionalOnly = parsed(pack("<languages><entry tagName=\"eng\" engName=\"English\"/>"
                                       "<entry tagName=\"zht\" engName=\"Chinese_Traditional\"/>"
                                       "<entry tagName=\"por\" engName=\"Portuguese_Portugal\"/>"
                                       "</languages>",
                                       ""));
    EXPECT_EQ(traditionalOnly->packAt(1), traditionalOnly->findByName(u"Chinese_simplified"));
    EXPECT_EQ(traditionalOnly->packAt(2), traditionalOnly->findByName(u"Portuguese_brazilian"));
    EXPECT_EQ(nullptr, traditionalOnly->findByName(u"Serbian_cyrillic"));
}

TEST(LocalizerTest, SetLanguageNotifiesOnlyWhenTheCurrentPackChanges) {
    auto localizer = parsed(pack(kLanguages, "<entry id=\"1\"><eng>One</eng><deu>Eins</deu>"
                                             "</entry>"));
    localizer->setLanguage(u"English");
    CountingListener first;
    CountingListener second;
    localizer->addListener(&first);
    localizer->addListener(&second);
    localizer->addListener(&first);

    localizer->setLanguage(u"english");
    localizer->selectIndex(0);
    EXPECT_TRUE(first.codes.empty());

    localizer->setLanguage(u"German");
    ASSERT_EQ(1u, first.codes.size());
    EXPECT_EQ(0, first.codes[0]);
    EXPECT_EQ(localizer.get(), first.sources[0]);
    EXPECT_EQ(1u, second.codes.size());
    EXPECT_EQ(std::u16string(u"Eins"), localizer->getText(1));
    EXPECT_EQ(std::u16string(u"One"), localizer->getEnglishText(1));
    EXPECT_EQ(1, localizer->getCurrentIndex());

    // An unknown name falls back to English.
    localizer->setLanguage(u"Klingon");
    EXPECT_EQ(localizer->packAt(0), localizer->getCurrent());
    EXPECT_EQ(2u, first.codes.size());

    localizer->removeListener(&first);
    localizer->selectIndex(2);
    localizer->selectIndex(2);
    localizer->selectIndex(-1);
    localizer->selectIndex(4);
    EXPECT_EQ(2u, first.codes.size());
    EXPECT_EQ(3u, second.codes.size());
    EXPECT_EQ(localizer->packAt(2), localizer->getCurrent());
    // Japanese has no text of its own: the fallback is the English one.
    EXPECT_EQ(std::u16string(u"One"), localizer->getText(1));
}

TEST(LocalizerTest, WindowThreadsLookTextsUpWhileTheLanguageChanges) {
    auto localizer = parsed(pack(kLanguages, "<entry id=\"1\"><eng>One</eng><deu>Eins</deu>"
                                             "<jpn>一</jpn></entry>"));
    std::atomic<bool> stop{false};
    std::atomic<int> unexpected{0};
    std::vector<std::thread> readers;
    for (int t = 0; t < 3; ++t) {
        readers.emplace_back([&] {
            while (!stop.load()) {
                std::u16string text = localizer->getText(1);
                if (text != u"One" && text != u"Eins" && text != u"一") {
                    ++unexpected;
                }
                localizer->getText(99);
            }
        });
    }
    for (int round = 0; round < 2000; ++round) {
        localizer->selectIndex(round % 3);
    }
    stop.store(true);
    for (std::thread& reader : readers) {
        reader.join();
    }
    EXPECT_EQ(0, unexpected.load());
}

TEST(LocalizerTest, ListenersJoinAndLeaveFromOtherThreadsWhileAChangeIsTold) {
    auto localizer = parsed(pack(kLanguages, "<entry id=\"1\"><eng>One</eng></entry>"));
    // A listener that registers a second one while it is told: the second
    // hears the same change.
    CountingListener late;
    class Joining : public s::gui::events::IEventListener {
    public:
        void onEvent(s::base::IObject*, std::int32_t) override { owner->addListener(joiner); }
        Localizer* owner = nullptr;
        s::gui::events::IEventListener* joiner = nullptr;
    } joining;
    joining.owner = localizer.get();
    joining.joiner = &late;
    localizer->addListener(&joining);
    localizer->selectIndex(1);
    EXPECT_EQ(1u, late.codes.size());

    // Windows on their own threads come and go while the language changes:
    // each registers, is told at least once after it registered, and leaves
    // before it is destroyed.
    class Window : public s::gui::events::IEventListener {
    public:
        void onEvent(s::base::IObject*, std::int32_t) override { told.fetch_add(1); }
        std::atomic<int> told{0};
    };
    std::atomic<bool> changing{true};
    std::atomic<int> neverTold{0};
    std::vector<std::thread> windows;
    for (int t = 0; t < 3; ++t) {
        windows.emplace_back([&] {
            for (int round = 0; round < 20; ++round) {
                auto window = std::make_unique<Window>();
                localizer->addListener(window.get());
                while (window->told.load() == 0 && changing.load()) {
                    std::this_thread::yield();
                }
                neverTold += window->told.load() == 0 ? 1 : 0;
                localizer->removeListener(window.get());
            }
        });
    }
    std::thread changer([&] {
        for (int round = 0; changing.load(); ++round) {
            localizer->selectIndex(round % 3);
        }
    });
    for (std::thread& window : windows) {
        window.join();
    }
    changing = false;
    changer.join();
    EXPECT_EQ(0, neverTold.load());
}

TEST(LocalizerTest, UnknownIdsGiveTheEmptyTextAndTheUpdateCheckFollowsText400200) {
    auto localizer =
        parsed(pack(kLanguages, "<entry id=\"400200\"><eng>Check for Updates</eng><deu></deu>"
                                "</entry>"));
    localizer->setLanguage(u"English");
    ASSERT_NE(nullptr, localizer->getText(123));
    EXPECT_EQ(std::u16string(u""), localizer->getText(123));
    EXPECT_EQ(std::u16string(u""), localizer->getEnglishText(123));
    EXPECT_TRUE(localizer->isUpdateCheckEnabled());
    localizer->setLanguage(u"German");
    EXPECT_FALSE(localizer->isUpdateCheckEnabled());
}

TEST(LocalizerTest, DamagedOrEmptyPacksGiveEmptyTextsWithoutFailing) {
    // Nothing at all, no languages, no entries, a truncated document.
    const std::vector<std::string> documents = {
        "",
        "not xml",
        "<lang><entries><entry id=\"1\"><eng>One</eng></entry></entries></lang>",
        "<lang><languages></languages><entries><entry id=\"1\"><eng>x</eng></entry></entries>"
        "</lang>",
        "<lang><languages><entry tagName=\"eng\" engName=\"English\"/></languages></lang>",
        pack(kLanguages, "<entry id=\"1\"><eng>One</eng><deu>Ei").substr(0, 250),
        "<lang><languages><entry tagName=\"eng\" engName=\"English\"/><entry tagName=\"",
    };
    for (const std::string& document : documents) {
        auto localizer = loaded(document);
        ASSERT_TRUE(localizer) << document;
        EXPECT_NE(nullptr, localizer->getText(1)) << document;
        EXPECT_NE(nullptr, localizer->getEnglishText(1)) << document;
        EXPECT_NE(nullptr, localizer->getNamedText(u"x")) << document;
        localizer->setLanguage(u"German");
        localizer->setLanguage(nullptr);
        localizer->selectIndex(0);
        localizer->isUpdateCheckEnabled();
        EXPECT_EQ(localizer->packCount() == 0, localizer->getCurrent() == nullptr) << document;
        EXPECT_EQ(localizer->packCount() == 0 ? -1 : 0, localizer->getCurrentIndex() < 0 ? -1 : 0)
            << document;
    }
    auto none = loaded("");
    EXPECT_EQ(std::u16string(u""), none->getText(1));
    EXPECT_FALSE(none->isUpdateCheckEnabled());

    PoolRef<Localizer> missing(Localizer::load(nullptr, 0));
    ASSERT_TRUE(missing);
    EXPECT_EQ(0u, missing->packCount());
}

TEST(LocalizerTest, AFirstChildNamingNoDeclaredLanguageLeavesAnEmptyFallback) {
    auto localizer = parsed(pack(kLanguages, "<entry id=\"1\"><fra>Un</fra><deu>Eins</deu>"
                                             "</entry><entry id=\"2\"><fra>Deux</fra></entry>"));
    EXPECT_EQ(u"Eins", textOf(localizer->packAt(1), 1));
    EXPECT_EQ(u"", textOf(localizer->packAt(0), 1));
    EXPECT_EQ(u"", textOf(localizer->packAt(2), 2));
    localizer->setLanguage(u"Japanese");
    EXPECT_EQ(std::u16string(u""), localizer->getText(1));
}

TEST(LocalizerTest, ReleasedLocalizerComesBackEmpty) {
    Localizer* localizer = Localizer::newInstance();
    ASSERT_NE(nullptr, localizer);
    std::string document = pack(kLanguages, "<entry id=\"1\"><eng>One</eng></entry>");
    auto root = PoolRef<Node>::take();
    root->parseUtf8(reinterpret_cast<const std::uint8_t*>(document.data()), document.size());
    localizer->parse(*root);
    CountingListener listener;
    localizer->addListener(&listener);
    localizer->release();

    auto again = PoolRef<Localizer>::take();
    EXPECT_EQ(0u, again->packCount());
    EXPECT_EQ(nullptr, again->getCurrent());
    again->parse(*root);
    again->setLanguage(u"German");
    again->setLanguage(u"English");
    EXPECT_TRUE(listener.codes.empty());
    EXPECT_EQ(std::u16string(u"s_lang_Localizer"), again->getClassName());
}

// ---- the shipped pack -----------------------------------------------------------------

namespace {

const std::int32_t kShippedIds[] = {
    100000,  101000,     105000,    106000,  107000,  108000,  108100,  108200,  108500,  109000,
    109100,  300000,     400010,    400020,  400030,  400050,  400080,  400100,  400110,  400120,
    400200,  400210,     400220,    400230,  400300,  400310,  400320,  400330,  400340,  400380,
    400390,  500000,     500001,    500002,  500003,  500004,  500006,  500010,  500020,  500030,
    500050,  500051,     500089,    500090,  500100,  609000,  609100,  609200,  609300,  609500,
    609900,  700000,     700001,    701000,  701100,  701200,  701300,  740000,  750000,  751000,
    800000,  800100,     800200,    800900,  801000,  801001,  801002,  801003,  801004,  801005,
    801006,  900000,     900001,    1000000, 1000125, 1000150, 1000200, 1000250, 1000300, 1000400,
    1000800, 2010000000, 2010001000};

const char16_t* const kShippedTags[] = {
    u"eng", u"ara", u"ind", u"bel", u"bul", u"hrv", u"cze", u"zhs", u"zht", u"dan",
    u"nld", u"est", u"fin", u"deu", u"ell", u"spa", u"fra", u"heb", u"hin", u"ita",
    u"jpn", u"kor", u"hun", u"nor", u"per", u"pol", u"por", u"bra", u"rom", u"rus",
    u"cpn", u"slk", u"slv", u"swe", u"tha", u"tur", u"ukr", u"vie", u"srp", u"vec"};

} // namespace

TEST(LocalizerShippedPackTest, HoldsFortyLanguagesWithEveryIdInOrderAndNoEmptyText) {
    const std::string bytes = readShippedPack();
    ASSERT_GT(bytes.size(), 1000u);
    // The reader's subset: no byte-order mark, no declaration, CR LF lines.
    EXPECT_NE(0, bytes.compare(0, 3, "\xEF\xBB\xBF"));
    EXPECT_EQ(0, bytes.compare(0, 6, "<lang>"));
    EXPECT_EQ(std::string::npos, bytes.find("<?"));
    for (std::size_t i = bytes.find('\n'); i != std::string::npos; i = bytes.find('\n', i + 1)) {
        ASSERT_EQ('\r', bytes[i - 1]) << "bare line feed at byte " << i;
    }

    auto document = PoolRef<Node>::take();
    document->parseUtf8(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    // Every entry names all 40 languages, English first.
    const Node* entries = document->getChild(u"entries");
    ASSERT_NE(nullptr, entries);
    ASSERT_EQ(83u, entries->childCount());
    for (std::uint32_t i = 0; i < entries->childCount(); ++i) {
        const Node* entry = entries->childAt(i);
        ASSERT_EQ(40u, entry->childCount()) << "entry " << i;
        for (std::uint32_t k = 0; k < 40; ++k) {
            EXPECT_EQ(std::u16string(kShippedTags[k]), entry->childAt(k)->getName())
                << "entry " << i;
        }
    }

    auto localizer = parsed(bytes);
    ASSERT_EQ(40u, localizer->packCount());
    for (std::uint32_t p = 0; p < 40; ++p) {
        LangPack* each = localizer->packAt(p);
        EXPECT_EQ(std::u16string(kShippedTags[p]), each->getTagName());
        EXPECT_NE(std::u16string(u""), each->getEngName());
        EXPECT_NE(std::u16string(u""), each->getTrueName());
        ASSERT_EQ(83u, each->textCount()) << each->getEngName();
        for (std::uint32_t i = 0; i < 83; ++i) {
            EXPECT_EQ(kShippedIds[i], each->idAt(i));
            EXPECT_FALSE(each->textAt(i)->isEmpty()) << kShippedIds[i];
        }
        EXPECT_EQ(0u, each->nameCount());
        // Identity values that other programs and the update server compare.
        EXPECT_EQ(u"Vexa Magnifier", textOf(each, 300000));
        EXPECT_EQ(u"1.19", textOf(each, 500010));
        std::u16string versionPage = textOf(each, 500006);
        EXPECT_EQ(u"/software/Magnifier/version/", versionPage.substr(versionPage.size() - 28));
        // The buttons come out wide: seven spaces each side.
        std::u16string yes = textOf(each, 400330);
        EXPECT_EQ(u"       ", yes.substr(0, 7)) << each->getEngName();
        EXPECT_EQ(u"       ", yes.substr(yes.size() - 7)) << each->getEngName();
        EXPECT_NE(u' ', yes[7]) << each->getEngName();
    }
    EXPECT_EQ(u"       Yes       ", textOf(localizer->packAt(0), 400330));
    EXPECT_EQ(u"       No       ", textOf(localizer->packAt(0), 400340));
    EXPECT_EQ(u"       Ja       ", textOf(localizer->findByTag(u"deu"), 400330));
    EXPECT_EQ(std::u16string(u"Portuguese_Brazilian"), localizer->packAt(27)->getEngName());
    EXPECT_EQ(std::u16string(u"Vèneto (vec-to) (Partial)"), localizer->packAt(39)->getTrueName());
}

TEST(LocalizerShippedPackTest, EnglishTextsAreTheProductsOwn) {
    auto localizer = parsed(readShippedPack());
    localizer->setLanguage(u"English");
    EXPECT_EQ(std::u16string(u"Vexa Magnifier"), localizer->getText(500000));
    EXPECT_EQ(std::u16string(u"Turn On"), localizer->getText(900000));
    EXPECT_EQ(std::u16string(u"Auto-Lock:  (Unlocks on the Same Key / ESC-Key / Mouse-Click)"),
              localizer->getText(800900));
    EXPECT_EQ(std::u16string(u"200% (Default)"), localizer->getText(1000200));
    EXPECT_EQ(std::u16string(u"Don't ask me again"), localizer->getText(400380));
    EXPECT_EQ(std::u16string(u"Right CTRL-Key"), localizer->getText(801001));
    std::u16string hint = localizer->getText(800000);
    EXPECT_EQ(u'"', hint.back());
    EXPECT_EQ(u'"', localizer->getText(800100)[0]);
    // The licence terms are paragraphs separated by an empty line.
    std::u16string licence = localizer->getText(500051);
    EXPECT_NE(std::u16string::npos, licence.find(u".\n\nYou may not"));
    EXPECT_TRUE(localizer->isUpdateCheckEnabled());

    localizer->setLanguage(u"German");
    EXPECT_EQ(std::u16string(u"Sprache"), localizer->getText(700000));
    EXPECT_EQ(std::u16string(u"Language"), localizer->getEnglishText(700000));
}

TEST(LocalizerShippedPackTest, EveryAddressLiesOnTheReservedHostThatNoStrangerCanOwn) {
    // Until the product is published under a domain of its own, no link and no
    // update request may reach a host that somebody else could register.
    const std::u16string host = u"https://vexasoft.example/";
    auto localizer = parsed(readShippedPack());
    std::uint32_t addresses = 0;
    for (std::uint32_t p = 0; p < localizer->packCount(); ++p) {
        LangPack* each = localizer->packAt(p);
        for (std::uint32_t i = 0; i < each->textCount(); ++i) {
            const std::u16string text = textOf(each, each->idAt(i));
            const std::size_t scheme = text.find(u"://");
            if (scheme == std::u16string::npos) continue;
            ++addresses;
            EXPECT_EQ(0u, text.find(host)) << each->getEngName() << " " << each->idAt(i);
            EXPECT_EQ(std::u16string::npos, text.find(u"://", scheme + 3)) << each->idAt(i);
        }
    }
    EXPECT_EQ(40u * 10u, addresses);
}
