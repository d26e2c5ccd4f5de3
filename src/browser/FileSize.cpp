#include "browser/FileSize.h"

#include <cmath>

std::wstring FormatFileSize(std::int64_t size) {
  static const wchar_t* const kUnits[] = {L" B", L" kB", L" MB", L" GB"};
  double v = static_cast<double>(size);
  int i = 0;
  while (v >= 700.0 && i < 3) {
    v /= 1024.0;
    ++i;
  }
  // Whole bytes need no rounding; scaled values round half to even.
  const double whole = i == 0 ? v : std::nearbyint(v);
  return std::to_wstring(static_cast<long long>(whole)) + kUnits[i];
}
