// Storing and printing logos of every format, and text on the page.
#include <gtest/gtest.h>

#include "tests/printer-sim/PrinterTestSupport.h"

namespace {

const ColourRef kRedInk = MakeColour(255, 0, 0);

TEST(LogoPrinting, NvBitImagesSentInPacedPiecesArePrintedByNumber) {
  VirtualPrinter printer;
  // Image 1: 16 x 8 dots all black; image 2: 8 x 16 dots with only the top dot of column 0.
  Bytes image2 = {1, 0, 2, 0};
  image2.resize(4 + 16, 0x00);
  image2[4] = 0x80;
  const Bytes stream = Bytes{0x1C, 0x71, 0x02} + SolidNvBitImage(2, 1) + image2;
  // The header, then the records in 7-byte pieces 800 ms apart.
  uint32_t now = 0;
  printer.Receive(Bytes(stream.begin(), stream.begin() + 3), now);
  now += 6000;
  for (size_t at = 3; at < stream.size(); at += 7, now += 800) {
    const size_t end = std::min(stream.size(), at + 7);
    printer.Receive(Bytes(stream.begin() + at, stream.begin() + end), now);
  }
  ASSERT_EQ(printer.State().nvBitImages.size(), 2u);

  printer.Receive(Bytes{0x1C, 0x70, 0x01, 0x00, 0x1C, 0x70, 0x02, 0x03, 0x1D, 0x56, 0x00}, now);
  ASSERT_EQ(printer.Pages().size(), 1u);
  const Bitmap& page = printer.Pages()[0];
  EXPECT_EQ(page.width, 576);
  // Image 1 fills rows 0..7 and columns 0..15; image 2 at quadruple size puts one 2 x 2 dot below.
  EXPECT_EQ(CountPixels(page, kBlack), 16 * 8 + 4);
  const Box box = BoundingBox(page, kBlack);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 0);
  EXPECT_EQ(box.right, 15);
  EXPECT_EQ(box.bottom, 9);
  EXPECT_EQ(page.At(0, 8), kBlack);
  EXPECT_EQ(page.At(1, 9), kBlack);
  EXPECT_EQ(page.At(2, 8), kWhite);
}

TEST(LogoPrinting, ImpactImageSetPrintsItsBlackAndRedPasses) {
  VirtualPrinter printer;
  // One band of 3 columns: black pass column 0 top dot, red pass column 2 top dot.
  const Bytes band = {0x1B, 0x72, 0x00, 0x1B, 0x2A, 0x01, 0x03, 0x00, 0x80, 0x00, 0x00, 0x0D,
                      0x1B, 0x72, 0x01, 0x1B, 0x2A, 0x01, 0x03, 0x00, 0x00, 0x00, 0x80, 0x1B, 0x4A, 0x10};
  const Bytes set = Bytes{0x1B, 0x67, 0x00, 0x01, 0x00, static_cast<uint8_t>(band.size())} + band;
  printer.Receive(set + Bytes{0x1B, 0x67, 0x01, 0x1B, 0x67, 0x02}, 0);
  ASSERT_EQ(printer.State().impactImages.size(), 1u);
  printer.Disconnect(10);  // no cut: the page ends with the connection
  ASSERT_EQ(printer.Pages().size(), 1u);
  const Bitmap& page = printer.Pages()[0];
  EXPECT_EQ(page.At(0, 0), kBlack);
  EXPECT_EQ(page.At(2, 1), kRedInk);
  EXPECT_EQ(CountPixels(page, kBlack), 2);  // 8-dot bands print each dot two rows high
  EXPECT_EQ(CountPixels(page, kRedInk), 2);
  EXPECT_FALSE(printer.Log().empty());  // ESC g 2 names an image that is not stored
}

TEST(LogoPrinting, KeyCodeGraphicsAreStoredCountedDeletedAndPrintedInTwoColours) {
  VirtualPrinter printer;
  printer.Receive(NvGraphicsDefinition('A', '1', 16, 2, 0xFF, 0x00) + NvGraphicsDefinition('B', '2', 8, 4, 0x00, 0xF0), 0);
  EXPECT_EQ(printer.KeyCodes(), (std::vector<std::string>{"A1", "B2"}));
  EXPECT_EQ(printer.RemainingCapacity(), 262144u - 8u - 8u);

  printer.Receive(Bytes{0x1D, 0x28, 0x4C, 0x06, 0x00, 0x30, 0x45, 'B', '2', 0x01, 0x01, 0x0C}, 0);
  ASSERT_EQ(printer.Pages().size(), 1u);
  EXPECT_EQ(CountPixels(printer.Pages()[0], kRedInk), 4 * 4);
  EXPECT_EQ(CountPixels(printer.Pages()[0], kBlack), 0);

  printer.Receive(Bytes{0x1D, 0x28, 0x4C, 0x04, 0x00, 0x30, 0x42, 'A', '1'}, 0);
  EXPECT_EQ(printer.KeyCodes(), std::vector<std::string>{"B2"});
  printer.Receive(Bytes{0x1D, 0x28, 0x4C, 0x05, 0x00, 0x30, 0x41, 0x43, 0x4C, 0x52}, 0);
  EXPECT_TRUE(printer.KeyCodes().empty());
  EXPECT_EQ(printer.RemainingCapacity(), 262144u);
}

