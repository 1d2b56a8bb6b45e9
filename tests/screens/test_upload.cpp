// The result upload: the words and the request it builds, and the link dialog and message
// boxes for each way a request can end, against servers of the test's own on 127.0.0.1.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/test_http_server.h"
#include "screens/level_map.h"
#include "screens/link_dialog.h"
#include "screens/upload.h"

namespace {

struct Box {
  std::string text, title;
};

class Upload : public ::testing::Test {
 protected:
  std::vector<Box> boxes;
  std::vector<std::string> errors;  // the standard error box, by its text

  void SetUp() override {
    Form8 = new TForm8();
    NMHTTP1.OnIdle = [] {};
    NMHTTP1.TimeoutMilliseconds = 20000;
    MessageBoxHook = [this](const std::string& text, const std::string& title, MsgButtons) {
      boxes.push_back({text, title});
      return MsgResult::Ok;
    };
    LevelName = "Upper River";
    BestName = "Anna Maria";
    BestTimeText = "83";
  }
  void TearDown() override {
    MessageBoxHook = nullptr;
    delete Form8;
    Form8 = nullptr;
  }
  static std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); i++) text += (i ? "\r\n" : "") + lines[i];
    return text;
  }
  std::string ConnectingLine() const { return "Connecting host at " + ResultsHost + "/vontel2."; }
};

}  // namespace

TEST(UploadWords, FirstWordTakesThePartBeforeTheFirstBlank) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Anna Maria", "Anna"}, {"  Bob  ", "Bob"},   {"Upper River", "Upper"},
      {"", ""},               {"     ", ""},        {"one", "one"},
      {"a  b", "a"},          {" x y z ", "x"},     {"Jo+Jo&Co", "Jo+Jo&Co"},
  };
  for (const auto& [text, word] : cases) EXPECT_EQ(FirstWord(text), word) << "'" << text << "'";
}

TEST(UploadWords, ItemsAreEncodedOutsideTheUnreservedCharacters) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Upper", "Upper"},
      {"a-b.c_d~e09", "a-b.c_d~e09"},
      {"Jo+Jo&Co#1", "Jo%2BJo%26Co%231"},
      {"50%", "50%25"},
      {"a/b?c=d", "a%2Fb%3Fc%3Dd"},
      {"Caf\xE9", "Caf%E9"},  // a Windows-1252 byte from a level file
      {"x\ty", "x%09y"},
      {"", ""},
  };
  for (const auto& [text, encoded] : cases) EXPECT_EQ(EncodeQueryItem(text), encoded) << text;
  EXPECT_EQ(ResultRequest("host:81", "Upper", "Anna", "83"),
            "host:81/vontel2/import.php3?mirvak+Upper+Anna+83");
}

TEST(UploadWords, BestTimeMustBeWholeSeconds) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"83", true}, {"0", true},   {"605", true}, {"", false},  {"#eop", false},
      {"8 3", false}, {"-5", false}, {"1.5", false}, {"12a", false}, {"9999999999", false},
  };
  for (const auto& [text, valid] : cases) {
    int seconds = -1;
    EXPECT_EQ(ParseBestTime(text, seconds), valid) << "'" << text << "'";
  }
  int seconds = 0;
  ASSERT_TRUE(ParseBestTime("605", seconds));
  EXPECT_EQ(seconds, 605);
}

TEST(UploadWords, AnswerIsShownAsItsFirstLine) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Thanks!", "Thanks!"},
      {"\r\n  stored \r\n", "stored"},
      {"line one\nline two", "line one..."},
      {"tab\there", "tab here"},
      {"Caf\xE9", "Caf\xC3\xA9"},          // Windows-1252 shown as UTF-8
      {"Caf\xC3\xA9", "Caf\xC3\xA9"},      // UTF-8 kept
      {"", ""},
  };
  for (const auto& [body, shown] : cases) EXPECT_EQ(AnswerShown(body), shown) << body;
}

