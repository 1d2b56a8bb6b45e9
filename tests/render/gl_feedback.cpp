#include "gl_feedback.h"

#include <GL/gl.h>

std::vector<TFedPolygon> CaptureFeedback(const std::function<void()>& draw) {
  static std::vector<GLfloat> buffer(4 << 20);
  glFeedbackBuffer((GLsizei)buffer.size(), GL_3D_COLOR, buffer.data());
  glRenderMode(GL_FEEDBACK);
  draw();
  GLint used = glRenderMode(GL_RENDER);
  std::vector<TFedPolygon> polygons;
  for (GLint k = 0; k < used;) {
    GLint token = (GLint)buffer[k++];
    if (token == GL_POLYGON_TOKEN) {
      GLint count = (GLint)buffer[k++];
      TFedPolygon polygon;
      for (GLint v = 0; v < count; ++v, k += 7)
        polygon.push_back({buffer[k], buffer[k + 1], buffer[k + 2], buffer[k + 3], buffer[k + 4],
                           buffer[k + 5], buffer[k + 6]});
      polygons.push_back(polygon);
    } else if (token == GL_PASS_THROUGH_TOKEN) {
      k += 1;
    } else if (token == GL_POINT_TOKEN || token == GL_BITMAP_TOKEN ||
               token == GL_DRAW_PIXEL_TOKEN || token == GL_COPY_PIXEL_TOKEN) {
      k += 7;
    } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
      k += 14;
    } else {
      break;
    }
  }
  return polygons;
}

void UseFlatProjection(float depth) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, 800, 0, 600, -depth, depth);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

void UseWideProjection(float range) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-range, range, -range, range, -range, range);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}
