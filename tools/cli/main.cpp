// krattle-cli: headless commands on cave sets, for level designers, tests and tools.

#include <cstdio>
#include <string>

#include "commands.h"

namespace {

struct Command {
  const char* name;
  const char* usage;
  int (*run)(const krattle::cli::Args&);
};

const Command kCommands[] = {
    {"new-set", "new-set OUT.kcv [--force]", krattle::cli::NewSetCommand},
    {"sim", "sim SET.kcv --cave C --level L [--ticks N] [--input MOVES] [--clock K]",
     krattle::cli::SimCommand},
    {"shot",
     "shot SET.kcv --cave C --level L --frames N [--keys SCRIPT] [--zoom 1|2] [--title] "
     "--out FILE.png",
     krattle::cli::ShotCommand},
    {"unpack", "unpack SET.kgf|SET.kwv [--into DIR]", krattle::cli::UnpackCommand},
    {"pack", "pack DIR OUT.kgf|OUT.kwv", krattle::cli::PackCommand},
    {"sheet", "sheet SET.kgf OUT.png [--scale N] [--black] [--items FIRST LAST] [--columns N]",
     krattle::cli::SheetCommand},
    {"record", "record SET.kcv --cave C --level L --input MOVES", krattle::cli::RecordCommand},
    {"demo", "demo SET.kcv --cave C [--speed MS]", krattle::cli::DemoCommand},
    {"generate", "generate SET.kcv --cave C --level L", krattle::cli::GenerateCommand},
    {"run", "run SET.kcv --script FILE [--shot-dir DIR] [--data DIR]", krattle::cli::RunCommand},
};

void Usage() {
  std::fprintf(stderr, "usage: krattle-cli COMMAND [ARGS]\ncommands:\n");
  for (const auto& c : kCommands) std::fprintf(stderr, "  %s\n", c.usage);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    Usage();
    return 2;
  }
  const std::string name = argv[1];
  if (name == "--version") {
    std::printf("krattle-cli %s\n", KRATTLE_VERSION);
    return 0;
  }
  if (name == "--help" || name == "-h" || name == "help") {
    Usage();
    return 0;
  }
  for (const auto& c : kCommands) {
    if (name == c.name) return c.run(krattle::cli::Args(argv + 2, argv + argc));
  }
  std::fprintf(stderr, "krattle-cli: unknown command '%s'\n", name.c_str());
  Usage();
  return 2;
}
