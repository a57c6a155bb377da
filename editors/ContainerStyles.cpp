#include "editors/ContainerStyles.h"

TcxContainerStyles::TcxContainerStyles(TPersistent* owner, const TcxStyleFactory& factory) {
    for (int i = 0; i < 4; ++i) {
        auto state = TcxContainerStateItem(i);
        TcxContainerStyle* parent = i == 0 ? nullptr : FStyles[0].get();
        FStyles[std::size_t(i)] = factory(owner, false, parent, state);
    }
}

TcxContainerStyles::~TcxContainerStyles() {
    for (int i = 3; i >= 0; --i)
        FStyles[std::size_t(i)].reset();
}

void TcxContainerStyles::RestoreDefaults() {
    for (auto& style : FStyles)
        style->RestoreDefaults();
}

void TcxContainerStyles::SetOnChanged(const TcxStyleChangedEvent& event) {
    for (auto& style : FStyles)
        style->OnChanged = event;
}
