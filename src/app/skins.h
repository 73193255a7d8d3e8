#pragma once
// The skins of the Skins folder and the one in force: which archive dresses
// the tool bar, and who made it. Every apply rebuilds the bar from scratch,
// so the hints follow the language in force.
#include <functional>
#include <string>
#include <vector>

#include "config/tool_bar_layout.h"

namespace plumex {

class ToolBar;

class Skins {
 public:
  // `folder` holds the "*.zip" skins and ends with '/'.
  Skins(ToolBar& bar, std::string folder) : bar_(bar), folder_(std::move(folder)) {}

  // Lists the skins, sorted by name with letter case ignored, so a stored
  // style index keeps its skin.
  void Scan();
  // Skin names, without ".zip": style n is names()[n - 1].
  const std::vector<std::string>& names() const { return names_; }

  // Builds the bar of style `style` (0: the built-in look). A style above
  // the skins found becomes 0, in `style` too. A skin that cannot be read is
  // reported and gives the built-in bar: the bar is never left empty by it.
  void Apply(int& style, const std::function<void(const std::string&)>& report);

  // The author named by the skin in force; empty for the built-in look and
  // for a skin that names none.
  const std::string& author() const { return author_; }
  const std::string& authorEmail() const { return authorEmail_; }

 private:
  // Why the skin could not be used; empty when it was.
  std::string ApplyArchive(const std::string& path);
  void ApplyBuiltIn();

  ToolBar& bar_;
  std::string folder_;
  std::vector<std::string> names_;
  ToolSlots slots_{};
  std::string author_;
  std::string authorEmail_;
};

}  // namespace plumex
