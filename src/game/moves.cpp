#include "game/moves.h"

#include <cctype>

namespace krattle {

namespace {

std::optional<InputFlags> FlagsFor(char c) {
  InputFlags f;
  switch (c) {
    case '.': break;
    case 'R': f.InputRight = true; break;
    case 'L': f.InputLeft = true; break;
    case 'U': f.InputUp = true; break;
    case 'D': f.InputDown = true; break;
    case 'r': f.InputRight = f.InputFire = true; break;
    case 'l': f.InputLeft = f.InputFire = true; break;
    case 'u': f.InputUp = f.InputFire = true; break;
    case 'd': f.InputDown = f.InputFire = true; break;
    case 'F': f.InputFire = true; break;
    default: return std::nullopt;
  }
  return f;
}

}  // namespace

MovesParse ParseMoves(std::string_view text) {
  // A repeat count this large is surely a typo; refusing it keeps memory bounded.
  constexpr long kMaxTicks = 10'000'000;
  MovesParse out;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (std::isspace(static_cast<unsigned char>(c))) {
      ++i;
      continue;
    }
    auto flags = FlagsFor(c);
    if (!flags) {
      out.Error =
          std::string("unknown move character '") + c + "' at position " + std::to_string(i + 1);
      out.Ticks.clear();
      return out;
    }
    ++i;
    long count = 1;
    if (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
      count = 0;
      while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        count = count * 10 + (text[i] - '0');
        if (count > kMaxTicks) {
          out.Error = "repeat count too large at position " + std::to_string(i + 1);
          out.Ticks.clear();
          return out;
        }
        ++i;
      }
    }
    if (static_cast<long>(out.Ticks.size()) + count > kMaxTicks) {
      out.Error = "more than 10000000 ticks of input";
      out.Ticks.clear();
      return out;
    }
    out.Ticks.insert(out.Ticks.end(), static_cast<std::size_t>(count), *flags);
  }
  return out;
}

char MoveToken(const InputFlags& in) {
  if (in.InputRight) return in.InputFire ? 'r' : 'R';
  if (in.InputLeft) return in.InputFire ? 'l' : 'L';
  if (in.InputUp) return in.InputFire ? 'u' : 'U';
  if (in.InputDown) return in.InputFire ? 'd' : 'D';
  return in.InputFire ? 'F' : '.';
}

}  // namespace krattle
