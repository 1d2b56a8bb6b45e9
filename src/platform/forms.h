#pragma once
// A retained layer of forms and controls in the style of the window system the game was
// designed for: forms are created once, then shown, hidden and moved; each has a
// position, a z-order, a persistent canvas picture, KeyPreview and event handlers.
// Full-screen forms are layers inside the one game window (see display.h); they are
// composed in z-order into the 800 x 600 picture. Coordinates are game pixels.
//
// Event delivery (message processing, application.h): a key goes to the active form (the
// topmost visible one); with KeyPreview the form's handler sees it first and may set the
// key to 0 to swallow it, then the focused control gets it. A mouse press goes to the
// topmost visible form under the pointer: to the topmost visible, enabled control under
// it, else to the form's FormMouseDown. Setting a control's value to a different one runs
// its change handler, as a player's change would.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/bitmap.h"

enum class TMouseButton { Left, Right, Middle };

// Windows virtual-key codes the game uses.
inline constexpr int VK_RETURN = 13;
inline constexpr int VK_ESCAPE = 27;
inline constexpr int VK_LEFT = 37;
inline constexpr int VK_UP = 38;
inline constexpr int VK_RIGHT = 39;
inline constexpr int VK_DOWN = 40;
inline constexpr int VK_BACK = 8;
inline constexpr int VK_TAB = 9;
inline constexpr int VK_SPACE = 32;
inline constexpr int VK_PRIOR = 33;  // page up
inline constexpr int VK_NEXT = 34;   // page down
inline constexpr int VK_END = 35;
inline constexpr int VK_HOME = 36;
inline constexpr int VK_DELETE = 46;

struct TFont {
  int Height = 11;          // pixel height of the font
  bool Bold = false;
  bool FixedPitch = false;  // DejaVu Sans Mono instead of DejaVu Sans
  uint32_t Color = 0x000000;  // 0xRRGGBB
};

class TForm;

class TControl {
 public:
  TControl(TForm* form, TControl* parent);
  virtual ~TControl() = default;
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  TForm* Form;
  TControl* Parent;  // nullptr: directly on the form
  int Left = 0, Top = 0, Width = 0, Height = 0;  // relative to the parent
  bool Visible = true;
  int Cursor = 0;
  TFont Font;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  void SetBounds(int left, int top, int width, int height);
  // Position on the form, through the parents.
  int FormLeft() const;
  int FormTop() const;
  bool Showing() const;  // visible together with every parent
  bool Contains(int formX, int formY) const;

  // Mouse press in control pixels; the default runs OnMouseDown, then OnClick.
  virtual void MouseDown(TMouseButton button, int x, int y);
  virtual void MouseMove(int x, int y) {}
  virtual void MouseUp(int x, int y) {}
  // Keys for the focused control. Return true when the key was used.
  virtual bool KeyDown(int key) { return false; }
  virtual bool KeyPress(char key) { return false; }
  virtual bool CanFocus() const { return false; }
  // Windowed controls (edit, buttons, group box, track bar, panel) lie above the
  // pictures and labels of the same parent, whatever their creation order.
  virtual bool Windowed() const { return false; }
  // Brings sizes that follow the content (AutoSize) up to date; run before hit tests and
  // drawing, so a caption assigned directly is measured too.
  virtual void AdjustSize() {}
  // Everything that changes the control's look, folded into one number; the platform
  // repaints when it changes.
  virtual uint64_t StateHash() const;
  bool EnabledWithParents() const;

  std::function<void(TMouseButton, int x, int y)> OnMouseDown;
  std::function<void()> OnClick;

  virtual void Draw(struct TDrawList& draw) = 0;  // drawn by the compositor

 protected:
  bool enabled_ = true;
};

class TLabel : public TControl {
 public:
  using TControl::TControl;
  std::string Caption;        // UTF-8; "\n" breaks lines (LF CR and CR LF become one break)
  bool Transparent = true;    // false: filled with Color
  uint32_t Color = 0xFFFFFF;
  bool AutoSize = true;       // width and height follow the caption
  enum Align { AlignLeft, AlignCenter } Alignment = AlignLeft;
  bool CenterVertically = false;
  void SetCaption(const std::string& caption);
  void AdjustSize() override;
  uint64_t StateHash() const override;
  void Draw(TDrawList& draw) override;
};

