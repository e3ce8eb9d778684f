#pragma once
// Scripted input: one token per engine tick. A token is one character with an optional decimal
// repeat count; whitespace is ignored.
//   .  no input     R L U D  a direction     r l u d  a direction with fire     F  fire alone

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_state.h"

namespace krattle {

struct MovesParse {
  std::vector<InputFlags> Ticks;
  std::string Error;  // empty on success
};

MovesParse ParseMoves(std::string_view text);

// The token character for one tick's input (for writing solutions back out).
char MoveToken(const InputFlags& in);

}  // namespace krattle
