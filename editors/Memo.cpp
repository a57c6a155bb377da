#include "editors/Memo.h"

#include "platform/native/NativeConst.h"
#include "platform/native/ScrollInfo.h"
#include "platform/window/WinApi.h"

#include "platform/draw/DC.h"

#include <algorithm>

namespace {
int TextHeightOf(const TFont& font, std::string_view sample) {
    TPixelBuffer pixel(1, 1);
    TDC dc(pixel);
    TCanvas canvas(&dc);
    canvas.Font().Assign(font);
    return canvas.TextHeight(sample);
}
} // namespace

TcxCustomMemo::TcxCustomMemo(TComponent* owner)
    : TcxCustomTextEdit(
          owner, [](TPersistent* o) { return std::make_unique<TcxMemoProperties>(o); },
          [](TcxCustomTextEdit* editor) { return new TcxCustomInnerMemo(editor); }) {
    FInnerMemo = static_cast<TcxCustomInnerMemo*>(InnerEditControl());
    FInnerMemo->SetParentColor(true);
    FInnerMemo->SetParentFont(true);
    SetBounds(Left(), Top(), 185, 89);
    PropertiesChanged();
}

TcxCustomMemo::~TcxCustomMemo() {
    MarkDestroying();
}

// --- Caret ----------------------------------------------------------------------------------

TPoint TcxCustomMemo::CaretPos() const {
    TMemoModel& model = FInnerMemo->Model();
    const std::size_t caret = model.Text().Caret();
    std::size_t line = 0;
    for (std::size_t i = 1; i < model.LinesCount(); ++i) {
        if (model.LineStartOffset(i) > caret)
            break;
        line = i;
    }
    return TPoint(int(caret - model.LineStartOffset(line)), int(line));
}

void TcxCustomMemo::SetCaretPos(TPoint value) {
    TMemoModel& model = FInnerMemo->Model();
    const std::size_t count = model.LinesCount();
    if (count == 0) {
        FInnerMemo->SetSelStart(0);
        return;
    }
    const std::size_t line = std::size_t(std::clamp(value.Y, 0, int(count) - 1));
    const std::size_t column = std::min(std::size_t(std::max(value.X, 0)), model.Line(line).size());
    FInnerMemo->SetSelStart(int(model.LineStartOffset(line) + column));
    FInnerMemo->SetSelLength(0);
}

// --- Properties -----------------------------------------------------------------------------

bool TcxCustomMemo::NeedsScrollBars() const {
    return FInnerMemo && Properties().ScrollBars() != ssNone;
}

void TcxCustomMemo::PropertiesChanged() {
    TcxCustomTextEdit::PropertiesChanged();
    if (!FInnerMemo || IsDestroying())
        return;
    const TcxCustomMemoProperties& p = Properties();
    FInnerMemo->SetWantReturns(p.WantReturns());
    FInnerMemo->SetWantTabs(p.WantTabs());
    FInnerMemo->SetWordWrap(p.WordWrap());
    FInnerMemo->SetScrollBars(p.ScrollBars());
    FScrollBarsKnown = true;
    if (NeedsScrollBars())
        CreateScrollBars();
    else
        DestroyScrollBars();
    SetScrollBarsParameters();
}

// --- Keys -----------------------------------------------------------------------------------

bool TcxCustomMemo::CanKeyDownModifyEdit(std::uint16_t key, TShiftState shift) const {
    if (key == VK_RETURN)
        return Properties().WantReturns() || (shift & ssCtrl);
    if (key == VK_TAB)
        return Properties().WantTabs();
    return TcxCustomTextEdit::CanKeyDownModifyEdit(key, shift);
}

bool TcxCustomMemo::CanKeyPressModifyEdit(char key) const {
    if (key == '\r' || key == '\n')
        return Properties().WantReturns();
    if (key == '\t')
        return Properties().WantTabs();
    return TcxCustomTextEdit::CanKeyPressModifyEdit(key);
}

