#pragma once

#include <functional>

#include "platform/core/Persistent.h"

// A plain event: the handler gets the object that raised it.
using TNotifyEvent = std::function<void(TPersistent* Sender)>;
