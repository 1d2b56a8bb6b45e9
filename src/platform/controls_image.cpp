#include "platform/control_look.h"
#include "platform/forms.h"
#include "platform/state_hash.h"
#include "platform/texture_cache.h"

void TImage::SetPicture(const TBitmap* picture) {
  Picture = picture;
  PictureSerial++;
  if (picture) MarkPictureChanged(picture);
  AdjustSize();
}

void TImage::AdjustSize() {
  if (AutoSize && Picture) {
    Width = Picture->Width;
    Height = Picture->Height;
  }
}

uint64_t TImage::StateHash() const {
  THasher h;
  h.Add(BaseControlHash(*this));
  h.Add(Picture);
  h.Add(PictureSerial);
  h.Add((uint64_t)Transparent);
  if (Picture) h.Add(PictureFingerprint(*Picture));
  return h.Value;
}

void TImage::Draw(TDrawList& d) {
  if (!Picture || Picture->Width <= 0 || Picture->Height <= 0) return;
  d.Picture(FormLeft(), FormTop(), *Picture, Transparent || Picture->Transparent);
}
