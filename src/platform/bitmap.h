#pragma once
// A picture in memory: 24-bit RGB pixels, top row first. Decoded from JPEG files and
// drawn onto form canvases; a transparent picture leaves out the colour of its
// bottom-left pixel when drawn.
#include <cstdint>
#include <string>
#include <vector>

struct TBitmap {
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Pixels;  // Width * Height * 3 bytes, R G B, rows top first
  bool Transparent = false;

  void SetSize(int width, int height);  // fills with black
  uint8_t* PixelAt(int x, int y) { return Pixels.data() + ((size_t)y * Width + x) * 3; }
  const uint8_t* PixelAt(int x, int y) const {
    return Pixels.data() + ((size_t)y * Width + x) * 3;
  }
  // 0xRRGGBB of the bottom-left pixel (the transparent colour); 0 for an empty picture.
  uint32_t TransparentColor() const;
};

// Decodes a JPEG file at full size. Throws FileError naming the file when it is missing,
// unreadable or not a JPEG picture.
TBitmap LoadJpeg(const std::string& path);
