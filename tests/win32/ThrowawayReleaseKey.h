#pragma once

#include <map>
#include <string>

#include "platform/Crypto.h"

namespace release_test {

// A P-256 key pair made through the system for one test, signing release manifests as the
// maker's key does.
class ThrowawayReleaseKey {
 public:
  ThrowawayReleaseKey();
  ~ThrowawayReleaseKey();
  ThrowawayReleaseKey(const ThrowawayReleaseKey&) = delete;
  ThrowawayReleaseKey& operator=(const ThrowawayReleaseKey&) = delete;

  [[nodiscard]] const platform::P256PublicKey& PublicKey() const { return public_; }
  // The manifest of a release of `version` made of `contents` (file name to bytes), signed.
  [[nodiscard]] std::string SignedManifest(
      const std::string& version, const std::map<std::string, std::string>& contents) const;

 private:
  void* algorithm_ = nullptr;
  void* key_ = nullptr;
  platform::P256PublicKey public_{};
};

}  // namespace release_test
