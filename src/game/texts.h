#pragma once
// Interface texts by section and key. The built-in English texts are the defaults; a language
// file only replaces entries of this table.

#include <map>
#include <string>
#include <utility>

namespace krattle {

class Texts {
 public:
  Texts();
  // The text of a key, or the key itself when no table knows it.
  std::string Get(const std::string& section, const std::string& key) const;
  void Set(const std::string& section, const std::string& key, std::string text);

 private:
  std::map<std::pair<std::string, std::string>, std::string> table_;
};

}  // namespace krattle
