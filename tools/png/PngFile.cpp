// PNG output through libpng; the file is written under a temporary name and renamed when complete.
#include "tools/png/PngFile.h"

#include <png.h>

#include <cstdio>
#include <vector>

namespace {

struct FileCloser {
  FILE* file;
  ~FileCloser() {
    if (file) fclose(file);
  }
};

bool WriteRows(FILE* file, const Bitmap& image, std::string* why) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info) {
    png_destroy_write_struct(&png, nullptr);
    if (why) *why = "out of memory";
    return false;
  }
  std::vector<png_byte> row(static_cast<size_t>(image.width) * 3);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    if (why) *why = "PNG encoding failed";
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, image.width, image.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      ColourRef c = image.At(x, y);
      row[3 * x] = static_cast<png_byte>(RedOf(c));
      row[3 * x + 1] = static_cast<png_byte>(GreenOf(c));
      row[3 * x + 2] = static_cast<png_byte>(BlueOf(c));
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool WritePngFile(const std::string& path, const Bitmap& image, std::string* why) {
  if (image.width <= 0 || image.height <= 0) {
    if (why) *why = "empty image";
    return false;
  }
  const std::string temp = path + ".part";
  bool ok;
  {
    FileCloser out{fopen(temp.c_str(), "wb")};
    if (!out.file) {
      if (why) *why = "cannot create " + temp;
      return false;
    }
    ok = WriteRows(out.file, image, why) && fflush(out.file) == 0;
  }
  if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
    if (why) *why = "cannot rename to " + path;
    ok = false;
  }
  if (!ok) std::remove(temp.c_str());
  return ok;
}
