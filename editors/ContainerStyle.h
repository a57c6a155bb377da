#pragma once

#include "editors/ContainerTypes.h"
#include "platform/core/Color.h"
#include "platform/core/Persistent.h"
#include "platform/draw/Font.h"

#include <functional>
#include <memory>
#include <string>

class TcxContainer;
class TcxContainerStyle;
class TcxLookAndFeel;
class TcxStyleController;

using TcxStyleChangedEvent = std::function<void(TcxContainerStyle* sender)>;

// The style of a container control in one state (normal, focused, disabled, hot).
//
// Each value is either assigned here (its index is in AssignedValues) or resolved: first through
// the style controller (the controller's style of the same state, and so on down its own
// controller), then from this style's default, which depends on the state, the look-and-feel and
// the container. The normal style is the base style: the focused, disabled and hot styles have
// it as parent, and Font, LookAndFeel, Edges, HotTrack, Shadow and TransparentBorder live only
// in it (reading or writing them on another state's style reaches the base style).
//
// A real change calls Changed, which fires OnChanged at once, or once when the last open
// BeginUpdate is closed.
class TcxContainerStyle : public TPersistent {
public:
    // owner: the container or style controller holding the style; parentStyle is kept only for
    // the states after csNormal.
    TcxContainerStyle(TPersistent* owner, bool directAccessMode, TcxContainerStyle* parentStyle,
                      TcxContainerStateItem state);
    ~TcxContainerStyle() override;
    TcxContainerStyle(const TcxContainerStyle&) = delete;
    TcxContainerStyle& operator=(const TcxContainerStyle&) = delete;

    std::string ClassName() const override { return "TcxContainerStyle"; }
    bool Assign(const TPersistent& source) override;

    // --- Values --------------------------------------------------------------------------
    TColor BorderColor() const;
    void SetBorderColor(TColor value);
    TcxContainerBorderStyle BorderStyle() const;
    void SetBorderStyle(TcxContainerBorderStyle value);
    // The colour painting uses (the parent window's colour first when the container takes it).
    TColor Color() const { return GetColor(); }
    void SetColor(TColor value);
    TcxBorders Edges() const;
    void SetEdges(TcxBorders value);
    // The base style's font.
    TFont& Font();
    const TFont& Font() const;
    void SetFont(const TFont& value);
    bool HotTrack() const;
    void SetHotTrack(bool value);
    bool Shadow() const;
    void SetShadow(bool value);
    TColor TextColor() const;
    void SetTextColor(TColor value);
    TFontStyles TextStyle() const;
    void SetTextStyle(TFontStyles value);
    bool TransparentBorder() const;
    void SetTransparentBorder(bool value);
    // The base style's look-and-feel; setting assigns into it.
    TcxLookAndFeel& LookAndFeel();
    void SetLookAndFeel(const TcxLookAndFeel& value);
    // The linked controller; nullptr when it is the default controller.
    TcxStyleController* StyleController() const;
    // nullptr links the default controller; a controller that would lead back here is ignored.
    void SetStyleController(TcxStyleController* value);
    TcxContainerStyleValues AssignedValues() const { return FAssignedValues; }
    void SetAssignedValues(TcxContainerStyleValues value);

    // Whether the value is assigned here or by the controller chain (indices 0-8, and 10-15 for
    // edit styles).
    bool IsValueAssigned(int index) const;
    // The index of a value by its name (ASCII case ignored) and the name of an index.
    bool GetStyleValue(const std::string& name, int& index) const;
    bool GetStyleValueName(int index, std::string& name) const;
    virtual int GetStyleValueCount() const { return 10; }

    // Font with TextColor and TextStyle applied, computed anew on each call.
    const TFont& GetVisibleFont();
    virtual TColor GetColor() const;
    // The colour copied into the control's own Color.
    virtual TColor GetStyleColor() const;

    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    virtual void Changed();
    virtual void RestoreDefaults();
    // True on a base style; other styles ask their parent.
    virtual bool HasBorder() const;
    TcxContainerStyle* GetBaseStyle() { return FParentStyle ? FParentStyle : this; }
    const TcxContainerStyle* GetBaseStyle() const { return FParentStyle ? FParentStyle : this; }
    bool IsBaseStyle() const { return FParentStyle == nullptr; }
    TcxContainerStateItem State() const { return FState; }
    TPersistent* Owner() const { return FOwner; }
    // The container holding the style (nullptr for a controller's style).
    TcxContainer* Container() const;
    bool IsDestroying() const { return FIsDestroying; }

    // Re-derives the font from the controller chain or the default font while Font is not
    // assigned (base style).
    void UpdateFont();
    // Values not published for the focused, disabled and hot styles.
    virtual TcxContainerStyleValues InternalGetNotPublishedExtendedStyleValues() const;
    // Whether the layout writer stores the value of that index for this style.
    bool IsValueStored(int index) const;
    // Marks the base style's font as assigned (a layout that stored the font says so).
    void MarkFontAssigned() { GetBaseStyle()->MarkAssigned(svFont); }

