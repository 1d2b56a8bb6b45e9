#pragma once
// Keeps the game's OpenGL state across the platform's own drawing: everything pushed on
// construction (attributes, client attributes, the three matrices, bindings) and put back
// exactly on destruction. In between a plain 2D state is set.
class TGlStateGuard {
 public:
  TGlStateGuard();
  ~TGlStateGuard();
  TGlStateGuard(const TGlStateGuard&) = delete;
  TGlStateGuard& operator=(const TGlStateGuard&) = delete;

 private:
  int drawFramebuffer_ = 0, readFramebuffer_ = 0;
  int arrayBuffer_ = 0, elementBuffer_ = 0, program_ = 0;
  int activeTexture_ = 0, clientActiveTexture_ = 0, texture2D_ = 0;
};
