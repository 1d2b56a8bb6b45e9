#include "platform/application.h"

#include <atomic>
#include <deque>
#include <exception>
#include <vector>

#include <SDL.h>

#include "platform/application_internal.h"
#include "platform/dialog_internal.h"
#include "platform/display_internal.h"
#include "platform/input_events.h"
#include "platform/message_box.h"
#include "platform/sdl_input.h"
#include "platform/threaded_timer.h"

TApplication Application;

namespace {

std::atomic<bool> EventsReady{false};
std::atomic<uint32_t> WakeType{0};
std::deque<TInputEvent> Posted;

}  // namespace

void WakeMainThread() {
  if (!EventsReady) return;
  SDL_Event e;
  SDL_zero(e);
  e.type = WakeType;
  SDL_PushEvent(&e);  // safe from any thread
}

uint32_t WakeEventType() { return WakeType; }

void TApplication::Initialize() {
  // A full-screen game must not minimise when a message box takes the focus; the first
  // click into the window counts as a click; a close request is the game's to handle.
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  SDL_SetHint("SDL_QUIT_ON_LAST_WINDOW_CLOSE", "0");
  if (SDL_Init(SDL_INIT_EVENTS | SDL_INIT_TIMER) == 0) {
    uint32_t type = SDL_RegisterEvents(1);
    WakeType = type == (uint32_t)-1 ? (uint32_t)SDL_USEREVENT : type;
    EventsReady = true;
  }
}

void TApplication::SetTitle(const std::string& title) { title_ = title; }

void TApplication::PostKeyDown(int key) {
  TInputEvent e;
  e.Type = TInputEvent::KeyDown;
  e.Key = key;
  Posted.push_back(e);
}

void TApplication::PostKeyUp(int key) {
  TInputEvent e;
  e.Type = TInputEvent::KeyUp;
  e.Key = key;
  Posted.push_back(e);
}

void TApplication::PostText(const std::string& utf8) {
  TInputEvent e;
  e.Type = TInputEvent::Text;
  e.Utf8 = utf8;
  Posted.push_back(e);
}

static void PostMouse(TInputEvent::Kind type, int x, int y, TMouseButton button) {
  TInputEvent e;
  e.Type = type;
  e.X = x;
  e.Y = y;
  e.Button = button;
  Posted.push_back(e);
}

void TApplication::PostMouseDown(int x, int y, TMouseButton button) {
  // A click: the pointer goes there, presses and lets go.
  PostMouse(TInputEvent::MouseMove, x, y, button);
  PostMouse(TInputEvent::MouseDown, x, y, button);
  PostMouse(TInputEvent::MouseUp, x, y, button);
}

void TApplication::PostMousePress(int x, int y, TMouseButton button) {
  PostMouse(TInputEvent::MouseDown, x, y, button);
}

void TApplication::PostMouseRelease(int x, int y, TMouseButton button) {
  PostMouse(TInputEvent::MouseUp, x, y, button);
}

void TApplication::PostMouseMove(int x, int y) {
  PostMouse(TInputEvent::MouseMove, x, y, TMouseButton::Left);
}

void TApplication::ProcessMessages() {
  if (OnMessagePass) {
    try {
      OnMessagePass();
    } catch (const std::exception& error) {
      ShowErrorBox(error.what());
    }
  }
  std::vector<TInputEvent> events(Posted.begin(), Posted.end());
  Posted.clear();
  if (EventsReady) {
    SDL_Event ev;
    while (SDL_PollEvent(&ev)) TranslateSdlEvent(ev, events);
  }
  bool expose = false;
  for (const TInputEvent& e : events) {
    if (e.Type == TInputEvent::Expose) expose = true;
    DeliverInput(e);
  }
  try {
    RunPendingTimerTicks();
  } catch (const std::exception& error) {
    ShowErrorBox(error.what());
  }
  try {
    if (RunningDialog())
      PaintDialog(!expose);
    else
      PaintFormsIfChanged(expose);
  } catch (const std::exception& error) {
    ShowErrorBox(error.what());
  }
}
