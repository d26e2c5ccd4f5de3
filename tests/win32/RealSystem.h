#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/Unit_Base.h"
#include "platform/FileSystem.h"
#include "platform/fake/FakeServices.h"
#include "platform/win32/Services.h"

// What the Wine tests make on the real system: folders, files and times.
namespace real_system {

// A UTC instant as the file system keeps it.
platform::FileTime Utc(int year, int month, int day, int hour, int minute, int second = 0,
                       int millisecond = 0);

FILETIME ToFiletime(platform::FileTime time);
platform::FileTime FromFiletime(const FILETIME& time);

// A fresh folder under the temporary folder, removed with all it holds.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  // Ends with a backslash.
  [[nodiscard]] const std::wstring& Path() const { return path_; }

  // Makes a file of `size` bytes at `name` below the folder; returns its full path.
  std::wstring MakeFile(const std::wstring& name, DWORD size = 0,
                        DWORD attributes = FILE_ATTRIBUTE_NORMAL,
                        std::optional<platform::FileTime> written = std::nullopt) const;
  // Makes a folder at `name` below the folder; returns its full path.
  std::wstring MakeFolder(const std::wstring& name,
                          std::optional<platform::FileTime> written = std::nullopt) const;

 private:
  std::wstring path_;
};

// The main window over the real file system, volumes, shell and clock, with message boxes
// and the message queue recorded; its windows are made by `host` when given (which must
// outlive it), else never.
struct RealMainWindow {
  explicit RealMainWindow(ui::FormHost* host = nullptr)
      : services{Real(host)}, form{services, state} {}

  // Lists `folder` as navigation does: the path box names it, then the listing runs.
  void List(const std::wstring& folder) {
    form.cbPath->SetTextValue(folder);
    form.AddFile(folder + L"*.*", platform::kAttrMaskAll);
  }

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

}  // namespace real_system
