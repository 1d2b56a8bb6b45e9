#include "platform/message_box.h"

#include <cstdio>

#include <SDL.h>

#include "platform/application.h"
#include "platform/display_internal.h"

MessageBoxFunction MessageBoxHook;

namespace {

// The boxes break lines at LF; the game's texts use CR LF.
std::string WithoutCarriageReturns(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != '\r') out += c;
  return out;
}

MsgResult ShowBox(const std::string& text, const std::string& title, MsgButtons buttons,
                  MsgIcon icon, bool alreadyOnStderr) {
  if (MessageBoxHook) return MessageBoxHook(text, title, buttons);

  std::string shown = WithoutCarriageReturns(text);
  SDL_MessageBoxButtonData okButtons[] = {
      {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT,
       (int)MsgResult::Ok, "OK"}};
  SDL_MessageBoxButtonData abortIgnore[] = {
      {0, (int)MsgResult::Abort, "Abort"},
      {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT,
       (int)MsgResult::Ignore, "Ignore"}};
  SDL_MessageBoxData box = {};
  box.flags = icon == MsgIcon::Error     ? SDL_MESSAGEBOX_ERROR
              : icon == MsgIcon::Warning ? SDL_MESSAGEBOX_WARNING
                                         : SDL_MESSAGEBOX_INFORMATION;
  box.window = CurrentTopWindow();
  box.title = title.c_str();
  box.message = shown.c_str();
  if (buttons == MsgButtons::Ok) {
    box.numbuttons = 1;
    box.buttons = okButtons;
  } else {
    box.numbuttons = 2;
    box.buttons = abortIgnore;
  }
  int chosen = -1;
  if (SDL_ShowMessageBox(&box, &chosen) != 0 || chosen < 0) {
    // No box could be shown (no display): the text still reaches the player's terminal,
    // and the harmless answer is taken.
    if (!alreadyOnStderr) std::fprintf(stderr, "%s: %s\n", title.c_str(), shown.c_str());
    return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Ignore;
  }
  return (MsgResult)chosen;
}

}  // namespace

MsgResult ShowMessageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                         MsgIcon icon) {
  return ShowBox(text, title, buttons, icon, false);
}

void ShowErrorBox(const std::string& text) {
  std::fprintf(stderr, "%s\n", WithoutCarriageReturns(text).c_str());
  ShowBox(text, Application.Title(), MsgButtons::Ok, MsgIcon::Error, true);
}
