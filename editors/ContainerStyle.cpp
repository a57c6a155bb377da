#include "editors/ContainerStyle.h"

#include "editors/Container.h"
#include "editors/StyleController.h"
#include "lookandfeel/LookAndFeel.h"
#include "platform/component/Component.h"

const char* const cxContainerStyleValueNameA[10] = {
    "BorderColor", "BorderStyle", "Color",     "Edges",     "Font",
    "HotTrack",    "Shadow",      "TextColor", "TextStyle", "TransparentBorder"};
const char* const cxEditStyleValueNameA[6] = {"ButtonStyle",      "ButtonTransparency",
                                              "PopupBorderStyle", "GradientButtons",
                                              "Gradient",         "GradientDirection"};

namespace {
// The values that live only in the base style.
constexpr TcxContainerStyleValues BaseOnlyValues =
    StyleValueBit(svEdges) | StyleValueBit(svFont) | StyleValueBit(svHotTrack) |
    StyleValueBit(svShadow) | StyleValueBit(svTransparentBorder);

TcxContainerBorderStyle BorderStyleOfKind(TcxLookAndFeelKind kind) {
    switch (kind) {
    case lfFlat:
        return cbsFlat;
    case lfStandard:
        return cbs3D;
    case lfUltraFlat:
        return cbsUltraFlat;
    case lfOffice11:
        return cbsOffice11;
    }
    return cbsUltraFlat;
}

// The hot and focused border of a style that tracks the mouse.
TcxContainerBorderStyle HotBorderStyle(TcxContainerBorderStyle normal) {
    switch (normal) {
    case cbsNone:
        return cbsFlat;
    case cbsSingle:
    case cbsThick:
        return cbsThick;
    case cbsFlat:
    case cbs3D:
        return cbs3D;
    case cbsUltraFlat:
        return cbsUltraFlat;
    case cbsOffice11:
        return cbsOffice11;
    }
    return normal;
}
} // namespace

// --- Life -----------------------------------------------------------------------------------

TcxContainerStyle::TcxContainerStyle(TPersistent* owner, bool directAccessMode,
                                     TcxContainerStyle* parentStyle, TcxContainerStateItem state)
    : FDirectAccessMode(directAccessMode), FOwner(owner), FState(state) {
    if (state != csNormal)
        FParentStyle = parentStyle;
    FVisibleFont = std::make_unique<TFont>();
    if (!IsBaseStyle())
        return;
    FFont = std::make_unique<TFont>();
    FFont->OnChange = [this](TPersistent*) { FontChanged(); };
    FLookAndFeel = std::make_unique<TcxLookAndFeel>(owner);
    FLookAndFeel->OnChanged = [this](TcxLookAndFeel*, TcxLookAndFeelValues) {
        LookAndFeelChanged();
    };
    if (!OwnedByDefaultController())
        LinkController(&DefaultContainerStyleController());
}

TcxContainerStyle::~TcxContainerStyle() {
    FIsDestroying = true;
    if (FStyleController)
        FStyleController->RemoveListener(this);
    FStyleController = nullptr;
}

TcxContainer* TcxContainerStyle::Container() const {
    return dynamic_cast<TcxContainer*>(FOwner);
}

bool TcxContainerStyle::OwnedByDefaultController() const {
    const auto* controller = dynamic_cast<const TcxStyleController*>(FOwner);
    return controller && controller->IsDefault();
}

// --- Resolution -----------------------------------------------------------------------------

TcxStyleController* TcxContainerStyle::ActiveController() const {
    return GetBaseStyle()->FStyleController;
}

const TcxContainerStyle* TcxContainerStyle::FindAssigned(int index) const {
    const TcxContainerStyle* style = this;
    // A chain of controllers never loops (links that would are refused); the bound is a guard.
    for (int depth = 0; style && depth < 64; ++depth) {
        if (style->IsAssignedHere(index))
            return style;
        TcxStyleController* controller = style->ActiveController();
        style = controller ? &controller->GetInternalStyle(style->FState) : nullptr;
    }
    return nullptr;
}

bool TcxContainerStyle::IsValueAssigned(int index) const {
    // The transparent border is not among the values this answers for (AssignedValues and
    // IsValueStored tell about it).
    if (index < 0 || index >= GetStyleValueCount() || index == svTransparentBorder)
        return false;
    if (!IsBaseStyle() && (BaseOnlyValues & StyleValueBit(index)))
        return GetBaseStyle()->IsValueAssigned(index);
    return FindAssigned(index) != nullptr;
}

TColor TcxContainerStyle::BorderColor() const {
    if (const TcxContainerStyle* s = FindAssigned(svBorderColor))
        return s->FBorderColor;
    return DefaultBorderColor();
}

