// The configuration file as an installation supplies it: line 2 "0" so that the first start
// runs the setup dialog, and the defaults the setup dialog would write on the other lines.
#include "level_dataset.h"
#include "level_io.h"

void WriteInstallConfig(const std::string& dataDir) {
  const char* lines[] = {"<#Vontel ][ Config File // do not edit // generated automatic",
                         "0", "100", "170", "170", "0"};
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  WriteFileBytes(JoinPath(dataDir, "vontel.cfg"), text);
}
