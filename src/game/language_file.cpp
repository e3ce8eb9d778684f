#include "game/language_file.h"

// The files are turned into UTF-8 here first; SimpleIni then only needs to split them.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION  // Debian's header keeps the template bodies behind this
#include <SimpleIni.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

namespace krattle {

namespace {

// Length of the UTF-8 sequence starting at `i`, or 0 when the bytes there are not one.
std::size_t Utf8Sequence(std::string_view s, std::size_t i) {
  const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char c = b(i);
  std::size_t n = 0;
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF)
    n = 2;
  else if (c >= 0xE0 && c <= 0xEF)
    n = 3;
  else if (c >= 0xF0 && c <= 0xF4)
    n = 4;
  else
    return 0;
  if (i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k)
    if ((b(i + k) & 0xC0) != 0x80) return 0;
  // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
  if (n == 3 && c == 0xE0 && b(i + 1) < 0xA0) return 0;
  if (n == 3 && c == 0xED && b(i + 1) >= 0xA0) return 0;
  if (n == 4 && c == 0xF0 && b(i + 1) < 0x90) return 0;
  if (n == 4 && c == 0xF4 && b(i + 1) >= 0x90) return 0;
  return n;
}

}  // namespace

bool IsValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = Utf8Sequence(s, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

namespace {

// Windows-1252's 0x80..0x9F; the five unassigned bytes become U+FFFD.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

// A line break in a text is written "\n" in the file.
std::string Unescape(std::string_view value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size() && value[i + 1] == 'n') {
      out += '\n';
      ++i;
    } else {
      out += value[i];
    }
  }
  return out;
}

std::string Escape(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out;
}

std::string Cut(std::string text) {
  if (text.size() <= MaxLanguageText) return text;
  std::size_t end = MaxLanguageText;
  // Never half a character.
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  text.resize(end);
  return text;
}

}  // namespace

std::string LanguageBytesToUtf8(std::string_view bytes) {
  if (bytes.size() >= 3 && std::memcmp(bytes.data(), "\xEF\xBB\xBF", 3) == 0)
    bytes.remove_prefix(3);
  if (IsValidUtf8(bytes)) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    AppendUtf8(out, c >= 0x80 && c < 0xA0 ? kCp1252High[c - 0x80] : c);
  }
  return out;
}

Texts TextsFromLanguage(std::string_view ini) {
  Texts texts;
  // Case-insensitive names; with several values for a key the first is the one returned.
  CSimpleIniA file(false, true, false);
  const std::string text = LanguageBytesToUtf8(ini);
  if (file.LoadData(text.data(), text.size()) < 0) return texts;
  // The program's own texts (buttons of the message boxes, the file dialog, Undo and Redo, the
  // error messages) come after the menus' and dialogs' in a section of their own.
  for (const TextRow& row : TextRows) {
    const std::string section(row.Section), key(row.Key);
    if (const char* value = file.GetValue(section.c_str(), key.c_str(), nullptr))
      texts.Set(row.Id, Cut(Unescape(value)));
  }
  return texts;
}

Texts LoadLanguageFile(const std::filesystem::path& path, std::string* error) {
  // Appending rather than "literal" + string: GCC 12's optimiser reports a false -Wrestrict on
  // the latter in Release builds.
  std::string quoted = "\"";
  quoted += path.string();
  quoted += '"';
  auto fail = [&](const std::string& why) {
    if (error) *error = why;
    return Texts();
  };
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec))
    return fail(quoted + " is not a file");
  const auto size = std::filesystem::file_size(path, ec);
  if (ec || size > MaxLanguageFileBytes)
    return fail(quoted + " is too large for a language file");
  std::ifstream in(path, std::ios::binary);
  if (!in) return fail("cannot open " + quoted);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (error) error->clear();
  return TextsFromLanguage(bytes.str());
}

std::string LanguageFileText(const Texts& texts) {
  std::string out;
  std::string_view section;
  for (const TextRow& row : TextRows) {
    if (row.Section != section) {
      if (!section.empty()) out += '\n';
      section = row.Section;
      out.append("[").append(section).append("]\n");
    }
    out.append(row.Key).append("=").append(Escape(texts.Get(row.Id))).append("\n");
  }
  return out;
}

}  // namespace krattle
