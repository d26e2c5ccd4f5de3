#pragma once

#include <string>
#include <vector>

#include "platform/fake/FakeServices.h"

// A program folder with a "Language" folder, a settings file and, when asked for, the
// translator's log above it, on the fake file system.
class LanguageFolder {
 public:
  static constexpr const wchar_t* kExecutable = L"C:\\Tools\\Brindlow\\Brindlow.exe";
  static constexpr const wchar_t* kFolder = L"C:\\Tools\\Brindlow\\Language\\";
  static constexpr const wchar_t* kSettings = L"C:\\Tools\\Brindlow\\Config\\Option.ini";
  static constexpr const wchar_t* kLog = L"C:\\Tools\\Brindlow.log";

  explicit LanguageFolder(platform::fake::FakePlatform& fake);

  // A language file of these lines, stored as UTF-8 behind its byte-order mark.
  void AddLanguage(const std::wstring& fileName, const std::vector<std::wstring>& lines);
  // The choice as the settings file holds it.
  void Choose(const std::wstring& language);
  // An empty log file: logging is on.
  void StartLog();
  // The log's lines; once written, the log must be UTF-16 LE behind its mark with CR LF line
  // ends.
  [[nodiscard]] std::vector<std::wstring> LogLines() const;

  platform::fake::FakePlatform& fake;
};
