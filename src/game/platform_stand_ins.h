#pragma once
// Stand-ins for the platform services: they do nothing, or remember what they were asked, or
// answer from a script. The headless runner and the tests use them.

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "game/platform.h"

namespace krattle {

class ScriptedKeyboard : public Keyboard {
 public:
  bool IsDown(int key) const override { return held_.count(key) != 0; }
  void Press(int key) { held_.insert(key); }
  void Release(int key) { held_.erase(key); }
  void ReleaseAll() { held_.clear(); }

 private:
  std::set<int> held_;
};

struct SoundCall {
  enum Kind : std::uint8_t { Play, Loop, Stop } What = Play;
  int Wave = 0;
  bool operator==(const SoundCall&) const = default;
};

class RecordingSound : public SoundDevice {
 public:
  void Play(int wave) override { Calls.push_back({SoundCall::Play, wave}); }
  void PlayLooped(int wave) override { Calls.push_back({SoundCall::Loop, wave}); }
  void Stop(int wave) override { Calls.push_back({SoundCall::Stop, wave}); }
  int Played(int wave) const;
  std::vector<SoundCall> Calls;
};

class FakeMusic : public MusicPlayer {
 public:
  bool Opens = false;  // no music unless a test provides some
  long Length = 0;
  bool Open(const std::filesystem::path&) override { return Opens; }
  long LengthMs() override { return Length; }
  void Seek(long ms) override { Position = ms; }
  void Play() override { ++Plays, Playing = true; }
  void Stop() override { ++Stops, Playing = false; }
  long Position = 0;
  int Plays = 0, Stops = 0;
  bool Playing = false;
};

class ScriptedDialogs : public Dialogs {
 public:
  std::optional<std::filesystem::path> OpenFile(const FileRequest& request) override;
  std::optional<std::filesystem::path> SaveFile(const FileRequest& request) override;
  DialogAnswer YesNoCancel(const std::string& text, const std::string& title) override;
  DialogAnswer YesNo(const std::string& text, const std::string& title) override;
  void Message(const std::string& text, const std::string& title) override;
  std::optional<std::string> InputText(const std::string& title, const std::string& prompt,
                                       int maxLength) override;
  void ShowForm(Form& form) override;

  // Answers to forms, one list of actions per form shown; an empty queue closes at once.
  std::deque<std::vector<FormAction>> FormAnswers;
  // Each form as it was when the script ended, before its close box.
  std::vector<Form> FormsShown;

  // Typed lines handed out in order (cut to the length the edit allows); an empty queue closes.
  std::deque<std::optional<std::string>> Typed;
  // Answers handed out in order; an empty queue cancels.
  std::deque<std::optional<std::filesystem::path>> Files;
  std::deque<DialogAnswer> Answers;
  // Everything shown, as "title: text".
  std::vector<std::string> Shown;
  std::vector<std::filesystem::path> OpenedIn;
  std::vector<std::string> FileTitles;
  std::string LastPrompt;

  // Strict: every dialog needs a queued reply (a message box an Ok, a form its actions); one
  // without is answered as cancelled and described here, so a script can stop at it.
  bool Strict = false;
  std::string Unanswered;
  // Called with each message box's "title: text" as it comes up.
  std::function<void(const std::string&)> Echo;

 private:
  bool Missing(const std::string& what);
  bool Fault(const std::string& message);
};

class NullDisplay : public Display {
 public:
  void SetSurfaceSize(int w, int h, int panel) override {
    Width = w, Height = h, PanelHeight = panel;
    if (Resized) Resized(w, h);
  }
  void ToggleFullScreen() override { FullScreen = !FullScreen; }
  void SetCaption(const std::string& caption) override { Caption = caption; }
  void OpenUrl(const std::string& url) override { Urls.push_back(url); }
  bool WindowSize(int& w, int& h) const override {
    if (WindowWidth <= 0) return false;
    w = WindowWidth, h = WindowHeight;
    return true;
  }
  std::vector<std::string> Urls;
  int Width = 0, Height = 0, PanelHeight = 0;
  int WindowWidth = 0, WindowHeight = 0;  // 0: no window to measure
  bool FullScreen = false;
  std::string Caption = "Krattle";
  // Lets a headless run keep a pixel surface the size of the window's.
  std::function<void(int, int)> Resized;
};

// Accepts every set unless its path is listed as broken.
class NullAssets : public AssetLoader {
 public:
  std::string LoadTiles(const std::filesystem::path& path, int tileSize) override;
  std::string LoadFonts(const std::filesystem::path& path) override { return Result(path); }
  std::string LoadSounds(const std::filesystem::path& path) override { return Result(path); }
  std::set<std::filesystem::path> Broken;
  std::vector<std::filesystem::path> Loaded;

 private:
  std::string Result(const std::filesystem::path& path);
};

// Reads and writes no picture or wave: every call fails and says so.
class NullCodec : public MediaCodec {
 public:
  IoResult LoadBmp(const std::filesystem::path& path, Picture&) override { return Fail(path); }
  IoResult SaveBmp(const std::filesystem::path& path, const Picture&) override {
    return Fail(path);
  }
  IoResult LoadWav(const std::filesystem::path& path, Wave&) override { return Fail(path); }
  IoResult SaveWav(const std::filesystem::path& path, const Wave&) override { return Fail(path); }

 private:
  static IoResult Fail(const std::filesystem::path& path) {
    return IoResult::Fail(path.string() + ": no picture or wave codec in this run");
  }
};

}  // namespace krattle
