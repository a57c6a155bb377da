/* The floor the program's start-up is measured against: a minimal SDL2 program that opens one
 * window of the main window's size with the same hints and window flags as the desktop backend,
 * presents one filled frame, and waits for the window to be closed. */
#include <SDL.h>

int main(void) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        return 1;
    SDL_Window* window = SDL_CreateWindow("reference", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                          289, 397, SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
    if (!window)
        return 1;
    SDL_ShowWindow(window);
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (!surface)
        return 1;
    /* A background and a block on it: a frame with more than a cleared window's colour. */
    SDL_FillRect(surface, NULL, SDL_MapRGB(surface->format, 0xE7, 0xE7, 0xE7));
    SDL_Rect block = {64, 30, 160, 60};
    SDL_FillRect(surface, &block, SDL_MapRGB(surface->format, 0x80, 0x00, 0x00));
    SDL_UpdateWindowSurface(window);
    SDL_Event event;
    while (SDL_WaitEvent(&event))
        if (event.type == SDL_QUIT ||
            (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE))
            break;
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
