// controldemo: a form read from a layout on the desktop backend, to try the control layer by
// hand: a panel aligned to the client area, the banner image with its hint (rest the pointer on
// it), boxes to tab through (Tab, Shift+Tab; the box without tab stop is skipped, the one
// clipped away by the panel is still reached) and a click on the banner. It reports what happens
// on standard output, one line per event, so a script can follow it.

#include "platform/backend/sdl/SdlBackend.h"
#include "platform/component/ClassRegistry.h"
#include "platform/component/LayoutReader.h"
#include "platform/component/MethodTable.h"
#include "platform/control/Application.h"
#include "platform/control/ControlRegistration.h"
#include "platform/control/CustomControl.h"
#include "platform/control/Form.h"
#include "platform/core/Gbk.h"
#include "platform/draw/Resources.h"

#include <cstdio>
#include <string>

namespace {
void Report(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// A box that shows its caption and a dotted frame while it has the focus.
class TDemoBox : public TCustomControl {
public:
    explicit TDemoBox(TComponent* owner) : TCustomControl(owner) { SetColor(clWindow); }
    std::string ClassName() const override { return "TDemoBox"; }

protected:
    void Paint() override {
        TCanvas& c = Canvas();
        TRect r = ClientRect();
        c.Brush().SetColor(Focused() ? clHighlight : clWindow);
        c.FillRect(r);
        c.Brush().SetColor(clBtnShadow);
        c.FrameRect(r);
        c.Font().SetColor(Focused() ? clHighlightText : clWindowText);
        c.Brush().SetStyle(bsClear);
        TRect text{r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2};
        c.Handle()->DrawText(Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (Focused())
            c.DrawFocusRect(text);
    }
    void DoEnter() override {
        TCustomControl::DoEnter();
        Report("focus " + Name());
        Invalidate();
    }
    void DoExit() override {
        TCustomControl::DoExit();
        Invalidate();
    }
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override {
        TCustomControl::MouseDown(button, shift, x, y);
        if (CanFocus())
            SetFocus();
    }
};

class TControlDemoForm : public TForm {
public:
    explicit TControlDemoForm(TComponent* owner) : TForm(owner) {
        Handlers.Add("FormShow", TNotifyEvent([](TPersistent*) { Report("shown"); }));
        Handlers.Add("Image1Click", TNotifyEvent([](TPersistent*) { Report("banner clicked"); }));
        auto span = LoadResourceData(HInstance(), "DEMO", "LAYOUT");
        ReadLayout(*this, std::string(span.begin(), span.end()), "demo.layout");
    }
    std::string ClassName() const override { return "TControlDemoForm"; }
    const TMethodTable* GetMethodTable() const override { return &Handlers; }

private:
    TMethodTable Handlers;
};
} // namespace

int main(int argc, char** argv) {
    (void)argc;
    StartWindowSystem(CreateSdlBackendOrExit("controldemo"));
    TApplication app;
    try {
        RegisterControlClasses();
        RegisterComponentClass<TDemoBox>("TDemoBox", "TCustomControl")
            .String(
                "Caption", [](TDemoBox& b) { return b.Caption(); },
                [](TDemoBox& b, const std::string& v) { b.SetCaption(v); });
        RegisterComponentClass<TControlDemoForm>("TControlDemoForm", "TForm");
        app.Initialize();
        app.SetTitle(Utf8ToGbk("控件演示"));
        TControlDemoForm* form = nullptr;
        app.CreateForm(form);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "controldemo: %s\n", GbkToUtf8(e.what()).c_str());
        app.HandleException(nullptr);
        return 1;
    }
    (void)argv;
    int code = app.Run();
    ShutdownWindowSystem();
    return code;
}
