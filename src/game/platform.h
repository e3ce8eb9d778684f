#pragma once
// What the program logic needs from the outside world. The platform ring implements these with
// SDL; the headless runner and the tests use the stand-ins of platform_stand_ins.h.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "game/form.h"
#include "render/asset_loader.h"
#include "render/canvas.h"
#include "render/media_codec.h"

namespace krattle {

class Keyboard {
 public:
  virtual ~Keyboard() = default;
  // Held state of a virtual key (keys.h), Ctrl included.
  virtual bool IsDown(int key) const = 0;
};

class SoundDevice {
 public:
  virtual ~SoundDevice() = default;
  // Once, overlapping earlier instances of the same wave.
  virtual void Play(int wave) = 0;
  virtual void PlayLooped(int wave) = 0;
  // Every playing instance of the wave.
  virtual void Stop(int wave) = 0;
};

class MusicPlayer {
 public:
  virtual ~MusicPlayer() = default;
  virtual bool Open(const std::filesystem::path& path) = 0;
  // Length in milliseconds, or a negative number when it cannot be measured.
  virtual long LengthMs() = 0;
  virtual void Seek(long ms) = 0;
  virtual void Play() = 0;
  virtual void Stop() = 0;
};

enum class DialogAnswer : std::uint8_t { Yes, No, Cancel, Ok };

// What an open or save dialog shows: its caption, the folder it starts in, and the files it
// offers ("Caption *.ext|*.ext"; empty: every file).
struct FileRequest {
  std::string Title;
  std::filesystem::path Folder;
  std::string Filter;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Returns the chosen file, or nothing when the user cancels.
  virtual std::optional<std::filesystem::path> OpenFile(const FileRequest& request) = 0;
  virtual std::optional<std::filesystem::path> SaveFile(const FileRequest& request) = 0;
  virtual DialogAnswer YesNoCancel(const std::string& text, const std::string& title) = 0;
  virtual DialogAnswer YesNo(const std::string& text, const std::string& title) = 0;
  virtual void Message(const std::string& text, const std::string& title) = 0;
  // One line of text of at most maxLength characters below `prompt`; Enter or OK gives it,
  // closing gives nothing.
  virtual std::optional<std::string> InputText(const std::string& title, const std::string& prompt,
                                               int maxLength) = 0;
  // Shows the form modally: Show(), then the user's changes, until a handler or the close box
  // closes it.
  virtual void ShowForm(Form& form) = 0;
};

// The window and its drawing surface.
class Display {
 public:
  virtual ~Display() = default;
  // The surface, and the band under it that holds the editor's panel (0 outside the editor).
  virtual void SetSurfaceSize(int width, int height, int panelHeight) = 0;
  virtual void ToggleFullScreen() = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  // Opens a web address in the user's browser, where the system has one.
  virtual void OpenUrl(const std::string& url) = 0;
  // The window's size when it is not full screen, to be restored next time; false without one.
  virtual bool WindowSize(int& /*width*/, int& /*height*/) const { return false; }
};

struct PlatformServices {
  Canvas& Screen;
  Keyboard& Keys;
  SoundDevice& Sound;
  MusicPlayer& Music;
  Dialogs& Ask;
  Display& Window;
  AssetLoader& Assets;
  // Single BMP and WAV files, for unpacking and packing sets.
  MediaCodec& Codec;
};

}  // namespace krattle
