// One frame of the frame timer and one tick of the game clock.

#include "engine/cave_setup.h"
#include "game/game.h"
#include "game/game_view.h"
#include "game/tick_sounds.h"
#include "render/camera.h"

namespace krattle {

void Game::Frame() {
  clockEnabled_ = true;
  if (run_.Values.BonusLifeBanner > 0) --run_.Values.BonusLifeBanner;
  io_.Screen.Fill(ColourBlack);
  switch (flow_.ScreenMode) {
    case smGame: GameFrame(); break;
    case smEditor:
      if (editor_) {
        editor_->RenderFrame(io_.Screen);
      } else {
        io_.Screen.Present();
      }
      break;
    default:
      TitleFrame();
      io_.Screen.Present();
      break;
  }
}

void Game::TitleFrame() {
  if (!flow_.CaveSetLoaded || flow_.TitlePicture) {
    RenderTitleAnimation(io_.Screen, view_);
    view_.AdvanceTitleScroll();
    return;
  }
  flow_.FrameStep = static_cast<std::uint8_t>((flow_.FrameStep + 1) & 7);
  if (flow_.FrameStep == 0) flow_.AnimPhase ^= 1;
  const AnimClock clock{flow_.FrameStep, flow_.AnimPhase};
  DrawCavePreview(io_.Screen, view_, *set_, flow_.CurrentCave, flow_.CurrentLevel, run_.Grid,
                  clock);
  DrawTitleStatus(io_.Screen, view_, setName_, flow_.CurrentCave, flow_.CurrentLevel);
  DrawTitleOverlay(io_.Screen, view_, flow_.ShowHighScores, highScores_);
}

void Game::GameFrame() {
  run_.Events.Clear();
  PhaseWork();
  if (flow_.CurrentCave < FirstIntermission) {
    FollowDravik(view_, run_.State.DravikColumn, run_.State.DravikRow);
  } else {
    view_.ViewColumn = view_.ViewRow = 0;
  }
  RenderGame();
  GameValues& v = run_.Values;
  if (v.TimeLeft == 0 && v.GamePhase < gpTimeBonus) {
    if (flow_.DemoPlaying) {
      // A played demo whose time runs out ends like any other; nobody is there to press fire.
      FinishPlayback();
    } else {
      if (flow_.DemoRecording) FinishRecording();
      v.GamePhase = gpOutOfTime;
      FreezeAnimation();
    }
  }
  flow_.FrameStep = static_cast<std::uint8_t>((flow_.FrameStep + 1) & 7);
  if (flow_.FrameStep == 1) PlayTickSounds();
  if (demo_.EndPending) CompleteDemoEnd();
}

void Game::RenderGame() {
  StatusContext status;
  status.DemoRecording = flow_.DemoRecording;
  status.DemoPlaying = flow_.DemoPlaying;
  status.DemoIndex = flow_.DemoIndex;
  status.SetName = setName_;
  status.CurrentCave = flow_.CurrentCave;
  status.CurrentLevel = flow_.CurrentLevel;
  RenderGameFrame(io_.Screen, view_, run_, status, {flow_.FrameStep, flow_.AnimPhase}, *this);
}

void Game::PhaseWork() {
  switch (run_.Values.GamePhase) {
    case gpPlay: PlayFrame(); break;
    case gpCover: CoverFrame(); break;
    case gpUncover: UncoverFrame(); break;
    case gpTimeBonus: TimeBonusFrame(); break;
    case gpNextCave: NextCaveFrame(); break;
    case gpPause:
    case gpOutOfTime: FrozenFrame(); break;
    case gpGameOver:
    case gpDemoEnd: EndingFrame(); break;
    default: break;
  }
}

void Game::FlipAnimOnFirstStep() {
  if (flow_.FrameStep == 0) flow_.AnimPhase ^= 1;
}

void Game::FreezeAnimation() {
  flow_.SavedFrameStep = flow_.FrameStep;
  flow_.SavedAnimPhase = flow_.AnimPhase;
}

void Game::RestoreAnimation() {
  flow_.FrameStep = flow_.SavedFrameStep;
  flow_.AnimPhase = flow_.SavedAnimPhase;
}

void Game::PlayFrame() {
  if (flow_.FrameStep != 0) return;
  flow_.AnimPhase ^= 1;
  if ((flow_.DemoRecording || flow_.DemoPlaying) && !demo_.Finished) ++demo_.Ticks;
  inTick_ = true;
  engine_.EngineTick();
  inTick_ = false;
}

void Game::CoverCells(int perRow) {
  for (int row = 0; row < MaxRows; ++row)
    for (int k = 0; k < perRow; ++k) run_.Grid.Cells[row * 40 + run_.Rng.RandomBelow(40)] = Cover;
}

void Game::CoverFrame() {
  --flow_.PhaseCountdown;
  FlipAnimOnFirstStep();
  if (flow_.PhaseCountdown > 0) {
    CoverCells(2);
    return;
  }
  run_.Grid.Cells.fill(Cover);
  flow_.PhaseCountdown = 80;
  run_.Values.GamePhase = gpUncover;
  StopSound(waves::CaveStart);
  PlaySound(waves::CaveStart);
}

void Game::UncoverFrame() {
  --flow_.PhaseCountdown;
  FlipAnimOnFirstStep();
  if (flow_.PhaseCountdown > 0) {
    CaveGrid& g = run_.Grid;
    for (int row = 0; row < MaxRows; ++row) {
      const int i = row * g.CaveWidth + static_cast<int>(run_.Rng.RandomBelow(g.CaveWidth));
      // Below an intermission there is only steel.
      g.Cells[i] = g.CaveWidth == 20 && row >= 12 ? Element{SteelWall} : g.CaveCopy[i];
    }
    return;
  }
  RevealWholeCave(run_);
  run_.Values.GamePhase = gpPlay;
}

void Game::TimeBonusFrame() {
  RestoreAnimation();
  GameValues& v = run_.Values;
  if (v.TimeLeft > 0) {
    const int was = v.TimeLeft--;
    if (was == 51) PlaySound(waves::LowTimeExit);
    if (v.TimeLeft == 0) StopSound(waves::CaveCompleted);
    v.Score += flow_.CurrentLevel + 1;
    if (v.Score >= v.NextBonusScore) {
      v.NextBonusScore += 500;
      if (v.Lives < 9) {
        ++v.Lives;
        PlaySound(waves::BonusLife);
      }
    }
    if (v.HighScore < v.Score) {
      v.HighScore = v.Score;
      set_->SetBestScore(static_cast<std::uint32_t>(v.Score));
    }
    return;
  }
  if ((IsIntermission(flow_.CurrentCave) || run_.Params.BigIntermission != 0) && v.Lives < 9)
    ++v.Lives;
  StopLoopedSounds();
  v.GamePhase = gpNextCave;
}

void Game::NextCaveFrame() {
  RestoreAnimation();
  const int was = flow_.NextCaveDelay--;
  if (was != 1) return;
  if (flow_.EditorActive) {
    ReturnToEditor();
    return;
  }
  NextPlayableCave();
  StartCave();
}

void Game::FrozenFrame() {
  RestoreAnimation();
  if (run_.Values.TimeLeft == 0) run_.State.PlayerInPlay = false;
}

void Game::EndingFrame() {
  --flow_.PhaseCountdown;
  FlipAnimOnFirstStep();
  if (flow_.PhaseCountdown > 0) {
    CoverCells(4);
    return;
  }
  run_.Grid.Cells.fill(Cover);
  flow_.PhaseCountdown = 80;
  if (flow_.EditorActive) {
    ReturnToEditor();
  } else if (!flow_.DemoChain) {
    RestartAttract();
    RestoreSavedPosition();
    flow_.ScreenMode = smTitle;
  } else {
    NextCaveInOrder(flow_.CurrentCave, flow_.CurrentLevel, false);
    PlayNextDemo();
  }
}

void Game::PlayTickSounds() {
  const TickWaves waves = WavesForTick(run_.Events, run_.Rng);
  for (std::size_t k = 0; k < waves.Count; ++k) PlaySound(waves.Wave[k]);
}

void Game::ClockTick() {
  if (flow_.AttractCountdown % 5 == 0) flow_.ShowHighScores = !flow_.ShowHighScores;
  if (flow_.AttractCountdown > 0) --flow_.AttractCountdown;
  if (flow_.AttractHold > 0) --flow_.AttractHold;
  if (flow_.ScreenMode == smTitle && flow_.AttractCountdown == 0) {
    if (flow_.AttractHold > 0) {
      RestartAttract();
    } else {
      flow_.DemoChain = AnyDemo();
      PlayNextDemo();
    }
  }
  if (flow_.ScreenMode != smGame) return;
  DemoClockTick();
}

}  // namespace krattle
