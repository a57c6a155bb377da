#include "platform/backend/sdl/SdlBackend.h"

#include "platform/window/Input.h"
#include "platform/window/WinApi.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <unistd.h>

namespace {

int MapKey(SDL_Keycode k) {
    if (k >= SDLK_a && k <= SDLK_z)
        return 'A' + (k - SDLK_a);
    if (k >= SDLK_0 && k <= SDLK_9)
        return '0' + (k - SDLK_0);
    if (k >= SDLK_F1 && k <= SDLK_F12)
        return VK_F1 + (k - SDLK_F1);
    if (k >= SDLK_KP_1 && k <= SDLK_KP_9)
        return VK_NUMPAD0 + 1 + (k - SDLK_KP_1);
    switch (k) {
    case SDLK_KP_0:
        return VK_NUMPAD0;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return VK_RETURN;
    case SDLK_ESCAPE:
        return VK_ESCAPE;
    case SDLK_BACKSPACE:
        return VK_BACK;
    case SDLK_TAB:
        return VK_TAB;
    case SDLK_SPACE:
        return VK_SPACE;
    case SDLK_LEFT:
        return VK_LEFT;
    case SDLK_RIGHT:
        return VK_RIGHT;
    case SDLK_UP:
        return VK_UP;
    case SDLK_DOWN:
        return VK_DOWN;
    case SDLK_HOME:
        return VK_HOME;
    case SDLK_END:
        return VK_END;
    case SDLK_PAGEUP:
        return VK_PRIOR;
    case SDLK_PAGEDOWN:
        return VK_NEXT;
    case SDLK_INSERT:
        return VK_INSERT;
    case SDLK_DELETE:
        return VK_DELETE;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT:
        return VK_MENU;
    case SDLK_APPLICATION:
    case SDLK_MENU:
        return VK_APPS;
    case SDLK_PAUSE:
        return VK_PAUSE;
    case SDLK_CAPSLOCK:
        return VK_CAPITAL;
    case SDLK_NUMLOCKCLEAR:
        return VK_NUMLOCK;
    case SDLK_KP_PERIOD:
        return VK_DECIMAL;
    case SDLK_KP_PLUS:
        return VK_ADD;
    case SDLK_KP_MINUS:
        return VK_SUBTRACT;
    case SDLK_KP_MULTIPLY:
        return VK_MULTIPLY;
    case SDLK_KP_DIVIDE:
        return VK_DIVIDE;
    case SDLK_MINUS:
        return VK_OEM_MINUS;
    case SDLK_EQUALS:
        return VK_OEM_PLUS;
    case SDLK_COMMA:
        return VK_OEM_COMMA;
    case SDLK_PERIOD:
        return VK_OEM_PERIOD;
    case SDLK_SLASH:
        return VK_OEM_2;
    case SDLK_SEMICOLON:
        return VK_OEM_1;
    case SDLK_QUOTE:
        return VK_OEM_7;
    case SDLK_LEFTBRACKET:
        return VK_OEM_4;
    case SDLK_BACKSLASH:
        return VK_OEM_5;
    case SDLK_RIGHTBRACKET:
        return VK_OEM_6;
    case SDLK_BACKQUOTE:
        return VK_OEM_3;
    default:
        return 0;
    }
}

unsigned MapMods(Uint16 mod) {
    unsigned m = 0;
    if (mod & KMOD_SHIFT)
        m |= ssShift;
    if (mod & KMOD_CTRL)
        m |= ssCtrl;
    if (mod & KMOD_ALT)
        m |= ssAlt;
    return m;
}

SDL_SystemCursor SystemCursor(TCursorShape s) {
    switch (s) {
    case TCursorShape::IBeam:
        return SDL_SYSTEM_CURSOR_IBEAM;
    case TCursorShape::Hand:
        return SDL_SYSTEM_CURSOR_HAND;
    case TCursorShape::Wait:
        return SDL_SYSTEM_CURSOR_WAIT;
    case TCursorShape::Cross:
        return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case TCursorShape::SizeWE:
        return SDL_SYSTEM_CURSOR_SIZEWE;
    case TCursorShape::SizeNS:
        return SDL_SYSTEM_CURSOR_SIZENS;
    case TCursorShape::SizeNWSE:
        return SDL_SYSTEM_CURSOR_SIZENWSE;
    case TCursorShape::SizeNESW:
        return SDL_SYSTEM_CURSOR_SIZENESW;
    case TCursorShape::SizeAll:
        return SDL_SYSTEM_CURSOR_SIZEALL;
    case TCursorShape::No:
        return SDL_SYSTEM_CURSOR_NO;
    default:
        return SDL_SYSTEM_CURSOR_ARROW;
    }
}

class TSdlBackend : public IBackend {
public:
    ~TSdlBackend() override {
        for (auto& [wnd, win] : Windows)
            SDL_DestroyWindow(win);
        for (SDL_Cursor* c : Cursors) {
            if (c)
                SDL_FreeCursor(c);
        }
        // Errors of requests still on their way (an answer to a clipboard request whose window
        // has gone) must reach this backend's error handler: SDL_Quit puts Xlib's own back,
        // which ends the program with status 1, before it closes the display.
        if (XDisplay)
            XSync(XDisplay, False);
        SDL_Quit();
    }

