// Demos: the player's input of one cave, tick by tick, stored in the set and fed back to the
// engine instead of the keyboard. The two events that follow the wall clock (the amoeba turning
// fast, the magic wall running out) are stored as tick stamps, so a demo replays the same game
// at any frame speed.

#include "core/cave_set_file.h"
#include "game/demo_codec.h"
#include "game/game.h"
#include "game/play_clock.h"

namespace krattle {

namespace {
constexpr int kLastDemoByte = DemoMaxSteps - 1;
constexpr std::uint16_t kNever = 0xFFFF;
}  // namespace

void Game::RecordDemo() {
  if (!flow_.CaveSetLoaded && !flow_.EditorActive) return;
  // A second Shift+D gives up the first recording before the second one takes its backup.
  RestoreAbandonedDemo();
  demo_ = DemoState{};
  demo_.Run = 1;  // the open run of no input stands for the first tick, which is never stored
  flow_.DemoRecording = true;
  flow_.DemoPlaying = false;
  flow_.DemoChain = false;
  flow_.DemoIndex = 0;
  const int cave = flow_.CurrentCave;
  BackUpDemo(cave);
  if (flow_.EditorActive && editor_) editor_->MarkModified();
  // Until the recording is complete the cave has no demo to play.
  set_->SetDemoPresent(cave, false);
  set_->DemoLevel(cave) = flow_.CurrentLevel;
  set_->SetAmoebaExpiryTick(cave, kNever);
  set_->SetMagicExpiryTick(cave, kNever);
  StartCave();
}

void Game::PlayDemos() {
  if (flow_.DemoRecording) return;
  if (!flow_.EditorActive) {
    flow_.DemoChain = AnyDemo();
    PlayNextDemo();
  } else if (set_->DemoPresent(flow_.CurrentCave)) {
    PlayNextDemo();
  }
}

void Game::PlayNextDemo() {
  RestoreAbandonedDemo();
  if (!AnyDemo()) {
    // Nothing to show: a game in progress goes on. A chain whose demos are gone must end, or
    // every demo end would land here again and never reach the title screen.
    flow_.DemoChain = false;
    RestartAttract();
    return;
  }
  std::uint8_t cave = flow_.CurrentCave < CaveCount ? flow_.CurrentCave : 0, level = 0;
  while (!set_->DemoPresent(cave)) NextCaveInOrder(cave, level, false);
  flow_.CurrentCave = cave;
  // A level byte from elsewhere may be anything; out of range it would address another cave.
  const std::uint8_t stored = set_->DemoLevel(cave);
  flow_.CurrentLevel = stored < LevelCount ? stored : 0;
  flow_.DemoRecording = false;
  flow_.DemoPlaying = true;
  flow_.DemoIndex = -1;
  demo_ = DemoState{};
  demo_.Step = -2;
  demo_.NoStamp = set_->MagicExpiryTick(cave) == 0;
  StartCave();
}

void Game::RecordTick() {
  if (!flow_.DemoRecording || demo_.Finished) return;
  if (!demo_.Started) {
    demo_.Started = true;
    return;
  }
  ++demo_.Step;
  const int cave = flow_.CurrentCave;
  const int code = InputCodeOf(run_.Input);
  int& index = flow_.DemoIndex;
  if (code == demo_.RunCode && demo_.Run < RunLimit(code)) {
    ++demo_.Run;
    set_->SetDemoStep(cave, index, EncodeDemoByte(demo_.RunCode, demo_.Run));
  } else {
    set_->SetDemoStep(cave, index, EncodeDemoByte(demo_.RunCode, demo_.Run));
    if (index >= kLastDemoByte) {
      EndRecording(DemoEnd::Full);
      return;
    }
    ++index;
    demo_.RunCode = code;
    demo_.Run = 1;
    // Written at once: a recording that ends now must not leave an old byte as its last one.
    set_->SetDemoStep(cave, index, EncodeDemoByte(code, 1));
  }
  if (run_.Values.TimeLeft == 1) EndRecording(DemoEnd::Time);
}

void Game::PlaybackTick() {
  if (!flow_.DemoPlaying || demo_.Finished) return;
  const int cave = flow_.CurrentCave;
  ++demo_.Step;
  if (demo_.Step == set_->AmoebaExpiryTick(cave)) {
    run_.State.AmoebaGrowth = run_.Params.AmoebaFast;
    demo_.AmoebaSwitched = true;
  }
  if (demo_.Step == set_->MagicExpiryTick(cave) && !demo_.NoStamp) run_.State.MagicWallState = 2;
  int& index = flow_.DemoIndex;
  if (demo_.Run == 0 && index < kLastDemoByte) {
    ++index;
    const DemoRun r = DecodeDemoByte(set_->DemoStep(cave, index));
    demo_.InputCode = r.Code;
    demo_.Run = r.Run;
  }
  if (demo_.Run > 0) {
    ApplyInputCode(demo_.InputCode, run_.Input);
    --demo_.Run;
  }
  // The tick that reads the last byte still runs; the demo ends with it.
  if (index == set_->DemoLength(cave)) EndPlayback(DemoEnd::Length);
}

DemoEnd Game::HookEndReason() const {
  if (!inTick_) return DemoEnd::Time;
  // The engine clears PlayerInPlay before it reports a lost player; the exit comes mid-scan.
  return run_.State.PlayerInPlay ? DemoEnd::Exit : DemoEnd::Lost;
}

void Game::FinishRecording() {
  EndRecording(HookEndReason());
}

void Game::FinishPlayback() {
  EndPlayback(HookEndReason());
}

void Game::StopDemo(DemoEnd why) {
  if (flow_.DemoRecording) EndRecording(why);
  if (flow_.DemoPlaying) EndPlayback(why);
}

void Game::EndRecording(DemoEnd why) {
  if (!flow_.DemoRecording || demo_.Finished) return;
  demo_.Finished = true;
  demo_.Outcome.Why = why;
  demoBackup_.reset();
  const int cave = flow_.CurrentCave;
  set_->SetDemoPresent(cave, true);
  set_->SetDemoLength(cave, static_cast<std::uint16_t>(flow_.DemoIndex));
  if (!flow_.EditorActive) SaveSetIgnoringErrors();
  flow_.PhaseCountdown = 114;
  StopLoopedSounds();
  PlaySound(waves::CaveStart);
  LeaveDemo(!flow_.EditorActive, true);
  run_.Values.GamePhase = gpDemoEnd;
}

void Game::EndPlayback(DemoEnd why) {
  if (!flow_.DemoPlaying || demo_.Finished) return;
  demo_.Finished = true;
  demo_.Outcome.Why = why;
  bool restore = false;
  if (flow_.DemoChain) {
    // The chain ends once the walk to the next demo passes the cave the set's game is at.
    std::uint8_t saved = set_->SavedCave(), level = 0;
    if (saved >= CaveCount) saved = 0;
    std::uint8_t cave = flow_.CurrentCave;
    for (int k = 0; k < CaveCount; ++k) {
      NextCaveInOrder(cave, level, false);
      if (cave == saved) flow_.DemoChain = false;
      if (set_->DemoPresent(cave)) break;
    }
  } else {
    restore = !flow_.EditorActive;
  }
  flow_.PhaseCountdown = 114;
  PlaySound(waves::CaveStart);
  LeaveDemo(restore, false);
  run_.Values.GamePhase = gpDemoEnd;
}

void Game::LeaveDemo(bool restore, bool recorded) {
  demo_.RestoreAtEnd = restore;
  demo_.Recorded = recorded;
  if (inTick_) {
    demo_.EndPending = true;
  } else {
    CompleteDemoEnd();
  }
}

void Game::CompleteDemoEnd() {
  demo_.EndPending = false;
  DemoOutcome& o = demo_.Outcome;
  o.Ticks = demo_.Ticks;
  o.Score = run_.Values.Score;
  o.Diamonds = run_.State.DiamondsCollected;
  o.Seed = run_.Rng.RandomSeed;
  o.Cells = run_.Grid.Cells;
  o.End = run_;
  // A playback ended from the clock gets here before its phase is set.
  o.End.Values.GamePhase = gpDemoEnd;
  if (demo_.Recorded) {
    run_.Values.Score = 0;
    // The rest of the ending tick may have started a loop again.
    StopSound(waves::AmoebaLoop);
    StopSound(waves::MagicWallLoop);
    run_.State.AmoebaSoundOn = run_.State.MagicWallSoundOn = false;
  }
  if (demo_.RestoreAtEnd) RestoreSavedPosition();
}

void Game::BackUpDemo(int cave) {
  DemoBackup b;
  b.Cave = cave;
  for (int n = 0; n < DemoMaxSteps; ++n) b.Steps[n] = set_->DemoStep(cave, n);
  // The raw byte: a set from elsewhere may mark its demos with other values than ours.
  b.Present = set_->A(CaveSet::DemoSlot(cave), FieldA::DemoPresent);
  b.Level = set_->DemoLevel(cave);
  b.Length = set_->DemoLength(cave);
  b.AmoebaExpiry = set_->AmoebaExpiryTick(cave);
  b.MagicExpiry = set_->MagicExpiryTick(cave);
  demoBackup_ = b;
}

void Game::RestoreAbandonedDemo() {
  if (!demoBackup_) return;
  const DemoBackup& b = *demoBackup_;
  for (int n = 0; n < DemoMaxSteps; ++n) set_->SetDemoStep(b.Cave, n, b.Steps[n]);
  set_->A(CaveSet::DemoSlot(b.Cave), FieldA::DemoPresent) = b.Present;
  set_->DemoLevel(b.Cave) = b.Level;
  set_->SetDemoLength(b.Cave, b.Length);
  set_->SetAmoebaExpiryTick(b.Cave, b.AmoebaExpiry);
  set_->SetMagicExpiryTick(b.Cave, b.MagicExpiry);
  demoBackup_.reset();
}

void Game::DemoClockTick() {
  ClockDemo mode = ClockDemo::None;
  if (flow_.DemoRecording && !demo_.Finished) mode = ClockDemo::Recording;
  if (flow_.DemoPlaying) mode = demo_.NoStamp ? ClockDemo::PlayingNoMagicStamp : ClockDemo::Playing;
  const ClockExpiries x =
      PlayClockTick(run_, *this, mode, mode == ClockDemo::Recording && demo_.AmoebaSwitched);
  if (mode != ClockDemo::Recording) return;
  const int cave = flow_.CurrentCave;
  const auto step = static_cast<std::uint16_t>(demo_.Step);
  if (x.MagicRanOut) set_->SetMagicExpiryTick(cave, step);
  if (x.AmoebaRanOut) {
    set_->SetAmoebaExpiryTick(cave, step);
    demo_.AmoebaSwitched = true;
  }
}

}  // namespace krattle
