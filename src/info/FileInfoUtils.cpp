#include "info/FileInfoUtils.h"

#include <cstdio>
#include <cwchar>

namespace {

constexpr const wchar_t* kFallbackKey = L"040904E4";

std::uint16_t Word(const std::vector<std::uint8_t>& bytes, size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t Dword(const std::vector<std::uint8_t>& bytes, size_t at) {
  return static_cast<std::uint32_t>(Word(bytes, at)) |
         (static_cast<std::uint32_t>(Word(bytes, at + 2)) << 16);
}

// The string table key of the first translation, "LLLLCCCC" in upper-case hex.
std::wstring TranslationKey(platform::VersionBlock& block) {
  const auto table = block.QueryBytes(L"\\VarFileInfo\\Translation");
  if (!table || table->size() < 4) return kFallbackKey;
  wchar_t key[9];
  std::swprintf(key, 9, L"%04X%04X", Word(*table, 0), Word(*table, 2));
  return std::wstring(key) == L"00000000" ? kFallbackKey : key;
}

std::optional<std::wstring> StringValue(platform::VersionBlock& block,
                                        const std::wstring& valueName) {
  auto value = block.QueryString(L"\\StringFileInfo\\" + TranslationKey(block) + L"\\" + valueName);
  if (!value || value->empty()) return std::nullopt;
  return value;
}

// Digits, with dots or commas as separators; blanks skipped; anything else ends the scan.
std::wstring ScanVersion(const std::wstring& text) {
  std::wstring result;
  for (wchar_t c : text) {
    if (c >= L'0' && c <= L'9') {
      result += c;
    } else if (c == L'.' || c == L',') {
      if (!result.empty() && result.back() != L'.') result += L'.';
    } else if (c != L' ') {
      break;
    }
  }
  if (!result.empty() && result.back() == L'.') result.pop_back();
  return result;
}

// The four parts of the fixed block's file version, or empty text.
std::wstring FixedVersion(platform::VersionBlock& block) {
  const auto fixed = block.QueryBytes(L"\\");
  // VS_FIXEDFILEINFO: signature, struct version, then dwFileVersionMS and dwFileVersionLS.
  if (!fixed || fixed->size() < 16) return {};
  const std::uint32_t ms = Dword(*fixed, 8);
  const std::uint32_t ls = Dword(*fixed, 12);
  wchar_t text[24];
  std::swprintf(text, 24, L"%u.%u.%u.%u", ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF);
  return text;
}

}  // namespace

std::wstring GetVersionInfoValue(platform::VersionResources& resources,
                                 const std::wstring& fileName, const std::wstring& valueName) {
  const auto block = resources.Load(fileName);
  if (!block) return {};
  const auto value = StringValue(*block, valueName);
  if (!value) return {};
  return value->substr(0, value->find(L'\0'));
}

std::wstring GetFileVersionString(platform::VersionResources& resources,
                                  const std::wstring& fileName) {
  const auto block = resources.Load(fileName);
  if (!block) return {};
  if (const auto value = StringValue(*block, L"FileVersion")) {
    std::wstring version = ScanVersion(*value);
    if (!version.empty()) return version;
  }
  return FixedVersion(*block);
}

std::wstring GetLegalCopyright(platform::VersionResources& resources,
                               const std::wstring& fileName) {
  return GetVersionInfoValue(resources, fileName, L"LegalCopyright");
}

std::wstring GetCompanyName(platform::VersionResources& resources, const std::wstring& fileName) {
  return GetVersionInfoValue(resources, fileName, L"CompanyName");
}
