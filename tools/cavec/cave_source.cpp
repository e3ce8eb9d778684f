#include "cave_source.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <sstream>

#include "generator/cave_generator.h"

namespace krattle::cavec {
namespace {

struct Legend {
  char C;
  Element E;
};
constexpr Legend kLegend[] = {
    {' ', Space},
    {'.', Dirt},
    {'w', Wall},
    {'#', SteelWall},
    {'M', MagicWall},
    {'X', ExitClosed},
    {'E', Entrance},
    {'o', BoulderStationary},
    {'O', BoulderFalling},
    {'g', BoulderGlued},
    {'*', DiamondStationary},
    {'+', DiamondFalling},
    {'d', DiamondGlued},
    {'f', FireflyLeft},
    {'F', FireflyRight},
    {'q', ButterflyDown},
    {'Q', ButterflyUp},
    {'j', AltFireflyLeft},
    {'k', AltButterflyDown},
    {'A', Amoeba},
    {'a', Acid},
    {'S', Slime},
    {'h', HorizExpWall},
    {'v', VertExpWall},
    {'x', BothDirExpWall},
    {'W', WallFalling},
    {'B', BombSolid},
    {'G', BombGlued},
    {'b', Bomb},
    {'c', Clock},
    {'Y', Dummy},
};

enum class Kind { Byte, Signed, Flag, Choice, SlimeList, GenItem };

struct Key {
  const char* Name;
  int Row;  // RowA or RowB
  int Column;
  Kind K;
  int Lo, Hi;
  bool Generator;
};

constexpr Key kKeys[] = {
    {"time", RowA, 0, Kind::Byte, 1, 255, false},
    {"diamonds", RowA, 1, Kind::Byte, 1, 255, false},
    {"value", RowA, 2, Kind::Byte, 0, 99, false},
    {"bonus", RowA, 3, Kind::Byte, 0, 99, false},
    {"magic-time", RowA, 4, Kind::Byte, 1, 255, false},
    {"amoeba-time", RowA, 5, Kind::Byte, 1, 255, false},
    {"amoeba-max", RowA, 6, Kind::Byte, 1, 255, false},
    {"amoeba-slow", RowA, 7, Kind::Byte, 1, 255, false},
    {"amoeba-fast", RowA, 8, Kind::Byte, 1, 255, false},
    {"slime", RowA, 9, Kind::Byte, 1, 255, false},
    {"inbox", RowA, 10, Kind::Byte, 1, 40, false},
    {"pushing", RowA, 11, Kind::Byte, 1, 8, false},
    {"seed", RowA, 12, Kind::Byte, 0, 255, true},
    {"p1", RowA, 13, Kind::Byte, 0, 255, true},
    {"p2", RowA, 14, Kind::Byte, 0, 255, true},
    {"p3", RowA, 15, Kind::Byte, 0, 255, true},
    {"p4", RowA, 16, Kind::Byte, 0, 255, true},
    {"initial", RowA, 17, Kind::GenItem, 0, 0, true},
    {"item1", RowA, 18, Kind::GenItem, 0, 0, true},
    {"item2", RowA, 19, Kind::GenItem, 0, 0, true},
    {"item3", RowA, 20, Kind::GenItem, 0, 0, true},
    {"item4", RowA, 21, Kind::GenItem, 0, 0, true},
    {"boulder-style", RowA, 30, Kind::Byte, 0, 4, false},
    {"dirt-style", RowA, 31, Kind::Byte, 0, 8, false},
    {"wall-style", RowA, 32, Kind::Byte, 0, 3, false},
    {"magic-wall-style", RowA, 33, Kind::Byte, 0, 1, false},
    {"steel-style", RowA, 34, Kind::Byte, 0, 3, false},
    {"firefly-style", RowA, 35, Kind::Byte, 0, 3, false},
    {"butterfly-style", RowA, 36, Kind::Byte, 0, 3, false},
    {"diamond-style", RowA, 37, Kind::Byte, 0, 3, false},
    {"exit-style", RowA, 38, Kind::Byte, 0, 3, false},
    {"acid-speed", RowB, 10, Kind::Byte, 1, 255, false},
    {"extra-time", RowB, 11, Kind::Signed, -100, 100, false},
    {"magic-stops-amoeba", RowB, 12, Kind::Flag, 0, 0, false},
    {"big-intermission", RowB, 13, Kind::Flag, 0, 0, false},
    {"enclosed-amoeba", RowB, 14, Kind::Choice, 0, 0, false},
    {"too-big-amoeba", RowB, 15, Kind::Choice, 0, 0, false},
    {"regular-explosion", RowB, 16, Kind::Choice, 0, 0, false},
    {"bomb-explosion", RowB, 17, Kind::Choice, 0, 0, false},
    {"solid-bomb-explosion", RowB, 18, Kind::Choice, 0, 0, false},
    {"butterfly-explosion", RowB, 19, Kind::Choice, 0, 0, false},
    {"falling-boulder", RowB, 20, Kind::Choice, 0, 0, false},
    {"falling-diamonds", RowB, 21, Kind::Choice, 0, 0, false},
    {"diamond-in-magic", RowB, 22, Kind::Choice, 0, 0, false},
    {"acid-eats", RowB, 23, Kind::Choice, 0, 0, false},
    {"slime-lets-through", RowB, 24, Kind::SlimeList, 0, 0, false},
};

const Key* FindKey(const std::string& name) {
  for (const Key& k : kKeys)
    if (name == k.Name) return &k;
  return nullptr;
}

// The generator list is ElementChoices without the births, the bomb-carrying Dravik, the open
// exit, the ignited bomb and the explosions; its entries go by the same names.
std::optional<int> GeneratorIndexOf(const std::string& name) {
  int index = 0;
  for (int c = 0; c < 48; ++c) {
    if (c == 9 || c == 11 || c == 12 || c == 14 || c == 36) continue;
    if (ElementName(ElementChoices[c]) == name) return index;
    ++index;
  }
  return std::nullopt;
}

std::optional<int> ChoiceIndexOf(const std::string& name) {
  for (int c = 0; c < ElementChoiceCount - 1; ++c)
    if (ElementName(ElementChoices[c]) == name) return c;
  return std::nullopt;
}

std::optional<int> Number(const std::string& s) {
  if (s.empty() || s.size() > 6) return std::nullopt;
  std::size_t i = s[0] == '-' || s[0] == '+' ? 1 : 0;
  if (i == s.size()) return std::nullopt;
  int v = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return std::nullopt;
    v = v * 10 + (s[i] - '0');
  }
  return s[0] == '-' ? -v : v;
}

// Turns a value into the stored byte, or explains why it cannot.
std::optional<std::uint8_t> Encode(const Key& k, const std::string& v, std::string& why) {
  switch (k.K) {
    case Kind::Byte:
    case Kind::Signed: {
      auto n = Number(v);
      if (!n || *n < k.Lo || *n > k.Hi) {
        why = std::string(k.Name) + " must be a number from " + std::to_string(k.Lo) + " to " +
              std::to_string(k.Hi);
        return std::nullopt;
      }
      return static_cast<std::uint8_t>(k.K == Kind::Signed ? *n + 100 : *n);
    }
    case Kind::Flag:
      if (v == "yes") return 255;
      if (v == "no") return 0;
      why = std::string(k.Name) + " must be yes or no";
      return std::nullopt;
    case Kind::Choice:
      if (auto c = ChoiceIndexOf(v)) return static_cast<std::uint8_t>(*c);
      why = "unknown element '" + v + "'";
      return std::nullopt;
    case Kind::GenItem:
      if (auto g = GeneratorIndexOf(v)) return static_cast<std::uint8_t>(*g);
      why = "unknown generator item '" + v + "'";
      return std::nullopt;
    case Kind::SlimeList: {
      static const char* kNames[] = {"all", "all-but-bombs", "all-but-boulders",
                                     "all-but-diamonds"};
      for (int i = 0; i < 4; ++i)
        if (v == kNames[i]) return static_cast<std::uint8_t>(i);
      why = "slime-lets-through must be all, all-but-bombs, all-but-boulders or all-but-diamonds";
      return std::nullopt;
    }
  }
  return std::nullopt;
}

struct Setting {
  const Key* K;
  std::uint8_t Byte;
};
struct Put {
  int X, Y;
  Element E;
  int Line;
};
struct Part {
  std::vector<Setting> Settings;
  std::vector<std::string> Map;
  int MapLine = 0;
  std::vector<Put> Puts;
  bool Seen = false;
};

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> w;
  std::istringstream in(line);
  for (std::string s; in >> s;) {
    if (s[0] == ';') break;
    w.push_back(s);
  }
  return w;
}

}  // namespace

