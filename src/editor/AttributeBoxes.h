#pragma once

#include <cstdint>

class TForm1;

// The four attributes the panel shows, one check box each.
std::uint32_t CheckedAttributes(const TForm1& form);
void ShowAttributes(TForm1& form, std::uint32_t attributes);
void ClearAttributeBoxes(TForm1& form);

// The word to write: `current` with the panel's four bits replaced by `checked`, keeping the
// other bits that can be set. Bits only the system sets (directory, compressed ...) are
// never passed on.
std::uint32_t AttributesToWrite(std::uint32_t current, std::uint32_t checked);
