#pragma once

#include "editors/ContainerStyles.h"
#include "platform/component/Component.h"
#include "platform/component/NotifyEvent.h"

#include <memory>
#include <vector>

// A non-visual component holding four state styles that containers link to: the values their
// own styles do not assign come from here. A change of the controller's styles fires
// OnStyleChanged and then tells every linked style, in the order they linked; when the
// controller is destroyed the linked styles fall back to the default controller.
class TcxStyleController : public TComponent {
public:
    explicit TcxStyleController(TComponent* owner);
    ~TcxStyleController() override;

    std::string ClassName() const override { return "TcxStyleController"; }

    TcxContainerStyle& Style() const { return FStyles->StyleNormal(); }
    TcxContainerStyle& StyleDisabled() const { return FStyles->StyleDisabled(); }
    TcxContainerStyle& StyleFocused() const { return FStyles->StyleFocused(); }
    TcxContainerStyle& StyleHot() const { return FStyles->StyleHot(); }
    TcxContainerStyle& GetInternalStyle(TcxContainerStateItem state) const {
        return FStyles->GetStyle(state);
    }
    void RestoreStyles() { FStyles->RestoreDefaults(); }

    // The styles linked to this controller, in the order they linked.
    const std::vector<TcxContainerStyle*>& Listeners() const { return FListeners; }
    void AddListener(TcxContainerStyle* style);
    void RemoveListener(TcxContainerStyle* style);
    // Whether this is the process-wide default controller (its styles never link to one).
    bool IsDefault() const { return FIsDefault; }

    TNotifyEvent OnStyleChanged;

protected:
    // For derived controllers: creates the styles with the given class.
    TcxStyleController(TComponent* owner, const TcxStyleFactory& factory);

    virtual void Changed();
    void Loaded() override;
    void Destroying() override;

private:
    void CreateStyles(const TcxStyleFactory& factory);

    std::unique_ptr<TcxContainerStyles> FStyles;
    std::vector<TcxContainerStyle*> FListeners;
    bool FDestroying = false;
    bool FIsDefault = false;
};

// The controller of editor styles: its styles are edit styles.
class TcxEditStyleController : public TcxStyleController {
public:
    explicit TcxEditStyleController(TComponent* owner);
    std::string ClassName() const override { return "TcxEditStyleController"; }
};

// The process-wide default controller (an edit style controller without owner). It is both the
// default of container styles and of edit styles.
TcxEditStyleController& DefaultEditStyleController();
TcxStyleController& DefaultContainerStyleController();
