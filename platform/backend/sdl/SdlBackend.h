#pragma once

#include "platform/window/Backend.h"

#include <memory>

// The desktop backend over SDL2 on X11: each shown top-level window is a borderless desktop
// window showing the layer's pixels. When no display can be opened it prints one line naming the
// program and the reason on stderr and ends the process with exit status 1.
std::unique_ptr<IBackend> CreateSdlBackendOrExit(const char* programName);