bool MapElement(char c, Element& out) {
  for (const Legend& l : kLegend)
    if (l.C == c) {
      out = l.E;
      return true;
    }
  return false;
}

int CompileCave(const std::string& fileName, const std::string& text, CaveSet& set,
                CompileError& error) {
  std::vector<std::string> lines;
  {
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) {
      if (!l.empty() && l.back() == '\r') l.pop_back();
      lines.push_back(l);
    }
  }
  auto fail = [&](int line, const std::string& msg) {
    error = {fileName, line, msg};
    return -1;
  };

  int cave = -1;
  Part common;
  std::array<Part, LevelCount> levels;
  Part* current = &common;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int lineNo = static_cast<int>(i) + 1;
    const auto w = Words(lines[i]);
    if (w.empty()) continue;
    if (w[0] == "cave") {
      if (w.size() != 2 || w[1].size() != 1 || w[1][0] < 'A' || w[1][0] > 'T')
        return fail(lineNo, "cave needs one letter A..T");
      if (cave >= 0) return fail(lineNo, "a file holds one cave");
      cave = w[1][0] - 'A';
    } else if (w[0] == "name" || w[0] == "idea") {
      // For the reader of the source only.
    } else if (w[0] == "level") {
      auto n = w.size() == 2 ? Number(w[1]) : std::nullopt;
      if (!n || *n < 1 || *n > 5) return fail(lineNo, "level needs a number 1..5");
      current = &levels[*n - 1];
      if (current->Seen) return fail(lineNo, "level " + w[1] + " given twice");
      current->Seen = true;
    } else if (w[0] == "map") {
      if (cave < 0) return fail(lineNo, "map before cave");
      if (!current->Map.empty()) return fail(lineNo, "a second map for the same part");
      const int width = CaveWidthOf(cave), height = CaveHeightOf(cave);
      current->MapLine = lineNo + 1;
      for (++i; i < lines.size() && lines[i] != "end"; ++i) {
        if (static_cast<int>(lines[i].size()) != width)
          return fail(static_cast<int>(i) + 1,
                      "map rows must be exactly " + std::to_string(width) + " characters");
        current->Map.push_back(lines[i]);
      }
      if (i == lines.size()) return fail(lineNo, "map without end");
      if (static_cast<int>(current->Map.size()) != height)
        return fail(lineNo, "map must have exactly " + std::to_string(height) + " rows");
    } else if (w[0] == "put") {
      if (cave < 0) return fail(lineNo, "put before cave");
      auto x = w.size() == 4 ? Number(w[1]) : std::nullopt;
      auto y = w.size() == 4 ? Number(w[2]) : std::nullopt;
      Element e;
      if (!x || !y || w[3].size() != 1 || !MapElement(w[3][0], e) || w[3][0] == '?')
        return fail(lineNo, "put needs a column, a row and one map character");
      if (*x < 0 || *x >= CaveWidthOf(cave) || *y < 0 || *y >= CaveHeightOf(cave))
        return fail(lineNo, "put outside the cave");
      current->Puts.push_back({*x, *y, e, lineNo});
    } else {
      if (w.size() % 2 != 0) return fail(lineNo, "settings come in name value pairs");
      for (std::size_t k = 0; k < w.size(); k += 2) {
        const Key* key = FindKey(w[k]);
        if (!key) return fail(lineNo, "unknown setting '" + w[k] + "'");
        std::string why;
        auto byte = Encode(*key, w[k + 1], why);
        if (!byte) return fail(lineNo, why);
        current->Settings.push_back({key, *byte});
      }
    }
  }
  if (cave < 0) return fail(1, "no cave line");
  if (common.Map.empty())
    for (int l = 0; l < LevelCount; ++l)
      if (levels[l].Map.empty()) return fail(1, "level " + std::to_string(l + 1) + " has no map");

  for (int level = 0; level < LevelCount; ++level) {
    const int slot = SlotOf(cave, level);
    bool generated = false;
    for (const Part* part : {&common, &levels[level]})
      for (const Setting& s : part->Settings) {
        set.At(s.K->Column, slot, s.K->Row) = s.Byte;
        generated |= s.K->Generator;
      }
    if (generated) GenerateCave(set, cave, level);
    const Part& withMap = levels[level].Map.empty() ? common : levels[level];
    for (int y = 0; y < CaveHeightOf(cave); ++y)
      for (int x = 0; x < CaveWidthOf(cave); ++x) {
        const char c = withMap.Map[y][x];
        if (c == '?') {
          if (!generated)
            return fail(withMap.MapLine + y,
                        "'?' keeps generated terrain, but nothing is generated");
          continue;
        }
        Element e;
        if (!MapElement(c, e))
          return fail(withMap.MapLine + y, std::string("unknown map character '") + c + "'");
        set.MapCell(cave, level, x, y) = e;
      }
    for (const Part* part : {&common, &levels[level]})
      for (const Put& p : part->Puts) set.MapCell(cave, level, p.X, p.Y) = p.E;
    if (!isCavePlayable(set, cave, level))
      return fail(withMap.MapLine,
                  "level " + std::to_string(level + 1) + " needs an entrance (E) and an exit (X)");
  }
  // The generator drops the demo; a compiled set carries none of its own yet.
  set.SetDemoPresent(cave, false);
  return cave;
}

bool CompileSet(const std::vector<Source>& sources, CaveSet& set, std::string& error) {
  set = NewCaveSet();
  std::array<std::string, CaveCount> from;
  for (const Source& src : sources) {
    CompileError e;
    const int cave = CompileCave(src.Name, src.Text, set, e);
    if (cave < 0) {
      error = e.Text();
      return false;
    }
    if (!from[cave].empty()) {
      error = src.Name + ": cave " + std::string(1, static_cast<char>('A' + cave)) +
              " is also in " + from[cave];
      return false;
    }
    from[cave] = src.Name;
  }
  return true;
}

}  // namespace krattle::cavec
