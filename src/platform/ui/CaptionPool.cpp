#include "platform/ui/CaptionPool.h"

#include <algorithm>
#include <limits>

namespace ui {

CaptionPool::Place CaptionPool::Add(std::wstring_view caption) {
  caption = caption.substr(0, std::numeric_limits<std::uint16_t>::max());
  if (caption.empty()) return {};
  // A caption never straddles two blocks; the longest fills a block of its own.
  if (kBlockSize - used_ < caption.size()) {
    blocks_.push_back(std::make_unique_for_overwrite<wchar_t[]>(kBlockSize));
    used_ = 0;
  }
  const Place place{static_cast<std::uint32_t>(blocks_.size() - 1),
                    static_cast<std::uint16_t>(used_), static_cast<std::uint16_t>(caption.size())};
  std::copy(caption.begin(), caption.end(), blocks_.back().get() + used_);
  used_ += caption.size();
  return place;
}

void CaptionPool::Clear() {
  blocks_.clear();
  used_ = kBlockSize;
}

}  // namespace ui
