#pragma once
// Message boxes and the open/save file dialog, drawn with Dear ImGui. Each call runs its own
// small event loop until the user answers, so callers get their answer back like any function
// call, in a window or in full screen.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "game/platform.h"
#include "game/texts.h"
#include "platform/event_feed.h"
#include "platform/sdl_window.h"

namespace krattle {

class ImGuiDialogs : public Dialogs {
 public:
  // `background` draws whatever should show behind the dialog (the last game frame).
  ImGuiDialogs(SdlWindow& window, EventFeed& events, std::function<void()> background)
      : window_(window), events_(events), background_(std::move(background)) {}

  std::optional<std::filesystem::path> OpenFile(const FileRequest& request) override;
  std::optional<std::filesystem::path> SaveFile(const FileRequest& request) override;
  DialogAnswer YesNoCancel(const std::string& text, const std::string& title) override;
  DialogAnswer YesNo(const std::string& text, const std::string& title) override;
  void Message(const std::string& text, const std::string& title) override;
  void ShowForm(Form& form) override;
  std::optional<std::string> InputText(const std::string& title, const std::string& prompt,
                                       int maxLength) override;

  // Set when the window was closed while a dialog was up.
  bool QuitRequested() const { return quit_; }
  // False before ImGui is set up (start-up errors then go to a plain SDL message box).
  void SetReady(bool ready) { ready_ = ready; }
  // Drawn with ImGui under every dialog (the menu bar, the editor's panel), so the window keeps
  // its face while a dialog is up; the dialog being modal, nothing there takes input.
  void SetUnderlay(std::function<void()> underlay) { underlay_ = std::move(underlay); }
  // The program's texts, once the game holds them; until then the built-in ones.
  void SetTexts(const Texts* texts) { texts_ = texts; }
  // How many dialogs have been shown, for tests that check a command opened one.
  int Shown() const { return shown_; }
  // Where the next file dialog for this filter opens, once a file has been chosen with it.
  std::filesystem::path LastFolder(const std::string& filter) const {
    const auto it = lastFolder_.find(filter);
    return it == lastFolder_.end() ? std::filesystem::path() : it->second;
  }

 private:
  // Runs frames until `body` (drawn inside the modal popup) returns true, or until the popup's
  // close box (shown when `closeBox` is given) clears *closeBox.
  void RunModal(const std::string& title, const std::function<bool()>& body,
                bool* closeBox = nullptr);
  const Texts& Text() const;
  const char* T(TextId id) const { return Text().Get(id).c_str(); }
  DialogAnswer Ask(const std::string& text, const std::string& title, bool cancel);
  std::optional<std::filesystem::path> FileDialog(const FileRequest& request, bool save);

  SdlWindow& window_;
  EventFeed& events_;
  std::function<void()> background_;
  std::function<void()> underlay_;
  // The folder each kind of file was last chosen in, where its dialog opens next time.
  std::map<std::string, std::filesystem::path> lastFolder_;
  int shown_ = 0;
  const Texts* texts_ = nullptr;
  bool quit_ = false;
  bool ready_ = false;
};

// The extensions a filter such as "Krattle Caves *.kcv|*.kcv" or "*.bmp; *.wav|*.bmp; *.wav"
// accepts ({".kcv"}, {".bmp", ".wav"}), or none for every file. A save adds the first.
std::vector<std::string> FilterExtensions(const std::string& filter);

}  // namespace krattle
