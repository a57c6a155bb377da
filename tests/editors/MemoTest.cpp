#include "editors/Memo.h"
#include "editors/EditorsRegistration.h"
#include "platform/component/LayoutReader.h"
#include "platform/component/LayoutWriter.h"
#include "platform/core/Exception.h"
#include "platform/native/NativeConst.h"
#include "platform/native/ScrollInfo.h"
#include "platform/window/WinApi.h"
#include "tests/platform/control/ControlTestFixture.h"

#include <string>

namespace {

// A read-only memo with a vertical scroll bar on a shown form, as the result window has it.
class MemoTest : public TControlTest {
public:
    TForm* Form = nullptr;
    TcxMemo* Memo = nullptr;

    void SetUp() override {
        TControlTest::SetUp();
        Form = NewForm();
        Memo = new TcxMemo(Form);
        Memo->SetName("Memo");
        Memo->SetBounds(10, 10, 200, 150);
        Memo->Properties().SetReadOnly(true);
        Memo->Properties().SetScrollBars(ssVertical);
        Memo->Style().SetTransparentBorder(false);
        Memo->SetParent(Form);
        Form->Show();
        Pump();
    }
    HWND Native() const { return Memo->InnerMemo()->Handle(); }
    TScrollInfo NativeInfo(int bar = SB_VERT) const {
        TScrollInfo si;
        EXPECT_TRUE(GetScrollInfo(Native(), bar, &si));
        return si;
    }
    int FirstVisibleLine() const {
        return int(SendMessage(Native(), EM_GETFIRSTVISIBLELINE, 0, 0));
    }
    // Replaces the text with lines "line 1" .. "line n" as a report is shown.
    void ShowLines(int n) {
        Memo->Clear();
        for (int i = 1; i <= n; ++i)
            Memo->Lines().Add("line " + std::to_string(i));
        Pump();
    }
    TcxControlScrollBar& Bar() const { return *Memo->VScrollBar(); }
    // The editor's vertical bar agrees with the native memo's: same place, range, page and
    // position.
    void ExpectBarMatchesNative() {
        TScrollBarInfo bi;
        ASSERT_TRUE(GetScrollBarInfo(Native(), OBJID_VSCROLL, &bi));
        TRect shown = Bar().BoundsRect().Offset(Memo->ClientToScreen(TPoint()));
        EXPECT_EQ(shown, bi.rcScrollBar);
        TScrollInfo si = NativeInfo();
        EXPECT_EQ(Bar().Min(), si.nMin);
        EXPECT_EQ(Bar().Max(), si.nMax);
        EXPECT_EQ(Bar().PageSize(), std::min(int(si.nPage), si.nMax));
        EXPECT_EQ(Bar().Position(), si.nPos);
        EXPECT_EQ(Bar().Enabled(), !(bi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE));
    }
};

TEST_F(MemoTest, ANewMemoHasItsSizeAndNoScrollBarControlsUntilAsked) {
    auto* m = new TcxMemo(Form);
    EXPECT_EQ(m->Width(), 185);
    EXPECT_EQ(m->Height(), 89);
    EXPECT_TRUE(m->ScrollBarsKnown());
    EXPECT_EQ(m->Properties().ScrollBars(), ssNone);
    EXPECT_FALSE(m->Properties().AutoSelect());
    EXPECT_EQ(m->HScrollBar(), nullptr);
    EXPECT_EQ(m->VScrollBar(), nullptr);
    EXPECT_EQ(m->SizeGrip(), nullptr);

    m->SetParent(Form);
    m->Properties().SetScrollBars(ssBoth);
    Pump();
    ASSERT_NE(m->HScrollBar(), nullptr);
    ASSERT_NE(m->VScrollBar(), nullptr);
    EXPECT_TRUE(m->HScrollBar()->Visible());
    EXPECT_TRUE(m->VScrollBar()->Visible());
    // The size grip fills the corner between the two bars.
    ASSERT_NE(m->SizeGrip(), nullptr);
    EXPECT_TRUE(m->SizeGrip()->Visible());
    EXPECT_EQ(m->SizeGrip()->Left(), m->VScrollBar()->Left());
    EXPECT_EQ(m->SizeGrip()->Top(), m->HScrollBar()->Top());

    m->Properties().SetScrollBars(ssNone);
    Pump();
    EXPECT_EQ(m->HScrollBar(), nullptr);
    EXPECT_EQ(m->VScrollBar(), nullptr);
    EXPECT_EQ(m->SizeGrip(), nullptr);
}

TEST_F(MemoTest, NLinesGiveNLinesAndTheNativeRangeAndPage) {
    for (int n : {0, 1, 3, 40, 12}) {
        SCOPED_TRACE("lines: " + std::to_string(n));
        ShowLines(n);
        EXPECT_EQ(Memo->Lines().Count(), n);
        ASSERT_NE(Memo->VScrollBar(), nullptr);
        EXPECT_TRUE(Bar().Visible());
        EXPECT_FALSE(Memo->HScrollBar()->Visible()) << "only the vertical bar is asked for";
        ExpectBarMatchesNative();
    }
    // Lines that fit leave nothing to scroll: the bar is disabled and shows no thumb.
    ShowLines(3);
    EXPECT_FALSE(Bar().Enabled());
    EXPECT_TRUE(Bar().ViewInfo().ThumbnailRect.IsEmpty());
    ShowLines(40);
    EXPECT_TRUE(Bar().Enabled());
    EXPECT_FALSE(Bar().ViewInfo().ThumbnailRect.IsEmpty());
}

TEST_F(MemoTest, AddingAtTheEndKeepsTheBarFollowingTheNativeMemo) {
    ShowLines(40);
    const TScrollInfo before = NativeInfo();
    EXPECT_EQ(before.nPos, before.nMax - int(before.nPage) + 1) << "the last line is shown";
    Memo->Lines().Add("one more");
    Pump();
    const TScrollInfo after = NativeInfo();
    EXPECT_EQ(after.nPos, before.nPos + 1);
    ExpectBarMatchesNative();
}

TEST_F(MemoTest, AddedLinesBecomeTheValueAndLineBreaksInsideAreKept) {
    Memo->Clear();
    EXPECT_EQ(Memo->Text(), "");
    Memo->Lines().Add("first\r\n");
    Memo->Lines().Add("second");
    Memo->Lines().Add("x\n\ry");
    Pump();
    EXPECT_EQ(Memo->Text(), "first\r\n\r\nsecond\r\nx\r\n\r\ny\r\n");
    EXPECT_EQ(EditValueToText(Memo->EditValue()), Memo->Text());
    EXPECT_EQ(Memo->Lines().Count(), 6);
    EXPECT_EQ(Memo->Lines()[1], "");
}

TEST_F(MemoTest, ReadOnlyMemoRefusesTypingButSelectsAllAndCopies) {
    ShowLines(5);
    const std::string text = Memo->Text();
    Memo->SetFocus();
    Pump();
    ASSERT_TRUE(Memo->Focused());
    Desk->Type("typed");
    Desk->PressKey(VK_RETURN);
    Desk->PressKey(VK_BACK);
    Desk->PressKey(VK_DELETE);
    Desk->PressKey('V', ssCtrl);
    Desk->PressKey('X', ssCtrl);
    EXPECT_EQ(Memo->Text(), text);

    Desk->PressKey('A', ssCtrl);
    EXPECT_EQ(Memo->InnerMemo()->SelStart(), 0);
    EXPECT_EQ(Memo->InnerMemo()->SelLength(), int(text.size()));
    Desk->PressKey('C', ssCtrl);
    EXPECT_EQ(GetClipboardTextGbk(), text);
    EXPECT_EQ(Memo->Text(), text);
}

TEST_F(MemoTest, CtrlAInAnEmptyMemoIsTakenAndSelectsNothing) {
    Memo->Clear();
    Memo->SetFocus();
    Pump();
    Desk->PressKey('A', ssCtrl);
    EXPECT_EQ(Memo->InnerMemo()->SelLength(), 0);
    EXPECT_EQ(Memo->Text(), "");
}

TEST_F(MemoTest, AReportOfFortyLinesScrollsToTheEndByTheBar) {
    ShowLines(40);
    Memo->SetFocus();
    Desk->PressKey(VK_HOME, ssCtrl);
    Pump();
    ASSERT_EQ(FirstVisibleLine(), 0);
    ExpectBarMatchesNative();

    // One click on the down arrow scrolls one line.
    const int h = Bar().Height();
    const TPoint down = Bar().ClientToScreen({5, h - 3});
    Desk->Click(down);
    Pump();
    EXPECT_EQ(FirstVisibleLine(), 1);
    ExpectBarMatchesNative();

    // The thumb dragged to the bottom shows the last line.
    const TRect thumb = Bar().ViewInfo().ThumbnailRect;
    const TPoint grab = Bar().ClientToScreen({5, thumb.Top + 1});
    Desk->MouseMove(grab);
    Desk->MouseDown(grab);
    Desk->MouseMove(grab + TPoint(0, h));
    Desk->MouseUp(grab + TPoint(0, h));
    Pump();
    const TScrollInfo si = NativeInfo();
    EXPECT_EQ(si.nPos, si.nMax - int(si.nPage) + 1);
    EXPECT_EQ(FirstVisibleLine(), si.nPos);
    ExpectBarMatchesNative();
    EXPECT_EQ(Bar().ViewInfo().ThumbnailRect.Bottom, Bar().ViewInfo().TrackEnd());

    // Page areas page through the native memo.
    const TPoint pageUp = Bar().ClientToScreen({5, Bar().ViewInfo().TrackStart() + 1});
    Desk->Click(pageUp);
    Pump();
    EXPECT_EQ(FirstVisibleLine(), si.nPos - int(si.nPage));
    ExpectBarMatchesNative();
}

TEST_F(MemoTest, AReportOfFortyLinesScrollsToTheEndByTheKeyboard) {
    ShowLines(40);
    Memo->SetFocus();
    Desk->PressKey(VK_HOME, ssCtrl);
    Pump();
    ASSERT_EQ(Bar().Position(), 0);
    Desk->PressKey(VK_NEXT);
    Pump();
    EXPECT_GT(Bar().Position(), 0);
    ExpectBarMatchesNative();
    Desk->PressKey(VK_END, ssCtrl);
    Pump();
    const TScrollInfo si = NativeInfo();
    EXPECT_EQ(si.nPos, si.nMax - int(si.nPage) + 1);
    ExpectBarMatchesNative();
}

TEST_F(MemoTest, ResizingKeepsTheInnerMemoFillingTheBoundsAndTheBarOnTheNativeOne) {
    ShowLines(40);
    for (TSize size : {TSize{250, 180}, TSize{120, 60}, TSize{280, 185}}) {
        SCOPED_TRACE(std::to_string(size.cx) + "x" + std::to_string(size.cy));
        Memo->SetBounds(Memo->Left(), Memo->Top(), size.cx, size.cy);
        Pump();
        EXPECT_EQ(Memo->InnerMemo()->BoundsRect(), Memo->GetClientBounds());
        // The border is drawn inside the memo on every side.
        EXPECT_EQ(Memo->GetClientBounds(), TRect(1, 1, size.cx - 1, size.cy - 1));
        EXPECT_EQ(Memo->InnerMemo()->BorderStyle(), bsNone);
        ExpectBarMatchesNative();
    }

    // Filling a window that is resized.
    Memo->SetAlign(alClient);
    Form->SetBounds(Form->Left(), Form->Top(), 260, 170);
    Pump();
    EXPECT_EQ(Memo->BoundsRect(), Form->ClientRect());
    EXPECT_EQ(Memo->InnerMemo()->BoundsRect(), Memo->GetClientBounds());
    ExpectBarMatchesNative();
}

TEST_F(MemoTest, TheMouseWheelMovesTheBarToo) {
    ShowLines(40);
    Memo->SetFocus();
    Desk->PressKey(VK_HOME, ssCtrl);
    Pump();
    Desk->Wheel(Memo->ClientToScreen({50, 50}), -120);
    Pump();
    EXPECT_GT(FirstVisibleLine(), 0);
    ExpectBarMatchesNative();
}

const char* kResultLayout = R"(object Result: TForm
  Left = 0
  Top = 0
  Width = 300
  Height = 200
  object Memo: TcxMemo
    Left = 0
    Top = 0
    Align = alClient
    Lines = (
      "first line"
    )
    ParentFont = False
    Properties.ReadOnly = True
    Properties.ScrollBars = ssVertical
    Style.Font.Color = clMaroon
    Style.Font.Height = -13
    Style.TransparentBorder = False
    Style.IsFontAssigned = True
    TabOrder = 1
  end
  object Bar: TcxScrollBar
    Left = 10
    Top = 10
    Width = 16
    Height = 100
    Kind = sbVertical
    PageSize = 150
    Position = 170
    Max = 200
    Min = 20
  end
end
)";

