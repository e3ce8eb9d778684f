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

std::string Texts::Format(TextId id, std::initializer_list<std::string_view> args) const {
  const std::string& text = Get(id);
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    const std::size_t n = static_cast<std::size_t>(next - '1');
    if (text[i] == '%' && next >= '1' && next <= '9' && n < args.size()) {
      out += *(args.begin() + n);
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

void Texts::Set(TextId id, std::string text) {
  texts_[static_cast<std::size_t>(id)] = std::move(text);
}

}  // namespace krattle
