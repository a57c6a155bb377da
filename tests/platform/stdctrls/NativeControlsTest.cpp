#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/component/StringList.h"
#include "platform/control/Application.h"
#include "platform/control/Form.h"
#include "platform/control/Panel.h"
#include "platform/core/Gbk.h"
#include "platform/native/NativeConst.h"
#include "platform/native/ScrollInfo.h"
#include "platform/stdctrls/CustomMemo.h"
#include "platform/stdctrls/RadioButton.h"
#include "platform/stdctrls/StaticText.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
// A headless window layer, an application and a shown frameless form at (100,100).
class NativeControlsTest : public ::testing::Test {
public:
    THeadlessBackend* Desk = nullptr;
    std::unique_ptr<TApplication> App;
    TForm* Form = nullptr;

    void SetUp() override {
        Desk = &StartHeadlessWindowSystem();
        App = std::make_unique<TApplication>();
        App->Initialize();
        Form = new TForm(App.get());
        Form->SetBorderStyle(bsNone);
        Form->SetBounds(100, 100, 400, 300);
        Form->Show();
        Desk->Pump();
    }
    void TearDown() override {
        App.reset();
        ShutdownWindowSystem();
    }
    template <class T> T* Make(TRect r) {
        auto* c = new T(Form);
        c->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        c->SetParent(Form);
        return c;
    }
    TPoint At(TWinControl* c, TPoint p) { return c->ClientToScreen(p); }
};

TEST_F(NativeControlsTest, EditTextAndOnChangeFollowTypingAndWrites) {
    auto* edit = Make<TEdit>({10, 10, 131, 31});
    int changes = 0;
    edit->OnChange = [&](TPersistent*) { ++changes; };
    Desk->Click(At(edit, {60, 8}));
    Desk->Type("宠物1");
    EXPECT_EQ(edit->Text(), Utf8ToGbk("宠物1"));
    EXPECT_EQ(changes, 3);
    EXPECT_TRUE(edit->Modified());
    edit->SetText("42");
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(GetWindowText(edit->Handle()), "42");
    edit->SetText("42");
    EXPECT_EQ(changes, 4);
    edit->SelectAll();
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelLength(), 2);
    edit->SetSelStart(1);
    edit->SetSelText(Utf8ToGbk("中"));
    EXPECT_EQ(edit->Text(), Utf8ToGbk("4中2"));
    edit->SetMaxLength(-5);
    EXPECT_EQ(edit->MaxLength(), 0);
}

