// run: the program logic on a set, driven by a script as a user drives the window.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "commands.h"
#include "core/file_bytes.h"
#include "editor/script_session.h"
#include "game/config_file.h"
#include "platform/sdl_media_codec.h"
#include "render/set_assets.h"

namespace krattle::cli {

int RunCommand(const Args& args) {
  auto fail = [](const std::string& msg) {
    std::fprintf(stderr, "krattle-cli run: %s\n", msg.c_str());
    return 2;
  };
  std::string set, script, shotDir, data, config;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--script" || a == "--shot-dir" || a == "--data" || a == "--config") {
      if (i + 1 >= args.size()) return fail(a + " needs a value");
      (a == "--script"     ? script
       : a == "--shot-dir" ? shotDir
       : a == "--data"     ? data
                           : config) = args[++i];
    } else if (set.empty() && !a.empty() && a[0] != '-') {
      set = a;
    } else {
      return fail("unexpected argument '" + a + "'");
    }
  }
  if (set.empty() || script.empty())
    return fail(
        "usage: krattle-cli run SET.kcv --script FILE [--shot-dir DIR] [--data DIR] "
        "[--config FILE]");
  // A script is text of a few lines; a device or a huge file given by mistake is refused unread.
  constexpr std::uint64_t kMaxScriptBytes = 1u << 20;
  std::vector<std::uint8_t> bytes;
  if (const IoResult read = ReadFileBytes(script, kMaxScriptBytes, bytes); !read.Ok)
    return fail("cannot read the script: " + read.Message);
  const std::string text(bytes.begin(), bytes.end());

  StartupOptions options;
  options.ProgramDir = data.empty() ? ProgramFolder() : std::filesystem::path(data);
  options.Args = {set};
  // A session reads and writes the settings as the window does, unless told where they are.
  options.ConfigFile =
      config.empty() ? DefaultConfigFile(options.ProgramDir) : std::filesystem::path(config);
  options.WriteDir = DefaultDataFolder(options.ProgramDir);
  auto assets = std::make_unique<SetFileAssets>();
  SoftwareCanvas canvas(*assets, 640, 408);
  SdlMediaCodec codec;
  ScriptSession session(options, &canvas, assets.get(), &codec);
  HeadlessRunner& runner = session.Runner();
  // Whatever start-up had to say ends the run: the script was written for the set opening.
  if (!runner.Started() || !runner.Dialogs.Shown.empty()) {
    for (const auto& m : runner.Dialogs.Shown) std::fprintf(stderr, "%s\n", m.c_str());
    return 1;
  }
  runner.Window.Resized = [&canvas](int w, int h) { canvas.Resize(w, h); };
  runner.Dialogs.Echo = [](const std::string& m) { std::printf("dialog: %s\n", m.c_str()); };
  session.ShotDir = shotDir;
  session.Shot = [&canvas](const std::filesystem::path& file) {
    const IoResult r = WritePng(file, canvas);
    return r.Ok ? std::string() : r.Message;
  };
  const std::string error = session.Run(text, script);
  std::fflush(stdout);
  if (!error.empty()) {
    std::fprintf(stderr, "krattle-cli run: %s\n", error.c_str());
    return 1;
  }
  return 0;
}

}  // namespace krattle::cli
