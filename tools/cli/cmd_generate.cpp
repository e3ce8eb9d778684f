#include <cstdio>
#include <memory>

#include "commands.h"
#include "core/cave_set_file.h"
#include "generator/cave_generator.h"

namespace krattle::cli {

int GenerateCommand(const Args& args) {
  auto fail = [](const std::string& msg) {
    std::fprintf(stderr, "krattle-cli generate: %s\n", msg.c_str());
    return 2;
  };
  std::string path;
  long cave = -1, level = -1;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--cave" || a == "--level") {
      if (i + 1 >= args.size()) return fail(a + " needs a value");
      const std::string& v = args[++i];
      if (a == "--cave" && !ParseCave(v, cave)) return fail("cave must be A..T or 0..19");
      if (a == "--level" && !ParseInt(v, 0, 4, level)) return fail("level must be 0..4");
    } else if (path.empty() && !a.empty() && a[0] != '-') {
      path = a;
    } else {
      return fail("unexpected argument '" + a + "'");
    }
  }
  if (path.empty()) return fail("no cave-set file given");
  if (cave < 0 || level < 0) return fail("--cave and --level are required");
  if (const auto why = SizeTestFailure(path); !why.empty()) return fail(why);

  auto set = std::make_unique<CaveSet>();
  auto read = ReadCaveSet(path, *set);
  if (!read.Ok()) return fail(read.Message);
  GenerateCave(*set, static_cast<int>(cave), static_cast<int>(level));
  auto saved = SaveCaveSet(path, *set);
  if (!saved.Ok()) {
    std::fprintf(stderr, "krattle-cli generate: %s\n", saved.Message.c_str());
    return 1;
  }
  return 0;
}

}  // namespace krattle::cli
