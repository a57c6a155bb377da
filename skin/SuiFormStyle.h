#pragma once

#include "skin/UIStyle.h"

class TComponent;

// The theme of the first skinned form frame (a TsuiForm) among the direct child controls of
// container, DeepBlue when there is none. New buttons and title bars start with it.
TsuiUIStyle GetSUIFormStyle(const TComponent* container);
