#include "platform/stdctrls/CustomMemo.h"

#include "platform/native/EditWindow.h"
#include "platform/native/NativeConst.h"

// --- Lines -----------------------------------------------------------------------------------

int TMemoStrings::Count() const {
    return int(FMemo.Model().LinesCount());
}

std::string TMemoStrings::Get(int index) const {
    if (index < 0 || index >= Count())
        IndexError(index);
    return FMemo.Model().Line(std::size_t(index));
}

void TMemoStrings::Insert(int index, const std::string& line) {
    if (index < 0 || index > Count())
        IndexError(index);
    FMemo.Model().InsertLine(std::size_t(index), line);
    FMemo.LinesChanged();
}

void TMemoStrings::Delete(int index) {
    if (index < 0 || index >= Count())
        IndexError(index);
    FMemo.Model().DeleteLine(std::size_t(index));
    FMemo.LinesChanged();
}

void TMemoStrings::Put(int index, const std::string& line) {
    if (index < 0 || index >= Count())
        IndexError(index);
    FMemo.Model().SetLine(std::size_t(index), line);
    FMemo.LinesChanged();
}

void TMemoStrings::Clear() {
    FMemo.SetText("");
}

// --- Memo ------------------------------------------------------------------------------------

TCustomMemo::TCustomMemo(TComponent* owner)
    : TCustomEdit(owner), FLines(*this), FOffline(std::make_unique<TMemoModel>()) {
    SetBounds(0, 0, 185, 89);
    SetAutoSelect(false);
}

TCustomMemo::~TCustomMemo() = default;

TMemoModel& TCustomMemo::Model() const {
    if (FHandle) {
        if (auto* w = dynamic_cast<TEditWindow*>(TNativeWindow::From(FHandle)); w && w->Memo())
            return *w->Memo();
    }
    return *FOffline;
}

void TCustomMemo::LinesChanged() {
    if (!FHandle)
        return;
    // The model changed under the window: let it measure, repaint and notify.
    SendMessage(FHandle, EM_SCROLLCARET, 0, 0);
}

void TCustomMemo::SetLines(const TStrings& lines) {
    FLines.Assign(lines);
}

void TCustomMemo::CreateParams(TCreateParams& p) {
    TCustomEdit::CreateParams(p);
    p.Style |= ES_MULTILINE | ES_AUTOVSCROLL;
    if (FWordWrap && FScrollBars != ssHorizontal && FScrollBars != ssBoth)
        p.Style &= ~ES_AUTOHSCROLL;
    if (FWantReturns)
        p.Style |= ES_WANTRETURN;
    if (FScrollBars == ssVertical || FScrollBars == ssBoth)
        p.Style |= WS_VSCROLL;
    if (FScrollBars == ssHorizontal || FScrollBars == ssBoth)
        p.Style |= WS_HSCROLL;
    p.Caption = FOffline->Text().Text();
}

void TCustomMemo::CreateWnd() {
    TCustomEdit::CreateWnd();
    Send(EM_SETWORDWRAP, FWordWrap);
    Send(EM_SETWANTTABS, FWantTabs);
}

void TCustomMemo::DestroyWnd() {
    FOffline->SetText(GetText());
    TCustomEdit::DestroyWnd();
}

std::string TCustomMemo::GetText() const {
    return Model().Text().Text();
}

void TCustomMemo::SetTextValue(const std::string& text) {
    if (HandleAllocated())
        SetWindowText(FHandle, text);
    else
        FOffline->SetText(text);
}

void TCustomMemo::SetScrollBars(TScrollStyle v) {
    if (FScrollBars == v)
        return;
    FScrollBars = v;
    RecreateWnd();
}

void TCustomMemo::SetWantReturns(bool v) {
    if (FWantReturns == v)
        return;
    FWantReturns = v;
    RecreateWnd();
}

void TCustomMemo::SetWantTabs(bool v) {
    FWantTabs = v;
    Send(EM_SETWANTTABS, v);
}

void TCustomMemo::SetWordWrap(bool v) {
    if (FWordWrap == v)
        return;
    FWordWrap = v;
    Send(EM_SETWORDWRAP, v);
}
