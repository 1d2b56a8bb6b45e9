#include "platform/gl_state_guard.h"

#include <GL/gl.h>
#include <GL/glext.h>

TGlStateGuard::TGlStateGuard() {
  glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &drawFramebuffer_);
  glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &readFramebuffer_);
  glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &arrayBuffer_);
  glGetIntegerv(GL_ELEMENT_ARRAY_BUFFER_BINDING, &elementBuffer_);
  glGetIntegerv(GL_CURRENT_PROGRAM, &program_);
  glGetIntegerv(GL_ACTIVE_TEXTURE, &activeTexture_);
  glGetIntegerv(GL_CLIENT_ACTIVE_TEXTURE, &clientActiveTexture_);
  glActiveTexture(GL_TEXTURE0);
  glClientActiveTexture(GL_TEXTURE0);
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture2D_);

  glPushAttrib(GL_ALL_ATTRIB_BITS);
  glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
  glMatrixMode(GL_TEXTURE);
  glPushMatrix();
  glLoadIdentity();
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();

  // A plain state for 2D drawing, whatever the game left enabled.
  glUseProgram(0);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
  const GLenum off[] = {GL_FOG, GL_LIGHTING, GL_ALPHA_TEST, GL_DEPTH_TEST, GL_CULL_FACE,
                        GL_STENCIL_TEST, GL_COLOR_MATERIAL, GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T,
                        GL_TEXTURE_GEN_R, GL_TEXTURE_GEN_Q, GL_COLOR_LOGIC_OP, GL_DITHER,
                        GL_POLYGON_OFFSET_FILL, GL_TEXTURE_1D, GL_NORMALIZE, GL_POLYGON_STIPPLE,
                        GL_LINE_STIPPLE, GL_CLIP_PLANE0, GL_CLIP_PLANE1, GL_MULTISAMPLE};
  for (GLenum cap : off) glDisable(cap);
  glDisable(GL_SCISSOR_TEST);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glDepthMask(GL_TRUE);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  glPixelTransferf(GL_RED_SCALE, 1.0f);
  glPixelTransferf(GL_GREEN_SCALE, 1.0f);
  glPixelTransferf(GL_BLUE_SCALE, 1.0f);
  glPixelTransferf(GL_ALPHA_SCALE, 1.0f);
  glPixelZoom(1.0f, 1.0f);
}

TGlStateGuard::~TGlStateGuard() {
  // Framebuffers first: the draw and read buffers restored below belong to them.
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, (GLuint)drawFramebuffer_);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, (GLuint)readFramebuffer_);
  glMatrixMode(GL_TEXTURE);
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glPopClientAttrib();
  glPopAttrib();

  glBindTexture(GL_TEXTURE_2D, (GLuint)texture2D_);
  glActiveTexture((GLenum)activeTexture_);
  glClientActiveTexture((GLenum)clientActiveTexture_);
  glBindBuffer(GL_ARRAY_BUFFER, (GLuint)arrayBuffer_);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, (GLuint)elementBuffer_);
  glUseProgram((GLuint)program_);
}
