// Forms: z-order, showing and hiding, activation, bounds and the canvas.
#include <algorithm>

#include "platform/display_internal.h"
#include "platform/forms.h"
#include "platform/state_hash.h"

namespace {

std::vector<TForm*>& Forms() {
  static std::vector<TForm*> forms;
  return forms;
}

TForm* LastActive = nullptr;
uint64_t NextCanvasBase = 1;

void MoveToTop(TForm* form) {
  auto& forms = Forms();
  auto it = std::find(forms.begin(), forms.end(), form);
  if (it != forms.end()) forms.erase(it);
  forms.push_back(form);
}

TControl* HitTest(const TForm& form, const TControl* parent, int x, int y, bool needEnabled) {
  std::vector<TControl*> children = form.ChildrenInDrawOrder(parent);
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    TControl* child = *it;
    if (!child->Visible || !child->Contains(x, y)) continue;
    if (needEnabled && !child->Enabled()) continue;  // looked through, with its children
    if (TControl* inner = HitTest(form, child, x, y, needEnabled)) return inner;
    return child;
  }
  return nullptr;
}

}  // namespace

// --- canvas ---

void TCanvas::SetSize(int width, int height) {
  if (width == Image.Width && height == Image.Height) return;
  TBitmap old = std::move(Image);
  std::vector<uint8_t> oldPainted = std::move(Painted);
  Image.SetSize(width, height);
  Painted.assign((size_t)Image.Width * Image.Height, 0);
  int w = std::min(old.Width, Image.Width), h = std::min(old.Height, Image.Height);
  for (int y = 0; y < h; y++) {
    std::copy_n(old.PixelAt(0, y), (size_t)w * 3, Image.PixelAt(0, y));
    std::copy_n(oldPainted.begin() + (size_t)y * old.Width, w,
                Painted.begin() + (size_t)y * Image.Width);
  }
  if (Version == 0) Version = (NextCanvasBase++) << 32;  // unique per canvas
  Version++;
}

void TCanvas::Draw(int x, int y, const TBitmap& picture) {
  if (picture.Width <= 0 || picture.Height <= 0) return;
  if (picture.Pixels.size() < (size_t)picture.Width * picture.Height * 3) return;
  if (Painted.size() != (size_t)Image.Width * Image.Height)
    Painted.assign((size_t)Image.Width * Image.Height, 0);
  uint32_t key = picture.TransparentColor();
  uint8_t kr = key >> 16, kg = (key >> 8) & 0xFF, kb = key & 0xFF;
  int x0 = std::max(0, x), y0 = std::max(0, y);
  int x1 = std::min(Image.Width, x + picture.Width), y1 = std::min(Image.Height, y + picture.Height);
  for (int py = y0; py < y1; py++) {
    const uint8_t* src = picture.PixelAt(x0 - x, py - y);
    uint8_t* dst = Image.PixelAt(x0, py);
    uint8_t* painted = Painted.data() + (size_t)py * Image.Width + x0;
    for (int px = x0; px < x1; px++, src += 3, dst += 3, painted++) {
      if (picture.Transparent && src[0] == kr && src[1] == kg && src[2] == kb) continue;
      dst[0] = src[0];
      dst[1] = src[1];
      dst[2] = src[2];
      *painted = 1;
    }
  }
  Version++;
}

void TCanvas::FillRect(int x, int y, int w, int h, uint32_t rgb) {
  if (Painted.size() != (size_t)Image.Width * Image.Height)
    Painted.assign((size_t)Image.Width * Image.Height, 0);
  int x0 = std::max(0, x), y0 = std::max(0, y);
  int x1 = std::min(Image.Width, x + w), y1 = std::min(Image.Height, y + h);
  for (int py = y0; py < y1; py++) {
    for (int px = x0; px < x1; px++) {
      uint8_t* dst = Image.PixelAt(px, py);
      dst[0] = rgb >> 16;
      dst[1] = (rgb >> 8) & 0xFF;
      dst[2] = rgb & 0xFF;
      Painted[(size_t)py * Image.Width + px] = 1;
    }
  }
  Version++;
}

