// Digests and signatures through the system's cryptography (CNG).
#include <windows.h>
// CNG builds on <windows.h>.
#include <bcrypt.h>

#include <climits>
#include <cstring>
#include <vector>

#include "platform/win32/FileHandle.h"
#include "platform/win32/LongPath.h"
#include "platform/win32/Services.h"

namespace platform::win32 {

namespace {

struct AlgorithmCloser {
  void operator()(BCRYPT_ALG_HANDLE algorithm) const { BCryptCloseAlgorithmProvider(algorithm, 0); }
};
using Algorithm = std::unique_ptr<void, AlgorithmCloser>;
struct HashDestroyer {
  void operator()(BCRYPT_HASH_HANDLE hash) const { BCryptDestroyHash(hash); }
};
using Hash = std::unique_ptr<void, HashDestroyer>;
struct KeyDestroyer {
  void operator()(BCRYPT_KEY_HANDLE key) const { BCryptDestroyKey(key); }
};
using Key = std::unique_ptr<void, KeyDestroyer>;

bool Succeeded(NTSTATUS status) {
  return status >= 0;
}

Algorithm OpenAlgorithm(const wchar_t* name) {
  BCRYPT_ALG_HANDLE algorithm = nullptr;
  if (!Succeeded(BCryptOpenAlgorithmProvider(&algorithm, name, nullptr, 0))) return nullptr;
  return Algorithm(algorithm);
}

// A SHA-256 fed piece by piece.
class Sha256Hash {
 public:
  Sha256Hash() : algorithm_(OpenAlgorithm(BCRYPT_SHA256_ALGORITHM)) {
    BCRYPT_HASH_HANDLE hash = nullptr;
    if (algorithm_ &&
        Succeeded(BCryptCreateHash(algorithm_.get(), &hash, nullptr, 0, nullptr, 0, 0))) {
      hash_.reset(hash);
    }
  }
  bool Add(const void* data, ULONG size) {
    return hash_ && Succeeded(BCryptHashData(
                        hash_.get(), static_cast<PUCHAR>(const_cast<void*>(data)), size, 0));
  }
  std::optional<Sha256> Finish() {
    Sha256 digest{};
    if (!hash_ || !Succeeded(BCryptFinishHash(hash_.get(), digest.data(),
                                              static_cast<ULONG>(digest.size()), 0))) {
      return std::nullopt;
    }
    return digest;
  }

 private:
  Algorithm algorithm_;
  Hash hash_;
};

}  // namespace

std::optional<FileDigest> Win32Crypto::DigestOfFile(const std::wstring& path) {
  const FileHandle file =
      OwnFile(CreateFileW(ExtendedPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                          OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) return std::nullopt;
  Sha256Hash hash;
  FileDigest digest;
  std::vector<std::uint8_t> buffer(1 << 16);
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr)) {
      return std::nullopt;
    }
    if (read == 0) break;
    if (!hash.Add(buffer.data(), read)) return std::nullopt;
    digest.size += read;
  }
  const std::optional<Sha256> sha256 = hash.Finish();
  if (!sha256) return std::nullopt;
  digest.sha256 = *sha256;
  return digest;
}

bool Win32Crypto::VerifySignature(std::string_view message, const P256Signature& signature,
                                  const P256PublicKey& key) {
  Sha256Hash hash;
  if (message.size() > ULONG_MAX || !hash.Add(message.data(), static_cast<ULONG>(message.size()))) {
    return false;
  }
  std::optional<Sha256> digest = hash.Finish();
  const Algorithm ecdsa = OpenAlgorithm(BCRYPT_ECDSA_P256_ALGORITHM);
  if (!digest || !ecdsa) return false;

  std::vector<std::uint8_t> blob(sizeof(BCRYPT_ECCKEY_BLOB) + key.size());
  const BCRYPT_ECCKEY_BLOB header{BCRYPT_ECDSA_PUBLIC_P256_MAGIC,
                                  static_cast<ULONG>(key.size() / 2)};
  std::memcpy(blob.data(), &header, sizeof header);
  std::memcpy(blob.data() + sizeof header, key.data(), key.size());
  BCRYPT_KEY_HANDLE imported = nullptr;
  if (!Succeeded(BCryptImportKeyPair(ecdsa.get(), nullptr, BCRYPT_ECCPUBLIC_BLOB, &imported,
                                     blob.data(), static_cast<ULONG>(blob.size()), 0))) {
    return false;
  }
  const Key owned(imported);
  P256Signature copy = signature;
  return BCryptVerifySignature(owned.get(), nullptr, digest->data(),
                               static_cast<ULONG>(digest->size()), copy.data(),
                               static_cast<ULONG>(copy.size()), 0) == 0;
}

}  // namespace platform::win32
