#include "platform/compositor.h"

#include <GL/gl.h>

#include <imgui.h>
#include <backends/imgui_impl_opengl2.h>

#include "platform/fonts.h"

namespace {

TRenderSurface* Composing = nullptr;

void AdjustSizes(TForm& form) {
  for (auto& control : form.Controls()) control->AdjustSize();
}

void UploadFontTexture(TRenderSurface& s) {
  ImFontAtlas& atlas = SharedFontAtlas();
  uint64_t generation = FontAtlasGeneration();
  if (s.FontTexture && s.FontGeneration == generation) return;
  unsigned char* pixels = nullptr;
  int w = 0, h = 0;
  atlas.GetTexDataAsRGBA32(&pixels, &w, &h);
  if (!s.FontTexture) glGenTextures(1, &s.FontTexture);
  glBindTexture(GL_TEXTURE_2D, s.FontTexture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
  s.FontGeneration = generation;
}

void DrawChildren(TForm& form, const TControl* parent, TDrawList& d) {
  for (TControl* child : form.ChildrenInDrawOrder(parent)) {
    if (!child->Visible) continue;
    d.PushClip(child->FormLeft(), child->FormTop(), child->Width, child->Height);
    child->Draw(d);
    DrawChildren(form, child, d);  // children stay inside their parent
    d.PopClip();
  }
}

void DrawForm(TRenderSurface& s, TForm& form, ImDrawList* list, int originX, int originY,
              unsigned sceneTexture) {
  TDrawList d;
  d.impl = list;
  d.OriginX = form.Left() - originX;
  d.OriginY = form.Top() - originY;
  int w = form.Width(), h = form.Height();
  d.PushClip(0, 0, w, h);
  if (form.ShowsScene && sceneTexture) {
    // The 3D picture is opaque whatever alpha its passes left in the drawing target.
    ImVec2 p0((float)d.OriginX, (float)d.OriginY);
    list->AddCallback([](const ImDrawList*, const ImDrawCmd*) { glDisable(GL_BLEND); }, nullptr);
    list->AddImage((ImTextureID)(intptr_t)sceneTexture, p0, ImVec2(p0.x + w, p0.y + h),
                   ImVec2(0, 1), ImVec2(1, 0));  // OpenGL rows run bottom up
    list->AddCallback([](const ImDrawList*, const ImDrawCmd*) { glEnable(GL_BLEND); }, nullptr);
  } else {
    d.FillRect(0, 0, w, h, form.Color);
    const TBitmap& image = form.Canvas.Image;
    if (image.Width > 0 && image.Height > 0) {
      unsigned canvas = s.Textures.ForCanvas(form.Canvas);
      ImVec2 p0((float)d.OriginX, (float)d.OriginY);
      list->AddImage((ImTextureID)(intptr_t)canvas, p0,
                     ImVec2(p0.x + image.Width, p0.y + image.Height));
    }
  }
  DrawChildren(form, nullptr, d);
  d.PopClip();
}

}  // namespace

void CreateSurfaceGui(TRenderSurface& s) {
  ImGuiContext* previous = ImGui::GetCurrentContext();
  s.Gui = ImGui::CreateContext(&SharedFontAtlas());
  ImGui::SetCurrentContext(s.Gui);
  ImGuiIO& io = ImGui::GetIO();
  io.IniFilename = nullptr;  // nothing of ImGui is written to disk
  io.LogFilename = nullptr;
  io.ConfigFlags |= ImGuiConfigFlags_NoMouseCursorChange;
  ImGui::GetStyle().AntiAliasedLines = false;  // whole-pixel borders
  ImGui::GetStyle().AntiAliasedFill = false;
  ImGui_ImplOpenGL2_Init();
  ImGui::SetCurrentContext(previous ? previous : s.Gui);
}

void DestroySurfaceGui(TRenderSurface& s) {
  s.Textures.Clear();
  if (s.FontTexture) glDeleteTextures(1, &s.FontTexture);
  s.FontTexture = 0;
  if (s.Gui) {
    ImGuiContext* previous = ImGui::GetCurrentContext();
    ImGui::SetCurrentContext(s.Gui);
    ImGui_ImplOpenGL2_Shutdown();
    ImGui::DestroyContext(s.Gui);
    ImGui::SetCurrentContext(previous == s.Gui ? nullptr : previous);
  }
  s.Gui = nullptr;
}

void ComposeForms(TRenderSurface& s, const std::vector<TForm*>& forms, int originX, int originY,
                  int width, int height, unsigned sceneTexture) {
  if (!s.Gui) return;
  // Sizes and fonts first: the font atlas cannot grow once the frame has begun.
  for (TForm* form : forms)
    if (form->Visible()) AdjustSizes(*form);

  ImGuiContext* previous = ImGui::GetCurrentContext();
  ImGui::SetCurrentContext(s.Gui);
  UploadFontTexture(s);
  SharedFontAtlas().SetTexID((ImTextureID)(intptr_t)s.FontTexture);
  ImGuiIO& io = ImGui::GetIO();
  io.DisplaySize = ImVec2((float)width, (float)height);
  io.DisplayFramebufferScale = ImVec2(1, 1);
  io.DeltaTime = 1.0f / 60.0f;
  ImGui::NewFrame();
  SetFontAtlasLocked(true);
  Composing = &s;
  ImDrawList* list = ImGui::GetBackgroundDrawList();
  for (TForm* form : forms) {
    if (!form->Visible()) continue;
    if (form->Left() - originX >= width || form->Top() - originY >= height) continue;
    if (form->Left() + form->Width() <= originX || form->Top() + form->Height() <= originY)
      continue;
    DrawForm(s, *form, list, originX, originY, sceneTexture);
  }
  Composing = nullptr;
  ImGui::Render();
  SetFontAtlasLocked(false);

  glViewport(0, 0, width, height);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  ImGui_ImplOpenGL2_RenderDrawData(ImGui::GetDrawData());
  s.Textures.EndFrame();
  ImGui::SetCurrentContext(previous ? previous : s.Gui);
}

unsigned PictureTexture(const TBitmap& picture, bool transparent) {
  if (!Composing) return 0;
  return Composing->Textures.ForPicture(picture, transparent);
}
