#include "app/Frmzuvo.h"

#include "app/AppLayouts.h"
#include "app/AppTexts.h"
#include "app/FanSite.h"
#include "app/Frmtishi.h"
#include "calc/CheckupReport.h"
#include "calc/MergeSkillReport.h"
#include "calc/PetInputReader.h"
#include "editors/RadioButton.h"
#include "editors/TextEdit.h"
#include "platform/control/Application.h"
#include "platform/control/Image.h"
#include "platform/native/Shell.h"
#include "skin/SuiButton.h"
#include "skin/SuiForm.h"

TFormZuvo* FormZuvo = nullptr;

namespace {
constexpr char kEnter = '\r';
}

TFormZuvo::TFormZuvo(TComponent* owner, std::string_view layoutName) : TForm(owner) {
    BindHandlers();
    ReadFormLayout(*this, layoutName);
    FindControls();
}

void TFormZuvo::BindHandlers() {
    using TKeyHandler = void (TFormZuvo::*)(TPersistent*, char&);
    using TClickHandler = void (TFormZuvo::*)(TPersistent*);
    auto notify = [this](const char* name, TClickHandler h) {
        FHandlers.Add(name, TNotifyEvent([this, h](TPersistent* s) { (this->*h)(s); }));
    };
    auto keyPress = [this](const char* name, TKeyHandler h) {
        FHandlers.Add(name,
                      TKeyPressEvent([this, h](TPersistent* s, char& key) { (this->*h)(s, key); }));
    };
    notify("FormShow", &TFormZuvo::FormShow);
    keyPress("djKeyPress", &TFormZuvo::djKeyPress);
    keyPress("czlKeyPress", &TFormZuvo::czlKeyPress);
    keyPress("qjnKeyPress", &TFormZuvo::qjnKeyPress);
    keyPress("hjnKeyPress", &TFormZuvo::hjnKeyPress);
    keyPress("qnKeyPress", &TFormZuvo::qnKeyPress);
    keyPress("mbdjKeyPress", &TFormZuvo::mbdjKeyPress);
    notify("fxClick", &TFormZuvo::fxClick);
    notify("kxClick", &TFormZuvo::kxClick);
    notify("xxClick", &TFormZuvo::xxClick);
    notify("Image1Click", &TFormZuvo::Image1Click);
}

void TFormZuvo::FindControls() {
    suiForm1 = &FindComponentAs<TsuiForm>("suiForm1");
    Image1 = &FindComponentAs<TImage>("Image1");
    dj = &FindComponentAs<TcxTextEdit>("dj");
    czl = &FindComponentAs<TcxTextEdit>("czl");
    qjn = &FindComponentAs<TcxTextEdit>("qjn");
    hjn = &FindComponentAs<TcxTextEdit>("hjn");
    qn = &FindComponentAs<TcxTextEdit>("qn");
    mbdj = &FindComponentAs<TcxTextEdit>("mbdj");
    ll = &FindComponentAs<TcxTextEdit>("ll");
    tp = &FindComponentAs<TcxTextEdit>("tp");
    ys = &FindComponentAs<TcxTextEdit>("ys");
    jg = &FindComponentAs<TcxTextEdit>("jg");
    Shi = &FindComponentAs<TcxRadioButton>("Shi");
    Qi = &FindComponentAs<TcxRadioButton>("Qi");
    fx = &FindComponentAs<TsuiButton>("fx");
    xx = &FindComponentAs<TsuiButton>("xx");
    kx = &FindComponentAs<TsuiButton>("kx");
}

void TFormZuvo::FormShow(TPersistent*) {
    Shi->SetChecked(true);
    qn->SetText("0");
    dj->SetText("1");
    dj->SetFocus();
    SetFrameWidth(kNarrowFrameWidth);
    FPanelShown = false;
}

// The Enter chain through the pet fields. The key stays as it is: the field still gets it.
void TFormZuvo::djKeyPress(TPersistent*, char& Key) {
    if (Key == kEnter)
        czl->SetFocus();
}

void TFormZuvo::czlKeyPress(TPersistent*, char& Key) {
    if (Key == kEnter)
        qjn->SetFocus();
}

void TFormZuvo::qjnKeyPress(TPersistent*, char& Key) {
    if (Key == kEnter)
        hjn->SetFocus();
}

void TFormZuvo::hjnKeyPress(TPersistent*, char& Key) {
    if (Key == kEnter)
        qn->SetFocus();
}

void TFormZuvo::qnKeyPress(TPersistent*, char& Key) {
    if (Key == kEnter)
        mbdj->SetFocus();
}

void TFormZuvo::mbdjKeyPress(TPersistent*, char& Key) {
    if (Key == kEnter)
        fx->Click();
}

void TFormZuvo::fxClick(TPersistent*) {
    const TPetReadResult read =
        ReadCheckupInput(dj->Text(), czl->Text(), qjn->Text(), hjn->Text(), qn->Text(),
                         mbdj->Text(), Qi->Checked() ? pkMount : pkAttendant);
    if (const std::string* message = read.Message()) {
        ShowMessageText(*message);
        return;
    }
    FormTishi->ShowReport(BuildCheckupReport(*read.Input()));
}

void TFormZuvo::kxClick(TPersistent*) {
    const TPetReadResult read = ReadAttributeInput(ll->Text(), tp->Text(), ys->Text(), jg->Text());
    if (const std::string* message = read.Message()) {
        ShowMessageText(*message);
        return;
    }
    FormTishi->ShowReport(BuildMergeSkillReport(*read.Input()));
}

void TFormZuvo::xxClick(TPersistent*) {
    if (Qi->Checked()) {
        ShowMessageText(kMsgMountCannotMerge);
        return;
    }
    SetFrameWidth(FPanelShown ? kNarrowFrameWidth : kWideFrameWidth);
    FPanelShown = !FPanelShown;
}

void TFormZuvo::Image1Click(TPersistent*) {
    // A browser that cannot be started goes unreported.
    ShellExecuteA(nullptr, nullptr, kFanSiteAddress, nullptr, nullptr, SW_SHOWNORMAL);
}

void TFormZuvo::SetFrameWidth(int width) {
    suiForm1->SetWidth(width);
}

void TFormZuvo::ShowMessageText(std::string_view text) {
    Application->MessageBox(std::string(text), Application->Title(), MB_OK);
}
