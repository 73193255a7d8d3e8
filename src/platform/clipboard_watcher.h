#pragma once
// The system clipboard as the program sees it: our texts go onto it, and the
// watcher tells of every change that leaves text there, ours included.
// Pictures are not text and go untold.
#include <functional>
#include <string>
#include <string_view>

namespace plumex {

class ClipboardWatcher {
 public:
  using TextHandler = std::function<void(std::u16string text)>;

  virtual ~ClipboardWatcher() = default;
  virtual void SetTextHandler(TextHandler handler) = 0;
  virtual void SetText(std::u16string_view text) = 0;
};

}  // namespace plumex