TEST_F(NativeControlsTest, EditSettingsReachTheWindowWhenItIsCreated) {
    auto* edit = new TEdit(Form);
    edit->SetText("abc");
    edit->SetMaxLength(4);
    edit->SetReadOnly(true);
    edit->SetPasswordChar('#');
    edit->SetParent(Form);
    HWND h = edit->Handle();
    EXPECT_EQ(GetWindowText(h), "abc");
    EXPECT_EQ(SendMessage(h, EM_GETLIMITTEXT, 0, 0), 4);
    EXPECT_EQ(SendMessage(h, EM_GETPASSWORDCHAR, 0, 0), '#');
    EXPECT_TRUE(GetWindowLongPtr(h, GWL_STYLE) & ES_READONLY);
    EXPECT_TRUE(GetWindowLongPtr(h, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST_F(NativeControlsTest, MemoLinesAddThroughReplaceSelection) {
    auto* memo = Make<TMemo>({10, 10, 195, 99});
    memo->SetScrollBars(ssVertical);
    memo->SetReadOnly(true);
    memo->Lines().Add(Utf8ToGbk("测试下"));
    memo->Lines().Clear();
    EXPECT_EQ(memo->Lines().Count(), 0);
    for (int i = 0; i < 100; ++i)
        memo->Lines().Add("line " + std::to_string(i));
    EXPECT_EQ(memo->Lines().Count(), 100);
    EXPECT_EQ(memo->Lines()[99], "line 99");
    TScrollInfo si;
    ASSERT_TRUE(GetScrollInfo(memo->Handle(), SB_VERT, &si));
    EXPECT_EQ(si.nMax, 100);
    EXPECT_EQ(si.nPos + int(si.nPage), 101) << "the last line is in view";

    // CR LF splits an added line; a lone LF stays inside it; LF CR becomes two line breaks.
    memo->Lines().Clear();
    memo->Lines().Add("a\r\nb");
    memo->Lines().Add("c\nd");
    EXPECT_EQ(memo->Lines().Count(), 3);
    EXPECT_EQ(memo->Lines()[1], "b");
    EXPECT_EQ(memo->Lines()[2], "c\nd");
    memo->Lines().Add("e\n\rf");
    EXPECT_EQ(memo->Text(), "a\r\nb\r\nc\nd\r\ne\r\n\r\nf\r\n");
}

TEST_F(NativeControlsTest, MemoLinesWorkBeforeTheWindowExists) {
    auto* memo = new TMemo(Form);
    memo->Lines().Add("one");
    memo->Lines().Add("two");
    memo->Lines().Delete(0);
    EXPECT_EQ(memo->Lines().Count(), 1);
    int changes = 0;
    memo->OnChange = [&](TPersistent*) { ++changes; };
    memo->SetParent(Form);
    EXPECT_EQ(GetWindowText(memo->Handle()), "two\r\n");
    EXPECT_EQ(changes, 0) << "creating the window is no change";
    memo->Lines().Add("three");
    EXPECT_EQ(changes, 1);
    TStringList list;
    list.Add("x");
    memo->SetLines(list);
    EXPECT_EQ(memo->Lines().Text(), "x");
}

TEST_F(NativeControlsTest, RadioButtonsOfOneParentFormAGroup) {
    auto* shi = Make<TRadioButton>({10, 10, 83, 27});
    auto* qi = Make<TRadioButton>({90, 10, 163, 27});
    shi->SetCaption(Utf8ToGbk("侍宠"));
    qi->SetCaption(Utf8ToGbk("骑宠"));
    int clicks = 0;
    qi->OnClick = [&](TPersistent*) { ++clicks; };
    EXPECT_FALSE(shi->Checked() || qi->Checked());
    shi->SetChecked(true);
    EXPECT_TRUE(shi->TabStop());
    EXPECT_FALSE(qi->TabStop());
    Desk->Click(At(qi, {5, 8}));
    EXPECT_TRUE(qi->Checked());
    EXPECT_FALSE(shi->Checked());
    EXPECT_EQ(SendMessage(shi->Handle(), BM_GETCHECK, 0, 0), LRESULT(BST_UNCHECKED));
    EXPECT_EQ(SendMessage(qi->Handle(), BM_GETCHECK, 0, 0), LRESULT(BST_CHECKED));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(qi->TabStop());
    EXPECT_FALSE(shi->TabStop());
    Desk->AdvanceTime(1000);
    Desk->Click(At(qi, {5, 8}));
    EXPECT_EQ(clicks, 1) << "clicking the checked button changes nothing";
    // The keyboard focus arriving on an unchecked button checks it and clicks it once.
    int shiClicks = 0;
    shi->OnClick = [&](TPersistent*) { ++shiClicks; };
    shi->SetFocus();
    EXPECT_TRUE(shi->Checked());
    EXPECT_FALSE(qi->Checked());
    EXPECT_EQ(shiClicks, 1);
    // The arrow keys move within the group, wrapping around, also when the windows are
    // owner-drawn.
    Desk->PressKey(VK_RIGHT);
    EXPECT_TRUE(qi->Checked());
    EXPECT_EQ(GetFocus(), qi->Handle());
    Desk->PressKey(VK_RIGHT);
    EXPECT_TRUE(shi->Checked());
    SetWindowLongPtr(shi->Handle(), GWL_STYLE,
                     (GetWindowLongPtr(shi->Handle(), GWL_STYLE) & ~LONG_PTR(BS_TYPEMASK)) |
                         LONG_PTR(BS_OWNERDRAW));
    Desk->PressKey(VK_LEFT);
    EXPECT_TRUE(qi->Checked());
    EXPECT_FALSE(shi->Checked());
}

TEST_F(NativeControlsTest, ButtonClickGivesTheModalResultToTheForm) {
    auto* ok = Make<TButton>({10, 10, 85, 35});
    ok->SetCaption("OK");
    int clicks = 0;
    ok->OnClick = [&](TPersistent*) { ++clicks; };
    ok->SetModalResult(mrOk);
    Desk->Click(At(ok, {10, 10}));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Form->ModalResult(), mrOk);
    EXPECT_EQ(GetWindowText(ok->Handle()), "OK");
}

TEST_F(NativeControlsTest, EnterClicksTheDefaultButtonAndEscapeTheCancelButton) {
    auto* edit = Make<TEdit>({10, 40, 131, 61});
    auto* ok = Make<TButton>({10, 10, 85, 35});
    auto* cancel = Make<TButton>({90, 10, 165, 35});
    ok->SetDefault(true);
    cancel->SetCancel(true);
    int okClicks = 0, cancelClicks = 0;
    ok->OnClick = [&](TPersistent*) { ++okClicks; };
    cancel->OnClick = [&](TPersistent*) { ++cancelClicks; };
    edit->SetFocus();
    int beeps = Desk->BeepCount();
    Desk->PressKey(VK_RETURN);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(Desk->BeepCount(), beeps) << "the form took the Enter";
    Desk->PressKey(VK_ESCAPE);
    EXPECT_EQ(cancelClicks, 1);
    // A focused button takes Enter itself.
    cancel->SetFocus();
    Desk->PressKey(VK_RETURN);
    EXPECT_EQ(cancelClicks, 2);
    EXPECT_EQ(okClicks, 1);
}

TEST_F(NativeControlsTest, EnterAndEscapeReachDefaultAndCancelButtonsInsideNestedPanels) {
    // Every control of a skinned window sits in a panel; the buttons here two levels down.
    auto* outer = Make<TPanel>({0, 0, 400, 300});
    auto* inner = new TPanel(Form);
    inner->SetBounds(10, 100, 300, 100);
    inner->SetParent(outer);
    auto* fields = new TPanel(Form);
    fields->SetBounds(10, 10, 300, 80);
    fields->SetParent(outer);
    auto* edit = new TEdit(Form);
    edit->SetBounds(10, 10, 121, 21);
    edit->SetParent(fields);
    auto* ok = new TButton(Form);
    ok->SetBounds(10, 10, 75, 25);
    ok->SetParent(inner);
    ok->SetDefault(true);
    auto* cancel = new TButton(Form);
    cancel->SetBounds(100, 10, 75, 25);
    cancel->SetParent(inner);
    cancel->SetCancel(true);
    int okClicks = 0, cancelClicks = 0;
    ok->OnClick = [&](TPersistent*) { ++okClicks; };
    cancel->OnClick = [&](TPersistent*) { ++cancelClicks; };
    edit->SetFocus();
    int beeps = Desk->BeepCount();
    Desk->PressKey(VK_RETURN);
    Desk->PressKey(VK_ESCAPE);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(cancelClicks, 1);
    EXPECT_EQ(Desk->BeepCount(), beeps) << "the buttons took the keys";
    EXPECT_EQ(edit->Text(), "");
    // Buttons in a hidden panel take no keys.
    inner->SetVisible(false);
    Desk->PressKey(VK_RETURN);
    Desk->PressKey(VK_ESCAPE);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(cancelClicks, 1);
}

TEST_F(NativeControlsTest, AcceleratorsClickButtonsAndRadioButtonsAndFocusALabelsControlOnly) {
    auto* panel = Make<TPanel>({0, 0, 400, 300});
    auto place = [&](TWinControl* c, TRect r) {
        c->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        c->SetParent(panel);
    };
    auto* edit = new TEdit(Form);
    place(edit, {10, 10, 131, 31});
    edit->SetText("&x");
    auto* named = new TEdit(Form);
    place(named, {10, 40, 131, 61});
    auto* label = new TStaticText(Form);
    place(label, {140, 40, 200, 57});
    label->SetCaption("&Name");
    label->SetFocusControl(named);
    auto* go = new TButton(Form);
    place(go, {10, 70, 85, 95});
    go->SetCaption("&Go");
    auto* qi = new TRadioButton(Form);
    place(qi, {10, 100, 110, 117});
    qi->SetCaption(Utf8ToGbk("骑宠(&Q)"));
    int editClicks = 0, goClicks = 0, qiClicks = 0;
    edit->OnClick = [&](TPersistent*) { ++editClicks; };
    go->OnClick = [&](TPersistent*) { ++goClicks; };
    qi->OnClick = [&](TPersistent*) { ++qiClicks; };
    auto alt = [&](int vk, const char* text) {
        Desk->KeyDown(VK_MENU, ssAlt);
        Desk->KeyDown(vk, ssAlt);
        Desk->Type(text); // what the desktop also sends for the chord
        Desk->KeyUp(vk, ssAlt);
        Desk->KeyUp(VK_MENU, 0);
    };
    edit->SetFocus();
    alt('X', "x");
    alt(VK_SPACE, " ");
    EXPECT_EQ(editClicks, 0) << "an edit's text is no caption";
    EXPECT_EQ(edit->Text(), "&x") << "Alt chords type nothing";
    EXPECT_TRUE(edit->Focused());

    alt('G', "g");
    EXPECT_EQ(goClicks, 1);
    EXPECT_TRUE(go->Focused());
    alt('Q', "q");
    EXPECT_TRUE(qi->Checked());
    EXPECT_EQ(qiClicks, 1);
    EXPECT_TRUE(qi->Focused());
    alt('N', "n");
    EXPECT_TRUE(named->Focused()) << "the label hands the focus to its control";
    EXPECT_EQ(named->Text(), "");

    // A label whose control is gone takes nothing; a disabled button neither.
    named->Free();
    EXPECT_EQ(label->FocusControl(), nullptr);
    go->SetEnabled(false);
    edit->SetFocus();
    alt('N', "n");
    alt('G', "g");
    EXPECT_EQ(goClicks, 1);
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->Text(), "&x");
}

TEST_F(NativeControlsTest, EnterInAnEditWithoutDefaultButtonBeeps) {
    auto* edit = Make<TEdit>({10, 40, 131, 61});
    edit->SetFocus();
    int beeps = Desk->BeepCount();
    Desk->PressKey(VK_RETURN);
    EXPECT_EQ(Desk->BeepCount(), beeps + 1);
    // A key handler that clears the key keeps it from the edit.
    edit->OnKeyPress = [](TPersistent*, char& key) {
        if (key == '\r')
            key = 0;
    };
    Desk->PressKey(VK_RETURN);
    EXPECT_EQ(Desk->BeepCount(), beeps + 1);
}

TEST_F(NativeControlsTest, StaticTextShowsItsCaption) {
    auto* label = Make<TStaticText>({10, 10, 110, 27});
    label->SetCaption(Utf8ToGbk("等级"));
    EXPECT_EQ(GetWindowText(label->Handle()), Utf8ToGbk("等级"));
    Desk->Pump();
    int dark = 0;
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 40; ++x)
            dark += Desk->PixelAt(label->Handle(), At(label, {x, y})) == ColorToRGB(clBtnText);
    EXPECT_GT(dark, 10);
}
} // namespace

