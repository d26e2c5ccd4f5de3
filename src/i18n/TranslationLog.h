#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

namespace i18n {

// The log of texts that a language file lacks: the application title and ".log" in the
// folder above the executable's folder, or in the executable's own folder when that is the
// root of a drive or share.
std::wstring TranslationLogPath(const std::wstring& executable, std::wstring_view title);

// The log's lines; nothing when there is no log file or it cannot be read, and logging is off.
std::optional<std::vector<std::wstring>> ReadLogLines(platform::FileSystem& files,
                                                      const std::wstring& path);
// Replaces the log in one step: UTF-16 LE behind its byte-order mark, CR LF after each line.
bool WriteLogLines(platform::FileSystem& files, const std::wstring& path,
                   const std::vector<std::wstring>& lines);

}  // namespace i18n
