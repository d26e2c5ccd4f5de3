#include "updater/UpdateLookup.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/CodePage.h"

namespace updater {

namespace {

constexpr wchar_t kInternetSettings[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
constexpr int kDefaultProxyPort = 8080;

// Blanks and every control character.
bool IsBlank(wchar_t c) {
  return c <= L' ';
}

std::wstring Trimmed(const std::wstring& text) {
  const auto first = std::find_if_not(text.begin(), text.end(), IsBlank);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlank).base();
  return first < last ? std::wstring(first, last) : std::wstring();
}

// A whole decimal integer (with an optional sign) of 32 bits, or nothing.
std::optional<int> WholeNumber(std::wstring_view text) {
  std::string narrow;
  for (const wchar_t c : text) {
    if (c > 0x7F) return std::nullopt;
    narrow += static_cast<char>(c);
  }
  if (narrow.starts_with('+')) narrow.erase(0, 1);
  int value = 0;
  const char* end = narrow.data() + narrow.size();
  const auto [stop, error] = std::from_chars(narrow.data(), end, value);
  if (narrow.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// A version's components at ".", blanks and control characters; each not a number counts as 0.
std::vector<int> Components(const std::wstring& version) {
  std::vector<int> numbers;
  std::wstring part;
  bool open = false;
  auto finish = [&] {
    numbers.push_back(WholeNumber(part).value_or(0));
    part.clear();
    open = false;
  };
  for (const wchar_t c : version) {
    if (c == L'.') {
      finish();
    } else if (IsBlank(c)) {
      if (open) finish();
    } else {
      part += c;
      open = true;
    }
  }
  finish();
  return numbers;
}

}  // namespace

std::wstring GetUpdateBaseName() {
  return L"Brindlow";
}

std::wstring GetSetupFileName() {
  return GetUpdateBaseName() + L"-setup.exe";
}

std::wstring GetZipFileName() {
  return GetUpdateBaseName() + L".zip";
}

std::wstring GetManifestFileName() {
  return L"manifest.txt";
}

bool GetSystemProxy(platform::Registry& registry, std::wstring& ProxyServer, int& ProxyPort,
                    bool& Enabled) {
  using platform::RegistryRoot;
  ProxyServer.clear();
  ProxyPort = 0;
  Enabled = registry.ReadDword(RegistryRoot::CurrentUser, kInternetSettings, L"ProxyEnable") == 1u;
  if (!Enabled) return false;
  const std::wstring server =
      registry.ReadString(RegistryRoot::CurrentUser, kInternetSettings, L"ProxyServer")
          .value_or(L"");
  const size_t colon = server.find(L':');
  if (colon == std::wstring::npos) return false;
  ProxyServer = server.substr(0, colon);
  ProxyPort = WholeNumber(std::wstring_view(server).substr(colon + 1)).value_or(kDefaultProxyPort);
  return true;
}

std::optional<platform::HttpProxy> ProxyToUse(platform::Registry& registry) {
  std::wstring host;
  int port = 0;
  bool enabled = false;
  if (!GetSystemProxy(registry, host, port, enabled) || !enabled) return std::nullopt;
  return platform::HttpProxy{host, port};
}

int CompareVersions(const std::wstring& a, const std::wstring& b) {
  const std::vector<int> left = Components(a);
  const std::vector<int> right = Components(b);
  for (size_t i = 0; i < std::max(left.size(), right.size()); ++i) {
    const int x = i < left.size() ? left[i] : 0;
    const int y = i < right.size() ? right[i] : 0;
    if (x != y) return x > y ? 1 : -1;
  }
  return 0;
}

bool UpdateLookup::FindUpdateSource(std::wstring& ServerVersion, std::wstring& DownloadUrl,
                                    ReleaseManifest& Manifest) const {
  const std::wstring download = portable_ ? GetZipFileName() : GetSetupFileName();
  for (const std::wstring& base : {servers_.primary, servers_.mirror}) {
    const std::wstring folder = base + GetUpdateBaseName() + L"/";
    const std::optional<std::wstring> version = AskVersion(folder);
    if (!version) continue;
    const std::optional<std::string> text = Fetch(folder + GetManifestFileName(), kLargestManifest);
    if (!text) continue;
    std::optional<ReleaseManifest> manifest =
        ReadSignedManifest(*text, servers_.releaseKey, crypto_);
    // Neither file alone decides what is offered: a version the signed manifest does not name,
    // or a release without the download, is no answer.
    if (!manifest || manifest->version != *version || !manifest->files.contains(download)) {
      continue;
    }
    ServerVersion = *version;
    DownloadUrl = folder + download;
    Manifest = std::move(*manifest);
    return true;
  }
  return false;
}

std::optional<std::wstring> UpdateLookup::AskVersion(const std::wstring& folder) const {
  const std::optional<std::string> body = Fetch(folder + L"version.txt", kLargestVersionFile);
  if (!body) return std::nullopt;
  std::wstring version = Trimmed(platform::FromAnsi(*body));
  if (version.empty()) return std::nullopt;
  return version;
}

std::optional<std::string> UpdateLookup::Fetch(const std::wstring& url, std::size_t largest) const {
  const std::unique_ptr<platform::HttpClient> client = http_.NewClient();
  platform::HttpRequest request;
  request.url = url;
  request.headers = {{L"User-Agent", kUserAgent}};
  request.proxy = ProxyToUse(registry_);
  request.connectTimeout = kConnectTimeout;
  request.readTimeout = kReadTimeout;
  request.allowPlainHttp = servers_.allowPlainHttp;
  std::string body;
  platform::HttpSink sink;
  sink.receive = [&](std::string_view bytes) {
    body.append(bytes);
    return body.size() <= largest;
  };
  if (!client->Get(request, sink).Ok()) return std::nullopt;
  return body;
}

}  // namespace updater
