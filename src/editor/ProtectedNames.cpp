#include "editor/ProtectedNames.h"

#include <algorithm>

#include "app/Unit_Base.h"
#include "browser/PathText.h"

bool IsProtectedName(const std::wstring& name) {
  return std::any_of(ProtectedNames.begin(), ProtectedNames.end(),
                     [&](const std::wstring& p) { return EqualsIgnoringAsciiCase(name, p); });
}

bool TForm1::IsProtectedItem(const std::wstring& itemName) const {
  return IsProtectedName(itemName);
}
