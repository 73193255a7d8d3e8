#pragma once
// The keyboard switch, recording the layouts it is asked for.
#include <string>
#include <vector>

#include "platform/keyboard_layout.h"

namespace plumex::test {

struct FakeKeyboard : KeyboardLayouts {
  std::vector<std::string> activated;
  void Activate(const std::string& layoutId) override { activated.push_back(layoutId); }
};

}  // namespace plumex::test
