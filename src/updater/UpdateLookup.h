#pragma once

#include <optional>
#include <string>

#include "platform/Http.h"
#include "platform/Registry.h"

namespace updater {

// The two update servers, asked in this order: base addresses ending in "/".
struct UpdateServers {
  std::wstring primary;
  std::wstring mirror;
  // Plain HTTP addresses are fetched only when allowed (test builds against local servers).
  bool allowPlainHttp = false;
};

inline constexpr wchar_t kUserAgent[] =
    L"Mozilla/5.0 (Windows NT 6.1; WOW64;rv:12.0) Gecko/20100101 Firefox/12.0";
// A version file is a few characters: anything much larger is no answer.
inline constexpr std::size_t kLargestVersionFile = 4096;
inline constexpr int kConnectTimeout = 3000;
inline constexpr int kReadTimeout = 5000;

std::wstring GetUpdateBaseName();
std::wstring GetSetupFileName();
std::wstring GetZipFileName();

// The Internet proxy of the current user's settings. True only when host and port were read.
bool GetSystemProxy(platform::Registry& registry, std::wstring& ProxyServer, int& ProxyPort,
                    bool& Enabled);
// The proxy a request goes through: the user's, when read and switched on.
std::optional<platform::HttpProxy> ProxyToUse(platform::Registry& registry);

// 1 when version `a` is newer, -1 when `b` is, 0 when they are equal.
int CompareVersions(const std::wstring& a, const std::wstring& b);

// Asks the update servers in order for the newest version; a new HTTP client for each.
class UpdateLookup {
 public:
  UpdateLookup(platform::Http& http, platform::Registry& registry, UpdateServers servers,
               bool portable)
      : http_(http), registry_(registry), servers_(std::move(servers)), portable_(portable) {}

  // True when a server gave a version: then the version and the address of the download
  // beside it (the archive for a portable copy, else the setup program). Untouched otherwise.
  bool FindUpdateSource(std::wstring& ServerVersion, std::wstring& DownloadUrl) const;

 private:
  [[nodiscard]] std::optional<std::wstring> AskVersion(const std::wstring& folder) const;

  platform::Http& http_;
  platform::Registry& registry_;
  UpdateServers servers_;
  bool portable_;
};

}  // namespace updater
