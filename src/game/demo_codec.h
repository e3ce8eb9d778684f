#pragma once
// A demo byte holds an input code (0 none, 1..4 right/down/left/up, 5..8 the same with fire)
// and the number of consecutive engine ticks it lasted. Each code owns a range of byte values,
// which caps its run: 50, 30, 20, 30, 20, 40, 10, 40, 10 ticks.

#include <cstdint>

#include "engine/engine_state.h"

namespace krattle {

struct DemoRun {
  int Code = 0;
  int Run = 1;
};

int RunLimit(int code);
std::uint8_t EncodeDemoByte(int code, int run);
DemoRun DecodeDemoByte(std::uint8_t value);

// The code of a tick's input. Later directions win; fire without a direction counts as none.
int InputCodeOf(const InputFlags& in);
// Sets the flags as the code says. Code 0 leaves fire as it was.
void ApplyInputCode(int code, InputFlags& in);

}  // namespace krattle
