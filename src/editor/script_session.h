#pragma once
// Scripted sessions: the real program logic, headless, driven by a script of one command per
// line, as a user would drive the window (keys, mouse, menu items, the editor's panel, answers
// to the dialogs that come up). Used by `krattle-cli run` and by the editor's tests.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "game/headless_runner.h"

namespace krattle {

// Virtual-key code of a key by SDL's name for it ("Left", "Return", "-", "T", "Keypad 8", ...)
// or a few plainer names ("Enter", "Minus", "Period"); 0 if unknown. Case does not matter.
int ScriptKeyByName(std::string_view name);

class ScriptSession {
 public:
  // Starts the program logic as the game starts (options.Args holds the set to open) and gives
  // it its editor. `screen`, `assets` and `codec` as for HeadlessRunner.
  explicit ScriptSession(const StartupOptions& options, Canvas* screen = nullptr,
                         AssetLoader* assets = nullptr, MediaCodec* codec = nullptr);

  // Runs the script. Empty when every line ran; otherwise "NAME:LINE: what went wrong".
  std::string Run(std::string_view script, std::string_view name = "script");

  HeadlessRunner& Runner() { return *runner_; }
  Game& game() { return runner_->game(); }
  // The program has ended (Exit, or a close that was not cancelled).
  bool Ended() const { return ended_; }

  // Relative shot files go here.
  std::filesystem::path ShotDir;
  // Writes the current surface to a PNG file; returns why it could not, or "".
  std::function<std::string(const std::filesystem::path&)> Shot;

 private:
  // One line; returns what went wrong or "".
  std::string Line(std::string_view line);
  std::string Key(std::string_view name, long holdFrames);
  std::string Answer(std::string_view what, std::string_view rest);
  std::string Panel(std::string_view verb, std::string_view name, std::string_view rest);
  std::string Popup(std::string_view item);
  std::string DialogAction(std::string_view verb, std::string_view rest,
                           std::vector<FormAction>& actions);
  std::string OpenDialog(std::string_view which, std::vector<FormAction> actions);
  std::string Mouse(std::string_view what, std::string_view button, std::string_view x,
                    std::string_view y);

  std::unique_ptr<HeadlessRunner> runner_;
  bool ended_ = false;
};

}  // namespace krattle
