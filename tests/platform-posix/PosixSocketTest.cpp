// The host implementation's sockets over the loopback interface.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/os/Socket.h"

namespace {

// A listening loopback socket on a port the system picks.
class Listener {
 public:
  Listener() {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ok_ = ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
          ::listen(fd_, 1) == 0 &&
          ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) == 0;
    port_ = ntohs(address.sin_port);
  }
  ~Listener() { Close(); }
  void Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }
  bool Ok() const { return ok_; }
  int Port() const { return port_; }
  int Accept() const { return ::accept(fd_, nullptr, nullptr); }

 private:
  int fd_ = -1;
  int port_ = 0;
  bool ok_ = false;
};

TEST(PosixSocketTest, SendsAndReceivesOverTheLoopback) {
  int socketError = 0;
  int systemError = 0;
  ASSERT_TRUE(os::SocketStartup(socketError, systemError));
  Listener printer;
  ASSERT_TRUE(printer.Ok());
  os::SocketHandle s = os::CreateStreamSocket();
  ASSERT_NE(s, os::kInvalidSocket);
  ASSERT_TRUE(os::ConnectSocket(s, "127.0.0.1", printer.Port()));
  int peer = printer.Accept();
  ASSERT_GE(peer, 0);

  uint8_t buffer[16] = {};
  EXPECT_EQ(os::ReceiveSocket(s, buffer, sizeof buffer, 0), 0);  // nothing sent yet

  const uint8_t command[] = {0x1d, 0x49, 0x01};
  EXPECT_EQ(os::SendSocket(s, command, 3), 3);
  uint8_t received[3] = {};
  EXPECT_EQ(::recv(peer, received, 3, MSG_WAITALL), 3);
  EXPECT_EQ(std::string(received, received + 3), std::string(command, command + 3));

  ASSERT_EQ(::send(peer, "ID12", 4, 0), 4);
  EXPECT_EQ(os::ReceiveSocket(s, buffer, 2, 1000), 2);
  EXPECT_EQ(os::ReceiveSocket(s, buffer + 2, 2, 1000), 2);
  EXPECT_EQ(std::string(buffer, buffer + 4), "ID12");

  ::close(peer);
  EXPECT_EQ(os::ReceiveSocket(s, buffer, sizeof buffer, 1000), 0);  // the peer closed
  os::CloseSocket(s);
}

TEST(PosixSocketTest, ConnectFailsWhenNobodyListensOrTheAddressIsBad) {
  Listener closed;
  ASSERT_TRUE(closed.Ok());
  int port = closed.Port();
  closed.Close();
  const struct {
    const char* address;
    int port;
  } cases[] = {{"127.0.0.1", port}, {"127.0.0.300", 9100}, {"printer", 9100}, {"127.0.0.1", 70000}};
  for (const auto& c : cases) {
    os::SocketHandle s = os::CreateStreamSocket();
    EXPECT_FALSE(os::ConnectSocket(s, c.address, c.port)) << c.address << ":" << c.port;
    os::CloseSocket(s);
  }
}

}  // namespace
