#include "editors/MemoRegistration.h"

#include "editors/Memo.h"
#include "editors/ScrollBar.h"
#include "platform/component/ClassRegistry.h"
#include "platform/control/ControlRegistration.h"

namespace {
template <class T> using P = TClassProperties<T>;

const TIdentMap& ScrollBarKindIdents() {
    static const TIdentMap map{{"sbHorizontal", sbHorizontal}, {"sbVertical", sbVertical}};
    return map;
}
const TIdentMap& ScrollStyleIdents() {
    static const TIdentMap map{{"ssNone", ssNone},
                               {"ssHorizontal", ssHorizontal},
                               {"ssVertical", ssVertical},
                               {"ssBoth", ssBoth}};
    return map;
}
const TIdentMap& HorzAlignmentIdents() {
    static const TIdentMap map{{"taLeftJustify", taLeftJustify},
                               {"taRightJustify", taRightJustify},
                               {"taCenter", taCenter}};
    return map;
}

void RegisterScrollBar() {
    using B = TcxScrollBar;
    RegisterComponentClass<B>("TcxScrollBar", "TCustomControl")
        .Boolean(
            "Ctl3D", [](B& b) { return b.Ctl3D(); }, [](B& b, bool v) { b.SetCtl3D(v); })
        .Stored([](B& b) { return !b.ParentCtl3D(); })
        .Enum<TScrollBarKind>(
            "Kind", ScrollBarKindIdents(), [](B& b) { return b.Kind(); },
            [](B& b, TScrollBarKind v) { b.SetKind(v); })
        .Default(sbHorizontal)
        .Integer(
            "LargeChange", [](B& b) { return b.LargeChange(); },
            [](B& b, int v) { b.SetLargeChange(v); })
        .Default(1)
        .Object("LookAndFeel", [](B& b) -> TPersistent* { return &b.LookAndFeel(); })
        .Integer(
            "Max", [](B& b) { return b.Max(); }, [](B& b, int v) { b.SetMax(v); })
        .Default(100)
        .Integer(
            "Min", [](B& b) { return b.Min(); }, [](B& b, int v) { b.SetMin(v); })
        .Default(0)
        .Integer(
            "PageSize", [](B& b) { return b.PageSize(); }, [](B& b, int v) { b.SetPageSize(v); })
        .Default(0)
        .Boolean(
            "ParentCtl3D", [](B& b) { return b.ParentCtl3D(); },
            [](B& b, bool v) { b.SetParentCtl3D(v); })
        .Default(1)
        .Integer(
            "Position", [](B& b) { return b.Position(); }, [](B& b, int v) { b.SetPosition(v); })
        .Default(0)
        .Integer(
            "SmallChange", [](B& b) { return b.SmallChange(); },
            [](B& b, int v) { b.SetSmallChange(v); })
        .Default(1)
        .Boolean(
            "UnlimitedTracking", [](B& b) { return b.UnlimitedTracking(); },
            [](B& b, bool v) { b.SetUnlimitedTracking(v); })
        .Default(0)
        .Event<TNotifyEvent>("OnChange", [](B& b) -> TNotifyEvent& { return b.OnChange; })
        .Event<TScrollEvent>("OnScroll", [](B& b) -> TScrollEvent& { return b.OnScroll; });
}

void RegisterMemoProperties() {
    using M = TcxCustomMemoProperties;
    P<M>(
        TClassRegistry::Global().Register("TcxCustomMemoProperties", "TcxCustomTextEditProperties"))
        // Only the horizontal alignment is the memo's to choose.
        .Enum<TAlignment>(
            "Alignment", HorzAlignmentIdents(), [](M& p) { return p.Alignment().Horz(); },
            [](M& p, TAlignment v) { p.Alignment().SetHorz(v); })
        .Default(taLeftJustify)
        .Boolean(
            "AutoSelect", [](M& p) { return p.AutoSelect(); },
            [](M& p, bool v) { p.SetAutoSelect(v); })
        .Default(0)
        .Enum<TScrollStyle>(
            "ScrollBars", ScrollStyleIdents(), [](M& p) { return p.ScrollBars(); },
            [](M& p, TScrollStyle v) { p.SetScrollBars(v); })
        .Default(ssNone)
        .Integer(
            "VisibleLineCount", [](M& p) { return p.VisibleLineCount(); },
            [](M& p, int v) { p.SetVisibleLineCount(v); })
        .Default(0)
        .Boolean(
            "WantReturns", [](M& p) { return p.WantReturns(); },
            [](M& p, bool v) { p.SetWantReturns(v); })
        .Default(1)
        .Boolean(
            "WantTabs", [](M& p) { return p.WantTabs(); }, [](M& p, bool v) { p.SetWantTabs(v); })
        .Default(0)
        .Boolean(
            "WordWrap", [](M& p) { return p.WordWrap(); }, [](M& p, bool v) { p.SetWordWrap(v); })
        .Default(1)
        // The single-line edit's password settings are not the memo's.
        .Integer(
            "EchoMode", [](M&) { return 0; }, [](M&, int) {})
        .Stored(false)
        .Integer(
            "PasswordChar", [](M&) { return 0; }, [](M&, int) {})
        .Stored(false);
    TClassRegistry::Global().Register("TcxMemoProperties", "TcxCustomMemoProperties");
}

void RegisterMemo() {
    using M = TcxCustomMemo;
    RegisterComponentClass<M>("TcxCustomMemo", "TcxCustomTextEdit")
        .Strings("Lines", [](M& m) -> TStrings* { return &m.Lines(); })
        // The text is stored as the lines; the memo makes no height of its own and does not
        // beep on Enter.
        .String(
            "Text", [](M& m) { return m.Text(); }, [](M& m, const std::string& v) { m.SetText(v); })
        .Stored(false)
        .Boolean(
            "AutoSize", [](M&) { return false; }, [](M&, bool) {})
        .Stored(false)
        .Boolean(
            "BeepOnEnter", [](M&) { return false; }, [](M&, bool) {})
        .Stored(false);
    RegisterComponentClass<TcxMemo>("TcxMemo", "TcxCustomMemo");
}
} // namespace

void RegisterScrollBarAndMemoClasses() {
    if (IsClassRegistered("TcxScrollBar"))
        return;
    RegisterScrollBar();
    RegisterMemoProperties();
    RegisterMemo();
}
