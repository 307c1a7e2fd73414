#pragma once

#include <functional>

// A change notification bound to its owner; an empty one is skipped.
using TNotifyEvent = std::function<void()>;
