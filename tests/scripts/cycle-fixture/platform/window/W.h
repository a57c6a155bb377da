#include "platform/backend/B.h"
