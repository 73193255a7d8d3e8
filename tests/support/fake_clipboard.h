#pragma once
// A clipboard that tells of every text at once, inside the call that put it
// there, as some platforms do; Copy is another program's copy.
#include <utility>

#include "platform/clipboard_watcher.h"

namespace plumex::test {

class FakeClipboard : public ClipboardWatcher {
 public:
  void SetTextHandler(TextHandler handler) override { handler_ = std::move(handler); }
  void SetText(std::u16string_view text) override { Copy(std::u16string(text)); }
  void Copy(std::u16string text) { handler_(std::move(text)); }

 private:
  TextHandler handler_;
};

}  // namespace plumex::test
