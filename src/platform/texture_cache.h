#pragma once
// The pictures of one window's OpenGL context as textures: canvases by version, pictures
// by a fingerprint of their pixels, uploaded again only when they changed.
#include <cstdint>
#include <map>
#include <utility>

#include "platform/bitmap.h"
#include "platform/forms.h"

// Cheap sample of a picture's pixels and size; equal for unchanged pictures.
uint64_t PictureFingerprint(const TBitmap& picture);
// Tells every cache that the picture's pixels may have changed.
void MarkPictureChanged(const TBitmap* picture);

class TTextureCache {
 public:
  // GL texture names; need the owning context current.
  unsigned ForPicture(const TBitmap& picture, bool transparent);
  unsigned ForCanvas(const TCanvas& canvas);
  // Ends a frame: textures unused for a while are deleted.
  void EndFrame();
  void Clear();  // deletes every texture (context current)

 private:
  struct TEntry {
    unsigned Name = 0;
    int Width = 0, Height = 0;
    uint64_t Fingerprint = 0;
    uint64_t LastUse = 0;
  };
  std::map<std::pair<const void*, int>, TEntry> entries_;
  uint64_t frame_ = 0;
  TEntry& Slot(const void* key, int kind);
};