void TcxCustomMemo::DoEditKeyDown(std::uint16_t& key, TShiftState shift) {
    const bool onlyCtrl = (shift & ssCtrl) && !(shift & (ssShift | ssAlt));
    if (key == 'A' && onlyCtrl) {
        if (Lines().Count() > 0)
            SelectAll();
        key = 0;
        return;
    }
    TcxCustomTextEdit::DoEditKeyDown(key, shift);
}

// --- Text -----------------------------------------------------------------------------------

void TcxCustomMemo::ChangeHandler() {
    TcxCustomTextEdit::ChangeHandler();
    // Lines added by the program: the value follows the whole text at once. What the user
    // types becomes the value when it is validated, as in the text edit.
    if (!FInnerMemo->IsInternalTextSetting() && !FInnerMemo->IsUserEditing() && !IsLoading())
        SynchronizeEditValue();
    UpdateScrollBarsParameters();
}

void TcxCustomMemo::ReadState(const std::function<void()>& read) {
    TcxCustomTextEdit::ReadState(read);
    if (Lines().Count() == 0)
        return;
    LockChangeEvents(true);
    InternalSetEditValue(TcxEditValue(FInnerMemo->Text()));
    LockChangeEvents(false, false);
}

// --- Geometry -------------------------------------------------------------------------------

bool TcxCustomMemo::CanAutoHeight() const {
    return !IsInplace() && Properties().VisibleLineCount() > 0 && Align() != alClient &&
           Align() != alLeft && Align() != alRight;
}

int TcxCustomMemo::AutoHeight() {
    const TRect extent = GetBorderExtent();
    int height =
        extent.Top + extent.Bottom +
        TextHeightOf(GetActiveStyle().GetVisibleFont(), "Zg") * Properties().VisibleLineCount();
    const TScrollStyle bars = Properties().ScrollBars();
    if (bars == ssHorizontal || bars == ssBoth)
        height += GetSystemMetrics(SM_CYHSCROLL);
    return height;
}

void TcxCustomMemo::SetSize() {
    if (!FInnerMemo || IsDestroying())
        return;
    // With a visible line count the height shows that many lines; otherwise the memo keeps the
    // height it is given. The inner memo fills the client bounds.
    if (CanAutoHeight() && !FSizing) {
        const int height = AutoHeight();
        if (height != Height()) {
            FSizing = true;
            struct TDone {
                bool& Flag;
                ~TDone() { Flag = false; }
            } done{FSizing};
            SetBounds(Left(), Top(), Width(), height);
            CalculateViewInfo(TPoint(-1, -1), false);
        }
    }
    TcxContainer::SetSize();
    UpdateScrollBarsParameters();
}

void TcxCustomMemo::CMFontChanged(TMessage& m) {
    TcxCustomTextEdit::CMFontChanged(m);
    UpdateScrollBarsParameters();
}

void TcxCustomMemo::CMEnabledChanged(TMessage& m) {
    TcxCustomTextEdit::CMEnabledChanged(m);
    // The bars are enabled only with the memo.
    SetScrollBarsParameters();
}

void TcxCustomMemo::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CM_UPDATESCROLLBARS:
        FUpdatePosted = false;
        SetScrollBarsParameters();
        m.Result = 0;
        return;
    case WM_WINDOWPOSCHANGED:
        TcxCustomTextEdit::WndProc(m);
        UpdateScrollBarsParameters();
        return;
    default:
        break;
    }
    TcxCustomTextEdit::WndProc(m);
}

// --- Scroll bars ----------------------------------------------------------------------------

void TcxCustomMemo::UpdateScrollBarsParameters() {
    if (FUpdatePosted || !HandleAllocated() || IsDestroying() || !NeedsScrollBars())
        return;
    FUpdatePosted = true;
    PostMessage(Handle(), CM_UPDATESCROLLBARS, 0, 0);
}

