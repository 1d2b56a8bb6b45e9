#pragma once
// Composes forms, bottom first, into the bound framebuffer through ImGui's draw lists: a
// form showing the scene draws the 3D picture, the others their colour, canvas and
// controls. One TRenderSurface per window (its own GL context and ImGui context).
#include <cstdint>
#include <vector>

#include "platform/forms.h"
#include "platform/texture_cache.h"

struct ImGuiContext;

struct TRenderSurface {
  ImGuiContext* Gui = nullptr;
  unsigned FontTexture = 0;
  uint64_t FontGeneration = 0;
  TTextureCache Textures;
};

// Both with the surface's GL context current.
void CreateSurfaceGui(TRenderSurface& surface);
void DestroySurfaceGui(TRenderSurface& surface);

// Draws the visible ones of `forms` into the bound framebuffer of `width` x `height`
// pixels, whose top-left corner shows the game pixel (originX, originY). `sceneTexture` is
// the 3D picture (rows bottom first, as OpenGL draws it). Call inside a TGlStateGuard,
// which keeps the game's GL state.
void ComposeForms(TRenderSurface& surface, const std::vector<TForm*>& forms, int originX,
                  int originY, int width, int height, unsigned sceneTexture);

// The texture of a picture on the surface being composed (0 outside composing).
unsigned PictureTexture(const TBitmap& picture, bool transparent);
