#include "ControlTestFixture.h"

#include "platform/control/Accelerator.h"
#include "platform/control/CustomControl.h"
#include "platform/control/GraphicControl.h"
#include "platform/control/PopupMenu.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {
// Bounds as left, top, width, height.
struct TBox4 {
    int X, Y, W, H;
};

std::vector<std::string>* gDestroyed = nullptr;

class TProbe : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    ~TProbe() override {
        if (gDestroyed)
            gDestroyed->push_back(Name());
    }
    std::string ClassName() const override { return "TProbe"; }
    std::vector<UINT> Messages;
    void WndProc(TMessage& m) override {
        if (m.Msg >= CM_BASE && m.Msg < CM_BASE + 0x100)
            Messages.push_back(m.Msg);
        TCustomControl::WndProc(m);
    }
    int Count(UINT msg) const { return int(std::count(Messages.begin(), Messages.end(), msg)); }
    using TCustomControl::InheritFont;
};

class TGraphicProbe : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    ~TGraphicProbe() override {
        if (gDestroyed)
            gDestroyed->push_back(Name());
    }
    TColor Fill = clRed;

protected:
    void Paint() override {
        Canvas().Brush().SetColor(Fill);
        Canvas().FillRect(ClientRect());
    }
};

TProbe* Probe(TComponent* owner, TWinControl* parent, const std::string& name, TBox4 r) {
    auto* p = new TProbe(owner);
    p->SetName(name);
    p->SetBounds(r.X, r.Y, r.W, r.H);
    p->SetParent(parent);
    return p;
}
} // namespace

TEST_F(TControlTest, OwnerDestroysControlsLastCreatedFirstWhileParentsStillStand) {
    std::vector<std::string> destroyed;
    gDestroyed = &destroyed;
    TForm* form = NewForm();
    TProbe* panel = Probe(form, form, "Panel", {0, 0, 200, 100});
    Probe(form, panel, "Inner", {5, 5, 50, 20});
    auto* g = new TGraphicProbe(form);
    g->SetName("Pic");
    g->SetParent(panel);
    form->Show();
    Pump();
    HWND innerWnd = static_cast<TWinControl*>(form->FindComponent("Inner"))->Handle();
    form->Free();
    gDestroyed = nullptr;
    EXPECT_EQ(destroyed, (std::vector<std::string>{"Pic", "Inner", "Panel"}));
    EXPECT_FALSE(IsWindow(innerWnd));
}

TEST_F(TControlTest, ParentDestroysChildrenOwnedElsewhere) {
    std::vector<std::string> destroyed;
    gDestroyed = &destroyed;
    TForm* form = NewForm();
    auto* other = new TComponent(nullptr);
    TProbe* panel = Probe(form, form, "Panel", {0, 0, 200, 100});
    Probe(other, panel, "Child", {0, 0, 10, 10});
    panel->Free();
    EXPECT_EQ(destroyed, (std::vector<std::string>{"Panel", "Child"}));
    EXPECT_EQ(other->ComponentCount(), 0);
    gDestroyed = nullptr;
    delete other;
}

TEST_F(TControlTest, ParentFontAndParentColorPropagateUntilAControlSetsItsOwn) {
    TForm* form = NewForm();
    TProbe* panel = Probe(form, form, "Panel", {0, 0, 200, 100});
    TProbe* inner = Probe(form, panel, "Inner", {0, 0, 50, 20});
    TProbe* own = Probe(form, panel, "Own", {60, 0, 50, 20});
    own->Font().SetName("Tahoma");
    own->SetColor(clYellow);
    EXPECT_FALSE(own->ParentFont());
    EXPECT_FALSE(own->ParentColor());

    form->Font().SetName("Arial");
    form->Font().SetHeight(-13);
    form->SetColor(clGreen);
    EXPECT_EQ(panel->Font().Name(), "Arial");
    EXPECT_EQ(inner->Font().Name(), "Arial");
    EXPECT_EQ(inner->Font().Height(), -13);
    EXPECT_EQ(inner->Color(), clGreen);
    EXPECT_TRUE(inner->ParentFont());
    EXPECT_TRUE(inner->ParentColor());
    EXPECT_EQ(own->Font().Name(), "Tahoma");
    EXPECT_EQ(own->Color(), clYellow);
    EXPECT_GE(inner->Count(CM_PARENTFONTCHANGED), 1);
    EXPECT_GE(inner->Count(CM_FONTCHANGED), 1);
    EXPECT_GE(inner->Count(CM_COLORCHANGED), 1);

    // Back to the parent's: the parent's settings are taken at once.
    own->SetParentFont(true);
    own->SetParentColor(true);
    EXPECT_EQ(own->Font().Name(), "Arial");
    EXPECT_EQ(own->Color(), clGreen);

    // An equal value changes nothing and sends nothing.
    int before = int(inner->Messages.size());
    inner->SetColor(clGreen);
    EXPECT_EQ(int(inner->Messages.size()), before);
}

