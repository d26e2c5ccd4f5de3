#include "browser/ProtectedNames.h"

#include <algorithm>

#include "browser/PathText.h"

bool IsProtectedName(const std::wstring& name) {
  return std::any_of(ProtectedNames.begin(), ProtectedNames.end(),
                     [&](const std::wstring& p) { return EqualsIgnoringAsciiCase(name, p); });
}

bool IsUnenterableFolderName(const std::wstring& name) {
  return std::find(ProtectedNames.begin(), ProtectedNames.begin() + 5, name) !=
         ProtectedNames.begin() + 5;
}
