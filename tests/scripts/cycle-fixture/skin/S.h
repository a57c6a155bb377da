#include "platform/window/W.h"
