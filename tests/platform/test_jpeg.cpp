// JPEG decoding of pictures written here with libjpeg.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include <jpeglib.h>
#include <unistd.h>

#include "platform/bitmap.h"
#include "shell/errors.h"

namespace {

std::string TempPath(const char* name) {
  return std::string(testing::TempDir()) + "/" + std::to_string(getpid()) + "_" + name;
}

// Left half red, right half blue; quality 100 keeps flat areas close to exact.
void WriteJpeg(const std::string& path, int w, int h) {
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  jpeg_compress_struct info;
  jpeg_error_mgr err;
  info.err = jpeg_std_error(&err);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, f);
  info.image_width = w;
  info.image_height = h;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 100, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<uint8_t> row(w * 3);
  for (int x = 0; x < w; x++) {
    bool left = x < w / 2;
    row[x * 3 + 0] = left ? 255 : 0;
    row[x * 3 + 1] = 0;
    row[x * 3 + 2] = left ? 0 : 255;
  }
  while (info.next_scanline < info.image_height) {
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&info, &r, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::fclose(f);
}

std::string ErrorOf(const std::string& path) {
  try {
    LoadJpeg(path);
  } catch (const FileError& e) {
    return e.what();
  }
  return "";
}

}  // namespace

TEST(Jpeg, DecodesAtFullSizeTopRowFirst) {
  std::string path = TempPath("halves.jpg");
  WriteJpeg(path, 64, 48);
  TBitmap picture = LoadJpeg(path);
  std::remove(path.c_str());
  ASSERT_EQ(picture.Width, 64);
  ASSERT_EQ(picture.Height, 48);
  ASSERT_EQ(picture.Pixels.size(), 64u * 48u * 3u);
  const uint8_t* left = picture.PixelAt(4, 4);
  const uint8_t* right = picture.PixelAt(60, 44);
  EXPECT_GT(left[0], 240);
  EXPECT_LT(left[2], 15);
  EXPECT_LT(right[0], 15);
  EXPECT_GT(right[2], 240);
  EXPECT_FALSE(picture.Transparent);
  // The transparent colour is the bottom-left pixel's.
  EXPECT_EQ(picture.TransparentColor() >> 16, picture.PixelAt(0, 47)[0]);
}

TEST(Jpeg, MissingDamagedAndForeignFilesAreErrorsNamingTheFile) {
  std::string missing = TempPath("missing.jpg");
  std::string cut = TempPath("cut.jpg");
  std::string text = TempPath("text.jpg");
  WriteJpeg(cut, 64, 48);
  {
    std::ifstream in(cut, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::ofstream out(cut, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), 20);  // the header alone, cut short
  }
  {
    std::ofstream out(text);
    out << "<#Vontel ][ Config File\n";
  }
  for (const std::string& path : {missing, cut, text}) {
    std::string message = ErrorOf(path);
    EXPECT_NE(message.find(path), std::string::npos) << message;
  }
  EXPECT_NE(ErrorOf(missing).find("missing"), std::string::npos);
  EXPECT_NE(ErrorOf(text).find("not a JPEG"), std::string::npos);
  std::remove(cut.c_str());
  std::remove(text.c_str());
}

TEST(Jpeg, HeaderClaimingAHugeSizeIsRefusedBeforeDecoding) {
  std::string path = TempPath("huge.jpg");
  WriteJpeg(path, 64, 48);
  std::string bytes;
  {
    std::ifstream in(path, std::ios::binary);
    bytes.assign((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  // The frame header: FF C0, length, precision, height, width.
  size_t sof = bytes.find("\xff\xc0");
  ASSERT_NE(sof, std::string::npos);
  bytes[sof + 5] = (char)0xEA;  // height 60000
  bytes[sof + 6] = (char)0x60;
  bytes[sof + 7] = (char)0xEA;  // width 60000
  bytes[sof + 8] = (char)0x60;
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), bytes.size());
  }
  std::string message = ErrorOf(path);
  std::remove(path.c_str());
  EXPECT_NE(message.find("too large"), std::string::npos) << message;
  EXPECT_NE(message.find(path), std::string::npos) << message;
}

TEST(Bitmap, EmptyPictureHasBlackTransparentColourAndSetSizeFillsBlack) {
  TBitmap empty;
  EXPECT_EQ(empty.TransparentColor(), 0u);
  TBitmap b;
  b.SetSize(3, 2);
  EXPECT_EQ(b.Pixels, std::vector<uint8_t>(18, 0));
  b.PixelAt(0, 1)[0] = 0x12;
  b.PixelAt(0, 1)[2] = 0x34;
  EXPECT_EQ(b.TransparentColor(), 0x120034u);
}
