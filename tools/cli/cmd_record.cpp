// record: record a demo of one cave from scripted input through the real game flow and store
// it in the set file.

#include <cstdio>
#include <iostream>
#include <memory>

#include "commands.h"
#include "core/cave_set_file.h"
#include "game/headless_demo.h"
#include "game/moves.h"
#include "game/play_result.h"

namespace krattle::cli {

int RecordCommand(const Args& args) {
  auto fail = [](const std::string& msg) {
    std::fprintf(stderr, "krattle-cli record: %s\n", msg.c_str());
    return 2;
  };
  std::string path, moves;
  long cave = 0, level = 0;
  bool haveCave = false, haveLevel = false, haveInput = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--cave" || a == "--level" || a == "--input") {
      if (i + 1 >= args.size()) return fail(a + " needs a value");
      const std::string& v = args[++i];
      if (a == "--cave") {
        if (!ParseCave(v, cave)) return fail("cave must be A..T or 0..19");
        haveCave = true;
      } else if (a == "--level") {
        if (!ParseInt(v, 0, 4, level)) return fail("level must be 0..4");
        haveLevel = true;
      } else {
        moves = v;
        haveInput = true;
      }
    } else if (path.empty() && (a.empty() || a[0] != '-')) {
      path = a;
    } else {
      return fail("unexpected argument '" + a + "'");
    }
  }
  if (path.empty() || !haveCave || !haveLevel || !haveInput)
    return fail("usage: krattle-cli record SET.kcv --cave C --level L --input MOVES");
  const MovesParse parsed = ParseMoves(moves);
  if (!parsed.Error.empty()) return fail(parsed.Error);
  if (const auto why = SizeTestFailure(path); !why.empty()) return fail(why);

  auto runner = std::make_unique<HeadlessRunner>();
  Game& game = runner->game();
  if (!game.LoadCaveSet(path)) {
    for (const auto& m : runner->Dialogs.Shown) std::fprintf(stderr, "%s\n", m.c_str());
    return 1;
  }
  const DemoOutcome out =
      RecordDemoFromMoves(*runner, static_cast<int>(cave), static_cast<int>(level), parsed.Ticks);
  // The game ignores a failed save; a tool must not.
  const CaveSetResult saved = SaveCaveSet(path, game.Set());
  if (!saved.Ok()) {
    std::fprintf(stderr, "krattle-cli record: %s\n", saved.Message.c_str());
    return 1;
  }
  std::cout << DemoReport(out) << "bytes " << game.Set().DemoLength(static_cast<int>(cave)) + 1
            << "\n";
  return 0;
}

}  // namespace krattle::cli
