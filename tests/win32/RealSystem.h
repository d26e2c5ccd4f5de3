#pragma once

#include <windows.h>

#include <string>

#include "app/Unit_Base.h"
#include "platform/fake/FakeServices.h"
#include "platform/win32/Services.h"

namespace listing_test {

// A fresh folder under the temporary folder, removed with all it holds.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  // Ends with a backslash.
  [[nodiscard]] const std::wstring& Path() const { return path_; }

 private:
  std::wstring path_;
};

// The main window over the real file system, volumes, shell and clock; its windows are
// made by `host` when given (which must outlive it), else never.
struct RealBrowser {
  explicit RealBrowser(ui::FormHost* host = nullptr)
      : services{Real(host)}, form{services, state} {}

  platform::win32::Win32FileSystem files;
  platform::win32::Win32Volumes volumes;
  platform::win32::Win32Shell shell;
  platform::win32::Win32Clock clock;
  platform::fake::FakePlatform rest;
  platform::Services services;
  ProcessState state;
  TForm1 form;

 private:
  platform::Services Real(ui::FormHost* host) {
    platform::Services real = rest.services;
    real.files = &files;
    real.volumes = &volumes;
    real.shell = &shell;
    real.clock = &clock;
    if (host != nullptr) real.forms = host;
    return real;
  }
};

}  // namespace listing_test
