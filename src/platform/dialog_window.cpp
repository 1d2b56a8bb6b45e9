// The setup dialog's own small window, with its own GL and ImGui contexts, running its
// own message loop until Terminate(). Everything is gone afterwards, so the game window
// can be made after it.
#include <SDL.h>
#include <GL/gl.h>

#include "platform/application.h"
#include "platform/compositor.h"
#include "platform/cursor.h"
#include "platform/dialog_internal.h"
#include "platform/display_internal.h"
#include "platform/gl_state_guard.h"
#include "platform/state_hash.h"
#include "shell/errors.h"

namespace {

TForm* Dialog = nullptr;
SDL_Window* DialogWindow = nullptr;
SDL_GLContext DialogContext = nullptr;
TRenderSurface DialogSurface;
uint64_t PaintedSignature = 0;
bool PaintedOnce = false;

}  // namespace

TForm* RunningDialog() { return Dialog; }
SDL_Window* RunningDialogWindow() { return DialogWindow; }

void PaintDialog(bool onlyIfChanged) {
  if (!Dialog || !DialogWindow || !DialogContext) return;
  uint64_t signature = Dialog->StateHash();
  if (onlyIfChanged && PaintedOnce && signature == PaintedSignature) return;
  SDL_Window* previousWindow = SDL_GL_GetCurrentWindow();
  SDL_GLContext previousContext = SDL_GL_GetCurrentContext();
  SDL_GL_MakeCurrent(DialogWindow, DialogContext);
  {
    TGlStateGuard guard;
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    int w = 0, h = 0;
    SDL_GL_GetDrawableSize(DialogWindow, &w, &h);
    // The dialog's form fills its window from the top-left corner.
    std::vector<TForm*> only{Dialog};
    ComposeForms(DialogSurface, only, Dialog->Left(), Dialog->Top(), w, h, 0);
  }
  SDL_GL_SwapWindow(DialogWindow);
  if (previousContext != DialogContext)
    SDL_GL_MakeCurrent(previousContext ? previousWindow : nullptr, previousContext);
  PaintedSignature = signature;
  PaintedOnce = true;
}

void TApplication::RunDialog(TForm* dialog) {
  terminated_ = false;
  if (!dialog) return;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
    throw GameError(std::string("The setup window cannot be opened: ") + SDL_GetError());
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
  DialogWindow = SDL_CreateWindow(dialog->Caption.c_str(), SDL_WINDOWPOS_CENTERED,
                                  SDL_WINDOWPOS_CENTERED, dialog->Width(), dialog->Height(),
                                  SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
  if (!DialogWindow)
    throw GameError(std::string("The setup window cannot be opened: ") + SDL_GetError());
  DialogContext = SDL_GL_CreateContext(DialogWindow);
  if (!DialogContext) {
    SDL_DestroyWindow(DialogWindow);
    DialogWindow = nullptr;
    throw GameError(std::string("The setup window has no OpenGL drawing: ") + SDL_GetError());
  }
  SDL_Window* previousWindow = SDL_GL_GetCurrentWindow();
  SDL_GLContext previousContext = SDL_GL_GetCurrentContext();
  SDL_GL_MakeCurrent(DialogWindow, DialogContext);
  SDL_GL_SetSwapInterval(1);
  CreateSurfaceGui(DialogSurface);
  Dialog = dialog;
  PaintedOnce = false;
  ApplyCursorState();

  struct TCleanUp {
    TApplication* app;
    SDL_Window* previousWindow;
    SDL_GLContext previousContext;
    ~TCleanUp() {
      if (Dialog) Dialog->Hide();
      SDL_GL_MakeCurrent(DialogWindow, DialogContext);
      DestroySurfaceGui(DialogSurface);
      SDL_GL_MakeCurrent(DialogWindow, nullptr);
      SDL_GL_DeleteContext(DialogContext);
      if (previousContext) SDL_GL_MakeCurrent(previousWindow, previousContext);
      SDL_DestroyWindow(DialogWindow);
      DialogContext = nullptr;
      DialogWindow = nullptr;
      Dialog = nullptr;
      app->terminated_ = false;  // the loop it ended is over
    }
  } cleanUp{this, previousWindow, previousContext};

  dialog->Show();  // its FormShow may end the loop before the window appears
  if (!terminated_) {
    SDL_ShowWindow(DialogWindow);
    SDL_RaiseWindow(DialogWindow);
    PaintDialog(false);
  }
  while (!terminated_) {
    ProcessMessages();
    if (!terminated_) SDL_WaitEventTimeout(nullptr, 15);  // a dialog may rest between events
  }
}
