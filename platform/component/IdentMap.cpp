#include "platform/component/IdentMap.h"

#include "platform/component/Component.h"
#include "platform/core/Color.h"

TIdentMap::TIdentMap(std::initializer_list<std::pair<std::string_view, long long>> entries) {
    for (auto& e : entries)
        Add(e.first, e.second);
}

void TIdentMap::Add(std::string_view name, long long value) {
    Entries.emplace_back(std::string(name), value);
}

bool TIdentMap::ValueOf(std::string_view name, long long& value) const {
    for (auto& e : Entries)
        if (SameText(e.first, name)) {
            value = e.second;
            return true;
        }
    return false;
}

const std::string* TIdentMap::NameOf(long long value) const {
    for (auto& e : Entries)
        if (e.second == value)
            return &e.first;
    return nullptr;
}

const TIdentMap& ColorIdents() {
    static const TIdentMap map{
        {"clBlack", clBlack},
        {"clMaroon", clMaroon},
        {"clGreen", clGreen},
        {"clOlive", clOlive},
        {"clNavy", clNavy},
        {"clPurple", clPurple},
        {"clTeal", clTeal},
        {"clGray", clGray},
        {"clSilver", clSilver},
        {"clRed", clRed},
        {"clLime", clLime},
        {"clYellow", clYellow},
        {"clBlue", clBlue},
        {"clFuchsia", clFuchsia},
        {"clAqua", clAqua},
        {"clWhite", clWhite},
        {"clNone", clNone},
        {"clDefault", clDefault},
        {"clScrollBar", clScrollBar},
        {"clBackground", clBackground},
        {"clActiveCaption", clActiveCaption},
        {"clInactiveCaption", clInactiveCaption},
        {"clMenu", clMenu},
        {"clWindow", clWindow},
        {"clWindowFrame", clWindowFrame},
        {"clMenuText", clMenuText},
        {"clWindowText", clWindowText},
        {"clCaptionText", clCaptionText},
        {"clActiveBorder", clActiveBorder},
        {"clInactiveBorder", clInactiveBorder},
        {"clAppWorkSpace", clAppWorkSpace},
        {"clHighlight", clHighlight},
        {"clHighlightText", clHighlightText},
        {"clBtnFace", clBtnFace},
        {"clBtnShadow", clBtnShadow},
        {"clGrayText", clGrayText},
        {"clBtnText", clBtnText},
        {"clInactiveCaptionText", clInactiveCaptionText},
        {"clBtnHighlight", clBtnHighlight},
        {"cl3DDkShadow", cl3DDkShadow},
        {"cl3DLight", cl3DLight},
        {"clInfoText", clInfoText},
        {"clInfoBk", clInfoBk},
        {"clHotLight", clHotLight},
        {"clGradientActiveCaption", clGradientActiveCaption},
        {"clGradientInactiveCaption", clGradientInactiveCaption},
        {"clMenuHighlight", clMenuHighlight},
        {"clMenuBar", clMenuBar},
    };
    return map;
}
