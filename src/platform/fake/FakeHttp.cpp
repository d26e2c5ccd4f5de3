#include "platform/fake/FakeHttp.h"

#include <algorithm>
#include <atomic>

namespace platform::fake {

namespace {

class FakeClient : public HttpClient {
 public:
  FakeClient(FakeHttp& http, int number) : http_(http), number_(number) {}

  HttpResult Get(const HttpRequest& request, const HttpSink& sink) override {
    http_.sent.push_back({number_, request});
    aborted_ = false;
    std::wstring url = request.url;
    for (int hops = 0; hops < 10; ++hops) {
      if (!IsAllowedUrl(url, request.allowPlainHttp)) return {HttpError::InsecureAddress, 0};
      const auto found = http_.answers.find(url);
      if (found == http_.answers.end()) return {HttpError::Connect, 0};
      const FakeHttp::Answer& answer = found->second;
      if (answer.error != HttpError::None) return {answer.error, 0};
      if (answer.location) {
        url = ResolveRedirect(url, *answer.location);
        continue;
      }
      if (answer.status != 200) return {HttpError::None, answer.status};
      return Deliver(answer, sink);
    }
    return {HttpError::Other, 0};
  }

  void Abort() override { aborted_ = true; }

 private:
  HttpResult Deliver(const FakeHttp::Answer& answer, const HttpSink& sink) {
    if (sink.begin) sink.begin(answer.announced.value_or(std::int64_t(answer.body.size())));
    HttpResult result{HttpError::None, 200};
    for (std::size_t at = 0; at < answer.body.size() && result.error == HttpError::None;) {
      if (http_.beforePiece) http_.beforePiece(at);
      const std::size_t size = std::min(http_.pieceSize, answer.body.size() - at);
      if (aborted_ ||
          (sink.receive && !sink.receive(std::string_view(answer.body).substr(at, size)))) {
        result.error = HttpError::Aborted;
      }
      at += size;
      if (aborted_) result.error = HttpError::Aborted;
    }
    if (sink.end) sink.end();
    return result;
  }

  FakeHttp& http_;
  int number_;
  std::atomic<bool> aborted_ = false;
};

}  // namespace

std::unique_ptr<HttpClient> FakeHttp::NewClient() {
  return std::make_unique<FakeClient>(*this, ++clientsMade);
}

}  // namespace platform::fake
