#include <windows.h>

#include <utility>

#include "platform/win32/Services.h"

namespace platform::win32 {

namespace {

// GetFileVersionInfoW's copy of a file's version resource.
class Win32VersionBlock : public VersionBlock {
 public:
  explicit Win32VersionBlock(std::vector<std::uint8_t> data) : data_(std::move(data)) {}

  std::optional<std::vector<std::uint8_t>> QueryBytes(const std::wstring& subBlock) override {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data_.data(), subBlock.c_str(), &value, &length)) return std::nullopt;
    if (value == nullptr) return std::vector<std::uint8_t>{};
    const auto* bytes = static_cast<const std::uint8_t*>(value);
    return std::vector<std::uint8_t>(bytes, bytes + length);
  }

  std::optional<std::wstring> QueryString(const std::wstring& subBlock) override {
    void* value = nullptr;
    UINT length = 0;  // in characters for a string value
    if (!VerQueryValueW(data_.data(), subBlock.c_str(), &value, &length)) return std::nullopt;
    if (value == nullptr) return std::wstring();
    return std::wstring(static_cast<const wchar_t*>(value), length);
  }

 private:
  std::vector<std::uint8_t> data_;
};

}  // namespace

std::unique_ptr<VersionBlock> Win32VersionResources::Load(const std::wstring& fileName) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(fileName.c_str(), &handle);
  if (size == 0) return nullptr;
  std::vector<std::uint8_t> data(size);
  if (!GetFileVersionInfoW(fileName.c_str(), 0, size, data.data())) return nullptr;
  return std::make_unique<Win32VersionBlock>(std::move(data));
}

}  // namespace platform::win32