TEST_F(MemoTest, TheMemoAndAScrollBarAreReadFromALayoutAndWrittenBack) {
    RegisterEditorsClasses();
    TComponent* root = CreateFromLayout(App.get(), kResultLayout, "result.dfm");
    auto* form = dynamic_cast<TForm*>(root);
    ASSERT_NE(form, nullptr);
    auto& memo = form->FindComponentAs<TcxMemo>("Memo");
    EXPECT_EQ(memo.Lines().Count(), 1);
    EXPECT_EQ(memo.Lines()[0], "first line");
    EXPECT_EQ(EditValueToText(memo.EditValue()), memo.Text());
    EXPECT_TRUE(memo.Properties().ReadOnly());
    EXPECT_EQ(memo.Properties().ScrollBars(), ssVertical);
    EXPECT_FALSE(memo.Style().TransparentBorder());
    EXPECT_EQ(memo.Style().Font().Color(), clMaroon);
    EXPECT_NE(memo.VScrollBar(), nullptr);
    // Values given one by one that are only consistent together.
    auto& bar = form->FindComponentAs<TcxScrollBar>("Bar");
    EXPECT_EQ(bar.Kind(), sbVertical);
    EXPECT_EQ(bar.Min(), 20);
    EXPECT_EQ(bar.Max(), 200);
    EXPECT_EQ(bar.PageSize(), 150);
    EXPECT_EQ(bar.Position(), 170);

    const std::string written = WriteLayout(*form);
    EXPECT_NE(written.find("Properties.ScrollBars = ssVertical"), std::string::npos) << written;
    EXPECT_NE(written.find("Properties.ReadOnly = True"), std::string::npos);
    EXPECT_NE(written.find("Lines = (\n      \"first line\""), std::string::npos);
    EXPECT_NE(written.find("Style.TransparentBorder = False"), std::string::npos);
    EXPECT_NE(written.find("PageSize = 150"), std::string::npos);
    EXPECT_EQ(written.find("AutoSize"), std::string::npos);
    EXPECT_EQ(written.find("BeepOnEnter"), std::string::npos);
    EXPECT_EQ(written.find("  Text ="), std::string::npos);
    EXPECT_EQ(written.find("EchoMode"), std::string::npos);
    form->Free();
}

