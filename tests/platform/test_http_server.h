#pragma once
// A tiny HTTP server on 127.0.0.1 in a thread of its own, for the upload tests: it takes
// one connection, keeps the request it got, and then answers, stays silent, or hangs up.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>

class TestHttpServer {
 public:
  enum Mode {
    Answer,      // send the response, then close
    Silent,      // read the request, never answer, wait for the client to go
    HangUp,      // read the request, close without a word
  };

  explicit TestHttpServer(std::string response, Mode mode = Answer)
      : response_(std::move(response)), mode_(mode) {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    int yes = 1;
    setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    listen(listener_, 4);
    socklen_t len = sizeof addr;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
    port_ = ntohs(addr.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~TestHttpServer() {
    stop_ = true;
    thread_.join();
    close(listener_);
  }

  int Port() const { return port_; }
  std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }
  bool RequestArrived() const { return arrived_; }
  int Connections() const { return connections_; }
  // The request head as received (up to and including the empty line).
  std::string Request() {
    std::lock_guard<std::mutex> lock(mutex_);
    return request_;
  }
  // The first line of the request, without its CR LF.
  std::string RequestLine() {
    std::string r = Request();
    return r.substr(0, r.find("\r\n"));
  }
  // Waits (bounded) until the client has closed its end after the request.
  bool WaitForClientClose() {
    for (int i = 0; i < 2000 && !clientClosed_; i++)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return clientClosed_;
  }

 private:
  // Waits for `fd` to become readable while the test runs; false once told to stop.
  bool WaitReadable(int fd) {
    while (!stop_) {
      pollfd p{fd, POLLIN, 0};
      if (poll(&p, 1, 20) > 0) return true;
    }
    return false;
  }

  void Serve() {
    if (!WaitReadable(listener_)) return;
    int client = accept(listener_, nullptr, nullptr);
    if (client < 0) return;
    connections_++;
    std::string head;
    char buffer[4096];
    bool open = true;
    while (head.find("\r\n\r\n") == std::string::npos) {
      if (!WaitReadable(client)) break;
      ssize_t n = recv(client, buffer, sizeof buffer, 0);
      if (n <= 0) {
        open = false;
        break;
      }
      head.append(buffer, n);
    }
    {
      std::lock_guard<std::mutex> lock(mutex_);
      request_ = head;
    }
    arrived_ = true;
    if (open && mode_ == Answer) {
      size_t sent = 0;
      while (sent < response_.size()) {
        ssize_t n = send(client, response_.data() + sent, response_.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) break;
        sent += n;
      }
    }
    if (open && mode_ == Silent) {
      while (WaitReadable(client)) {
        if (recv(client, buffer, sizeof buffer, 0) <= 0) {
          clientClosed_ = true;
          break;
        }
      }
    }
    if (!open) clientClosed_ = true;
    close(client);
  }

  std::string response_;
  Mode mode_;
  int listener_ = -1;
  int port_ = 0;
  std::thread thread_;
  std::mutex mutex_;
  std::string request_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> arrived_{false};
  std::atomic<bool> clientClosed_{false};
  std::atomic<int> connections_{0};
};

// A loopback port with nothing listening: bound, so no one else takes it, but never
// listening, so a connection is refused.
class RefusingPort {
 public:
  RefusingPort() {
    fd_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    socklen_t len = sizeof addr;
    getsockname(fd_, reinterpret_cast<sockaddr*>(&addr), &len);
    port_ = ntohs(addr.sin_port);
  }
  ~RefusingPort() { close(fd_); }
  std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }

 private:
  int fd_ = -1;
  int port_ = 0;
};

inline std::string HttpResponse(int status, const std::string& body) {
  return "HTTP/1.0 " + std::to_string(status) + " Status\r\nContent-Type: text/plain\r\n" +
         "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}