TcxContainerBorderStyle TcxContainerStyle::BorderStyle() const {
    if (const TcxContainerStyle* s = FindAssigned(svBorderStyle))
        return s->FBorderStyle;
    return DefaultBorderStyle();
}

TColor TcxContainerStyle::GetColor() const {
    if (IsBaseStyle()) {
        TcxContainer* container = Container();
        if (container && container->ParentColor() && container->Parent())
            return container->Parent()->Color();
    }
    if (const TcxContainerStyle* s = FindAssigned(svColor))
        return s->FColor;
    return DefaultColor();
}

TColor TcxContainerStyle::GetStyleColor() const {
    if (const TcxContainerStyle* s = FindAssigned(svColor))
        return s->FColor;
    if (IsBaseStyle()) {
        TcxContainer* container = Container();
        if (container && !container->IsInplace() && container->ParentColor() && container->Parent())
            return container->Parent()->Color();
    }
    return DefaultColor();
}

TcxBorders TcxContainerStyle::Edges() const {
    if (!IsBaseStyle())
        return GetBaseStyle()->Edges();
    if (const TcxContainerStyle* s = FindAssigned(svEdges))
        return s->FEdges;
    return DefaultEdges();
}

TFont& TcxContainerStyle::Font() {
    return *GetBaseStyle()->FFont;
}

const TFont& TcxContainerStyle::Font() const {
    return *GetBaseStyle()->FFont;
}

bool TcxContainerStyle::HotTrack() const {
    if (!IsBaseStyle())
        return GetBaseStyle()->HotTrack();
    if (const TcxContainerStyle* s = FindAssigned(svHotTrack))
        return s->FHotTrack;
    return DefaultHotTrack();
}

bool TcxContainerStyle::Shadow() const {
    if (!IsBaseStyle())
        return GetBaseStyle()->Shadow();
    if (const TcxContainerStyle* s = FindAssigned(svShadow))
        return s->FShadow;
    return DefaultShadow();
}

TColor TcxContainerStyle::TextColor() const {
    if (const TcxContainerStyle* s = FindAssigned(svTextColor))
        return s->FTextColor;
    return DefaultTextColor();
}

TFontStyles TcxContainerStyle::TextStyle() const {
    if (const TcxContainerStyle* s = FindAssigned(svTextStyle))
        return s->FTextStyle;
    return DefaultTextStyle();
}

bool TcxContainerStyle::TransparentBorder() const {
    if (!IsBaseStyle())
        return GetBaseStyle()->TransparentBorder();
    if (const TcxContainerStyle* s = FindAssigned(svTransparentBorder))
        return s->FTransparentBorder;
    return DefaultTransparentBorder();
}

TcxLookAndFeel& TcxContainerStyle::LookAndFeel() {
    return *GetBaseStyle()->FLookAndFeel;
}

TcxStyleController* TcxContainerStyle::StyleController() const {
    TcxStyleController* controller = ActiveController();
    if (controller == &DefaultContainerStyleController())
        return nullptr;
    return controller;
}

bool TcxContainerStyle::HasBorder() const {
    return IsBaseStyle() ? true : FParentStyle->HasBorder();
}

// --- Defaults -------------------------------------------------------------------------------

TColor TcxContainerStyle::DefaultBorderColor() const {
    if (IsBaseStyle())
        return clWindowFrame;
    if (FState == csDisabled)
        return clBtnShadow;
    return Parent().BorderColor();
}

TcxContainerBorderStyle TcxContainerStyle::DefaultBorderStyle() const {
    if (IsBaseStyle())
        return BorderStyleOfKind(FLookAndFeel->Kind());
    TcxContainerBorderStyle parent = Parent().BorderStyle();
    if (FState == csDisabled || !HotTrack())
        return parent;
    return HotBorderStyle(parent);
}

TColor TcxContainerStyle::DefaultColor() const {
    TcxContainer* container = Container();
    if (IsBaseStyle())
        return !container || container->DefaultParentColor() ? clBtnFace : clWindow;
    if (FState == csDisabled && container && !container->DefaultParentColor())
        return clBtnFace;
    return Parent().GetColor();
}

TColor TcxContainerStyle::DefaultTextColor() const {
    if (IsBaseStyle())
        return FFont->Color();
    if (FState == csDisabled)
        return clBtnShadow;
    return Parent().TextColor();
}

TFontStyles TcxContainerStyle::DefaultTextStyle() const {
    if (IsBaseStyle())
        return FFont->Style();
    return Parent().TextStyle();
}

