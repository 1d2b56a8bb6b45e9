#pragma once
// The classic desktop look shared by the controls: button face, 3D borders, focus marks.
#include <cstdint>
#include <string>

#include "platform/forms.h"

inline constexpr uint32_t clBtnFace = 0xD4D0C8;
inline constexpr uint32_t clBtnHighlight = 0xFFFFFF;
inline constexpr uint32_t clBtnShadow = 0x808080;
inline constexpr uint32_t clDarkShadow = 0x404040;
inline constexpr uint32_t clGrayText = 0x808080;
inline constexpr uint32_t clWindow = 0xFFFFFF;

// Raised (buttons, thumbs) or sunken (edit boxes, channels) two-pixel border.
void DrawRaisedBorder(TDrawList& d, int x, int y, int w, int h);
void DrawSunkenBorder(TDrawList& d, int x, int y, int w, int h);
// Dotted rectangle around what has the keyboard focus.
void DrawFocusRect(TDrawList& d, int x, int y, int w, int h, uint32_t rgb);
// A caption in the control's font; disabled ones are grey with a light shadow.
void DrawCaption(TDrawList& d, int x, int y, const TFont& font, const std::string& text,
                 bool enabled);
// True during the visible half of the edit box caret's blink.
bool CaretVisibleNow();
// Hash of the TControl fields every control shares.
uint64_t BaseControlHash(const TControl& c);
