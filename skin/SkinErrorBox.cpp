#include "skin/SkinErrorBox.h"

#include "platform/control/Application.h"

void ShowSkinError(const std::string& text) {
    if (Application) {
        Application->MessageBox(text, "", MB_OK | MB_ICONHAND);
        return;
    }
    ShowMessageBox(nullptr, text, "", MB_OK | MB_ICONHAND);
}
