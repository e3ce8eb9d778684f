// unpack and pack: graphics and sound sets to and from numbered BMP/WAV files.

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "commands.h"
#include "game/config_file.h"
#include "platform/sdl_media_codec.h"
#include "render/set_packing.h"

namespace krattle::cli {

namespace fs = std::filesystem;

namespace {

const char* KindName(SetKind kind) {
  return kind == SetKind::Waves ? "waves" : "pictures";
}

}  // namespace

int UnpackCommand(const Args& args) {
  fs::path file, into;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--into" && i + 1 < args.size()) {
      into = args[++i];
    } else if (file.empty() && !args[i].starts_with("--")) {
      file = args[i];
    } else {
      std::fprintf(stderr, "usage: krattle-cli unpack FILE [--into DIR]\n");
      return 2;
    }
  }
  if (file.empty()) {
    std::fprintf(stderr, "usage: krattle-cli unpack FILE [--into DIR]\n");
    return 2;
  }
  if (SetKindOf(file) == SetKind::None) {
    std::fprintf(stderr,
                 "krattle-cli unpack: nothing to do: \"%s\" does not end in .kgf, .kwv, "
                 ".dxg or .dxw\n",
                 file.c_str());
    return 1;
  }
  if (into.empty()) {
    into = DefaultUnpackFolder(DefaultDataFolder(ProgramFolder()), file);
    if (into.empty()) {
      std::fprintf(stderr,
                   "krattle-cli unpack: \"%s\" leaves no folder name; choose one with --into DIR\n",
                   file.c_str());
      return 1;
    }
  }
  SdlMediaCodec codec;
  PackResult res = UnpackSet(file, into, codec);
  if (!res.Io.Ok) {
    std::fprintf(stderr, "krattle-cli unpack: %s\n", res.Io.Message.c_str());
    return 1;
  }
  std::printf("%d %s written to %s\n", res.Items, KindName(res.Kind), into.c_str());
  return 0;
}

int PackCommand(const Args& args) {
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: krattle-cli pack DIR OUT.kgf|OUT.kwv\n");
    return 2;
  }
  SdlMediaCodec codec;
  PackResult res = PackSet(args[0], args[1], codec);
  if (!res.Io.Ok) {
    std::fprintf(stderr, "krattle-cli pack: %s; nothing written\n", res.Io.Message.c_str());
    return 1;
  }
  std::printf("%d %s packed into %s\n", res.Items, KindName(res.Kind), args[1].c_str());
  return 0;
}

}  // namespace krattle::cli
