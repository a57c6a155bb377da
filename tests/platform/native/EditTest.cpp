#include "NativeTestFixture.h"

#include "platform/backend/headless/TimerTickCounter.h"
#include "platform/native/EditMenu.h"
#include "platform/native/EditWindow.h"

namespace {
class EditTest : public TNativeTest {
public:
    HWND Edit = nullptr;

    HWND MakeEdit(std::uint32_t style = ES_AUTOHSCROLL, TRect r = {10, 10, 210, 31},
                  const char* text = "") {
        HWND h = CreateWindowEx(WS_EX_CLIENTEDGE, kEditClass, text,
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, r.Left, r.Top,
                                r.Width(), r.Height(), Host, 5, nullptr);
        Desk->Pump();
        return h;
    }
    std::pair<int, int> Sel(HWND h) {
        std::uint32_t s = 0, e = 0;
        SendMessage(h, EM_GETSEL, WPARAM(&s), LPARAM(&e));
        return {int(s), int(e)};
    }
    // Screen point of the boundary before a text offset, in the middle of the text line.
    TPoint AtOffset(HWND h, int offset) {
        LRESULT r = SendMessage(h, EM_POSFROMCHAR, WPARAM(offset), 0);
        TMeasureDC m(*reinterpret_cast<const TLogFont*>(SendMessage(h, WM_GETFONT, 0, 0)));
        return At(h, {GET_X_LPARAM(r), GET_Y_LPARAM(r) + m.LineHeight() / 2});
    }
    void Ctrl(int vk) {
        Desk->KeyDown(VK_CONTROL, ssCtrl);
        Desk->PressKey(vk, ssCtrl);
        Desk->KeyUp(VK_CONTROL);
    }
    void Shift(int vk, int times = 1) {
        Desk->KeyDown(VK_SHIFT, ssShift);
        for (int i = 0; i < times; ++i)
            Desk->PressKey(vk, ssShift);
        Desk->KeyUp(VK_SHIFT);
    }
};

// "ab中文 cd": a=0 b=1 中=2..3 文=4..5 space=6 c=7 d=8, length 9.
TEST_F(EditTest, KeysMoveSelectAndDeleteWholeCharactersOfMixedText) {
    Edit = MakeEdit();
    Desk->Click(At(Edit, {150, 8}));
    Desk->Type("ab中文 cd");
    ASSERT_EQ(GetWindowText(Edit), Gbk("ab中文 cd"));
    ASSERT_EQ(Sel(Edit), std::make_pair(9, 9));

    struct TStep {
        const char* Name;
        std::function<void()> Do;
        int Start, End;
        const char* Text;
    };
    std::vector<TStep> steps = {
        {"Home", [&] { Desk->PressKey(VK_HOME); }, 0, 0, "ab中文 cd"},
        {"Shift+Right x3", [&] { Shift(VK_RIGHT, 3); }, 0, 4, "ab中文 cd"},
        {"Right collapses", [&] { Desk->PressKey(VK_RIGHT); }, 4, 4, "ab中文 cd"},
        {"Right over 文", [&] { Desk->PressKey(VK_RIGHT); }, 6, 6, "ab中文 cd"},
        {"Shift+Left", [&] { Shift(VK_LEFT); }, 4, 6, "ab中文 cd"},
        {"Backspace removes the selection", [&] { Desk->PressKey(VK_BACK); }, 4, 4, "ab中 cd"},
        {"Backspace removes 中", [&] { Desk->PressKey(VK_BACK); }, 2, 2, "ab cd"},
        {"typing inserts", [&] { Desk->Type("汉"); }, 4, 4, "ab汉 cd"},
        {"Shift+End", [&] { Shift(VK_END); }, 4, 7, "ab汉 cd"},
        {"typing replaces the selection", [&] { Desk->Type("x"); }, 5, 5, "ab汉x"},
        {"Home, Delete",
         [&] {
             Desk->PressKey(VK_HOME);
             Desk->PressKey(VK_DELETE);
         },
         0, 0, "b汉x"},
        {"Right, Delete removes 汉",
         [&] {
             Desk->PressKey(VK_RIGHT);
             Desk->PressKey(VK_DELETE);
         },
         1, 1, "bx"},
        {"Ctrl+A", [&] { Ctrl('A'); }, 0, 2, "bx"},
    };
    for (auto& s : steps) {
        s.Do();
        EXPECT_EQ(Sel(Edit), std::make_pair(s.Start, s.End)) << s.Name;
        EXPECT_EQ(GetWindowText(Edit), Gbk(s.Text)) << s.Name;
    }
}

TEST_F(EditTest, ALeadByteWithoutItsTrailByteIsDropped) {
    Edit = MakeEdit();
    SetFocus(Edit);
    for (int c : {0xD6, int('1'), 0xD6, 0xD0, 0xB9, int('2')})
        SendMessage(Edit, WM_CHAR, WPARAM(c), 1);
    EXPECT_EQ(GetWindowText(Edit), Gbk("1中2"));
}

TEST_F(EditTest, MouseClickDragShiftClickAndDoubleClick) {
    Edit = MakeEdit(ES_AUTOHSCROLL, {10, 10, 210, 31}, Gbk("ab中文 cdef").c_str());
    Desk->Click(AtOffset(Edit, 2));
    EXPECT_EQ(Sel(Edit), std::make_pair(2, 2)) << "a click puts the caret, selects nothing";
    Desk->Drag(AtOffset(Edit, 2), AtOffset(Edit, 6));
    EXPECT_EQ(Sel(Edit), std::make_pair(2, 6));
    Desk->AdvanceTime(1000); // no double click with what follows
    Desk->Click(AtOffset(Edit, 9), TMouseButton::Left, ssShift);
    EXPECT_EQ(Sel(Edit), std::make_pair(2, 9)) << "Shift+click extends from the anchor";
    Desk->AdvanceTime(1000);
    TPoint inWord = AtOffset(Edit, 8) + TPoint{2, 0};
    Desk->Click(inWord);
    Desk->Click(inWord);
    EXPECT_EQ(Sel(Edit), std::make_pair(7, 11)) << "a double click selects the word";
}

TEST_F(EditTest, DragPastTheEdgeScrollsAndSelectsToTheEnd) {
    std::string text(60, 'w');
    Edit = MakeEdit(ES_AUTOHSCROLL, {10, 10, 90, 31}, text.c_str());
    Desk->MouseDown(At(Edit, {0, 8}));
    Desk->MouseMove(At(Edit, {200, 8}));
    for (int i = 0; i < 80; ++i)
        Desk->AdvanceTime(100);
    Desk->MouseUp(At(Edit, {200, 8}));
    EXPECT_EQ(Sel(Edit), std::make_pair(0, 60));
    // The caret (at the end) is in view: its x lies inside the client area.
    LRESULT pos = SendMessage(Edit, EM_POSFROMCHAR, 60, 0);
    TRect c;
    GetClientRect(Edit, &c);
    EXPECT_GE(GET_X_LPARAM(pos), 0);
    EXPECT_LT(GET_X_LPARAM(pos), c.Right);
}

TEST_F(EditTest, ClipboardRoundTripWithChineseText) {
    Edit = MakeEdit();
    Desk->Click(At(Edit, {150, 8}));
    Desk->Type("宠物abc");
    Ctrl('A');
    Ctrl('C');
    EXPECT_EQ(Desk->GetClipboardText(), "宠物abc");
    Desk->PressKey(VK_END);
    Ctrl('V');
    EXPECT_EQ(GetWindowText(Edit), Gbk("宠物abc宠物abc"));
    // Cut with Shift+Del, paste with Shift+Ins, copy with Ctrl+Ins.
    Shift(VK_LEFT, 3);
    Shift(VK_DELETE);
    EXPECT_EQ(Desk->GetClipboardText(), "abc");
    EXPECT_EQ(GetWindowText(Edit), Gbk("宠物abc宠物"));
    Desk->PressKey(VK_HOME);
    Shift(VK_INSERT);
    EXPECT_EQ(GetWindowText(Edit), Gbk("abc宠物abc宠物"));
    Shift(VK_RIGHT, 2);
    Ctrl(VK_INSERT);
    EXPECT_EQ(Desk->GetClipboardText(), "宠物");
    // The desktop's text with line breaks comes in as one line; a character GBK cannot hold
    // becomes "?". It replaces the selection.
    Desk->SetClipboardText("x\r\ny\nz😀");
    Ctrl('V');
    EXPECT_EQ(GetWindowText(Edit), Gbk("abcxyz?abc宠物"));
}

TEST_F(EditTest, UndoRestoresTheTextBeforeTheLastChange) {
    Edit = MakeEdit(ES_AUTOHSCROLL, {10, 10, 210, 31}, "start");
    Desk->Click(At(Edit, {150, 8}));
    Ctrl('A');
    Desk->Type("新的");
    EXPECT_EQ(GetWindowText(Edit), Gbk("新的"));
    Ctrl('Z');
    EXPECT_EQ(GetWindowText(Edit), "start");
    EXPECT_EQ(SendMessage(Edit, EM_CANUNDO, 0, 0) != 0, true);
}

TEST_F(EditTest, KeyboardFocusSelectsAllAndAClickDoesNot) {
    HWND a = MakeEdit(ES_AUTOHSCROLL, {10, 10, 210, 31}, "alpha");
    HWND b = MakeEdit(ES_AUTOHSCROLL, {10, 40, 210, 61}, "beta");
    SetFocus(a); // as tabbing does
    EXPECT_EQ(Sel(a), std::make_pair(0, 5));
    Desk->Click(AtOffset(b, 2));
    EXPECT_EQ(GetFocus(), b);
    EXPECT_EQ(Sel(b), std::make_pair(2, 2));
    // Without auto-select the keyboard focus keeps the caret.
    SendMessage(a, EM_SETSEL, 1, 1);
    SendMessage(a, EM_SETAUTOSELECT, 0, 0);
    SetFocus(a);
    EXPECT_EQ(Sel(a), std::make_pair(1, 1));
}

TEST_F(EditTest, EnterBeepsOnceAndChangesNothing) {
    Edit = MakeEdit(ES_AUTOHSCROLL, {10, 10, 210, 31}, "12");
    Desk->Click(At(Edit, {150, 8}));
    Commands.clear();
    int before = Desk->BeepCount();
    Desk->PressKey(VK_RETURN);
    EXPECT_EQ(Desk->BeepCount(), before + 1);
    EXPECT_EQ(GetWindowText(Edit), "12");
    EXPECT_EQ(CountCommands(EN_CHANGE, Edit), 0);
}

TEST_F(EditTest, ReadOnlyRefusesChangesWithABeepButTheCaretMoves) {
    Edit = MakeEdit(ES_AUTOHSCROLL | ES_READONLY, {10, 10, 210, 31}, Gbk("只读ab").c_str());
    Desk->Click(AtOffset(Edit, 0));
    int before = Desk->BeepCount();
    Desk->Type("x");
    Desk->PressKey(VK_DELETE);
    Desk->PressKey(VK_BACK);
    Ctrl('V');
    EXPECT_EQ(GetWindowText(Edit), Gbk("只读ab"));
    EXPECT_GE(Desk->BeepCount(), before + 3);
    Desk->PressKey(VK_RIGHT);
    EXPECT_EQ(Sel(Edit), std::make_pair(2, 2));
    Shift(VK_END);
    EXPECT_EQ(Sel(Edit), std::make_pair(2, 6));
    Ctrl('C');
    EXPECT_EQ(Desk->GetClipboardText(), "读ab");
}

TEST_F(EditTest, ChangeNotificationsForTypingAndSettingTheText) {
    Edit = MakeEdit();
    Desk->Click(At(Edit, {150, 8}));
    Commands.clear();
    Desk->Type("a中");
    EXPECT_EQ(CountCommands(EN_CHANGE, Edit), 2);
    SetWindowText(Edit, "other");
    EXPECT_EQ(CountCommands(EN_CHANGE, Edit), 3);
    SetWindowText(Edit, "other");
    EXPECT_EQ(CountCommands(EN_CHANGE, Edit), 3) << "an equal text is no change";
    EXPECT_EQ(GetWindowTextLength(Edit), 5);
    char small[4];
    EXPECT_EQ(SendMessage(Edit, WM_GETTEXT, sizeof small, LPARAM(small)), 3);
    EXPECT_STREQ(small, "oth");
}

TEST_F(EditTest, TypingModifiesAndSettingTheTextDoesNot) {
    Edit = MakeEdit();
    SetFocus(Edit);
    Desk->Type("a");
    EXPECT_EQ(SendMessage(Edit, EM_GETMODIFY, 0, 0), 1);
    SetWindowText(Edit, "b");
    EXPECT_EQ(SendMessage(Edit, EM_GETMODIFY, 0, 0), 0);
}

TEST_F(EditTest, TheParentMayDestroyTheEditWhenItChanges) {
    Edit = MakeEdit();
    SetFocus(Edit);
    // The host destroys the edit on its first change notification.
    static HWND victim = nullptr;
    victim = Edit;
    SetWindowLongPtr(Host, GWLP_WNDPROC, LONG_PTR(+[](HWND h, UINT m, WPARAM w, LPARAM l) {
                         if (m == WM_COMMAND && HIWORD(w) == EN_CHANGE && HWND(l) == victim)
                             DestroyWindow(victim);
                         return DefWindowProc(h, m, w, l);
                     }));
    Desk->Type("x");
    EXPECT_FALSE(IsWindow(Edit));
    Edit = MakeEdit();
    victim = Edit;
    SetWindowText(Edit, "gone");
    EXPECT_FALSE(IsWindow(Edit));
    Edit = MakeEdit();
    victim = Edit;
    SendMessage(Edit, EM_REPLACESEL, 0, LPARAM("gone"));
    EXPECT_FALSE(IsWindow(Edit));
}

TEST_F(EditTest, MaximumLengthNeverSplitsADoubleByteCharacter) {
    Edit = MakeEdit();
    SendMessage(Edit, EM_LIMITTEXT, 5, 0);
    Desk->Click(At(Edit, {150, 8}));
    int before = Desk->BeepCount();
    Desk->Type("ab中文");
    EXPECT_EQ(GetWindowText(Edit), Gbk("ab中"));
    EXPECT_EQ(Desk->BeepCount(), before + 1);
}

TEST_F(EditTest, PasswordEditShowsStarsAndKeepsItsText) {
    Edit = MakeEdit(ES_AUTOHSCROLL | ES_PASSWORD, {10, 10, 210, 31}, "secret");
    Desk->SetClipboardText("before");
    SetFocus(Edit);
    Ctrl('C');
    EXPECT_EQ(Desk->GetClipboardText(), "before");
    EXPECT_EQ(SendMessage(Edit, EM_GETPASSWORDCHAR, 0, 0), '*');
    EXPECT_EQ(GetWindowText(Edit), "secret");
}

TEST_F(EditTest, SelectionIsDrawnOnlyWhileFocused) {
    Edit = MakeEdit(ES_AUTOHSCROLL, {10, 10, 210, 31}, "WWWW");
    HWND other = MakeEdit(ES_AUTOHSCROLL, {10, 40, 210, 61});
    SetFocus(Edit);
    Desk->Pump();
    TPoint inSel = AtOffset(Edit, 1);
    EXPECT_EQ(Desk->PixelAt(Edit, inSel + TPoint{1, 0}), ColorToRGB(clHighlight));
    SetFocus(other);
    Desk->Pump();
    EXPECT_NE(Desk->PixelAt(Edit, inSel + TPoint{1, 0}), ColorToRGB(clHighlight));
}

TEST_F(EditTest, CaretBlinks) {
    Edit = MakeEdit(ES_AUTOHSCROLL, {10, 10, 210, 31});
    Desk->Click(At(Edit, {150, 8}));
    TPoint caret = AtOffset(Edit, 0);
    TColor on = Desk->PixelAt(Edit, caret);
    Desk->AdvanceTime(600);
    TColor off = Desk->PixelAt(Edit, caret);
    Desk->AdvanceTime(600);
    EXPECT_NE(on, off);
    EXPECT_EQ(Desk->PixelAt(Edit, caret), on);
    EXPECT_EQ(off, ColorToRGB(clWindow));
}

TEST_F(EditTest, CaretStopsBlinkingShownAfterTenSecondsAloneAndInputStartsItAgain) {
    Edit = MakeEdit(ES_AUTOHSCROLL, {10, 10, 210, 31});
    Desk->Click(At(Edit, {150, 8}));
    const TPoint caret = AtOffset(Edit, 0);
    const TColor on = Desk->PixelAt(Edit, caret);
    TTimerTickCounter ticks;
    auto idle = [&](int ms) {
        for (int t = 0; t < ms; t += 10)
            Desk->AdvanceTime(10);
    };
    idle(9000);
    EXPECT_GE(ticks.Count(), 16); // still blinking
    idle(2000);
    EXPECT_EQ(Desk->PixelAt(Edit, caret), on);
    ticks.Reset();
    idle(5000);
    EXPECT_EQ(ticks.Count(), 0) << ticks.Describe();
    EXPECT_EQ(Desk->PixelAt(Edit, caret), on);

    // A key moves the caret and it blinks again.
    Desk->Type("a");
    const TPoint moved = AtOffset(Edit, 1);
    const TColor movedOn = Desk->PixelAt(Edit, moved);
    idle(600);
    EXPECT_NE(Desk->PixelAt(Edit, moved), movedOn);
    EXPECT_GT(ticks.Count(), 0);

    // The ten seconds are on the clock, not counted in blinks: after a long stall the caret
    // comes back on and rests.
    Desk->AdvanceTime(15000);
    idle(1100);
    ticks.Reset();
    idle(5000);
    EXPECT_EQ(ticks.Count(), 0) << ticks.Describe();
    EXPECT_EQ(Desk->PixelAt(Edit, moved), movedOn);
}

TEST_F(EditTest, ContextMenuGreysWhatDoesNotApplyAndWorksByKeyboard) {
    Edit = MakeEdit(ES_AUTOHSCROLL, {10, 10, 210, 31}, "menu");
    Desk->Click(At(Edit, {150, 8}));
    TEditCommandStates st = TEditText().CommandStates(false);
    std::vector<TEditMenuItem> items = EditMenuItems(st);
    for (auto& item : items)
        EXPECT_FALSE(item.Enabled) << item.Text;

    // Right click: the menu opens; A chooses Select All.
    bool sawMenu = false;
    Desk->SetIdleHandler([&] {
        for (HWND h : GetTopLevelWindows())
            sawMenu |= GetClassName(h) == kEditMenuClass && IsWindowVisible(h);
        Desk->PressKey('A');
        return true;
    });
    Desk->Click(At(Edit, {150, 8}), TMouseButton::Right);
    Desk->SetIdleHandler(nullptr);
    EXPECT_TRUE(sawMenu);
    EXPECT_EQ(Sel(Edit), std::make_pair(0, 4));

    // Down to Cut (the first enabled after Undo is greyed... the hot item moves over items,
    // greyed ones cannot be chosen), Enter on Copy.
    int step = 0;
    Desk->SetIdleHandler([&] {
        if (step++ == 0) {
            Desk->PressKey(VK_DOWN); // Undo (greyed: nothing happens on Enter)
            Desk->PressKey(VK_RETURN);
            Desk->PressKey(VK_DOWN); // Cut
            Desk->PressKey(VK_DOWN); // Copy
            Desk->PressKey(VK_RETURN);
        } else {
            ADD_FAILURE() << "the menu stayed open";
            Desk->PressKey(VK_ESCAPE);
        }
        return true;
    });
    Desk->Click(At(Edit, {150, 8}), TMouseButton::Right);
    Desk->SetIdleHandler(nullptr);
    EXPECT_EQ(Desk->GetClipboardText(), "menu");
    EXPECT_EQ(GetWindowText(Edit), "menu");

    // Shift+F10 opens it from the keyboard; a click on an item chooses it.
    Desk->SetIdleHandler([&] {
        HWND menu = nullptr;
        for (HWND h : GetTopLevelWindows())
            if (GetClassName(h) == kEditMenuClass)
                menu = h;
        if (!menu) {
            ADD_FAILURE() << "no menu";
            return false;
        }
        // Delete is the sixth row: two separators (8 px) and four items (18 px) above it.
        TPoint item{20, 3 + 18 + 8 + 18 * 3 + 9};
        ClientToScreen(menu, &item);
        Desk->Click(item);
        return true;
    });
    Ctrl('A');
    Desk->KeyDown(VK_SHIFT, ssShift);
    Desk->PressKey(VK_F10, ssShift);
    Desk->KeyUp(VK_SHIFT);
    Desk->SetIdleHandler(nullptr);
    EXPECT_EQ(GetWindowText(Edit), "");
    Ctrl('Z');
    EXPECT_EQ(GetWindowText(Edit), "menu");

    // Escape dismisses; a press outside dismisses.
    for (bool byMouse : {false, true}) {
        Desk->SetIdleHandler([&] {
            if (byMouse)
                Desk->Click({5, 700});
            else
                Desk->PressKey(VK_ESCAPE);
            return true;
        });
        Desk->Click(At(Edit, {150, 8}), TMouseButton::Right);
        Desk->SetIdleHandler(nullptr);
        for (HWND h : GetTopLevelWindows())
            EXPECT_NE(GetClassName(h), kEditMenuClass);
    }
    EXPECT_EQ(GetWindowText(Edit), "menu");
}
} // namespace
