#include "game/texts.h"

#include <utility>

namespace krattle {

std::optional<TextId> FindTextId(std::string_view section, std::string_view key) {
  for (const TextRow& row : LanguageTextRows())
    if (row.Section == section && row.Key == key) return row.Id;
  return std::nullopt;
}

Texts::Texts() {
  for (std::size_t i = 0; i < TextCount; ++i) texts_[i] = std::string(TextRows[i].BuiltIn);
}

void Texts::Set(TextId id, std::string text) {
  texts_[static_cast<std::size_t>(id)] = std::move(text);
}

}  // namespace krattle
