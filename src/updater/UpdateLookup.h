#pragma once

#include <optional>
#include <string>

#include "platform/Crypto.h"
#include "platform/Http.h"
#include "platform/Registry.h"
#include "updater/ReleaseManifest.h"

namespace updater {

// The two update servers, asked in this order: base addresses ending in "/".
struct UpdateServers {
  std::wstring primary;
  std::wstring mirror;
  // Plain HTTP addresses are fetched only when allowed (test builds against local servers).
  bool allowPlainHttp = false;
  // A release counts only when its manifest is signed with this key's private half.
  platform::P256PublicKey releaseKey{};
};

inline constexpr wchar_t kUserAgent[] =
    L"Mozilla/5.0 (Windows NT 6.1; WOW64;rv:12.0) Gecko/20100101 Firefox/12.0";
// A version file is a few characters and a manifest a few lines: anything much larger is no
// answer.
inline constexpr std::size_t kLargestVersionFile = 4096;
inline constexpr std::size_t kLargestManifest = 16384;
inline constexpr int kConnectTimeout = 3000;
inline constexpr int kReadTimeout = 5000;

std::wstring GetUpdateBaseName();
std::wstring GetSetupFileName();
std::wstring GetZipFileName();
std::wstring GetManifestFileName();

// The Internet proxy of the current user's settings. True only when host and port were read.
bool GetSystemProxy(platform::Registry& registry, std::wstring& ProxyServer, int& ProxyPort,
                    bool& Enabled);
// The proxy a request goes through: the user's, when read and switched on.
std::optional<platform::HttpProxy> ProxyToUse(platform::Registry& registry);

// 1 when version `a` is newer, -1 when `b` is, 0 when they are equal.
int CompareVersions(const std::wstring& a, const std::wstring& b);

// Asks the update servers in order for the newest release; a new HTTP client for each file.
class UpdateLookup {
 public:
  UpdateLookup(platform::Http& http, platform::Registry& registry, platform::Crypto& crypto,
               UpdateServers servers, bool portable)
      : http_(http),
        registry_(registry),
        crypto_(crypto),
        servers_(std::move(servers)),
        portable_(portable) {}

  // True when a server gave a version and, beside it, a manifest signed with the release key
  // that names that version and the download: then the version, the address of the download
  // (the archive for a portable copy, else the setup program) and the manifest. A server whose
  // files do not agree counts as one that did not answer. Untouched when none answered.
  bool FindUpdateSource(std::wstring& ServerVersion, std::wstring& DownloadUrl,
                        ReleaseManifest& Manifest) const;

 private:
  // The body of `url`, when it came whole and no larger than `largest` bytes.
  [[nodiscard]] std::optional<std::string> Fetch(const std::wstring& url,
                                                 std::size_t largest) const;
  [[nodiscard]] std::optional<std::wstring> AskVersion(const std::wstring& folder) const;

  platform::Http& http_;
  platform::Registry& registry_;
  platform::Crypto& crypto_;
  UpdateServers servers_;
  bool portable_;
};

}  // namespace updater
