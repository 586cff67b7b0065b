// Benchmarks of the logo conversion: load + classify + prepare + encode, the classifier's pixel rate
// against a plain copy of the same buffer, and the item building of a whole logo list.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "logoloft/conversion/BitmapClassifier.h"
#include "logoloft/conversion/LogoImage.h"
#include "logoloft/conversion/PrepareLogo.h"
#include "logoloft/download/DownloadItems.h"
#include "logoloft/download/ModelTypes.h"
#include "logoloft/encoders/NvBitImage.h"
#include "platform/bitmap/BmpDecoder.h"
#include "platform/os/Files.h"
#include "tests/logoloft/TestBmp.h"

namespace {

constexpr int kLineWidth = 576;
const ClassifierSettings kSettings{100, 100, ColourChoice::Red};
const ConversionColours kColours{MakeColour(255, 0, 0), kBlack};

// A logo-like picture: a colour gradient with dark bars and a red disc on white margins.
Bitmap MakeLogo(int w, int h) {
  Bitmap bitmap(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const int dx = x - w / 2, dy = (y % 400) - 200;
      if (dx * dx + dy * dy < 120 * 120) {
        bitmap.At(x, y) = MakeColour(230, 30 + (x & 31), 20);
      } else if ((y / 40) % 3 == 0 && x > 40 && x < w - 40) {
        bitmap.At(x, y) = MakeColour(x & 63, y & 63, (x + y) & 63);
      } else if (x > 20 && x < w - 20) {
        bitmap.At(x, y) = MakeColour((x * 255) / w, (y * 7) & 255, 255 - (x * 255) / w);
      }
    }
  }
  return bitmap;
}

void BM_LoadClassifyPrepareEncode(benchmark::State& state) {
  const std::vector<uint8_t> file = MakeBmp24(MakeLogo(576, 2000));
  for (auto _ : state) {
    Bitmap loaded;
    if (!DecodeBmp(file.data(), file.size(), loaded)) state.SkipWithError("decode failed");
    const std::optional<Bitmap> prepared = PrepareBitmap(std::move(loaded), kSettings, kColours,
                                                         kLineWidth);
    EncodedBytes record = EncodeNvBitImage(*prepared);
    benchmark::DoNotOptimize(record);
  }
  state.SetItemsProcessed(state.iterations() * 576 * 2000);
}
BENCHMARK(BM_LoadClassifyPrepareEncode)->Unit(benchmark::kMillisecond);

// A flat logo as shops have them: a few solid colours in shapes, text-like bars and a gradient strip.
Bitmap MakeFlatLogo(int w, int h) {
  Bitmap bitmap(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const int dx = x - w / 4, dy = (y % 300) - 150;
      if (dx * dx + dy * dy < 100 * 100) {
        bitmap.At(x, y) = MakeColour(220, 20, 30);
      } else if ((y / 24) % 3 == 1 && x > w / 2 && (x / 18) % 4 != 3) {
        bitmap.At(x, y) = kBlack;
      } else if (y % 300 > 270) {
        bitmap.At(x, y) = MakeColour(x * 255 / w, x * 255 / w, x * 255 / w);
      }
    }
  }
  return bitmap;
}

// The classifier over a picture whose colour changes at almost every pixel (its worst case)
// and over a flat logo.
void BM_ClassifyPixels(benchmark::State& state) {
  const Bitmap logo = state.range(0) ? MakeFlatLogo(576, 2000) : MakeLogo(576, 2000);
  std::vector<ColourRef> out(logo.pixels.size());
  const BitmapClassifier classifier(kSettings, kColours);
  for (auto _ : state) {
    classifier.ClassifyPixels(logo.pixels.data(), out.data(), out.size());
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(out.size()));
}
BENCHMARK(BM_ClassifyPixels)->ArgName("flat")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The yardstick of the classifier: a plain copy of the same pixel buffer.
void BM_CopyPixels(benchmark::State& state) {
  const Bitmap logo = MakeLogo(576, 2000);
  std::vector<ColourRef> out(logo.pixels.size());
  for (auto _ : state) {
    std::copy(logo.pixels.begin(), logo.pixels.end(), out.begin());
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(out.size()));
}
BENCHMARK(BM_CopyPixels)->Unit(benchmark::kMicrosecond);

// Ten 576 x 600 logos on a one-colour model: load, prepare and encode each from its file.
void BM_BuildItemsTenLogos(benchmark::State& state) {
  std::vector<LogoImage> logos;
  const std::vector<uint8_t> file = MakeBmp24(MakeLogo(576, 600));
  for (int i = 0; i < 10; ++i) {
    const std::string path = "/tmp/p8-bench-logo-" + std::to_string(i) + ".bmp";
    std::optional<LogoImage> logo;
    if (os::WriteWholeFile(path.c_str(), file)) {
      logo = LoadLogoImage(static_cast<uint8_t>(i + 1), path, 0, 100, 100, ColourChoice::Red,
                           kLineWidth);
    }
    if (!logo) {
      state.SkipWithError("cannot store the logo files");
      return;
    }
    logos.push_back(*logo);
  }
  ItemBuildSettings settings;
  settings.modelType = kModelTypeOneColour;
  settings.lineWidth = kLineWidth;
  settings.colours = kColours;
  for (auto _ : state) {
    ItemBuildResult built = BuildDownloadItems(logos, settings);
    if (!built.ok()) state.SkipWithError("item building refused");
    benchmark::DoNotOptimize(built);
  }
}
BENCHMARK(BM_BuildItemsTenLogos)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
