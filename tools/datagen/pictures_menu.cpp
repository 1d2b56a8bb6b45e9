// The main menu picture and its two lightning frames.
#include "picture_paint.h"
#include "picture_scene.h"
#include "picture_text.h"
#include "picture_widgets.h"
#include "pictures_parts.h"

Canvas MakeMenuPicture(MenuSky sky) {
  Canvas canvas(800, 600);
  SceneLook look;
  look.boltSeed = 7;
  look.boltX = 470;
  if (sky == MenuSky::Flash) {
    look.flash = 1.0f;
    look.bolt = 1.0f;
  } else if (sky == MenuSky::Afterglow) {
    look.flash = 0.45f;
    look.bolt = 0.3f;
  }
  PaintDuskScene(canvas, look);

  DrawLogo(canvas, 245, 110, 86);
  TextImage tagline = RenderText("Stay high, Stay free", {kFontSerifItalic, 26}, 8);
  Spot at = CentreBaseline(tagline, 245, 190);
  PaintShadow(canvas, tagline.mask, at, 3, 1, 2, 0.8f);
  PaintRamp(canvas, tagline.mask, at, at.y + tagline.inkTop, at.y + tagline.inkBottom, EmberRamp);
  DrawRule(canvas, 95, 395, 207);

  // The three items; their rectangles are the ones the menu tests for clicks. The
  // selector is drawn on the flat panel left of them.
  DrawPanel(canvas, {538, 245, 766, 525}, 1.0f, kSelectorGround);
  DrawButton(canvas, {600, 270, 750, 330}, "Start Race", 23);
  DrawButton(canvas, {600, 350, 750, 410}, "Options", 23);
  DrawButton(canvas, {600, 440, 750, 500}, "Credits", 23);

  TextImage hint = RenderText("Esc  leaves the game", {kFontSans, 12}, 2);
  PaintSolid(canvas, hint.mask, CentreBaseline(hint, 675, 585), {0.62f, 0.70f, 0.80f}, 0.8f);
  return canvas;
}
