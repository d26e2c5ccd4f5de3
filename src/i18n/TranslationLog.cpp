#include "i18n/TranslationLog.h"

#include "settings/AtomicWrite.h"
#include "settings/IniFile.h"
#include "settings/SettingsPath.h"
#include "settings/TextEncoding.h"

namespace i18n {

namespace {

// "C:" or "\\server\share": a folder with no folder above it.
bool IsRoot(std::wstring_view folder) {
  if (folder.size() == 2 && folder[1] == L':') return true;
  if (!folder.starts_with(L"\\\\")) return false;
  const std::size_t server = folder.find(L'\\', 2);
  return server != std::wstring_view::npos && folder.find(L'\\', server + 1) == folder.npos;
}

std::vector<std::wstring> SplitLines(std::wstring_view text) {
  std::vector<std::wstring> lines;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of(L"\r\n");
    lines.emplace_back(text.substr(0, end));
    if (end == std::wstring_view::npos) break;
    const std::size_t next = text.substr(end, 2) == L"\r\n" ? end + 2 : end + 1;
    text.remove_prefix(next);
  }
  return lines;
}

}  // namespace

std::wstring TranslationLogPath(const std::wstring& executable, std::wstring_view title) {
  std::wstring folder = settings::FolderOf(executable);
  if (!folder.empty()) folder.pop_back();
  if (!IsRoot(folder)) folder = settings::FolderOf(folder);
  if (!folder.ends_with(L'\\')) folder += L'\\';
  return folder + std::wstring(title) + L".log";
}

std::optional<std::vector<std::wstring>> ReadLogLines(platform::FileSystem& files,
                                                      const std::wstring& path) {
  if (!files.FileExists(path)) return std::nullopt;
  const std::optional<std::string> bytes =
      files.ReadWholeFile(path, settings::IniFile::kLargestFile);
  if (!bytes) return std::nullopt;
  return SplitLines(settings::DecodeText(*bytes).text);
}

bool WriteLogLines(platform::FileSystem& files, const std::wstring& path,
                   const std::vector<std::wstring>& lines) {
  std::wstring text;
  for (const std::wstring& line : lines) text += line + L"\r\n";
  const std::optional<std::string> bytes =
      settings::EncodeText(text, settings::TextEncoding::Utf16Le);
  return bytes && settings::WriteFileAtomically(files, path, *bytes);
}

}  // namespace i18n
