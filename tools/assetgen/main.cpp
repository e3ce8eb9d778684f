// krattle-assetgen OUTDIR: writes the game's own graphics, font, sound and music sets into
// OUTDIR/data/Krattle. krattle-assetgen --icons DIR: writes the desktop icon in the sizes of the
// hicolor theme under DIR. The output depends on nothing but this code.

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "core/file_bytes.h"
#include "render/set_file.h"
#include "sets.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--icons") {
    const krattle::IoResult r = assetgen::WriteIcons(argv[2]);
    if (!r.Ok) std::fprintf(stderr, "krattle-assetgen: %s\n", r.Message.c_str());
    return r.Ok ? 0 : 1;
  }
  if (argc != 2) {
    std::fprintf(stderr, "usage: krattle-assetgen OUTDIR | --icons DIR\n");
    return 2;
  }
  const fs::path dir = fs::path(argv[1]) / "data" / "Krattle";
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (ec) {
    std::fprintf(stderr, "krattle-assetgen: cannot create %s: %s\n", dir.c_str(),
                 ec.message().c_str());
    return 1;
  }
  auto check = [](const krattle::IoResult& r) {
    if (!r.Ok) std::fprintf(stderr, "krattle-assetgen: %s\n", r.Message.c_str());
    return r.Ok;
  };
  if (!check(krattle::SaveImageList(dir / "32x32.kgf", assetgen::BuildTileSet(32)))) return 1;
  if (!check(krattle::SaveImageList(dir / "40x40.kgf", assetgen::BuildTileSet(40)))) return 1;
  if (!check(krattle::SaveImageList(dir / "Fonts.kgf", assetgen::BuildFontSet()))) return 1;
  if (!check(krattle::SaveWaveList(dir / "Sounds.kwv", assetgen::BuildSoundSet()))) return 1;
  if (!check(krattle::WriteFileBytes(dir / "Krattle.mid", assetgen::BuildTitleMusic()))) return 1;
  return 0;
}
