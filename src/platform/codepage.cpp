#include "platform/codepage.h"

#include <cstdint>

namespace {

// Code points of the bytes 0x80..0x9F. The five bytes the code page leaves undefined
// keep their C1 control code points, so every byte survives a round trip.
const uint16_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += (char)cp;
  } else if (cp < 0x800) {
    out += (char)(0xC0 | (cp >> 6));
    out += (char)(0x80 | (cp & 0x3F));
  } else {
    out += (char)(0xE0 | (cp >> 12));
    out += (char)(0x80 | ((cp >> 6) & 0x3F));
    out += (char)(0x80 | (cp & 0x3F));
  }
}

// Reads one UTF-8 character at `i`; false for a malformed sequence.
bool NextCodePoint(const std::string& s, size_t& i, uint32_t& cp) {
  unsigned char c = (unsigned char)s[i];
  int extra;
  if (c < 0x80) { cp = c; extra = 0; }
  else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; extra = 1; }
  else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; extra = 2; }
  else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; extra = 3; }
  else return false;
  if (i + extra >= s.size()) return false;
  for (int k = 1; k <= extra; k++) {
    unsigned char d = (unsigned char)s[i + k];
    if ((d & 0xC0) != 0x80) return false;
    cp = (cp << 6) | (d & 0x3F);
  }
  static const uint32_t Smallest[4] = {0, 0x80, 0x800, 0x10000};
  if (cp < Smallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
  i += extra + 1;
  return true;
}

}  // namespace

std::string Cp1252ToUtf8(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (unsigned char c : text) {
    if (c >= 0x80 && c <= 0x9F) AppendUtf8(out, HighControls[c - 0x80]);
    else AppendUtf8(out, c);
  }
  return out;
}

bool Utf8ToCp1252(const std::string& text, std::string& out) {
  out.clear();
  size_t i = 0;
  while (i < text.size()) {
    uint32_t cp;
    if (!NextCodePoint(text, i, cp)) return false;
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      out += (char)cp;
      continue;
    }
    bool found = false;
    for (int k = 0; k < 32; k++) {
      if (HighControls[k] == cp) {
        out += (char)(0x80 + k);
        found = true;
        break;
      }
    }
    if (!found) return false;
  }
  return true;
}
