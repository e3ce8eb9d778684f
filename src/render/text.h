#pragma once
// All on-screen text is drawn glyph by glyph from the font list.

#include <string>
#include <string_view>

#include "render/canvas.h"

namespace krattle {

inline constexpr int FontBlank = 0;
inline constexpr int FontLetterA = 1;
inline constexpr int FontDot = 37;
inline constexpr int FontDigits = 40;            // 10 per digit set
inline constexpr int FontStatusBackground = 70;  // plus the zoom mode
inline constexpr int FontDiamondIcon = 83;       // 8 per diamond style
inline constexpr int FontBombIcon = 115;

// Font item for one character; digits come in three looks (digitSet 0..2).
int FontItemFor(char ch, int digitSet);

// Draws the text and returns the x after it. With fillTo > 0 a dot leader follows up to fillTo.
int DrawText(Canvas& canvas, int x, int y, std::string_view text, int fillTo = 0, int digitSet = 0);

// Decimal text with leading zeros up to `width`; a longer number is not cut.
std::string ZeroPad(long number, int width);

}  // namespace krattle