    void CreateSurface(HWND wnd, const TRect& b, std::string_view titleUtf8,
                       TSurfaceKind kind) override {
        std::string title(titleUtf8);
        Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS;
        if (kind != TSurfaceKind::Normal)
            flags |= SDL_WINDOW_SKIP_TASKBAR;
        if (kind == TSurfaceKind::Popup)
            flags |= SDL_WINDOW_TOOLTIP;
        SDL_Window* win = SDL_CreateWindow(title.c_str(), b.Left, b.Top, std::max(b.Width(), 1),
                                           std::max(b.Height(), 1), flags);
        if (!win)
            return;
        Windows[wnd] = win;
        ById[SDL_GetWindowID(win)] = wnd;
        if (!XDisplay) {
            SDL_SysWMinfo info;
            SDL_VERSION(&info.version);
            if (SDL_GetWindowWMInfo(win, &info) && info.subsystem == SDL_SYSWM_X11)
                XDisplay = info.info.x11.display;
        }
        SetLegacyName(win, title);
    }

    void SetSurfaceShape(HWND wnd, const TRegion* shape) override {
        SDL_Window* win = Find(wnd);
        if (!win || !XDisplay || !HasShapeExtension())
            return; // without the X shape extension windows stay rectangular
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        if (!SDL_GetWindowWMInfo(win, &info) || info.subsystem != SDL_SYSWM_X11)
            return;
        ::Window xwin = info.info.x11.window;
        if (!shape) {
            XShapeCombineMask(XDisplay, xwin, ShapeBounding, 0, 0, 0, ShapeSet);
        } else {
            std::vector<XRectangle> rects;
            for (const TRect& r : shape->GetRects()) {
                rects.push_back(XRectangle{short(r.Left), short(r.Top), (unsigned short)(r.Width()),
                                           (unsigned short)(r.Height())});
            }
            XShapeCombineRectangles(XDisplay, xwin, ShapeBounding, 0, 0, rects.data(),
                                    int(rects.size()), ShapeSet, YXBanded);
        }
        XFlush(XDisplay);
    }

    void DestroySurface(HWND wnd) override {
        AskedMoves.erase(wnd);
        auto it = Windows.find(wnd);
        if (it == Windows.end())
            return;
        ById.erase(SDL_GetWindowID(it->second));
        SDL_DestroyWindow(it->second);
        Windows.erase(it);
    }

    void SetSurfaceState(HWND wnd, TSurfaceState state, bool activate) override {
        SDL_Window* win = Find(wnd);
        if (!win)
            return;
        switch (state) {
        case TSurfaceState::Hidden:
            SDL_HideWindow(win);
            break;
        case TSurfaceState::Minimized:
            SDL_MinimizeWindow(win);
            break;
        default: {
            if (SDL_GetWindowFlags(win) & SDL_WINDOW_MINIMIZED)
                SDL_RestoreWindow(win);
            // Without a window manager showing a window takes the keyboard focus: a window
            // that is not to be activated gives it back.
            SDL_Window* focused = SDL_GetKeyboardFocus();
            SDL_ShowWindow(win);
            if (activate)
                FocusSurface(wnd);
            else if (focused && focused != win)
                RequestFocus(focused);
            break;
        }
        }
    }

