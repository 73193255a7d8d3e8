#pragma once
// The user at the document's questions: replies are given in advance and
// taken in the order the questions come; with none left the user cancels or
// says No.
#include <deque>
#include <string>
#include <vector>

#include "commands/document.h"

namespace plumex::test {

struct FakeDialogs : DocumentDialogs {
  std::deque<std::string> replies;
  std::vector<std::string> asked, errors;

  std::string Reply(const std::string& question) {
    asked.push_back(question);
    const std::string reply = replies.empty() ? "" : replies.front();
    if (!replies.empty()) replies.pop_front();
    return reply;
  }
  Answer AskSaveChanges() override { return AskSaveOnClose("changes"); }
  Answer AskSaveOnClose(const std::string& name) override {
    const std::string reply = Reply(name);
    return reply == "Yes" ? Answer::Yes : reply == "No" ? Answer::No : Answer::Cancel;
  }
  std::string ChooseSavePath(const std::string&, const std::string&) override { return Reply("save as"); }
  bool ConfirmOverwrite(const std::string& path) override { return Reply(path) == "Yes"; }
  void ShowError(const std::string& message) override { errors.push_back(message); }
  bool ConfirmLossySave(std::size_t) override { return Reply("lossy") == "Yes"; }
};

}  // namespace plumex::test
