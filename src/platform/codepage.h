#pragma once
// Level and configuration files are single-byte Windows-1252 text; the UI speaks UTF-8.
#include <string>

std::string Cp1252ToUtf8(const std::string& text);
// Converts UTF-8 to Windows-1252. Returns false (and leaves `out` unspecified) when the
// text holds a character the code page cannot hold or is not valid UTF-8.
bool Utf8ToCp1252(const std::string& text, std::string& out);
