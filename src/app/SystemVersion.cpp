#include "app/SystemVersion.h"

#include <string>

namespace {

constexpr const wchar_t* kCurrentVersion = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr unsigned long kFirstWindows10Build = 10240;

// The decimal build number, or 0 when the text is not one.
unsigned long ParseBuild(const std::wstring& text) {
  if (text.empty() || text.size() > 9) return 0;
  unsigned long build = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return 0;
    build = build * 10 + static_cast<unsigned long>(c - L'0');
  }
  return build;
}

}  // namespace

bool IsSupportedWindows(platform::Registry& registry) {
  using platform::RegistryRoot;
  const auto major =
      registry.ReadDword(RegistryRoot::LocalMachine, kCurrentVersion, L"CurrentMajorVersionNumber");
  const auto build =
      registry.ReadString(RegistryRoot::LocalMachine, kCurrentVersion, L"CurrentBuildNumber");
  if (!major || !build) return false;
  return *major == 10 && ParseBuild(*build) >= kFirstWindows10Build;
}
