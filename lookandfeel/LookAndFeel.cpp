#include "lookandfeel/LookAndFeel.h"

#include "lookandfeel/ExtendedStylePainters.h"
#include "lookandfeel/FlatLookAndFeelPainter.h"
#include "lookandfeel/LookAndFeelController.h"
#include "lookandfeel/Office11LookAndFeelPainter.h"
#include "lookandfeel/StandardLookAndFeelPainter.h"
#include "lookandfeel/SystemPaletteChangedNotifier.h"
#include "lookandfeel/UltraFlatLookAndFeelPainter.h"
#include "lookandfeel/WinXPLookAndFeelPainter.h"
#include "platform/component/ClassRegistry.h"
#include "platform/control/WinControl.h"

#include <algorithm>

bool cxUseSkins = true;

namespace {

// The root and the count of controllers registered on it. Plain values, so that objects
// destroyed late in the process can still ask for them.
TcxLookAndFeel* gRoot = nullptr;
bool gRootCreating = false;
bool gRootFinalized = false;
int gControllerCount = 0;

// Frees the root when the process ends.
struct TRootOwner {
    ~TRootOwner() {
        gRootFinalized = true;
        delete gRoot;
    }
};

// What the root resolves to, and everybody when there is no root.
TcxLookAndFeelData RootDefaults() {
    return {lfUltraFlat, false, {}};
}

bool IsController(IcxLookAndFeelNotificationListener* listener) {
    return dynamic_cast<TcxLookAndFeelController*>(listener->GetObject()) != nullptr;
}

} // namespace

TcxLookAndFeel* RootLookAndFeel() {
    if (!gRoot && !gRootCreating && !gRootFinalized) {
        static TRootOwner owner;
        gRootCreating = true;
        auto* root = new TcxLookAndFeel(nullptr);
        root->FIsRoot = true;
        gRoot = root;
        gRootCreating = false;
    }
    return gRoot;
}

int LookAndFeelControllerCount() {
    return gControllerCount;
}

TcxCustomLookAndFeelPainterClass LookAndFeelPainterOfKind(TcxLookAndFeelKind kind) {
    switch (kind) {
    case lfFlat:
        return TcxFlatLookAndFeelPainter::Class();
    case lfStandard:
        return TcxStandardLookAndFeelPainter::Class();
    case lfUltraFlat:
        return TcxUltraFlatLookAndFeelPainter::Class();
    case lfOffice11:
        return TcxOffice11LookAndFeelPainter::Class();
    }
    return TcxUltraFlatLookAndFeelPainter::Class();
}

TcxCustomLookAndFeelPainterClass NativeLookAndFeelPainter() {
    return TcxWinXPLookAndFeelPainter::Class();
}

TcxCustomLookAndFeelPainterClass GetCurrentPainterClass() {
    return TcxUltraFlatLookAndFeelPainter::Class();
}

// --- Life ----------------------------------------------------------------------------------

TcxLookAndFeel::TcxLookAndFeel(TPersistent* owner) : FOwner(owner) {
    FCurrentState = FData;
    FSystemPaletteNotifier = std::make_unique<TcxSystemPaletteChangedNotifier>(false);
    FSystemPaletteNotifier->OnSystemPaletteChanged = [this] { SystemPaletteChanged(); };
    // The root itself is made while no root exists yet.
    if (TcxLookAndFeel* root = RootLookAndFeel()) {
        root->AddChangeListener(this);
        FCurrentState = ResolvedData();
        FSkinPainter = FCurrentState.NativeStyle ? nullptr : InternalGetSkinPainter();
    }
    FAvailablePainter = GetAvailablePainter();
}

TcxLookAndFeel::~TcxLookAndFeel() {
    if (TcxExtendedStylePainters* registry = ExistingExtendedStylePainters())
        registry->RemoveListener(this);
    FSystemPaletteNotifier.reset();
    // The slaves fall back to the root; while they are told, the list stays as it is.
    FDestroying = true;
    const std::size_t count = FChangeListeners.size();
    for (std::size_t i = 0; i < count && i < FChangeListeners.size(); ++i)
        FChangeListeners[i]->MasterLookAndFeelDestroying(this);
    FDestroying = false;
    FChangeListeners.clear();
    if (TcxLookAndFeel* master = GetMasterLookAndFeel())
        master->RemoveChangeListener(this);
    if (FIsRoot) {
        gRoot = nullptr;
        FIsRoot = false;
    }
}

