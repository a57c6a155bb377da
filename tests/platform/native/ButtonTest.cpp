#include "NativeTestFixture.h"

#include "platform/native/StaticWindow.h"

namespace {
using ButtonTest = TNativeTest;

TEST_F(ButtonTest, PushButtonClicksByMouseSpaceAndEnter) {
    HWND b = Create(kButtonClass, BS_PUSHBUTTON | WS_TABSTOP, {10, 10, 85, 33}, "OK", 7);
    Desk->Click(At(b, {5, 5}));
    EXPECT_EQ(CountCommands(BN_CLICKED, b), 1);
    EXPECT_EQ(GetFocus(), b);
    Desk->PressKey(VK_SPACE);
    EXPECT_EQ(CountCommands(BN_CLICKED, b), 2);
    Desk->PressKey(VK_RETURN);
    EXPECT_EQ(CountCommands(BN_CLICKED, b), 3);
    EXPECT_EQ(Commands.back().Id, 7);
}

TEST_F(ButtonTest, ReleasingOffTheButtonDoesNotClick) {
    HWND b = Create(kButtonClass, BS_PUSHBUTTON, {10, 10, 85, 33}, "OK", 7);
    Desk->MouseDown(At(b, {5, 5}));
    EXPECT_TRUE(SendMessage(b, BM_GETSTATE, 0, 0) & BST_PUSHED);
    Desk->MouseMove(At(b, {200, 5}));
    EXPECT_FALSE(SendMessage(b, BM_GETSTATE, 0, 0) & BST_PUSHED);
    Desk->MouseUp(At(b, {200, 5}));
    EXPECT_EQ(CountCommands(BN_CLICKED, b), 0);
}

TEST_F(ButtonTest, AutoRadioGroupUnchecksSiblingsAndMovesTheTabStop) {
    HWND a = Create(kButtonClass, BS_AUTORADIOBUTTON, {10, 10, 83, 27}, "a", 1);
    HWND b = Create(kButtonClass, BS_AUTORADIOBUTTON, {90, 10, 163, 27}, "b", 2);
    HWND c = Create(kButtonClass, BS_AUTORADIOBUTTON, {170, 10, 243, 27}, "c", 3);
    auto checked = [&](HWND h) { return SendMessage(h, BM_GETCHECK, 0, 0) == BST_CHECKED; };
    auto tabStop = [&](HWND h) { return (GetWindowLongPtr(h, GWL_STYLE) & WS_TABSTOP) != 0; };
    EXPECT_FALSE(checked(a) || checked(b) || checked(c));
    Desk->Click(At(a, {3, 8}));
    EXPECT_TRUE(checked(a));
    Desk->Click(At(b, {3, 8}));
    EXPECT_FALSE(checked(a));
    EXPECT_TRUE(checked(b));
    EXPECT_FALSE(tabStop(a));
    EXPECT_TRUE(tabStop(b));
    // Arrow keys move the focus and the check within the group, wrapping around.
    Desk->PressKey(VK_RIGHT);
    EXPECT_EQ(GetFocus(), c);
    EXPECT_TRUE(checked(c));
    EXPECT_FALSE(checked(b));
    Desk->PressKey(VK_DOWN);
    EXPECT_EQ(GetFocus(), a);
    Desk->PressKey(VK_LEFT);
    EXPECT_EQ(GetFocus(), c);
    EXPECT_TRUE(checked(c));
    EXPECT_EQ(int(checked(a)) + int(checked(b)) + int(checked(c)), 1);
}

TEST_F(ButtonTest, TransparentStaticTextShowsTheParentUnderItsChangingText) {
    HWND s = Create(kStaticClass, 0, {10, 10, 110, 30}, "WWWWWW");
    SendMessage(s, STM_SETCOLORS, WPARAM(clNoBackground), LPARAM(clBlack));
    Desk->Pump();
    auto blackPixels = [&] {
        int n = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 100; ++x)
                n += Desk->PixelAt(s, At(s, {x, y})) == clBlack;
        return n;
    };
    EXPECT_GT(blackPixels(), 20);
    EXPECT_EQ(Desk->PixelAt(s, At(s, {95, 2})), ColorToRGB(clBtnFace)) << "the host's face";
    SetWindowText(s, "");
    Desk->Pump();
    EXPECT_EQ(blackPixels(), 0) << "the old text is gone";
}

TEST_F(ButtonTest, OwnerDrawnRadioAsksItsParentToDrawIt) {
    HWND a = Create(kButtonClass, BS_OWNERDRAW | WS_TABSTOP, {10, 10, 83, 27}, "a", 1);
    HWND b = Create(kButtonClass, BS_OWNERDRAW, {90, 10, 163, 27}, "b", 2);
    Desk->Pump();
    auto count = [&](HWND h, UINT action) {
        int n = 0;
        for (auto& d : DrawItems)
            n += d.Item == h && d.Action == action;
        return n;
    };
    EXPECT_GE(count(a, ODA_DRAWENTIRE), 1);
    EXPECT_GE(count(b, ODA_DRAWENTIRE), 1);

    // Checking through the message repaints with the checked state.
    DrawItems.clear();
    SendMessage(a, BM_SETCHECK, BST_CHECKED, 0);
    Desk->Pump();
    EXPECT_EQ(SendMessage(a, BM_GETCHECK, 0, 0), LRESULT(BST_CHECKED));
    ASSERT_FALSE(DrawItems.empty());
    EXPECT_TRUE(DrawItems.back().State & ODS_CHECKED);

    // Focus changes are focus-only requests; a press shows the selected state; the click and
    // the double click are notified.
    DrawItems.clear();
    Desk->MouseDown(At(b, {5, 5}));
    EXPECT_EQ(count(b, ODA_FOCUS), 1);
    EXPECT_EQ(count(a, ODA_FOCUS), 0); // a never had the focus
    ASSERT_GE(count(b, ODA_SELECT), 1);
    EXPECT_TRUE(DrawItems.back().State & ODS_SELECTED);
    EXPECT_TRUE(DrawItems.back().State & ODS_FOCUS);
    Desk->MouseUp(At(b, {5, 5}));
    EXPECT_EQ(CountCommands(BN_CLICKED, b), 1);
    Desk->Click(At(b, {5, 5})); // a quick second click is a double click
    EXPECT_EQ(CountCommands(BN_DOUBLECLICKED, b), 1);
    SetFocus(a);
    EXPECT_EQ(count(a, ODA_FOCUS), 1);
    EXPECT_EQ(count(b, ODA_FOCUS), 2);
    for (auto it = DrawItems.rbegin(); it != DrawItems.rend(); ++it) {
        if (it->Item == b) {
            EXPECT_FALSE(it->State & ODS_FOCUS);
            break;
        }
    }
    EXPECT_TRUE(DrawItems.back().Item == a && (DrawItems.back().State & ODS_FOCUS));
}
} // namespace
