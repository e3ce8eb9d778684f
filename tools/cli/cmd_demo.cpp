// demo: play the stored demo of one cave through the real game flow and report how it ended
// and the cave it left.

#include <cstdio>
#include <iostream>
#include <memory>

#include "commands.h"
#include "core/cave_set_file.h"
#include "game/headless_demo.h"
#include "game/play_result.h"

namespace krattle::cli {

int DemoCommand(const Args& args) {
  auto fail = [](const std::string& msg) {
    std::fprintf(stderr, "krattle-cli demo: %s\n", msg.c_str());
    return 2;
  };
  std::string path;
  long cave = 0, speed = 14;
  bool haveCave = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--cave" || a == "--speed") {
      if (i + 1 >= args.size()) return fail(a + " needs a value");
      const std::string& v = args[++i];
      if (a == "--cave") {
        if (!ParseCave(v, cave)) return fail("cave must be A..T or 0..19");
        haveCave = true;
      } else if (!ParseInt(v, 0, 99, speed)) {
        return fail("speed must be 0..99");
      }
    } else if (path.empty() && (a.empty() || a[0] != '-')) {
      path = a;
    } else {
      return fail("unexpected argument '" + a + "'");
    }
  }
  if (path.empty() || !haveCave)
    return fail("usage: krattle-cli demo SET.kcv --cave C [--speed MS]");
  if (const auto why = SizeTestFailure(path); !why.empty()) return fail(why);

  auto runner = std::make_unique<HeadlessRunner>();
  Game& game = runner->game();
  if (!game.LoadCaveSet(path)) {
    for (const auto& m : runner->Dialogs.Shown) std::fprintf(stderr, "%s\n", m.c_str());
    return 1;
  }
  // Watching a demo must not change the file.
  game.DetachSetFile();
  if (!game.Set().DemoPresent(static_cast<int>(cave))) return fail("cave holds no demo");
  game.SetSpeed(static_cast<int>(speed));
  const DemoOutcome out = PlayStoredDemo(*runner, static_cast<int>(cave));
  std::cout << DemoReport(out) << DemoEndState(out);
  return 0;
}

}  // namespace krattle::cli
