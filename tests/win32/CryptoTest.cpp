// The system's digests and ECDSA signatures, against answers made with OpenSSL.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "RealSystem.h"
#include "platform/win32/Services.h"
#include "updater/HexBytes.h"

namespace {

using updater::BytesFromHex;

// A throwaway key pair made for these tests; the message was signed with its private key.
constexpr char kSigner[] =
    "ea07cae9c6f2825e5a385808eed2a637faf7f9e78af491138eeac18a43e7dbb1"
    "7f62041efe7fd158345cefe1f06fd54b8cc742b273a94f15695226dfbde9a312";
constexpr char kStranger[] =
    "3e4494f11705efe38b75c915d46c0ac0413c2b07db6902b5ca345400811203a6"
    "1df71a12997e37edc1d25f3541590da969691eaf64192739e481a1ff5daae3e6";
constexpr char kMessage[] = "Brindlow release\nversion=1.2.0.0\n";
constexpr char kSignature[] =
    "f967f2f4b4e4049979683dc6ec5e8a88a967ebeb8d09833c03763332907dc1f7"
    "34a1c8084c500d603bad2abc32da80b53e947436528aef160599c789fb0a3096";

struct SignatureCase {
  const char* what;
  std::string message;
  std::string signature;
  const char* key;
  bool valid;
};

TEST(Win32Crypto, AcceptsOnlyTheSignatureOfTheMessageByTheKey) {
  std::string flipped = kSignature;
  flipped[10] = flipped[10] == '0' ? '1' : '0';
  const std::string zero(128, '0');
  const SignatureCase cases[] = {
      {"the signed message", kMessage, kSignature, kSigner, true},
      {"another version", "Brindlow release\nversion=1.2.0.1\n", kSignature, kSigner, false},
      {"a byte more", std::string(kMessage) + "x", kSignature, kSigner, false},
      {"one digit of the signature changed", kMessage, flipped, kSigner, false},
      {"a zero signature", kMessage, zero, kSigner, false},
      {"another key", kMessage, kSignature, kStranger, false},
  };
  platform::win32::Win32Crypto crypto;
  for (const SignatureCase& c : cases) {
    SCOPED_TRACE(c.what);
    const auto signature = BytesFromHex<64>(c.signature);
    const auto key = BytesFromHex<64>(c.key);
    ASSERT_TRUE(signature && key);
    EXPECT_EQ(crypto.VerifySignature(c.message, *signature, *key), c.valid);
  }
}

TEST(Win32Crypto, DigestsFilesAndFailsForMissingOnes) {
  const real_system::TempFolder temp;
  const std::wstring abc = temp.Path() + L"abc.txt";
  std::ofstream(std::filesystem::path(abc), std::ios::binary) << "abc";
  const std::wstring empty = temp.MakeFile(L"empty.txt");
  platform::win32::Win32Crypto crypto;

  const auto digestOfAbc = crypto.DigestOfFile(abc);
  ASSERT_TRUE(digestOfAbc.has_value());
  EXPECT_EQ(digestOfAbc->size, 3u);
  EXPECT_EQ(digestOfAbc->sha256,
            BytesFromHex<32>("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
  const auto digestOfEmpty = crypto.DigestOfFile(empty);
  ASSERT_TRUE(digestOfEmpty.has_value());
  EXPECT_EQ(digestOfEmpty->size, 0u);
  EXPECT_EQ(digestOfEmpty->sha256,
            BytesFromHex<32>("e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"));
  EXPECT_FALSE(crypto.DigestOfFile(temp.Path() + L"missing.bin").has_value());
}

}  // namespace
