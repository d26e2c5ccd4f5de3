#include "editor/AttributeBoxes.h"

#include "app/Unit_Base.h"

namespace {

constexpr std::uint32_t kTemporary = 0x100;
constexpr std::uint32_t kOffline = 0x1000;
constexpr std::uint32_t kNotContentIndexed = 0x2000;
// What the system takes besides the four shown, as a word on its own.
constexpr std::uint32_t kNormal = 0x80;
constexpr std::uint32_t kOtherSettable = kTemporary | kOffline | kNotContentIndexed;

struct BoxBit {
  ui::CheckBox* TForm1::*box;
  std::uint32_t bit;
};

constexpr BoxBit kBoxes[] = {
    {&TForm1::CheckBox_ReadOnly, platform::kAttrReadOnly},
    {&TForm1::CheckBox_Hide, platform::kAttrHidden},
    {&TForm1::CheckBox_System, platform::kAttrSystem},
    {&TForm1::CheckBox_Archive, platform::kAttrArchive},
};

}  // namespace

std::uint32_t CheckedAttributes(const TForm1& form) {
  std::uint32_t word = 0;
  for (const BoxBit& b : kBoxes) {
    if ((form.*b.box)->Checked()) word |= b.bit;
  }
  return word;
}

void ShowAttributes(TForm1& form, std::uint32_t attributes) {
  for (const BoxBit& b : kBoxes) (form.*b.box)->SetChecked((attributes & b.bit) != 0);
}

void ClearAttributeBoxes(TForm1& form) {
  ShowAttributes(form, 0);
}

std::uint32_t AttributesToWrite(std::uint32_t current, std::uint32_t checked) {
  std::uint32_t shown = 0;
  for (const BoxBit& b : kBoxes) shown |= b.bit;
  const std::uint32_t word = (current & kOtherSettable) | (checked & shown);
  return word == 0 ? kNormal : word;
}