// --- Writing --------------------------------------------------------------------------------

void TcxContainerStyle::SetBorderColor(TColor value) {
    if (IsAssignedHere(svBorderColor) && FBorderColor == value)
        return;
    FBorderColor = value;
    MarkAssigned(svBorderColor);
    Changed();
}

void TcxContainerStyle::SetBorderStyle(TcxContainerBorderStyle value) {
    if (IsAssignedHere(svBorderStyle) && FBorderStyle == value)
        return;
    FBorderStyle = value;
    MarkAssigned(svBorderStyle);
    Changed();
}

void TcxContainerStyle::SetColor(TColor value) {
    if (IsAssignedHere(svColor) && FColor == value)
        return;
    FColor = value;
    MarkAssigned(svColor);
    Changed();
}

void TcxContainerStyle::SetEdges(TcxBorders value) {
    if (!IsBaseStyle()) {
        GetBaseStyle()->SetEdges(value);
        return;
    }
    value &= cxBordersAll;
    if (IsAssignedHere(svEdges) && FEdges == value)
        return;
    FEdges = value;
    MarkAssigned(svEdges);
    Changed();
}

void TcxContainerStyle::SetFont(const TFont& value) {
    GetBaseStyle()->FFont->Assign(value);
}

void TcxContainerStyle::SetHotTrack(bool value) {
    if (!IsBaseStyle()) {
        GetBaseStyle()->SetHotTrack(value);
        return;
    }
    if (IsAssignedHere(svHotTrack) && FHotTrack == value)
        return;
    FHotTrack = value;
    MarkAssigned(svHotTrack);
    Changed();
}

void TcxContainerStyle::SetShadow(bool value) {
    if (!IsBaseStyle()) {
        GetBaseStyle()->SetShadow(value);
        return;
    }
    if (IsAssignedHere(svShadow) && FShadow == value)
        return;
    FShadow = value;
    MarkAssigned(svShadow);
    Changed();
}

void TcxContainerStyle::SetTextColor(TColor value) {
    if (IsAssignedHere(svTextColor) && TextColor() == value)
        return;
    FTextColor = value;
    MarkAssigned(svTextColor);
    Changed();
}

void TcxContainerStyle::SetTextStyle(TFontStyles value) {
    if (IsAssignedHere(svTextStyle) && TextStyle() == value)
        return;
    FTextStyle = value;
    MarkAssigned(svTextStyle);
    Changed();
}

void TcxContainerStyle::SetTransparentBorder(bool value) {
    if (!IsBaseStyle()) {
        GetBaseStyle()->SetTransparentBorder(value);
        return;
    }
    if (IsAssignedHere(svTransparentBorder) && FTransparentBorder == value)
        return;
    FTransparentBorder = value;
    MarkAssigned(svTransparentBorder);
    Changed();
}

void TcxContainerStyle::SetLookAndFeel(const TcxLookAndFeel& value) {
    LookAndFeel().Assign(value);
}

void TcxContainerStyle::SetAssignedValues(TcxContainerStyleValues value) {
    if (FAssignedValues == value)
        return;
    FAssignedValues = value;
    if (IsBaseStyle())
        UpdateFont();
    Changed();
}

// --- Font -----------------------------------------------------------------------------------

void TcxContainerStyle::FontChanged() {
    if (FFontAssignedLock == 0)
        MarkAssigned(svFont);
    Changed();
}

void TcxContainerStyle::UpdateFont() {
    if (!IsBaseStyle()) {
        GetBaseStyle()->UpdateFont();
        return;
    }
    if (IsAssignedHere(svFont))
        return;
    ++FFontAssignedLock;
    try {
        const TcxContainerStyle* source = nullptr;
        if (TcxStyleController* controller = ActiveController())
            source = controller->Style().FindAssigned(svFont);
        TcxContainer* container = Container();
        if (source)
            FFont->Assign(*source->FFont);
        else if (!container || !container->ParentFont())
            FFont->Assign(TFont());
    } catch (...) {
        --FFontAssignedLock;
        throw;
    }
    --FFontAssignedLock;
}

const TFont& TcxContainerStyle::GetVisibleFont() {
    FVisibleFont->Assign(Font());
    FVisibleFont->SetColor(TextColor());
    FVisibleFont->SetStyle(TextStyle());
    return *FVisibleFont;
}

// --- Notification ---------------------------------------------------------------------------

void TcxContainerStyle::Changed() {
    FModified = true;
    CheckChanges();
}

void TcxContainerStyle::CheckChanges() {
    if (!FModified || FUpdateCount != 0)
        return;
    FModified = false;
    if (!FIsDestroying && OnChanged)
        OnChanged(this);
}

