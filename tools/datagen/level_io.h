#pragma once
// Whole-file reads and writes for the generator and the checker.
#include <string>

// Throws std::runtime_error naming the file.
void WriteFileBytes(const std::string& path, const std::string& bytes);
// False when the file cannot be opened.
bool ReadFileBytes(const std::string& path, std::string& bytes);
std::string JoinPath(const std::string& dir, const std::string& name);
