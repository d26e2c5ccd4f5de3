#include "ThrowawayReleaseKey.h"

#include <windows.h>
// CNG builds on <windows.h>.
#include <bcrypt.h>

#include <cstring>
#include <stdexcept>
#include <vector>

#include "platform/fake/FakeCrypto.h"

namespace release_test {

namespace {

void Require(NTSTATUS status, const char* what) {
  if (status < 0) throw std::runtime_error(what);
}

platform::Sha256 Sha256Of(std::string_view bytes) {
  BCRYPT_ALG_HANDLE sha256 = nullptr;
  Require(BCryptOpenAlgorithmProvider(&sha256, BCRYPT_SHA256_ALGORITHM, nullptr, 0), "SHA-256");
  platform::Sha256 digest{};
  const NTSTATUS status =
      BCryptHash(sha256, nullptr, 0, reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data())),
                 static_cast<ULONG>(bytes.size()), digest.data(), digest.size());
  BCryptCloseAlgorithmProvider(sha256, 0);
  Require(status, "hashing");
  return digest;
}

}  // namespace

ThrowawayReleaseKey::ThrowawayReleaseKey() {
  Require(BCryptOpenAlgorithmProvider(&algorithm_, BCRYPT_ECDSA_P256_ALGORITHM, nullptr, 0),
          "ECDSA P-256");
  Require(BCryptGenerateKeyPair(algorithm_, &key_, 256, 0), "a key pair");
  Require(BCryptFinalizeKeyPair(key_, 0), "the key pair");
  std::vector<std::uint8_t> blob(sizeof(BCRYPT_ECCKEY_BLOB) + public_.size());
  ULONG written = 0;
  Require(BCryptExportKey(key_, nullptr, BCRYPT_ECCPUBLIC_BLOB, blob.data(),
                          static_cast<ULONG>(blob.size()), &written, 0),
          "the public key");
  std::memcpy(public_.data(), blob.data() + sizeof(BCRYPT_ECCKEY_BLOB), public_.size());
}

ThrowawayReleaseKey::~ThrowawayReleaseKey() {
  BCryptDestroyKey(key_);
  BCryptCloseAlgorithmProvider(algorithm_, 0);
}

std::string ThrowawayReleaseKey::SignedManifest(
    const std::string& version, const std::map<std::string, std::string>& contents) const {
  using platform::fake::FakeCrypto;
  std::map<std::string, platform::FileDigest> files;
  for (const auto& [name, bytes] : contents) files[name] = {bytes.size(), Sha256Of(bytes)};
  const std::string body = FakeCrypto::ManifestBody(version, files);
  platform::Sha256 digest = Sha256Of(body);
  platform::P256Signature signature{};
  ULONG written = 0;
  Require(BCryptSignHash(key_, nullptr, digest.data(), digest.size(), signature.data(),
                         signature.size(), &written, 0),
          "signing");
  return body + "signature=" + FakeCrypto::Hex(signature) + "\n";
}

}  // namespace release_test
