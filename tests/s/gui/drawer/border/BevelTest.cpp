#include "s/gui/drawer/border/Bevel.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using s::gui::drawer::border::Bevel;

namespace {

constexpr uint32_t rgb(uint32_t red, uint32_t green, uint32_t blue) {
    return red | green << 8 | blue << 16;
}

struct Fill {
    int32_t x, y, width, height;
    uint32_t colour;
    bool operator==(const Fill& other) const {
        return x == other.x && y == other.y && width == other.width && height == other.height &&
               colour == other.colour;
    }
};

std::ostream& operator<<(std::ostream& out, const Fill& fill) {
    return out << "(" << fill.x << ", " << fill.y << ", " << fill.width << ", " << fill.height
               << ", " << std::hex << fill.colour << std::dec << ")";
}

// Keeps every fill, and paints them in order onto a grid of letters.
class Recorder : public s::gui::paint::IRectFill {
public:
    void fill(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour) override {
        fills.push_back({x, y, width, height, colour});
    }
    // Rows of the area from (0, 0), '.' where nothing was painted, the
    // letter `names` gives a colour elsewhere ('?' for an unnamed one).
    std::vector<std::string> grid(int32_t width, int32_t height,
                                  const std::map<uint32_t, char>& names) const {
        std::vector<std::string> rows(height, std::string(width, '.'));
        for (const Fill& f : fills) {
            const auto name = names.find(f.colour);
            for (int32_t y = f.y; y < f.y + f.height; ++y) {
                for (int32_t x = f.x; x < f.x + f.width; ++x) {
                    if (x >= 0 && x < width && y >= 0 && y < height) {
                        rows[y][x] = name == names.end() ? '?' : name->second;
                    }
                }
            }
        }
        return rows;
    }
    std::vector<Fill> fills;
};

// Grey 100: every tint of it is a different grey.
constexpr uint32_t kBase = rgb(100, 100, 100);
const std::map<uint32_t, char> kRaisedNames = {{rgb(115, 115, 115), 'T'},
                                               {rgb(70, 70, 70), 'R'},
                                               {rgb(50, 50, 50), 'B'},
                                               {rgb(105, 105, 105), 'L'}};
const std::map<uint32_t, char> kFlatNames = {
    {rgb(105, 105, 105), 'T'}, {rgb(90, 90, 90), 'R'}, {rgb(85, 85, 85), 'B'}, {kBase, 'L'}};

std::vector<std::string> paint(int32_t width, int32_t height, int32_t type, int32_t corners,
                               int32_t unit, const std::map<uint32_t, char>& names) {
    Recorder recorder;
    Bevel::paint(recorder, 0, 0, width, height, type, corners, unit, true, kBase);
    return recorder.grid(width, height, names);
}

// Each letter of `rows` as a factor x factor block.
std::vector<std::string> enlarged(const std::vector<std::string>& rows, int32_t factor) {
    std::vector<std::string> result;
    for (const std::string& row : rows) {
        std::string wide;
        for (char c : row) {
            wide += std::string(factor, c);
        }
        for (int32_t i = 0; i < factor; ++i) {
            result.push_back(wide);
        }
    }
    return result;
}

} // namespace

TEST(BevelTest, TintsAreTruncatedPerChannelAndBrighteningStopsAt255) {
    const uint32_t colour = rgb(200, 99, 240);
    EXPECT_EQ(rgb(230, 113, 255), Bevel::tint(colour, Bevel::kLighter15));
    EXPECT_EQ(rgb(210, 103, 252), Bevel::tint(colour, Bevel::kLighter5));
    EXPECT_EQ(rgb(180, 89, 216), Bevel::tint(colour, Bevel::kDarker10));
    EXPECT_EQ(rgb(170, 84, 204), Bevel::tint(colour, Bevel::kDarker15));
    EXPECT_EQ(rgb(140, 69, 168), Bevel::tint(colour, Bevel::kDarker30));
    EXPECT_EQ(rgb(100, 49, 120), Bevel::tint(colour, Bevel::kDarker50));
    EXPECT_EQ(rgb(255, 255, 255), Bevel::tint(rgb(255, 255, 255), Bevel::kLighter15));
    EXPECT_EQ(0u, Bevel::tint(colour | 0xFF000000u, Bevel::kBase) >> 24) << "no stray high byte";
}