    void MoveSurface(HWND wnd, const TRect& b) override {
        SDL_Window* win = Find(wnd);
        if (!win)
            return;
        int w = 0, h = 0;
        SDL_GetWindowSize(win, &w, &h);
        if (w != b.Width() || h != b.Height())
            SDL_SetWindowSize(win, std::max(b.Width(), 1), std::max(b.Height(), 1));
        auto& asked = AskedMoves[wnd];
        asked.push_back(b.TopLeft());
        if (asked.size() > kMaxAskedMoves)
            asked.erase(asked.begin());
        SDL_SetWindowPosition(win, b.Left, b.Top);
    }

    void SetSurfaceTitle(HWND wnd, std::string_view titleUtf8) override {
        if (SDL_Window* win = Find(wnd)) {
            std::string title(titleUtf8);
            SDL_SetWindowTitle(win, title.c_str());
            SetLegacyName(win, title);
        }
    }

    void SetSurfaceIcon(HWND wnd, const TPixelBuffer& icon) override {
        SDL_Window* win = Find(wnd);
        if (!win || icon.Pixels.empty())
            return;
        SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, icon.Width, icon.Height, 32,
                                                        SDL_PIXELFORMAT_ARGB8888);
        if (!s)
            return;
        for (int y = 0; y < icon.Height; ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(s->pixels) +
                                                         std::size_t(y) * std::size_t(s->pitch));
            for (int x = 0; x < icon.Width; ++x) {
                const TPixel p = icon.At(x, y) & 0xFFFFFF;
                row[x] = p == kIconTransparent ? 0 : (0xFF000000u | p);
            }
        }
        SDL_SetWindowIcon(win, s);
        SDL_FreeSurface(s);
    }

    void Present(HWND wnd, const TPixelBuffer& px, const std::vector<TRect>& dirty) override {
        SDL_Window* win = Find(wnd);
        if (!win)
            return;
        SDL_Surface* s = SDL_GetWindowSurface(win);
        if (!s)
            return;
        if (SDL_MUSTLOCK(s))
            SDL_LockSurface(s);
        std::vector<SDL_Rect> rects;
        TRect bounds(0, 0, std::min(px.Width, s->w), std::min(px.Height, s->h));
        for (const TRect& d : dirty) {
            TRect r = d.Intersected(bounds);
            if (r.IsEmpty())
                continue;
            for (int y = r.Top; y < r.Bottom; ++y) {
                auto* row = reinterpret_cast<std::uint32_t*>(
                    static_cast<std::uint8_t*>(s->pixels) + std::size_t(y) * std::size_t(s->pitch));
                std::memcpy(row + r.Left, px.Row(y) + r.Left, std::size_t(r.Width()) * 4);
            }
            rects.push_back(SDL_Rect{r.Left, r.Top, r.Width(), r.Height()});
        }
        if (SDL_MUSTLOCK(s))
            SDL_UnlockSurface(s);
        if (!rects.empty())
            SDL_UpdateWindowSurfaceRects(win, rects.data(), int(rects.size()));
    }

    void FocusSurface(HWND wnd) override {
        SDL_Window* win = Find(wnd);
        if (!win || !(SDL_GetWindowFlags(win) & SDL_WINDOW_SHOWN))
            return;
        SDL_RaiseWindow(win);
        RequestFocus(win); // no window manager does it for us on a bare display
    }

    void SetCursorShape(TCursorShape shape) override {
        auto i = std::size_t(shape);
        if (i >= Cursors.size())
            return;
        if (!Cursors[i])
            Cursors[i] = SDL_CreateSystemCursor(SystemCursor(shape));
        if (Cursors[i])
            SDL_SetCursor(Cursors[i]);
    }

    TRect GetScreenRect() override {
        SDL_Rect r;
        if (SDL_GetDisplayBounds(0, &r) != 0)
            return TRect(0, 0, 1024, 768);
        return TRect::FromXYWH(r.x, r.y, r.w, r.h);
    }

    TRect GetWorkArea() override {
        SDL_Rect r;
        if (SDL_GetDisplayUsableBounds(0, &r) != 0)
            return GetScreenRect();
        return TRect::FromXYWH(r.x, r.y, r.w, r.h);
    }

    // The root window's pointer: right even while one of our windows moves under it.
    TPoint GetPointerPos() override {
        if (XDisplay) {
            ::Window root, child;
            int rx = 0, ry = 0, wx = 0, wy = 0;
            unsigned mask = 0;
            if (XQueryPointer(XDisplay, DefaultRootWindow(XDisplay), &root, &child, &rx, &ry, &wx,
                              &wy, &mask))
                return {rx, ry};
        }
        int x = 0, y = 0;
        SDL_GetGlobalMouseState(&x, &y);
        return {x, y};
    }

    std::uint64_t Now() override { return SDL_GetTicks64(); }

    void WaitForEvents(int timeoutMs) override {
        SDL_Event e;
        int got = 0;
        if (timeoutMs == 0)
            got = SDL_PollEvent(&e);
        else if (timeoutMs < 0)
            got = SDL_WaitEvent(&e);
        else
            got = SDL_WaitEventTimeout(&e, timeoutMs);
        while (got) {
            Handle(e);
            got = SDL_PollEvent(&e);
        }
    }

    void Beep() override {
        if (XDisplay) {
            XBell(XDisplay, 0);
            XFlush(XDisplay);
        }
    }

    std::string GetClipboardText() override {
        char* t = SDL_GetClipboardText();
        std::string out = t ? t : "";
        SDL_free(t);
        return out;
    }

    void SetClipboardText(std::string_view utf8) override {
        std::string t(utf8);
        SDL_SetClipboardText(t.c_str());
        SDL_PumpEvents(); // the clipboard is served while events are pumped
    }

    bool OpenUrl(std::string_view utf8) override {
        std::string t(utf8);
        return SDL_OpenURL(t.c_str()) == 0;
    }

