#pragma once

#include <string>

// Values that hold for the whole process.
struct ProcessState {
  // "portable.ini" lies beside the executable: settings live beside it too.
  bool PortableMode = false;
  // Base name of the chosen language file; empty when none is chosen.
  std::wstring CurrentLanguage;
  // Direction of every sort of the file list: +1 or -1.
  int SortDirection = 1;
};

// The application's title: the start of the main window's caption and the title of its
// message boxes.
inline constexpr const wchar_t* kApplicationTitle = L"Brindlow";
