#pragma once

#include "editors/ContainerStyle.h"

#include <array>
#include <functional>
#include <memory>

// Creates the style of one state: (owner, direct access mode, parent style, state).
using TcxStyleFactory = std::function<std::unique_ptr<TcxContainerStyle>(
    TPersistent* owner, bool directAccessMode, TcxContainerStyle* parent,
    TcxContainerStateItem state)>;

// The four state styles of a container or a style controller. They are created in state order,
// the later ones with the normal style as parent, and freed in reverse order.
class TcxContainerStyles {
public:
    TcxContainerStyles(TPersistent* owner, const TcxStyleFactory& factory);
    ~TcxContainerStyles();
    TcxContainerStyles(const TcxContainerStyles&) = delete;
    TcxContainerStyles& operator=(const TcxContainerStyles&) = delete;

    TcxContainerStyle& GetStyle(TcxContainerStateItem state) const {
        return *FStyles[std::size_t(state)];
    }
    TcxContainerStyle& StyleNormal() const { return GetStyle(csNormal); }
    TcxContainerStyle& StyleFocused() const { return GetStyle(csActive); }
    TcxContainerStyle& StyleDisabled() const { return GetStyle(csDisabled); }
    TcxContainerStyle& StyleHot() const { return GetStyle(csHotTrack); }
    // Copy the given style into the existing one.
    void SetStyle(TcxContainerStateItem state, const TcxContainerStyle& value) {
        GetStyle(state).Assign(value);
    }

    void RestoreDefaults();
    void SetOnChanged(const TcxStyleChangedEvent& event);

private:
    std::array<std::unique_ptr<TcxContainerStyle>, 4> FStyles;
};

// Makes styles of class T.
template <class T> TcxStyleFactory StyleFactoryOf() {
    return [](TPersistent* owner, bool direct, TcxContainerStyle* parent,
              TcxContainerStateItem state) -> std::unique_ptr<TcxContainerStyle> {
        return std::make_unique<T>(owner, direct, parent, state);
    };
}