private:
    std::map<HWND, SDL_Window*> Windows;
    std::map<Uint32, HWND> ById;
    Display* XDisplay = nullptr;
    // The window the backend last gave the input focus to, until the desktop reports it focused.
    // Focus reports of other windows that arrive meanwhile were queued before the request: acting
    // on them would move the focus back, and two windows would take it from each other forever.
    Uint32 RequestedFocusId = 0;
    Uint32 RequestedFocusAt = 0;
    // Positions asked of the desktop whose move reports may still come. A report of one of them
    // is the answer to that request (possibly late, after later requests); any other position
    // is a move the desktop made by itself (its window manager placing or moving the window).
    static constexpr std::size_t kMaxAskedMoves = 32;
    std::map<HWND, std::vector<TPoint>> AskedMoves;

    bool IsOwnMove(HWND wnd, TPoint reported) {
        auto it = AskedMoves.find(wnd);
        if (it == AskedMoves.end())
            return false;
        auto& asked = it->second;
        auto match = std::find(asked.begin(), asked.end(), reported);
        if (match == asked.end()) {
            asked.clear();
            return false;
        }
        asked.erase(asked.begin(), match + 1);
        return true;
    }

    void RequestFocus(SDL_Window* win) {
        RequestedFocusId = SDL_GetWindowID(win);
        RequestedFocusAt = SDL_GetTicks();
        SDL_SetWindowInputFocus(win);
    }
    bool FocusGainedIsCurrent(Uint32 windowId) {
        if (RequestedFocusId == 0)
            return true;
        if (windowId == RequestedFocusId) {
            RequestedFocusId = 0;
            return true;
        }
        // A request the desktop never answered (its window went away) stops filtering.
        if (SDL_GetTicks() - RequestedFocusAt > 1000) {
            RequestedFocusId = 0;
            return true;
        }
        return false;
    }

    enum class TShape { Unknown, Present, Missing } Shape = TShape::Unknown;

    // Asked once: a display without the extension would refuse every shape request.
    bool HasShapeExtension() {
        if (Shape == TShape::Unknown) {
            int eventBase = 0, errorBase = 0;
            Shape = XShapeQueryExtension(XDisplay, &eventBase, &errorBase) ? TShape::Present
                                                                           : TShape::Missing;
        }
        return Shape == TShape::Present;
    }
    std::array<SDL_Cursor*, 11> Cursors{};
    Uint16 TextKeyMods = 0; // modifiers of the last key pressed: the one that typed the text

    // SDL writes the legacy WM_NAME property as the title's UTF-8 bytes labelled Latin-1, which
    // desktops that still read it show as mojibake. It is written again as compound text, the
    // encoding that property is defined in; a title that cannot be converted is written with its
    // ASCII characters only.
    void SetLegacyName(SDL_Window* win, const std::string& titleUtf8) {
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        if (!XDisplay || !SDL_GetWindowWMInfo(win, &info) || info.subsystem != SDL_SYSWM_X11)
            return;
        std::string text = titleUtf8;
        char* list[] = {text.data()};
        XTextProperty property{};
        if (Xutf8TextListToTextProperty(XDisplay, list, 1, XStdICCTextStyle, &property) !=
            Success) {
            std::string ascii;
            for (char c : titleUtf8)
                if (static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7F)
                    ascii += c;
            text = ascii;
            list[0] = text.data();
            if (!XStringListToTextProperty(list, 1, &property))
                return;
        }
        XSetWMName(XDisplay, info.info.x11.window, &property);
        XFree(property.value);
        XFlush(XDisplay);
    }

    SDL_Window* Find(HWND wnd) {
        auto it = Windows.find(wnd);
        return it == Windows.end() ? nullptr : it->second;
    }

    HWND WndOfId(Uint32 id) {
        auto it = ById.find(id);
        return it == ById.end() ? nullptr : it->second;
    }

    // Without a window manager nobody gives the keyboard to a clicked window: once another
    // program's window took it and went away, keys reach no window at all. A click on one of
    // ours while none of them has the keyboard takes it back (the layer routes keys by its own
    // focus, whichever of our surfaces holds the desktop's).
    void TakeKeyboardBackOnClick(Uint32 windowId) {
        SDL_Window* win = SDL_GetWindowFromID(windowId);
        if (win && !SDL_GetKeyboardFocus() && !(SDL_GetWindowFlags(win) & SDL_WINDOW_TOOLTIP))
            SDL_SetWindowInputFocus(win);
    }

    TPoint ScreenPoint(Uint32 windowId, int x, int y) {
        if (XDisplay)
            return GetPointerPos();
        SDL_Window* win = SDL_GetWindowFromID(windowId);
        int wx = 0, wy = 0;
        if (win)
            SDL_GetWindowPosition(win, &wx, &wy);
        return {wx + x, wy + y};
    }

    void Handle(const SDL_Event& e) {
        switch (e.type) {
        case SDL_MOUSEMOTION:
            InputMouseMove(ScreenPoint(e.motion.windowID, e.motion.x, e.motion.y),
                           MapMods(Uint16(SDL_GetModState())));
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            TMouseButton b = e.button.button == SDL_BUTTON_RIGHT    ? TMouseButton::Right
                             : e.button.button == SDL_BUTTON_MIDDLE ? TMouseButton::Middle
                                                                    : TMouseButton::Left;
            if (e.button.button > SDL_BUTTON_RIGHT)
                break;
            if (e.type == SDL_MOUSEBUTTONDOWN)
                TakeKeyboardBackOnClick(e.button.windowID);
            InputMouseButton(ScreenPoint(e.button.windowID, e.button.x, e.button.y), b,
                             e.type == SDL_MOUSEBUTTONDOWN, MapMods(Uint16(SDL_GetModState())));
            break;
        }
        case SDL_MOUSEWHEEL: {
            int x = 0, y = 0;
            SDL_GetMouseState(&x, &y);
            InputMouseWheel(ScreenPoint(e.wheel.windowID, x, y), e.wheel.y * WHEEL_DELTA,
                            MapMods(Uint16(SDL_GetModState())));
            break;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            if (e.type == SDL_KEYDOWN)
                TextKeyMods = e.key.keysym.mod;
            if (int vk = MapKey(e.key.keysym.sym))
                InputKey(vk, e.type == SDL_KEYDOWN, MapMods(e.key.keysym.mod));
            break;
        case SDL_TEXTINPUT:
            // The text of a chord with the left Alt key (Alt+Space, Alt+letter) is a command
            // for the window, never typed text. The right Alt key is AltGr on many keyboards
            // and types characters of its own.
            if ((TextKeyMods & KMOD_LALT) && !(TextKeyMods & KMOD_CTRL))
                break;
            InputText(e.text.text);
            break;
        case SDL_WINDOWEVENT: {
            HWND wnd = WndOfId(e.window.windowID);
            switch (e.window.event) {
            case SDL_WINDOWEVENT_EXPOSED:
                if (SDL_Window* win = Find(wnd))
                    SDL_UpdateWindowSurface(win);
                break;
            case SDL_WINDOWEVENT_FOCUS_GAINED:
                if (FocusGainedIsCurrent(e.window.windowID))
                    InputSurfaceActivated(wnd, true);
                break;
            case SDL_WINDOWEVENT_MINIMIZED:
                InputSurfaceMinimized(wnd, true);
                break;
            case SDL_WINDOWEVENT_RESTORED:
                InputSurfaceMinimized(wnd, false);
                break;
            case SDL_WINDOWEVENT_MOVED:
                if (!IsOwnMove(wnd, {e.window.data1, e.window.data2}))
                    InputSurfaceMoved(wnd, {e.window.data1, e.window.data2});
                break;
            case SDL_WINDOWEVENT_CLOSE:
                InputSurfaceCloseRequest(wnd);
                break;
            case SDL_WINDOWEVENT_LEAVE:
                InputMouseLeftDesktop();
                break;
            default:
                break;
            }
            break;
        }
        case SDL_QUIT:
            PostQuitMessage(0);
            break;
        default:
            break;
        }
    }
};
XErrorHandler gPreviousXErrorHandler = nullptr;

