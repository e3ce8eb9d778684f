#include "render/text.h"

namespace krattle {

int FontItemFor(char ch, int digitSet) {
  if (ch >= 'A' && ch <= 'Z') return FontLetterA + (ch - 'A');
  if (ch >= 'a' && ch <= 'z') return FontLetterA + (ch - 'a');
  if (ch >= '0' && ch <= '9') {
    if (digitSet < 0 || digitSet > 2) digitSet = 0;
    return FontDigits + 10 * digitSet + (ch - '0');
  }
  switch (ch) {
    case '!': return 27;
    case '#': return 28;
    case '$': return 29;
    case '%': return 30;
    case '&': return 31;
    case '\'': return 32;
    case '(': return 33;
    case ')': return 34;
    case '+': return 35;
    case '-':
    case '_': return 36;
    case ',':
    case '.':
    case ';': return FontDot;
    case '/': return 38;
    case '=': return 39;
    default: return FontBlank;
  }
}

int DrawText(Canvas& canvas, int x, int y, std::string_view text, int fillTo, int digitSet) {
  for (char ch : text) {
    const int item = FontItemFor(ch, digitSet);
    canvas.DrawItem(ImageListId::Fonts, item, x, y);
    x += canvas.ItemPatternWidth(ImageListId::Fonts, item);
  }
  if (fillTo > 0) {
    const int w = canvas.ItemPatternWidth(ImageListId::Fonts, FontDot);
    // A font whose dot has no width would never reach fillTo.
    if (w <= 0) return x;
    x = (x / w) * w + 10;
    while (x < fillTo) {
      canvas.DrawItem(ImageListId::Fonts, FontDot, x, y);
      x += w;
    }
  }
  return x;
}

std::string ZeroPad(long number, int width) {
  std::string s = std::to_string(number);
  if (static_cast<int>(s.size()) < width)
    s.insert(0, static_cast<std::size_t>(width) - s.size(), '0');
  return s;
}

}  // namespace krattle
