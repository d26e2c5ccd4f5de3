#pragma once

// The services over the real Win32 API.
#include "platform/Platform.h"

namespace platform::win32 {

class Win32FileSystem : public FileSystem {
 public:
  bool Enumerate(const std::wstring& pattern,
                 const std::function<void(const DirEntry&)>& each) override;
  std::optional<DirEntry> FindEntry(const std::wstring& path) override;
  std::uint32_t GetAttributes(const std::wstring& path) override;
  bool SetAttributes(const std::wstring& path, std::uint32_t attributes) override;
  std::uint32_t SetTimes(const std::wstring& path, const FileTimes& times) override;
  std::optional<FileTime> GetCreationTime(const std::wstring& path) override;
  std::wstring ErrorText(std::uint32_t code) override;
};

class Win32Volumes : public Volumes {
 public:
  DriveType GetDriveType(const std::wstring& root) override;
  std::optional<std::wstring> GetVolumeName(const std::wstring& root) override;
};

class Win32Shell : public Shell {
 public:
  std::optional<ShellFileInfo> GetFileInfo(const std::wstring& path) override;
  std::uintptr_t SystemImageList(bool small) override;
  void Open(std::uintptr_t ownerWindow, const std::wstring& file,
            const std::wstring& directory) override;
  void NotifyAssociationsChanged() override;
  void RefreshDesktop() override;
};

class Win32Registry : public Registry {
 public:
  std::optional<std::uint32_t> ReadDword(RegistryRoot root, const std::wstring& key,
                                         const std::wstring& value) override;
  std::optional<std::wstring> ReadString(RegistryRoot root, const std::wstring& key,
                                         const std::wstring& value) override;
};

class Win32Clock : public Clock {
 public:
  DateTime LocalNow() override;
  std::optional<DateTime> ToLocal(FileTime utc) override;
  std::optional<FileTime> ToUtc(const DateTime& local) override;
  std::wstring TimeSeparator() override;
};

class Win32Dialogs : public Dialogs {
 public:
  int ShowMessage(std::uintptr_t owner, const std::wstring& text, const std::wstring& caption,
                  unsigned flags) override;
};

class Win32Process : public Process {
 public:
  std::wstring ExecutablePath() override;
};

class Win32VersionResources : public VersionResources {
 public:
  std::unique_ptr<VersionBlock> Load(const std::wstring& fileName) override;
};

}  // namespace platform::win32
