#include "platform/sdl_input.h"

#include <SDL.h>

#include "platform/dialog_internal.h"
#include "platform/display_internal.h"

int VirtualKeyFromSdl(int key) {
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
  if (key >= SDLK_F1 && key <= SDLK_F12) return 112 + (key - SDLK_F1);
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return 97 + (key - SDLK_KP_1);
  switch (key) {
    case SDLK_ESCAPE: return 27;
    case SDLK_RETURN: case SDLK_KP_ENTER: return 13;
    case SDLK_BACKSPACE: return 8;
    case SDLK_TAB: return 9;
    case SDLK_SPACE: return 32;
    case SDLK_PAGEUP: return 33;
    case SDLK_PAGEDOWN: return 34;
    case SDLK_END: return 35;
    case SDLK_HOME: return 36;
    case SDLK_LEFT: return 37;
    case SDLK_UP: return 38;
    case SDLK_RIGHT: return 39;
    case SDLK_DOWN: return 40;
    case SDLK_INSERT: return 45;
    case SDLK_DELETE: return 46;
    case SDLK_KP_0: return 96;
    case SDLK_LSHIFT: case SDLK_RSHIFT: return 16;
    case SDLK_LCTRL: case SDLK_RCTRL: return 17;
    case SDLK_LALT: case SDLK_RALT: return 18;
    case SDLK_PAUSE: return 19;
    case SDLK_CAPSLOCK: return 20;
    default: return 0;
  }
}

namespace {

// Window pixels of an event into the pixels the forms use.
bool ToGamePixels(uint32_t windowId, int wx, int wy, int& x, int& y) {
  SDL_Window* dialog = RunningDialogWindow();
  if (dialog && SDL_GetWindowID(dialog) == windowId) {
    x = wx;
    y = wy;
    return true;
  }
  SDL_Window* game = GameWindowHandle();
  if (!game || SDL_GetWindowID(game) != windowId) return false;
  int w, h;
  SDL_GetWindowSize(game, &w, &h);
  WindowToGame(ComputeLetterbox(w, h), wx, wy, x, y);
  return true;
}

TMouseButton ButtonOf(uint8_t button) {
  if (button == SDL_BUTTON_RIGHT) return TMouseButton::Right;
  if (button == SDL_BUTTON_MIDDLE) return TMouseButton::Middle;
  return TMouseButton::Left;
}

}  // namespace

void TranslateSdlEvent(const SDL_Event& ev, std::vector<TInputEvent>& out) {
  TInputEvent e;
  e.Type = TInputEvent::Expose;
  switch (ev.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      e.Key = VirtualKeyFromSdl(ev.key.keysym.sym);
      if (!e.Key) return;
      e.Type = ev.type == SDL_KEYDOWN ? TInputEvent::KeyDown : TInputEvent::KeyUp;
      out.push_back(e);  // held keys repeat their key-down, as the window system does
      return;
    case SDL_TEXTINPUT:
      e.Type = TInputEvent::Text;
      e.Utf8 = ev.text.text;
      out.push_back(e);
      return;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      if (!ToGamePixels(ev.button.windowID, ev.button.x, ev.button.y, e.X, e.Y)) return;
      e.Type = ev.type == SDL_MOUSEBUTTONDOWN ? TInputEvent::MouseDown : TInputEvent::MouseUp;
      e.Button = ButtonOf(ev.button.button);
      out.push_back(e);
      return;
    case SDL_MOUSEMOTION:
      if (!ToGamePixels(ev.motion.windowID, ev.motion.x, ev.motion.y, e.X, e.Y)) return;
      e.Type = TInputEvent::MouseMove;
      out.push_back(e);
      return;
    case SDL_QUIT:
      e.Type = TInputEvent::CloseRequest;
      out.push_back(e);
      return;
    case SDL_WINDOWEVENT:
      if (ev.window.event == SDL_WINDOWEVENT_CLOSE) {
        e.Type = TInputEvent::CloseRequest;
        out.push_back(e);
      } else if (ev.window.event == SDL_WINDOWEVENT_EXPOSED ||
                 ev.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
                 ev.window.event == SDL_WINDOWEVENT_RESTORED) {
        out.push_back(e);  // Expose: paint again
      }
      return;
    default:
      return;
  }
}
