#pragma once

#include <string>

namespace platform {

// True for an https: address, and for an http: one when plain HTTP is allowed.
bool IsAllowedUrl(const std::wstring& url, bool allowPlainHttp);

// The address a redirect's Location leads to from `base`: absolute, scheme-relative ("//host"),
// host-relative ("/path") or relative to the folder of `base`.
std::wstring ResolveRedirect(const std::wstring& base, const std::wstring& location);

}  // namespace platform
