#pragma once

#include <string>
#include <string_view>

#include "platform/FileSystem.h"

namespace settings {

// Puts a file holding `bytes` in the place of `path` in one step, so that a crash or a full
// disk leaves the old file or the new one, never a part of either. False when the old file
// stays as it was.
bool WriteFileAtomically(platform::FileSystem& files, const std::wstring& path,
                         std::string_view bytes);

}  // namespace settings
