#include <cctype>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>

#include "commands.h"
#include "core/cave_set_file.h"
#include "game/headless_sim.h"
#include "game/moves.h"

namespace krattle::cli {

bool ParseInt(const std::string& text, long lo, long hi, long& out) {
  if (text.empty() || text.size() > 12) return false;
  std::size_t i = 0;
  bool negative = false;
  if (text[0] == '-') {
    negative = true;
    i = 1;
  }
  if (i == text.size()) return false;
  long v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    v = v * 10 + (text[i] - '0');
  }
  if (negative) v = -v;
  if (v < lo || v > hi) return false;
  out = v;
  return true;
}

bool ParseCave(const std::string& text, long& out) {
  if (text.size() == 1) {
    const int c = std::toupper(static_cast<unsigned char>(text[0]));
    if (c >= 'A' && c <= 'T') {
      out = c - 'A';
      return true;
    }
  }
  return ParseInt(text, 0, 19, out);
}

int NewSetCommand(const Args& args) {
  std::string out;
  bool force = false, bad = false;
  for (const auto& a : args) {
    if (a == "--force") {
      force = true;
    } else if (out.empty() && !a.starts_with("--")) {
      out = a;
    } else {
      bad = true;
    }
  }
  if (bad || out.empty()) {
    std::fprintf(stderr, "usage: krattle-cli new-set OUT.kcv [--force]\n");
    return 2;
  }
  // An existing set holds caves, demos and scores; replacing it takes the user's word.
  std::error_code ec;
  if (!force && std::filesystem::exists(out, ec)) {
    std::fprintf(stderr,
                 "krattle-cli new-set: \"%s\" already exists; nothing written (--force "
                 "replaces it)\n",
                 out.c_str());
    return 1;
  }
  auto set = std::make_unique<CaveSet>(NewCaveSet());
  auto result = SaveCaveSet(out, *set);
  if (!result.Ok()) {
    std::fprintf(stderr, "krattle-cli: %s\n", result.Message.c_str());
    return 1;
  }
  return 0;
}

int SimCommand(const Args& args) {
  auto fail = [](const std::string& msg) {
    std::fprintf(stderr, "krattle-cli sim: %s\n", msg.c_str());
    return 2;
  };
  std::string path, moves;
  long cave = -1, level = -1, ticks = 100, clock = 0;
  bool haveCave = false, haveLevel = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](const char* what) -> const std::string* {
      if (i + 1 >= args.size()) return nullptr;
      (void)what;
      return &args[++i];
    };
    if (a == "--cave" || a == "--level" || a == "--ticks" || a == "--input" || a == "--clock") {
      const std::string* v = value(a.c_str());
      if (!v) return fail(a + " needs a value");
      if (a == "--cave") {
        if (!ParseCave(*v, cave)) return fail("cave must be A..T or 0..19");
        haveCave = true;
      } else if (a == "--level") {
        if (!ParseInt(*v, 0, 4, level)) return fail("level must be 0..4");
        haveLevel = true;
      } else if (a == "--ticks") {
        if (!ParseInt(*v, 0, 100'000'000, ticks)) return fail("ticks must be 0..100000000");
      } else if (a == "--clock") {
        if (!ParseInt(*v, 0, 100'000'000, clock)) return fail("clock must be 0..100000000");
      } else {
        moves = *v;
      }
    } else if (path.empty() && (a.empty() || a[0] != '-')) {
      path = a;
    } else {
      return fail("unexpected argument '" + a + "'");
    }
  }
  if (path.empty()) return fail("no cave-set file given");
  if (!haveCave || !haveLevel) return fail("--cave and --level are required");
  if (const auto why = SizeTestFailure(path); !why.empty()) return fail(why);

  auto set = std::make_unique<CaveSet>();
  auto read = ReadCaveSet(path, *set);
  if (!read.Ok()) return fail(read.Message);

  MovesParse parsed = ParseMoves(moves);
  if (!parsed.Error.empty()) return fail(parsed.Error);

  auto sim = std::make_unique<HeadlessSim>(*set, static_cast<int>(cave), static_cast<int>(level));
  sim->Run(static_cast<int>(ticks), parsed.Ticks, static_cast<int>(clock));
  std::cout << sim->Report();
  return 0;
}

}  // namespace krattle::cli
