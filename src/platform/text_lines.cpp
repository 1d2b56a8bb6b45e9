#include "platform/text_lines.h"

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < text.size(); i++) {
    char c = text[i];
    if (c == '\n' || c == '\r') {
      char pair = c == '\n' ? '\r' : '\n';
      if (i + 1 < text.size() && text[i + 1] == pair) i++;
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}
