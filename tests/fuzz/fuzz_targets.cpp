#include "fuzz_targets.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cave_source.h"
#include "core/cave_set.h"
#include "core/cave_set_file.h"
#include "core/file_bytes.h"
#include "engine/cave_params.h"
#include "game/config_file.h"
#include "game/demo_codec.h"
#include "game/headless_demo.h"
#include "game/headless_runner.h"
#include "game/headless_sim.h"
#include "game/language_file.h"
#include "game/moves.h"
#include "platform/sdl_media_codec.h"
#include "render/canvas.h"
#include "render/media_headers.h"
#include "render/midi_length.h"
#include "render/set_file.h"

namespace krattle::fuzz {

namespace {

namespace fs = std::filesystem;
using Bytes = std::span<const std::uint8_t>;

// The reader takes a path, so the bytes go through a file of this process's own. Written plainly:
// the flushes of a real save would make each run a hundred times slower.
void PutFile(const fs::path& file, const std::uint8_t* data, std::size_t size) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
  if (!out.flush()) Broken("cannot write the scratch file");
}

// A folder of this process's own, removed when the process ends normally.
class ScratchFolder {
 public:
  ScratchFolder()
      : path_(fs::temp_directory_path() / ("krattle_fuzz_" + std::to_string(::getpid()))) {
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

fs::path ScratchFile(const char* name) {
  static const ScratchFolder folder;
  return folder.Path() / name;
}

// Everything the game reads from a set once it has it: the set-wide fields, each slot's
// parameters and playability, the demos and the high scores.
void TouchEveryField(const CaveSet& set) {
  unsigned sink = set.FormatMarker() + set.BestScore() + set.SavedCave() + set.SavedLevel() +
                  set.SavedLives() + set.SavedScore();
  for (int cave = 0; cave < CaveCount; ++cave) {
    for (int level = 0; level < LevelCount; ++level) {
      sink += isCavePlayable(set, cave, level);
      const CaveParams p = LoadCaveParams(set, cave, level);
      sink += p.CaveTime + p.Styles[8] + unsigned(p.ExtraTime);
    }
    sink += set.DemoPresent(cave) + set.DemoLevel(cave) + set.DemoLength(cave) +
            set.AmoebaExpiryTick(cave) + set.MagicExpiryTick(cave);
    for (int n = 0; n < DemoMaxSteps; ++n) sink += DecodeDemoByte(set.DemoStep(cave, n)).Run;
  }
  for (int i = 1; i <= HighScoreEntries; ++i) {
    const HighScoreEntry e = set.HighScore(i);
    if (e.Name.size() > MaxNameLength) Broken("a high-score name longer than the limit");
    sink += e.Score;
  }
  // Keeps the reads from being optimised away.
  if (sink == 0xFFFFFFFFu) std::fputc('\0', stderr);
}

// Starts a cave of the set as the game does and runs it with scripted input.
void PlayCave(CaveSet& set, int cave, int level, Bytes inputs, int clock) {
  std::vector<InputFlags> moves;
  for (std::uint8_t b : inputs) ApplyInputCode(b % 9, moves.emplace_back());
  auto sim = std::make_unique<HeadlessSim>(set, cave, level);
  sim->Run(200, moves, clock);
  (void)sim->Report();
}

// A whole file (96000 bytes and more) is read as it is. Shorter inputs are one slot laid over
// a new set: cave, level, clock, the slot's 40 x 24 bytes column by column, then moves.
void CaveSetTarget(Bytes bytes) {
  const fs::path file = ScratchFile("set.kcv");
  auto image = std::make_unique<CaveSet>(NewCaveSet());
  int cave = 0, level = 0, clock = 0;
  Bytes moves;
  if (bytes.size() >= std::size_t(CaveSetSize)) {
    PutFile(file, bytes.data(), bytes.size());
  } else {
    if (bytes.size() >= 3) {
      cave = bytes[0] % CaveCount;
      level = bytes[1] % LevelCount;
      clock = bytes[2] % 16;
      bytes = bytes.subspan(3);
    }
    const std::size_t slotBytes = std::min<std::size_t>(bytes.size(), 40 * 24);
    for (std::size_t i = 0; i < slotBytes; ++i)
      image->At(int(i / 24), SlotOf(cave, level), int(i % 24)) = bytes[i];
    moves = bytes.subspan(slotBytes);
    PutFile(file, image->Bytes.data(), image->Bytes.size());
  }
  auto set = std::make_unique<CaveSet>();
  const CaveSetResult read = ReadCaveSet(file, *set);
  if (!read.Ok()) {
    if (read.Message.empty()) Broken("a refusal without a message");
    return;
  }
  if (set->FormatMarker() != FormatMarkerValue) Broken("a set read but not upgraded");
  TouchEveryField(*set);
  if (bytes.size() >= std::size_t(CaveSetSize)) {
    cave = set->SavedCave() % CaveCount;
    level = set->SavedLevel() % LevelCount;
  }
  PlayCave(*set, cave, level, moves, clock);
}

template <typename List, typename Decode, typename Encode>
void SetFileTarget(Bytes bytes, Decode decode, Encode encode) {
  List list;
  const IoResult res = decode(bytes, list);
  if (!res.Ok) {
    if (res.Message.empty()) Broken("a refusal without a message");
    return;
  }
  // Everything the decoder accepts is written back byte for byte.
  const std::vector<std::uint8_t> again = encode(list);
  if (again.size() != bytes.size() || !std::equal(again.begin(), again.end(), bytes.begin()))
    Broken("a set file that does not encode back to itself");
}

void ImageSetTarget(Bytes bytes) {
  SetFileTarget<ImageList>(bytes, DecodeImageList, EncodeImageList);
}

void WaveSetTarget(Bytes bytes) {
  SetFileTarget<WaveList>(bytes, DecodeWaveList, EncodeWaveList);
}

std::uint32_t Le32(Bytes b, std::size_t at) {
  return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
         std::uint32_t(b[at + 3]) << 24;
}

// The sides a BMP header claims (height without its sign); only for headers that passed.
void ClaimedSides(Bytes b, std::int64_t& w, std::int64_t& h) {
  if (Le32(b, 14) == 12) {
    w = b[18] | b[19] << 8;
    h = b[20] | b[21] << 8;
  } else {
    w = std::int32_t(Le32(b, 18));
    h = std::abs(std::int64_t(std::int32_t(Le32(b, 22))));
  }
}

// SDL itself is not instrumented, so besides its crashes the target checks that it agrees with
// our reading of the header: a disagreement means the check judged something else than SDL reads.
void BmpTarget(Bytes bytes) {
  if (!BmpHeaderProblem(bytes).empty()) return;
  std::int64_t w = 0, h = 0;
  ClaimedSides(bytes, w, h);
  // Pictures up to the set limit are legal but cost hundreds of megabytes each; the fuzzer would
  // spend its time allocating, so only claims up to a million pixels are decoded.
  if (w * h > (1 << 20)) return;
  Picture pic;
  const IoResult res = SdlMediaCodec::DecodeBmp(bytes, "\"fuzz.bmp\"", pic);
  if (!res.Ok) return;
  if (!PictureProblem(pic).empty()) Broken("a picture pack would store but not load");
  if (pic.Width != w || pic.Height != h) Broken("a picture of other sides than its header's");
  if (pic.Pixels.size() != std::size_t(pic.Width) * std::size_t(pic.Height))
    Broken("a picture whose pixels do not fill it");
}

void WavTarget(Bytes bytes) {
  Wave wave;
  const IoResult res = SdlMediaCodec::DecodeWav(bytes, "\"fuzz.wav\"", wave);
  if (!res.Ok) return;
  if (!WaveProblem(wave).empty()) Broken("a wave pack would store but not load");
}

void MidiTarget(Bytes bytes) {
  const MidiLength len = MeasureMidi(bytes);
  if (!len.Ok && len.Message.empty()) Broken("a refusal without a message");
}

// The playfield is drawn every frame; the demo target only needs the game's logic, and recording
// thousands of draw calls per input would make it several times slower.
class NullCanvas : public Canvas {
 public:
  void Fill(std::uint32_t) override {}
  void DrawItem(ImageListId, int, int, int) override {}
  void StretchItem(ImageListId, int, int, int, int, int) override {}
  int ItemPatternWidth(ImageListId, int) const override { return 32; }
  void Present() override {}
};

// cave, level, the demo level byte, two length bytes, then the demo's steps.
void DemoTarget(Bytes bytes) {
  if (bytes.size() < 5) return;
  const int cave = bytes[0] % CaveCount;
  auto set = std::make_unique<CaveSet>(NewCaveSet());
  for (int c = 0; c < CaveCount; ++c)
    for (int l = 0; l < LevelCount; ++l) {
      set->MapCell(c, l, 1, 1) = Entrance;
      set->MapCell(c, l, CaveWidthOf(c) - 2, CaveHeightOf(c) - 2) = ExitClosed;
    }
  set->SetDemoPresent(cave, true);
  set->DemoLevel(cave) = bytes[2];
  set->SetDemoLength(cave, std::uint16_t(bytes[3] << 8 | bytes[4]));
  const Bytes steps = bytes.subspan(5);
  for (std::size_t n = 0; n < steps.size() && n < std::size_t(DemoMaxSteps); ++n)
    set->SetDemoStep(cave, int(n), steps[n]);
  NullCanvas canvas;
  HeadlessRunner runner({}, &canvas);
  runner.game().UseCaveSet(*set);
  runner.game().ChooseCave(cave, bytes[1] % LevelCount);
  // A stored demo runs at most 600 steps of 50 ticks; a few thousand frames show the start,
  // the play and, for most inputs, the end.
  (void)PlayStoredDemo(runner, cave, 3000);
}

void MovesTarget(Bytes bytes) {
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const MovesParse parsed = ParseMoves(text);
  if (parsed.Error.empty() == false && !parsed.Ticks.empty())
    Broken("a refused script that still has input");
  // What parses writes back out as a script that parses to the same input. Millions of ticks
  // are allowed, but writing them out one character each only slows the fuzzer down.
  if (parsed.Ticks.size() > 100'000) return;
  std::string back;
  for (const InputFlags& in : parsed.Ticks) back += MoveToken(in);
  const MovesParse again = ParseMoves(back);
  if (!again.Error.empty() || again.Ticks.size() != parsed.Ticks.size())
    Broken("moves that do not survive writing out");
  for (std::size_t i = 0; i < back.size(); ++i)
    if (MoveToken(again.Ticks[i]) != back[i]) Broken("moves that do not survive writing out");
}

void CaveSourceTarget(Bytes bytes) {
  const std::string text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  auto set = std::make_unique<CaveSet>(NewCaveSet());
  cavec::CompileError error;
  const int cave = cavec::CompileCave("fuzz.cave", text, *set, error);
  if (cave < 0) {
    if (error.Message.empty()) Broken("a refusal without a message");
    return;
  }
  if (cave >= CaveCount) Broken("a cave number out of range");
  TouchEveryField(*set);
  for (int level = 0; level < LevelCount; ++level)
    if (isCavePlayable(*set, cave, level)) PlayCave(*set, cave, level, {}, 0);
}

void LanguageTarget(Bytes bytes) {
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const Texts texts = TextsFromLanguage(text);
  for (const TextRow& row : TextRows) {
    const std::string& t = texts.Get(row.Id);
    // Whatever the bytes, the window gets whole UTF-8 texts of a bounded length.
    if (t.size() > MaxLanguageText && t != row.BuiltIn) Broken("a text longer than the limit");
    if (!IsValidUtf8(t)) Broken("a text that is not UTF-8");
  }
  // What a file gives, written out again, reads back the same.
  const Texts again = TextsFromLanguage(LanguageFileText(texts));
  for (const TextRow& row : TextRows)
    if (again.Get(row.Id) != texts.Get(row.Id)) Broken("texts that do not survive writing out");
}

void SettingsTarget(Bytes bytes) {
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const ConfigValues v = ParseConfig(text);
  // The numbers are bytes by the time start-up sees them.
  if (v.Speed < -128 || v.Speed > 127) Broken("a speed outside a signed byte");
  if (v.SoundOff < 0 || v.SoundOff > 255 || v.Zoom < 0 || v.Zoom > 255)
    Broken("a switch outside a byte");
  // A window size is both sides or neither.
  if ((v.WindowWidth == 0) != (v.WindowHeight == 0) || v.WindowWidth < 0 || v.WindowHeight < 0)
    Broken("half a window size");
  // Writing the values back into the same file and reading it again gives the same values.
  const ConfigValues again = ParseConfig(ConfigText(v, text));
  if (again.Open != v.Open || again.Speed != v.Speed || again.SoundOff != v.SoundOff ||
      again.Zoom != v.Zoom || again.Paths.Graph32 != v.Paths.Graph32 ||
      again.Paths.Graph40 != v.Paths.Graph40 || again.Paths.Fonts != v.Paths.Fonts ||
      again.Paths.Sounds != v.Paths.Sounds || again.Paths.Music != v.Paths.Music ||
      again.Paths.Language != v.Paths.Language || again.WindowWidth != v.WindowWidth ||
      again.WindowHeight != v.WindowHeight)
    Broken("settings that do not survive writing back");
}

// Session scripts (krattle-cli run) are left out for now: their menu commands save files under
// names the script chooses, so fuzzing them needs a sandbox first.
constexpr Target kTargets[] = {
    {"cave_set", CaveSetTarget},
    {"image_set", ImageSetTarget},
    {"wave_set", WaveSetTarget},
    {"bmp", BmpTarget},
    {"wav", WavTarget},
    {"midi", MidiTarget},
    {"demo", DemoTarget},
    {"moves", MovesTarget},
    {"cave_source", CaveSourceTarget},
    {"language", LanguageTarget},
    {"settings", SettingsTarget},
};

}  // namespace

std::span<const Target> Targets() {
  return kTargets;
}

const Target* FindTarget(const char* name) {
  for (const Target& t : kTargets)
    if (std::strcmp(t.Name, name) == 0) return &t;
  return nullptr;
}

void Broken(const char* what) {
  std::fprintf(stderr, "fuzz target: %s\n", what);
  std::abort();
}

}  // namespace krattle::fuzz
