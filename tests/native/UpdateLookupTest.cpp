// Asking the update servers: their order, what counts as an answer, the request's settings,
// the user's proxy, and the comparison of two versions.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/HttpUrl.h"
#include "platform/fake/FakeServices.h"
#include "updater/UpdateLookup.h"

namespace {

using platform::HttpError;
using platform::RegistryRoot;
using platform::fake::FakeHttp;
using updater::UpdateLookup;

const std::wstring kPrimary = L"https://brindlow.example/download/";
const std::wstring kMirror = L"https://mirror.brindlow.example/download/";
const std::wstring kPrimaryFile = kPrimary + L"Brindlow/version.txt";
const std::wstring kMirrorFile = kMirror + L"Brindlow/version.txt";
const std::wstring kInternetSettings =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

const std::wstring kPrimaryManifest = kPrimary + L"Brindlow/manifest.txt";
const std::wstring kMirrorManifest = kMirror + L"Brindlow/manifest.txt";
const std::map<std::string, std::string> kReleaseFiles = {{"Brindlow-setup.exe", "setup"},
                                                          {"Brindlow.zip", "zip"}};

struct SourceCase {
  const char* what;
  std::optional<FakeHttp::Answer> primary;  // none: no connection
  std::optional<FakeHttp::Answer> mirror;
  // The version each server's signed manifest names; none: no manifest there.
  std::optional<std::string> primaryRelease;
  std::optional<std::string> mirrorRelease;
  bool portable;
  bool found;
  std::wstring version;
  std::wstring url;
  std::vector<std::wstring> asked;
};

class FindUpdateSource : public testing::TestWithParam<SourceCase> {};

TEST_P(FindUpdateSource, AsksTheServersInOrderUntilOneGivesAVersionItsManifestSigns) {
  const SourceCase& c = GetParam();
  platform::fake::FakePlatform fake;
  if (c.primary) fake.http.answers[kPrimaryFile] = *c.primary;
  if (c.mirror) fake.http.answers[kMirrorFile] = *c.mirror;
  if (c.primaryRelease) {
    fake.http.answers[kPrimaryManifest] =
        FakeHttp::Answer::Body(fake.crypto.SignedManifest(*c.primaryRelease, kReleaseFiles));
  }
  if (c.mirrorRelease) {
    fake.http.answers[kMirrorManifest] =
        FakeHttp::Answer::Body(fake.crypto.SignedManifest(*c.mirrorRelease, kReleaseFiles));
  }
  const UpdateLookup lookup(fake.http, fake.registry, fake.crypto,
                            {kPrimary, kMirror, false, fake.crypto.key}, c.portable);
  std::wstring version = L"untouched";
  std::wstring url = L"untouched";
  updater::ReleaseManifest manifest;
  EXPECT_EQ(lookup.FindUpdateSource(version, url, manifest), c.found);
  EXPECT_EQ(version, c.version);
  EXPECT_EQ(url, c.url);
  EXPECT_EQ(manifest.version, c.found ? c.version : L"");
  EXPECT_EQ(manifest.files.size(), c.found ? 2u : 0u);
  std::vector<std::wstring> asked;
  for (size_t i = 0; i < fake.http.sent.size(); ++i) {
    EXPECT_EQ(fake.http.sent[i].client, static_cast<int>(i) + 1) << "a new client for each file";
    asked.push_back(fake.http.sent[i].request.url);
  }
  EXPECT_EQ(asked, c.asked);
}

const std::vector<std::wstring> kPrimaryOnly = {kPrimaryFile, kPrimaryManifest};
const std::vector<std::wstring> kBoth = {kPrimaryFile, kPrimaryManifest, kMirrorFile,
                                         kMirrorManifest};
const std::vector<std::wstring> kBothVersionsOnly = {kPrimaryFile, kMirrorFile};
const std::vector<std::wstring> kMirrorAfterPrimaryVersion = {kPrimaryFile, kMirrorFile,
                                                              kMirrorManifest};
const std::vector<std::wstring> kPrimaryThenMirrorVersion = {kPrimaryFile, kPrimaryManifest,
                                                             kMirrorFile};

INSTANTIATE_TEST_SUITE_P(
    Cases, FindUpdateSource,
    testing::Values(
        SourceCase{"PrimaryAnswers", FakeHttp::Answer::Body("5.10.0.1"),
                   FakeHttp::Answer::Body("9.9"), "5.10.0.1", "9.9", false, true, L"5.10.0.1",
                   kPrimary + L"Brindlow/Brindlow-setup.exe", kPrimaryOnly},
        SourceCase{"PrimaryNotFoundMirrorAnswers", FakeHttp::Answer::Status(404),
                   FakeHttp::Answer::Body("5.10"), std::nullopt, "5.10", false, true, L"5.10",
                   kMirror + L"Brindlow/Brindlow-setup.exe", kMirrorAfterPrimaryVersion},
        SourceCase{"PortableGetsTheArchive", FakeHttp::Answer::Body("5.10"), std::nullopt, "5.10",
                   std::nullopt, true, true, L"5.10", kPrimary + L"Brindlow/Brindlow.zip",
                   kPrimaryOnly},
        SourceCase{"LineBreakTrimmed", FakeHttp::Answer::Body("\t 5.10.0.1\r\n"), std::nullopt,
                   "5.10.0.1", std::nullopt, false, true, L"5.10.0.1",
                   kPrimary + L"Brindlow/Brindlow-setup.exe", kPrimaryOnly},
        SourceCase{"BlankFilesOnBoth", FakeHttp::Answer::Body(" \r\n\t\r\n"),
                   FakeHttp::Answer::Body("\n"), std::nullopt, std::nullopt, false, false,
                   L"untouched", L"untouched", kBothVersionsOnly},
        SourceCase{"NeitherConnects", std::nullopt, std::nullopt, std::nullopt, std::nullopt, false,
                   false, L"untouched", L"untouched", kBothVersionsOnly},
        SourceCase{"PrimaryTimesOut", FakeHttp::Answer::Failure(HttpError::Timeout),
                   FakeHttp::Answer::Body("6"), std::nullopt, "6", false, true, L"6",
                   kMirror + L"Brindlow/Brindlow-setup.exe", kMirrorAfterPrimaryVersion},
        SourceCase{"OversizedFileIsNoAnswer", FakeHttp::Answer::Body("5." + std::string(5000, '1')),
                   FakeHttp::Answer::Body("6"), std::nullopt, "6", false, true, L"6",
                   kMirror + L"Brindlow/Brindlow-setup.exe", kMirrorAfterPrimaryVersion},
        SourceCase{"NonNumericVersionIsAnAnswer", FakeHttp::Answer::Body("5.x-beta"),
                   FakeHttp::Answer::Body("6"), "5.x-beta", "6", false, true, L"5.x-beta",
                   kPrimary + L"Brindlow/Brindlow-setup.exe", kPrimaryOnly},
        // Neither file alone decides: the version file and the signed manifest must agree.
        SourceCase{"PrimaryWithoutManifestMirrorAnswers", FakeHttp::Answer::Body("7"),
                   FakeHttp::Answer::Body("6"), std::nullopt, "6", false, true, L"6",
                   kMirror + L"Brindlow/Brindlow-setup.exe", kBoth},
        SourceCase{"VersionFileNewerThanTheManifest", FakeHttp::Answer::Body("7"), std::nullopt,
                   "6", std::nullopt, false, false, L"untouched", L"untouched",
                   kPrimaryThenMirrorVersion},
        SourceCase{"ManifestNewerThanTheVersionFile", FakeHttp::Answer::Body("5"), std::nullopt,
                   "6", std::nullopt, false, false, L"untouched", L"untouched",
                   kPrimaryThenMirrorVersion}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(FindUpdateSourceManifest, OnlyAWholeManifestSignedWithTheReleaseKeyThatNamesTheDownload) {
  platform::fake::FakePlatform fake;
  platform::fake::FakeCrypto stranger;
  stranger.key.fill(0x51);
  const std::string body =
      "Brindlow release 1\nversion=7\nfile=Brindlow-setup.exe 5 " + std::string(64, 'a') + "\n";
  const struct {
    const char* what;
    std::string manifest;
    bool found;
  } cases[] = {
      {"signed with the release key", fake.crypto.Signed(body), true},
      {"without signature", body, false},
      {"signed with another key", stranger.Signed(body), false},
      {"without the download", fake.crypto.SignedManifest("7", {{"Brindlow.zip", "zip"}}), false},
      {"larger than a manifest can be",
       fake.crypto.Signed(body + "note=" + std::string(20000, 'n') + "\n"), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fake.http.answers[kPrimaryFile] = FakeHttp::Answer::Body("7");
    fake.http.answers[kPrimaryManifest] = FakeHttp::Answer::Body(c.manifest);
    const UpdateLookup lookup(fake.http, fake.registry, fake.crypto,
                              {kPrimary, kMirror, false, fake.crypto.key}, false);
    std::wstring version;
    std::wstring url;
    updater::ReleaseManifest manifest;
    EXPECT_EQ(lookup.FindUpdateSource(version, url, manifest), c.found);
  }
}

TEST(FindUpdateSourceRequest, HasTheAgentTheTimeLimitsAndTheUsersProxyAndRefusesPlainHttp) {
  platform::fake::FakePlatform fake;
  fake.registry.dwords[{RegistryRoot::CurrentUser, kInternetSettings + L"\\ProxyEnable"}] = 1;
  fake.registry.strings[{RegistryRoot::CurrentUser, kInternetSettings + L"\\ProxyServer"}] =
      L"10.0.0.5:3128";
  const std::wstring plain = L"http://brindlow.example/download/";
  fake.http.answers[plain + L"Brindlow/version.txt"] = FakeHttp::Answer::Body("9");
  const UpdateLookup lookup(fake.http, fake.registry, fake.crypto, {plain, kMirror, false}, false);
  std::wstring version;
  std::wstring url;
  updater::ReleaseManifest manifest;
  EXPECT_FALSE(lookup.FindUpdateSource(version, url, manifest)) << "plain HTTP is not fetched";
  ASSERT_EQ(fake.http.sent.size(), 2u);
  const platform::HttpRequest& sent = fake.http.sent[1].request;
  ASSERT_EQ(sent.headers.size(), 1u);
  EXPECT_EQ(sent.headers[0].first, L"User-Agent");
  EXPECT_EQ(sent.headers[0].second,
            L"Mozilla/5.0 (Windows NT 6.1; WOW64;rv:12.0) Gecko/20100101 Firefox/12.0");
  EXPECT_EQ(sent.connectTimeout, 3000);
  EXPECT_EQ(sent.readTimeout, 5000);
  EXPECT_FALSE(sent.allowPlainHttp);
  ASSERT_TRUE(sent.proxy.has_value());
  EXPECT_EQ(sent.proxy->host, L"10.0.0.5");
  EXPECT_EQ(sent.proxy->port, 3128);
}

struct ProxyCase {
  const char* what;
  std::optional<std::uint32_t> enable;
  std::optional<std::wstring> server;
  bool result;
  std::wstring host;
  int port;
  bool enabled;
};

class SystemProxy : public testing::TestWithParam<ProxyCase> {};

TEST_P(SystemProxy, ReadsHostAndPortOnlyWhenSwitchedOnAndComplete) {
  const ProxyCase& c = GetParam();
  platform::fake::FakeRegistry registry;
  if (c.enable)
    registry.dwords[{RegistryRoot::CurrentUser, kInternetSettings + L"\\ProxyEnable"}] = *c.enable;
  if (c.server)
    registry.strings[{RegistryRoot::CurrentUser, kInternetSettings + L"\\ProxyServer"}] = *c.server;
  std::wstring host = L"stale";
  int port = -1;
  bool enabled = true;
  EXPECT_EQ(updater::GetSystemProxy(registry, host, port, enabled), c.result);
  EXPECT_EQ(host, c.host);
  EXPECT_EQ(port, c.port);
  EXPECT_EQ(enabled, c.enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SystemProxy,
    testing::Values(ProxyCase{"HostAndPort", 1, L"10.0.0.5:3128", true, L"10.0.0.5", 3128, true},
                    ProxyCase{"NoColon", 1, L"10.0.0.5", false, L"", 0, true},
                    ProxyCase{"PortNotANumber", 1, L"10.0.0.5:x", true, L"10.0.0.5", 8080, true},
                    ProxyCase{"PerProtocolList", 1, L"http=p:80;https=p:443", true, L"http=p", 8080,
                              true},
                    ProxyCase{"SwitchedOff", 0, L"10.0.0.5:3128", false, L"", 0, false},
                    ProxyCase{"EnableAbsent", std::nullopt, L"10.0.0.5:3128", false, L"", 0, false},
                    ProxyCase{"ServerAbsent", 1, std::nullopt, false, L"", 0, true}),
    [](const auto& info) { return std::string(info.param.what); });

struct VersionCase {
  const char* what;
  std::wstring a;
  std::wstring b;
  int result;
};

class CompareVersions : public testing::TestWithParam<VersionCase> {};

TEST_P(CompareVersions, ComparesComponentByComponent) {
  const VersionCase& c = GetParam();
  EXPECT_EQ(updater::CompareVersions(c.a, c.b), c.result);
  EXPECT_EQ(updater::CompareVersions(c.b, c.a), -c.result) << "the other way round";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CompareVersions,
    testing::Values(VersionCase{"MissingComponentsAreZero", L"1.2", L"1.2.0.0", 0},
                    VersionCase{"NumbersNotText", L"1.10", L"1.9", 1},
                    VersionCase{"FirstComponent", L"2", L"10", -1},
                    VersionCase{"LettersAreZero", L"1.x", L"1.0", 0},
                    VersionCase{"EmptyIsZero", L"", L"0", 0},
                    VersionCase{"EmptyComponent", L"1..2", L"1.0.2", 0},
                    VersionCase{"BlankSeparates", L"1 2", L"1.2", 0},
                    VersionCase{"OutOfRangeIsZero", L"99999999999.1", L"0.1", 0},
                    VersionCase{"LaterComponentDecides", L"5.10.0.2", L"5.10.0.1", 1}),
    [](const auto& info) { return std::string(info.param.what); });

struct RedirectCase {
  const char* what;
  std::wstring location;
  std::wstring resolved;
};

class ResolveRedirect : public testing::TestWithParam<RedirectCase> {};

TEST_P(ResolveRedirect, LeadsFromTheAddressAskedAndOnlyToHttpsUnlessAllowed) {
  const RedirectCase& c = GetParam();
  const std::wstring resolved =
      platform::ResolveRedirect(L"https://a.example:8443/x/version.txt?q=1", c.location);
  EXPECT_EQ(resolved, c.resolved);
  EXPECT_EQ(platform::IsAllowedUrl(resolved, false), resolved.starts_with(L"https://"));
  EXPECT_TRUE(platform::IsAllowedUrl(resolved, true));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResolveRedirect,
    testing::Values(RedirectCase{"Absolute", L"https://b.example/y", L"https://b.example/y"},
                    RedirectCase{"AbsolutePlain", L"http://b.example/y", L"http://b.example/y"},
                    RedirectCase{"SchemeRelative", L"//b.example/y", L"https://b.example/y"},
                    RedirectCase{"HostRelative", L"/y/z.txt", L"https://a.example:8443/y/z.txt"},
                    RedirectCase{"FolderRelative", L"z.txt", L"https://a.example:8443/x/z.txt"}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
