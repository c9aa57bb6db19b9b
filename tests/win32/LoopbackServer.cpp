#include "LoopbackServer.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <gtest/gtest.h>

namespace kromelik::wine {
namespace {

// Winsock for as long as any server lives.
struct Winsock {
  Winsock() {
    WSADATA data{};
    ready = WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }
  ~Winsock() {
    if (ready) WSACleanup();
  }
  bool ready = false;
};

}  // namespace

LoopbackServer::LoopbackServer() : listener_(INVALID_SOCKET) {
  static const Winsock winsock;
  EXPECT_TRUE(winsock.ready);
  const SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  listener_ = listener;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int size = sizeof address;
  const bool listening =
      listener != INVALID_SOCKET &&
      bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
      listen(listener, SOMAXCONN) == 0 &&
      getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) == 0;
  EXPECT_TRUE(listening) << "winsock error " << WSAGetLastError();
  port_ = ntohs(address.sin_port);
}

LoopbackServer::~LoopbackServer() {
  if (listener_ != INVALID_SOCKET) closesocket(listener_);
}

std::string LoopbackServer::Url(std::string_view path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

bool LoopbackServer::Answer(std::string_view response, std::chrono::milliseconds wait) {
  fd_set waiting;
  FD_ZERO(&waiting);
  FD_SET(listener_, &waiting);
  timeval limit{static_cast<long>(wait.count() / 1000),
                static_cast<long>(wait.count() % 1000 * 1000)};
  if (select(0, &waiting, nullptr, nullptr, &limit) != 1) return false;
  const SOCKET client = accept(listener_, nullptr, nullptr);
  if (client == INVALID_SOCKET) return false;
  std::string request;
  char chunk[4096];
  while (request.find("\r\n\r\n") == std::string::npos) {
    const int got = recv(client, chunk, sizeof chunk, 0);
    if (got <= 0) break;
    request.append(chunk, static_cast<std::size_t>(got));
  }
  const int sent = send(client, response.data(), static_cast<int>(response.size()), 0);
  shutdown(client, SD_SEND);
  closesocket(client);
  return sent == static_cast<int>(response.size());
}

}  // namespace kromelik::wine
