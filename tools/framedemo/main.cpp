// framedemo: windows with the skinned frame on the desktop backend, so that the five themes can
// be judged side by side. Each window starts in its own theme; the keys 1 to 5 switch the window
// that has the focus to MacOS, WinXP, DeepBlue, Protein or BlueGlass, C to Custom (which keeps
// the look). Drag a window by its title bar, resize it by its border, close it with its close
// button (closing the first window ends the program). Every activation, theme change and close
// is reported on standard output, one line each, so that a script can follow it.
//
//   framedemo [THEME...]    THEME: MacOS WinXP DeepBlue Protein BlueGlass (default: all five)

#include "platform/backend/sdl/SdlBackend.h"
#include "platform/control/Application.h"
#include "platform/control/Form.h"
#include "platform/core/Gbk.h"
#include "skin/SkinFormClasses.h"
#include "skin/SuiForm.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {
struct TThemeName {
    const char* Name;
    TsuiUIStyle Style;
};
constexpr TThemeName Themes[] = {{"MacOS", MacOS},
                                 {"WinXP", WinXP},
                                 {"DeepBlue", DeepBlue},
                                 {"Protein", Protein},
                                 {"BlueGlass", BlueGlass}};

const char* NameOf(TsuiUIStyle style) {
    for (const TThemeName& t : Themes)
        if (t.Style == style)
            return t.Name;
    return "Custom";
}

void Report(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// One window: a frame in a theme, with the program's buttons (control box, close, minimize).
class TFrameDemoForm : public TForm {
public:
    TFrameDemoForm(TComponent* owner, TsuiUIStyle style, TPoint at) : TForm(owner) {
        SetBounds(at.X, at.Y, 300, 200);
        SetKeyPreview(true);
        Frame = new TsuiForm(this);
        Frame->SetParent(this);
        Frame->SetUIStyle(style);
        Frame->TitleBarButtons().Delete(2); // no maximize button, as in the program
        Frame->SetWidth(287);
        Frame->SetHeight(170);
        ShowTheme();
        OnKeyDown = [this](TPersistent*, std::uint16_t& key, TShiftState) { KeyPressed(key); };
        OnClose = [this](TPersistent*, TCloseAction&) { Report("closed " + Name()); };
        OnActivate = [this](TPersistent*) { Report("active " + Name()); };
    }
    std::string ClassName() const override { return "TFrameDemoForm"; }

private:
    void ShowTheme() {
        Frame->SetCaption(Utf8ToGbk(std::string(NameOf(Frame->UIStyle())) + " 宠物"));
    }
    void KeyPressed(std::uint16_t& key) {
        TsuiUIStyle style = Frame->UIStyle();
        if (key >= '1' && key <= '5')
            style = Themes[key - '1'].Style;
        else if (key == 'C')
            style = Custom;
        else
            return;
        key = 0;
        Frame->SetUIStyle(style);
        if (style != Custom)
            ShowTheme();
        Report(Name() + " theme " + NameOf(style));
    }

    TsuiForm* Frame = nullptr;
};
} // namespace

int main(int argc, char** argv) {
    std::vector<TsuiUIStyle> styles;
    for (int i = 1; i < argc; ++i) {
        bool known = false;
        for (const TThemeName& t : Themes)
            if (std::strcmp(argv[i], t.Name) == 0) {
                styles.push_back(t.Style);
                known = true;
            }
        if (!known) {
            std::fprintf(stderr,
                         "framedemo: unknown theme %s (MacOS WinXP DeepBlue Protein "
                         "BlueGlass)\n",
                         argv[i]);
            return 2;
        }
    }
    if (styles.empty())
        for (const TThemeName& t : Themes)
            styles.push_back(t.Style);

    StartWindowSystem(CreateSdlBackendOrExit("framedemo"));
    int code = 1;
    {
        TApplication app;
        try {
            RegisterSkinFormClasses();
            app.Initialize();
            app.SetTitle("framedemo");
            for (std::size_t i = 0; i < styles.size(); ++i) {
                TPoint at{20 + int(i % 3) * 320, 20 + int(i / 3) * 220};
                TCustomForm* form = app.CreateForm([&](TComponent* owner) -> TCustomForm* {
                    return new TFrameDemoForm(owner, styles[i], at);
                });
                form->SetName(std::string("Window") + char('1' + i));
                if (i > 0)
                    form->Show();
            }
            Report("shown");
        } catch (const std::exception& e) {
            std::fprintf(stderr, "framedemo: %s\n", GbkToUtf8(e.what()).c_str());
            return 1;
        }
        code = app.Run();
    }
    ShutdownWindowSystem();
    return code;
}
