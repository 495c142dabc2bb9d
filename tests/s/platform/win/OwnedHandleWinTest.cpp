#include "s/platform/win/OwnedHandle.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "s/platform/win/GdiObject.h"
#include "s/platform/win/IconHandle.h"
#include "s/platform/win/KernelHandle.h"
#include "s/platform/win/MenuHandle.h"

namespace win = s::platform::win;

namespace {

bool isOpenKernelHandle(HANDLE handle) {
    DWORD flags = 0;
    return GetHandleInformation(handle, &flags) != FALSE;
}

bool isLiveIcon(HICON icon) {
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info)) {
        return false;
    }
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    return true;
}

HICON makeIcon() {
    std::vector<BYTE> andMask(32, 0xFF);
    std::vector<BYTE> xorMask(32, 0);
    return CreateIcon(nullptr, 16, 16, 1, 1, andMask.data(), xorMask.data());
}

} // namespace

TEST(OwnedHandleWinTest, EachKindIsClosedByItsOwnerAndNeverByABorrower) {
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const HICON icon = makeIcon();
    const HMENU menu = CreatePopupMenu();
    const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    ASSERT_TRUE(event && icon && menu && brush);
    {
        win::OwnedKernelHandle ownedEvent(event);
        win::OwnedIcon ownedIcon(icon);
        win::OwnedMenu ownedMenu(menu);
        win::OwnedGdiObject<HBRUSH> ownedBrush(brush);
        {
            const win::BorrowedIcon looked = ownedIcon.borrow();
            const win::BorrowedGdiObject<HBRUSH> lookedBrush(brush);
            EXPECT_EQ(icon, looked.get());
            EXPECT_TRUE(static_cast<bool>(lookedBrush));
        }
        // Borrowers went out of scope: everything is still alive.
        EXPECT_TRUE(isOpenKernelHandle(event));
        EXPECT_TRUE(isLiveIcon(icon));
        EXPECT_TRUE(IsMenu(menu));
        EXPECT_EQ(OBJ_BRUSH, static_cast<DWORD>(GetObjectType(brush)));
    }
    EXPECT_FALSE(isOpenKernelHandle(event));
    EXPECT_FALSE(isLiveIcon(icon));
    EXPECT_FALSE(IsMenu(menu));
    EXPECT_EQ(0u, static_cast<DWORD>(GetObjectType(brush)));
}

TEST(OwnedHandleWinTest, MovingAssigningAndDetachingHandOwnershipOverExactlyOnce) {
    const HANDLE first = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const HANDLE second = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    win::OwnedKernelHandle a(first);
    win::OwnedKernelHandle b(std::move(a));
    EXPECT_FALSE(static_cast<bool>(a));
    EXPECT_EQ(first, b.get());
    EXPECT_TRUE(isOpenKernelHandle(first));

    // Assigning closes what was held; assigning the same handle keeps it.
    b.assign(b.get());
    EXPECT_TRUE(isOpenKernelHandle(first));
    b.assign(second);
    EXPECT_FALSE(isOpenKernelHandle(first));
    a = std::move(b);
    EXPECT_TRUE(isOpenKernelHandle(second));

    // Detached: the new owner closes it, the old one does nothing.
    const HANDLE taken = a.detach();
    a.assign(nullptr);
    EXPECT_TRUE(isOpenKernelHandle(taken));
    CloseHandle(taken);

    // "No handle" in both spellings the system uses is never closed: closing
    // INVALID_HANDLE_VALUE would close the process's own pseudo handle.
    win::OwnedKernelHandle invalid(INVALID_HANDLE_VALUE);
    EXPECT_FALSE(static_cast<bool>(invalid));
    win::OwnedKernelHandle none;
    EXPECT_FALSE(static_cast<bool>(none));
}
