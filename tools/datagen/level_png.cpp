#include "level_png.h"

#include <fstream>
#include <stdexcept>

namespace {
uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0) {
  static uint32_t table[256];
  static bool ready = false;
  if (!ready) {
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      table[n] = c;
    }
    ready = true;
  }
  crc = ~crc;
  for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back((uint8_t)(v >> s));
}

void Chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
  Put32(out, (uint32_t)data.size());
  std::vector<uint8_t> body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  out.insert(out.end(), body.begin(), body.end());
  Put32(out, Crc32(body.data(), body.size()));
}
}  // namespace

void WritePng(const std::string& path, const RgbImage& image) {
  std::vector<uint8_t> raw;  // filter byte 0 before every row
  for (int y = 0; y < image.height; ++y) {
    raw.push_back(0);
    const uint8_t* row = &image.pixels[(size_t)y * image.width * 3];
    raw.insert(raw.end(), row, row + image.width * 3);
  }
  std::vector<uint8_t> z = {0x78, 0x01};
  size_t pos = 0;
  do {
    size_t len = std::min<size_t>(65535, raw.size() - pos);
    bool last = pos + len == raw.size();
    z.push_back(last ? 1 : 0);
    z.push_back((uint8_t)len), z.push_back((uint8_t)(len >> 8));
    z.push_back((uint8_t)~len), z.push_back((uint8_t)(~len >> 8));
    z.insert(z.end(), raw.begin() + pos, raw.begin() + pos + len);
    pos += len;
  } while (pos < raw.size());
  uint32_t a = 1, b = 0;
  for (uint8_t v : raw) a = (a + v) % 65521, b = (b + a) % 65521;
  Put32(z, (b << 16) | a);

  std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> header;
  Put32(header, (uint32_t)image.width);
  Put32(header, (uint32_t)image.height);
  header.insert(header.end(), {8, 2, 0, 0, 0});
  Chunk(out, "IHDR", header);
  Chunk(out, "IDAT", z);
  Chunk(out, "IEND", {});
  std::ofstream file(path, std::ios::binary);
  file.write((const char*)out.data(), (std::streamsize)out.size());
  if (!file) throw std::runtime_error("cannot write the map picture " + path);
}
