#pragma once
// The configuration file data/vontel.cfg: six text lines, read afresh by every reader and
// written whole by the setup dialog and the options screen.
#include <array>
#include <string>
#include <vector>

inline constexpr const char* ConfigFileName = "data/vontel.cfg";
inline constexpr const char* ConfigHeader =
    "<#Vontel ][ Config File // do not edit // generated automatic";
inline constexpr int ConfigLineCount = 6;
inline constexpr size_t ConfigMaxLineLength = 255;

// Reads the first `count` lines of the configuration file (at most 255 characters each;
// CR LF or LF line ends). Lines past the end of the file are empty. Throws FileError when
// the file cannot be opened or read.
std::vector<std::string> ReadConfigLines(int count, const std::string& path = ConfigFileName);

// Converts configuration line `lineNumber` (1-based) to an integer as a decimal number.
// Throws ConvertError naming the file and the line when it is not a whole number.
int ConfigInteger(const std::string& line, int lineNumber,
                  const std::string& path = ConfigFileName);

// Writes all six lines with CR LF ends to a new file beside the old one and renames it
// over, so a failed write never leaves a truncated configuration. Throws FileError.
void WriteConfigFile(const std::array<std::string, ConfigLineCount>& lines,
                     const std::string& path = ConfigFileName);
