#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

using Sha256 = std::array<std::uint8_t, 32>;
// A public key of the curve P-256: the point's X and then Y, each 32 bytes big-endian.
using P256PublicKey = std::array<std::uint8_t, 64>;
// An ECDSA signature on P-256: r and then s, each 32 bytes big-endian.
using P256Signature = std::array<std::uint8_t, 64>;

struct FileDigest {
  std::uint64_t size = 0;
  Sha256 sha256{};
};

// What tells a genuine release from another: digests of files and signatures of texts.
class Crypto {
 public:
  virtual ~Crypto() = default;
  // The size and SHA-256 of the file's bytes; nothing when it cannot be read to its end.
  virtual std::optional<FileDigest> DigestOfFile(const std::wstring& path) = 0;
  // Whether `signature` is the ECDSA signature of SHA-256(`message`) made with the private key
  // of `key`.
  virtual bool VerifySignature(std::string_view message, const P256Signature& signature,
                               const P256PublicKey& key) = 0;
};

}  // namespace platform