TEST_F(TControlTest, AnInheritedFontLeavesParentFontAsItWas) {
    TForm* form = NewForm();
    form->Font().SetName("Arial");
    TProbe* p = Probe(form, form, "P", {0, 0, 50, 20});
    ASSERT_TRUE(p->ParentFont());
    TFont style;
    style.SetName("Tahoma");
    style.SetHeight(-13);
    p->Messages.clear();
    p->InheritFont(style);
    EXPECT_EQ(p->Font().Name(), "Tahoma");
    EXPECT_EQ(p->Font().Height(), -13);
    EXPECT_TRUE(p->ParentFont());
    EXPECT_EQ(p->Count(CM_FONTCHANGED), 1);

    // A control that chose its own font keeps that choice too.
    p->Font().SetName("Courier New");
    ASSERT_FALSE(p->ParentFont());
    p->InheritFont(style);
    EXPECT_FALSE(p->ParentFont());
    EXPECT_EQ(p->Font().Name(), "Tahoma");

    // The parent's font still arrives while ParentFont is on.
    p->SetParentFont(true);
    EXPECT_EQ(p->Font().Name(), "Arial");
}

TEST_F(TControlTest, StateChangesSendTheirControlMessagesOnce) {
    TForm* form = NewForm();
    TProbe* p = Probe(form, form, "P", {0, 0, 50, 20});
    p->Messages.clear();
    p->SetEnabled(false);
    p->SetEnabled(false);
    p->SetVisible(false);
    p->SetText("x");
    p->SetText("x");
    EXPECT_EQ(p->Count(CM_ENABLEDCHANGED), 1);
    EXPECT_EQ(p->Count(CM_VISIBLECHANGED), 1);
    EXPECT_EQ(p->Count(CM_SHOWINGCHANGED), 1);
    EXPECT_EQ(p->Count(CM_TEXTCHANGED), 1);
}

TEST_F(TControlTest, AlignmentSharesTheClientAreaAndFollowsResizing) {
    TForm* form = NewForm();
    TProbe* top = Probe(form, form, "Top", {0, 0, 10, 30});
    TProbe* left = Probe(form, form, "Left", {0, 0, 40, 10});
    TProbe* client = Probe(form, form, "Client", {0, 0, 10, 10});
    TProbe* anchored = Probe(form, form, "Anchored", {250, 150, 20, 20});
    anchored->SetAnchors(akRight | akBottom);
    top->SetAlign(alTop);
    left->SetAlign(alLeft);
    client->SetAlign(alClient);
    EXPECT_EQ(top->BoundsRect(), TRect(0, 0, 300, 30));
    EXPECT_EQ(left->BoundsRect(), TRect(0, 30, 40, 200));
    EXPECT_EQ(client->BoundsRect(), TRect(40, 30, 300, 200));

    form->Show();
    form->SetBounds(100, 100, 400, 250);
    EXPECT_EQ(client->BoundsRect(), TRect(40, 30, 400, 250));
    EXPECT_EQ(top->Width(), 400);
    EXPECT_EQ(anchored->Left(), 350);
    EXPECT_EQ(anchored->Top(), 200);
    EXPECT_EQ(anchored->Width(), 20);
    EXPECT_EQ(anchored->Height(), 20);
    // A hidden aligned control gives its room back.
    top->SetVisible(false);
    EXPECT_EQ(client->BoundsRect(), TRect(40, 0, 400, 250));
}

