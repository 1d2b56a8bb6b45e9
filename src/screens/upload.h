#pragma once
// The result upload of the level map ("Load to Internet"): the best result of the level
// shown goes to the results server in one request, and the link dialog reports how it
// went, line by line.
#include <string>

#include "platform/http_client.h"

// The results server, host or host:port; set by the build, changed by tests.
extern std::string ResultsHost;
// The client the upload sends through.
extern THttpClient NMHTTP1;

inline constexpr const char* AccessCode = "mirvak";
inline constexpr const char* ResultPath = "/vontel2/import.php3?";
inline constexpr const char* ReturnPrefix = "Return: ";

// Leading and trailing blanks removed, then the part before the first blank.
std::string FirstWord(const std::string& text);
// Every byte outside A-Z a-z 0-9 - . _ ~ as %XX, so no item can change the request.
std::string EncodeQueryItem(const std::string& text);
// host + "/vontel2/import.php3?" + access code, level, name and time, each encoded,
// joined by "+". Level and name are the level file's Windows-1252 bytes.
std::string ResultRequest(const std::string& host, const std::string& level,
                          const std::string& name, const std::string& timeText);
// The first line of the server's answer as UTF-8 text, cut so that it fits after
// "Return: " on one line of the link dialog ("..." marks a cut).
std::string AnswerShown(const std::string& body);
// A best-times line as whole seconds: decimal digits only.
bool ParseBestTime(const std::string& text, int& seconds);

// Label8Click of the level map. A click while an upload runs is ignored.
void UploadResult();

// The client's events.
void NMHTTP1HostResolved();
void NMHTTP1Connect();
void NMHTTP1Success();
void NMHTTP1Failure();
void NMHTTP1ConnectionFailed();
void NMHTTP1InvalidHost();