TEST_F(MemoTest, AnInconsistentScrollBarInALayoutIsRefused) {
    RegisterEditorsClasses();
    const char* layout = R"(object Result: TForm
  object Bar: TcxScrollBar
    Max = 5
    Min = 10
  end
end
)";
    try {
        CreateFromLayout(App.get(), layout, "bad.dfm");
        FAIL() << "the layout was read";
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.what()).find("Scrollbar property out of range"), std::string::npos)
            << e.what();
    }
}

TEST_F(MemoTest, ThePressedBarFocusesTheMemoAndFollowsItsEnabling) {
    ShowLines(40);
    auto* other = new TcxMemo(Form);
    other->SetBounds(220, 10, 60, 60);
    other->SetParent(Form);
    other->SetFocus();
    Pump();
    ASSERT_FALSE(Memo->Focused());
    const TPoint down = Bar().ClientToScreen({5, Bar().Height() - 3});
    Desk->Click(down);
    Pump();
    EXPECT_TRUE(Memo->Focused()) << "a press on the bar gives the memo the focus";

    Memo->SetEnabled(false);
    Pump();
    EXPECT_FALSE(Bar().Enabled());
    EXPECT_EQ(Bar().GetPartState(sbpLineDown), cxbsDisabled);
    Memo->SetEnabled(true);
    Pump();
    EXPECT_TRUE(Bar().Enabled());
}