bool TcxLookAndFeel::Assign(const TPersistent& source) {
    const auto* other = dynamic_cast<const TcxLookAndFeel*>(&source);
    if (!other)
        return TPersistent::Assign(source);
    if (other == this)
        return true;
    SaveState();
    FData = other->FData;
    FAssignedValues = other->FAssignedValues;
    TcxLookAndFeel* master = other->GetMasterLookAndFeel();
    if (!FIsRoot && master != this && master != GetMasterLookAndFeel())
        SetMasterLookAndFeel(master); // compares with the state before the copy, once
    else
        CheckStateChanges();
    return true;
}

// --- Values --------------------------------------------------------------------------------

void TcxLookAndFeel::SetAssignedValues(TcxLookAndFeelValues values) {
    if (values == FAssignedValues)
        return;
    SaveState();
    FAssignedValues = values;
    CheckStateChanges();
}

void TcxLookAndFeel::SetKind(TcxLookAndFeelKind kind) {
    const TcxLookAndFeelKind before = Kind();
    FData.Kind = kind;
    FAssignedValues.Include(lfvKind);
    if (InternalGetKind() != before)
        Changed({lfvKind});
}

void TcxLookAndFeel::SetNativeStyle(bool nativeStyle) {
    const bool before = NativeStyle();
    FData.NativeStyle = nativeStyle;
    FAssignedValues.Include(lfvNativeStyle);
    if (InternalGetNativeStyle() != before)
        Changed({lfvNativeStyle});
}

void TcxLookAndFeel::SetSkinName(const TdxSkinName& skinName) {
    const TdxSkinName before = SkinName();
    FData.SkinName = skinName;
    FAssignedValues.Include(lfvSkinName);
    if (InternalGetSkinName() != before)
        Changed({lfvSkinName});
}

void TcxLookAndFeel::Reset() {
    SetAssignedValues({});
}

void TcxLookAndFeel::Refresh() {
    Changed(TcxLookAndFeelValues::All());
}

TcxLookAndFeelData TcxLookAndFeel::DefaultData() const {
    if (FIsRoot)
        return RootDefaults();
    const TcxLookAndFeel* master = GetMasterLookAndFeel();
    return master ? master->FCurrentState : RootDefaults();
}

TcxLookAndFeelKind TcxLookAndFeel::InternalGetKind() const {
    return FAssignedValues.Contains(lfvKind) ? FData.Kind : DefaultData().Kind;
}

bool TcxLookAndFeel::InternalGetNativeStyle() const {
    return FAssignedValues.Contains(lfvNativeStyle) ? FData.NativeStyle : DefaultData().NativeStyle;
}

TdxSkinName TcxLookAndFeel::InternalGetSkinName() const {
    return FAssignedValues.Contains(lfvSkinName) ? FData.SkinName : DefaultData().SkinName;
}

TcxCustomLookAndFeelPainterClass TcxLookAndFeel::InternalGetSkinPainter() const {
    TcxCustomLookAndFeelPainterClass painter = nullptr;
    if (FAssignedValues.Contains(lfvSkinName)) {
        IsVisualSkinAvailable(FData.SkinName, painter);
    } else if (const TcxLookAndFeel* master = GetMasterLookAndFeel()) {
        master->IsVisualSkinAvailable(master->SkinName(), painter);
    }
    return painter;
}

bool TcxLookAndFeel::IsVisualSkinAvailable(const TdxSkinName& skinName,
                                           TcxCustomLookAndFeelPainterClass& painter) const {
    painter = nullptr;
    bool found = false;
    if (!skinName.empty()) {
        if (const TcxExtendedStylePainters* registry = ExistingExtendedStylePainters()) {
            painter = registry->GetPainterByName(skinName);
            found = painter != nullptr;
        }
    }
    if (!found || !cxUseSkins)
        painter = nullptr;
    return found;
}

TcxLookAndFeelData TcxLookAndFeel::ResolvedData() const {
    return {InternalGetKind(), InternalGetNativeStyle(), InternalGetSkinName()};
}

void TcxLookAndFeel::ResolveState() {
    FCurrentState = ResolvedData();
    FSkinPainter = FCurrentState.NativeStyle ? nullptr : InternalGetSkinPainter();
    FAvailablePainter = GetAvailablePainter();
}

void TcxLookAndFeel::CheckStateChanges() {
    const TcxLookAndFeelData now = ResolvedData();
    TcxLookAndFeelValues changed;
    if (now.Kind != FPrevState.Kind)
        changed.Include(lfvKind);
    if (now.NativeStyle != FPrevState.NativeStyle)
        changed.Include(lfvNativeStyle);
    if (now.SkinName != FPrevState.SkinName)
        changed.Include(lfvSkinName);
    Changed(changed);
}

