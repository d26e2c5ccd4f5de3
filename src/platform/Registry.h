#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

enum class RegistryRoot { LocalMachine, CurrentUser };

class Registry {
 public:
  virtual ~Registry() = default;
  virtual std::optional<std::uint32_t> ReadDword(RegistryRoot root, const std::wstring& key,
                                                 const std::wstring& value) = 0;
  virtual std::optional<std::wstring> ReadString(RegistryRoot root, const std::wstring& key,
                                                 const std::wstring& value) = 0;
};

}  // namespace platform