#include "platform/component/LayoutReader.h"
#include "platform/control/ControlRegistration.h"
#include "platform/stdctrls/NativeControlClasses.h"

namespace {
TEST_F(NativeControlsTest, LayoutsCreateTheControlsWithTheirProperties) {
    RegisterControlClasses();
    RegisterNativeControlClasses();
    RegisterNativeControlClasses(); // a second time does nothing
    TForm& root = *Form;
    ReadLayout(root,
               "object Root: TForm\n"
               "  object Field: TEdit\n"
               "    Left = 20\n"
               "    Top = 30\n"
               "    TabOrder = 0\n"
               "    MaxLength = 5\n"
               "    Text = \"abc\"\n"
               "    ReadOnly = True\n"
               "  end\n"
               "  object Report: TMemo\n"
               "    Lines = (\n"
               "      \"one\"\n"
               "      \"two\")\n"
               "    ScrollBars = ssVertical\n"
               "    WordWrap = False\n"
               "  end\n"
               "  object Shi: TRadioButton\n"
               "    Checked = True\n"
               "  end\n"
               "end\n",
               "test.layout");
    auto* field = dynamic_cast<TEdit*>(root.FindComponent("Field"));
    auto* report = dynamic_cast<TMemo*>(root.FindComponent("Report"));
    auto* shi = dynamic_cast<TRadioButton*>(root.FindComponent("Shi"));
    ASSERT_TRUE(field && report && shi);
    EXPECT_EQ(field->Parent(), Form);
    EXPECT_EQ(field->Left(), 20);
    EXPECT_EQ(field->Top(), 30);
    EXPECT_EQ(GetWindowText(field->Handle()), "abc");
    EXPECT_EQ(field->MaxLength(), 5);
    EXPECT_EQ(field->Text(), "abc");
    EXPECT_TRUE(field->ReadOnly());
    EXPECT_EQ(report->Lines().Count(), 2);
    EXPECT_EQ(report->Lines()[1], "two");
    EXPECT_EQ(report->ScrollBars(), ssVertical);
    EXPECT_FALSE(report->WordWrap());
    EXPECT_TRUE(shi->Checked());
}
} // namespace
