#include "platform/HttpUrl.h"

#include <cwctype>

namespace platform {

namespace {

bool StartsWithNoCase(const std::wstring& text, const std::wstring& prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (static_cast<wchar_t>(std::towlower(text[i])) != prefix[i]) return false;
  }
  return true;
}

}  // namespace

bool IsAllowedUrl(const std::wstring& url, bool allowPlainHttp) {
  return StartsWithNoCase(url, L"https://") ||
         (allowPlainHttp && StartsWithNoCase(url, L"http://"));
}

std::wstring ResolveRedirect(const std::wstring& base, const std::wstring& location) {
  const size_t schemeEnd = base.find(L"://");
  if (location.find(L"://") != std::wstring::npos || schemeEnd == std::wstring::npos) {
    return location;
  }
  if (location.starts_with(L"//")) return base.substr(0, schemeEnd + 1) + location;
  const size_t pathStart = base.find(L'/', schemeEnd + 3);
  const std::wstring origin = base.substr(0, pathStart);
  if (location.starts_with(L"/")) return origin + location;
  if (pathStart == std::wstring::npos) return origin + L"/" + location;
  const size_t query = base.find_first_of(L"?#", pathStart);
  const std::wstring path = base.substr(0, query);
  return path.substr(0, path.rfind(L'/') + 1) + location;
}

}  // namespace platform