TEST_F(TControlTest, ConstraintsLimitTheSize) {
    TForm* form = NewForm();
    TProbe* p = Probe(form, form, "P", {0, 0, 50, 20});
    p->Constraints().SetMinWidth(30);
    p->Constraints().SetMaxHeight(40);
    p->SetBounds(0, 0, 10, 100);
    EXPECT_EQ(p->Width(), 30);
    EXPECT_EQ(p->Height(), 40);
}

TEST_F(TControlTest, GraphicControlsArePaintedByTheirParentAndGetItsMouseMessages) {
    TForm* form = NewForm();
    form->SetColor(clWhite);
    auto* g = new TGraphicProbe(form);
    g->SetBounds(10, 10, 20, 20);
    g->SetParent(form);
    int clicks = 0;
    TPoint down;
    g->OnClick = [&](TPersistent* s) {
        EXPECT_EQ(s, g);
        ++clicks;
    };
    g->OnMouseDown = [&](TPersistent*, TMouseButton, TShiftState, int x, int y) { down = {x, y}; };
    form->Show();
    Pump();
    EXPECT_EQ(Desk->PixelAt(form->Handle(), {115, 115}), clRed);
    EXPECT_EQ(Desk->PixelAt(form->Handle(), {135, 135}), clWhite);

    g->Fill = clBlue;
    g->Invalidate();
    Pump();
    EXPECT_EQ(Desk->PixelAt(form->Handle(), {115, 115}), clBlue);

    Desk->Click({115, 117});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(down, TPoint(5, 7));
    // Pressed inside, released outside: no click.
    Desk->MouseDown({115, 115});
    Desk->MouseUp({160, 160});
    EXPECT_EQ(clicks, 1);
    Desk->Click({160, 160});
    EXPECT_EQ(clicks, 1);
}

TEST_F(TControlTest, MouseEnterAndLeaveReachGraphicAndWindowedControls) {
    TForm* form = NewForm();
    auto* g = new TGraphicProbe(form);
    g->SetBounds(10, 10, 20, 20);
    g->SetParent(form);
    TProbe* w = Probe(form, form, "W", {100, 10, 40, 40});
    std::vector<std::string> log;
    g->OnMouseEnter = [&](TPersistent*) { log.push_back("g+"); };
    g->OnMouseLeave = [&](TPersistent*) { log.push_back("g-"); };
    w->OnMouseEnter = [&](TPersistent*) { log.push_back("w+"); };
    w->OnMouseLeave = [&](TPersistent*) { log.push_back("w-"); };
    form->Show();
    Pump();
    Desk->MouseMove({115, 115});
    Desk->MouseMove({160, 160});
    Desk->MouseMove({210, 115});
    Desk->MouseMove({260, 160});
    EXPECT_EQ(log, (std::vector<std::string>{"g+", "g-", "w+", "w-"}));
    EXPECT_EQ(w->Count(CM_MOUSEENTER), 1);
    EXPECT_EQ(w->Count(CM_MOUSELEAVE), 1);
}

TEST_F(TControlTest, LinksToOtherComponentsAreDroppedWhenTheyGo) {
    TForm* form = NewForm();
    TProbe* p = Probe(form, form, "P", {0, 0, 50, 20});
    auto* menu = new TPopupMenu(nullptr); // owned elsewhere: a free notification is needed
    p->SetPopupMenu(menu);
    form->SetMenu(menu);
    EXPECT_EQ(p->PopupMenu(), menu);
    menu->Free();
    EXPECT_EQ(p->PopupMenu(), nullptr);
    EXPECT_EQ(form->Menu(), nullptr);
}

