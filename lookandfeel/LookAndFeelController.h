#pragma once

#include "lookandfeel/LookAndFeelInterfaces.h"
#include "lookandfeel/LookAndFeelTypes.h"
#include "platform/component/Component.h"

// A component that edits the root look-and-feel: its properties read and write the root's.
// While at least one controller exists it is registered on the root; when the last one goes,
// the root returns to its defaults. Without a root (at the end of the process) it reads the
// defaults and ignores writes.
class TcxLookAndFeelController : public TComponent, public IcxLookAndFeelNotificationListener {
public:
    explicit TcxLookAndFeelController(TComponent* owner);
    ~TcxLookAndFeelController() override;

    std::string ClassName() const override { return "TcxLookAndFeelController"; }

    TcxLookAndFeelKind Kind() const;
    void SetKind(TcxLookAndFeelKind kind);
    bool NativeStyle() const;
    void SetNativeStyle(bool nativeStyle);
    TdxSkinName SkinName() const;
    void SetSkinName(const TdxSkinName& skinName);

    // IcxLookAndFeelNotificationListener: nothing to do at run time.
    TPersistent* GetObject() override { return this; }
    void MasterLookAndFeelChanged(TcxLookAndFeel* sender,
                                  TcxLookAndFeelValues changedValues) override;
    void MasterLookAndFeelDestroying(TcxLookAndFeel* sender) override;
};

// Registers the controller class for layouts.
void RegisterLookAndFeelControllerClass();
