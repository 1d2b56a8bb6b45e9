#pragma once
// Reading the text of model files and the model list: lines, tokens and numbers.
#include <string>
#include <vector>

inline constexpr int TokenCount = 61;
using TTokenTable = std::string[TokenCount];

// Splits a line at blanks into the table; entries past the line's last token keep their
// values. A line with no blank inside sets token 0 only, to the line exactly as read.
// Tokens beyond the 61st are dropped.
void SplitTokens(const std::string& line, TTokenTable& tokens);

// Removes blanks and control characters from both ends.
std::string TrimText(const std::string& text);

// A whole text file read as lines (CR LF or LF ends, each line cut at 255 characters).
// Reading past the last line gives empty lines, as a text file does.
class TTextLines {
 public:
  // Throws FileError naming the file when it is missing or cannot be read.
  explicit TTextLines(const std::string& path);
  std::string ReadLine();
  bool AtEnd() const { return next_ >= text_.size(); }
  int LineNumber() const { return lineNumber_; }  // of the line read last
  const std::string& Path() const { return path_; }

 private:
  std::string path_, text_;
  size_t next_ = 0;
  int lineNumber_ = 0;
};

// A number written with `decimalMark` as its decimal mark: optional sign, digits, the
// mark, digits, an optional exponent with E or e. Surrounding blanks are allowed. Throws
// ConvertError naming the file and line when the text is not such a number.
float ReadNumber(const std::string& text, char decimalMark, const std::string& path, int line);
