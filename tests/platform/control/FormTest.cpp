#include "ControlTestFixture.h"

#include "platform/control/Accelerator.h"
#include "platform/control/CustomControl.h"

#include <string>
#include <vector>

namespace {
// Bounds as left, top, width, height.
struct TBox4 {
    int X, Y, W, H;
};

// A focusable windowed control; DialogCode is its answer to WM_GETDLGCODE.
class TFocusProbe : public TCustomControl {
public:
    explicit TFocusProbe(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
    LRESULT DialogCodeAnswer = 0;
    std::string Typed;
    bool TakesAccelerators = false;
    std::string Accelerators; // the accelerator characters it took
    void WndProc(TMessage& m) override {
        if (m.Msg == WM_GETDLGCODE) {
            m.Result = DialogCodeAnswer;
            return;
        }
        TCustomControl::WndProc(m);
    }

protected:
    void KeyPress(char& key) override {
        Typed += key;
        TCustomControl::KeyPress(key);
    }
    void CMDialogChar(TMessage& m) override {
        if (TakesAccelerators && IsAccel(char(m.WParam), Caption())) {
            Accelerators += char(m.WParam);
            m.Result = 1;
            return;
        }
        TCustomControl::CMDialogChar(m);
    }
};

TFocusProbe* Field(TForm* form, TWinControl* parent, const std::string& name, TBox4 r) {
    auto* f = new TFocusProbe(form);
    f->SetName(name);
    f->SetBounds(r.X, r.Y, r.W, r.H);
    f->SetParent(parent);
    return f;
}

std::string FocusedName() {
    TWinControl* c = TWinControl::FindControl(GetFocus());
    return c ? c->Name() : "";
}
} // namespace

class TTabTest : public TControlTest {
public:
    TForm* Form = nullptr;
    TFocusProbe *A, *B, *Panel, *Inner, *Clipped, *NoStop, *Hidden, *Disabled;