// --- form ---

TForm::TForm() {
  Canvas.SetSize(width_, height_);
  Forms().push_back(this);
}

TForm::~TForm() {
  auto& forms = Forms();
  forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
  if (LastActive == this) LastActive = nullptr;
}

void TForm::SetBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = std::max(0, width);
  height_ = std::max(0, height);
  Canvas.SetSize(width_, height_);
  if (visible_) UpdateActiveForm();
}

void TForm::SetLeft(int left) { SetBounds(left, top_, width_, height_); }
void TForm::SetTop(int top) { SetBounds(left_, top, width_, height_); }
void TForm::SetWidth(int width) { SetBounds(left_, top_, width, height_); }
void TForm::SetHeight(int height) { SetBounds(left_, top_, width_, height); }

void TForm::Show() {
  if (visible_) {
    BringToFront();
    return;
  }
  visible_ = true;
  MoveToTop(this);
  FormShow();
  UpdateActiveForm();
}

void TForm::Hide() {
  if (!visible_) return;
  visible_ = false;
  UpdateActiveForm();
}

void TForm::BringToFront() {
  MoveToTop(this);
  if (visible_) UpdateActiveForm();
}

void TForm::Update() { PaintFormsNow(); }

bool TForm::OnScreen() const {
  return visible_ && left_ < 800 && top_ < 600 && left_ + width_ > 0 && top_ + height_ > 0;
}

void TForm::SetFocus(TControl* control) { ActiveControl = control; }

TControl* TForm::ControlAt(int formX, int formY) const {
  return HitTest(*this, nullptr, formX, formY, false);
}

TControl* TForm::InputControlAt(int formX, int formY) const {
  return HitTest(*this, nullptr, formX, formY, true);
}

TControl* TForm::FocusedControl() {
  auto usable = [](TControl* c) { return c->Showing() && c->EnabledWithParents(); };
  if (ActiveControl && ActiveControl->Form == this && usable(ActiveControl)) return ActiveControl;
  for (auto& control : controls_)
    if (control->CanFocus() && usable(control.get())) return control.get();
  return nullptr;
}

std::vector<TControl*> TForm::ChildrenInDrawOrder(const TControl* parent) const {
  std::vector<TControl*> out;
  for (int windowed = 0; windowed < 2; windowed++)
    for (auto& control : controls_)
      if (control->Parent == parent && control->Windowed() == (windowed == 1))
        out.push_back(control.get());
  return out;
}

const std::vector<TForm*>& TForm::ZOrder() { return Forms(); }

TForm* TForm::ActiveForm() {
  auto& forms = Forms();
  for (auto it = forms.rbegin(); it != forms.rend(); ++it)
    if ((*it)->OnScreen()) return *it;
  return nullptr;
}

void TForm::UpdateActiveForm() {
  TForm* now = ActiveForm();
  if (now == LastActive) return;
  LastActive = now;
  if (now) now->FormActivate();
}

TForm* TForm::FormAt(int x, int y) {
  auto& forms = Forms();
  for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
    TForm* f = *it;
    if (f->visible_ && x >= f->left_ && y >= f->top_ && x < f->left_ + f->width_ &&
        y < f->top_ + f->height_)
      return f;
  }
  return nullptr;
}

uint64_t TForm::StateHash() const {
  THasher h;
  h.Add(this);
  h.Add((uint64_t)left_);
  h.Add((uint64_t)top_);
  h.Add((uint64_t)width_);
  h.Add((uint64_t)height_);
  h.Add((uint64_t)visible_);
  h.Add((uint64_t)Color);
  h.Add((uint64_t)ShowsScene);
  h.Add(Canvas.Version);
  h.Add(ActiveControl);
  for (auto& control : controls_) h.Add(control->StateHash());
  return h.Value;
}
