#include "ControlTestFixture.h"

#include "platform/component/LayoutReader.h"
#include "platform/component/LayoutWriter.h"
#include "platform/control/ControlRegistration.h"
#include "platform/control/GraphicControl.h"
#include "platform/control/Panel.h"
#include "platform/control/PopupMenu.h"
#include "platform/window/MenuWindow.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace {
class TPlainGraphic : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
};

class PopupMenuTest : public TControlTest {
public:
    TForm* Form = nullptr;
    TPanel* Panel = nullptr;
    TPopupMenu* Menu = nullptr;
    std::vector<std::string> Log;

    void SetUp() override {
        TControlTest::SetUp();
        Form = NewForm(); // at (100,100), 300 x 200, no frame
        Panel = new TPanel(Form);
        Panel->SetBounds(10, 20, 200, 120);
        Panel->SetParent(Form);
        Menu = new TPopupMenu(Form);
        Menu->OnPopup = [this](TPersistent*) { Log.push_back("popup"); };
        Menu->Add("&Open", Logger("open"));
        Menu->Add("-");
        Menu->Add("&Save", Logger("save"))->SetEnabled(false);
        Menu->Add("E&xit", Logger("exit"))->SetVisible(false);
        Menu->Add("&Close", Logger("close"));
        Form->Show();
        Pump();
    }

    TNotifyEvent Logger(const std::string& name) {
        return [this, name](TPersistent* sender) {
            EXPECT_EQ(OpenMenu(), nullptr) << "the menu window is closed before the click";
            EXPECT_NE(Menu->IndexOf(static_cast<TMenuItem*>(sender)), -1);
            Log.push_back(name);
        };
    }
    static HWND OpenMenu() {
        for (HWND h : GetTopLevelWindows())
            if (GetClassName(h) == kMenuWindowClass)
                return h;
        return nullptr;
    }
    // While the next menu is open: where it is, then act on it.
    void WhenOpen(const std::function<void(HWND menu)>& act, TRect* shownAt = nullptr) {
        auto waits = std::make_shared<int>(0);
        Desk->SetIdleHandler([=, this] {
            HWND menu = OpenMenu();
            if ((*waits)++ > 0 || !menu) {
                ADD_FAILURE() << (menu ? "the menu stayed open" : "no menu");
                Desk->PressKey(VK_ESCAPE);
                return menu != nullptr;
            }
            if (shownAt)
                GetWindowRect(menu, shownAt);
            act(menu);
            return true;
        });
    }
    void Done() { Desk->SetIdleHandler(nullptr); }
    void Keys(std::initializer_list<int> keys) {
        for (int vk : keys)
            Desk->PressKey(vk);
    }
    // The screen point of a row of the menu as Setup fills it (Exit is hidden).
    static TPoint Row(HWND menu, int row) {
        std::vector<TMenuRow> rows{{"&Open"}, {"", true}, {"&Save", false, false}, {"&Close"}};
        TPoint p = LayoutMenu(rows).Rows[std::size_t(row)].CenterPoint();
        ClientToScreen(menu, &p);
        return p;
    }
};
} // namespace

TEST_F(PopupMenuTest, ChoosingRunsTheItemsClickAfterTheMenuClosed) {
    struct TCase {
        std::function<void(HWND)> Act;
        std::vector<std::string> Log;
    } cases[] = {
        {[&](HWND) {
             Keys({VK_DOWN, VK_RETURN});
         },
         {"popup", "open"}},
        // Over the separator, the greyed Save and the hidden Exit.
        {[&](HWND) {
             Keys({VK_DOWN, VK_DOWN, VK_SPACE});
         },
         {"popup", "close"}},
        {[&](HWND) { Keys({'C'}); }, {"popup", "close"}},
        {[&](HWND) {
             Keys({'X', VK_ESCAPE});
         },
         {"popup"}}, // Exit is hidden
        {[&](HWND m) {
             Desk->Click(Row(m, 2)); // greyed
             Desk->Click(Row(m, 3));
         },
         {"popup", "close"}},
        {[&](HWND) {
             Desk->Click({700, 600});
         },
         {"popup"}},
    };
    for (const TCase& c : cases) {
        Log.clear();
        WhenOpen(c.Act);
        Menu->Popup(150, 150);
        Done();
        EXPECT_EQ(Log, c.Log) << "case " << (&c - cases);
        EXPECT_EQ(OpenMenu(), nullptr);
        EXPECT_FALSE(Menu->Popped());
    }
}

TEST_F(PopupMenuTest, OnPopupMayChangeTheItemsAndAnEmptyMenuShowsNothing) {
    Menu->OnPopup = [this](TPersistent*) { Menu->Items(2)->SetEnabled(true); };
    WhenOpen([&](HWND) { Desk->PressKey('S'); });
    Menu->Popup(150, 150);
    Done();
    EXPECT_EQ(Log, std::vector<std::string>{"save"});

    Menu->OnPopup = nullptr;
    Menu->Clear();
    EXPECT_EQ(Menu->Count(), 0);
    Desk->SetIdleHandler([] {
        ADD_FAILURE() << "an empty menu waits";
        return false;
    });
    Menu->Popup(150, 150);
    Done();
}

