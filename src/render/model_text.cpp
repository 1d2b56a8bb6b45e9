#include "render/model_text.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>

#include "shell/errors.h"

static bool IsTrimmed(char c) { return (unsigned char)c <= ' '; }

std::string TrimText(const std::string& text) {
  size_t first = 0, last = text.size();
  while (first < last && IsTrimmed(text[first])) ++first;
  while (last > first && IsTrimmed(text[last - 1])) --last;
  return text.substr(first, last - first);
}

void SplitTokens(const std::string& line, TTokenTable& tokens) {
  std::string rest = line;
  size_t blank = TrimText(line).find(' ');
  int count = 0;
  while (blank != std::string::npos && blank > 0) {
    std::string trimmed = TrimText(rest);
    if (count < TokenCount) tokens[count] = trimmed.substr(0, blank);
    ++count;
    rest = TrimText(trimmed.substr(blank + 1));
    blank = rest.find(' ');
  }
  if (count < TokenCount) tokens[count] = rest;
}

TTextLines::TTextLines(const std::string& path) : path_(path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw FileError("The file \"" + path + "\" is missing or cannot be opened.");
  std::ostringstream content;
  content << file.rdbuf();
  if (file.bad()) throw FileError("The file \"" + path + "\" cannot be read.");
  text_ = content.str();
}

std::string TTextLines::ReadLine() {
  ++lineNumber_;
  if (next_ >= text_.size()) return std::string();
  size_t end = text_.find('\n', next_);
  if (end == std::string::npos) end = text_.size();
  std::string line = text_.substr(next_, end - next_);
  next_ = end + 1;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.size() > 255) line.resize(255);
  return line;
}

static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the shape of the number and returns it rewritten with a point for strtod.
static bool NumberShape(const std::string& text, char decimalMark, std::string& plain) {
  size_t k = 0, n = text.size();
  plain.clear();
  if (k < n && (text[k] == '+' || text[k] == '-')) plain += text[k++];
  size_t digits = 0;
  while (k < n && IsDigit(text[k])) { plain += text[k++]; ++digits; }
  if (k < n && text[k] == decimalMark) {
    plain += '.';
    ++k;
    while (k < n && IsDigit(text[k])) { plain += text[k++]; ++digits; }
  }
  if (digits == 0) return false;
  if (k < n && (text[k] == 'e' || text[k] == 'E')) {
    plain += 'e';
    ++k;
    if (k < n && (text[k] == '+' || text[k] == '-')) plain += text[k++];
    size_t exponentDigits = 0;
    while (k < n && IsDigit(text[k])) { plain += text[k++]; ++exponentDigits; }
    if (exponentDigits == 0) return false;
  }
  return k == n;
}

float ReadNumber(const std::string& text, char decimalMark, const std::string& path, int line) {
  std::string where = "\"" + path + "\", line " + std::to_string(line) + ": ";
  std::string trimmed = TrimText(text);
  if (trimmed.empty()) throw ConvertError(where + "a number is missing.");
  std::string plain;
  if (!NumberShape(trimmed, decimalMark, plain))
    throw ConvertError(where + "\"" + trimmed + "\" is not a number.");
  // from_chars ignores the user's locale; the shape check has already fixed the mark.
  const char* first = plain.c_str() + (plain[0] == '+' ? 1 : 0);
  double value = 0;
  auto result = std::from_chars(first, plain.c_str() + plain.size(), value);
  if (result.ec != std::errc() || !std::isfinite((float)value))
    throw ConvertError(where + "\"" + trimmed + "\" is out of range.");
  return (float)value;
}
