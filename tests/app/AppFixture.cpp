#include "AppFixture.h"

#include "app/AppLayouts.h"
#include "app/AppTexts.h"
#include "editors/Memo.h"
#include "editors/TextEdit.h"
#include "platform/control/Application.h"
#include "platform/window/WinApi.h"

void TAppFixture::SetUp() {
    Program.Start();
    Backend = Program.Backend;
}

void TAppFixture::TearDown() {
    Program.Stop();
    Backend = nullptr;
}

int TAppFixture::WithModal(const std::function<void()>& trigger,
                           const std::function<void(HWND modal)>& inModal) {
    int handled = 0;
    bool inside = false;
    Backend->SetIdleHandler([&]() {
        if (inside)
            return false;
        HWND modal = GetActiveWindow();
        if (modal == nullptr || modal == FormZuvo->Handle())
            return false;
        inside = true;
        ++handled;
        inModal(modal);
        inside = false;
        return true;
    });
    trigger();
    Backend->SetIdleHandler(nullptr);
    return handled;
}

std::string TAppFixture::MessageFrom(const std::function<void()>& trigger) {
    std::string copied;
    HWND shown = nullptr;
    const int boxes = WithModal(trigger, [&](HWND box) {
        shown = box;
        SetClipboardTextGbk("");
        Backend->PressKey('C', ssCtrl);
        copied = GetClipboardTextGbk();
        Backend->PressKey(VK_RETURN);
    });
    EXPECT_EQ(boxes, 1);
    EXPECT_FALSE(IsWindow(shown) && IsWindowVisible(shown)) << "Enter did not close the box";
    return copied;
}

TAppFixture::TShown TAppFixture::ReportFrom(const std::function<void()>& trigger) {
    TShown shown;
    shown.Count = WithModal(trigger, [&](HWND window) {
        EXPECT_EQ(window, FormTishi->Handle());
        shown.Caption = GetWindowText(window);
        shown.MemoText = FormTishi->Memo->Text();
        FormTishi->Close();
        Backend->Pump();
    });
    return shown;
}
