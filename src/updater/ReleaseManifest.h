#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Crypto.h"

namespace updater {

// What the maker's signed manifest of a release says: its version, and the size and SHA-256 of
// each of its files, by file name. The text, with LF or CR LF line ends:
//
//   Brindlow release 1
//   version=1.2.0.0
//   file=Brindlow-setup.exe 633920 <64 hexadecimal digits>
//   file=Brindlow.zip 627722 <64 hexadecimal digits>
//   signature=<128 hexadecimal digits: r and s of ECDSA P-256 over the SHA-256 of all above>
//
// Lines of other names are signed with the rest and otherwise ignored.
struct ReleaseFile {
  std::uint64_t size = 0;
  platform::Sha256 sha256{};
};

struct ReleaseManifest {
  std::wstring version;
  std::map<std::wstring, ReleaseFile> files;
};

// The manifest when `text` is well formed and its last line signs everything before it with the
// private key of `key`; nothing otherwise.
std::optional<ReleaseManifest> ReadSignedManifest(std::string_view text,
                                                  const platform::P256PublicKey& key,
                                                  platform::Crypto& crypto);

// Whether the file at `path` is, by size and SHA-256, the release's file named `name`.
bool IsReleaseFile(const ReleaseManifest& manifest, const std::wstring& name,
                   const std::wstring& path, platform::Crypto& crypto);

}  // namespace updater
