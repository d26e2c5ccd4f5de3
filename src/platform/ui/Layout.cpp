#include "platform/ui/Layout.h"

#include <algorithm>
#include <map>

namespace ui {

int Scale(int value, int dpi) {
  const long long scaled = static_cast<long long>(value) * dpi;
  return static_cast<int>(scaled >= 0 ? (scaled + 48) / 96 : (scaled - 48) / 96);
}

int DockInset(const Control& container) {
  return container.GetKind() == Kind::TabControl ? 4 : 0;
}

namespace {

using Sizes = std::map<const Control*, Size>;

class Placer {
 public:
  Placer(int dpi, const Sizes* design) : dpi_(dpi), design_(design) {}

  void PlaceChildren(const Control& parent, Size size) {
    sizes_[&parent] = size;
    const int inset = Scale(DockInset(parent), dpi_);
    Rect free{inset, inset, std::max(0, size.width - 2 * inset),
              std::max(0, size.height - 2 * inset)};
    for (Align pass : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client}) {
      for (Control* child : parent.Children()) {
        if (child->GetAlign() == pass && child->Visible()) Dock(*child, free);
      }
    }
    for (Control* child : parent.Children()) {
      if (child->GetAlign() == Align::None) Anchor(*child, parent, size);
    }
  }

  std::vector<Placement> placements;
  Sizes sizes_;

 private:
  void Dock(Control& c, Rect& free) {
    const Rect& b = c.Bounds();
    Rect r = free;
    switch (c.GetAlign()) {
      case Align::Top:
        r.height = std::min(Scale(b.height, dpi_), free.height);
        free.top += r.height;
        free.height -= r.height;
        break;
      case Align::Bottom:
        r.height = std::min(Scale(b.height, dpi_), free.height);
        r.top = free.Bottom() - r.height;
        free.height -= r.height;
        break;
      case Align::Left:
        r.width = std::min(Scale(b.width, dpi_), free.width);
        free.left += r.width;
        free.width -= r.width;
        break;
      case Align::Right:
        r.width = std::min(Scale(b.width, dpi_), free.width);
        r.left = free.Right() - r.width;
        free.width -= r.width;
        break;
      default:
        free.width = 0;
        free.height = 0;
        break;
    }
    Put(c, r);
  }

  void Anchor(Control& c, const Control& parent, Size size) {
    const Rect& b = c.Bounds();
    Rect r{Scale(b.left, dpi_), Scale(b.top, dpi_), Scale(b.width, dpi_), Scale(b.height, dpi_)};
    const Size designParent = DesignSize(parent);
    const Anchors a = c.GetAnchors();
    if ((a & AnchorRight) != 0) {
      const int margin = Scale(designParent.width - b.Right(), dpi_);
      if ((a & AnchorLeft) != 0) {
        r.width = std::max(0, size.width - margin - r.left);
      } else {
        r.left = size.width - margin - r.width;
      }
    }
    if ((a & AnchorBottom) != 0) {
      const int margin = Scale(designParent.height - b.Bottom(), dpi_);
      if ((a & AnchorTop) != 0) {
        r.height = std::max(0, size.height - margin - r.top);
      } else {
        r.top = size.height - margin - r.height;
      }
    }
    Put(c, r);
  }

  Size DesignSize(const Control& parent) const {
    if (design_ == nullptr) return sizes_.at(&parent);
    auto it = design_->find(&parent);
    return it == design_->end() ? Size{} : it->second;
  }

  void Put(Control& c, Rect r) {
    placements.push_back({&c, r});
    PlaceChildren(c, {r.width, r.height});
  }

  int dpi_;
  const Sizes* design_;
};

}  // namespace

std::vector<Placement> LayoutForm(const Form& form, Size client, int dpi) {
  Placer designed(96, nullptr);
  designed.PlaceChildren(form, form.DesignClientSize());
  Placer actual(dpi, &designed.sizes_);
  actual.PlaceChildren(form, client);
  return std::move(actual.placements);
}

Point CentredOrigin(const Rect& area, Size window) {
  return {std::max(area.left, area.left + (area.width - window.width) / 2),
          std::max(area.top, area.top + (area.height - window.height) / 2)};
}

Rect KeptInWorkArea(Rect window, const Rect& area) {
  if (window.left < area.left) window.left = area.left;
  if (window.top < area.top) window.top = area.top;
  if (window.Right() > area.Right()) window.left -= window.Right() - area.Right();
  if (window.Bottom() > area.Bottom()) window.top -= window.Bottom() - area.Bottom();
  return window;
}

}  // namespace ui
