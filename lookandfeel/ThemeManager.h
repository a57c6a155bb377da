#pragma once

#include "platform/window/WinTypes.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

// The platform's visual styles (themes). This desktop has no visual-styles library: the library
// is never loaded, themes never count as active, no theme data opens, and every painter that
// could draw through a theme uses its own drawing instead. A theme change is still announced to
// the registered notificators through a hidden window, as on a desktop that has themes.

enum TdxThemedObjectType : std::uint8_t {
    totButton,
    totClock,
    totComboBox,
    totEdit,
    totExplorerBar,
    totHeader,
    totListBox,
    totListView,
    totMenu,
    totPage,
    totProgress,
    totRebar,
    totScrollBar,
    totSpin,
    totStartPanel,
    totStatus,
    totTab,
    totTaskBand,
    totTaskBar,
    totToolBar,
    totToolTip,
    totTrackBar,
    totTrayNotify,
    totTreeView,
    totWindow
};
constexpr int ThemedObjectTypeCount = totWindow + 1;

class TdxThemedObjectTypes {
public:
    constexpr TdxThemedObjectTypes() = default;
    constexpr TdxThemedObjectTypes(std::initializer_list<TdxThemedObjectType> types) {
        for (TdxThemedObjectType t : types)
            FBits |= std::uint32_t(1) << t;
    }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr bool Contains(TdxThemedObjectType t) const {
        return (FBits & (std::uint32_t(1) << t)) != 0;
    }
    constexpr bool operator==(const TdxThemedObjectTypes&) const = default;

private:
    std::uint32_t FBits = 0;
};

// An open theme; nullptr is none.
using TdxTheme = void*;

// The theme class of an object type ("Button" for totButton ... "Window" for totWindow).
const char* ThemedObjectTypeClassName(TdxThemedObjectType type);

// The outcome of loading the visual-styles library at start.
bool IsWindowsXPOrLater();
bool IsThemeLibraryLoaded();
// The library is loaded and the platform says themes are on; read at start and again on every
// theme change.
bool AreThemesActive();
// The theme data of an object type (with another class name when one is given), or none when
// visual styles are not available.
TdxTheme OpenTheme(TdxThemedObjectType type, const std::string& className = "");
void CloseAllThemes();
// Themes are active, the library is loaded and each type's theme opens; with no type the first
// two conditions decide.
bool AreVisualStylesAvailable(TdxThemedObjectTypes types = {});
bool AreVisualStylesAvailable(TdxThemedObjectType type);
// The current theme is one of the platform's standard themes.
bool IsStandardTheme();

// Told about every theme change, in the order the notificators were created. An exception from
// the handler goes to the application's exception handler.
class TdxThemeChangedNotificator {
public:
    TdxThemeChangedNotificator();
    ~TdxThemeChangedNotificator();
    TdxThemeChangedNotificator(const TdxThemeChangedNotificator&) = delete;
    TdxThemeChangedNotificator& operator=(const TdxThemeChangedNotificator&) = delete;

    std::function<void()> OnThemeChanged;
};

// The hidden window that receives theme changes (it exists while a window system runs and a
// notificator is registered); nullptr when there is none.
HWND dxThemeChangedEventReceiverWindow();
