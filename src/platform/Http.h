#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

struct HttpProxy {
  std::wstring host;
  int port = 0;
};

// One GET. Only HTTPS addresses are fetched, and only HTTPS redirects followed, unless the
// request allows plain HTTP (test builds against local servers).
struct HttpRequest {
  std::wstring url;
  std::vector<std::pair<std::wstring, std::wstring>> headers;
  std::optional<HttpProxy> proxy;
  // Time limits in milliseconds; none: wait as long as it takes. The read limit also bounds
  // the wait for the response headers.
  std::optional<int> connectTimeout;
  std::optional<int> readTimeout;
  bool allowPlainHttp = false;
};

// What receives the body of an answer with status 200 (other answers deliver no body).
struct HttpSink {
  // The body begins; its announced size in bytes, or -1 when the server gave none.
  std::function<void(std::int64_t expected)> begin;
  // The next bytes; false stops the transfer, which then fails as aborted.
  std::function<bool(std::string_view bytes)> receive;
  // The transfer ended, whether complete or not.
  std::function<void()> end;
};

enum class HttpError {
  None,
  InsecureAddress,  // not HTTPS (or a redirect to such an address)
  Connect,          // no connection: refused, unknown host, no network
  Timeout,
  Aborted,
  Other,  // a broken transfer, too many redirects, a certificate that is not valid ...
};

struct HttpResult {
  HttpError error = HttpError::Other;
  int status = 0;  // the final answer's status; 0 when none came
  [[nodiscard]] bool Ok() const { return error == HttpError::None && status == 200; }
};

// One client per request sequence; never shared between threads, except for Abort.
class HttpClient {
 public:
  virtual ~HttpClient() = default;
  virtual HttpResult Get(const HttpRequest& request, const HttpSink& sink) = 0;
  // Makes the running Get fail as aborted at its next step; callable from any thread and from
  // the sink's callbacks.
  virtual void Abort() = 0;
};

class Http {
 public:
  virtual ~Http() = default;
  virtual std::unique_ptr<HttpClient> NewClient() = 0;
};

}  // namespace platform
