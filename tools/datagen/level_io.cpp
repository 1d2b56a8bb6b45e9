#include "level_io.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), (std::streamsize)bytes.size());
  file.close();
  if (!file) throw std::runtime_error("cannot write " + path);
}

bool ReadFileBytes(const std::string& path, std::string& bytes) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::ostringstream all;
  all << file.rdbuf();
  bytes = all.str();
  return true;
}

std::string JoinPath(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  return dir.back() == '/' ? dir + name : dir + "/" + name;
}
