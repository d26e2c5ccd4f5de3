#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>

#include "platform/Crypto.h"

namespace platform::fake {

// Digests by path, and the messages that count as signed with `key`.
class FakeCrypto : public Crypto {
 public:
  std::optional<FileDigest> DigestOfFile(const std::wstring& path) override {
    const auto found = digests.find(path);
    if (found == digests.end()) return std::nullopt;
    return found->second;
  }
  bool VerifySignature(std::string_view message, const P256Signature& signature,
                       const P256PublicKey& publicKey) override {
    return publicKey == key && signedMessages.count({std::string(message), signature}) > 0;
  }

  std::map<std::wstring, FileDigest> digests;
  P256PublicKey key{};
  std::set<std::pair<std::string, P256Signature>> signedMessages;
};

}  // namespace platform::fake
