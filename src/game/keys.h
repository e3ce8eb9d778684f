#pragma once
// Virtual-key codes of key-down events and held keys, as the platform layer reports them.

namespace krattle::keys {

inline constexpr int Enter = 13;
inline constexpr int Ctrl = 17;
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Numpad2 = 98;
inline constexpr int Numpad4 = 100;
inline constexpr int Numpad6 = 102;
inline constexpr int Numpad8 = 104;
inline constexpr int F2 = 113;
inline constexpr int Equals = 187;
inline constexpr int Comma = 188;
inline constexpr int Minus = 189;
inline constexpr int Period = 190;
inline constexpr int LeftBracket = 219;
inline constexpr int RightBracket = 221;
// Letters are their capital ASCII codes.
constexpr int Letter(char c) {
  return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
}

// Keys typed into the editor's panel edits that act as the editor's commands instead: the cave,
// level and palette steps, and T for a test.
constexpr bool PassesFromEdits(int key) {
  return key == Minus || key == Equals || key == LeftBracket || key == RightBracket ||
         key == Period || key == Comma || key == Letter('T');
}

// Modifier bits of a key-down event.
inline constexpr int ShiftBit = 1;
inline constexpr int AltBit = 2;

}  // namespace krattle::keys
