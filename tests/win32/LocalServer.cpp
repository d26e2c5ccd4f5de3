#include "LocalServer.h"

#include <ws2tcpip.h>

#include <chrono>

namespace server_test {

namespace {

// Winsock for the test program's lifetime.
void StartWinsock() {
  static const bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  (void)started;
}

SOCKET BoundListener(int& port) {
  StartWinsock();
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
  int size = sizeof address;
  getsockname(s, reinterpret_cast<sockaddr*>(&address), &size);
  port = ntohs(address.sin_port);
  return s;
}

void SendAll(SOCKET s, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const int sent = send(s, bytes.data() + done, static_cast<int>(bytes.size() - done), 0);
    if (sent <= 0) return;
    done += static_cast<std::size_t>(sent);
  }
}

}  // namespace

LocalServer::LocalServer(std::map<std::string, Reply> replies) : replies_(std::move(replies)) {
  listener_ = BoundListener(port_);
  listen(listener_, 8);
  thread_ = std::thread([this] { Serve(); });
}

LocalServer::~LocalServer() {
  stopping_ = true;
  closesocket(listener_);
  thread_.join();
}

std::wstring LocalServer::Url(const std::string& path) const {
  return L"http://127.0.0.1:" + std::to_wstring(port_) + std::wstring(path.begin(), path.end());
}

std::vector<std::string> LocalServer::Requested() {
  const std::lock_guard lock(mutex_);
  return requested_;
}

int LocalServer::ClosedPort() {
  int port = 0;
  closesocket(BoundListener(port));
  return port;
}

void LocalServer::Serve() {
  for (;;) {
    const SOCKET connection = accept(listener_, nullptr, nullptr);
    if (connection == INVALID_SOCKET) return;
    Answer(connection);
    closesocket(connection);
  }
}

void LocalServer::Answer(SOCKET connection) {
  std::string request;
  char buffer[4096];
  while (request.find("\r\n\r\n") == std::string::npos) {
    const int got = recv(connection, buffer, sizeof buffer, 0);
    if (got <= 0) return;
    request.append(buffer, static_cast<std::size_t>(got));
  }
  const std::size_t start = request.find(' ') + 1;
  const std::string path = request.substr(start, request.find(' ', start) - start);
  {
    const std::lock_guard lock(mutex_);
    requested_.push_back(path);
  }
  const auto found = replies_.find(path);
  const Reply reply = found != replies_.end() ? found->second : Reply{.status = "404 Not Found"};
  if (reply.silent) {
    while (!stopping_) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return;
  }
  std::string head = "HTTP/1.1 " + reply.status + "\r\nConnection: close\r\n" + reply.extraHeaders;
  if (reply.announceLength) head += "Content-Length: " + std::to_string(reply.body.size()) + "\r\n";
  SendAll(connection, head + "\r\n");
  const std::size_t piece = reply.pieceSize > 0 ? reply.pieceSize : reply.body.size();
  for (std::size_t at = 0; at < reply.body.size() && !stopping_; at += piece) {
    for (int waited = 0; at > 0 && waited < reply.pauseMs && !stopping_; waited += 10) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    SendAll(connection, reply.body.substr(at, piece));
  }
  shutdown(connection, SD_SEND);
}

}  // namespace server_test