TEST_F(MemoTest, AnEditableMemoTakesEnterAndLeavesTabToTheFormUnlessItWantsTabs) {
    Memo->Properties().SetReadOnly(false);
    Memo->Clear();
    auto* next = new TcxMemo(Form);
    next->SetBounds(220, 10, 60, 60);
    next->SetParent(Form);
    Memo->SetFocus();
    Pump();
    Desk->Type("ab");
    Desk->PressKey(VK_RETURN);
    Desk->Type("c");
    EXPECT_EQ(Memo->Text(), "ab\r\nc");
    EXPECT_EQ(Memo->CaretPos(), TPoint(1, 1));
    EXPECT_EQ(EditValueToText(Memo->EditValue()), "") << "typed text is taken on leaving";

    Desk->PressKey(VK_TAB);
    EXPECT_EQ(Memo->Text(), "ab\r\nc");
    EXPECT_TRUE(next->Focused()) << "Tab moves on";
    EXPECT_EQ(EditValueToText(Memo->EditValue()), "ab\r\nc");

    Memo->Properties().SetWantTabs(true);
    Memo->SetFocus();
    Pump();
    Memo->SetCaretPos(TPoint(1, 0));
    Desk->PressKey(VK_TAB);
    EXPECT_EQ(Memo->Text(), "a\tb\r\nc");
    EXPECT_TRUE(Memo->Focused());

    // Without WantReturns Enter does not break the line.
    Memo->Properties().SetWantReturns(false);
    Memo->SetFocus();
    Pump();
    Desk->PressKey(VK_RETURN);
    EXPECT_EQ(Memo->Text(), "a\tb\r\nc");
}