class TImage : public TControl {
 public:
  using TControl::TControl;
  const TBitmap* Picture = nullptr;  // not owned
  bool Transparent = false;          // leave out the bottom-left pixel's colour
  bool AutoSize = true;              // size follows the picture
  // Set the picture again after changing its pixels: the shown copy is renewed then.
  void SetPicture(const TBitmap* picture);
  uint64_t PictureSerial = 0;  // bumped by SetPicture
  void AdjustSize() override;
  uint64_t StateHash() const override;
  void Draw(TDrawList& draw) override;
};

class TEdit : public TControl {
 public:
  using TControl::TControl;
  std::string Text;  // UTF-8
  int MaxLength = 255;
  // Called for every typed character (and Enter as '\r', Backspace as '\b') before it is
  // used; the handler may set the key to 0 to drop it.
  // Keys are characters of the Windows-1252 code page, as the game's files hold them.
  std::function<void(char& key)> OnKeyPress;
  bool KeyDown(int key) override;
  bool KeyPress(char key) override;  // one Windows-1252 character
  void TypeText(const std::string& utf8);  // text input: one OnKeyPress per character
  bool CanFocus() const override { return true; }
  void MouseDown(TMouseButton button, int x, int y) override;
  bool Windowed() const override { return true; }
  uint64_t StateHash() const override;
  void Draw(TDrawList& draw) override;
};

class TButton : public TControl {
 public:
  using TControl::TControl;
  std::string Caption;
  bool CanFocus() const override { return true; }
  bool KeyDown(int key) override;  // Enter or space clicks
  void MouseDown(TMouseButton button, int x, int y) override;
  void MouseUp(int x, int y) override;
  bool Windowed() const override { return true; }
  uint64_t StateHash() const override;
  void Draw(TDrawList& draw) override;
  bool pressed_ = false;
};

class TRadioButton : public TControl {
 public:
  using TControl::TControl;
  std::string Caption;
  bool Checked() const { return checked_; }
  // Checking one clears the other radio buttons of the same parent; becoming checked runs
  // OnClick (the ones cleared run nothing).
  void SetChecked(bool checked);
  bool CanFocus() const override { return true; }
  bool KeyDown(int key) override;  // space checks
  void MouseDown(TMouseButton button, int x, int y) override;
  bool Windowed() const override { return true; }
  uint64_t StateHash() const override;
  void Draw(TDrawList& draw) override;

 private:
  bool checked_ = false;
};

class TCheckBox : public TControl {
 public:
  using TControl::TControl;
  std::string Caption;
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);  // a change runs OnClick
  bool CanFocus() const override { return true; }
  bool KeyDown(int key) override;  // space toggles
  void MouseDown(TMouseButton button, int x, int y) override;
  bool Windowed() const override { return true; }
  uint64_t StateHash() const override;
  void Draw(TDrawList& draw) override;

 private:
  bool checked_ = false;
};

class TGroupBox : public TControl {
 public:
  using TControl::TControl;
  std::string Caption;
  uint32_t Color = 0xD4D0C8;
  bool ParentBackground = false;  // true: no fill
  bool Windowed() const override { return true; }
  uint64_t StateHash() const override;
  void Draw(TDrawList& draw) override;
  void MouseDown(TMouseButton, int, int) override {}
};

class TTrackBar : public TControl {
 public:
  using TControl::TControl;
  int Min = 0, Max = 10;
  bool TickMarks = true;
  int Position() const { return position_; }
  // Clamps to Min..Max; a change runs OnChange.
  void SetPosition(int position);
  void SetRange(int min, int max);  // clamps the position
  std::function<void()> OnChange;
  bool CanFocus() const override { return true; }
  bool KeyDown(int key) override;  // arrows step the position
  void MouseDown(TMouseButton button, int x, int y) override;
  void MouseMove(int x, int y) override;
  void MouseUp(int x, int y) override;
  bool Windowed() const override { return true; }
  uint64_t StateHash() const override;
  void Draw(TDrawList& draw) override;
  // Channel geometry in control pixels (thumb centre runs from ChannelLeft to ChannelRight).
  int ChannelLeft() const;
  int ChannelRight() const;
  int ThumbCenter() const;

 private:
  int position_ = 0;
  bool dragging_ = false;
  void PositionFromX(int x);
};

class TPanel : public TControl {
 public:
  using TControl::TControl;
  uint32_t Color = 0x000000;
  bool Bevel = false;
  bool Windowed() const override { return true; }
  uint64_t StateHash() const override;
  void Draw(TDrawList& draw) override;
};

