#include "lookandfeel/ThemeManager.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/window/WinApi.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

TEST(ThemeManager, ThisDesktopHasNoVisualStyles) {
    EXPECT_FALSE(IsThemeLibraryLoaded());
    EXPECT_FALSE(AreThemesActive());
    EXPECT_FALSE(AreVisualStylesAvailable());
    EXPECT_FALSE(AreVisualStylesAvailable(totButton));
    EXPECT_FALSE(AreVisualStylesAvailable({totEdit, totScrollBar}));
    EXPECT_EQ(OpenTheme(totButton), nullptr);
    EXPECT_FALSE(IsStandardTheme());
}

TEST(ThemeManager, ObjectTypesNameTheirThemeClasses) {
    EXPECT_STREQ(ThemedObjectTypeClassName(totButton), "Button");
    EXPECT_STREQ(ThemedObjectTypeClassName(totExplorerBar), "ExplorerBar");
    EXPECT_STREQ(ThemedObjectTypeClassName(totTrayNotify), "TrayNotify");
    EXPECT_STREQ(ThemedObjectTypeClassName(totWindow), "Window");
}

TEST(ThemeManager, AThemeChangeReachesTheNotificatorsInTheOrderTheyWereMade) {
    StartHeadlessWindowSystem();
    std::string order;
    TdxThemeChangedNotificator first, second;
    auto third = std::make_unique<TdxThemeChangedNotificator>();
    first.OnThemeChanged = [&] { order += '1'; };
    // A notificator that frees a later one while it is told: the freed one is not called.
    second.OnThemeChanged = [&] {
        order += '2';
        third.reset();
    };
    third->OnThemeChanged = [&] { order += '3'; };
    HWND receiver = dxThemeChangedEventReceiverWindow();
    ASSERT_NE(receiver, nullptr);
    EXPECT_FALSE(IsWindowVisible(receiver));

    BroadcastToTopLevel(WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(order, "12");
    BroadcastToTopLevel(WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(order, "1212");
    EXPECT_FALSE(AreVisualStylesAvailable());
    ShutdownWindowSystem();
}

} // namespace
