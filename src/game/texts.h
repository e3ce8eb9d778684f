#pragma once
// The texts the user reads in menus, captions and buttons, asked for by a typed id so that a
// misspelt key does not compile. The built-in English is the default; a language file only
// replaces entries of this table.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "game/text_table.h"

namespace krattle {

enum class TextId : std::uint16_t {
#define KRATTLE_TEXT_ID(id, section, key, text) id,
  KRATTLE_LANGUAGE_TEXTS(KRATTLE_TEXT_ID) KRATTLE_PROGRAM_TEXTS(KRATTLE_TEXT_ID)
#undef KRATTLE_TEXT_ID
};

struct TextRow {
  TextId Id;
  std::string_view Section;
  std::string_view Key;
  std::string_view BuiltIn;
};

// Language rows first, in file order, then the program's own.
inline constexpr TextRow TextRows[] = {
#define KRATTLE_TEXT_ROW(id, section, key, text) {TextId::id, section, key, text},
    KRATTLE_LANGUAGE_TEXTS(KRATTLE_TEXT_ROW) KRATTLE_PROGRAM_TEXTS(KRATTLE_TEXT_ROW)
#undef KRATTLE_TEXT_ROW
};

inline constexpr std::size_t TextCount = std::size(TextRows);
inline constexpr std::size_t LanguageTextCount = [] {
  std::size_t n = 0;
#define KRATTLE_TEXT_COUNT(id, section, key, text) ++n;
  KRATTLE_LANGUAGE_TEXTS(KRATTLE_TEXT_COUNT)
#undef KRATTLE_TEXT_COUNT
  return n;
}();

constexpr const TextRow& TextInfo(TextId id) {
  return TextRows[static_cast<std::size_t>(id)];
}

// The rows a language file may set.
constexpr std::span<const TextRow> LanguageTextRows() {
  return {TextRows, LanguageTextCount};
}

// The language text a file's section and key name; program texts are not found.
std::optional<TextId> FindTextId(std::string_view section, std::string_view key);

class Texts {
 public:
  Texts();
  const std::string& Get(TextId id) const { return texts_[static_cast<std::size_t>(id)]; }
  // The text with %1, %2, ... replaced by the arguments in order.
  std::string Format(TextId id, std::initializer_list<std::string_view> args) const;
  void Set(TextId id, std::string text);

 private:
  std::array<std::string, TextCount> texts_;
};

}  // namespace krattle
