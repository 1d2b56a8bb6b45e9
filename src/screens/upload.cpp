// The result upload: one GET to the results server with the best result of the level
// shown, its progress told in the link dialog.
#include "screens/upload.h"

#include "audio/sound.h"
#include "platform/codepage.h"
#include "platform/message_box.h"
#include "race/level_file.h"
#include "screens/level_map.h"
#include "screens/link_dialog.h"

#ifndef VONTEL_RESULTS_HOST
#define VONTEL_RESULTS_HOST "localhost"
#endif

std::string ResultsHost = VONTEL_RESULTS_HOST;
THttpClient NMHTTP1;

namespace {
constexpr const char* ErrorTitle = "Connectionerror";

bool IsBlank(char c) { return c == ' '; }

void ShowConnectionError(const std::string& text) {
  ShowMessageBox(text, ErrorTitle, MsgButtons::Ok, MsgIcon::Error);
  if (Form8) Form8->Hide();
}

bool IsUtf8(const std::string& text) {
  size_t i = 0;
  while (i < text.size()) {
    unsigned char c = text[i];
    size_t follow = 0;
    if (c < 0x80)
      follow = 0;
    else if (c >= 0xC2 && c <= 0xDF)
      follow = 1;
    else if (c >= 0xE0 && c <= 0xEF)
      follow = 2;
    else if (c >= 0xF0 && c <= 0xF4)
      follow = 3;
    else
      return false;
    if (text.size() - i <= follow) return false;
    for (size_t k = 1; k <= follow; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += follow + 1;
  }
  return true;
}

// Removes the last UTF-8 character.
void DropLastCharacter(std::string& text) {
  while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80)
    text.pop_back();
  if (!text.empty()) text.pop_back();
}

bool FitsOnALine(const std::string& text) {
  return TDrawList::TextWidth(LinkTextFont(), ReturnPrefix + text) <= LinkLineWidth;
}
}  // namespace

std::string FirstWord(const std::string& text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  std::string rest = text.substr(begin, end - begin);
  size_t blank = rest.find(' ');
  return blank == std::string::npos ? rest : rest.substr(0, blank);
}

std::string EncodeQueryItem(const std::string& text) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : text) {
    bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                      (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~';
    if (unreserved) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out;
}

std::string ResultRequest(const std::string& host, const std::string& level,
                          const std::string& name, const std::string& timeText) {
  return host + ResultPath + EncodeQueryItem(AccessCode) + "+" + EncodeQueryItem(level) + "+" +
         EncodeQueryItem(name) + "+" + EncodeQueryItem(timeText);
}

std::string AnswerShown(const std::string& body) {
  // A line never holds more than this many bytes; longer answers are cut first.
  constexpr size_t LongestLine = 400;
  std::string text = IsUtf8(body) ? body : Cp1252ToUtf8(body);
  auto isSpace = [](unsigned char c) { return c <= ' ' || c == 0x7F; };
  size_t begin = 0, end = text.size();
  while (begin < end && isSpace(text[begin])) ++begin;
  while (end > begin && isSpace(text[end - 1])) --end;
  text = text.substr(begin, end - begin);

  bool cut = false;
  size_t lineEnd = text.find_first_of("\r\n");
  if (lineEnd != std::string::npos) {
    text.resize(lineEnd);
    cut = true;
  }
  for (char& c : text)
    if (isSpace(c)) c = ' ';
  if (text.size() > LongestLine) {
    text.resize(LongestLine + 1);
    DropLastCharacter(text);
    cut = true;
  }
  if (!cut && FitsOnALine(text)) return text;
  while (!text.empty() && !FitsOnALine(text + "...")) DropLastCharacter(text);
  return text + "...";
}

bool ParseBestTime(const std::string& text, int& seconds) {
  if (text.empty() || text.size() > 9) return false;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  seconds = value;
  return true;
}

void NMHTTP1HostResolved() { Form8->Append("Host found."); }

void NMHTTP1Connect() { Form8->Append("Connected to host."); }

void NMHTTP1Success() {
  Form8->Append("Update sucessfull.");
  Form8->Append("Refer to http://" + ResultsHost + "/vontel2 for results.");
}

void NMHTTP1Failure() { ShowConnectionError("Can`t find document."); }

void NMHTTP1ConnectionFailed() {
  ShowConnectionError("Plewase establish an connection to the internet.");
}

void NMHTTP1InvalidHost() { ShowConnectionError("Can\xC2\xB4t resolve host."); }

void UploadResult() {
  if (NMHTTP1.Busy()) return;
  PlayEffect(EventChannel, ClickSample);
  NMHTTP1.InputFileMode = false;
  NMHTTP1.OutputFileMode = false;
  NMHTTP1.ReportLevel = 2;
  NMHTTP1.OnHostResolved = NMHTTP1HostResolved;
  NMHTTP1.OnConnect = NMHTTP1Connect;
  NMHTTP1.OnSuccess = NMHTTP1Success;
  NMHTTP1.OnFailure = NMHTTP1Failure;
  NMHTTP1.OnConnectionFailed = NMHTTP1ConnectionFailed;
  NMHTTP1.OnInvalidHost = NMHTTP1InvalidHost;

  Form8->ShowButton("Cancel");
  Form8->Show();
  if (BestTimeText == EndMarker) {
    Form8->SetText("\r\nNo results to poste.");
    Form8->ShowButton("OK");
    return;
  }

  int seconds = 0;
  if (!ParseBestTime(BestTimeText, seconds)) {
    ShowErrorBox("The best time \"" + Cp1252ToUtf8(BestTimeText) +
                 "\" in the level file is not a whole number of seconds.");
    return;
  }
  std::string level = FirstWord(LevelName);
  std::string name = FirstWord(BestName);
  Form8->SetText("\r\nLevel: " + Cp1252ToUtf8(level) + ". Uploading: " + Cp1252ToUtf8(name) +
                 " " + FormatTime(seconds));
  Form8->Append("Connecting host at " + ResultsHost + "/vontel2.");

  // Failures that have no event of their own end the upload without a message.
  try {
    NMHTTP1.Get(ResultRequest(ResultsHost, level, name, BestTimeText));
    NMHTTP1.Cancel();
    Form8->Append(ReturnPrefix + AnswerShown(NMHTTP1.Body));
  } catch (const std::exception&) {
  }
  Form8->ShowButton("OK");
}