// A form's persistent picture: what is drawn on it stays until drawn over.
// Pixels never drawn show the form's colour.
class TCanvas {
 public:
  TBitmap Image;  // sized with the form
  std::vector<uint8_t> Painted;  // one byte a pixel: 1 where something was drawn
  void Draw(int x, int y, const TBitmap& picture);  // honours picture.Transparent
  void FillRect(int x, int y, int w, int h, uint32_t rgb);
  void SetSize(int width, int height);  // keeps what fits
  uint64_t Version = 0;  // bumped by every change; the compositor uploads on change
};

class TForm {
 public:
  TForm();
  virtual ~TForm();
  TForm(const TForm&) = delete;
  TForm& operator=(const TForm&) = delete;

  std::string Caption;
  uint32_t Color = 0x000000;
  bool KeyPreview = false;
  int Cursor = 0;
  TCanvas Canvas;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetBounds(int left, int top, int width, int height);
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetHeight(int height);

  bool Visible() const { return visible_; }
  void Show();  // becomes visible, topmost and active; runs FormShow (and FormActivate)
  void Hide();  // the next visible form below becomes active
  void Update();  // paint what is pending now
  void BringToFront();
  // On the visible 800 x 600 screen at least in part (a form parked below it is not).
  bool OnScreen() const;

  // A form whose content is the game's OpenGL picture instead of its canvas.
  bool ShowsScene = false;

  TControl* ActiveControl = nullptr;  // focused control
  void SetFocus(TControl* control);

  // Handlers, named as the screens name them. Key handlers may set key to 0.
  virtual void FormShow() {}
  virtual void FormActivate() {}
  // The window system asks the form to close (its close box, Alt+F4).
  virtual void FormClose() {}
  virtual void FormKeyDown(int& key) {}
  virtual void FormKeyUp(int& key) {}
  virtual void FormKeyPress(char& key) {}
  virtual void FormMouseDown(TMouseButton button, int x, int y) {}

  // Controls are owned by their form.
  template <class T>
  T* Add(TControl* parent = nullptr) {
    auto control = std::make_unique<T>(this, parent);
    T* raw = control.get();
    controls_.push_back(std::move(control));
    return raw;
  }
  const std::vector<std::unique_ptr<TControl>>& Controls() const { return controls_; }
  TControl* ControlAt(int formX, int formY) const;  // topmost showing control
  // Topmost showing control under the point that takes input (enabled with its parents);
  // disabled ones are looked through.
  TControl* InputControlAt(int formX, int formY) const;
  // The control that receives keys: ActiveControl when it can take them now, else the
  // first one in creation order that can; nullptr when none can.
  TControl* FocusedControl();
  // Controls of `parent` (nullptr: the form) in drawing order, bottom first.
  std::vector<TControl*> ChildrenInDrawOrder(const TControl* parent) const;

  // Form list in z-order, bottom first (used by the compositor and event delivery).
  static const std::vector<TForm*>& ZOrder();
  // The topmost visible form on the screen; it receives the keys. A change of the active
  // form runs the new one's FormActivate.
  static TForm* ActiveForm();
  static void UpdateActiveForm();
  // Topmost visible form under a point of the screen.
  static TForm* FormAt(int x, int y);
  uint64_t StateHash() const;

 private:
  int left_ = 0, top_ = 0, width_ = 800, height_ = 600;
  bool visible_ = false;
  std::vector<std::unique_ptr<TControl>> controls_;
};

// Drawing interface the controls draw through (ImGui's draw list underneath); game pixels.
struct TDrawList {
  void* impl = nullptr;  // ImDrawList*
  int OriginX = 0, OriginY = 0;  // added to every coordinate (the form's place)
  // Clipping rectangle stack, in the same coordinates as the drawing.
  void PushClip(int x, int y, int w, int h);
  void PopClip();
  void FillRect(int x, int y, int w, int h, uint32_t rgb, int alpha = 255);
  void FrameRect(int x, int y, int w, int h, uint32_t rgb);
  void Line(int x1, int y1, int x2, int y2, uint32_t rgb);
  void FillCircle(int cx, int cy, int r, uint32_t rgb);
  void Text(int x, int y, const TFont& font, const std::string& utf8);
  // Size of a text in the font (multi-line with "\n").
  static void MeasureText(const TFont& font, const std::string& utf8, int& w, int& h);
  static int LineHeight(const TFont& font);
  static int TextWidth(const TFont& font, const std::string& utf8line);
  void Picture(int x, int y, const TBitmap& picture, bool transparent);
};
