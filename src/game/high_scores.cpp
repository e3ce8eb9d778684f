#include "game/high_scores.h"

#include <utility>

namespace krattle {

HighScoreTable LoadHighScores(const CaveSet& set) {
  HighScoreTable table;
  for (int k = 0; k < HighScoreEntries; ++k) table[k] = set.HighScore(k + 1);
  return table;
}

void StoreHighScores(CaveSet& set, const HighScoreTable& table) {
  for (int k = 0; k < HighScoreEntries; ++k) set.SetHighScore(k + 1, table[k]);
}

bool QualifiesForHighScores(const HighScoreTable& table, std::int32_t score) {
  return static_cast<std::int64_t>(table[HighScoreEntries - 1].Score) < score;
}

void InsertHighScore(HighScoreTable& table, std::int32_t score, std::string_view name) {
  if (QualifiesForHighScores(table, score)) {
    HighScoreEntry& last = table[HighScoreEntries - 1];
    // The set keeps 24 bits of a score; a bigger one is kept at the largest it can hold.
    last.Score = static_cast<std::uint32_t>(score) > 0xFFFFFFu ? 0xFFFFFFu
                                                               : static_cast<std::uint32_t>(score);
    last.Name = std::string(name.substr(0, MaxNameLength));
  }
  // Passes until nothing moves: a table read from a file need not be in order.
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (int k = HighScoreEntries - 1; k >= 1; --k) {
      if (table[k].Score > table[k - 1].Score) {
        std::swap(table[k], table[k - 1]);
        swapped = true;
      }
    }
  }
}

}  // namespace krattle
