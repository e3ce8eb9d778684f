// Starting caves, the cave order, lives, game over and the position the set keeps.

#include "core/cave_set_file.h"
#include "engine/cave_setup.h"
#include "game/game.h"
#include "game/high_scores.h"

namespace krattle {

void NextCaveInOrder(std::uint8_t& cave, std::uint8_t& level, bool levelStep) {
  switch (cave) {
    case 3: cave = 16; break;
    case 7: cave = 17; break;
    case 11: cave = 18; break;
    case 15: cave = 19; break;
    case 16: cave = 4; break;
    case 17: cave = 8; break;
    case 18: cave = 12; break;
    case 19:
      cave = 0;
      if (levelStep) level = static_cast<std::uint8_t>(level >= 4 ? 0 : level + 1);
      break;
    default: cave = static_cast<std::uint8_t>(cave + 1); break;
  }
}

void Game::NextPlayableCave() {
  do {
    NextCaveInOrder(flow_.CurrentCave, flow_.CurrentLevel, true);
  } while (!Playable(flow_.CurrentCave, flow_.CurrentLevel) &&
           !(flow_.CurrentCave == 0 && flow_.CurrentLevel == 0));
}

void Game::SaveSetIgnoringErrors() {
  // The game goes on with the set in memory whatever the disk says, but the player hears once
  // that scores and the position will not outlive the program.
  if (setFile_.empty()) return;
  const CaveSetResult r = SaveCaveSet(setFile_, *set_);
  if (r.Ok()) {
    saveFailureShown_ = false;
    return;
  }
  if (saveFailureShown_) return;
  saveFailureShown_ = true;
  io_.Ask.Message(texts_.Format(TextId::ProgramCannotSaveSet, {r.Message}),
                  texts_.Get(TextId::ProgramTitle));
}

void Game::StartCave() {
  const int cave = flow_.CurrentCave, level = flow_.CurrentLevel;
  GameValues& v = run_.Values;
  if (flow_.EditorActive) {
    if (editor_) editor_->StoreFields();
    LoadGraphicsSets();
    menu_.ZoomShown = true;
    v.Score = 0;
    v.Lives = 1;
    v.NextBonusScore = 500;
  }
  menu_.PanelShown = false;
  StopMusic();
  flow_.ScreenMode = smGame;
  CopyCaveFromSet(run_, *set_, cave, level, true);
  LoadCaveParameters(run_, *set_, cave, level);
  run_.Grid.MoveMap.fill(0);
  view_.ResetCamera();
  flow_.NextCaveDelay = 88;
  flow_.AnimPhase = 1;
  flow_.FrameStep = 0;
  v.GamePhase = gpCover;
  PlaySound(waves::CaveStart);
  ResetEngineState(run_);
  StopSound(waves::AmoebaLoop);
  StopSound(waves::MagicWallLoop);
  flow_.PhaseCountdown = 80;
  run_.State.PlayerInPlay = true;
  if (!setFile_.empty() && !flow_.EditorActive && !flow_.DemoRecording && !flow_.DemoPlaying) {
    set_->SavedCave() = static_cast<std::uint8_t>(cave);
    set_->SavedLevel() = static_cast<std::uint8_t>(level);
    set_->SavedLives() = v.Lives;
    set_->SetSavedScore(static_cast<std::uint32_t>(v.Score));
    SaveSetIgnoringErrors();
  }
  run_.Rng.RandomSeed = 10;
}

void Game::Start() {
  if (!flow_.CaveSetLoaded && !flow_.EditorActive) return;
  if (flow_.TitlePicture) {
    flow_.TitlePicture = false;
    return;
  }
  // A demo's cave and score are not the player's: Start goes on from the set's game.
  if (flow_.DemoRecording || flow_.DemoPlaying) RestoreSavedPosition();
  const bool continuing = flow_.CurrentCave == set_->SavedCave() &&
                          flow_.CurrentLevel == set_->SavedLevel() && set_->SavedLives() != 0;
  if (!continuing) {
    run_.Values.Lives = 3;
    run_.Values.Score = 0;
    run_.Values.NextBonusScore = 500;
  }
  // A chain left running would play demos again after this game's end.
  flow_.DemoRecording = flow_.DemoPlaying = flow_.DemoChain = false;
  StartCave();
}

void Game::ESC() {
  flow_.TitlePicture = false;
  const int phase = run_.Values.GamePhase;
  if (flow_.ScreenMode != smGame || (phase != gpPlay && phase != gpOutOfTime)) return;
  if (flow_.EditorActive) {
    ReturnToEditor();
    return;
  }
  if (flow_.DemoRecording || flow_.DemoPlaying) {
    RestoreSavedPosition();
    PlaySound(waves::Click);
    StopLoopedSounds();
    RestartAttract();
    flow_.ScreenMode = smTitle;
    return;
  }
  StopLoopedSounds();
  GameValues& v = run_.Values;
  if (IsIntermission(flow_.CurrentCave) || run_.Params.BigIntermission != 0) {
    v.GamePhase = gpNextCave;
    flow_.NextCaveDelay = 1;
  } else if (v.Lives <= 1) {
    GameOver();
  } else {
    --v.Lives;
    StartCave();
  }
}

void Game::GameOver() {
  GameValues& v = run_.Values;
  set_->SavedLives() = 0;
  v.Lives = 0;
  flow_.PendingHighScore = v.Score;
  v.Score = 0;
  v.NextBonusScore = 500;
  flow_.PhaseCountdown = 100;
  PlaySound(waves::CaveStart);
  v.GamePhase = gpGameOver;
  if (QualifiesForHighScores(highScores_, flow_.PendingHighScore)) EnterHighScoreName();
  SaveSetIgnoringErrors();
}

void Game::Stop() {
  flow_.TitlePicture = false;
  if (flow_.ScreenMode == smGame && !flow_.EditorActive &&
      (flow_.DemoRecording || flow_.DemoPlaying)) {
    // Leaving a demo costs the set's game no life.
    RestoreSavedPosition();
    PlaySound(waves::Click);
    StopLoopedSounds();
    RestartAttract();
    flow_.ScreenMode = smTitle;
    return;
  }
  if (run_.Values.Lives == 1) {
    ESC();
    return;
  }
  if (flow_.ScreenMode != smGame || flow_.EditorActive) return;
  RestoreSavedPosition();
  if (run_.Values.Lives > 0) --run_.Values.Lives;
  PlaySound(waves::Click);
  RestartAttract();
  flow_.ScreenMode = smTitle;
}

void Game::RestoreSavedPosition() {
  // Every way out of a recording but its end comes through here.
  RestoreAbandonedDemo();
  flow_.DemoChain = flow_.DemoRecording = flow_.DemoPlaying = false;
  GameValues& v = run_.Values;
  std::uint8_t cave = set_->SavedCave(), level = set_->SavedLevel();
  // Sets from elsewhere may hold any byte here; an impossible position starts at the beginning.
  if (cave >= CaveCount || level >= LevelCount) cave = level = 0;
  if (set_->SavedLives() != 0) {
    v.Lives = set_->SavedLives();
    flow_.CurrentLevel = level;
    flow_.CurrentCave = cave;
    if (IsIntermission(cave)) NextPlayableCave();
    v.Score = static_cast<std::int32_t>(set_->SavedScore());
    v.NextBonusScore = v.Score == 0 ? 500 : (v.Score / 500) * 500 + 500;
  } else {
    flow_.CurrentLevel = level;
    switch (cave) {
      case 16: cave = 4; break;
      case 17: cave = 8; break;
      case 18: cave = 12; break;
      case 19:
        cave = 0;
        if (flow_.CurrentLevel < 4) ++flow_.CurrentLevel;
        break;
      default: break;
    }
    flow_.CurrentCave = cave;
    v.Lives = 0;
    v.Score = 0;
    v.NextBonusScore = 500;
  }
}

}  // namespace krattle
