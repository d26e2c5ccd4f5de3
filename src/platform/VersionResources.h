#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// A loaded version resource (GetFileVersionInfoW's block).
class VersionBlock {
 public:
  virtual ~VersionBlock() = default;
  // The raw bytes at `subBlock` (VerQueryValueW), or nothing when the query fails.
  virtual std::optional<std::vector<std::uint8_t>> QueryBytes(const std::wstring& subBlock) = 0;
  // The characters at a string sub-block, as many as the query reports (NULs included).
  virtual std::optional<std::wstring> QueryString(const std::wstring& subBlock) = 0;
};

class VersionResources {
 public:
  virtual ~VersionResources() = default;
  // Null when the file has no version resource or cannot be read.
  virtual std::unique_ptr<VersionBlock> Load(const std::wstring& fileName) = 0;
};

}  // namespace platform
