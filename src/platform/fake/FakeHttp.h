#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Http.h"
#include "platform/HttpUrl.h"

namespace platform::fake {

// Scripted answers by address; every request is recorded with the client that made it.
class FakeHttp : public Http {
 public:
  struct Answer {
    int status = 200;
    std::string body;
    HttpError error = HttpError::None;  // a failure instead of an answer
    // The size the answer announces; none: the body's size. -1: none announced.
    std::optional<std::int64_t> announced;
    // Another address to go to instead (a redirect).
    std::optional<std::wstring> location;

    static Answer Body(std::string body) {
      Answer answer;
      answer.body = std::move(body);
      return answer;
    }
    static Answer Status(int status) {
      Answer answer;
      answer.status = status;
      return answer;
    }
    static Answer Failure(HttpError error) {
      Answer answer;
      answer.error = error;
      return answer;
    }
  };
  struct Sent {
    int client;  // 1 for the first client made
    HttpRequest request;
  };

  std::unique_ptr<HttpClient> NewClient() override;

  std::map<std::wstring, Answer> answers;  // addresses without an answer fail to connect
  std::vector<Sent> sent;
  int clientsMade = 0;
  // Bytes delivered per piece of a body.
  std::size_t pieceSize = 100;
  // Runs before each piece is delivered, with the bytes delivered so far.
  std::function<void(std::size_t delivered)> beforePiece;
};

}  // namespace platform::fake
