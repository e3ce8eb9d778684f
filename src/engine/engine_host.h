#pragma once
// What the engine needs from the program around it. The defaults do nothing, so headless runs
// and tests pass a plain EngineHost.

#include "engine/engine_state.h"
#include "engine/waves.h"

namespace krattle {

class EngineHost {
 public:
  virtual ~EngineHost() = default;
  // Called before every row of the scan; sets the input flags from the keyboard.
  virtual void PollInput(InputFlags& /*input*/) {}
  virtual void PlaySound(int /*wave*/) {}
  virtual void PlayLooped(int /*wave*/) {}
  virtual void StopSound(int /*wave*/) {}
  // Demo hooks: the flags gate bonus lives, the best score and the exit.
  virtual bool DemoRecording() const { return false; }
  virtual bool DemoPlaying() const { return false; }
  virtual void PlaybackTick() {}
  // Called after every scan while recording; the recorder skips the first tick itself.
  virtual void RecordTick() {}
  virtual void FinishRecording() {}
  virtual void FinishPlayback() {}
};

}  // namespace krattle
