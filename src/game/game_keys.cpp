// Held keys for the engine, and the key-down commands.

#include "game/game.h"
#include "game/keys.h"

namespace krattle {

void Game::PollInput(InputFlags& in) {
  if (flow_.DemoPlaying) return;
  const Keyboard& k = io_.Keys;
  auto any = [&](int a, int b, int c) { return k.IsDown(a) || k.IsDown(b) || k.IsDown(c); };
  // Later directions win: right over left over down over up. Nothing is cleared here.
  auto only = [&](bool InputFlags::*flag) {
    in.InputUp = in.InputDown = in.InputLeft = in.InputRight = false;
    in.*flag = true;
  };
  if (any(keys::Letter('K'), keys::Up, keys::Numpad8)) only(&InputFlags::InputUp);
  if (any(keys::Letter('J'), keys::Down, keys::Numpad2)) only(&InputFlags::InputDown);
  if (any(keys::Letter('H'), keys::Left, keys::Numpad4)) only(&InputFlags::InputLeft);
  if (any(keys::Letter('L'), keys::Right, keys::Numpad6)) only(&InputFlags::InputRight);
  if (any(keys::Letter('Z'), keys::Space, keys::Ctrl)) in.InputFire = true;
}

void Game::TitleKeys(int key) {
  const bool arrow =
      key == keys::Left || key == keys::Right || key == keys::Up || key == keys::Down;
  const bool fire = key == keys::Space || key == keys::Ctrl;
  if (!arrow && !fire) return;
  if (flow_.TitlePicture) {
    flow_.TitlePicture = false;
    return;
  }
  const int cave = flow_.CurrentCave, level = flow_.CurrentLevel;
  int toCave = cave, toLevel = level;
  if (key == keys::Right && cave < 15) toCave = cave + 1;
  if (key == keys::Left && cave > 0) toCave = cave - 1;
  if (key == keys::Down && level < 4) toLevel = level + 1;
  if (key == keys::Up && level > 0) toLevel = level - 1;
  if (arrow && (toCave != cave || toLevel != level) && Playable(toCave, toLevel)) {
    Click();
    flow_.CurrentCave = static_cast<std::uint8_t>(toCave);
    flow_.CurrentLevel = static_cast<std::uint8_t>(toLevel);
    flow_.AttractHold = 5;
  }
  if (fire) Start();
}

void Game::PlayKeys(int key, int shift) {
  GameValues& v = run_.Values;
  const bool inGame = flow_.ScreenMode == smGame;
  const bool skip = key == keys::Letter('N') && inGame && v.GamePhase == gpPlay &&
                    !flow_.EditorActive && !flow_.DemoRecording;
  if (skip && flow_.DemoPlaying) {
    NextCaveInOrder(flow_.CurrentCave, flow_.CurrentLevel, false);
    PlayNextDemo();
  } else if (skip) {
    // A jump to the next cave counts as a new game.
    Click();
    StopLoopedSounds();
    v.GamePhase = gpNextCave;
    flow_.NextCaveDelay = 1;
    v.Score = 0;
    v.Lives = 3;
    v.NextBonusScore = 500;
  }
  if (key == keys::Letter('P') && inGame) {
    if (v.GamePhase == gpPlay) {
      StopLoopedSounds();
      FreezeAnimation();
      Click();
      v.GamePhase = gpPause;
    } else if (v.GamePhase == gpPause) {
      RestoreAnimation();
      Click();
      v.GamePhase = gpPlay;
    }
  }
  if (key == keys::Letter('T') && flow_.EditorActive && !flow_.DemoRecording &&
      !flow_.DemoPlaying) {
    StopLoopedSounds();
    Click();
    StartCave();
  }
  if (key == keys::Letter('Q')) Stop();
  if (key == keys::Escape) ESC();
  if ((key == keys::Space || key == keys::Ctrl) && !run_.State.PlayerInPlay) ESC();
  if (key == keys::Enter && (shift & keys::AltBit)) SwitchFullScreen();
}

void Game::KeyDown(int key, int shift, bool repeat) {
  if (repeat) {
    const bool arrow =
        key == keys::Left || key == keys::Right || key == keys::Up || key == keys::Down;
    // A held arrow walks through the caves; a second look at the picture is not wanted.
    if (arrow && flow_.ScreenMode == smTitle && flow_.CaveSetLoaded && !flow_.TitlePicture)
      TitleKeys(key);
    return;
  }
  if (flow_.ScreenMode == smTitle && flow_.CaveSetLoaded) TitleKeys(key);
  if (key == keys::Letter('L') && !flow_.EditorActive) {
    Click();
    ChooseCaveSet();
  }
  if (key == keys::Letter('D') && !flow_.DemoPlaying && flow_.CaveSetLoaded) {
    if (shift & keys::ShiftBit) {
      Click();
      RecordDemo();
    } else if (!flow_.DemoRecording && set_->DemoPresent(flow_.CurrentCave)) {
      Click();
      PlayNextDemo();
    }
  }
  if (key == keys::Letter('E') && flow_.ScreenMode == smTitle && !fullScreen_) OpenEditor();
  if (key == keys::Letter('S')) {
    Click();
    ShowSpeed();
  }
  if (key == keys::Letter('M')) {
    // The click is heard even when it turns the sound off.
    io_.Sound.Play(waves::Click);
    ToggleMute();
  }
  PlayKeys(key, shift);
  if (flow_.ScreenMode == smEditor && editor_) editor_->Key(key, shift);
}

}  // namespace krattle
