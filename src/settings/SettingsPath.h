#pragma once

#include <string>
#include <string_view>

#include "platform/FileSystem.h"
#include "platform/Process.h"
#include "platform/Shell.h"
#include "platform/VersionResources.h"

namespace settings {

struct PathServices {
  platform::FileSystem& files;
  platform::Process& process;
  platform::Shell& shell;
  platform::VersionResources& versions;
};

// The folder of `path`, with its trailing backslash; empty for a bare name.
std::wstring FolderOf(const std::wstring& path);

// True when a file (a folder does not count) named "portable.ini" lies beside the running
// executable: the settings then live beside it too.
bool DetectPortableMode(platform::FileSystem& files, platform::Process& process);

// The settings file: "Config\Option.ini" in the executable's folder when portable, else
// below the roaming application-data folder, the company name of the executable's version
// resource and `applicationTitle`. Creates the folder that is to hold it; whether that
// succeeds shows only when the file is written.
std::wstring PortablePath(const PathServices& services, bool portableMode,
                          std::wstring_view applicationTitle);

}  // namespace settings
