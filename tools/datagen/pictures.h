#pragma once
// Every JPEG picture of the data set: textures and screen pictures.
#include <string>
#include <vector>

void WritePictures(const std::string& dataDir);
// Appends a sentence naming the file for every picture that is missing or wrong.
void CheckPictures(const std::string& dataDir, std::vector<std::string>& problems);
