#include "game/demo_codec.h"

namespace krattle {

namespace {
struct CodeRange {
  int First;  // byte value of run 1
  int Limit;
};
constexpr CodeRange kRanges[9] = {{0, 50},   {50, 30},  {80, 20},  {100, 30}, {130, 20},
                                  {150, 40}, {190, 10}, {200, 40}, {240, 10}};
}  // namespace

int RunLimit(int code) {
  return code >= 0 && code <= 8 ? kRanges[code].Limit : 1;
}

std::uint8_t EncodeDemoByte(int code, int run) {
  if (code < 0 || code > 8) code = 0;
  if (run < 1) run = 1;
  if (run > kRanges[code].Limit) run = kRanges[code].Limit;
  return static_cast<std::uint8_t>(kRanges[code].First + run - 1);
}

DemoRun DecodeDemoByte(std::uint8_t value) {
  // 250..255 are never written. A file from elsewhere may hold them; they are read as one
  // tick without input, so the demo goes on with its timing nearly intact.
  if (value >= 250) return {0, 1};
  int code = 8;
  while (value < kRanges[code].First) --code;
  return {code, value - kRanges[code].First + 1};
}

int InputCodeOf(const InputFlags& in) {
  int code = 0;
  if (in.InputRight) code = 1;
  if (in.InputDown) code = 2;
  if (in.InputLeft) code = 3;
  if (in.InputUp) code = 4;
  if (code != 0 && in.InputFire) code += 4;
  return code;
}

void ApplyInputCode(int code, InputFlags& in) {
  const int dir = code > 4 ? code - 4 : code;
  in.InputRight = dir == 1;
  in.InputDown = dir == 2;
  in.InputLeft = dir == 3;
  in.InputUp = dir == 4;
  if (code >= 1 && code <= 4) in.InputFire = false;
  if (code >= 5) in.InputFire = true;
}

}  // namespace krattle