void TcxCustomMemo::AdjustScrollBarPosition(TcxControlScrollBar& bar) {
    TcxScrollBarData& data = bar.Data();
    TScrollBarInfo info;
    const long id = bar.Kind() == sbVertical ? OBJID_VSCROLL : OBJID_HSCROLL;
    if (!FInnerMemo->HandleAllocated() || !GetScrollBarInfo(FInnerMemo->Handle(), id, &info) ||
        (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN))) {
        data.Visible = false;
        return;
    }
    data.Enabled = Enabled() && !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
    TRect r = info.rcScrollBar.Offset(TPoint() - ClientToScreen(TPoint()));
    if (!TRect(0, 0, Width(), Height()).Contains(r))
        r = TRect();
    if (bar.BoundsRect() != r)
        bar.SetBoundsRect(r);
    data.Visible = r.Width() > 0 && r.Height() > 0;
    if (data.Visible) {
        bar.SetCtl3D(false);
        bar.BringToFront();
    }
}

void TcxCustomMemo::FeedScrollBar(TcxControlScrollBar& bar) {
    AdjustScrollBarPosition(bar);
    TcxScrollBarData& data = bar.Data();
    if (data.Visible) {
        TScrollInfo si;
        const int kind = bar.Kind() == sbVertical ? SB_VERT : SB_HORZ;
        if (GetScrollInfo(FInnerMemo->Handle(), kind, &si)) {
            data.Min = si.nMin;
            data.Max = std::max(si.nMax, si.nMin);
            // The page never exceeds the maximum, so the bar takes it.
            data.PageSize = std::min(int(si.nPage), data.Max);
            data.Position = std::clamp(si.nPos, data.Min, data.Max);
        } else {
            data.Visible = false;
        }
    }
    bar.ApplyData();
}

void TcxCustomMemo::CheckSizeGrip() {
    TcxSizeGrip* grip = SizeGrip();
    if (!grip)
        return;
    TcxControlScrollBar* h = HScrollBar();
    TcxControlScrollBar* v = VScrollBar();
    if (!h || !v || !h->Visible() || !v->Visible()) {
        grip->SetVisible(false);
        return;
    }
    // The corner between the native memo's bars.
    TRect corner(v->Left(), h->Top(), v->Left() + v->Width(), h->Top() + h->Height());
    if (grip->BoundsRect() != corner)
        grip->SetBoundsRect(corner);
    grip->BringToFront();
    grip->SetVisible(true);
}

void TcxCustomMemo::SetScrollBarsParameters() {
    if (!FInnerMemo || !NeedsScrollBars() || IsDestroying() || FSettingScrollBars)
        return;
    struct TGuard {
        bool& Flag;
        explicit TGuard(bool& flag) : Flag(flag) { Flag = true; }
        ~TGuard() { Flag = false; }
    } guard(FSettingScrollBars);
    CreateScrollBars();
    if (TcxControlScrollBar* bar = HScrollBar())
        FeedScrollBar(*bar);
    if (TcxControlScrollBar* bar = VScrollBar())
        FeedScrollBar(*bar);
    CheckSizeGrip();
}

void TcxCustomMemo::Scroll(TScrollBarKind kind, TScrollCode code, int& position) {
    if (!FInnerMemo->HandleAllocated())
        return;
    HWND memo = FInnerMemo->Handle();
    if (kind == sbVertical && (code == scLineUp || code == scLineDown)) {
        SendMessage(memo, EM_LINESCROLL, 0, code == scLineUp ? -1 : 1);
    } else {
        const UINT msg = kind == sbVertical ? WM_VSCROLL : WM_HSCROLL;
        SendMessage(memo, msg, MAKEWPARAM(int(code), position), 0);
    }
    TScrollInfo si;
    if (GetScrollInfo(memo, kind == sbVertical ? SB_VERT : SB_HORZ, &si))
        position = si.nPos;
    SetScrollBarsParameters();
}
