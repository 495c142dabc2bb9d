#include "s/platform/win/ObjectSelection.h"

#include <gtest/gtest.h>

#include "s/platform/win/GdiObject.h"
#include "s/platform/win/MemoryDC.h"
#include "s/platform/win/StretchModeScope.h"

namespace win = s::platform::win;

TEST(ObjectSelectionWinTest, TheContextGetsItsOwnObjectAndStretchModeBack) {
    win::MemoryDC dc(nullptr);
    ASSERT_TRUE(static_cast<bool>(dc));
    const HGDIOBJ original = GetCurrentObject(dc.get(), OBJ_BITMAP);
    win::OwnedGdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(dc.get(), 4, 4));
    ASSERT_TRUE(static_cast<bool>(bitmap));
    SetStretchBltMode(dc.get(), BLACKONWHITE);
    {
        win::ObjectSelection selection(dc.get(), bitmap.get());
        EXPECT_TRUE(static_cast<bool>(selection));
        EXPECT_EQ(bitmap.get(), GetCurrentObject(dc.get(), OBJ_BITMAP));
        win::StretchModeScope mode(dc.get(), HALFTONE);
        EXPECT_EQ(HALFTONE, GetStretchBltMode(dc.get()));
    }
    EXPECT_EQ(original, GetCurrentObject(dc.get(), OBJ_BITMAP));
    EXPECT_EQ(BLACKONWHITE, GetStretchBltMode(dc.get()));
    // Selected out again, the bitmap can be deleted: its owner succeeds.
    const HBITMAP raw = bitmap.get();
    bitmap.assign(nullptr);
    EXPECT_EQ(0u, static_cast<DWORD>(GetObjectType(raw)));

    // A selection that the context refuses restores nothing.
    win::ObjectSelection refused(dc.get(), nullptr);
    EXPECT_FALSE(static_cast<bool>(refused));
}