    TcxStyleChangedEvent OnChanged;

protected:
    friend class TcxStyleController;
    friend class TcxContainer;

    virtual void ControllerChangedNotification();
    virtual void ControllerFreeNotification(TcxStyleController* sender);
    virtual TColor DefaultBorderColor() const;
    virtual TcxContainerBorderStyle DefaultBorderStyle() const;
    virtual TColor DefaultColor() const;
    virtual TcxBorders DefaultEdges() const { return cxBordersAll; }
    virtual bool DefaultHotTrack() const { return true; }
    virtual bool DefaultShadow() const { return false; }
    virtual TColor DefaultTextColor() const;
    virtual TFontStyles DefaultTextStyle() const;
    virtual bool DefaultTransparentBorder() const { return true; }
    virtual void FontChanged();
    virtual TcxStyleController* GetDefaultStyleController() const;

    // The style that holds the value of that index: this one when it is assigned here, else
    // the first style down the controller chain that has it; nullptr when none has it.
    const TcxContainerStyle* FindAssigned(int index) const;
    // The controller whose styles this style consults (the base style's link).
    TcxStyleController* ActiveController() const;
    bool IsAssignedHere(int index) const { return (FAssignedValues & StyleValueBit(index)) != 0; }
    void MarkAssigned(int index) { FAssignedValues |= StyleValueBit(index); }
    // The parent style's resolved values, for the defaults of the other states.
    const TcxContainerStyle& Parent() const { return *FParentStyle; }
    void LookAndFeelChanged();
    void CheckChanges();

private:
    void LinkController(TcxStyleController* controller);
    bool LeadsBackHere(TcxStyleController* controller) const;
    bool OwnedByDefaultController() const;

    TColor FBorderColor = clWindowFrame;
    TcxContainerBorderStyle FBorderStyle = cbsSingle;
    TcxBorders FEdges = cxBordersAll;
    bool FHotTrack = true;
    bool FShadow = false;
    bool FTransparentBorder = true;
    bool FDirectAccessMode = false;
    int FFontAssignedLock = 0;
    bool FIsDestroying = false;
    std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
    bool FModified = false;
    TPersistent* FOwner;
    TcxContainerStyle* FParentStyle = nullptr;
    TcxContainerStateItem FState;
    TFontStyles FTextStyle = 0;
    int FUpdateCount = 0;
    std::unique_ptr<TFont> FVisibleFont;
    TcxContainerStyleValues FAssignedValues = 0;
    TcxStyleController* FStyleController = nullptr;
    TColor FColor = clWindow;
    std::unique_ptr<TFont> FFont;
    TColor FTextColor = clWindowText;
};

// The editor's style: the container style and the values of button and drop-down editors.
class TcxCustomEditStyle : public TcxContainerStyle {
public:
    using TcxContainerStyle::TcxContainerStyle;

    std::string ClassName() const override { return "TcxCustomEditStyle"; }
    bool Assign(const TPersistent& source) override;
    int GetStyleValueCount() const override { return 16; }
    TcxContainerStyleValues InternalGetNotPublishedExtendedStyleValues() const override;

    TcxEditButtonStyle ButtonStyle() const;
    void SetButtonStyle(TcxEditButtonStyle value);
    TcxEditButtonTransparency ButtonTransparency() const;
    void SetButtonTransparency(TcxEditButtonTransparency value);
    bool Gradient() const;
    void SetGradient(bool value);
    bool GradientButtons() const;
    void SetGradientButtons(bool value);
    TcxEditGradientDirection GradientDirection() const;
    void SetGradientDirection(TcxEditGradientDirection value);
    TcxEditPopupBorderStyle PopupBorderStyle() const;
    void SetPopupBorderStyle(TcxEditPopupBorderStyle value);
    bool PopupCloseButton() const { return FPopupCloseButton; }

    // Sets Color, Font and TextColor at once (one notification).
    void Init(TColor color, const TFont& font, TColor textColor);

protected:
    TcxStyleController* GetDefaultStyleController() const override;

private:
    const TcxCustomEditStyle* EditParent() const;
    const TcxCustomEditStyle* FindEditAssigned(int index) const;

    TcxEditButtonStyle FButtonStyle = btsDefault;
    TcxEditButtonTransparency FButtonTransparency = ebtNone;
    bool FGradient = false;
    bool FGradientButtons = false;
    TcxEditGradientDirection FGradientDirection = dirDown;
    TcxEditPopupBorderStyle FPopupBorderStyle = epbsDefault;
    bool FPopupCloseButton = true;
};

// The published editor style.
class TcxEditStyle : public TcxCustomEditStyle {
public:
    using TcxCustomEditStyle::TcxCustomEditStyle;
    std::string ClassName() const override { return "TcxEditStyle"; }

protected:
};

// The names of the style values by index.
extern const char* const cxContainerStyleValueNameA[10];
extern const char* const cxEditStyleValueNameA[6];
