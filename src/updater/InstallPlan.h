#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/DateTime.h"
#include "platform/Process.h"

namespace updater {

// The part after the last "/", or the whole text when there is none or nothing after it.
std::wstring FileNameFromUrl(const std::wstring& text);

// The user's temporary folder, ending in a backslash.
std::wstring GetTempFolder(platform::Process& process);

// The folder part of a path, with its trailing backslash, and the name after it.
std::wstring FolderOf(const std::wstring& path);
std::wstring NameOf(const std::wstring& path);

// The setup program's switches for a silent update in the user's language.
std::wstring SilentSetupParameters(const std::wstring& language);

// The portable update script's name for this time of day: update_hhnnss.bat.
std::wstring UpdateScriptName(const platform::DateTime& now);

// The script that ends the running copy, unpacks the archive over the application folder
// (skipping entries that would land outside it), deletes the archive and starts the copy
// again. Lines end in CR LF.
std::wstring PortableUpdateScript(const std::wstring& appFolder, const std::wstring& exeName,
                                  const std::wstring& zipName);

// Progress in whole percents of the expected size, rounded half to even.
std::int64_t BytesPerPercent(std::int64_t expected);
// The position for `received` bytes; nothing when there is no step to measure by.
std::optional<std::int64_t> ProgressPosition(std::int64_t received, std::int64_t bytesPerPercent);

}  // namespace updater
