#include "NativeTestFixture.h"

#include "platform/native/EditWindow.h"
#include "platform/native/ScrollInfo.h"

namespace {
class MemoTest : public TNativeTest {
public:
    HWND Memo = nullptr;
    int LineHeight = 0;

    HWND MakeMemo(std::uint32_t style, TRect r = {10, 10, 210, 170}) {
        HWND h = CreateWindowEx(WS_EX_CLIENTEDGE, kEditClass, "",
                                WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN | style,
                                r.Left, r.Top, r.Width(), r.Height(), Host, 6, nullptr);
        Desk->Pump();
        LineHeight = TMeasureDC(GetMessageFont(h)).LineHeight();
        return h;
    }
    static const TLogFont& GetMessageFont(HWND h) {
        return *reinterpret_cast<const TLogFont*>(SendMessage(h, WM_GETFONT, 0, 0));
    }
    TMemoModel& Model(HWND h) { return *static_cast<TEditWindow*>(TNativeWindow::From(h))->Memo(); }
    TScrollInfo Vert(HWND h) {
        TScrollInfo si;
        EXPECT_TRUE(GetScrollInfo(h, SB_VERT, &si));
        return si;
    }
    std::pair<int, int> Sel(HWND h) {
        std::uint32_t s = 0, e = 0;
        SendMessage(h, EM_GETSEL, WPARAM(&s), LPARAM(&e));
        return {int(s), int(e)};
    }
    void Ctrl(int vk) {
        Desk->KeyDown(VK_CONTROL, ssCtrl);
        Desk->PressKey(vk, ssCtrl);
        Desk->KeyUp(VK_CONTROL);
    }
};

TEST_F(MemoTest, HundredAddedLinesGiveTheScrollRangePageAndPosition) {
    Memo = MakeMemo(WS_VSCROLL | ES_READONLY);
    for (int i = 0; i < 100; ++i)
        Model(Memo).AddLine("line " + std::to_string(i));
    TRect c;
    GetClientRect(Memo, &c);
    EXPECT_EQ(c.Width(), 200 - 4 - GetSystemMetrics(SM_CXVSCROLL));
    int page = c.Height() / LineHeight;
    // 100 lines and the empty line after the last line break.
    TScrollInfo si = Vert(Memo);
    EXPECT_EQ(si.nMin, 0);
    EXPECT_EQ(si.nMax, 100);
    EXPECT_EQ(int(si.nPage), page);
    EXPECT_EQ(si.nPos, 101 - page) << "the caret after the last line is in view";
    EXPECT_EQ(SendMessage(Memo, EM_GETFIRSTVISIBLELINE, 0, 0), 101 - page);

    // The bar's geometry: right of the client area, in screen coordinates, usable.
    TScrollBarInfo bi;
    ASSERT_TRUE(GetScrollBarInfo(Memo, OBJID_VSCROLL, &bi));
    TPoint clientTopRight{c.Right, 0};
    ClientToScreen(Memo, &clientTopRight);
    EXPECT_EQ(bi.rcScrollBar.Left, clientTopRight.X);
    EXPECT_EQ(bi.rcScrollBar.Top, clientTopRight.Y);
    EXPECT_EQ(bi.rcScrollBar.Width(), GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(bi.rcScrollBar.Height(), c.Height());
    EXPECT_EQ(bi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE, 0u);
    EXPECT_GT(bi.xyThumbTop, bi.dxyLineButton);
    ASSERT_TRUE(GetScrollBarInfo(Memo, OBJID_HSCROLL, &bi));
    EXPECT_TRUE(bi.rgstate[0] & STATE_SYSTEM_INVISIBLE);

    // Scroll messages, the wheel (to the focused window) and clicks on the bar; taking the
    // focus does not move the view.
    SetFocus(Memo);
    EXPECT_EQ(Vert(Memo).nPos, 101 - page);
    SendMessage(Memo, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(Vert(Memo).nPos, 0);
    SendMessage(Memo, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(Vert(Memo).nPos, page);
    SendMessage(Memo, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 40), 0);
    EXPECT_EQ(Vert(Memo).nPos, 40);
    Desk->Wheel(At(Memo, {50, 50}), -WHEEL_DELTA);
    EXPECT_EQ(Vert(Memo).nPos, 43);
    TPoint downArrow{c.Right + 8, c.Bottom - 4};
    ClientToScreen(Memo, &downArrow);
    Desk->Click(downArrow);
    EXPECT_EQ(Vert(Memo).nPos, 44);
    // Holding the up arrow repeats.
    TPoint upArrow{c.Right + 8, 4};
    ClientToScreen(Memo, &upArrow);
    Desk->MouseDown(upArrow);
    Desk->AdvanceTime(400);
    for (int i = 0; i < 4; ++i)
        Desk->AdvanceTime(60);
    Desk->MouseUp(upArrow);
    EXPECT_LE(Vert(Memo).nPos, 44 - 5);
}

TEST_F(MemoTest, DraggingTheThumbScrollsInProportion) {
    Memo = MakeMemo(WS_VSCROLL);
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "x\r\n";
    SetWindowText(Memo, text);
    TScrollBarInfo bi;
    ASSERT_TRUE(GetScrollBarInfo(Memo, OBJID_VSCROLL, &bi));
    int x = bi.rcScrollBar.Left + 8;
    TPoint grab{x, bi.rcScrollBar.Top + (bi.xyThumbTop + bi.xyThumbBottom) / 2};
    int room = bi.rcScrollBar.Height() - 2 * bi.dxyLineButton - (bi.xyThumbBottom - bi.xyThumbTop);
    TScrollInfo si = Vert(Memo);
    int scrollable = si.nMax - si.nMin + 1 - int(si.nPage);
    // Half of the track's free room is half of the scrollable lines.
    Desk->Drag(grab, grab + TPoint{0, room / 2});
    EXPECT_NEAR(Vert(Memo).nPos, scrollable / 2, 2);
    // Dragging far past the end stops at the last page.
    Desk->Drag(grab + TPoint{0, room / 2}, grab + TPoint{0, 2000});
    EXPECT_EQ(Vert(Memo).nPos, scrollable);
    ASSERT_TRUE(GetScrollBarInfo(Memo, OBJID_VSCROLL, &bi));
    EXPECT_EQ(bi.xyThumbBottom, bi.rcScrollBar.Height() - bi.dxyLineButton);
}

TEST_F(MemoTest, WordWrapAtTheClientWidth) {
    Memo = MakeMemo(0, {10, 10, 130, 170});
    SetWindowText(Memo,
                  Gbk("the quick brown fox jumps over the lazy dog 宠物查询器宠物查询器宠物"));
    TRect c;
    GetClientRect(Memo, &c);
    TMemoModel& m = Model(Memo);
    ASSERT_GT(m.VisualLineCount(), 2u);
    int view = c.Width() - m.LeftMargin() - m.RightMargin();
    for (std::size_t i = 0; i < m.VisualLineCount(); ++i) {
        const TMemoLine& l = m.VisualLine(i);
        std::string text = m.Text().Text().substr(l.Start, l.End - l.Start);
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        EXPECT_LE(TMeasureDC(GetMessageFont(Memo)).TextWidth(text), view) << i;
    }
    EXPECT_EQ(SendMessage(Memo, EM_GETLINECOUNT, 0, 0), LRESULT(m.VisualLineCount()));
    // Without wrapping there is one line.
    SendMessage(Memo, EM_SETWORDWRAP, 0, 0);
    EXPECT_EQ(SendMessage(Memo, EM_GETLINECOUNT, 0, 0), 1);
}

TEST_F(MemoTest, KeysOfTheMemo) {
    Memo = MakeMemo(WS_VSCROLL);
    Desk->Click(At(Memo, {50, 50}));
    Desk->Type("ab");
    Desk->PressKey(VK_RETURN);
    Desk->Type("中");
    EXPECT_EQ(GetWindowText(Memo), Gbk("ab\r\n中"));
    Desk->PressKey(VK_TAB); // no want-tabs: Tab types nothing
    EXPECT_EQ(GetWindowText(Memo), Gbk("ab\r\n中"));
    SendMessage(Memo, EM_SETWANTTABS, 1, 0);
    Desk->PressKey(VK_TAB);
    EXPECT_EQ(GetWindowText(Memo), Gbk("ab\r\n中\t"));
    Ctrl(VK_HOME);
    EXPECT_EQ(Sel(Memo), std::make_pair(0, 0));
    Ctrl(VK_END);
    EXPECT_EQ(Sel(Memo), std::make_pair(7, 7));
    Desk->PressKey(VK_UP);
    EXPECT_EQ(SendMessage(Memo, EM_LINEFROMCHAR, WPARAM(-1), 0), 0);
    Ctrl('A');
    EXPECT_EQ(Sel(Memo), std::make_pair(0, 7));

    // Page Down moves a page of lines.
    std::string many;
    for (int i = 0; i < 50; ++i)
        many += "x\r\n";
    SetWindowText(Memo, many);
    TRect c;
    GetClientRect(Memo, &c);
    int page = c.Height() / LineHeight;
    SetFocus(Memo);
    Desk->PressKey(VK_NEXT);
    EXPECT_EQ(SendMessage(Memo, EM_LINEFROMCHAR, WPARAM(-1), 0), page);
}

TEST_F(MemoTest, ReadOnlyMemoScrollsSelectsAndCopiesButDoesNotChange) {
    Memo = MakeMemo(WS_VSCROLL | ES_READONLY);
    SetWindowText(Memo, Gbk("第一行\r\n第二行"));
    Desk->Click(At(Memo, {50, 50}));
    int beeps = Desk->BeepCount();
    Desk->Type("x");
    Desk->PressKey(VK_RETURN);
    Desk->PressKey(VK_BACK);
    EXPECT_EQ(GetWindowText(Memo), Gbk("第一行\r\n第二行"));
    EXPECT_GE(Desk->BeepCount(), beeps + 2);
    Ctrl('A');
    Ctrl('C');
    EXPECT_EQ(Desk->GetClipboardText(), "第一行\r\n第二行");
    // A paste of desktop text with LF breaks into a writable memo makes them CR LF.
    SendMessage(Memo, EM_SETREADONLY, 0, 0);
    Desk->SetClipboardText("a\nb");
    Ctrl('V');
    EXPECT_EQ(GetWindowText(Memo), "a\r\nb");
}

TEST_F(MemoTest, DragSelectsAcrossLinesAndScrollsBelowTheView) {
    Memo = MakeMemo(WS_VSCROLL, {10, 10, 210, 70});
    std::string text;
    for (int i = 0; i < 30; ++i)
        text += "row\r\n";
    SetWindowText(Memo, text);
    Desk->MouseDown(At(Memo, {0, 1}));
    Desk->MouseMove(At(Memo, {50, 200}));
    for (int i = 0; i < 40; ++i)
        Desk->AdvanceTime(100);
    Desk->MouseUp(At(Memo, {50, 200}));
    EXPECT_EQ(Sel(Memo).first, 0);
    EXPECT_EQ(Sel(Memo).second, int(text.size()));
    EXPECT_GT(Vert(Memo).nPos, 0);
}

TEST_F(MemoTest, BarsAreDrawnOnlyWhileTheirStyleIsSet) {
    Memo = MakeMemo(WS_VSCROLL);
    TRect c;
    GetClientRect(Memo, &c);
    TPoint arrowFace{c.Right + 2, 2};
    ClientToScreen(Memo, &arrowFace);
    Desk->Pump();
    EXPECT_EQ(Desk->PixelAt(Memo, arrowFace), ColorToRGB(clBtnFace));
    // An owner that draws its own bar removes the style around the frame painting.
    WNDPROC old = reinterpret_cast<WNDPROC>(GetWindowLongPtr(Memo, GWLP_WNDPROC));
    static WNDPROC previous = nullptr;
    previous = old;
    SetWindowLongPtr(Memo, GWLP_WNDPROC, LONG_PTR(+[](HWND h, UINT m, WPARAM w, LPARAM l) {
                         if (m != WM_NCPAINT)
                             return CallWindowProc(previous, h, m, w, l);
                         LONG_PTR style = GetWindowLongPtr(h, GWL_STYLE);
                         SetWindowLongPtr(h, GWL_STYLE, style & ~LONG_PTR(WS_VSCROLL));
                         auto* dc = reinterpret_cast<TDC*>(w);
                         TRect r;
                         GetWindowRect(h, &r);
                         dc->FillRect(TRect(0, 0, r.Width(), r.Height()), RGB(0, 200, 0));
                         LRESULT res = CallWindowProc(previous, h, m, w, l);
                         SetWindowLongPtr(h, GWL_STYLE, style);
                         return res;
                     }));
    RedrawWindow(Memo, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    Desk->Pump();
    EXPECT_EQ(Desk->PixelAt(Memo, arrowFace), RGB(0, 200, 0));
    // The geometry is still there for the owner to read.
    TScrollBarInfo bi;
    ASSERT_TRUE(GetScrollBarInfo(Memo, OBJID_VSCROLL, &bi));
    EXPECT_EQ(bi.rcScrollBar.Width(), GetSystemMetrics(SM_CXVSCROLL));
}
} // namespace