// A request that names a window which has just gone away (a closed dialog, a clipboard
// requestor that gave up waiting) fails with BadWindow. That is harmless here, but Xlib's default
// handler would end the program for it; other errors still go to the previous handler.
int IgnoreVanishedWindows(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow)
        return 0;
    return gPreviousXErrorHandler ? gPreviousXErrorHandler(display, error) : 0;
}

// The connection to the display is gone (the X server ended). Nothing can be shown or asked any
// more and the program keeps no data, so it ends at once with one line: running the usual exit
// path would call into the dead connection again from destructors and never finish.
char gLostMessage[160] = "the connection to the display was lost\n";

int DisplayConnectionLost(Display*) {
    ssize_t ignored = write(2, gLostMessage, std::strlen(gLostMessage));
    (void)ignored;
    _exit(1);
}

// Why the display could not be opened, in the words of a user.
std::string NoDisplayReason() {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display)
        return "cannot open the display: none is set (DISPLAY is empty)";
    return std::string("cannot open the display \"") + display +
           "\": no X server answers there, or it refused the connection";
}
} // namespace

std::unique_ptr<IBackend> CreateSdlBackendOrExit(const char* programName) {
    const char* name = programName && *programName ? programName : "program";
    std::snprintf(gLostMessage, sizeof gLostMessage, "%s: the connection to the display was lost\n",
                  name);
    // The program reads no environment of its own: whatever SDL_VIDEODRIVER says, it draws on
    // the desktop's X display (a dummy or offscreen driver would run with no window at all).
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "x11", SDL_HINT_OVERRIDE);
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // Installed before the video starts too: its shutdown puts back the handler it found, and an
    // error still on its way then (a window that went away just before) must not end the program.
    gPreviousXErrorHandler = XSetErrorHandler(IgnoreVanishedWindows);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "%s: %s\n", name, NoDisplayReason().c_str());
        std::exit(1);
    }
    XSetErrorHandler(IgnoreVanishedWindows);
    XSetIOErrorHandler(DisplayConnectionLost);
    SDL_StartTextInput();
    return std::make_unique<TSdlBackend>();
}
