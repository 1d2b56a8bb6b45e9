#pragma once
// Splits a caption into lines: LF, CR, LF CR and CR LF each make one break.
#include <string>
#include <vector>

std::vector<std::string> SplitLines(const std::string& text);
