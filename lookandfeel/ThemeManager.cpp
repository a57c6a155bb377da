#include "lookandfeel/ThemeManager.h"

#include "lookandfeel/HiddenUtilityWindow.h"
#include "platform/control/Application.h"
#include "platform/window/WinApi.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <vector>

namespace {

constexpr const char* ThemeClassNames[ThemedObjectTypeCount] = {
    "Button",     "Clock",      "ComboBox", "Edit",     "ExplorerBar", "Header",    "ListBox",
    "ListView",   "Menu",       "Page",     "Progress", "Rebar",       "ScrollBar", "Spin",
    "StartPanel", "Status",     "Tab",      "TaskBand", "TaskBar",     "ToolBar",   "ToolTip",
    "TrackBar",   "TrayNotify", "TreeView", "Window"};

// The theme manager's process-wide state.
struct TThemeManager {
    // This desktop has no visual-styles library to load; the platform counts as new enough.
    bool LibraryLoaded = false;
    bool ThemesActive = false;
    std::vector<TdxThemeChangedNotificator*> Notificators;
    std::unique_ptr<THiddenUtilityWindow> Receiver;

    // Themes are on only where the library could ask the platform; here it never loads.
    void ReadActive() { ThemesActive = false; }
    void ThemeChanged();
};

TThemeManager& Manager() {
    static TThemeManager m;
    return m;
}

void TThemeManager::ThemeChanged() {
    CloseAllThemes();
    ReadActive();
    // A handler may remove notificators (its own included): each one still registered is told
    // once, in registration order.
    const std::vector<TdxThemeChangedNotificator*> snapshot = Notificators;
    for (TdxThemeChangedNotificator* n : snapshot) {
        if (std::find(Notificators.begin(), Notificators.end(), n) == Notificators.end())
            continue;
        try {
            if (n->OnThemeChanged)
                n->OnThemeChanged();
        } catch (...) {
            if (!Application)
                throw;
            Application->HandleException(std::current_exception());
        }
    }
}

} // namespace

const char* ThemedObjectTypeClassName(TdxThemedObjectType type) {
    return type < ThemedObjectTypeCount ? ThemeClassNames[type] : "";
}

bool IsWindowsXPOrLater() {
    return true;
}

bool IsThemeLibraryLoaded() {
    return Manager().LibraryLoaded;
}

bool AreThemesActive() {
    return Manager().ThemesActive;
}

TdxTheme OpenTheme(TdxThemedObjectType type, const std::string& className) {
    (void)type;
    (void)className;
    // Without the library no theme data can be opened.
    return nullptr;
}

void CloseAllThemes() {}

bool AreVisualStylesAvailable(TdxThemedObjectTypes types) {
    if (!AreThemesActive() || !IsThemeLibraryLoaded())
        return false;
    for (int t = 0; t < ThemedObjectTypeCount; ++t) {
        auto type = TdxThemedObjectType(t);
        if (types.Contains(type) && OpenTheme(type) == nullptr)
            return false;
    }
    return true;
}

bool AreVisualStylesAvailable(TdxThemedObjectType type) {
    return AreVisualStylesAvailable(TdxThemedObjectTypes{type});
}

bool IsStandardTheme() {
    // No theme file is in use.
    return false;
}

TdxThemeChangedNotificator::TdxThemeChangedNotificator() {
    TThemeManager& m = Manager();
    m.Notificators.push_back(this);
    if (!m.Receiver) {
        m.Receiver = std::make_unique<THiddenUtilityWindow>(
            "TdxThemeChangedEventReceiver", [](UINT msg, WPARAM, LPARAM, LRESULT& result) {
                if (msg != WM_THEMECHANGED)
                    return false;
                Manager().ThemeChanged();
                result = 0;
                return true;
            });
    }
    m.Receiver->Ensure();
}

TdxThemeChangedNotificator::~TdxThemeChangedNotificator() {
    auto& list = Manager().Notificators;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

HWND dxThemeChangedEventReceiverWindow() {
    const TThemeManager& m = Manager();
    return m.Receiver ? m.Receiver->Handle() : nullptr;
}