TEST(LogoPrinting, KeyCodeGraphicTooBigForTheFreeMemoryIsRefused) {
  VirtualPrinter printer;
  printer.Receive(NvGraphicsDefinition('0', '0', 2048, 600, 0xFF, 0x00), 0);  // 2 x 153600 bytes
  EXPECT_TRUE(printer.KeyCodes().empty());
  EXPECT_FALSE(printer.Log().empty());
}

// 08 5E 37 L 43 N, then one block per logo: 02 xL xH yL yH 31 plane 32 plane.
Bytes FlashDownload(const std::vector<Bytes>& blocks) {
  Bytes body = {0x43, static_cast<uint8_t>(blocks.size())};
  for (const Bytes& b : blocks) body = body + b;
  const uint32_t l = static_cast<uint32_t>(body.size());
  return Bytes{0x08, 0x5E, 0x37, static_cast<uint8_t>(l), static_cast<uint8_t>(l >> 8), 0, 0} + body;
}

TEST(LogoPrinting, FlashLogosReplaceTheSetAndPrintInRed) {
  VirtualPrinter printer;
  const Bytes blackLogo = {0x02, 8, 0, 1, 0, 0x31, 0xFF, 0x32, 0x00};
  const Bytes redLogo = {0x02, 8, 0, 2, 0, 0x31, 0x00, 0x00, 0x32, 0x81, 0x81};
  printer.Receive(FlashDownload({blackLogo, redLogo}), 0);
  ASSERT_EQ(printer.State().flashLogos.size(), 2u);

  printer.Receive(Bytes{0x08, 0x5E, 0x4C, 0x04, 0x00, 0x45, 0x01, 0x01, 0x01, 0x0C}, 0);
  ASSERT_EQ(printer.Pages().size(), 1u);
  EXPECT_EQ(CountPixels(printer.Pages()[0], kRedInk), 4);

  // A set whose length disagrees with its blocks leaves the stored set as it was.
  Bytes broken = FlashDownload({blackLogo});
  broken[3] += 1;
  printer.Receive(broken + Bytes{0x00}, 0);
  EXPECT_EQ(printer.State().flashLogos.size(), 2u);

  printer.Receive(Bytes{0x08, 0x5E, 0x4C, 0x05, 0x00, 0x41}, 0);  // delete all, no parameters
  EXPECT_TRUE(printer.State().flashLogos.empty());
  EXPECT_EQ(Ask(printer, Bytes{0x1D, 0x49, 0x03}), Bytes{0x63});  // nothing swallowed after it
}

TEST(LogoPrinting, TextIsPrintedLegiblyWithItsFormatting) {
  VirtualPrinter printer;
  printer.Receive(Text("I") + Bytes{0x0A} + Bytes{0x1B, 0x61, 0x01} + Text("I") + Bytes{0x0A, 0x1D, 0x56, 0x42, 0x00}, 0);
  ASSERT_EQ(printer.Pages().size(), 1u);
  const Bitmap& page = printer.Pages()[0];
  const Box box = BoundingBox(page, kBlack);
  EXPECT_LT(box.left, 12);   // first line at the left edge
  EXPECT_GT(box.right, 280);  // second line centred
  EXPECT_GE(page.height, 60);
  EXPECT_EQ(printer.Cuts(), 1);

  printer.Receive(Bytes{0x1B, 0x70, 0x00, 0x19, 0xFF, 0x1B, 0x21, 0x30} + Text("W") + Bytes{0x0C}, 0);
  EXPECT_EQ(printer.DrawerPulses(), 1);
  ASSERT_EQ(printer.Pages().size(), 2u);
  const Box big = BoundingBox(printer.Pages()[1], kBlack);
  EXPECT_GT(big.right - big.left, 12);  // double width
  EXPECT_GT(big.bottom - big.top, 24);  // double height
}

TEST(LogoPrinting, PrintoutsComeOutOnPagesOfTheirOwn) {
  VirtualPrinter printer;
  const Bytes printouts[] = {{0x08, 0x39, 0x01, 0x00}, {0x08, 0x39, 0x02, 0x00}, {0x1D, 0x28, 0x41, 0x02, 0x00, 0x01, 0x02}};
  size_t pages = 0;
  for (const Bytes& command : printouts) {
    printer.Receive(command, 0);
    ASSERT_EQ(printer.Pages().size(), ++pages);
    EXPECT_GT(CountPixels(printer.Pages().back(), kBlack), 1000);
  }
}

}  // namespace
