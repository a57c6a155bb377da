#include "HeadlessProgram.h"

#include "app/AppLayouts.h"
#include "app/AppTexts.h"
#include "editors/TextEdit.h"
#include "platform/window/WinApi.h"

void THeadlessProgram::Start() {
    Backend = &StartHeadlessWindowSystem();
    ApplicationObject = MakeComponent<TApplication>();
    RegisterAppClasses();
    Application->Initialize();
    Application->SetTitle(std::string(kAppTitle));
    Application->CreateForm(FormZuvo);
    Application->CreateForm(FormTishi);
    FormZuvo->Show();
    Backend->Pump();
}

void THeadlessProgram::Stop() {
    Backend->SetIdleHandler(nullptr);
    ApplicationObject.reset();
    FormTishi = nullptr;
    FormZuvo = nullptr;
    ShutdownWindowSystem();
}

void THeadlessProgram::ClickOn(TControl* control) {
    Backend->Click(control->ClientToScreen({control->Width() / 2, control->Height() / 2}));
}

void THeadlessProgram::Fill(TcxTextEdit* field, const std::string& utf8) {
    field->SetFocus();
    field->SelectAll();
    Backend->PressKey(VK_DELETE);
    Backend->Type(utf8);
}
