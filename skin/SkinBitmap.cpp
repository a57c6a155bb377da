#include "skin/SkinBitmap.h"

void LoadSkinBitmap(TBitmap* bitmap, HMODULE module, const std::string& name) {
    bitmap->LoadFromResourceName(module, name);
}
