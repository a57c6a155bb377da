#pragma once

#include "lookandfeel/CustomLookAndFeelPainter.h"
#include "lookandfeel/LookAndFeelInterfaces.h"
#include "lookandfeel/LookAndFeelTypes.h"
#include "lookandfeel/ThemeManager.h"
#include "platform/core/Persistent.h"

#include <functional>
#include <memory>
#include <vector>

class TcxSystemPaletteChangedNotifier;
class TWinControl;

using TcxLookAndFeelChangedEvent =
    std::function<void(TcxLookAndFeel* sender, TcxLookAndFeelValues changedValues)>;

// The look-and-feel settings of a control: its kind, whether the platform's visual styles are
// to be used (native style) and which registered skin applies. What the object does not set
// itself (its assigned values) it takes from its master, and the chain ends in the process-wide
// root, whose defaults are lfUltraFlat, no native style and no skin. A change anywhere reaches
// every object below whose effective values change, and each one's OnChanged. The resolved
// values and the painter class are cached and recomputed only when something changes.
class TcxLookAndFeel : public TPersistent,
                       public IcxLookAndFeelNotificationListener,
                       public IcxLookAndFeelPainterListener {
public:
    // owner: the control or style that owns the object (not owned by it; may be nullptr).
    explicit TcxLookAndFeel(TPersistent* owner);
    ~TcxLookAndFeel() override;
    TcxLookAndFeel(const TcxLookAndFeel&) = delete;
    TcxLookAndFeel& operator=(const TcxLookAndFeel&) = delete;

    std::string ClassName() const override { return "TcxLookAndFeel"; }
    // From another look-and-feel: its own values, assigned values and master.
    bool Assign(const TPersistent& source) override;
    TPersistent* Owner() const { return FOwner; }
    bool IsRoot() const { return FIsRoot; }

    TcxLookAndFeelValues AssignedValues() const { return FAssignedValues; }
    void SetAssignedValues(TcxLookAndFeelValues values);
    // The effective values.
    TcxLookAndFeelKind Kind() const { return FCurrentState.Kind; }
    bool NativeStyle() const { return FCurrentState.NativeStyle; }
    const TdxSkinName& SkinName() const { return FCurrentState.SkinName; }
    // Setting a value marks it assigned, even when it equals the effective one.
    void SetKind(TcxLookAndFeelKind kind);
    void SetNativeStyle(bool nativeStyle);
    void SetSkinName(const TdxSkinName& skinName);
    // All values revert to the inherited ones.
    void Reset();
    // Reports all three values as changed.
    void Refresh();
    // A forced repaint of this object's controls and of every look-and-feel below.
    void NotifyChanged();

    // None for the root; otherwise the explicit master, or the root.
    TcxLookAndFeel* MasterLookAndFeel() const { return GetMasterLookAndFeel(); }
    TcxLookAndFeel* GetMasterLookAndFeel() const;
    void SetMasterLookAndFeel(TcxLookAndFeel* master);

    // The painter class: an explicitly set one, or the one the settings resolve to.
    TcxCustomLookAndFeelPainterClass Painter() const { return GetPainter(); }
    TcxCustomLookAndFeelPainterClass GetPainter() const;
    void SetPainter(TcxCustomLookAndFeelPainterClass painter);
    // The painter of the resolved skin, or none.
    TcxCustomLookAndFeelPainterClass SkinPainter() const { return FSkinPainter; }
    // The native painter when native style is on and visual styles are available for the
    // object types; else the skin painter; else the kind's painter.
    TcxCustomLookAndFeelPainterClass GetAvailablePainter(TdxThemedObjectType type) const;
    TcxCustomLookAndFeelPainterClass GetAvailablePainter(TdxThemedObjectTypes types = {}) const;

    TcxLookAndFeelStyle GetActiveStyle() const;
    void SetStyle(TcxLookAndFeelStyle style);

    void AddChangeListener(IcxLookAndFeelNotificationListener* listener);
    void RemoveChangeListener(IcxLookAndFeelNotificationListener* listener);
    int ChangeListenerCount() const { return int(FChangeListeners.size()); }

    // IcxLookAndFeelNotificationListener and IcxLookAndFeelPainterListener.
    TPersistent* GetObject() override { return this; }
    void MasterLookAndFeelChanged(TcxLookAndFeel* sender,
                                  TcxLookAndFeelValues changedValues) override;
    void MasterLookAndFeelDestroying(TcxLookAndFeel* sender) override;
    void PainterChanged(TcxCustomLookAndFeelPainterClass painter) override;

    TcxLookAndFeelChangedEvent OnChanged;

protected:
    virtual TcxLookAndFeelKind InternalGetKind() const;
    virtual bool InternalGetNativeStyle() const;
    virtual TdxSkinName InternalGetSkinName() const;
    virtual TcxCustomLookAndFeelPainterClass InternalGetSkinPainter() const;
    // True when the name is not empty and a skin of that name is registered; painter is that
    // skin's painter, or none when the name is not registered or skins are off.
    virtual bool IsVisualSkinAvailable(const TdxSkinName& skinName,
                                       TcxCustomLookAndFeelPainterClass& painter) const;
    // A system colour change: reported as a change of the native style.
    virtual void SystemPaletteChanged();

    // The one place where the effective values are recomputed; then the listeners and
    // OnChanged are told. Nothing happens for an empty set or while the object is destroyed.
    void Changed(TcxLookAndFeelValues changedValues);

private:
    friend TcxLookAndFeel* RootLookAndFeel();

    TcxLookAndFeelValues FAssignedValues;
    std::vector<IcxLookAndFeelNotificationListener*> FChangeListeners;
    TcxLookAndFeelData FCurrentState;
    TcxCustomLookAndFeelPainterClass FAvailablePainter = nullptr;
    TcxLookAndFeelData FData;
    bool FDestroying = false;
    bool FIsRoot = false;
    TcxLookAndFeel* FMasterLookAndFeel = nullptr;
    TcxCustomLookAndFeelPainterClass FPainter = nullptr;
    TcxCustomLookAndFeelPainterClass FSkinPainter = nullptr;
    TcxLookAndFeelData FPrevState;
    std::unique_ptr<TcxSystemPaletteChangedNotifier> FSystemPaletteNotifier;
    TPersistent* FOwner;

    void ResolveState();
    void SaveState() { FPrevState = FCurrentState; }
    void CheckStateChanges();
    TcxLookAndFeelData ResolvedData() const;
    // The values of the master, or of the root without one; the defaults when there is none.
    TcxLookAndFeelData DefaultData() const;
    // The walk of Changed and NotifyChanged: a listener that removes itself does not make the
    // next one be skipped.
    void ForEachListener(const std::function<void(IcxLookAndFeelNotificationListener*)>& call);
};

