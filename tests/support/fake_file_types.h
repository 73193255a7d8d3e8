#pragma once
// File types held in memory: what is registered, extensions the system
// refuses, a state that cannot be read, and the code-page values written.
#include <map>
#include <set>
#include <string>

#include "platform/file_types.h"

namespace plumex::test {

class FakeFileTypes : public FileTypes {
 public:
  bool Register(const std::string& ext) override {
    if (!refused.contains(ext)) registered.insert(ext);
    return !refused.contains(ext);
  }
  bool Unregister(const std::string& ext) override {
    if (!refused.contains(ext)) registered.erase(ext);
    return !refused.contains(ext);
  }
  Registration Registered(const std::string& ext) const override {
    return unreadable ? Registration::Unknown : registered.contains(ext) ? Registration::Yes : Registration::No;
  }
  bool IsViewSourceEditor() const override { return viewSource; }
  void SetViewSourceEditor(bool on) override { viewSource = on; }
  std::string CodePage(CodePageValue value) const override { return codePages.at(value); }
  void SetCodePage(CodePageValue value, const std::string& data) override { codePages[value] = data; }

  std::set<std::string> registered, refused;
  bool unreadable = false;
  bool viewSource = false;
  std::map<CodePageValue, std::string> codePages = {{CodePageValue::Cp1251, "c_1251.nls"},
                                                   {CodePageValue::Cp1252, "c_1252.nls"},
                                                   {CodePageValue::Cp1253, "c_1253.nls"}};
};

}  // namespace plumex::test
