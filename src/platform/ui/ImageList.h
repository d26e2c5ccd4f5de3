#pragma once

#include <cstdint>

#include "platform/ui/Component.h"

namespace ui {

// Which pictures an image list holds. A shared list borrows a handle of the system's
// (the system image list) and never destroys it.
enum class ImageSource { None, Toolbar, SystemSmall, SystemLarge };

class ImageList : public Component {
 public:
  ImageList(Component* owner, std::wstring name, int size, ImageSource source)
      : Component(owner, std::move(name)), size_(size), source_(source) {}
  [[nodiscard]] Kind GetKind() const override { return Kind::ImageList; }
  [[nodiscard]] int Size() const { return size_; }
  [[nodiscard]] ImageSource Source() const { return source_; }
  // A borrowed native handle, or 0.
  [[nodiscard]] std::uintptr_t SharedHandle() const { return sharedHandle_; }
  void ShareHandle(std::uintptr_t handle, int size, ImageSource source) {
    sharedHandle_ = handle;
    size_ = size;
    source_ = source;
  }

 private:
  int size_;
  ImageSource source_;
  std::uintptr_t sharedHandle_ = 0;
};

}  // namespace ui
