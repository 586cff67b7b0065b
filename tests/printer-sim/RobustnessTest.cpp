// Bad input never crashes the printer: it skips what it cannot parse, logs it, and answers again.
#include <gtest/gtest.h>

#include <random>

#include "tests/printer-sim/PrinterTestSupport.h"

namespace {

const Bytes kVersionQuery = {0x1D, 0x49, 0x03};

struct BadInput {
  const char* name;
  Bytes bytes;
  bool answersOnSameConnection;  // false: the printer is still waiting for the rest of a command
};

TEST(PrinterRobustness, BadInputIsSkippedAndThePrinterAnswersAgain) {
  const BadInput cases[] = {
      {"unknown ESC", {0x1B, 0xEE}, true},
      {"unknown GS", {0x1D, 0xEE}, true},
      {"stray control bytes", {0x01, 0x02, 0x03, 0x7F}, true},
      {"FS q image size zero", {0x1C, 0x71, 0x01, 0x00, 0x00, 0x01, 0x00}, true},
      {"GS 8 L longer than the NV memory", {0x1D, 0x38, 0x4C, 0xFF, 0xFF, 0xFF, 0xFF, 0x30, 0x43}, true},
      {"flash download longer than the NV memory", {0x08, 0x5E, 0x37, 0xFF, 0xFF, 0xFF, 0x7F}, true},
      {"GS ( L define with planes that do not fit", {0x1D, 0x28, 0x4C, 0x0B, 0x00, 0x30, 0x43, 0x30, 'A', 'A', 0x01, 0x08, 0x00, 0x08, 0x00, 0x31}, true},
      {"switch write with bad pins", Bytes{0x1D, 0x28, 0x45, 0x0A, 0x00, 0x03, 0x01} + Text("0x0x0x0x"), true},
      {"FS l with a wrong header", {0x1C, 0x6C, 0x00, 0x00}, true},
      {"truncated FS q", {0x1C, 0x71, 0x02, 0x10, 0x00, 0x10, 0x00, 0xFF}, false},
      {"truncated GS ( E", {0x1D, 0x28, 0x45, 0x0A}, false},
  };
  for (const BadInput& c : cases) {
    VirtualPrinter printer;
    printer.Connect(0);
    printer.Receive(c.bytes, 0);
    const Bytes reply = Ask(printer, kVersionQuery, 1);
    if (c.answersOnSameConnection) {
      EXPECT_EQ(reply, Bytes{0x63}) << c.name;
    }
    printer.Disconnect(2);
    EXPECT_FALSE(printer.Log().empty()) << c.name;
    printer.Connect(3);
    EXPECT_EQ(Ask(printer, kVersionQuery, 4), Bytes{0x63}) << c.name;
  }
}

TEST(PrinterRobustness, RandomStreamsInRandomChunksNeverBreakIt) {
  std::mt19937 random(8);
  for (int round = 0; round < 200; ++round) {
    VirtualPrinter printer;
    Bytes noise(1 + random() % 600);
    for (uint8_t& b : noise) b = static_cast<uint8_t>(random());
    // Bias towards command prefixes so that the framing of each family is exercised.
    for (size_t i = 0; i < noise.size(); i += 1 + random() % 8) noise[i] = Bytes{0x1B, 0x1C, 0x1D, 0x08, 0x10}[random() % 5];
    for (size_t at = 0; at < noise.size();) {
      const size_t piece = std::min(noise.size() - at, static_cast<size_t>(1 + random() % 64));
      printer.Receive(noise.data() + at, piece, static_cast<uint32_t>(at));
      at += piece;
    }
    printer.Disconnect(1000);
    printer.Connect(1001);
    ASSERT_EQ(Ask(printer, kVersionQuery, 1002).back(), 0x63) << "round " << round;
  }
}

}  // namespace
