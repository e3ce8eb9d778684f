#include "render/set_packing.h"

#include <cstdio>
#include <system_error>

#include "render/set_file.h"

namespace krattle {

namespace fs = std::filesystem;

namespace {

// The numbering the game uses: tiles run to 324, the sound set has exactly 29 waves.
constexpr int LastPictureNumber = 324;
constexpr int WaveCount = 29;

PackResult Failed(SetKind kind, std::string message) {
  return {IoResult::Fail(std::move(message)), kind, 0};
}

std::string Quoted(const fs::path& p) {
  return "\"" + p.native() + "\"";
}

IoResult MakeFolder(const fs::path& dir) {
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (ec || !fs::is_directory(dir))
    return IoResult::Fail("cannot create folder " + Quoted(dir) + ": " + ec.message());
  return {};
}

PackResult PackPictures(const fs::path& dir, const fs::path& outFile, MediaCodec& codec) {
  ImageList list;
  // Never write a set that loading would refuse.
  std::uint64_t bytes = 0;
  for (int n = 0; n <= LastPictureNumber; ++n) {
    const fs::path file = dir / NumberedFileName(n, SetKind::Pictures);
    std::error_code ec;
    if (!fs::exists(file, ec)) continue;
    ImageItem item;
    if (auto res = codec.LoadBmp(file, item.Pic); !res.Ok)
      return Failed(SetKind::Pictures, res.Message);
    if (auto why = PictureProblem(item.Pic); !why.empty())
      return Failed(SetKind::Pictures, Quoted(file) + ": " + why);
    bytes += 44 + std::uint64_t(item.Pic.Width) * std::uint64_t(item.Pic.Height) * 3;
    if (bytes > MaxSetFileBytes)
      return Failed(SetKind::Pictures,
                    "the pictures in " + Quoted(dir) + " are too large for a set");
    item.SystemMemory = true;
    item.Transparent = true;
    item.TransparentColor = TransparentMagenta;
    list.Items.push_back(std::move(item));
  }
  // An empty set is never what the user meant, and no game could load it.
  if (list.Items.empty())
    return Failed(SetKind::Pictures, "no numbered .bmp files (000.bmp ...) in " + Quoted(dir));
  if (auto res = SaveImageList(outFile, list); !res.Ok)
    return Failed(SetKind::Pictures, res.Message);
  return {{}, SetKind::Pictures, int(list.Items.size())};
}

PackResult PackWaves(const fs::path& dir, const fs::path& outFile, MediaCodec& codec) {
  WaveList list;
  for (int n = 0; n < WaveCount; ++n) {
    const fs::path file = dir / NumberedFileName(n, SetKind::Waves);
    WaveItem item;
    if (auto res = codec.LoadWav(file, item.Data); !res.Ok)
      return Failed(SetKind::Waves, res.Message + " (a sound set needs 000.wav to 028.wav)");
    if (auto why = WaveProblem(item.Data); !why.empty())
      return Failed(SetKind::Waves, Quoted(file) + ": " + why);
    item.Looped = false;
    item.MaxPlayingCount = 0;
    list.Items.push_back(std::move(item));
  }
  if (auto res = SaveWaveList(outFile, list); !res.Ok) return Failed(SetKind::Waves, res.Message);
  return {{}, SetKind::Waves, int(list.Items.size())};
}

}  // namespace

SetKind SetKindOf(const fs::path& file) {
  const std::string name = file.filename().string();
  if (name.size() < 4) return SetKind::None;
  const std::string ext = name.substr(name.size() - 4);
  if (ext == ".kgf" || ext == ".dxg") return SetKind::Pictures;
  if (ext == ".kwv" || ext == ".dxw") return SetKind::Waves;
  return SetKind::None;
}

std::string NumberedFileName(int n, SetKind kind) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%03d%s", n, kind == SetKind::Waves ? ".wav" : ".bmp");
  return buf;
}

fs::path DefaultUnpackFolder(const fs::path& programDir, const fs::path& setFile) {
  const std::string name = setFile.filename().string();
  const std::string base = name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
  // These would name Unpack itself or a folder above it.
  if (base.empty() || base == "." || base == "..") return {};
  return programDir / "Unpack" / base;
}

PackResult UnpackSet(const fs::path& setFile, const fs::path& intoDir, MediaCodec& codec) {
  const SetKind kind = SetKindOf(setFile);
  if (kind == SetKind::None)
    return Failed(kind, Quoted(setFile) + " is not a set file (.kgf, .kwv, .dxg or .dxw)");
  ImageList pictures;
  WaveList waves;
  IoResult loaded = kind == SetKind::Pictures ? LoadImageList(setFile, 0, pictures)
                                              : LoadWaveList(setFile, 0, waves);
  if (!loaded.Ok) return {loaded, kind, 0};
  if (auto res = MakeFolder(intoDir); !res.Ok) return {res, kind, 0};
  const std::size_t count = kind == SetKind::Pictures ? pictures.Items.size() : waves.Items.size();
  for (std::size_t n = 0; n < count; ++n) {
    const fs::path file = intoDir / NumberedFileName(int(n), kind);
    IoResult res = kind == SetKind::Pictures ? codec.SaveBmp(file, pictures.Items[n].Pic)
                                             : codec.SaveWav(file, waves.Items[n].Data);
    if (!res.Ok) return {res, kind, int(n)};
  }
  return {{}, kind, int(count)};
}

PackResult PackSet(const fs::path& dir, const fs::path& outFile, MediaCodec& codec) {
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) return Failed(SetKind::None, Quoted(dir) + " is not a folder");
  switch (SetKindOf(outFile)) {
    case SetKind::Pictures: return PackPictures(dir, outFile, codec);
    case SetKind::Waves: return PackWaves(dir, outFile, codec);
    case SetKind::None: break;
  }
  return Failed(SetKind::None, Quoted(outFile) + " must end in .kgf (pictures) or .kwv (waves)");
}

}  // namespace krattle
