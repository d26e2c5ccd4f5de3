#pragma once

#include <winsock2.h>

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace server_test {

// How the server answers one path.
struct Reply {
  std::string status = "200 OK";
  std::string body{};
  std::string extraHeaders{};  // whole lines, each ending in CR LF
  bool announceLength = true;
  // The body in pieces of this many bytes with a pause between them (0: all at once).
  std::size_t pieceSize = 0;
  int pauseMs = 0;
  // Takes the request and never answers.
  bool silent = false;
};

// A web server on 127.0.0.1, on a port of its own, for one test: each path is answered as
// scripted, one connection at a time; other paths get 404.
class LocalServer {
 public:
  explicit LocalServer(std::map<std::string, Reply> replies);
  ~LocalServer();
  LocalServer(const LocalServer&) = delete;
  LocalServer& operator=(const LocalServer&) = delete;

  [[nodiscard]] std::wstring Url(const std::string& path) const;
  // The paths asked for so far, in order.
  [[nodiscard]] std::vector<std::string> Requested();

  // A port on 127.0.0.1 where nothing listens.
  static int ClosedPort();

 private:
  void Serve();
  void Answer(SOCKET connection);

  std::map<std::string, Reply> replies_;
  SOCKET listener_ = INVALID_SOCKET;
  int port_ = 0;
  std::atomic<bool> stopping_ = false;
  std::mutex mutex_;
  std::vector<std::string> requested_;
  std::thread thread_;
};

}  // namespace server_test
