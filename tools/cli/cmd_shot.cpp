// shot: start a cave as a game would, run some frames headless and write the last one as PNG.

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "commands.h"
#include "core/cave_set_file.h"
#include "core/file_bytes.h"
#include "game/headless_runner.h"
#include "render/set_assets.h"
#include "render/software_canvas.h"

namespace krattle::cli {

namespace {

// Over 20 minutes of play at the default speed, yet only seconds of work; a larger count is
// a slip of the keyboard that would keep the tool busy for hours.
constexpr long kMaxFrames = 100'000;

}  // namespace

int ShotCommand(const Args& args) {
  auto fail = [](const std::string& msg) {
    std::fprintf(stderr, "krattle-cli shot: %s\n", msg.c_str());
    return 2;
  };
  std::string path, out, keys, data;
  long cave = 0, level = 0, frames = 0, zoom = 1;
  bool haveCave = false, haveLevel = false, haveFrames = false, title = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool takesValue = a == "--cave" || a == "--level" || a == "--frames" || a == "--keys" ||
                            a == "--out" || a == "--zoom" || a == "--data";
    if (takesValue) {
      if (i + 1 >= args.size()) return fail(a + " needs a value");
      const std::string& v = args[++i];
      if (a == "--cave") {
        if (!ParseCave(v, cave)) return fail("cave must be A..T or 0..19");
        haveCave = true;
      } else if (a == "--level") {
        if (!ParseInt(v, 0, 4, level)) return fail("level must be 0..4");
        haveLevel = true;
      } else if (a == "--frames") {
        if (!ParseInt(v, 1, kMaxFrames, frames))
          return fail("frames must be 1.." + std::to_string(kMaxFrames));
        haveFrames = true;
      } else if (a == "--zoom") {
        if (!ParseInt(v, 1, 2, zoom)) return fail("zoom must be 1 or 2");
      } else if (a == "--keys") {
        keys = v;
      } else if (a == "--data") {
        data = v;
      } else {
        out = v;
      }
    } else if (a == "--title") {
      title = true;
    } else if (path.empty() && (a.empty() || a[0] != '-')) {
      path = a;
    } else {
      return fail("unexpected argument '" + a + "'");
    }
  }
  if (path.empty() || out.empty() || !haveCave || !haveLevel || !haveFrames)
    return fail(
        "usage: krattle-cli shot SET.kcv --cave C --level L --frames N [--keys SCRIPT] "
        "[--zoom 1|2] [--data DIR] [--title] --out FILE.png");
  const KeyScript script = ParseKeyScript(keys);
  if (!script.Error.empty()) return fail(script.Error);
  if (const auto why = SizeTestFailure(path); !why.empty()) return fail(why);

  StartupOptions options;
  options.ProgramDir = data.empty() ? ProgramFolder() : std::filesystem::path(data);
  options.Zoom = static_cast<int>(zoom);
  auto assets = std::make_unique<SetFileAssets>();
  const int tile = zoom == 2 ? 40 : 32;
  SoftwareCanvas canvas(*assets, 20 * tile, 12 * tile + 24);
  auto runner = std::make_unique<HeadlessRunner>(options, &canvas, assets.get());
  if (!runner->Started()) {
    for (const auto& m : runner->Dialogs.Shown) std::fprintf(stderr, "%s\n", m.c_str());
    return 1;
  }
  Game& game = runner->game();
  if (!game.LoadCaveSet(path)) {
    for (const auto& m : runner->Dialogs.Shown) std::fprintf(stderr, "%s\n", m.c_str());
    return 1;
  }
  // Looking must not move the position the set keeps.
  game.DetachSetFile();
  game.ChooseCave(static_cast<int>(cave), static_cast<int>(level));
  // With --title the cave is only chosen on the title screen, not started.
  if (!title) game.Start();
  runner->SetScript(script.Actions);
  runner->Frames(frames);
  if (const IoResult res = WritePng(out, canvas); !res.Ok) {
    std::fprintf(stderr, "krattle-cli shot: %s\n", res.Message.c_str());
    return 1;
  }
  return 0;
}

}  // namespace krattle::cli
