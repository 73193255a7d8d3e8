#include "convert/encoding_state.h"

namespace plumex {

std::string_view EncodingPaneText(const EncodingState& state) {
  return state.EncodingKnown ? EncodingName(state.CurrentEncoding) : "---";
}

}  // namespace plumex
