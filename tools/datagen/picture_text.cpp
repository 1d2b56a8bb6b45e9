#include "picture_text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <vector>

const FontFace kFontSansBold{"DejaVuSans-Bold.ttf"};
const FontFace kFontSans{"DejaVuSans.ttf"};
const FontFace kFontCondensedBold{"DejaVuSans-Bold.ttf", 0.88f};
const FontFace kFontSerifBoldItalic{"DejaVuSerif-Bold.ttf", 1.0f, 0.21f};
const FontFace kFontSerifItalic{"DejaVuSerif.ttf", 1.0f, 0.21f};

namespace {

const char* const kFontDir = "/usr/share/fonts/truetype/dejavu/";

FT_Library Library() {
  static FT_Library library = [] {
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib)) throw std::runtime_error("FreeType could not be started");
    return lib;
  }();
  return library;
}

FT_Face Face(const char* file) {
  static std::map<std::string, FT_Face> faces;
  auto found = faces.find(file);
  if (found != faces.end()) return found->second;
  FT_Face face = nullptr;
  std::string path = std::string(kFontDir) + file;
  if (FT_New_Face(Library(), path.c_str(), 0, &face))
    throw std::runtime_error("font " + path + " could not be loaded");
  faces[file] = face;
  return face;
}

std::vector<uint32_t> DecodeUtf8(const std::string& s) {
  std::vector<uint32_t> out;
  for (size_t i = 0; i < s.size();) {
    unsigned char c = s[i];
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    uint32_t cp = extra == 0 ? c : c & (0x3F >> extra);
    for (int k = 1; k <= extra && i + k < s.size(); ++k) cp = (cp << 6) | (s[i + k] & 0x3F);
    out.push_back(cp);
    i += extra + 1;
  }
  return out;
}

struct Glyph {
  std::vector<uint8_t> bits;
  int width, rows, pitch, left, top;
  float penX;
};

}  // namespace

TextImage RenderText(const std::string& utf8, const TextFont& font, int pad) {
  FT_Face face = Face(font.face.file);
  FT_Set_Char_Size(face, 0, (FT_F26Dot6)std::lround(font.pixels * 64), 72, 72);
  const float stretch = font.stretch * font.face.narrow;
  FT_Matrix matrix{(FT_Fixed)std::lround(stretch * 65536),
                   (FT_Fixed)std::lround(font.face.slant * 65536), 0, 0x10000};
  FT_Set_Transform(face, &matrix, nullptr);

  std::vector<Glyph> glyphs;
  float pen = 0;
  FT_UInt previous = 0;
  for (uint32_t cp : DecodeUtf8(utf8)) {
    FT_UInt index = FT_Get_Char_Index(face, cp);
    if (previous && index && FT_HAS_KERNING(face)) {
      FT_Vector kern;
      FT_Get_Kerning(face, previous, index, FT_KERNING_UNFITTED, &kern);
      pen += kern.x / 64.0f * stretch;
    }
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_NO_HINTING)) continue;
    FT_GlyphSlot slot = face->glyph;
    Glyph g;
    g.width = slot->bitmap.width;
    g.rows = slot->bitmap.rows;
    g.pitch = slot->bitmap.pitch;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.penX = pen;
    g.bits.assign(slot->bitmap.buffer, slot->bitmap.buffer + (size_t)g.rows * std::abs(g.pitch));
    glyphs.push_back(std::move(g));
    pen += slot->advance.x / 64.0f + font.tracking;
    previous = index;
  }

  int minX = 1 << 30, maxX = -(1 << 30), minY = 1 << 30, maxY = -(1 << 30);
  for (const Glyph& g : glyphs) {
    if (g.width == 0 || g.rows == 0) continue;
    int x0 = (int)std::floor(g.penX) + g.left;
    minX = std::min(minX, x0);
    maxX = std::max(maxX, x0 + g.width);
    minY = std::min(minY, -g.top);
    maxY = std::max(maxY, -g.top + g.rows);
  }
  TextImage image;
  if (minX > maxX) {  // nothing visible
    image.mask = Mask(2 * pad + 1, 2 * pad + 1);
    image.baseline = pad;
    image.inkLeft = image.inkRight = image.inkTop = image.inkBottom = pad;
    return image;
  }
  image.mask = Mask(maxX - minX + 2 * pad + 1, maxY - minY + 2 * pad);
  image.baseline = pad - minY;
  image.inkLeft = pad;
  image.inkRight = pad + (maxX - minX);
  image.inkTop = pad;
  image.inkBottom = pad + (maxY - minY);
  for (const Glyph& g : glyphs) {
    // Sub-pixel pen positions are rounded; the glyphs are unhinted so this stays even.
    int ox = (int)std::floor(g.penX) + g.left - minX + pad;
    int oy = image.baseline - g.top;
    for (int r = 0; r < g.rows; ++r)
      for (int c = 0; c < g.width; ++c) {
        float v = g.bits[(size_t)r * g.pitch + c] / 255.0f;
        float& m = image.mask.At(ox + c, oy + r);
        m = std::min(1.0f, m + v);
      }
  }
  return image;
}
