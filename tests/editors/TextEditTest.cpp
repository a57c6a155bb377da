#include "editors/TextEdit.h"
#include "platform/draw/DC.h"
#include "platform/window/WinApi.h"
#include "tests/platform/control/ControlTestFixture.h"
#include "tests/platform/draw/PixelArt.h"

#include <ostream>
#include <string>
#include <vector>

namespace {

// A green form with three text edits in a row, in Tab order.
class TextEditTest : public TControlTest {
public:
    TForm* Form = nullptr;
    std::vector<TcxTextEdit*> Fields;
    int Changes = 0, ValueChanges = 0;

    void SetUp() override {
        TControlTest::SetUp();
        Form = NewForm();
        Form->SetColor(clGreen);
        for (int i = 0; i < 3; ++i)
            Fields.push_back(AddField("Field" + std::to_string(i), 10, 10 + 30 * i));
        Form->Show();
        Pump();
    }
    TcxTextEdit* AddField(const std::string& name, int x, int y) {
        auto* e = new TcxTextEdit(Form);
        e->SetName(name);
        e->SetBounds(x, y, 101, 21);
        e->SetParent(Form);
        return e;
    }
    void CountEvents(TcxTextEdit* e) {
        e->Properties().OnChange = [this](TPersistent*) { ++Changes; };
        e->Properties().OnEditValueChanged = [this](TPersistent*) { ++ValueChanges; };
    }
    // The focused editor (the one whose inner edit has the focus), -1 when none.
    int FocusedField() const {
        for (std::size_t i = 0; i < Fields.size(); ++i)
            if (Fields[i]->Focused())
                return int(i);
        return -1;
    }
    TColor At(TcxTextEdit* e, int x, int y) {
        return Desk->PixelAt(Form->Handle(), e->ClientToScreen({x, y}));
    }
};

TEST_F(TextEditTest, ADefaultFieldIsTwentyOneHighWithTheInnerEditInsideItsBorder) {
    TcxTextEdit* e = Fields[0];
    EXPECT_EQ(e->Width(), 101);
    EXPECT_EQ(e->Height(), 21);
    TcxCustomInnerTextEdit* inner = e->InnerTextEdit();
    EXPECT_EQ(inner->Left(), 3);
    EXPECT_EQ(inner->Top(), 3);
    EXPECT_EQ(inner->Width(), 96);
    EXPECT_TRUE(inner->Visible());
    // A new editor is 121 wide.
    auto* fresh = new TcxTextEdit(Form);
    EXPECT_EQ(fresh->Width(), 121);
    EXPECT_EQ(fresh->Height(), 21);
}

TEST_F(TextEditTest, TheFieldsBorderAndItsText) {
    TcxTextEdit* e = Fields[1]; // the first field has the focus
    e->SetText("8");
    Pump();
    EXPECT_EQ(At(e, 0, 10), ColorToRGB(clGreen));
    EXPECT_EQ(At(e, 1, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(e, 99, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(e, 50, 19), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(e, 50, 20), ColorToRGB(clGreen));
    EXPECT_EQ(At(e, 2, 10), ColorToRGB(clWindow));
    EXPECT_EQ(At(e, 97, 17), ColorToRGB(clWindow));
    // The digit is drawn by the inner edit, from its left edge (3 pixels in) downwards.
    TRect ink;
    for (int y = 2; y < 19; ++y)
        for (int x = 2; x < 99; ++x)
            if (At(e, x, y) != ColorToRGB(clWindow))
                ink = ink.United(TRect(x, y, x + 1, y + 1));
    ASSERT_FALSE(ink.IsEmpty());
    // Where the same font puts the digit's first dark column when drawn at x = 0.
    TPixelBuffer sample(20, 20, 0xFFFFFF);
    TDC dc(sample);
    TCanvas canvas(&dc);
    canvas.Font().Assign(e->InnerTextEdit()->Font());
    canvas.TextOut(0, 0, "8");
    int bearing = InkBox(sample, clWhite).Left;
    EXPECT_EQ(ink.Left, 3 + bearing);
    EXPECT_GE(ink.Top, 3);
    EXPECT_GE(ink.Top, 3);
    EXPECT_LE(ink.Bottom, 18);
}

TEST_F(TextEditTest, TheHeightFollowsTheFontUnlessAutoSizeIsOff) {
    TcxTextEdit* e = Fields[1];
    e->SetHeight(40);
    Pump();
    EXPECT_EQ(e->Height(), 21);

    // A larger font: two border pixels on each side, the "Zg" height and the content offsets.
    TFont big;
    big.SetName("Arial");
    big.SetHeight(-20);
    e->Style().SetFont(big);
    Pump();
    TPixelBuffer pixel(1, 1);
    TDC dc(pixel);
    TCanvas canvas(&dc);
    canvas.Font().Assign(e->Style().GetVisibleFont());
    int expected = 2 + 2 + canvas.TextHeight("Zg") + 1 + 3;
    EXPECT_GT(expected, 21);
    EXPECT_EQ(e->Height(), expected);
    EXPECT_EQ(e->InnerTextEdit()->Top(), 3);

    e->SetAutoSize(false);
    e->SetHeight(60);
    Pump();
    EXPECT_EQ(e->Height(), 60);
}

TEST_F(TextEditTest, AnOnEditingHandlerCanRefuseTheChange) {
    TcxTextEdit* e = Fields[0];
    e->SetText("1");
    bool allow = false;
    int asked = 0;
    e->OnEditing = [&](TPersistent* sender, bool& canEdit) {
        EXPECT_EQ(sender, e);
        ++asked;
        canEdit = allow;
    };
    e->SetFocus();
    Pump();
    Desk->PressKey(VK_END);
    Desk->Type("2");
    EXPECT_EQ(e->Text(), "1");
    EXPECT_EQ(asked, 1);
    allow = true;
    Desk->Type("3");
    Desk->Type("4");
    EXPECT_EQ(e->Text(), "134");
    EXPECT_EQ(asked, 2); // once allowed, the editor is modified and is not asked again
}

TEST_F(TextEditTest, TheHotLookComesAlsoWhenTheMouseJumpsOntoTheInnerEdit) {
    TcxTextEdit* e = Fields[2];
    Desk->MouseMove(Form->ClientToScreen({250, 150}));
    Desk->MouseMove(e->ClientToScreen({50, 10}));
    Pump();
    EXPECT_TRUE(StateHolds(e->ViewInfo().ContainerState, csHotTrack));
    EXPECT_EQ(At(e, 1, 10), ColorToRGB(clHighlight));
    Desk->MouseMove(Form->ClientToScreen({250, 150}));
    Desk->AdvanceTime(cxMouseTrackingInterval);
    Pump();
    EXPECT_FALSE(StateHolds(e->ViewInfo().ContainerState, csHotTrack));
    EXPECT_EQ(At(e, 1, 10), ColorToRGB(clBtnShadow));
}

TEST_F(TextEditTest, MouseMovesThatChangeNothingRepaintNothing) {
    TcxTextEdit* e = Fields[2];
    Desk->MouseMove(e->ClientToScreen({1, 5}));
    Pump();
    ASSERT_TRUE(StateHolds(e->ViewInfo().ContainerState, csHotTrack));
    int presents = Desk->Surface(Form->Handle())->Presents;
    Desk->MouseMove(e->ClientToScreen({1, 10}));
    Desk->MouseMove(e->ClientToScreen({1, 12}));
    Pump();
    EXPECT_EQ(Desk->Surface(Form->Handle())->Presents, presents);
}

TEST_F(TextEditTest, APressHeldByTheEditorKeepsItsHotLook) {
    TcxTextEdit* e = Fields[2];
    Desk->MouseMove(e->ClientToScreen({1, 10}));
    Desk->MouseDown(e->ClientToScreen({1, 10}));
    Desk->MouseMove(e->ClientToScreen({1, 12}));
    Pump();
    ASSERT_EQ(GetCapture(), e->Handle());
    EXPECT_TRUE(StateHolds(e->ViewInfo().ContainerState, csHotTrack));
    Desk->MouseUp(e->ClientToScreen({1, 12}));
}

struct TKeyCase {
    const char* Name;
    int Key;
    unsigned Mods;
    int ExpectedFocus;
};

void PrintTo(const TKeyCase& c, std::ostream* os) {
    *os << c.Name;
}

const TKeyCase KeyCases[] = {
    {"TabGoesToTheNext", VK_TAB, 0, 2},
    {"ShiftTabGoesToThePrevious", VK_TAB, ssShift, 0},
    {"CtrlTabIsNotTaken", VK_TAB, ssCtrl, 1},
    {"AltTabIsNotTaken", VK_TAB, ssAlt, 1},
    {"EnterStaysWithoutAHandler", VK_RETURN, 0, 1},
};

class TextEditKeys : public TextEditTest, public ::testing::WithParamInterface<TKeyCase> {};

TEST_P(TextEditKeys, MoveTheFocus) {
    const TKeyCase& c = GetParam();
    Fields[1]->SetFocus();
    Pump();
    ASSERT_EQ(FocusedField(), 1);
    Desk->PressKey(c.Key, c.Mods);
    Pump();
    EXPECT_EQ(FocusedField(), c.ExpectedFocus);
}

INSTANTIATE_TEST_SUITE_P(Order, TextEditKeys, ::testing::ValuesIn(KeyCases),
                         [](const auto& p) { return std::string(p.param.Name); });

struct TReadOnlyCase {
    const char* Name;
    std::function<void(THeadlessBackend&)> Press;
    bool Modifies;
};

void PrintTo(const TReadOnlyCase& c, std::ostream* os) {
    *os << c.Name;
}

const TReadOnlyCase ReadOnlyCases[] = {
    {"Typing", [](THeadlessBackend& d) { d.Type("7"); }, true},
    {"Backspace", [](THeadlessBackend& d) { d.PressKey(VK_BACK); }, true},
    {"Delete", [](THeadlessBackend& d) { d.PressKey(VK_DELETE); }, true},
    {"Paste", [](THeadlessBackend& d) { d.PressKey('V', ssCtrl); }, true},
    {"Cut", [](THeadlessBackend& d) { d.PressKey('X', ssCtrl); }, true},
    {"ShiftInsert", [](THeadlessBackend& d) { d.PressKey(VK_INSERT, ssShift); }, true},
};

class TextEditReadOnly : public TextEditTest,
                         public ::testing::WithParamInterface<TReadOnlyCase> {};

TEST_P(TextEditReadOnly, RefusesWhatWouldModify) {
    const TReadOnlyCase& c = GetParam();
    TcxTextEdit* e = Fields[0];
    e->SetText("12345");
    e->Properties().SetReadOnly(true);
    SetClipboardTextGbk("x");
    e->SetFocus();
    Pump();
    e->SetSelStart(2);
    e->SetSelLength(1);
    int beeps = Desk->BeepCount();
    c.Press(*Desk);
    Pump();
    EXPECT_EQ(e->Text(), "12345");
    EXPECT_FALSE(e->ModifiedAfterEnter());
    EXPECT_EQ(Desk->BeepCount(), beeps);
    // The same key changes a writable editor.
    e->Properties().SetReadOnly(false);
    e->SetSelStart(2);
    e->SetSelLength(1);
    c.Press(*Desk);
    Pump();
    EXPECT_NE(e->Text(), "12345");
}

INSTANTIATE_TEST_SUITE_P(Keys, TextEditReadOnly, ::testing::ValuesIn(ReadOnlyCases),
                         [](const auto& p) { return std::string(p.param.Name); });

TEST_F(TextEditTest, AReadOnlyEditorStillMovesTheCaretSelectsAndCopies) {
    TcxTextEdit* e = Fields[0];
    e->SetText("12345");
    e->Properties().SetReadOnly(true);
    e->SetFocus();
    Pump();
    Desk->PressKey(VK_HOME);
    Desk->PressKey(VK_RIGHT);
    Desk->PressKey(VK_END, ssShift);
    Pump();
    EXPECT_EQ(e->SelStart(), 1);
    EXPECT_EQ(e->SelLength(), 4);
    Desk->PressKey('C', ssCtrl);
    Pump();
    EXPECT_EQ(GetClipboardTextGbk(), "2345");
}

TEST_F(TextEditTest, HeldChangeEventsFireOnceOrNever) {
    TcxTextEdit* e = Fields[0];
    CountEvents(e);
    e->LockChangeEvents(true);
    e->SetText("1");
    e->LockChangeEvents(true);
    e->SetText("12");
    e->LockChangeEvents(false);
    e->SetText("123");
    EXPECT_EQ(Changes, 0);
    EXPECT_EQ(ValueChanges, 0);
    e->LockChangeEvents(false);
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(ValueChanges, 1);

    e->LockChangeEvents(true);
    e->SetText("4");
    e->LockChangeEvents(false, false);
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(ValueChanges, 1);
    EXPECT_EQ(e->Text(), "4");
}

TEST_F(TextEditTest, AnEqualValueFiresNoValueChange) {
    TcxTextEdit* e = Fields[0];
    CountEvents(e);
    e->SetEditValue(TcxEditValue(std::string("5")));
    EXPECT_EQ(ValueChanges, 1);
    EXPECT_EQ(e->Text(), "5");
    e->SetEditValue(TcxEditValue(std::string("5")));
    EXPECT_EQ(ValueChanges, 1);
    e->SetText("5");
    EXPECT_EQ(ValueChanges, 1);
    e->SetText("6");
    EXPECT_EQ(ValueChanges, 2);
    EXPECT_GE(Changes, 2);
    EXPECT_FALSE(e->EditModified());
    // A null value shows as an empty text.
    e->Clear();
    EXPECT_EQ(e->Text(), "");
    EXPECT_TRUE(IsNullEditValue(e->EditValue()));
}

TEST_F(TextEditTest, TypedTextIsReadAtOnceAndBecomesTheValueOnLeaving) {
    TcxTextEdit* e = Fields[0];
    CountEvents(e);
    e->SetFocus();
    Pump();
    Desk->Type("42");
    EXPECT_EQ(e->Text(), "42");
    EXPECT_EQ(Changes, 2);
    EXPECT_TRUE(e->ModifiedAfterEnter());
    EXPECT_TRUE(IsNullEditValue(e->EditValue()));
    EXPECT_EQ(ValueChanges, 0);
    Desk->PressKey(VK_TAB);
    Pump();
    EXPECT_EQ(EditValueToText(e->EditValue()), "42");
    EXPECT_EQ(ValueChanges, 1);
    EXPECT_FALSE(e->ModifiedAfterEnter());
}

TEST_F(TextEditTest, EscapeRestoresTheTextOfTheFocusOnceAndSelectsIt) {
    TcxTextEdit* e = Fields[1];
    e->SetText("5");
    Fields[0]->SetFocus();
    Pump();
    Desk->PressKey(VK_TAB);
    Pump();
    ASSERT_EQ(FocusedField(), 1);
    Desk->Type("99");
    ASSERT_EQ(e->Text(), "99");
    int beeps = Desk->BeepCount();
    Desk->PressKey(VK_ESCAPE);
    Pump();
    EXPECT_EQ(e->Text(), "5");
    EXPECT_EQ(e->SelStart(), 0);
    EXPECT_EQ(e->SelLength(), 1);
    EXPECT_FALSE(e->ModifiedAfterEnter());
    // A second Escape does nothing.
    e->SetSelLength(0);
    Desk->PressKey(VK_ESCAPE);
    Pump();
    EXPECT_EQ(e->Text(), "5");
    EXPECT_EQ(e->SelLength(), 0);
    EXPECT_EQ(FocusedField(), 1);
    EXPECT_EQ(Desk->BeepCount(), beeps);
}

TEST_F(TextEditTest, TabbingInSelectsAllClickingInDoesNot) {
    Fields[1]->SetText("123");
    Fields[0]->SetFocus();
    Pump();
    Desk->PressKey(VK_TAB);
    Pump();
    ASSERT_EQ(FocusedField(), 1);
    EXPECT_EQ(Fields[1]->SelLength(), 3);

    Fields[2]->SetText("456");
    Desk->Click(Fields[2]->ClientToScreen({50, 10}));
    Pump();
    ASSERT_EQ(FocusedField(), 2);
    EXPECT_EQ(Fields[2]->SelLength(), 0);
}

TEST_F(TextEditTest, MaxLengthIsNeverNegativeAndLimitsTyping) {
    TcxTextEdit* e = Fields[0];
    e->Properties().SetMaxLength(-5);
    EXPECT_EQ(e->Properties().MaxLength(), 0);
    EXPECT_TRUE(e->Properties().IsMaxLengthAssigned());
    e->Properties().SetMaxLength(3);
    e->SetFocus();
    Pump();
    Desk->Type("12345");
    EXPECT_EQ(e->Text(), "123");
}

TEST_F(TextEditTest, EnterBeepsOnceUnlessTheHandlerTakesItOrBeepOnEnterIsOff) {
    TcxTextEdit* e = Fields[0];
    std::vector<char> pressed;
    bool take = false;
    e->OnKeyPress = [&](TPersistent*, char& key) {
        pressed.push_back(key);
        if (take && key == '\r')
            key = 0;
    };
    e->SetFocus();
    Pump();
    int beeps = Desk->BeepCount();
    Desk->PressKey(VK_RETURN);
    Pump();
    EXPECT_EQ(Desk->BeepCount(), beeps + 1);
    EXPECT_EQ(pressed, std::vector<char>{'\r'});

    take = true;
    Desk->PressKey(VK_RETURN);
    Pump();
    EXPECT_EQ(Desk->BeepCount(), beeps + 1);

    take = false;
    e->SetBeepOnEnter(false);
    Desk->PressKey(VK_RETURN);
    Pump();
    EXPECT_EQ(Desk->BeepCount(), beeps + 1);
    EXPECT_EQ(pressed.size(), 3u);
}

TEST_F(TextEditTest, ValidateOnEnterTakesTheEnterKeyAndStoresTheValue) {
    TcxTextEdit* e = Fields[0];
    CountEvents(e);
    e->Properties().SetValidateOnEnter(true);
    e->SetFocus();
    Pump();
    Desk->Type("7");
    int beeps = Desk->BeepCount();
    Desk->PressKey(VK_RETURN);
    Pump();
    EXPECT_EQ(EditValueToText(e->EditValue()), "7");
    EXPECT_EQ(ValueChanges, 1);
    EXPECT_EQ(Desk->BeepCount(), beeps);
    EXPECT_EQ(e->Text(), "7");
}

TEST_F(TextEditTest, ValidationRefusesWithItsText) {
    TcxTextEdit* e = Fields[0];
    e->Properties().OnValidate = [](TPersistent*, std::string& value, std::string&, bool& error) {
        error = value == "bad";
    };
    e->SetFocus();
    Pump();
    Desk->Type("bad");
    try {
        e->ValidateEdit(true);
        ADD_FAILURE() << "no validation error";
    } catch (const EcxEditValidationError& error) {
        EXPECT_STREQ(error.what(), cxSEditValidateErrorText);
    }
    EXPECT_EQ(e->SelLength(), 3);
    // The selected text is typed over.
    Desk->Type("ok");
    EXPECT_TRUE(e->ValidateEdit(true));
    EXPECT_EQ(EditValueToText(e->EditValue()), "ok");
}

TEST_F(TextEditTest, ACentredFieldDrawsItsTextWhileInactive) {
    TcxTextEdit* e = Fields[2];
    e->Properties().Alignment().SetHorz(taCenter);
    e->SetText("88");
    Fields[0]->SetFocus();
    Pump();
    EXPECT_FALSE(e->IsEditClass());
    EXPECT_FALSE(e->InnerTextEdit()->Visible());
    TRect ink;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 101; ++x)
            if (At(e, x, y) == ColorToRGB(clWindowText))
                ink = ink.United(TRect(x, y, x + 1, y + 1));
    ASSERT_FALSE(ink.IsEmpty());
    int centre = (ink.Left + ink.Right) / 2;
    EXPECT_NEAR(centre, 50, 2);

    // Active, it edits in the inner edit again.
    e->SetFocus();
    Pump();
    EXPECT_TRUE(e->IsEditClass());
    EXPECT_TRUE(e->InnerTextEdit()->Visible());
    EXPECT_EQ(FocusedField(), 2);
}

TEST_F(TextEditTest, AFocusedFieldWithTypedTextCanBeFreed) {
    TcxTextEdit* e = Fields[1];
    CountEvents(e);
    e->SetFocus();
    Pump();
    Desk->Type("12");
    int changes = Changes;
    e->Free();
    Fields.erase(Fields.begin() + 1);
    Pump();
    EXPECT_EQ(Changes, changes);
    // The form goes on working.
    Fields[0]->SetFocus();
    Desk->Type("3");
    EXPECT_EQ(Fields[0]->Text(), "3");
}

// Six fields walking the focus with Enter through their OnKeyPress handlers, as the main window's
// fields do; the last one hands the focus back to the first.
TEST_F(TextEditTest, EnterWalksTheFocusThroughSixFields) {
    std::vector<TcxTextEdit*> six = Fields;
    for (int i = 3; i < 6; ++i)
        six.push_back(AddField("Field" + std::to_string(i), 150, 10 + 30 * (i - 3)));
    Pump();
    for (std::size_t i = 0; i < six.size(); ++i) {
        TcxTextEdit* next = six[(i + 1) % six.size()];
        six[i]->OnKeyPress = [next](TPersistent*, char& key) {
            if (key == '\r') {
                next->SetFocus();
                key = 0;
            }
        };
    }
    six[0]->SetFocus();
    Pump();
    int beeps = Desk->BeepCount();
    const char* values[] = {"30", "25", "100", "1000", "50", "40"};
    for (std::size_t i = 0; i < six.size(); ++i) {
        ASSERT_TRUE(six[i]->Focused()) << i;
        Desk->Type(values[i]);
        Desk->PressKey(VK_RETURN);
        Pump();
    }
    EXPECT_TRUE(six[0]->Focused());
    for (std::size_t i = 0; i < six.size(); ++i) {
        EXPECT_EQ(six[i]->Text(), values[i]);
        EXPECT_EQ(EditValueToText(six[i]->EditValue()), values[i]);
    }
    EXPECT_EQ(Desk->BeepCount(), beeps);
}

} // namespace
