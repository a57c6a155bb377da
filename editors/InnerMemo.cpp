#include "editors/InnerMemo.h"

#include "editors/FlagGuard.h"
#include "editors/Memo.h"
#include "platform/native/NativeConst.h"
#include "platform/window/WinApi.h"

TcxCustomInnerMemo::TcxCustomInnerMemo(TcxCustomTextEdit* editor)
    : TCustomMemo(editor), FEditor(editor) {
    SetBorderStyle(bsNone);
    SetTabStop(false);
    SetParentColor(true);
    SetParentFont(true);
    SetCursor(crIBeam);
}

// The memo, or none while the memo is still being made (or taken apart) around this edit.
TcxCustomMemo* TcxCustomInnerMemo::Editor() const {
    return dynamic_cast<TcxCustomMemo*>(FEditor);
}

// The memo while it is whole and not being freed.
TcxCustomMemo* TcxCustomInnerMemo::LiveEditor() const {
    TcxCustomMemo* memo = Editor();
    return memo && !memo->IsDestroying() ? memo : nullptr;
}

void TcxCustomInnerMemo::SetEditValue(const TcxEditValue& value) {
    TFlagGuard internal(FInternalTextSetting, true);
    SetText(EditValueToText(value));
}

void TcxCustomInnerMemo::PaintFrameWithoutBars(TMessage& m) {
    const auto style = std::uint32_t(GetWindowLong(Handle(), GWL_STYLE));
    const std::uint32_t bars = style & (WS_VSCROLL | WS_HSCROLL);
    SetWindowLong(Handle(), GWL_STYLE, LONG_PTR(style & ~bars));
    struct TRestore {
        HWND Wnd;
        std::uint32_t Style;
        ~TRestore() { SetWindowLong(Wnd, GWL_STYLE, LONG_PTR(Style)); }
    } restore{Handle(), style};
    TCustomMemo::WndProc(m);
}

void TcxCustomInnerMemo::RequestScrollBarsUpdate() {
    // Not while the editor is being taken down around the inner memo.
    if (TcxCustomMemo* memo = LiveEditor())
        memo->UpdateScrollBarsParameters();
}

void TcxCustomInnerMemo::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_NCPAINT:
        if (TcxCustomMemo* memo = Editor();
            memo && ((memo->VScrollBar() && memo->VScrollBar()->Visible()) ||
                     (memo->HScrollBar() && memo->HScrollBar()->Visible()))) {
            PaintFrameWithoutBars(m);
            return;
        }
        break;
    case WM_KEYUP:
        // A Tab key-up never reaches the native memo.
        if (m.WParam == VK_TAB) {
            m.Result = 0;
            return;
        }
        break;
    case WM_KEYDOWN: {
        // While Escape is handled the memo does not ask for every key, so that Escape reaches
        // the dialog handling.
        TFlagGuard escape(FEscapeProcessing, m.WParam == VK_ESCAPE);
        TFlagGuard editing(FUserEditing, true);
        TCustomMemo::WndProc(m);
        RequestScrollBarsUpdate();
        return;
    }
    case WM_CHAR:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO: {
        TFlagGuard editing(FUserEditing, true);
        TCustomMemo::WndProc(m);
        return;
    }
    case WM_GETDLGCODE:
        TCustomMemo::WndProc(m);
        if (FEscapeProcessing)
            m.Result &= ~DLGC_WANTALLKEYS;
        return;
    case WM_SETTEXT: {
        TCustomMemo::WndProc(m);
        // A text set from outside becomes the editor's value.
        if (TcxCustomMemo* memo = LiveEditor(); memo && !FInternalTextSetting)
            memo->SynchronizeEditValue();
        RequestScrollBarsUpdate();
        return;
    }
    case WM_MOUSEWHEEL:
    case WM_LBUTTONUP:
    case WM_SIZE:
        TCustomMemo::WndProc(m);
        RequestScrollBarsUpdate();
        return;
    case WM_MOUSEMOVE:
        TCustomMemo::WndProc(m);
        // Selecting with the mouse below or above the text scrolls it.
        if (GetCapture() == Handle())
            RequestScrollBarsUpdate();
        return;
    case CN_COMMAND:
        if (HIWORD(std::uintptr_t(m.WParam)) == EN_VSCROLL ||
            HIWORD(std::uintptr_t(m.WParam)) == EN_HSCROLL) {
            if (TcxCustomMemo* memo = LiveEditor())
                memo->SetScrollBarsParameters();
            m.Result = 0;
            return;
        }
        break;
    default:
        break;
    }
    TCustomMemo::WndProc(m);
}

void TcxCustomInnerMemo::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (TcxCustomMemo* memo = Editor())
        memo->InnerEditKeyDown(key, shift);
}

void TcxCustomInnerMemo::KeyPress(char& key) {
    TcxCustomMemo* memo = Editor();
    if (!memo)
        return;
    memo->InnerEditKeyPress(key);
    if (key == '\t' && !memo->Properties().WantTabs())
        key = 0;
}

void TcxCustomInnerMemo::KeyUp(std::uint16_t& key, TShiftState shift) {
    if (TcxCustomMemo* memo = Editor())
        memo->InnerEditKeyUp(key, shift);
}

void TcxCustomInnerMemo::DoEnter() {
    TCustomMemo::DoEnter();
    if (TcxCustomMemo* memo = Editor())
        memo->InnerEditEnter();
}

void TcxCustomInnerMemo::DoExit() {
    if (TcxCustomMemo* memo = Editor())
        memo->InnerEditExit();
    TCustomMemo::DoExit();
}

void TcxCustomInnerMemo::Change() {
    TCustomMemo::Change();
    TcxCustomMemo* memo = Editor();
    if (memo && !memo->IsDestroying() && !memo->IsCreating())
        memo->ChangeHandler();
}