    void SetUp() override {
        TControlTest::SetUp();
        Form = NewForm();
        A = Field(Form, Form, "A", {0, 0, 50, 20});
        Panel = Field(Form, Form, "Panel", {0, 30, 280, 100});
        Panel->SetTabStop(false);
        Inner = Field(Form, Panel, "Inner", {5, 5, 50, 20});
        // Visible and enabled but outside the panel's area: still a tab stop.
        Clipped = Field(Form, Panel, "Clipped", {400, 5, 50, 20});
        NoStop = Field(Form, Form, "NoStop", {60, 0, 50, 20});
        NoStop->SetTabStop(false);
        Hidden = Field(Form, Form, "Hidden", {120, 0, 50, 20});
        Hidden->SetVisible(false);
        Disabled = Field(Form, Form, "Disabled", {180, 0, 50, 20});
        Disabled->SetEnabled(false);
        B = Field(Form, Form, "B", {0, 150, 50, 20});
        Form->Show();
        Pump();
    }
};

TEST_F(TTabTest, FirstTabStopIsFocusedWhenTheFormIsShown) {
    EXPECT_EQ(FocusedName(), "A");
    EXPECT_EQ(Form->ActiveControl(), A);
}

TEST_F(TTabTest, TabAndShiftTabWalkTheTabStopsInOrderAndWrap) {
    std::vector<std::string> forward;
    for (int i = 0; i < 4; ++i) {
        Desk->PressKey(VK_TAB);
        forward.push_back(FocusedName());
    }
    EXPECT_EQ(forward, (std::vector<std::string>{"Inner", "Clipped", "B", "A"}));
    std::vector<std::string> back;
    for (int i = 0; i < 4; ++i) {
        Desk->PressKey(VK_TAB, ssShift);
        back.push_back(FocusedName());
    }
    EXPECT_EQ(back, (std::vector<std::string>{"B", "Clipped", "Inner", "A"}));
    EXPECT_EQ(A->Typed, "") << "the Tab character is not typed into the control";
}

TEST_F(TTabTest, TabOrderCanBeChangedAndAControlCanKeepTheTab) {
    B->SetTabOrder(0);
    A->SetFocus();
    Desk->PressKey(VK_TAB, ssShift);
    EXPECT_EQ(FocusedName(), "B");
    B->DialogCodeAnswer = DLGC_WANTTAB;
    Desk->PressKey(VK_TAB);
    EXPECT_EQ(FocusedName(), "B");
    EXPECT_EQ(B->Typed, "\t");
}

TEST_F(TTabTest, EnterAndExitFollowTheFocus) {
    std::vector<std::string> log;
    A->OnExit = [&](TPersistent*) { log.push_back("A-"); };
    Inner->OnEnter = [&](TPersistent*) { log.push_back("Inner+"); };
    Desk->PressKey(VK_TAB);
    EXPECT_EQ(log, (std::vector<std::string>{"A-", "Inner+"}));
    EXPECT_THROW(Hidden->SetFocus(), EInvalidOperation);
}

TEST_F(TControlTest, ShowModalReturnsTheResultAndReenablesTheOwner) {
    TForm* main = nullptr;
    App->CreateForm(main);
    main->SetBorderStyle(bsNone);
    main->SetBounds(100, 100, 300, 200);
    auto* field = Field(main, main, "Field", {10, 10, 50, 20});
    main->Show();
    Pump();
    TForm* dialog = NewForm("Dialog");
    dialog->SetPosition(poMainFormCenter);
    dialog->SetBounds(0, 0, 100, 50);
    bool mainDisabledWhileModal = false;
    bool shown = false;
    dialog->OnShow = [&](TPersistent*) { shown = true; };
    Desk->SetIdleHandler([&]() {
        if (!dialog->IsModal())
            return false;
        mainDisabledWhileModal = !IsWindowEnabled(main->Handle());
        dialog->SetModalResult(mrOk);
        return true;
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(mainDisabledWhileModal);
    EXPECT_TRUE(IsWindowEnabled(main->Handle()));
    EXPECT_EQ(GetFocus(), field->Handle()) << "the focus goes back";
    EXPECT_EQ(Screen->ActiveForm(), main);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_FALSE(IsWindowVisible(dialog->Handle()));
    // Centred over the main form.
    EXPECT_EQ(dialog->Left(), 100 + (300 - 100) / 2);
    EXPECT_EQ(dialog->Top(), 100 + (200 - 50) / 2);

    // Closing instead gives mrCancel; a visible form cannot be shown modally.
    Desk->SetIdleHandler([&]() {
        if (!dialog->IsModal())
            return false;
        dialog->Close();
        return true;
    });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    Desk->SetIdleHandler(nullptr);
    EXPECT_THROW(main->ShowModal(), EInvalidOperation);
}

TEST_F(TTabTest, ADestroyedControlLeavesTheTabOrder) {
    Inner->Free();
    Clipped->Free();
    Desk->PressKey(VK_TAB);
    EXPECT_EQ(FocusedName(), "B");
    B->Free();
    EXPECT_EQ(Form->ActiveControl(), nullptr);
    Desk->PressKey(VK_TAB);
    EXPECT_EQ(FocusedName(), "A");
}

TEST_F(TTabTest, AcceleratorsAndDialogKeysReachTheControls) {
    // B has the caption of an accelerator but its class takes none (as an edit whose text
    // holds "&b"); Inner, inside the panel, takes them.
    int clicks = 0;
    B->SetCaption("&Beta");
    B->OnClick = [&](TPersistent*) { ++clicks; };
    Inner->SetCaption("&Inner");
    Inner->TakesAccelerators = true;
    A->SetFocus();
    Desk->Type("b");
    EXPECT_EQ(A->Typed, "b") << "a plain character is typed, not an accelerator";
    Desk->KeyDown(VK_MENU, ssAlt);
    for (int vk : {'B', 'I'}) {
        Desk->KeyDown(vk, ssAlt);
        Desk->Type(vk == 'B' ? "b" : "i"); // the desktop's text for the chord
        Desk->KeyUp(vk, ssAlt);
    }
    Desk->KeyUp(VK_MENU, 0);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(Inner->Accelerators, "i");
    EXPECT_EQ(A->Typed, "b") << "an Alt chord types nothing";
    Panel->SetEnabled(false);
    TMessage m{WM_SYSCHAR, 'i', 0, 0};
    A->WndProc(m);
    EXPECT_EQ(Inner->Accelerators, "i") << "a disabled panel hides its controls' accelerators";
    Panel->SetEnabled(true);
    A->Typed.clear();
    Desk->PressKey(VK_RETURN);
    EXPECT_EQ(A->Typed, "\r") << "nobody took Return: the control gets its character";
    A->DialogCodeAnswer = DLGC_WANTALLKEYS;
    Desk->PressKey(VK_TAB);
    EXPECT_EQ(FocusedName(), "A") << "a control wanting all keys keeps Tab";
}

namespace {
// A frameless form whose 1-pixel border is its resize zone, the way a skinned frame makes it.
class TBorderedForm : public TForm {
public:
    using TForm::TForm;

protected:
    void WndProc(TMessage& m) override {
        TForm::WndProc(m);
        if (m.Msg != WM_NCHITTEST || WindowState() == wsMaximized)
            return;
        TPoint p = ScreenToClient(PointFromLParam(m.LParam));
        int w = ClientWidth(), h = ClientHeight();
        if (p.X < 1 && p.Y >= h - 1)
            m.Result = HTBOTTOMLEFT;
        else if (p.X < 1)
            m.Result = HTLEFT;
        else if (p.Y >= h - 1)
            m.Result = HTBOTTOM;
        else if (p.X >= w - 1)
            m.Result = HTRIGHT;
    }
};
} // namespace

TEST_F(TControlTest, AFramelessFormIsResizedByItsOwnBorderWithinItsConstraints) {
    auto* form = new TBorderedForm(App.get());
    form->SetBorderStyle(bsNone);
    form->SetBounds(100, 100, 300, 200);
    form->Constraints().SetMinWidth(130);
    form->Constraints().SetMinHeight(50);
    form->Constraints().SetMaxWidth(400);
    form->Show();
    Pump();
    Desk->Drag({100, 150}, {60, 150}); // left edge out by 40
    EXPECT_EQ(form->BoundsRect(), Rect(60, 100, 400, 300));
    Desk->Drag({60, 299}, {300, 500}); // bottom-left corner: far past the minimum width
    EXPECT_EQ(form->BoundsRect(), Rect(270, 100, 400, 501));
    Desk->Drag({399, 300}, {900, 300}); // right edge: stops at the maximum width
    EXPECT_EQ(form->BoundsRect(), Rect(270, 100, 670, 501));
    form->SetWindowState(wsMaximized);
    TRect maximized = form->BoundsRect();
    Desk->Drag({maximized.Left + 200, maximized.Bottom - 1}, {maximized.Left + 200, 300});
    EXPECT_EQ(form->BoundsRect(), maximized);
}

TEST_F(TControlTest, WindowStateAndBorderStyleReachTheWindow) {
    TForm* form = NewForm();
    form->SetBorderStyle(bsSingle);
    form->SetWindowState(wsMaximized);
    form->Show();
    Pump();
    EXPECT_TRUE(IsZoomed(form->Handle()));
    EXPECT_EQ(form->WindowState(), wsMaximized);
    form->SetWindowState(wsNormal);
    EXPECT_FALSE(IsZoomed(form->Handle()));
    EXPECT_EQ(form->WindowState(), wsNormal);
    form->SetWindowState(wsMinimized);
    EXPECT_TRUE(IsIconic(form->Handle()));
}

TEST_F(TTabTest, KeyPreviewLetsTheFormSeeAndTakeKeysFirst) {
    std::string order;
    Form->OnKeyPress = [&](TPersistent*, char& key) {
        order += "form ";
        if (key == 'x')
            key = 0;
    };
    A->OnKeyPress = [&](TPersistent*, char&) { order += "A "; };
    Desk->Type("a");
    EXPECT_EQ(order, "A ") << "without KeyPreview the form sees nothing";
    Form->SetKeyPreview(true);
    order.clear();
    A->Typed.clear();
    Desk->Type("ax");
    EXPECT_EQ(order, "form A form ");
    EXPECT_EQ(A->Typed, "a");
}
