#include "ControlTestFixture.h"

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
    int clicks = 0;
    B->SetCaption("&Beta");
    B->OnClick = [&](TPersistent*) { ++clicks; };
    Desk->Type("b");
    EXPECT_EQ(clicks, 0) << "a plain character is typed, not an accelerator";
    TMessage m{WM_SYSCHAR, 'b', 0, 0};
    A->WndProc(m);
    EXPECT_EQ(clicks, 1);
    A->SetFocus();
    A->Typed.clear();
    Desk->PressKey(VK_RETURN);
    EXPECT_EQ(A->Typed, "\r") << "nobody took Return: the control gets its character";
    A->DialogCodeAnswer = DLGC_WANTALLKEYS;
    Desk->PressKey(VK_TAB);
    EXPECT_EQ(FocusedName(), "A") << "a control wanting all keys keeps Tab";
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
    Pump(); // the desktop reports the minimize back
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