TEST(UploadWords, LongAnswerIsCutToWhatTheDialogLineHolds) {
  auto width = [](const std::string& text) {
    return TDrawList::TextWidth(LinkTextFont(), ReturnPrefix + text);
  };
  std::string accents;
  for (int i = 0; i < 120; i++) accents += "\xC3\xA9";
  for (const std::string& body : {std::string(100, 'x'), std::string(100, 'W'),
                                  std::string(300, 'i'), accents, std::string(70000, 'a')}) {
    std::string shown = AnswerShown(body);
    ASSERT_GE(shown.size(), 4u);
    ASSERT_EQ(shown.substr(shown.size() - 3), "...");
    std::string kept = shown.substr(0, shown.size() - 3);
    EXPECT_EQ(body.compare(0, kept.size(), kept), 0) << "not a prefix: " << shown;
    EXPECT_LE(width(shown), LinkLineWidth) << shown;
    // As much as fits is kept: one more character would not fit.
    size_t next = kept.size() + (body[kept.size()] == '\xC3' ? 2 : 1);
    EXPECT_GT(width(body.substr(0, next) + "..."), LinkLineWidth) << shown;
  }
  // An answer that just fits is shown whole.
  std::string fits;
  while (width(fits + "x") <= LinkLineWidth) fits += "x";
  EXPECT_EQ(AnswerShown(fits), fits);
}

TEST_F(Upload, SuccessfulUploadTellsEveryStepAndTheAnswer) {
  TestHttpServer server(HttpResponse(200, "Result stored, thanks."));
  ResultsHost = server.Address();
  UploadResult();
  EXPECT_EQ(server.RequestLine(), "GET /vontel2/import.php3?mirvak+Upper+Anna+83 HTTP/1.0");
  EXPECT_EQ(Form8->Label1->Caption,
            Lines({"", "Level: Upper. Uploading: Anna 1:23", ConnectingLine(), "Host found.",
                   "Connected to host.", "Update sucessfull.",
                   "Refer to http://" + ResultsHost + "/vontel2 for results.",
                   "Return: Result stored, thanks."}));
  EXPECT_TRUE(Form8->Visible());
  EXPECT_TRUE(Form8->Button1->Visible);
  EXPECT_EQ(Form8->Button1->Caption, "OK");
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Upload, TimeIsSentAsReadAndShownAsMinutes) {
  TestHttpServer server(HttpResponse(200, "ok"));
  ResultsHost = server.Address();
  BestTimeText = "605";
  UploadResult();
  EXPECT_EQ(server.RequestLine(), "GET /vontel2/import.php3?mirvak+Upper+Anna+605 HTTP/1.0");
  const std::string opening = "\r\nLevel: Upper. Uploading: Anna 10:05\r\n";
  EXPECT_EQ(Form8->Label1->Caption.substr(0, opening.size()), opening);
}

TEST_F(Upload, NamesThatLookLikeQuerySyntaxArriveIntact) {
  TestHttpServer server(HttpResponse(200, "ok"));
  ResultsHost = server.Address();
  LevelName = "  R&B#2+  Canyon";
  BestName = "Jo+Jo&Co=1 Smith";
  UploadResult();
  EXPECT_EQ(server.RequestLine(),
            "GET /vontel2/import.php3?mirvak+R%26B%232%2B+Jo%2BJo%26Co%3D1+83 HTTP/1.0");
  EXPECT_NE(Form8->Label1->Caption.find("Level: R&B#2+. Uploading: Jo+Jo&Co=1 1:23"),
            std::string::npos);
}

