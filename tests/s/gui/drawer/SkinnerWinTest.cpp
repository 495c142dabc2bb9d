#include "s/gui/drawer/Skinner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "s/str/strarray/StrArray.h"
#include "s/thread/PoolRef.h"
#include "tests/s/gui/win/TestDrawers.h"

using s::gui::drawer::Skinner;
using s::thread::PoolRef;

namespace {

// Notes which listener was told, in order, with the code.
class Told : public s::gui::events::IEventListener {
public:
    Told(std::vector<std::pair<int, int32_t>>& log, int id) : log(log), id(id) {}
    void onEvent(s::base::IObject* source, int32_t code) override { log.push_back({id, code}); }
    std::vector<std::pair<int, int32_t>>& log;
    int id;
};

} // namespace

TEST(SkinnerWinTest, SelectFindsByWholeNameIgnoringCaseFallsBackToTheFirstAndTellsInOrder) {
    auto skinner = PoolRef<Skinner>::take();
    NamedSkin white(u"White", nullptr);
    NamedSkin black(u"Black Black", nullptr);
    NamedSkin blue(u"Blue", nullptr);
    skinner->addScheme(&white);
    skinner->addScheme(&black);
    skinner->addScheme(&blue);
    skinner->addScheme(nullptr);
    ASSERT_EQ(3, skinner->getSchemeCount());
    EXPECT_EQ(std::u16string(u"Black Black"), std::u16string(skinner->getSchemeNames().textAt(1)));

    int32_t index = -1;
    EXPECT_TRUE(skinner->findScheme(u"bLACK bLACK", index));
    EXPECT_EQ(1, index);
    EXPECT_FALSE(skinner->findScheme(u"Black", index)); // the whole name only
    EXPECT_EQ(-1, index);

    std::vector<std::pair<int, int32_t>> log;
    Told first(log, 1);
    Told second(log, 2);
    skinner->addListener(&first);
    skinner->addListener(&second);
    skinner->addListener(&first); // once only

    skinner->select(u"no such scheme");
    EXPECT_EQ(&white, skinner->getCurrent());
    ASSERT_EQ(2u, log.size());
    EXPECT_EQ((std::pair<int, int32_t>{1, 0}), log[0]);
    EXPECT_EQ((std::pair<int, int32_t>{2, 0}), log[1]);

    skinner->select(u"WHITE"); // unchanged: nobody is told
    EXPECT_EQ(2u, log.size());
    skinner->select(u"blue");
    EXPECT_EQ(&blue, skinner->getCurrent());
    EXPECT_EQ(4u, log.size());

    skinner->removeListener(&first);
    skinner->select(u"White");
    ASSERT_EQ(5u, log.size());
    EXPECT_EQ(2, log[4].first);

    // Given back with the skinner's reset.
    skinner->reset();
    EXPECT_TRUE(white.released && black.released && blue.released);
    EXPECT_EQ(nullptr, skinner->getCurrent());
    EXPECT_EQ(0u, skinner->getSchemeNames().count());
}