TEST_F(MemoTest, AVisibleLineCountMakesTheHeightShowThatManyLines) {
    ShowLines(20);
    const int before = Memo->Height();
    for (int count : {5, 3}) {
        SCOPED_TRACE(count);
        Memo->Properties().SetVisibleLineCount(count);
        Pump();
        EXPECT_EQ(int(NativeInfo().nPage), count);
        EXPECT_NE(Memo->Height(), before);
        ExpectBarMatchesNative();
    }
    // Filling the window wins over the line count.
    Memo->SetAlign(alClient);
    Pump();
    EXPECT_EQ(Memo->BoundsRect(), Form->ClientRect());
}

} // namespace

namespace {
// The editor's own bar is what the user sees over the native memo's place: its arrows are drawn
// on the screen, not covered by the memo's text.
TEST_F(MemoTest, TheEditorsBarIsDrawnWhereTheNativeBarWas) {
    ShowLines(40);
    ASSERT_TRUE(Bar().Visible());
    const TRect bar = Bar().BoundsRect().Offset(Memo->ClientToScreen(TPoint()));
    int dark = 0;
    for (int y = bar.Bottom - 17; y < bar.Bottom; ++y)
        for (int x = bar.Left; x < bar.Right; ++x)
            dark += Desk->PixelAt(Memo->Handle(), {x, y}) == RGB(0, 0, 0);
    EXPECT_GT(dark, 5) << "no down arrow drawn at " << bar.Left << "," << bar.Top;
}
} // namespace
