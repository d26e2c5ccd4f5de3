#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "platform/Crypto.h"
#include "platform/FileSystem.h"

namespace platform::fake {

// Digests by path (or, for any other path, a stand-in digest of what `files` holds there), and
// the messages that count as signed with `key`.
class FakeCrypto : public Crypto {
 public:
  explicit FakeCrypto(FileSystem* files = nullptr) : files_(files) { key.fill(0x4B); }

  std::optional<FileDigest> DigestOfFile(const std::wstring& path) override {
    if (const auto found = digests.find(path); found != digests.end()) return found->second;
    if (files_ == nullptr) return std::nullopt;
    const std::optional<std::string> bytes =
        files_->ReadWholeFile(path, std::numeric_limits<std::size_t>::max());
    if (!bytes) return std::nullopt;
    return FileDigest{bytes->size(), DigestOf(*bytes)};
  }
  bool VerifySignature(std::string_view message, const P256Signature& signature,
                       const P256PublicKey& publicKey) override {
    return publicKey == key && signedMessages.count({std::string(message), signature}) > 0;
  }

  // A stand-in for SHA-256: different bytes give different digests in any test.
  static Sha256 DigestOf(std::string_view bytes) {
    Sha256 digest{};
    std::size_t seed = std::hash<std::string_view>{}(bytes);
    for (std::uint8_t& byte : digest) {
      seed = seed * 6364136223846793005u + 1442695040888963407u;
      byte = static_cast<std::uint8_t>(seed >> 56);
    }
    return digest;
  }

  // `body` with a signature line that counts as made with `key`'s private half (and that no
  // fake with another key takes).
  std::string Signed(const std::string& body, const std::string& lineEnd = "\n") {
    P256Signature signature{};
    ++signatures_;
    for (std::size_t i = 0; i < signature.size(); ++i) {
      signature[i] = static_cast<std::uint8_t>(key[i] ^ signatures_);
    }
    signedMessages.insert({body, signature});
    return body + "signature=" + Hex(signature) + lineEnd;
  }

  // A release's manifest naming `version` and each file of `contents` (name to bytes), signed.
  std::string SignedManifest(const std::string& version,
                             const std::map<std::string, std::string>& contents) {
    std::map<std::string, FileDigest> files;
    for (const auto& [name, bytes] : contents) files[name] = {bytes.size(), DigestOf(bytes)};
    return Signed(ManifestBody(version, files));
  }

  // What a release's manifest says before its signature line.
  static std::string ManifestBody(const std::string& version,
                                  const std::map<std::string, FileDigest>& files) {
    std::string body = "Brindlow release 1\nversion=" + version + "\n";
    for (const auto& [name, digest] : files) {
      body += "file=" + name + " " + std::to_string(digest.size) + " " + Hex(digest.sha256) + "\n";
    }
    return body;
  }

  template <typename Bytes>
  static std::string Hex(const Bytes& bytes) {
    constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (const std::uint8_t byte : bytes) {
      hex += kDigits[byte >> 4];
      hex += kDigits[byte & 15];
    }
    return hex;
  }

  std::map<std::wstring, FileDigest> digests;
  P256PublicKey key{};
  std::set<std::pair<std::string, P256Signature>> signedMessages;

 private:
  FileSystem* files_;
  int signatures_ = 0;
};

}  // namespace platform::fake
