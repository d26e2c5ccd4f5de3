#include "editor/ProtectedNames.h"

#include <algorithm>

#include "browser/PathText.h"
#include "editor/EditorPanel.h"

bool IsProtectedName(const std::wstring& name) {
  return std::any_of(ProtectedNames.begin(), ProtectedNames.end(),
                     [&](const std::wstring& p) { return EqualsIgnoringAsciiCase(name, p); });
}

bool EditorPanel::IsProtectedItem(const std::wstring& itemName) {
  return IsProtectedName(itemName);
}
