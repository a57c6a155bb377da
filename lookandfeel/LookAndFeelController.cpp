#include "lookandfeel/LookAndFeelController.h"

#include "lookandfeel/LookAndFeel.h"
#include "platform/component/ClassRegistry.h"

TcxLookAndFeelController::TcxLookAndFeelController(TComponent* owner) : TComponent(owner) {
    if (TcxLookAndFeel* root = RootLookAndFeel())
        root->AddChangeListener(this);
}

TcxLookAndFeelController::~TcxLookAndFeelController() {
    if (TcxLookAndFeel* root = RootLookAndFeel())
        root->RemoveChangeListener(this);
}

TcxLookAndFeelKind TcxLookAndFeelController::Kind() const {
    const TcxLookAndFeel* root = RootLookAndFeel();
    return root ? root->Kind() : lfUltraFlat;
}

void TcxLookAndFeelController::SetKind(TcxLookAndFeelKind kind) {
    if (TcxLookAndFeel* root = RootLookAndFeel())
        root->SetKind(kind);
}

bool TcxLookAndFeelController::NativeStyle() const {
    const TcxLookAndFeel* root = RootLookAndFeel();
    return root ? root->NativeStyle() : false;
}

void TcxLookAndFeelController::SetNativeStyle(bool nativeStyle) {
    if (TcxLookAndFeel* root = RootLookAndFeel())
        root->SetNativeStyle(nativeStyle);
}

TdxSkinName TcxLookAndFeelController::SkinName() const {
    const TcxLookAndFeel* root = RootLookAndFeel();
    return root ? root->SkinName() : TdxSkinName();
}

void TcxLookAndFeelController::SetSkinName(const TdxSkinName& skinName) {
    if (TcxLookAndFeel* root = RootLookAndFeel())
        root->SetSkinName(skinName);
}

// A designer would be told that the form changed; at run time nothing happens.
void TcxLookAndFeelController::MasterLookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues) {}

void TcxLookAndFeelController::MasterLookAndFeelDestroying(TcxLookAndFeel*) {}

void RegisterLookAndFeelControllerClass() {
    if (IsClassRegistered("TcxLookAndFeelController"))
        return;
    RegisterComponentClass<TcxLookAndFeelController>("TcxLookAndFeelController", "TComponent")
        .Enum<TcxLookAndFeelKind>(
            "Kind", LookAndFeelKindIdents(), [](TcxLookAndFeelController& c) { return c.Kind(); },
            [](TcxLookAndFeelController& c, TcxLookAndFeelKind k) { c.SetKind(k); })
        .Default(lfUltraFlat)
        .Boolean(
            "NativeStyle", [](TcxLookAndFeelController& c) { return c.NativeStyle(); },
            [](TcxLookAndFeelController& c, bool v) { c.SetNativeStyle(v); })
        .Default(false)
        .String(
            "SkinName", [](TcxLookAndFeelController& c) { return c.SkinName(); },
            [](TcxLookAndFeelController& c, const std::string& v) { c.SetSkinName(v); })
        .Stored([](TcxLookAndFeelController& c) { return !c.SkinName().empty(); });
}
