#pragma once

#include <string>

#include "platform/VersionResources.h"

// Texts from the version resource of an executable; empty text when they cannot be read.
std::wstring GetVersionInfoValue(platform::VersionResources& resources,
                                 const std::wstring& fileName, const std::wstring& valueName);
// The dotted version ("5.9.26.228"): from the FileVersion string when it yields a digit,
// else from the fixed block.
std::wstring GetFileVersionString(platform::VersionResources& resources,
                                  const std::wstring& fileName);
std::wstring GetLegalCopyright(platform::VersionResources& resources, const std::wstring& fileName);
std::wstring GetCompanyName(platform::VersionResources& resources, const std::wstring& fileName);