TEST(BevelTest, EachTypeTintsItsEdgesAndUnshadedEdgesKeepTheBaseColour) {
    const uint32_t l15 = rgb(115, 115, 115), l05 = rgb(105, 105, 105), d90 = rgb(90, 90, 90),
                   d85 = rgb(85, 85, 85), d70 = rgb(70, 70, 70), d50 = rgb(50, 50, 50);
    const uint32_t expected[4][4] = {{l15, d70, d50, l05},
                                     {l05, d90, d85, kBase},
                                     {d85, kBase, l05, d90},
                                     {l05, d90, d85, kBase}};
    for (int32_t type = 0; type < 4; ++type) {
        Bevel::Tints tints;
        ASSERT_TRUE(Bevel::tintsOf(type, kBase, true, tints));
        EXPECT_EQ(expected[type][0], tints.top) << "type " << type;
        EXPECT_EQ(expected[type][1], tints.right) << "type " << type;
        EXPECT_EQ(expected[type][2], tints.bottom) << "type " << type;
        EXPECT_EQ(expected[type][3], tints.left) << "type " << type;
        ASSERT_TRUE(Bevel::tintsOf(type, kBase, false, tints));
        EXPECT_EQ(kBase, tints.top);
        EXPECT_EQ(kBase, tints.right);
        EXPECT_EQ(kBase, tints.bottom);
        EXPECT_EQ(kBase, tints.left);
    }
    Bevel::Tints tints;
    EXPECT_FALSE(Bevel::tintsOf(4, kBase, true, tints));
    EXPECT_FALSE(Bevel::tintsOf(-1, kBase, true, tints));
}

TEST(BevelTest, SquareCornersRunTheEdgesFullLengthInTopRightBottomLeftOrder) {
    Recorder recorder;
    Bevel::paint(recorder, 10, 20, 40, 36, Bevel::kRaised, Bevel::kSquare, 2, true, kBase);
    const std::vector<Fill> expected = {{10, 20, 30, 2, rgb(115, 115, 115)},
                                        {38, 20, 2, 16, rgb(70, 70, 70)},
                                        {10, 34, 30, 2, rgb(50, 50, 50)},
                                        {10, 20, 2, 16, rgb(105, 105, 105)}};
    EXPECT_EQ(expected, recorder.fills);

    EXPECT_EQ((std::vector<std::string>{"LTTTR", "L...R", "LBBBB"}),
              paint(5, 3, Bevel::kRaised, Bevel::kSquare, 1, kRaisedNames))
        << "later edges cover the ends of earlier ones";
}

TEST(BevelTest, SlightlyRoundedCornersStepOnePixelInside) {
    EXPECT_EQ((std::vector<std::string>{".TTTTTTTT.", "LT......RR", "L........R", "LL......BR",
                                        ".BBBBBBBB."}),
              paint(10, 5, Bevel::kRaised, Bevel::kSlightlyRounded, 1, kRaisedNames));
}

TEST(BevelTest, RoundedCornersAreADiagonalOfThreeSteps) {
    EXPECT_EQ((std::vector<std::string>{"..TTTTTR..", ".T......R.", "T........R", "L........R",
                                        "L........B", ".L......B.", "..LBBBBB.."}),
              paint(10, 7, Bevel::kRaised, Bevel::kRounded, 1, kRaisedNames));
}

