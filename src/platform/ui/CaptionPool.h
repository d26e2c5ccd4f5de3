#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace ui {

// The captions of a long list, kept end to end in large blocks rather than one string each:
// a folder of a million entries would otherwise spend more on the strings' headers and the
// heap's bookkeeping than on the names.
class CaptionPool {
 public:
  // Where a caption lies in the pool.
  struct Place {
    std::uint32_t block = 0;
    std::uint16_t offset = 0;
    std::uint16_t length = 0;
  };

  // Keeps a copy of `caption` (cut to 65,535 code units, beyond any file name).
  Place Add(std::wstring_view caption);
  [[nodiscard]] std::wstring_view View(Place place) const {
    if (place.length == 0) return {};
    return {blocks_[place.block].get() + place.offset, place.length};
  }
  void Clear();

 private:
  static constexpr std::size_t kBlockSize = 1 << 16;
  std::vector<std::unique_ptr<wchar_t[]>> blocks_;
  std::size_t used_ = kBlockSize;  // of the last block
};

}  // namespace ui
