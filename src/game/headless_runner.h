#pragma once
// The real program logic without a window: null or recording platform services and a virtual
// clock. Frames are Speed ms of virtual time apart and the game clock ticks every 1250 ms of it.
// Used by the tests and by krattle-cli.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "game/frame_clock.h"
#include "game/game.h"
#include "game/platform_stand_ins.h"
#include "render/recording_canvas.h"

namespace krattle {

// One scripted keyboard action at a frame number: a key-down event, or a key held or let go.
struct KeyAction {
  enum Kind : std::uint8_t { Down, Hold, Release } What = Down;
  long Frame = 0;
  int Key = 0;
  int Shift = 0;
};

struct KeyScript {
  std::vector<KeyAction> Actions;
  std::string Error;  // empty on success
};

// Tokens separated by spaces: FRAME:KEY (a key-down), FRAME:+KEY (held from then on),
// FRAME:-KEY (let go). KEY is a letter, a digit, Left, Right, Up, Down, Space, Ctrl, Enter,
// Escape, F2, optionally prefixed by Shift+ or Alt+ for key-downs.
KeyScript ParseKeyScript(std::string_view text);

// Virtual-key code of a key name, or 0.
int KeyByName(std::string_view name);

class HeadlessRunner {
 public:
  // Runs start-up and the first activation. `screen`, `assets` and `codec` replace the
  // recording canvas, the loader that accepts every set and the codec that refuses every file.
  explicit HeadlessRunner(const StartupOptions& options = {}, Canvas* screen = nullptr,
                          AssetLoader* assets = nullptr, MediaCodec* codec = nullptr);

  Game& game() { return *game_; }
  bool Started() const { return started_; }

  // Runs frames, firing the game clock whenever its virtual time has come.
  void Frames(long n);
  // Runs frames until `done` holds (checked after each frame) or `limit` frames have run.
  // Returns the frames run.
  long FramesUntil(const std::function<bool()>& done, long limit);
  // Scripted actions are applied at the start of the frame they name.
  void SetScript(std::vector<KeyAction> actions) { script_ = std::move(actions), next_ = 0; }

  void Key(int key, int shift = 0) { game_->KeyDown(key, shift); }
  long FrameCount() const { return frames_; }
  long NowMs() const { return now_; }

  RecordingCanvas Recorder;
  ScriptedKeyboard Keys;
  RecordingSound Sound;
  FakeMusic Music;
  ScriptedDialogs Dialogs;
  NullDisplay Window;
  NullAssets Assets;
  NullCodec Codec;

 private:
  void ApplyScript();
  std::unique_ptr<Game> game_;
  std::vector<KeyAction> script_;
  std::size_t next_ = 0;
  long frames_ = 0;
  long now_ = 0;
  FrameClock clock_;
  bool started_ = false;
};

}  // namespace krattle
