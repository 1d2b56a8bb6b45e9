#pragma once
// The HTTP client the upload uses: one blocking GET that keeps the game's messages
// flowing while it runs and reports what happens through its events, all on the main
// thread.
//
// Events, in the order they can come: OnHostResolved (the name resolved), OnConnect (the
// TCP connection stands), then one of OnSuccess (a 2xx answer), OnFailure (an answer that
// is not 2xx), OnConnectionFailed (refused, unreachable or timed out), OnInvalidHost (the
// name did not resolve). Any other failure makes Get throw HttpError after its events.
#include <functional>
#include <stdexcept>
#include <string>

struct HttpError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class THttpClient {
 public:
  THttpClient();
  ~THttpClient();
  THttpClient(const THttpClient&) = delete;
  THttpClient& operator=(const THttpClient&) = delete;

  // Settings kept from the component the game was written for. Port 0 means the
  // standard port 80 unless the address names one.
  int Port = 0;
  int ProxyPort = 0;
  int ReportLevel = 0;
  bool InputFileMode = false;
  bool OutputFileMode = false;
  std::string Header = "Head.txt";
  // After Get: the answer's text (at most BodyLimit bytes are kept).
  std::string Body = "Default.htm";
  static constexpr size_t BodyLimit = 65536;

  // Longest time a request may take, from the start to the last byte of the answer; a
  // request still open then ends as a failed connection.
  long TimeoutMilliseconds = 20000;

  // Run once per pass while a request is open; empty means Application.ProcessMessages().
  std::function<void()> OnIdle;

  std::function<void()> OnHostResolved;
  std::function<void()> OnConnect;
  std::function<void()> OnSuccess;
  std::function<void()> OnFailure;
  std::function<void()> OnConnectionFailed;
  std::function<void()> OnInvalidHost;

  // GET of `address`: "host[:port]/path?query", without a scheme (http is implied), sent
  // as HTTP/1.0 exactly as given. Returns when the transfer has ended or was cancelled.
  // Throws HttpError for failures without an event of their own, and when a request is
  // already running.
  void Get(const std::string& address);
  // Ends an open transfer at once; harmless when nothing runs. A close of the game
  // window by the window system ends it too.
  void Cancel();
  bool Busy() const { return busy_; }
  int StatusCode() const { return status_; }

 private:
  bool busy_ = false;
  bool cancelled_ = false;
  int status_ = 0;
};
