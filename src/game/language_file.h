#pragma once
// Language files: INI files that give the menus, dialogs and editor texts in another language.
// A text the file lacks keeps its built-in English; a file that cannot be read changes nothing
// but leaves every text built-in.

#include <filesystem>
#include <string>
#include <string_view>

#include "game/texts.h"

namespace krattle {

// Longest text a language file can give; longer ones are cut (at a character's edge).
inline constexpr std::size_t MaxLanguageText = 2047;
// Language files are small; anything larger is not one.
inline constexpr std::uintmax_t MaxLanguageFileBytes = 1 << 20;

// Appends the UTF-8 form of a character of the Basic Multilingual Plane.
void AppendUtf8(std::string& out, char32_t c);

// Whether `bytes` are well-formed UTF-8 (no overlong forms, surrogates or truncated letters).
bool IsValidUtf8(std::string_view bytes);

// The file's bytes as UTF-8: UTF-8 stays as it is; anything else is taken as Windows-1252, as
// files written elsewhere usually are, so no text ever reaches the screen as broken bytes.
std::string LanguageBytesToUtf8(std::string_view bytes);

// Texts from the INI text `ini` over the built-in ones. Sections and keys ignore case; blanks
// around a value go; a key given twice counts with its first value; "\n" in a value is a line
// break.
Texts TextsFromLanguage(std::string_view ini);

// The texts of the file at `path`; the built-in texts when it cannot be read. `error` (when
// given) says why the file was not used, or stays empty.
Texts LoadLanguageFile(const std::filesystem::path& path, std::string* error = nullptr);

// A language file holding every text of `texts`, in the order the loader reads them.
std::string LanguageFileText(const Texts& texts);

}  // namespace krattle
