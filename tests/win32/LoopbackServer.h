#pragma once

// A TCP server on 127.0.0.1 that the test itself drives: it listens from the start, so
// a client's connection is accepted by the system at once, but nothing is read or
// answered until the test says so.

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace kromelik::wine {

class LoopbackServer {
 public:
  LoopbackServer();  // on a port of the system's choosing
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  // "http://127.0.0.1:<port>" followed by `path`.
  std::string Url(std::string_view path) const;
  // Takes the next connection, reads its request up to the blank line, sends `response`
  // and closes the connection. False when no client came in time.
  bool Answer(std::string_view response,
              std::chrono::milliseconds wait = std::chrono::seconds(20));

 private:
  std::uintptr_t listener_;  // a SOCKET, kept out of this header with winsock's
  std::uint16_t port_ = 0;
};

}  // namespace kromelik::wine
