// The simulated network: connections to in-process peers, sends, bounded receives on the virtual clock.
#include <memory>
#include <string>
#include <vector>

#include "platform/os/Clock.h"
#include "platform/os/Socket.h"
#include "platform/sim/SimClock.h"
#include "platform/sim/SimNetwork.h"
#include "tests/platform/SimFixture.h"

namespace {

constexpr const char* kPrinter = "192.168.192.168";
constexpr int kPort = 9100;

// What one peer saw, kept by the test after the peer is gone.
struct PeerLog {
  std::vector<std::pair<uint32_t, std::string>> received;  // time, bytes
  int disconnects = 0;
};

// A peer that takes up to `accept` bytes in all and answers with replies set up in advance.
class ScriptedPeer : public sim::StreamPeer {
 public:
  ScriptedPeer(std::shared_ptr<PeerLog> log, size_t accept, std::vector<sim::PeerReply> replies)
      : log_(std::move(log)), accept_(accept), replies_(std::move(replies)) {}

  size_t Receive(const uint8_t* data, size_t count, uint32_t nowMs) override {
    size_t taken = std::min(count, accept_);
    accept_ -= taken;
    log_->received.emplace_back(nowMs, std::string(data, data + taken));
    return taken;
  }
  bool TakeReply(uint32_t untilMs, sim::PeerReply& out) override {
    if (replies_.empty() || replies_.front().readyAtMs > untilMs) return false;
    out = replies_.front();
    replies_.erase(replies_.begin());
    return true;
  }
  void Disconnect(uint32_t) override { ++log_->disconnects; }

 private:
  std::shared_ptr<PeerLog> log_;
  size_t accept_;
  std::vector<sim::PeerReply> replies_;
};

class SimNetworkTest : public SimFixture {
 protected:
  void ListenWith(size_t accept, std::vector<sim::PeerReply> replies = {}) {
    sim::Listen(kPrinter, kPort, [=](uint32_t) {
      return std::make_unique<ScriptedPeer>(log_, accept, replies);
    });
  }
  os::SocketHandle Connected() {
    os::SocketHandle s = os::CreateStreamSocket();
    EXPECT_TRUE(os::ConnectSocket(s, kPrinter, kPort));
    return s;
  }
  int Send(os::SocketHandle s, const std::string& bytes) {
    return os::SendSocket(s, reinterpret_cast<const uint8_t*>(bytes.data()),
                          static_cast<int>(bytes.size()));
  }
  std::string Receive(os::SocketHandle s, int count, uint32_t timeoutMs) {
    std::vector<uint8_t> buffer(count);
    int got = os::ReceiveSocket(s, buffer.data(), count, timeoutMs);
    return got > 0 ? std::string(buffer.begin(), buffer.begin() + got) : std::string();
  }
  std::shared_ptr<PeerLog> log_ = std::make_shared<PeerLog>();
};

TEST_F(SimNetworkTest, StartupFailsOnlyWhenTheTestSaysSo) {
  int socketError = 0;
  int systemError = 0;
  EXPECT_TRUE(os::SocketStartup(socketError, systemError));
  sim::FailSocketStartup(10091, 5);
  EXPECT_FALSE(os::SocketStartup(socketError, systemError));
  EXPECT_EQ(socketError, 10091);
  EXPECT_EQ(systemError, 5);
  sim::FailSocketCreation(true);
  EXPECT_EQ(os::CreateStreamSocket(), os::kInvalidSocket);
  EXPECT_EQ(sim::OpenSocketCount(), 0);
}

TEST_F(SimNetworkTest, RefusedConnectionsLeaveNoSocketOpen) {
  os::SocketHandle s = os::CreateStreamSocket();
  EXPECT_FALSE(os::ConnectSocket(s, kPrinter, kPort));  // nobody listens
  os::CloseSocket(s);
  sim::Listen(kPrinter, kPort, [](uint32_t) { return std::unique_ptr<sim::StreamPeer>(); });
  s = os::CreateStreamSocket();
  EXPECT_FALSE(os::ConnectSocket(s, kPrinter, kPort));  // the factory refuses
  EXPECT_FALSE(os::ConnectSocket(s, kPrinter, kPort + 1));
  EXPECT_EQ(Send(s, "x"), -1);
  os::CloseSocket(s);
  EXPECT_EQ(sim::OpenSocketCount(), 0);
}

TEST_F(SimNetworkTest, SendsReachThePeerAtTheCurrentTime) {
  ListenWith(100);
  os::SocketHandle s = Connected();
  EXPECT_EQ(Send(s, "\x1c\x71\x03"), 3);
  os::Sleep(6000);
  EXPECT_EQ(Send(s, "abcd"), 4);
  os::CloseSocket(s);
  EXPECT_EQ(log_->received, (std::vector<std::pair<uint32_t, std::string>>{
                                {0u, "\x1c\x71\x03"}, {6000u, "abcd"}}));
  EXPECT_EQ(log_->disconnects, 1);
  EXPECT_EQ(sim::OpenSocketCount(), 0);
}

TEST_F(SimNetworkTest, PartialAcceptanceKillsTheConnection) {
  ListenWith(3);
  os::SocketHandle s = Connected();
  EXPECT_EQ(Send(s, "12345"), 3);
  EXPECT_EQ(Send(s, "6"), -1);
  EXPECT_EQ(Receive(s, 10, 1000), "");
  EXPECT_EQ(sim::NowMs(), 0u);  // a dropped line reads as closed at once
  os::CloseSocket(s);

  ListenWith(0);
  s = Connected();
  EXPECT_EQ(Send(s, "1"), -1);
  os::CloseSocket(s);
}

TEST_F(SimNetworkTest, SilentPeerReceiveReturnsZeroAfterExactlyTheTimeOut) {
  ListenWith(100);
  os::SocketHandle s = Connected();
  os::Sleep(20);
  uint8_t byte = 0;
  EXPECT_EQ(os::ReceiveSocket(s, &byte, 1, 1000), 0);
  EXPECT_EQ(sim::NowMs(), 1020u);
  os::CloseSocket(s);
}

TEST_F(SimNetworkTest, RepliesArriveAtTheirReadyTimeInPieces) {
  ListenWith(100, {{400, {'I', 'D', '0', '1', '2'}}, {2500, {'Z'}}});
  os::SocketHandle s = Connected();
  EXPECT_EQ(Receive(s, 2, 1000), "ID");  // the reply is ready within the time-out
  EXPECT_EQ(sim::NowMs(), 400u);
  EXPECT_EQ(Receive(s, 10, 1000), "012");  // the rest, at once
  EXPECT_EQ(sim::NowMs(), 400u);
  EXPECT_EQ(Receive(s, 10, 1000), "");  // the next reply is too late for this receive
  EXPECT_EQ(sim::NowMs(), 1400u);
  EXPECT_EQ(Receive(s, 10, 1000), "");
  EXPECT_EQ(sim::NowMs(), 2400u);
  EXPECT_EQ(Receive(s, 10, 1000), "Z");
  EXPECT_EQ(sim::NowMs(), 2500u);
  os::CloseSocket(s);
}

}  // namespace