// --- Change notification -------------------------------------------------------------------

void TcxLookAndFeel::Changed(TcxLookAndFeelValues changedValues) {
    if (changedValues.Empty() || FDestroying)
        return;
    ResolveState();
    if (TcxExtendedStylePainters* registry = ExistingExtendedStylePainters()) {
        if (FSkinPainter)
            registry->AddListener(this);
        else
            registry->RemoveListener(this);
    }
    ForEachListener([&](IcxLookAndFeelNotificationListener* listener) {
        listener->MasterLookAndFeelChanged(this, changedValues);
    });
    if (OnChanged)
        OnChanged(this, changedValues);
}

void TcxLookAndFeel::NotifyChanged() {
    if (FDestroying)
        return;
    ForEachListener([](IcxLookAndFeelNotificationListener* listener) {
        if (auto* slave = dynamic_cast<TcxLookAndFeel*>(listener->GetObject()))
            slave->NotifyChanged();
    });
    if (OnChanged)
        OnChanged(this, {});
}

void TcxLookAndFeel::ForEachListener(
    const std::function<void(IcxLookAndFeelNotificationListener*)>& call) {
    std::size_t i = 0;
    while (i < FChangeListeners.size()) {
        const std::size_t before = FChangeListeners.size();
        call(FChangeListeners[i]);
        // A listener that left the list moved the next one to its place.
        if (FChangeListeners.size() >= before)
            ++i;
    }
}

void TcxLookAndFeel::AddChangeListener(IcxLookAndFeelNotificationListener* listener) {
    if (!listener)
        return;
    const bool controller = IsController(listener);
    if (controller && !FIsRoot)
        return;
    if (std::find(FChangeListeners.begin(), FChangeListeners.end(), listener) !=
        FChangeListeners.end())
        return;
    FChangeListeners.push_back(listener);
    if (controller)
        ++gControllerCount;
}

void TcxLookAndFeel::RemoveChangeListener(IcxLookAndFeelNotificationListener* listener) {
    auto it = std::find(FChangeListeners.begin(), FChangeListeners.end(), listener);
    if (it == FChangeListeners.end())
        return;
    if (!FDestroying)
        FChangeListeners.erase(it);
    if (FIsRoot && IsController(listener)) {
        --gControllerCount;
        if (gControllerCount == 0)
            Reset();
    }
}

void TcxLookAndFeel::MasterLookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues changedValues) {
    Changed(changedValues - FAssignedValues);
}

void TcxLookAndFeel::MasterLookAndFeelDestroying(TcxLookAndFeel*) {
    SetMasterLookAndFeel(nullptr);
}

void TcxLookAndFeel::PainterChanged(TcxCustomLookAndFeelPainterClass) {
    Changed(TcxLookAndFeelValues::All());
}

void TcxLookAndFeel::SystemPaletteChanged() {
    Changed({lfvNativeStyle});
}

// --- Master --------------------------------------------------------------------------------

TcxLookAndFeel* TcxLookAndFeel::GetMasterLookAndFeel() const {
    if (FIsRoot)
        return nullptr;
    return FMasterLookAndFeel ? FMasterLookAndFeel : gRoot;
}

void TcxLookAndFeel::SetMasterLookAndFeel(TcxLookAndFeel* master) {
    if (FIsRoot || master == this || master == GetMasterLookAndFeel())
        return;
    // A master that takes its values from this object would make the chain a circle.
    for (const TcxLookAndFeel* m = master; m; m = m->GetMasterLookAndFeel()) {
        if (m == this)
            return;
    }
    SaveState();
    if (TcxLookAndFeel* old = GetMasterLookAndFeel())
        old->RemoveChangeListener(this);
    FMasterLookAndFeel = master;
    if (TcxLookAndFeel* now = GetMasterLookAndFeel())
        now->AddChangeListener(this);
    CheckStateChanges();
}

// --- Painter -------------------------------------------------------------------------------

TcxCustomLookAndFeelPainterClass TcxLookAndFeel::GetPainter() const {
    return FPainter ? FPainter : FAvailablePainter;
}

void TcxLookAndFeel::SetPainter(TcxCustomLookAndFeelPainterClass painter) {
    if (painter == GetPainter())
        return;
    FPainter = painter;
    Changed({lfvKind, lfvNativeStyle});
}