TEST(BevelTest, TheOpenBottomTypeHasNoBottomEdgeOrBottomCornersAndItsSidesReachTheBottom) {
    EXPECT_EQ((std::vector<std::string>{"LTTTTR", "L....R", "L....R"}),
              paint(6, 3, Bevel::kFlatOpenBottom, Bevel::kSquare, 1, kFlatNames));
    EXPECT_EQ((std::vector<std::string>{".TTTT.", "LT..RR", "L....R", "L....R"}),
              paint(6, 4, Bevel::kFlatOpenBottom, Bevel::kSlightlyRounded, 1, kFlatNames));
    EXPECT_EQ((std::vector<std::string>{"..TR..", ".T..R.", "T....R", "L....R"}),
              paint(6, 4, Bevel::kFlatOpenBottom, Bevel::kRounded, 1, kFlatNames));
}

TEST(BevelTest, AtScale2TheFrameLinesOfBevelsAre2PixelsThickWithTwoPixelSteps) {
    // Every type and corner style at unit 2 is its unit-1 pattern of half
    // the size with each pixel doubled; at unit 4 only square corners grow
    // to 4-pixel lines, rounded ones keep 2-pixel steps.
    const std::map<uint32_t, char> names = {
        {rgb(115, 115, 115), '1'}, {rgb(105, 105, 105), '2'}, {kBase, '3'},
        {rgb(90, 90, 90), '4'},    {rgb(85, 85, 85), '5'},    {rgb(70, 70, 70), '6'},
        {rgb(50, 50, 50), '7'}};
    for (int32_t type = 0; type < 4; ++type) {
        for (int32_t corners = 0; corners < 3; ++corners) {
            const auto one = paint(12, 9, type, corners, 1, names);
            EXPECT_EQ(enlarged(one, 2), paint(24, 18, type, corners, 2, names))
                << "type " << type << ", corner style " << corners;
            const int32_t fourFactor = corners == Bevel::kSquare ? 4 : 2;
            const auto atFour = paint(12 * fourFactor, 9 * fourFactor, type, corners, 4, names);
            EXPECT_EQ(enlarged(one, fourFactor), atFour)
                << "type " << type << ", corner style " << corners;
        }
    }
    EXPECT_EQ(2, Bevel::thickness(Bevel::kSquare, 2));
    EXPECT_EQ(4, Bevel::thickness(Bevel::kSquare, 4));
    EXPECT_EQ(1, Bevel::thickness(Bevel::kRounded, 1));
    EXPECT_EQ(2, Bevel::thickness(Bevel::kSlightlyRounded, 4));
}

TEST(BevelTest, NothingForAnEmptyRectangleOrUnknownTypeAndNoFillOutsideATinyOne) {
    Recorder recorder;
    Bevel::paint(recorder, 5, 5, 5, 9, Bevel::kFlat, Bevel::kSquare, 1, true, kBase);
    Bevel::paint(recorder, 5, 9, 8, 5, Bevel::kFlat, Bevel::kSquare, 1, true, kBase);
    Bevel::paint(recorder, 0, 0, 9, 9, 4, Bevel::kSquare, 1, true, kBase);
    Bevel::paint(recorder, 0, 0, 9, 9, Bevel::kFlat, 3, 1, true, kBase);
    EXPECT_TRUE(recorder.fills.empty());

    for (int32_t corners = 0; corners < 3; ++corners) {
        for (int32_t size = 1; size <= 5; ++size) {
            Recorder tiny;
            Bevel::paint(tiny, 3, 3, 3 + size, 3 + size, Bevel::kRaised, corners, 2, true, kBase);
            for (const Fill& f : tiny.fills) {
                EXPECT_GT(f.width, 0);
                EXPECT_GT(f.height, 0);
                EXPECT_GE(f.x, 3);
                EXPECT_GE(f.y, 3);
                EXPECT_LE(f.x + f.width, 3 + size) << "size " << size << " style " << corners;
                EXPECT_LE(f.y + f.height, 3 + size);
            }
        }
    }
}
