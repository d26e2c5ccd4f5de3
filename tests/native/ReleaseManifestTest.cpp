#include "updater/ReleaseManifest.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/fake/FakeCrypto.h"
#include "updater/HexBytes.h"

namespace {

using platform::fake::FakeCrypto;
using updater::IsReleaseFile;
using updater::ReadSignedManifest;

constexpr char kSetupDigest[] = "00112233445566778899aabbccddeeff00112233445566778899aabbccddeeff";
constexpr char kZipDigest[] = "ffeeddccbbaa99887766554433221100ffeeddccbbaa99887766554433221100";

platform::Sha256 Digest(const char* hex) {
  return updater::BytesFromHex<32>(hex).value();
}

class ReleaseManifestTest : public testing::Test {
 protected:
  std::string Signed(const std::string& body, const std::string& lineEnd = "\n") {
    return crypto.Signed(body, lineEnd);
  }

  static std::string Body(const std::string& lines, const std::string& lineEnd = "\n") {
    std::string body;
    std::size_t start = 0;
    while (start < lines.size()) {
      const std::size_t end = lines.find('|', start);
      body += lines.substr(start, end - start) + lineEnd;
      if (end == std::string::npos) break;
      start = end + 1;
    }
    return body;
  }

  FakeCrypto crypto;
};

TEST_F(ReleaseManifestTest, ReadsTheVersionAndTheFilesOfASignedManifest) {
  for (const std::string lineEnd : {"\n", "\r\n"}) {
    SCOPED_TRACE(lineEnd == "\n" ? "LF" : "CR LF");
    const std::string text = Signed(
        Body(std::string("Brindlow release 1|version=1.2.0.0|file=Brindlow-setup.exe 633920 ") +
                 kSetupDigest + "|file=Brindlow.zip 627722 " + kZipDigest +
                 "|note=signed, otherwise ignored",
             lineEnd),
        lineEnd);

    const auto manifest = ReadSignedManifest(text, crypto.key, crypto);

    ASSERT_TRUE(manifest.has_value());
    EXPECT_EQ(manifest->version, L"1.2.0.0");
    ASSERT_EQ(manifest->files.size(), 2u);
    EXPECT_EQ(manifest->files.at(L"Brindlow-setup.exe").size, 633920u);
    EXPECT_EQ(manifest->files.at(L"Brindlow-setup.exe").sha256, Digest(kSetupDigest));
    EXPECT_EQ(manifest->files.at(L"Brindlow.zip").size, 627722u);
    EXPECT_EQ(manifest->files.at(L"Brindlow.zip").sha256, Digest(kZipDigest));
  }
}

TEST_F(ReleaseManifestTest, RefusesWhatIsNotSignedOrNotWellFormed) {
  const std::string good =
      std::string("Brindlow release 1|version=1.2.0.0|file=Brindlow.zip 5 ") + kZipDigest;
  const std::string signedGood = Signed(Body(good));
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"empty", ""},
      {"no signature line", Body(good)},
      {"a line changed after signing",
       [&] {
         std::string text = signedGood;
         text.replace(text.find("1.2.0.0"), 7, "9.9.9.9");
         return text;
       }()},
      {"a line added after the signature", signedGood + "version=9.9.9.9\n"},
      {"signature too short", Body(good) + "signature=00ff\n"},
      {"signature not hexadecimal", Body(good) + "signature=" + std::string(128, 'g') + "\n"},
      {"another heading", Signed(Body("Brindlow release 2|version=1.2.0.0"))},
      {"no version",
       Signed(Body(std::string("Brindlow release 1|file=Brindlow.zip 5 ") + kZipDigest))},
      {"empty version", Signed(Body("Brindlow release 1|version="))},
      {"two versions", Signed(Body("Brindlow release 1|version=1.2.0.0|version=1.3.0.0"))},
      {"a file twice", Signed(Body(good + "|file=Brindlow.zip 5 " + kZipDigest))},
      {"a size with a letter",
       Signed(Body(std::string("Brindlow release 1|version=1|file=a.zip 5x ") + kZipDigest))},
      {"a negative size",
       Signed(Body(std::string("Brindlow release 1|version=1|file=a.zip -5 ") + kZipDigest))},
      {"a size beyond 64 bits",
       Signed(Body(std::string("Brindlow release 1|version=1|file=a.zip 99999999999999999999 ") +
                   kZipDigest))},
      {"a digest one digit short",
       Signed(Body(std::string("Brindlow release 1|version=1|file=a.zip 5 ") + (kZipDigest + 1)))},
      {"a file without digest", Signed(Body("Brindlow release 1|version=1|file=a.zip 5"))},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_FALSE(ReadSignedManifest(c.text, crypto.key, crypto).has_value());
  }

  platform::P256PublicKey stranger{};
  stranger.fill(0x51);
  EXPECT_FALSE(ReadSignedManifest(signedGood, stranger, crypto).has_value())
      << "signed with another key";
  EXPECT_TRUE(ReadSignedManifest(signedGood, crypto.key, crypto).has_value());
}

TEST_F(ReleaseManifestTest, AFileIsTheReleasesOnlyWithItsSizeAndDigest) {
  const auto manifest = ReadSignedManifest(
      Signed(Body(std::string("Brindlow release 1|version=1.2.0.0|file=Brindlow.zip 5 ") +
                  kZipDigest)),
      crypto.key, crypto);
  ASSERT_TRUE(manifest.has_value());
  crypto.digests[L"C:\\t\\same.zip"] = {5, Digest(kZipDigest)};
  crypto.digests[L"C:\\t\\longer.zip"] = {6, Digest(kZipDigest)};
  crypto.digests[L"C:\\t\\other.zip"] = {5, Digest(kSetupDigest)};

  EXPECT_TRUE(IsReleaseFile(*manifest, L"Brindlow.zip", L"C:\\t\\same.zip", crypto));
  EXPECT_FALSE(IsReleaseFile(*manifest, L"Brindlow.zip", L"C:\\t\\longer.zip", crypto));
  EXPECT_FALSE(IsReleaseFile(*manifest, L"Brindlow.zip", L"C:\\t\\other.zip", crypto));
  EXPECT_FALSE(IsReleaseFile(*manifest, L"Brindlow.zip", L"C:\\t\\unreadable.zip", crypto));
  EXPECT_FALSE(IsReleaseFile(*manifest, L"Brindlow-setup.exe", L"C:\\t\\same.zip", crypto))
      << "a file the manifest does not name";
}

}  // namespace
