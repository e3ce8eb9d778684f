#pragma once
// The set's table of the ten best games, best first.

#include <cstdint>
#include <string_view>

#include "core/cave_set.h"

namespace krattle {

HighScoreTable LoadHighScores(const CaveSet& set);
void StoreHighScores(CaveSet& set, const HighScoreTable& table);

// True when a game that ended with `score` earns a place (it beats the tenth entry).
bool QualifiesForHighScores(const HighScoreTable& table, std::int32_t score);

// Puts the score in place of the tenth entry when it beats it and sorts it in: a new score
// equal to an existing one goes below it. The name keeps its first MaxNameLength characters.
void InsertHighScore(HighScoreTable& table, std::int32_t score, std::string_view name);

}  // namespace krattle