TEST_F(PopupMenuTest, ARightClickOrTheMenuKeyPopsTheControlsMenu) {
    Panel->SetPopupMenu(Menu);
    TRect shown;
    // At the pointer.
    WhenOpen([&](HWND) { Desk->PressKey(VK_ESCAPE); }, &shown);
    Desk->Click({150, 160}, TMouseButton::Right);
    Done();
    EXPECT_EQ(shown.TopLeft(), TPoint(150, 160));
    EXPECT_EQ(Menu->PopupComponent(), Panel);

    // From the keyboard: at the control's top-left corner (the form is at 100,100).
    Form->SetActiveControl(Panel);
    Panel->SetFocus();
    for (int way = 0; way < 2; ++way) {
        shown = {};
        WhenOpen([&](HWND) { Desk->PressKey(VK_ESCAPE); }, &shown);
        if (way == 0) {
            Desk->PressKey(VK_APPS);
        } else {
            Desk->KeyDown(VK_SHIFT, ssShift);
            Desk->PressKey(VK_F10, ssShift);
            Desk->KeyUp(VK_SHIFT);
        }
        Done();
        EXPECT_EQ(shown.TopLeft(), TPoint(110, 120)) << way;
    }

    // OnContextPopup can take the request.
    TPoint asked;
    Panel->OnContextPopup = [&](TPersistent*, TPoint at, bool& handled) {
        asked = at;
        handled = true;
    };
    Desk->SetIdleHandler([] {
        ADD_FAILURE() << "a handled request shows no menu";
        return false;
    });
    Desk->Click({150, 160}, TMouseButton::Right);
    Done();
    EXPECT_EQ(asked, TPoint(40, 40));
}

TEST_F(PopupMenuTest, AControlWithoutAMenuLeavesTheRequestToItsParent) {
    Form->SetPopupMenu(Menu);
    auto* inner = new TPanel(Form);
    inner->SetBounds(5, 5, 50, 50);
    inner->SetParent(Panel);
    auto* picture = new TPlainGraphic(Form);
    picture->SetBounds(100, 5, 40, 40);
    picture->SetParent(Panel);
    auto* own = new TPopupMenu(Form);
    own->Add("&Own", [this](TPersistent*) { Log.push_back("own"); });
    Pump();

    struct TCase {
        TPoint At;
        TControl* Asked;
        std::string Chosen; // with 'O'
    } cases[] = {
        {{120, 130}, Form, "open"}, // on the windowed inner panel: the form's menu
        {{215, 130}, Form, "open"}, // on the graphic control without menu
        {{250, 250}, Form, "open"}, // on the form itself
    };
    for (const TCase& c : cases) {
        Log.clear();
        WhenOpen([&](HWND) { Desk->PressKey('O'); });
        Desk->Click(c.At, TMouseButton::Right);
        Done();
        EXPECT_EQ(Log, (std::vector<std::string>{"popup", c.Chosen})) << c.At.X;
        EXPECT_EQ(Menu->PopupComponent(), c.Asked) << c.At.X;
    }
    // A graphic control with a menu of its own shows that one.
    picture->SetPopupMenu(own);
    Log.clear();
    WhenOpen([&](HWND) { Desk->PressKey('O'); });
    Desk->Click({215, 130}, TMouseButton::Right);
    Done();
    EXPECT_EQ(Log, std::vector<std::string>{"own"});
    EXPECT_EQ(own->PopupComponent(), picture);
}

TEST_F(PopupMenuTest, ItemsAndMenusGoingAwayLeaveNothingDangling) {
    auto* stray = new TMenuItem(nullptr);
    stray->SetCaption("&Stray");
    Menu->Insert(0, stray);
    EXPECT_EQ(Menu->IndexOf(stray), 0);
    stray->Free();
    EXPECT_EQ(Menu->Count(), 5);
    EXPECT_EQ(Menu->Items(0)->Caption(), "&Open");

    auto* kept = new TMenuItem(nullptr);
    Menu->Add(kept);
    Panel->SetPopupMenu(Menu);
    // The menu freed while it is open (from something that runs meanwhile).
    WhenOpen([&](HWND) {
        Menu->Free();
        Desk->PressKey(VK_ESCAPE);
    });
    Desk->Click({150, 160}, TMouseButton::Right);
    Done();
    EXPECT_EQ(Panel->PopupMenu(), nullptr);
    EXPECT_EQ(kept->Menu(), nullptr) << "an item owned elsewhere outlives the menu";
    kept->Free();
}

TEST_F(PopupMenuTest, LayoutsHoldMenusWithTheirItemsAndLinkThem) {
    RegisterControlClasses();
    const char* layout = R"(object F: TForm
  Left = 10
  Top = 10
  Width = 200
  Height = 100
  PopupMenu = Menu1
  object Menu1: TPopupMenu
    AutoPopup = False
    object Item1: TMenuItem
      Caption = "&One"
      Checked = True
    end
    object Item2: TMenuItem
      Caption = "-"
    end
    object Item3: TMenuItem
      Caption = "&Three"
      Enabled = False
    end
  end
end
)";
    auto* form = new TForm(App.get());
    ReadLayout(*form, layout, "menu.layout");
    auto& menu = form->FindComponentAs<TPopupMenu>("Menu1");
    EXPECT_EQ(form->PopupMenu(), &menu);
    EXPECT_FALSE(menu.AutoPopup());
    ASSERT_EQ(menu.Count(), 3);
    EXPECT_EQ(menu.Items(0)->Name(), "Item1");
    EXPECT_TRUE(menu.Items(0)->Checked());
    EXPECT_TRUE(menu.Items(1)->IsLine());
    EXPECT_FALSE(menu.Items(2)->Enabled());
    EXPECT_NE(WriteLayout(*form).find("object Item3: TMenuItem"), std::string::npos);

    // Anything but a popup menu is refused with the place it came from.
    std::string wrong = std::string(layout);
    wrong.replace(wrong.find("PopupMenu = Menu1"), 17, "PopupMenu = Item1");
    auto* other = new TForm(App.get());
    EXPECT_THROW(ReadLayout(*other, wrong, "wrong.layout"), Exception);
}
