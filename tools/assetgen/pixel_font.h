#pragma once
// Our 5 x 7 letter shapes, used for the font set's glyphs and the title lettering.

namespace assetgen {

// Seven rows of five cells ('#' set) for a character, or nullptr when it has no glyph.
const char* const* GlyphRows(char ch);

}  // namespace assetgen
