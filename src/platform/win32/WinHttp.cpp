#include <windows.h>
// WinHTTP builds on <windows.h>.
#include <winhttp.h>

#include <atomic>
#include <cstdint>
#include <cwchar>
#include <memory>
#include <optional>
#include <string>

#include "platform/HttpUrl.h"
#include "platform/win32/Services.h"

namespace platform::win32 {

namespace {

constexpr int kMostRedirects = 10;
constexpr DWORD kPieceSize = 64 * 1024;
// A time-out as Wine reports it (Windows says ERROR_WINHTTP_TIMEOUT).
constexpr DWORD kWsaTimedOut = 10060;

struct InternetCloser {
  void operator()(HINTERNET handle) const { WinHttpCloseHandle(handle); }
};
using Internet = std::unique_ptr<void, InternetCloser>;

HttpError ErrorOf(DWORD code) {
  switch (code) {
    case ERROR_WINHTTP_TIMEOUT:
    case kWsaTimedOut:
      return HttpError::Timeout;
    case ERROR_WINHTTP_CANNOT_CONNECT:
    case ERROR_WINHTTP_NAME_NOT_RESOLVED:
    case ERROR_WINHTTP_CONNECTION_ERROR:
      return HttpError::Connect;
    default:
      return HttpError::Other;
  }
}

std::wstring HeaderUserAgent(const HttpRequest& request) {
  for (const auto& [name, value] : request.headers) {
    if (name == L"User-Agent") return value;
  }
  return L"Brindlow";
}

std::optional<std::wstring> QueryText(HINTERNET request, DWORD what) {
  DWORD size = 0;
  WinHttpQueryHeaders(request, what, WINHTTP_HEADER_NAME_BY_INDEX, nullptr, &size,
                      WINHTTP_NO_HEADER_INDEX);
  if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0) return std::nullopt;
  std::wstring text(size / sizeof(wchar_t), L'\0');
  if (!WinHttpQueryHeaders(request, what, WINHTTP_HEADER_NAME_BY_INDEX, text.data(), &size,
                           WINHTTP_NO_HEADER_INDEX)) {
    return std::nullopt;
  }
  text.resize(size / sizeof(wchar_t));
  return text;
}

bool IsRedirect(DWORD status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// Host, port and path of an address.
struct UrlParts {
  std::wstring host;
  INTERNET_PORT port = 0;
  std::wstring path;
  bool secure = false;
};

std::optional<UrlParts> Crack(const std::wstring& url) {
  URL_COMPONENTS parts = {};
  parts.dwStructSize = sizeof parts;
  parts.dwHostNameLength = static_cast<DWORD>(-1);
  parts.dwUrlPathLength = static_cast<DWORD>(-1);
  parts.dwExtraInfoLength = static_cast<DWORD>(-1);
  if (!WinHttpCrackUrl(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts)) return std::nullopt;
  UrlParts result;
  result.host.assign(parts.lpszHostName, parts.dwHostNameLength);
  result.port = parts.nPort;
  result.path.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
  result.path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (result.path.empty()) result.path = L"/";
  result.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
  return result;
}

class WinHttpClient : public HttpClient {
 public:
  HttpResult Get(const HttpRequest& request, const HttpSink& sink) override {
    const Internet session = OpenSession(request);
    if (session == nullptr) return {ErrorOf(GetLastError()), 0};
    std::wstring url = request.url;
    for (int hop = 0; hop <= kMostRedirects; ++hop) {
      if (!IsAllowedUrl(url, request.allowPlainHttp)) return {HttpError::InsecureAddress, 0};
      const std::optional<UrlParts> parts = Crack(url);
      if (!parts) return {HttpError::Other, 0};
      const Internet connection(WinHttpConnect(session.get(), parts->host.c_str(), parts->port, 0));
      if (connection == nullptr) {
        failure_ = GetLastError();
        return Failed();
      }
      const Internet handle = Send(connection.get(), *parts, request);
      if (handle == nullptr) return Failed();
      DWORD status = 0;
      DWORD size = sizeof status;
      WinHttpQueryHeaders(handle.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                          WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX);
      if (IsRedirect(status)) {
        const std::optional<std::wstring> location =
            QueryText(handle.get(), WINHTTP_QUERY_LOCATION);
        if (!location) return {HttpError::None, static_cast<int>(status)};
        url = ResolveRedirect(url, *location);
        continue;
      }
      if (status != 200) return {HttpError::None, static_cast<int>(status)};
      return Receive(handle.get(), sink);
    }
    return {HttpError::Other, 0};
  }

  void Abort() override { aborted_ = true; }

 private:
  // The error of the call that failed last; closing handles since may have replaced it.
  [[nodiscard]] HttpResult Failed() const {
    return {aborted_ ? HttpError::Aborted : ErrorOf(failure_), 0};
  }

  static Internet OpenSession(const HttpRequest& request) {
    const std::wstring agent = HeaderUserAgent(request);
    std::wstring proxy;
    if (request.proxy) proxy = request.proxy->host + L":" + std::to_wstring(request.proxy->port);
    Internet session(WinHttpOpen(
        agent.c_str(),
        request.proxy ? WINHTTP_ACCESS_TYPE_NAMED_PROXY : WINHTTP_ACCESS_TYPE_NO_PROXY,
        request.proxy ? proxy.c_str() : WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    if (session == nullptr) return session;
    const int connect = request.connectTimeout.value_or(0);
    const int read = request.readTimeout.value_or(0);
    WinHttpSetTimeouts(session.get(), connect, connect, read, read);
    // TLS 1.2 at least; 1.3 where the system has it.
    DWORD protocols = WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2 | WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_3;
    if (!WinHttpSetOption(session.get(), WINHTTP_OPTION_SECURE_PROTOCOLS, &protocols,
                          sizeof protocols)) {
      protocols = WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2;
      WinHttpSetOption(session.get(), WINHTTP_OPTION_SECURE_PROTOCOLS, &protocols,
                       sizeof protocols);
    }
    return session;
  }

  // Sends the GET and waits for the answer's headers; null on failure. Certificates are
  // checked by the system: no check is switched off.
  [[nodiscard]] Internet Send(HINTERNET connection, const UrlParts& parts,
                              const HttpRequest& request) {
    Internet handle(WinHttpOpenRequest(connection, L"GET", parts.path.c_str(), nullptr,
                                       WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                                       parts.secure ? WINHTTP_FLAG_SECURE : 0));
    if (handle == nullptr) {
      failure_ = GetLastError();
      return handle;
    }
    // Redirects are followed above, each checked before it is taken.
    DWORD disabled = WINHTTP_DISABLE_REDIRECTS;
    WinHttpSetOption(handle.get(), WINHTTP_OPTION_DISABLE_FEATURE, &disabled, sizeof disabled);
    if (request.readTimeout) {
      DWORD wait = static_cast<DWORD>(*request.readTimeout);
      WinHttpSetOption(handle.get(), WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &wait, sizeof wait);
    }
    std::wstring headers;
    for (const auto& [name, value] : request.headers) {
      if (name != L"User-Agent") headers.append(name).append(L": ").append(value).append(L"\r\n");
    }
    if (aborted_ ||
        !WinHttpSendRequest(handle.get(),
                            headers.empty() ? WINHTTP_NO_ADDITIONAL_HEADERS : headers.c_str(),
                            static_cast<DWORD>(-1), WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
        !WinHttpReceiveResponse(handle.get(), nullptr)) {
      failure_ = GetLastError();
      return nullptr;
    }
    return handle;
  }

  HttpResult Receive(HINTERNET handle, const HttpSink& sink) {
    std::int64_t expected = -1;
    if (const std::optional<std::wstring> length =
            QueryText(handle, WINHTTP_QUERY_CONTENT_LENGTH)) {
      expected = std::wcstoll(length->c_str(), nullptr, 10);
    }
    if (sink.begin) sink.begin(expected);
    HttpResult result{HttpError::None, 200};
    std::string piece(kPieceSize, '\0');
    for (;;) {
      DWORD read = 0;
      if (aborted_) {
        result.error = HttpError::Aborted;
      } else if (!WinHttpReadData(handle, piece.data(), kPieceSize, &read)) {
        result.error = aborted_ ? HttpError::Aborted : ErrorOf(GetLastError());
      } else if (read > 0 && sink.receive && !sink.receive(std::string_view(piece.data(), read))) {
        result.error = HttpError::Aborted;
      }
      if (result.error != HttpError::None || read == 0) break;
    }
    if (sink.end) sink.end();
    return result;
  }

  std::atomic<bool> aborted_ = false;
  DWORD failure_ = 0;
};

}  // namespace

std::unique_ptr<HttpClient> Win32Http::NewClient() {
  return std::make_unique<WinHttpClient>();
}

}  // namespace platform::win32
