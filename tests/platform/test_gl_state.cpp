// The game's OpenGL state is exactly as it was after the forms were composed and shown.
#include <GL/gl.h>
#include <GL/glext.h>

#include <vector>

#include "gl_fixture.h"
#include "platform/forms.h"

namespace {

struct TStateSnapshot {
  std::vector<GLint> ints;
  std::vector<GLfloat> floats;
  std::vector<GLboolean> enables;
  bool operator==(const TStateSnapshot&) const = default;
};

TStateSnapshot Snapshot() {
  TStateSnapshot s;
  const GLenum intQueries[] = {GL_MATRIX_MODE, GL_TEXTURE_BINDING_2D, GL_DEPTH_FUNC,
                               GL_SHADE_MODEL, GL_BLEND_SRC, GL_BLEND_DST,
                               GL_DRAW_FRAMEBUFFER_BINDING, GL_READ_FRAMEBUFFER_BINDING,
                               GL_UNPACK_ALIGNMENT, GL_PACK_ALIGNMENT, GL_FOG_MODE,
                               GL_ACTIVE_TEXTURE, GL_PERSPECTIVE_CORRECTION_HINT,
                               GL_FOG_HINT, GL_POLYGON_MODE, GL_FRONT_FACE,
                               GL_MODELVIEW_STACK_DEPTH, GL_PROJECTION_STACK_DEPTH,
                               GL_ARRAY_BUFFER_BINDING};
  for (GLenum q : intQueries) {
    GLint v[4] = {0, 0, 0, 0};
    glGetIntegerv(q, v);
    s.ints.insert(s.ints.end(), v, v + (q == GL_POLYGON_MODE ? 2 : 1));
  }
  GLint viewport[4], scissor[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  glGetIntegerv(GL_SCISSOR_BOX, scissor);
  s.ints.insert(s.ints.end(), viewport, viewport + 4);
  s.ints.insert(s.ints.end(), scissor, scissor + 4);
  GLint env;
  glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &env);
  s.ints.push_back(env);

  auto floats = [&](GLenum q, int n) {
    GLfloat v[16];
    glGetFloatv(q, v);
    s.floats.insert(s.floats.end(), v, v + n);
  };
  floats(GL_MODELVIEW_MATRIX, 16);
  floats(GL_PROJECTION_MATRIX, 16);
  floats(GL_TEXTURE_MATRIX, 16);
  floats(GL_CURRENT_COLOR, 4);
  floats(GL_COLOR_CLEAR_VALUE, 4);
  floats(GL_FOG_COLOR, 4);
  floats(GL_FOG_START, 1);
  floats(GL_FOG_END, 1);
  floats(GL_FOG_DENSITY, 1);
  floats(GL_DEPTH_CLEAR_VALUE, 1);
  floats(GL_CURRENT_TEXTURE_COORDS, 4);
  GLfloat light[4];
  glGetLightfv(GL_LIGHT0, GL_AMBIENT, light);
  s.floats.insert(s.floats.end(), light, light + 4);
  glGetLightfv(GL_LIGHT0, GL_POSITION, light);
  s.floats.insert(s.floats.end(), light, light + 4);

  const GLenum caps[] = {GL_DEPTH_TEST, GL_LIGHTING, GL_LIGHT0, GL_FOG, GL_TEXTURE_2D, GL_BLEND,
                         GL_DITHER, GL_COLOR_MATERIAL, GL_CULL_FACE, GL_SCISSOR_TEST,
                         GL_ALPHA_TEST, GL_VERTEX_ARRAY, GL_TEXTURE_COORD_ARRAY, GL_COLOR_ARRAY};
  for (GLenum c : caps) s.enables.push_back(glIsEnabled(c));
  GLboolean mask[4];
  glGetBooleanv(GL_COLOR_WRITEMASK, mask);
  s.enables.insert(s.enables.end(), mask, mask + 4);
  glGetBooleanv(GL_DEPTH_WRITEMASK, mask);
  s.enables.push_back(mask[0]);
  return s;
}

// State much like the race frame leaves it, with a few odd values on top.
void SetGameLikeState(GLuint texture) {
  glViewport(0, 0, 800, 600);
  glEnable(GL_DITHER);
  glShadeModel(GL_SMOOTH);
  glClearColor(0.5f, 0.5f, 0.5f, 0.5f);
  glClearDepth(1.0);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glFrustum(-0.077, 0.077, -0.057, 0.057, 0.1, 600);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(1, 2, -3);
  glRotatef(33, 0, 1, 0);
  GLfloat ambient[] = {0.1f, 0.1f, 0.1f, 1}, position[] = {0, 0, 0, -20};
  glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
  glLightfv(GL_LIGHT0, GL_POSITION, position);
  glEnable(GL_LIGHT0);
  glEnable(GL_LIGHTING);
  GLfloat fog[] = {0.5f, 0.5f, 0.5f, 0};
  glFogi(GL_FOG_MODE, GL_LINEAR);
  glFogfv(GL_FOG_COLOR, fog);
  glFogf(GL_FOG_START, 70);
  glFogf(GL_FOG_END, 110);
  glEnable(GL_FOG);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  glColor4f(1, 1, 1, 20);
  glTexCoord2f(0.25f, 0.75f);
  glEnable(GL_COLOR_MATERIAL);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glFrontFace(GL_CW);
}

}  // namespace

TEST_F(GameWindowTest, GameStateSurvivesComposingAndPresenting) {
  GLuint texture;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  unsigned char white[4] = {255, 255, 255, 255};
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, white);
  SetGameLikeState(texture);
  ASSERT_EQ(glGetError(), (GLenum)GL_NO_ERROR);

  // Forms of every kind, so every drawing path runs.
  TForm menu, scene;
  TBitmap picture;
  picture.SetSize(64, 64);
  picture.Transparent = true;
  menu.Canvas.Draw(0, 0, picture);
  TLabel* label = menu.Add<TLabel>();
  label->SetCaption("Highscore");
  TImage* image = menu.Add<TImage>();
  image->SetPicture(&picture);
  menu.Add<TTrackBar>()->SetBounds(10, 10, 100, 25);
  menu.Add<TEdit>()->SetBounds(10, 40, 100, 21);
  menu.Show();
  scene.ShowsScene = true;
  scene.SetBounds(0, 0, 400, 300);
  scene.Show();

  TStateSnapshot before = Snapshot();
  SwapGameWindow();
  menu.Update();
  TStateSnapshot after = Snapshot();
  EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
  EXPECT_TRUE(before.ints == after.ints);
  EXPECT_TRUE(before.floats == after.floats);
  EXPECT_TRUE(before.enables == after.enables);
  for (size_t i = 0; i < before.ints.size() && i < after.ints.size(); i++)
    EXPECT_EQ(before.ints[i], after.ints[i]) << "integer state " << i;
  for (size_t i = 0; i < before.enables.size() && i < after.enables.size(); i++)
    EXPECT_EQ(before.enables[i], after.enables[i]) << "enable " << i;
  glDeleteTextures(1, &texture);
}
