// The upload's HTTP client over libcurl's multi interface. The transfer is driven from the
// main thread in small passes; between passes the game's messages are processed, so the
// screen stays live and the player can cancel. Curl's callbacks only note what happened;
// the events are raised from the loop, outside curl, so a handler may cancel or show a
// message box safely.
#include "platform/http_client.h"

#include <curl/curl.h>

#include <algorithm>

#include "platform/application.h"

namespace {

struct TransferNotes {
  bool resolved = false;   // curl made a socket: the name has resolved
  bool connected = false;  // the connection stands and the request is about to go out
  std::string* body = nullptr;
};

size_t WriteAnswer(char* data, size_t size, size_t count, void* user) {
  auto* notes = static_cast<TransferNotes*>(user);
  size_t bytes = size * count;
  size_t room = THttpClient::BodyLimit - std::min(notes->body->size(), THttpClient::BodyLimit);
  notes->body->append(data, std::min(bytes, room));
  return bytes;  // the rest of a long answer is read and dropped
}

int SocketMade(void* user, curl_socket_t, curlsocktype) {
  static_cast<TransferNotes*>(user)->resolved = true;
  return CURL_SOCKOPT_OK;
}

int ConnectionStands(void* user, char*, char*, int, int) {
  auto* notes = static_cast<TransferNotes*>(user);
  notes->resolved = true;
  notes->connected = true;
  return CURL_PREREQFUNC_OK;
}

void EnsureCurlStarted() {
  static bool started = false;
  if (!started) {
    curl_global_init(CURL_GLOBAL_DEFAULT);
    started = true;
  }
}

// Frees the transfer however Get is left, and marks the client idle again.
struct TransferGuard {
  CURLM* multi = nullptr;
  CURL* easy = nullptr;
  bool* busy = nullptr;
  void Release() {
    if (multi && easy) curl_multi_remove_handle(multi, easy);
    if (easy) curl_easy_cleanup(easy);
    if (multi) curl_multi_cleanup(multi);
    multi = nullptr;
    easy = nullptr;
    if (busy) *busy = false;
  }
  ~TransferGuard() { Release(); }
};

void Raise(const std::function<void()>& event) {
  if (event) event();
}

}  // namespace

THttpClient::THttpClient() = default;
THttpClient::~THttpClient() = default;

void THttpClient::Cancel() {
  if (busy_) cancelled_ = true;
}

void THttpClient::Get(const std::string& address) {
  if (busy_) throw HttpError("A request is already running.");
  EnsureCurlStarted();

  TransferGuard guard;
  guard.easy = curl_easy_init();
  guard.multi = curl_multi_init();
  if (!guard.easy || !guard.multi) throw HttpError("The network could not be started.");
  busy_ = true;
  guard.busy = &busy_;
  cancelled_ = false;
  status_ = 0;
  Body.clear();

  TransferNotes notes;
  notes.body = &Body;
  std::string url = "http://" + address;
  CURL* easy = guard.easy;
  curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
  curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http");
  curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, (long)CURL_HTTP_VERSION_1_0);
  curl_easy_setopt(easy, CURLOPT_PROXY, "");  // never a proxy from the environment
  curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, TimeoutMilliseconds);
  curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, TimeoutMilliseconds);
  if (Port > 0) curl_easy_setopt(easy, CURLOPT_PORT, (long)Port);
  curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, WriteAnswer);
  curl_easy_setopt(easy, CURLOPT_WRITEDATA, &notes);
  curl_easy_setopt(easy, CURLOPT_SOCKOPTFUNCTION, SocketMade);
  curl_easy_setopt(easy, CURLOPT_SOCKOPTDATA, &notes);
  curl_easy_setopt(easy, CURLOPT_PREREQFUNCTION, ConnectionStands);
  curl_easy_setopt(easy, CURLOPT_PREREQDATA, &notes);
  curl_multi_add_handle(guard.multi, easy);

  bool resolvedRaised = false;
  bool connectRaised = false;
  bool finished = false;
  CURLcode result = CURLE_OK;
  for (;;) {
    int running = 0;
    curl_multi_perform(guard.multi, &running);
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(guard.multi, &queued)) {
      if (message->msg == CURLMSG_DONE) {
        finished = true;
        result = message->data.result;
      }
    }
    if (notes.resolved && !resolvedRaised) {
      resolvedRaised = true;
      Raise(OnHostResolved);
    }
    if (notes.connected && !connectRaised && !cancelled_) {
      connectRaised = true;
      Raise(OnConnect);
    }
    if (finished || running == 0 || cancelled_) break;
    curl_multi_poll(guard.multi, nullptr, 0, 10, nullptr);
    if (OnIdle)
      OnIdle();
    else
      Application.ProcessMessages();
    // The game is being closed: it must not wait for the server.
    if (Application.CloseRequested) cancelled_ = true;
    if (cancelled_) break;
  }

  long status = 0;
  curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
  status_ = (int)status;
  bool cancelled = cancelled_;
  guard.Release();
  if (cancelled) return;
  if (!finished) throw HttpError("The transfer ended without an answer.");

  switch (result) {
    case CURLE_OK:
      if (status >= 200 && status <= 299)
        Raise(OnSuccess);
      else
        Raise(OnFailure);
      return;
    case CURLE_COULDNT_RESOLVE_HOST:
      Raise(OnInvalidHost);
      return;
    case CURLE_OPERATION_TIMEDOUT:
      // Still waiting for the name when time ran out: the host cannot be resolved.
      Raise(notes.resolved ? OnConnectionFailed : OnInvalidHost);
      return;
    case CURLE_COULDNT_CONNECT:
      Raise(OnConnectionFailed);
      return;
    default:
      throw HttpError(curl_easy_strerror(result));
  }
}
