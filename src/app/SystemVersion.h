#pragma once

#include "platform/Registry.h"

// True on Windows 10 from build 10240 and on Windows 11 (major version 10, build 22000 on),
// judged by the version numbers the system stores, which no compatibility shim alters.
bool IsSupportedWindows(platform::Registry& registry);
