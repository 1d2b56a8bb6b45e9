#include "render/model_file.h"

#include <GL/gl.h>

#include "render/model_text.h"

// Model files write a point as decimal mark and may bracket their lists, with or without
// blanks inside the brackets: the brackets go and the numbers are read with a comma.
static void TokenizeModelLine(std::string line, TTokenTable& tokens) {
  std::string kept;
  for (char c : line) {
    if (c == '[' || c == ']') continue;
    kept += c == '.' ? ',' : c;
  }
  SplitTokens(kept, tokens);
}

static float TokenNumber(const TTokenTable& tokens, int k, const TTextLines& lines) {
  return ReadNumber(tokens[k], ',', lines.Path(), lines.LineNumber());
}

static void ReadColor(const TTokenTable& tokens, const TTextLines& lines, float color[3]) {
  for (int k = 0; k < 3; ++k) color[k] = TokenNumber(tokens, 1 + k, lines);
}

TModelData ReadModelFile(const std::string& path) {
  TTextLines lines(path);
  TTokenTable tokens;
  for (int k = 1; k < 14; ++k) lines.ReadLine();
  TokenizeModelLine(lines.ReadLine(), tokens);
  TModelData model;
  ReadColor(tokens, lines, model.FirstColor);

  // After line 14 every line is a triangle, except that a "Color" line sets the colour of
  // the line after it, which is then taken as a triangle whatever it says.
  while (!lines.AtEnd()) {
    TModelTriangle triangle{};
    TokenizeModelLine(lines.ReadLine(), tokens);
    if (tokens[0] == "Color") {
      triangle.HasColor = true;
      ReadColor(tokens, lines, triangle.Color);
      TokenizeModelLine(lines.ReadLine(), tokens);
    }
    for (int corner = 0; corner < 3; ++corner) {
      for (int axis = 0; axis < 3; ++axis) {
        triangle.Corner[corner][axis] = TokenNumber(tokens, 2 + 3 * corner + axis, lines);
        triangle.Normal[corner][axis] = TokenNumber(tokens, 12 + 3 * corner + axis, lines);
      }
    }
    model.Triangles.push_back(triangle);
  }
  return model;
}

uint32_t CompileModel(const TModelData& model, float sx, float sy, float sz) {
  GLuint list = glGenLists(1);
  glNewList(list, GL_COMPILE);
  glScalef(sx, sy, sz);
  glBegin(GL_TRIANGLES);
  glColor3fv(model.FirstColor);
  for (const TModelTriangle& triangle : model.Triangles) {
    if (triangle.HasColor) glColor3fv(triangle.Color);
    for (int corner = 0; corner < 3; ++corner) {
      glNormal3fv(triangle.Normal[corner]);
      glVertex3fv(triangle.Corner[corner]);
    }
  }
  glEnd();
  glScalef(1.0f / sx, 1.0f / sy, 1.0f / sz);
  glEndList();
  return list;
}
