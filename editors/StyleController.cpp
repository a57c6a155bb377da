#include "editors/StyleController.h"

#include <algorithm>

namespace {
// Raised while the default controller is being created, so that it knows itself.
bool gCreatingDefault = false;
} // namespace

TcxStyleController::TcxStyleController(TComponent* owner)
    : TcxStyleController(owner, StyleFactoryOf<TcxContainerStyle>()) {}

TcxStyleController::TcxStyleController(TComponent* owner, const TcxStyleFactory& factory)
    : TComponent(owner), FIsDefault(gCreatingDefault) {
    CreateStyles(factory);
}

void TcxStyleController::CreateStyles(const TcxStyleFactory& factory) {
    FStyles = std::make_unique<TcxContainerStyles>(this, factory);
    FStyles->SetOnChanged([this](TcxContainerStyle*) { Changed(); });
}

TcxStyleController::~TcxStyleController() {
    FDestroying = true;
    // Every linked style falls back to the default controller, the last linked first.
    while (!FListeners.empty()) {
        TcxContainerStyle* style = FListeners.back();
        style->ControllerFreeNotification(this);
        // A style that did not leave the list by itself is dropped here.
        if (!FListeners.empty() && FListeners.back() == style)
            FListeners.pop_back();
    }
    FStyles.reset();
}

void TcxStyleController::Destroying() {
    FDestroying = true;
    TComponent::Destroying();
}

void TcxStyleController::AddListener(TcxContainerStyle* style) {
    if (std::find(FListeners.begin(), FListeners.end(), style) == FListeners.end())
        FListeners.push_back(style);
}

void TcxStyleController::RemoveListener(TcxContainerStyle* style) {
    auto it = std::find(FListeners.begin(), FListeners.end(), style);
    if (it != FListeners.end())
        FListeners.erase(it);
}

void TcxStyleController::Changed() {
    if (OnStyleChanged)
        OnStyleChanged(this);
    if (FDestroying)
        return;
    // A listener may leave the list while it is told; walk a copy and skip those that left.
    std::vector<TcxContainerStyle*> listeners = FListeners;
    for (TcxContainerStyle* style : listeners)
        if (std::find(FListeners.begin(), FListeners.end(), style) != FListeners.end())
            style->ControllerChangedNotification();
}

void TcxStyleController::Loaded() {
    TComponent::Loaded();
    Changed();
}

TcxEditStyleController::TcxEditStyleController(TComponent* owner)
    : TcxStyleController(owner, StyleFactoryOf<TcxEditStyle>()) {}

TcxEditStyleController& DefaultEditStyleController() {
    // Lives for the whole run and is never freed: styles may still refer to it while other
    // process-wide objects go away at exit.
    static TcxEditStyleController* controller = [] {
        gCreatingDefault = true;
        auto* created = new TcxEditStyleController(nullptr);
        gCreatingDefault = false;
        return created;
    }();
    return *controller;
}

TcxStyleController& DefaultContainerStyleController() {
    return DefaultEditStyleController();
}
