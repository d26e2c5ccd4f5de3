#include <windows.h>

#include <vector>

#include "platform/win32/Services.h"

namespace platform::win32 {

namespace {

// An open key, closed when it goes.
class Key {
 public:
  Key(RegistryRoot root, const std::wstring& path) {
    const HKEY base = root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    // The 64-bit view: the system's own values, whatever the build's bitness.
    if (RegOpenKeyExW(base, path.c_str(), 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, &key_) !=
        ERROR_SUCCESS) {
      key_ = nullptr;
    }
  }
  ~Key() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  [[nodiscard]] HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace

std::optional<std::uint32_t> Win32Registry::ReadDword(RegistryRoot root, const std::wstring& key,
                                                      const std::wstring& value) {
  const Key open(root, key);
  if (open.Get() == nullptr) return std::nullopt;
  DWORD data = 0;
  DWORD size = sizeof(data);
  if (RegGetValueW(open.Get(), nullptr, value.c_str(), RRF_RT_REG_DWORD, nullptr, &data, &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return data;
}

std::optional<std::wstring> Win32Registry::ReadString(RegistryRoot root, const std::wstring& key,
                                                      const std::wstring& value) {
  const Key open(root, key);
  if (open.Get() == nullptr) return std::nullopt;
  DWORD size = 0;
  LSTATUS status =
      RegGetValueW(open.Get(), nullptr, value.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &size);
  std::vector<wchar_t> text;
  // The value may grow between the size query and the read: ask again until it fits.
  while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
    text.assign(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    status = RegGetValueW(open.Get(), nullptr, value.c_str(), RRF_RT_REG_SZ, nullptr, text.data(),
                          &size);
    if (status == ERROR_SUCCESS) return std::wstring(text.data());
  }
  return std::nullopt;
}

}  // namespace platform::win32