// The root look-and-feel, made the first time it is asked for; nullptr once the process ends.
TcxLookAndFeel* RootLookAndFeel();

// When false, no skin painter is ever resolved.
extern bool cxUseSkins;

// The number of controllers registered on the root.
int LookAndFeelControllerCount();

// Makes master the master of the look-and-feel of control (when it owns one) and of every
// windowed control below it, in child order.
void SetControlLookAndFeel(TWinControl* control, TcxLookAndFeel* master);
// Sets the kind and then the native style of every look-and-feel owned by control and the
// windowed controls below it.
void SetControlLookAndFeel(TWinControl* control, TcxLookAndFeelKind kind, bool nativeStyle);

// The painter class of each kind, and the native one.
TcxCustomLookAndFeelPainterClass LookAndFeelPainterOfKind(TcxLookAndFeelKind kind);
TcxCustomLookAndFeelPainterClass NativeLookAndFeelPainter();
// The painter every control of the program resolves to.
TcxCustomLookAndFeelPainterClass GetCurrentPainterClass();

// The names layouts give the kinds ("lfUltraFlat").
class TIdentMap;
const TIdentMap& LookAndFeelKindIdents();
// Registers TcxLookAndFeel and TcxLookAndFeelController for layouts (once).
void RegisterLookAndFeelClasses();
