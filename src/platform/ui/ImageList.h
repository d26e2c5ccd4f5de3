#pragma once

#include <cstdint>
#include <functional>

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
  // A borrowed native handle, or 0. It is asked of its source when first needed, by the
  // window that shows the pictures: the system may still be making its lists before that.
  [[nodiscard]] std::uintptr_t SharedHandle() const {
    if (handleSource_) {
      sharedHandle_ = handleSource_();
      handleSource_ = nullptr;
    }
    return sharedHandle_;
  }
  // Borrows the handle `source` gives; where it gives none (0), the one shared before stays.
  void ShareHandle(std::function<std::uintptr_t()> source, int size, ImageSource kind) {
    handleSource_ = [source = std::move(source), before = std::move(handleSource_),
                     shared = sharedHandle_] {
      const std::uintptr_t handle = source();
      if (handle != 0) return handle;
      return before ? before() : shared;
    };
    size_ = size;
    source_ = kind;
  }

 private:
  int size_;
  ImageSource source_;
  // Filled from the source on the first question.
  mutable std::function<std::uintptr_t()> handleSource_;
  mutable std::uintptr_t sharedHandle_ = 0;
};

}  // namespace ui