void TcxContainerStyle::EndUpdate() {
    if (FUpdateCount == 0)
        return;
    --FUpdateCount;
    CheckChanges();
}

void TcxContainerStyle::LookAndFeelChanged() {
    Changed();
}

bool TcxContainerStyle::Assign(const TPersistent& source) {
    const auto* other = dynamic_cast<const TcxContainerStyle*>(&source);
    if (!other)
        return false;
    if (other == this)
        return true;
    BeginUpdate();
    try {
        FBorderColor = other->FBorderColor;
        FBorderStyle = other->FBorderStyle;
        FColor = other->FColor;
        FTextColor = other->FTextColor;
        FTextStyle = other->FTextStyle;
        if (IsBaseStyle() && other->IsBaseStyle()) {
            FEdges = other->FEdges;
            FHotTrack = other->FHotTrack;
            FShadow = other->FShadow;
            FTransparentBorder = other->FTransparentBorder;
            ++FFontAssignedLock;
            FFont->Assign(*other->FFont);
            --FFontAssignedLock;
            FAssignedValues = other->FAssignedValues;
            SetStyleController(other->StyleController());
            FLookAndFeel->Assign(*other->FLookAndFeel);
        } else {
            FAssignedValues =
                (other->FAssignedValues & ~BaseOnlyValues) | (FAssignedValues & BaseOnlyValues);
        }
        Changed();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    return true;
}

void TcxContainerStyle::RestoreDefaults() {
    BeginUpdate();
    try {
        FAssignedValues = 0;
        if (IsBaseStyle()) {
            FLookAndFeel->Reset();
            if (TcxContainer* container = Container()) {
                container->SetParentColor(false);
                container->SetParentFont(true);
                TcxStyleController* controller = ActiveController();
                bool controllerColor =
                    controller && controller->Style().FindAssigned(svColor) != nullptr;
                if (container->DefaultParentColor() && !controllerColor)
                    container->SetParentColor(true);
            } else {
                ++FFontAssignedLock;
                FFont->Assign(TFont());
                --FFontAssignedLock;
            }
            UpdateFont();
        }
        Changed();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

// --- Style controller -----------------------------------------------------------------------

TcxStyleController* TcxContainerStyle::GetDefaultStyleController() const {
    return &DefaultContainerStyleController();
}

bool TcxContainerStyle::LeadsBackHere(TcxStyleController* controller) const {
    const TcxContainerStyle* base = GetBaseStyle();
    for (int depth = 0; controller && depth < 64; ++depth) {
        if (static_cast<TPersistent*>(controller) == base->FOwner)
            return true;
        controller = controller->Style().FStyleController;
    }
    return controller != nullptr;
}

void TcxContainerStyle::SetStyleController(TcxStyleController* value) {
    if (!IsBaseStyle()) {
        GetBaseStyle()->SetStyleController(value);
        return;
    }
    if (!value)
        value = GetDefaultStyleController();
    if (value == FStyleController || OwnedByDefaultController() || LeadsBackHere(value))
        return;
    LinkController(value);
    ControllerChangedNotification();
}

void TcxContainerStyle::LinkController(TcxStyleController* controller) {
    if (FStyleController) {
        FStyleController->RemoveListener(this);
        FLookAndFeel->SetMasterLookAndFeel(nullptr);
    }
    FStyleController = controller;
    if (FStyleController) {
        FStyleController->AddListener(this);
        FLookAndFeel->SetMasterLookAndFeel(&FStyleController->Style().LookAndFeel());
    }
}

void TcxContainerStyle::ControllerChangedNotification() {
    UpdateFont();
    Changed();
}

void TcxContainerStyle::ControllerFreeNotification(TcxStyleController* sender) {
    if (sender != FStyleController)
        return;
    FStyleController = nullptr;
    FLookAndFeel->SetMasterLookAndFeel(nullptr);
    TcxStyleController* fallback = GetDefaultStyleController();
    if (fallback && fallback != sender && !OwnedByDefaultController())
        LinkController(fallback);
    ControllerChangedNotification();
}

// --- Storing --------------------------------------------------------------------------------

TcxContainerStyleValues TcxContainerStyle::InternalGetNotPublishedExtendedStyleValues() const {
    return BaseOnlyValues;
}

bool TcxContainerStyle::IsValueStored(int index) const {
    if (!IsAssignedHere(index))
        return false;
    if (!IsBaseStyle() && (InternalGetNotPublishedExtendedStyleValues() & StyleValueBit(index)))
        return false;
    if (TcxContainer* container = Container())
        if (container->InternalGetNotPublishedStyleValues() & StyleValueBit(index))
            return false;
    return true;
}

bool TcxContainerStyle::GetStyleValueName(int index, std::string& name) const {
    if (index < 0 || index >= GetStyleValueCount())
        return false;
    name = index < 10 ? cxContainerStyleValueNameA[index] : cxEditStyleValueNameA[index - 10];
    return true;
}

bool TcxContainerStyle::GetStyleValue(const std::string& name, int& index) const {
    std::string candidate;
    for (int i = 0; i < GetStyleValueCount(); ++i)
        if (GetStyleValueName(i, candidate) && SameText(candidate, name)) {
            index = i;
            return true;
        }
    return false;
}

// --- Editor style ---------------------------------------------------------------------------

const TcxCustomEditStyle* TcxCustomEditStyle::EditParent() const {
    return static_cast<const TcxCustomEditStyle*>(&Parent());
}

const TcxCustomEditStyle* TcxCustomEditStyle::FindEditAssigned(int index) const {
    return dynamic_cast<const TcxCustomEditStyle*>(FindAssigned(index));
}

TcxStyleController* TcxCustomEditStyle::GetDefaultStyleController() const {
    TcxContainer* container = Container();
    if (container && container->IsInplace())
        return nullptr;
    return &DefaultEditStyleController();
}

TcxContainerStyleValues TcxCustomEditStyle::InternalGetNotPublishedExtendedStyleValues() const {
    return TcxContainerStyle::InternalGetNotPublishedExtendedStyleValues() |
           StyleValueBit(svButtonTransparency) | StyleValueBit(svPopupBorderStyle) |
           StyleValueBit(svGradientButtons) | StyleValueBit(svGradient) |
           StyleValueBit(svGradientDirection);
}

#define EDIT_STYLE_VALUE(Type, Name, Index, Field)                                                 \
    Type TcxCustomEditStyle::Name() const {                                                        \
        if (const TcxCustomEditStyle* s = FindEditAssigned(Index))                                 \
            return s->Field;                                                                       \
        return IsBaseStyle() ? Field##Default : EditParent()->Name();                              \
    }                                                                                              \
    void TcxCustomEditStyle::Set##Name(Type value) {                                               \
        if (IsAssignedHere(Index) && Field == value)                                               \
            return;                                                                                \
        Field = value;                                                                             \
        MarkAssigned(Index);                                                                       \
        Changed();                                                                                 \
    }

namespace {
constexpr TcxEditButtonStyle FButtonStyleDefault = btsDefault;
constexpr TcxEditButtonTransparency FButtonTransparencyDefault = ebtNone;
constexpr bool FGradientDefault = false;
constexpr bool FGradientButtonsDefault = false;
constexpr TcxEditGradientDirection FGradientDirectionDefault = dirDown;
constexpr TcxEditPopupBorderStyle FPopupBorderStyleDefault = epbsDefault;
} // namespace

EDIT_STYLE_VALUE(TcxEditButtonStyle, ButtonStyle, svButtonStyle, FButtonStyle)
EDIT_STYLE_VALUE(TcxEditButtonTransparency, ButtonTransparency, svButtonTransparency,
                 FButtonTransparency)
EDIT_STYLE_VALUE(bool, Gradient, svGradient, FGradient)
EDIT_STYLE_VALUE(bool, GradientButtons, svGradientButtons, FGradientButtons)
EDIT_STYLE_VALUE(TcxEditGradientDirection, GradientDirection, svGradientDirection,
                 FGradientDirection)
EDIT_STYLE_VALUE(TcxEditPopupBorderStyle, PopupBorderStyle, svPopupBorderStyle, FPopupBorderStyle)

#undef EDIT_STYLE_VALUE

bool TcxCustomEditStyle::Assign(const TPersistent& source) {
    const auto* other = dynamic_cast<const TcxCustomEditStyle*>(&source);
    if (!other)
        return TcxContainerStyle::Assign(source);
    if (other == this)
        return true;
    BeginUpdate();
    try {
        FButtonStyle = other->FButtonStyle;
        FButtonTransparency = other->FButtonTransparency;
        FGradient = other->FGradient;
        FGradientButtons = other->FGradientButtons;
        FGradientDirection = other->FGradientDirection;
        FPopupBorderStyle = other->FPopupBorderStyle;
        FPopupCloseButton = other->FPopupCloseButton;
        TcxContainerStyle::Assign(source);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    return true;
}

void TcxCustomEditStyle::Init(TColor color, const TFont& font, TColor textColor) {
    BeginUpdate();
    try {
        SetColor(color);
        SetFont(font);
        SetTextColor(textColor);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}
