#pragma once
// An engine host that records sound calls and can pretend a demo is running.

#include <functional>
#include <vector>

#include "engine/engine_host.h"

namespace krattle::testing {

class RecordingHost : public EngineHost {
 public:
  std::vector<int> Played, Looped, Stopped;
  bool Recording = false, Playing = false;
  int Polls = 0;
  std::function<void(InputFlags&, int row)> Poll;  // called with the row about to be scanned
  int RecordTicks = 0, FinishedRecordings = 0, FinishedPlaybacks = 0, PlaybackTicks = 0;

  void PollInput(InputFlags& in) override {
    if (Poll) Poll(in, Polls % 22);
    ++Polls;
  }
  void PlaySound(int w) override { Played.push_back(w); }
  void PlayLooped(int w) override { Looped.push_back(w); }
  void StopSound(int w) override { Stopped.push_back(w); }
  bool DemoRecording() const override { return Recording; }
  bool DemoPlaying() const override { return Playing; }
  void PlaybackTick() override { ++PlaybackTicks; }
  void RecordTick() override { ++RecordTicks; }
  void FinishRecording() override {
    ++FinishedRecordings;
    Recording = false;
  }
  void FinishPlayback() override {
    ++FinishedPlaybacks;
    Playing = false;
  }
};

}  // namespace krattle::testing
