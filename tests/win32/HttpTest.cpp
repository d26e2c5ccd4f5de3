// WinHTTP against servers on 127.0.0.1 started by the test: answers and their bodies in
// pieces, redirects, refusals of plain HTTP, refused ports, time limits and aborts.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "LocalServer.h"
#include "platform/win32/Services.h"

namespace {

using platform::HttpError;
using server_test::LocalServer;
using server_test::Reply;

const std::string kBody(200000, 'b');

struct Received {
  platform::HttpResult result;
  std::int64_t expected = -2;
  std::string body;
  int pieces = 0;
  bool ended = false;
};

Received Fetch(const std::wstring& url, bool allowPlainHttp = true, int readTimeout = 5000,
               std::size_t abortAfter = 0) {
  platform::win32::Win32Http http;
  const auto client = http.NewClient();
  platform::HttpRequest request;
  request.url = url;
  request.headers = {{L"User-Agent", L"Brindlow test"}};
  request.connectTimeout = 3000;
  request.readTimeout = readTimeout;
  request.allowPlainHttp = allowPlainHttp;
  Received got;
  platform::HttpSink sink;
  sink.begin = [&](std::int64_t expected) { got.expected = expected; };
  sink.receive = [&](std::string_view bytes) {
    got.body.append(bytes);
    ++got.pieces;
    if (abortAfter > 0 && got.body.size() >= abortAfter) client->Abort();
    return true;
  };
  sink.end = [&] { got.ended = true; };
  got.result = client->Get(request, sink);
  return got;
}

class WinHttp : public testing::Test {
 protected:
  LocalServer server{{
      {"/Brindlow/version.txt", Reply{.body = "5.10.0.1\r\n"}},
      {"/big.bin", Reply{.body = kBody, .pieceSize = 50000, .pauseMs = 20}},
      {"/unsized.bin", Reply{.body = "no length", .announceLength = false}},
      {"/moved",
       Reply{.status = "302 Found", .extraHeaders = "Location: /Brindlow/version.txt\r\n"}},
      {"/loop", Reply{.status = "302 Found", .extraHeaders = "Location: /loop\r\n"}},
      {"/silent", Reply{.silent = true}},
      {"/stalls", Reply{.body = kBody, .pieceSize = 1000, .pauseMs = 3000}},
  }};
};

TEST_F(WinHttp, DeliversTheBodyOfA200InPiecesWithItsAnnouncedSize) {
  const Received got = Fetch(server.Url("/big.bin"));
  EXPECT_TRUE(got.result.Ok());
  EXPECT_EQ(got.expected, static_cast<std::int64_t>(kBody.size()));
  EXPECT_EQ(got.body, kBody);
  EXPECT_GT(got.pieces, 1) << "progress needs pieces";
  EXPECT_TRUE(got.ended);
  EXPECT_EQ(Fetch(server.Url("/unsized.bin")).expected, -1);
}

TEST_F(WinHttp, TellsStatusesRedirectsRefusalsAndTimeLimitsApart) {
  struct Case {
    const char* what;
    std::wstring url;
    bool allowPlainHttp;
    int readTimeout;
    HttpError error;
    int status;
    std::string body;
  };
  const std::wstring closed =
      L"http://127.0.0.1:" + std::to_wstring(LocalServer::ClosedPort()) + L"/";
  for (const Case& c : {
           Case{"NotFound", server.Url("/none"), true, 5000, HttpError::None, 404, ""},
           Case{"Redirect", server.Url("/moved"), true, 5000, HttpError::None, 200, "5.10.0.1\r\n"},
           Case{"RedirectLoop", server.Url("/loop"), true, 5000, HttpError::Other, 0, ""},
           Case{"PlainHttpRefused", server.Url("/Brindlow/version.txt"), false, 5000,
                HttpError::InsecureAddress, 0, ""},
           Case{"RefusedPort", closed, true, 5000, HttpError::Connect, 0, ""},
           Case{"NoAnswerInTime", server.Url("/silent"), true, 500, HttpError::Timeout, 0, ""},
       }) {
    SCOPED_TRACE(c.what);
    const Received got = Fetch(c.url, c.allowPlainHttp, c.readTimeout);
    EXPECT_EQ(got.result.error, c.error);
    EXPECT_EQ(got.result.status, c.status);
    EXPECT_EQ(got.body, c.body);
  }
  // The refused address was never asked.
  const std::vector<std::string> asked = server.Requested();
  EXPECT_EQ(std::count(asked.begin(), asked.end(), "/Brindlow/version.txt"), 1);
}

TEST_F(WinHttp, ABodyThatStallsLongerThanTheReadLimitFailsAsATimeout) {
  const Received got = Fetch(server.Url("/stalls"), true, 500);
  EXPECT_EQ(got.result.error, HttpError::Timeout);
  EXPECT_LT(got.body.size(), kBody.size());
}

TEST_F(WinHttp, AnAbortFromTheProgressEndsTheTransfer) {
  const Received got = Fetch(server.Url("/big.bin"), true, 5000, 50000);
  EXPECT_EQ(got.result.error, HttpError::Aborted);
  EXPECT_LT(got.body.size(), kBody.size());
  EXPECT_TRUE(got.ended);
}

}  // namespace
