#include "screens/credits_text.h"

const std::vector<std::string>& CreditsLines() {
  static const std::vector<std::string> lines = {
      "Vontel",
      " ",
      "Riverboat Racing",
      "River Edition",
      " ",
      "A production of",
      "the Vontel river team",
      " ",
      "Thanks for racing with us!",
      " ",
      "Code ",
      "*********",
      "The engine crew",
      " ",
      " ",
      "GFX",
      "*********",
      "The picture makers",
      " ",
      "Music",
      "*********",
      "The tracker band",
      "The title theme players",
      " ",
      " ",
      "Levels",
      "*********",
      "The river builders",
      "The bank shapers",
      "The checkpoint testers",
      " ",
      " ",
      "www.vontel.example",
      " ",
      "and for superior lanpartyfeeling",
      "refer to",
      "lan.vontel.example",
      " ",
      "Thanks for racing with us!",
  };
  return lines;
}

int CreditsLabelTop(int tick, int currentTop) {
  if (tick < CreditsScrollTicks) return 370 - tick / 4;
  return currentTop;
}
