// The pieces an item goes out in per interface, the waits between them, and a short piece.
#include <gtest/gtest.h>

#include "logoloft/transfer/ItemPacing.h"
#include "platform/sim/SimClock.h"
#include "platform/sim/SimReset.h"

namespace {

struct Piece {
  size_t offset;
  uint32_t size;
  uint32_t atMs;
  bool operator==(const Piece& o) const {
    return offset == o.offset && size == o.size && atMs == o.atMs;
  }
};

// Writes through a recorder that accepts `acceptedPieces` pieces whole and then falls short.
std::vector<Piece> Record(const Bytes& data, ItemPacing pacing, bool& written,
                          size_t acceptedPieces = SIZE_MAX) {
  std::vector<Piece> pieces;
  written = WritePaced(data, pacing, [&](const uint8_t* bytes, uint32_t count) {
    pieces.push_back({static_cast<size_t>(bytes - data.data()), count, sim::NowMs()});
    return pieces.size() > acceptedPieces ? static_cast<int>(count) - 1 : static_cast<int>(count);
  });
  return pieces;
}

TEST(ItemPacing, EachInterfaceCutsTheItemAsTheDialogDoes) {
  struct Case {
    int interfaceKind;
    size_t size;
    std::vector<Piece> pieces;
  };
  const std::vector<Case> cases = {
      {0, 2500, {{0, 1024, 0}, {1024, 1024, 800}, {2048, 452, 1600}}},
      {0, 1024, {{0, 1024, 0}}},
      {1, 9000, {{0, 4096, 0}, {4096, 4096, 200}, {8192, 808, 400}}},
      {2, 2500, {{0, 2500, 0}}},
      {2, 4097, {{0, 4096, 0}, {4096, 1, 200}}},
      {3, 9000, {{0, 9000, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.interfaceKind) + ": " + std::to_string(c.size));
    sim::ResetAll();
    bool written = false;
    EXPECT_EQ(Record(Bytes(c.size, 0x55), PacingFor(c.interfaceKind), written), c.pieces);
    EXPECT_TRUE(written);
    EXPECT_EQ(sim::NowMs(), c.pieces.back().atMs);  // no wait after the last piece
  }
}

TEST(ItemPacing, AShortPieceEndsTheItem) {
  sim::ResetAll();
  bool written = true;
  const std::vector<Piece> pieces = Record(Bytes(5000, 0x55), PacingFor(0), written, 1);
  EXPECT_FALSE(written);
  EXPECT_EQ(pieces, (std::vector<Piece>{{0, 1024, 0}, {1024, 1024, 800}}));
  EXPECT_EQ(sim::NowMs(), 800u);
}

}  // namespace