TEST_F(Upload, NotFoundShowsTheDocumentBoxAndHidesTheDialog) {
  TestHttpServer server(HttpResponse(404, "Not here"));
  ResultsHost = server.Address();
  UploadResult();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Can`t find document.");
  EXPECT_EQ(boxes[0].title, "Connectionerror");
  EXPECT_FALSE(Form8->Visible());
  EXPECT_EQ(Form8->Button1->Caption, "OK");
}

TEST_F(Upload, RefusedConnectionAsksForAnInternetConnection) {
  RefusingPort port;
  ResultsHost = port.Address();
  UploadResult();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Plewase establish an connection to the internet.");
  EXPECT_EQ(boxes[0].title, "Connectionerror");
  EXPECT_FALSE(Form8->Visible());
}

TEST_F(Upload, UnknownHostCannotBeResolved) {
  ResultsHost = "vontel-results.invalid";
  UploadResult();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Can\xC2\xB4t resolve host.");
  EXPECT_EQ(boxes[0].title, "Connectionerror");
  EXPECT_FALSE(Form8->Visible());
}

TEST_F(Upload, ServerThatNeverAnswersEndsAsAFailedConnection) {
  TestHttpServer server("", TestHttpServer::Silent);
  ResultsHost = server.Address();
  NMHTTP1.TimeoutMilliseconds = 300;
  UploadResult();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Plewase establish an connection to the internet.");
  EXPECT_FALSE(Form8->Visible());
  EXPECT_TRUE(server.WaitForClientClose());
}

TEST_F(Upload, CancelHidesTheDialogAtOnceAndEndsTheTransfer) {
  TestHttpServer server("", TestHttpServer::Silent);
  ResultsHost = server.Address();
  bool visibleAfterCancel = true;
  NMHTTP1.OnIdle = [&] {
    if (server.RequestArrived() && Form8->Visible()) {
      EXPECT_EQ(Form8->Button1->Caption, "Cancel");
      Form8->Button1Click();
      visibleAfterCancel = Form8->Visible();
    }
  };
  UploadResult();
  EXPECT_FALSE(visibleAfterCancel);
  EXPECT_TRUE(server.WaitForClientClose());
  EXPECT_TRUE(boxes.empty());
  EXPECT_FALSE(Form8->Visible());
  EXPECT_FALSE(NMHTTP1.Busy());
}

TEST_F(Upload, ServerThatHangsUpEndsQuietlyWithOK) {
  TestHttpServer server("", TestHttpServer::HangUp);
  ResultsHost = server.Address();
  UploadResult();
  EXPECT_TRUE(boxes.empty());
  EXPECT_TRUE(Form8->Visible());
  EXPECT_EQ(Form8->Button1->Caption, "OK");
  EXPECT_EQ(Form8->Label1->Caption.find("Return: "), std::string::npos);
}

TEST_F(Upload, EmptyListSendsNothing) {
  TestHttpServer server(HttpResponse(200, "ok"));
  ResultsHost = server.Address();
  Form8->SetText("left over from before");
  BestTimeText = "#eop";
  UploadResult();
  EXPECT_EQ(Form8->Label1->Caption, "\r\nNo results to poste.");
  EXPECT_EQ(Form8->Button1->Caption, "OK");
  EXPECT_TRUE(Form8->Visible());
  EXPECT_FALSE(server.RequestArrived());
  EXPECT_EQ(server.Connections(), 0);
}

TEST_F(Upload, TimeThatIsNotANumberStopsWithAnErrorAndSendsNothing) {
  for (const std::string bad : {"", "abc", "1:23"}) {
    TestHttpServer server(HttpResponse(200, "ok"));
    ResultsHost = server.Address();
    Form8->SetText("previous text");
    BestTimeText = bad;
    boxes.clear();
    UploadResult();
    ASSERT_EQ(boxes.size(), 1u) << "'" << bad << "'";
    EXPECT_NE(boxes[0].text.find("not a whole number"), std::string::npos) << boxes[0].text;
    EXPECT_EQ(Form8->Label1->Caption, "previous text");
    EXPECT_EQ(Form8->Button1->Caption, "Cancel");
    EXPECT_TRUE(Form8->Visible());
    EXPECT_EQ(server.Connections(), 0);
  }
}

TEST_F(Upload, ClickWhileAnUploadRunsIsIgnored) {
  TestHttpServer server("", TestHttpServer::Silent);
  ResultsHost = server.Address();
  NMHTTP1.OnIdle = [&] {
    if (!server.RequestArrived()) return;
    BestTimeText = "#eop";  // a second click would rewrite the dialog
    UploadResult();
    NMHTTP1.Cancel();
  };
  UploadResult();
  EXPECT_EQ(Form8->Label1->Caption.find("No results"), std::string::npos);
}

TEST_F(Upload, EachUploadStartsTheDialogAfresh) {
  {
    TestHttpServer server(HttpResponse(200, "first"));
    ResultsHost = server.Address();
    UploadResult();
  }
  TestHttpServer server(HttpResponse(200, "second"));
  ResultsHost = server.Address();
  BestName = "Bob";
  UploadResult();
  EXPECT_EQ(Form8->Label1->Caption.find("first"), std::string::npos);
  EXPECT_EQ(Form8->Label1->Caption.rfind("\r\nReturn: second"),
            Form8->Label1->Caption.size() - 16);
}

TEST_F(Upload, FullProgressTextFitsTheDialogForTheBuildsHost) {
  ResultsHost = VONTEL_RESULTS_HOST;
  Form8->SetText("\r\nLevel: Wildwater. Uploading: Alexandra 12:34");
  Form8->Append("Connecting host at " + ResultsHost + "/vontel2.");
  NMHTTP1HostResolved();
  NMHTTP1Connect();
  NMHTTP1Success();
  Form8->Append(ReturnPrefix + AnswerShown(std::string(200, 'W')));
  int width = 0, height = 0;
  TDrawList::MeasureText(Form8->Label1->Font, Form8->Label1->Caption, width, height);
  EXPECT_LE(width, LinkLineWidth) << Form8->Label1->Caption;
  EXPECT_LE(height, Form8->Label1->Height);
  EXPECT_LE(Form8->Label1->Top + Form8->Label1->Height, Form8->Button1->Top);
}
