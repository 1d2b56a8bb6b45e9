#include "platform/texture_cache.h"

#include <GL/gl.h>

#include <vector>

#include "platform/state_hash.h"

namespace {

std::map<const TBitmap*, uint64_t>& ChangeSerials() {
  static std::map<const TBitmap*, uint64_t> serials;
  return serials;
}

// Uploads RGBA pixels, rows top first, into `name` (made when 0).
void Upload(unsigned& name, int width, int height, const std::vector<uint8_t>& rgba) {
  if (!name) glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
               rgba.data());
}

}  // namespace

uint64_t PictureFingerprint(const TBitmap& picture) {
  THasher h;
  h.Add((uint64_t)picture.Width);
  h.Add((uint64_t)picture.Height);
  h.Add((uint64_t)picture.Transparent);
  size_t bytes = picture.Pixels.size();
  size_t step = bytes / 1021 + 1;
  for (size_t i = 0; i < bytes; i += step) h.Add((uint64_t)picture.Pixels[i]);
  auto it = ChangeSerials().find(&picture);
  if (it != ChangeSerials().end()) h.Add(it->second);
  return h.Value;
}

void MarkPictureChanged(const TBitmap* picture) { ChangeSerials()[picture]++; }

TTextureCache::TEntry& TTextureCache::Slot(const void* key, int kind) {
  TEntry& e = entries_[{key, kind}];
  e.LastUse = frame_;
  return e;
}

unsigned TTextureCache::ForPicture(const TBitmap& picture, bool transparent) {
  TEntry& e = Slot(&picture, transparent ? 1 : 0);
  uint64_t fingerprint = PictureFingerprint(picture);
  if (e.Name && e.Fingerprint == fingerprint) return e.Name;
  int w = picture.Width, h = picture.Height;
  std::vector<uint8_t> rgba((size_t)w * h * 4);
  uint32_t key = picture.TransparentColor();
  uint8_t kr = key >> 16, kg = (key >> 8) & 0xFF, kb = key & 0xFF;
  const uint8_t* src = picture.Pixels.data();
  for (size_t i = 0; i < (size_t)w * h; i++, src += 3) {
    rgba[i * 4 + 0] = src[0];
    rgba[i * 4 + 1] = src[1];
    rgba[i * 4 + 2] = src[2];
    bool hole = transparent && src[0] == kr && src[1] == kg && src[2] == kb;
    rgba[i * 4 + 3] = hole ? 0 : 255;
  }
  Upload(e.Name, w, h, rgba);
  e.Width = w;
  e.Height = h;
  e.Fingerprint = fingerprint;
  return e.Name;
}

unsigned TTextureCache::ForCanvas(const TCanvas& canvas) {
  TEntry& e = Slot(&canvas, 2);
  if (e.Name && e.Fingerprint == canvas.Version) return e.Name;
  const TBitmap& image = canvas.Image;
  int w = image.Width, h = image.Height;
  std::vector<uint8_t> rgba((size_t)w * h * 4);
  bool masked = canvas.Painted.size() == (size_t)w * h;
  const uint8_t* src = image.Pixels.data();
  for (size_t i = 0; i < (size_t)w * h; i++, src += 3) {
    rgba[i * 4 + 0] = src[0];
    rgba[i * 4 + 1] = src[1];
    rgba[i * 4 + 2] = src[2];
    rgba[i * 4 + 3] = masked && canvas.Painted[i] ? 255 : 0;
  }
  Upload(e.Name, w, h, rgba);
  e.Width = w;
  e.Height = h;
  e.Fingerprint = canvas.Version;
  return e.Name;
}

void TTextureCache::EndFrame() {
  frame_++;
  for (auto it = entries_.begin(); it != entries_.end();) {
    if (frame_ - it->second.LastUse > 600) {
      if (it->second.Name) glDeleteTextures(1, &it->second.Name);
      it = entries_.erase(it);
    } else {
      ++it;
    }
  }
}

void TTextureCache::Clear() {
  for (auto& [key, e] : entries_)
    if (e.Name) glDeleteTextures(1, &e.Name);
  entries_.clear();
}