TcxCustomLookAndFeelPainterClass
TcxLookAndFeel::GetAvailablePainter(TdxThemedObjectType type) const {
    return GetAvailablePainter(TdxThemedObjectTypes{type});
}

TcxCustomLookAndFeelPainterClass
TcxLookAndFeel::GetAvailablePainter(TdxThemedObjectTypes types) const {
    if (FCurrentState.NativeStyle && AreVisualStylesAvailable(types))
        return NativeLookAndFeelPainter();
    if (FSkinPainter)
        return FSkinPainter;
    return LookAndFeelPainterOfKind(FCurrentState.Kind);
}

TcxLookAndFeelStyle TcxLookAndFeel::GetActiveStyle() const {
    if (NativeStyle() && AreVisualStylesAvailable())
        return lfsNative;
    return LookAndFeelStyleOfKind(Kind());
}

void TcxLookAndFeel::SetStyle(TcxLookAndFeelStyle style) {
    SetNativeStyle(style == lfsNative);
    if (!NativeStyle())
        SetKind(LookAndFeelKindOfStyle(style));
}

// --- Controls ------------------------------------------------------------------------------

namespace {

void ForEachLookAndFeel(TWinControl* control, const std::function<void(TcxLookAndFeel&)>& apply) {
    if (!control)
        return;
    if (auto* container = dynamic_cast<IcxLookAndFeelContainer*>(control)) {
        if (TcxLookAndFeel* lf = container->GetLookAndFeel())
            apply(*lf);
    }
    for (int i = 0; i < control->ControlCount(); ++i) {
        if (auto* child = dynamic_cast<TWinControl*>(control->Controls(i)))
            ForEachLookAndFeel(child, apply);
    }
}

} // namespace

void SetControlLookAndFeel(TWinControl* control, TcxLookAndFeel* master) {
    ForEachLookAndFeel(control, [master](TcxLookAndFeel& lf) { lf.SetMasterLookAndFeel(master); });
}

void SetControlLookAndFeel(TWinControl* control, TcxLookAndFeelKind kind, bool nativeStyle) {
    ForEachLookAndFeel(control, [kind, nativeStyle](TcxLookAndFeel& lf) {
        lf.SetKind(kind);
        lf.SetNativeStyle(nativeStyle);
    });
}

// --- Layouts -------------------------------------------------------------------------------

const TIdentMap& LookAndFeelKindIdents() {
    static const TIdentMap idents{{"lfFlat", lfFlat},
                                  {"lfStandard", lfStandard},
                                  {"lfUltraFlat", lfUltraFlat},
                                  {"lfOffice11", lfOffice11}};
    return idents;
}

void RegisterLookAndFeelClasses() {
    if (IsClassRegistered("TcxLookAndFeel"))
        return;
    static const TIdentMap valueIdents{
        {"lfvKind", lfvKind}, {"lfvNativeStyle", lfvNativeStyle}, {"lfvSkinName", lfvSkinName}};
    RegisterPersistentClass<TcxLookAndFeel>("TcxLookAndFeel", "TPersistent")
        .Set(
            "AssignedValues", valueIdents,
            [](TcxLookAndFeel& lf) { return std::uint64_t(lf.AssignedValues().Bits()); },
            [](TcxLookAndFeel& lf, std::uint64_t bits) {
                lf.SetAssignedValues(TcxLookAndFeelValues::FromBits(std::uint8_t(bits)));
            })
        .Stored(false)
        .Enum<TcxLookAndFeelKind>(
            "Kind", LookAndFeelKindIdents(), [](TcxLookAndFeel& lf) { return lf.Kind(); },
            [](TcxLookAndFeel& lf, TcxLookAndFeelKind k) { lf.SetKind(k); })
        .Stored([](TcxLookAndFeel& lf) { return lf.AssignedValues().Contains(lfvKind); })
        .Boolean(
            "NativeStyle", [](TcxLookAndFeel& lf) { return lf.NativeStyle(); },
            [](TcxLookAndFeel& lf, bool v) { lf.SetNativeStyle(v); })
        .Stored([](TcxLookAndFeel& lf) { return lf.AssignedValues().Contains(lfvNativeStyle); })
        .String(
            "SkinName", [](TcxLookAndFeel& lf) { return lf.SkinName(); },
            [](TcxLookAndFeel& lf, const std::string& v) { lf.SetSkinName(v); })
        .Stored([](TcxLookAndFeel& lf) { return lf.AssignedValues().Contains(lfvSkinName); });
    RegisterLookAndFeelControllerClass();
}
