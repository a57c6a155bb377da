#include "SkinFrameFixture.h"

#include "platform/control/MenuItem.h"
#include "platform/control/PopupMenu.h"
#include "platform/window/MenuWindow.h"
#include "skin/SuiForm.h"
#include "skin/SuiMainMenu.h"
#include "skin/SuiMenuBar.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

class MenuTest : public TSkinFrameTest {
public:
    TForm* Host = nullptr;
    TsuiForm* Frame = nullptr;
    TsuiMainMenu* Menu = nullptr;
    std::vector<std::string> Clicked;

    void MakeFrame(TsuiUIStyle style = MacOS) {
        Host = new TForm(App.get());
        Host->SetBounds(100, 100, 300, 200);
        Frame = new TsuiForm(Host);
        Frame->SetParent(Host);
        Frame->SetUIStyle(style);
        Host->Show();
        Pump();
    }
    // "&File" with Open and Quit, "&Help" without commands.
    void MakeMenu() {
        Menu = new TsuiMainMenu(Host);
        TMenuItem* file = Menu->Add("&File");
        for (const char* name : {"Open", "Quit"})
            Menu->SubMenu(file)->Add(name, [this, name](TPersistent*) { Clicked.push_back(name); });
        TMenuItem* help = Menu->Add("&Help");
        help->OnClick = [this](TPersistent*) { Clicked.push_back("Help"); };
    }
    static HWND OpenMenu() {
        for (HWND h : GetTopLevelWindows())
            if (GetClassName(h) == kMenuWindowClass)
                return h;
        return nullptr;
    }
    // Clicks at a screen point; while a menu window is open, act runs once with it.
    void ClickWithMenu(TPoint at, const std::function<void(HWND menu)>& act) {
        int waits = 0;
        Desk->SetIdleHandler([&] {
            if (waits++ == 0) {
                HWND menu = OpenMenu();
                EXPECT_NE(menu, nullptr);
                act(menu);
            } else {
                ADD_FAILURE() << "the menu stayed open";
                Desk->PressKey(VK_ESCAPE);
            }
            return true;
        });
        Desk->Click(at);
        Desk->SetIdleHandler(nullptr);
        EXPECT_EQ(OpenMenu(), nullptr);
    }
};

TEST_F(MenuTest, AMenuGetsABarUnderTheTitleBar) {
    MakeFrame();
    MakeMenu();
    EXPECT_EQ(Frame->MenuBar(), nullptr);
    Frame->SetMenu(Menu);
    Pump();
    TsuiMenuBar* bar = Frame->MenuBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(Menu->Form(), Frame);
    EXPECT_EQ(Frame->TitleBar()->Top(), 0);
    EXPECT_EQ(bar->Top(), Frame->TitleBar()->Height());
    EXPECT_EQ(bar->Height(), 22);
    EXPECT_EQ(bar->Width(), Frame->Width());
    EXPECT_EQ(bar->Color(), Frame->MenuBarColor());
    ASSERT_EQ(bar->ButtonCount(), 2);
    EXPECT_EQ(bar->ButtonCaption(0), "File");
    EXPECT_EQ(bar->ButtonCaption(1), "Help");
    EXPECT_EQ(bar->ButtonRect(1).Left, bar->ButtonRect(0).Right);

    Frame->SetMenuBarHeight(30);
    EXPECT_EQ(bar->Height(), 30);
    EXPECT_EQ(bar->ButtonRect(0).Height(), 30);
    Frame->SetMenuBarColor(clRed);
    EXPECT_EQ(bar->Color(), clRed);

    Menu->Items(1)->SetCaption("&About");
    Menu->Items(1)->SetEnabled(false);
    Frame->UpdateTopMenu();
    EXPECT_EQ(bar->ButtonCaption(1), "About");
    EXPECT_FALSE(bar->ButtonEnabled(1));
    Menu->Add("&Tools");
    EXPECT_EQ(bar->ButtonCount(), 3);

    Frame->SetMenu(nullptr);
    EXPECT_EQ(Frame->MenuBar(), nullptr);
    EXPECT_EQ(Menu->Form(), nullptr);
}

TEST_F(MenuTest, FreeingTheMenuTakesTheBarAway) {
    MakeFrame();
    MakeMenu();
    Frame->SetMenu(Menu);
    Menu->Free();
    EXPECT_EQ(Frame->Menu(), nullptr);
    EXPECT_EQ(Frame->MenuBar(), nullptr);
    Frame->SetUIStyle(WinXP); // nothing left that points at the menu
}

TEST_F(MenuTest, AButtonDropsDownItsCommandsBelowIt) {
    MakeFrame();
    MakeMenu();
    Frame->SetMenu(Menu);
    Pump();
    TsuiMenuBar* bar = Frame->MenuBar();
    TRect file = bar->ButtonRect(0);
    TPoint menuAt;
    ClickWithMenu(bar->ClientToScreen(file.CenterPoint()), [&](HWND menu) {
        EXPECT_EQ(bar->SelectedButton(), 0);
        TRect r;
        GetWindowRect(menu, &r);
        menuAt = r.TopLeft();
        Desk->PressKey(VK_DOWN);
        Desk->PressKey(VK_DOWN);
        Desk->PressKey(VK_RETURN);
    });
    EXPECT_EQ(menuAt, bar->ClientToScreen({file.Left, file.Bottom}));
    EXPECT_EQ(Clicked, std::vector<std::string>{"Quit"});
    EXPECT_EQ(bar->SelectedButton(), -1);

    // An entry without commands is chosen at once.
    Desk->Click(bar->ClientToScreen(bar->ButtonRect(1).CenterPoint()));
    EXPECT_EQ(Clicked, (std::vector<std::string>{"Quit", "Help"}));
}

