#pragma once

#include <cstdint>
#include <string>

// The size column's text: "699 B", "1 kB", "2 MB", at most "... GB".
std::wstring FormatFileSize(std::int64_t size);
