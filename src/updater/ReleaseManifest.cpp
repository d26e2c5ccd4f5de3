#include "updater/ReleaseManifest.h"

#include <charconv>
#include <vector>

#include "updater/HexBytes.h"

namespace updater {

namespace {

constexpr std::string_view kHeading = "Brindlow release 1";
constexpr std::string_view kSignature = "signature=";

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// Printable ASCII without blanks: what a version or a file name of a release is made of.
bool IsPlainWord(std::string_view word) {
  if (word.empty()) return false;
  for (const char c : word) {
    if (c <= ' ' || c > '~') return false;
  }
  return true;
}

std::wstring Widened(std::string_view ascii) {
  return {ascii.begin(), ascii.end()};
}

// "name size sha256" after "file=".
bool AddFile(std::string_view entry, ReleaseManifest& manifest) {
  const std::size_t first = entry.find(' ');
  const std::size_t second = entry.find(' ', first == std::string_view::npos ? first : first + 1);
  if (first == std::string_view::npos || second == std::string_view::npos) return false;
  const std::string_view name = entry.substr(0, first);
  const std::string_view size = entry.substr(first + 1, second - first - 1);
  const auto sha256 = BytesFromHex<32>(entry.substr(second + 1));
  ReleaseFile file;
  const auto [end, error] = std::from_chars(size.data(), size.data() + size.size(), file.size);
  if (!IsPlainWord(name) || size.empty() || error != std::errc() ||
      end != size.data() + size.size() || !sha256) {
    return false;
  }
  file.sha256 = *sha256;
  return manifest.files.emplace(Widened(name), file).second;
}

}  // namespace

std::optional<ReleaseManifest> ReadSignedManifest(std::string_view text,
                                                  const platform::P256PublicKey& key,
                                                  platform::Crypto& crypto) {
  // The signature line is the last one; what it signs is every byte before it.
  std::string_view body = text;
  if (!body.empty() && body.back() == '\n') body.remove_suffix(1);
  if (!body.empty() && body.back() == '\r') body.remove_suffix(1);
  const std::size_t lastLine = body.rfind('\n');
  if (lastLine == std::string_view::npos) return std::nullopt;
  const std::string_view signedPart = text.substr(0, lastLine + 1);
  const std::string_view signatureLine = body.substr(lastLine + 1);
  if (signatureLine.substr(0, kSignature.size()) != kSignature) return std::nullopt;
  const auto signature = BytesFromHex<64>(signatureLine.substr(kSignature.size()));
  if (!signature || !crypto.VerifySignature(signedPart, *signature, key)) return std::nullopt;

  const std::vector<std::string_view> lines = Lines(signedPart);
  if (lines.empty() || lines.front() != kHeading) return std::nullopt;
  ReleaseManifest manifest;
  bool versionSeen = false;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    const std::size_t equals = line.find('=');
    const std::string_view name = line.substr(0, equals);
    const std::string_view value =
        equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1);
    if (name == "version") {
      if (versionSeen || !IsPlainWord(value)) return std::nullopt;
      manifest.version = Widened(value);
      versionSeen = true;
    } else if (name == "file") {
      if (!AddFile(value, manifest)) return std::nullopt;
    }
  }
  if (!versionSeen) return std::nullopt;
  return manifest;
}

bool IsReleaseFile(const ReleaseManifest& manifest, const std::wstring& name,
                   const std::wstring& path, platform::Crypto& crypto) {
  const auto named = manifest.files.find(name);
  if (named == manifest.files.end()) return false;
  const std::optional<platform::FileDigest> digest = crypto.DigestOfFile(path);
  return digest && digest->size == named->second.size && digest->sha256 == named->second.sha256;
}

}  // namespace updater