TEST(AcceleratorTest, TheLetterAfterASingleAmpersandIsTheAccelerator) {
    struct TCase {
        char Key;
        const char* Caption;
        bool Expected;
    };
    for (const TCase& c : std::vector<TCase>{{'g', "&Go", true},
                                             {'G', "&go", true},
                                             {'1', "Level &1", true},
                                             {'o', "&Go", false},
                                             {'g', "Go", false},
                                             {'g', "Go&", false},
                                             {'g', "&&Go", false},            // a shown ampersand
                                             {'g', "A&&&Go", true},           // then a real mark
                                             {'b', "&a &b", false},           // only the first mark
                                             {'\xC6', "&\xC6\xEF", false}}) { // a GBK character
        EXPECT_EQ(IsAccel(c.Key, c.Caption), c.Expected) << c.Key << " " << c.Caption;
    }
}

namespace {
// Logs, under its name, when it hears of a colour change and when it paints.
template <class TBase> class TColourWatcher : public TBase {
public:
    using TBase::TBase;
    std::vector<std::string>* Log = nullptr;
    void WndProc(TMessage& m) override {
        if (m.Msg == CM_SYSCOLORCHANGE && Log)
            Log->push_back(this->Name() + " colours");
        if (m.Msg == WM_PAINT && Log)
            Log->push_back(this->Name() + " paint");
        TBase::WndProc(m);
    }
};

std::vector<std::string>* gUtilityLog = nullptr;
LRESULT UtilityProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SYSCOLORCHANGE && gUtilityLog)
        gUtilityLog->push_back(GetWindowText(wnd) + " colours");
    return DefWindowProc(wnd, msg, wParam, lParam);
}
} // namespace

TEST_F(TControlTest, AColourChangeReachesEveryControlOnceBeforeTheNextPaint) {
    std::vector<std::string> log;
    gUtilityLog = &log;
    TWndClass wc;
    wc.lpfnWndProc = &UtilityProc;
    wc.lpszClassName = "Utility";
    RegisterClass(wc);

    TForm* form = NewForm();
    auto watch = [&](auto* c, const std::string& name, TWinControl* parent, TRect r) {
        c->SetName(name);
        c->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        c->SetParent(parent);
        c->Log = &log;
        return c;
    };
    auto* panel = watch(new TColourWatcher<TCustomControl>(form), "Panel", form, {0, 0, 200, 100});
    auto* inner = watch(new TColourWatcher<TCustomControl>(form), "Inner", panel, {5, 5, 80, 40});
    auto* deepest =
        watch(new TColourWatcher<TCustomControl>(form), "Deepest", inner, {2, 2, 20, 20});
    watch(new TColourWatcher<TGraphicControl>(form), "Pic", inner, {30, 2, 20, 20});
    (void)deepest;
    form->Show();
    Pump();
    // A hidden window of someone else's at the top and one inside a control.
    CreateWindowEx(0, "Utility", "cache", WS_POPUP, 0, 0, 0, 0, nullptr, 0, nullptr);
    CreateWindowEx(0, "Utility", "inside", WS_CHILD, 0, 0, 5, 5, inner->Handle(), 0, nullptr);
    log.clear();

    const int index = COLOR_BTNFACE;
    const TColor value = RGB(10, 20, 30);
    TColor before = GetSysColor(COLOR_BTNFACE);
    ASSERT_TRUE(SetSysColors(1, &index, &value));
    std::vector<std::string> heard(log.begin(), log.end());
    std::sort(heard.begin(), heard.end());
    EXPECT_EQ(heard, (std::vector<std::string>{"Deepest colours", "Inner colours", "Panel colours",
                                               "Pic colours", "cache colours", "inside colours"}));
    Pump(); // now everything paints, after having heard of the change
    auto first = [&](const std::string& s) {
        return std::find(log.begin(), log.end(), s) - log.begin();
    };
    for (std::string name : {"Panel", "Inner", "Deepest", "Pic"}) {
        EXPECT_LT(first(name + " colours"), first(name + " paint")) << name;
        EXPECT_EQ(std::count(log.begin(), log.end(), name + " colours"), 1) << name;
    }
    TColorScheme::Current().Set(COLOR_BTNFACE, before);
    gUtilityLog = nullptr;
}
