#pragma once
// State the engine reads and writes during a cave, grouped by owner.

#include <cstdint>

namespace krattle {

// Direction and fire flags for the current tick; at most one direction is set.
struct InputFlags {
  bool InputRight = false;
  bool InputLeft = false;
  bool InputUp = false;
  bool InputDown = false;
  bool InputFire = false;
  void Clear() { *this = InputFlags{}; }
};

// One-byte requests a tick raises for the frame step, which turns them into sounds.
struct TickEvents {
  std::uint8_t FallEvent = 0;
  std::uint8_t PlayerAction = 0;
  std::uint8_t ExplosionEvent = 0;
  std::uint8_t GrowthEvent = 0;
  std::uint8_t PlayerKilledEvent = 0;
  std::uint8_t SignalEvent = 0;
  std::uint8_t ExitEvent = 0;
  std::uint8_t ExitLowTimeEvent = 0;
  std::uint8_t WallGrowthEvent = 0;
  std::uint8_t AcidWallEvent = 0;
  void Clear() { *this = TickEvents{}; }
};

// Owned by the engine; reset by cave start.
struct EngineState {
  bool PlayerPresent = false;
  bool EntranceTicked = false;
  bool CarryingBomb = false;
  bool AmoebaCanGrow = false;
  std::int32_t AmoebaCount = 0;
  std::int32_t AmoebaCountLast = 0;
  bool AmoebaStarted = false;
  bool AmoebaEnclosed = false;
  std::uint8_t AmoebaGrowth = 0;
  bool AmoebaSoundOn = false;
  std::uint8_t MagicWallState = 0;  // 0 dormant, 1 active, 2 expired
  bool MagicWallSoundOn = false;
  bool DummyTriggered = false;
  bool PushedRight = false;
  std::uint16_t DiamondsCollected = 0;
  std::uint8_t DravikColumn = 0;
  std::uint8_t DravikRow = 0;
  std::uint8_t DravikSprite = 0;
  bool ExitFlash = false;
  bool PlayerBorn = false;
  bool PlayerInPlay = false;
  // Dravik's look.
  bool FacingRight = false;
  bool PlayerTried = false;
  bool Tapping = false;
  bool Blinking = false;
  // Counted down by the entrance before the birth.
  std::uint8_t InBoxCounter = 0;
  // Counted down by the game clock; the engine reads the amoeba time when the magic wall wakes.
  std::uint8_t MagicTimeLeft = 0;
  std::uint8_t AmoebaTimeLeft = 0;
};

enum GamePhase : std::uint8_t {
  gpPlay = 0,
  gpCover = 1,
  gpUncover = 2,
  gpPause = 3,
  gpOutOfTime = 4,
  gpTimeBonus = 5,
  gpNextCave = 6,
  gpGameOver = 7,
  gpDemoEnd = 8,
};

// Game-flow values that the engine's rules change (diamonds, clocks, the exit).
struct GameValues {
  std::uint8_t TimeLeft = 0;
  // TimeLeft starts one above the stored time and the first clock tick takes that unit; a
  // clock taken meanwhile moves TimeLeft, so the start value alone cannot tell the tick apart.
  bool ClockTicked = false;
  std::int32_t Score = 0;
  std::uint8_t Lives = 3;
  std::int32_t NextBonusScore = 500;
  std::int32_t HighScore = 0;
  std::uint8_t BonusLifeBanner = 0;
  krattle::GamePhase GamePhase = gpPlay;
};

}  // namespace krattle
