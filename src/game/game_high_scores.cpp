// The name entry after a game over that beats the tenth entry of the table.

#include "game/game.h"
#include "game/high_scores.h"

namespace krattle {

void Game::EnterHighScoreName() {
  const std::string prompt =
      texts_.Format(TextId::ProgramHighScorePrompt,
                    {std::to_string(flow_.PendingHighScore), std::to_string(MaxNameLength)});
  const auto name = io_.Ask.InputText(texts_.Get(TextId::MenuHighScore), prompt, MaxNameLength);
  // Closing the dialog keeps the table as it was; the score waits for the next game over.
  if (!name) return;
  InsertHighScore(highScores_, flow_.PendingHighScore, *name);
  StoreHighScores(*set_, highScores_);
  flow_.PendingHighScore = 0;
}

}  // namespace krattle
