#pragma once

#include <string>

#include "platform/DateTime.h"

// "dd.mm.yyyy hh:mm", with the locale's time separator between hours and minutes.
std::wstring FormatModified(const platform::DateTime& local, const std::wstring& timeSeparator);