TEST_F(MenuTest, ShortcutsRunTheirCommandOnce) {
    MakeFrame();
    MakeMenu();
    Frame->SetMenu(Menu);
    TPopupMenu* file = Menu->SubMenu(Menu->Items(0));
    Menu->SetShortCut(file->Items(0), 'O', ssCtrl);
    Pump();
    Desk->PressKey('O', ssCtrl);
    EXPECT_EQ(Clicked, std::vector<std::string>{"Open"});
    Desk->PressKey('O');
    Desk->PressKey('Q', ssCtrl);
    EXPECT_EQ(Clicked.size(), 1u);
    file->Items(0)->SetEnabled(false);
    Desk->PressKey('O', ssCtrl); // taken, but a greyed command does not run
    EXPECT_EQ(Clicked.size(), 1u);

    // Sent to the window straight, the answer says whether the menu took the key.
    file->Items(0)->SetEnabled(true);
    EXPECT_EQ(SendMessage(Host->Handle(), WM_KEYDOWN, 'X', 0), 0);
    Frame->SetMenu(nullptr);
    EXPECT_EQ(Frame->ProcessKeyPress({WM_KEYDOWN, 'O', 0, 0}), 0);
}

TEST_F(MenuTest, MacOSDrawsTheBarAndTheHotButtonFromPictures) {
    MakeFrame(MacOS);
    MakeMenu();
    Frame->SetMenu(Menu);
    Pump();
    TsuiMenuBar* bar = Frame->MenuBar();
    int right = bar->ButtonRect(1).Right;
    for (int y : {0, 5, 21})
        EXPECT_EQ(ShownAt(bar, {right + 20, y}), PicturePixel("MACOS_MENU_BAR", {0, y})) << y;
    TRect file = bar->ButtonRect(0);
    Desk->MouseMove(bar->ClientToScreen(file.CenterPoint()));
    EXPECT_EQ(bar->HotButton(), 0);
    EXPECT_EQ(ShownAt(bar, {file.Left + 1, 0}), PicturePixel("MACOS_MENU_SELECT", {0, 0}));
    Desk->MouseMove(bar->ClientToScreen({right + 20, 5}));
    EXPECT_EQ(ShownAt(bar, {file.Left + 1, 0}), PicturePixel("MACOS_MENU_BAR", {0, 0}));
}

TEST_F(MenuTest, OtherThemesFrameAndFillTheHotButton) {
    MakeFrame(WinXP);
    MakeMenu();
    Frame->SetMenu(Menu);
    Pump();
    TsuiMenuBar* bar = Frame->MenuBar();
    TRect file = bar->ButtonRect(0);
    EXPECT_EQ(ShownAt(bar, {file.Left + 1, 2}), Frame->MenuBarColor());
    Desk->MouseMove(bar->ClientToScreen(file.CenterPoint()));
    EXPECT_EQ(ShownAt(bar, {file.Left, 0}), TColor(0xC66931));     // element 11
    EXPECT_EQ(ShownAt(bar, {file.Left + 1, 2}), TColor(0xEFD3C6)); // element 12
    // The menu's own theme wins over the frame's unless it is Custom.
    Menu->SetUIStyle(DeepBlue);
    Pump();
    EXPECT_EQ(ShownAt(bar, {file.Left + 1, 2}), TColor(0xA04A44));
}

TEST_F(MenuTest, TheControlBoxDropsItsMenuAtTheBarsBottomLeft) {
    MakeFrame();
    auto* boxMenu = new TPopupMenu(Host);
    boxMenu->Add("Close", [this](TPersistent*) { Clicked.push_back("Close"); });
    TsuiTitleBar* bar = Frame->TitleBar();
    bar->Buttons().Items(0)->SetControlBoxMenu(boxMenu);
    TPoint menuAt;
    TPoint box = bar->ClientToScreen(bar->LayoutButtons(bar->Width()).Rects[0].CenterPoint());
    ClickWithMenu(box, [&](HWND menu) {
        TRect r;
        GetWindowRect(menu, &r);
        menuAt = r.TopLeft();
        Desk->PressKey(VK_DOWN);
        Desk->PressKey(VK_RETURN);
    });
    EXPECT_EQ(menuAt, bar->ClientToScreen({0, bar->Height()}));
    EXPECT_EQ(Clicked, std::vector<std::string>{"Close"});

    boxMenu->Free();
    EXPECT_EQ(bar->Buttons().Items(0)->ControlBoxMenu(), nullptr);
    Desk->Click(box); // no menu: nothing happens
    EXPECT_TRUE(Host->Visible());
}

} // namespace
