// The HTTP client against servers of the test's own on 127.0.0.1: the request as sent, and
// which events each outcome raises, in order.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/http_client.h"
#include "platform/test_http_server.h"

namespace {

// A client whose events are written down in the order they come.
struct RecordingClient {
  THttpClient client;
  std::vector<std::string> events;
  int idlePasses = 0;
  RecordingClient() {
    client.OnHostResolved = [this] { events.push_back("resolved"); };
    client.OnConnect = [this] { events.push_back("connect"); };
    client.OnSuccess = [this] { events.push_back("success"); };
    client.OnFailure = [this] { events.push_back("failure"); };
    client.OnConnectionFailed = [this] { events.push_back("connection failed"); };
    client.OnInvalidHost = [this] { events.push_back("invalid host"); };
    client.OnIdle = [this] { idlePasses++; };
  }
};

using Events = std::vector<std::string>;

}  // namespace

TEST(HttpClient, SendsOneHttp10GetOfThePathAsGiven) {
  TestHttpServer server(HttpResponse(200, "stored"));
  RecordingClient r;
  r.client.Get(server.Address() + "/vontel2/import.php3?mirvak+A%2BB+x%26y+83");
  EXPECT_EQ(server.RequestLine(), "GET /vontel2/import.php3?mirvak+A%2BB+x%26y+83 HTTP/1.0");
  EXPECT_NE(server.Request().find("\r\nHost: " + server.Address() + "\r\n"), std::string::npos)
      << server.Request();
  EXPECT_EQ(r.client.Body, "stored");
  EXPECT_EQ(r.events, (Events{"resolved", "connect", "success"}));
  EXPECT_FALSE(r.client.Busy());
}

TEST(HttpClient, StatusDecidesBetweenSuccessAndFailure) {
  struct Case {
    int status;
    const char* event;
  };
  const std::vector<Case> cases = {{200, "success"}, {204, "success"}, {299, "success"},
                                   {301, "failure"}, {404, "failure"}, {500, "failure"}};
  for (const Case& c : cases) {
    TestHttpServer server(HttpResponse(c.status, c.status == 204 ? "" : "page"));
    RecordingClient r;
    r.client.Get(server.Address() + "/x");
    EXPECT_EQ(r.events, (Events{"resolved", "connect", c.event})) << c.status;
    EXPECT_EQ(r.client.StatusCode(), c.status);
  }
}

TEST(HttpClient, RefusedConnectionFails) {
  RefusingPort port;
  RecordingClient r;
  r.client.Get(port.Address() + "/x");
  EXPECT_EQ(r.events, (Events{"resolved", "connection failed"}));
}

TEST(HttpClient, NameThatDoesNotResolveIsAnInvalidHost) {
  RecordingClient r;
  r.client.Get("no-such-results-server.invalid/x");
  EXPECT_EQ(r.events, (Events{"invalid host"}));
}

TEST(HttpClient, ServerThatNeverAnswersTimesOutAsAFailedConnection) {
  TestHttpServer server("", TestHttpServer::Silent);
  RecordingClient r;
  r.client.TimeoutMilliseconds = 300;
  r.client.Get(server.Address() + "/x");
  EXPECT_TRUE(server.RequestArrived());
  EXPECT_EQ(r.events, (Events{"resolved", "connect", "connection failed"}));
  EXPECT_TRUE(server.WaitForClientClose());
}

TEST(HttpClient, DefaultTimeOutIsAtMostTwentySeconds) {
  THttpClient client;
  EXPECT_GT(client.TimeoutMilliseconds, 0);
  EXPECT_LE(client.TimeoutMilliseconds, 20000);
}

TEST(HttpClient, OtherFailuresThrowAfterTheirEvents) {
  TestHttpServer server("", TestHttpServer::HangUp);
  RecordingClient r;
  EXPECT_THROW(r.client.Get(server.Address() + "/x"), HttpError);
  EXPECT_EQ(r.events, (Events{"resolved", "connect"}));
  EXPECT_FALSE(r.client.Busy());
}

TEST(HttpClient, CancelWhileRunningEndsTheTransferWithoutFurtherEvents) {
  TestHttpServer server("", TestHttpServer::Silent);
  RecordingClient r;
  r.client.OnIdle = [&] {
    if (server.RequestArrived()) r.client.Cancel();
  };
  r.client.Get(server.Address() + "/x");
  EXPECT_EQ(r.events, (Events{"resolved", "connect"}));
  EXPECT_TRUE(server.WaitForClientClose());
  EXPECT_FALSE(r.client.Busy());
  r.client.Cancel();  // harmless when nothing runs
}

TEST(HttpClient, MessagesKeepFlowingAndASecondGetIsRefusedWhileOneRuns) {
  TestHttpServer server("", TestHttpServer::Silent);
  RecordingClient r;
  bool refused = false;
  r.client.OnIdle = [&] {
    if (!refused) {
      try {
        r.client.Get(server.Address() + "/again");
      } catch (const HttpError&) {
        refused = true;
      }
    }
    if (server.RequestArrived()) r.client.Cancel();
  };
  r.client.Get(server.Address() + "/first");
  EXPECT_TRUE(refused);
  EXPECT_EQ(server.Connections(), 1);
  EXPECT_EQ(server.RequestLine(), "GET /first HTTP/1.0");
}

TEST(HttpClient, LongAnswerIsKeptUpToTheLimit) {
  std::string body(THttpClient::BodyLimit + 5000, 'a');
  TestHttpServer server(HttpResponse(200, body));
  RecordingClient r;
  r.client.Get(server.Address() + "/x");
  EXPECT_EQ(r.client.Body.size(), THttpClient::BodyLimit);
  EXPECT_EQ(r.events.back(), "success");
}

TEST(HttpClient, ProxySettingsOfTheEnvironmentAreIgnored) {
  RefusingPort proxy;
  setenv("http_proxy", ("http://" + proxy.Address()).c_str(), 1);
  setenv("HTTP_PROXY", ("http://" + proxy.Address()).c_str(), 1);
  TestHttpServer server(HttpResponse(200, "direct"));
  RecordingClient r;
  r.client.Get(server.Address() + "/x");
  unsetenv("http_proxy");
  unsetenv("HTTP_PROXY");
  EXPECT_EQ(r.client.Body, "direct");
}

TEST(HttpClient, ClosingTheGameEndsARunningTransfer) {
  TestHttpServer server("", TestHttpServer::Silent);
  RecordingClient r;
  r.client.OnIdle = [&] {
    if (server.RequestArrived()) Application.CloseRequested = true;
  };
  r.client.Get(server.Address() + "/x");
  Application.CloseRequested = false;
  EXPECT_EQ(r.events, (Events{"resolved", "connect"}));
  EXPECT_TRUE(server.WaitForClientClose());
}
