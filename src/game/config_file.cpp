#include "game/config_file.h"

#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION  // Debian's header keeps the template bodies behind this
#include <SimpleIni.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace krattle {

namespace {

constexpr const char* kConfig = "Config";
constexpr const char* kData = "Data";
constexpr const char* kWindow = "Window";
// Larger than any display; a bigger number is a damaged file, not a window.
constexpr long long kMaxWindowSide = 16384;
// Far more than ten keys ever need; a bigger file is not ours.
constexpr std::uint64_t kMaxConfigBytes = 1 << 20;

std::filesystem::path PathValue(const CSimpleIniA& ini, const char* section, const char* key,
                                const std::filesystem::path& fallback) {
  const char* v = ini.GetValue(section, key, nullptr);
  if (!v) return fallback;
  std::string s(v);
  std::replace(s.begin(), s.end(), '\\', '/');
  return s;
}

// Only the low byte of the stored number counts: as a signed byte or an unsigned one.
int ByteValue(const CSimpleIniA& ini, const char* key, int fallback, bool isSigned) {
  const char* v = ini.GetValue(kConfig, key, nullptr);
  if (!v) return fallback;
  const std::string_view s(v);
  long long n = 0;
  const auto r = std::from_chars(s.data(), s.data() + s.size(), n);
  if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size()) return fallback;
  const auto low = static_cast<std::uint8_t>(static_cast<unsigned long long>(n) & 0xFF);
  return isSigned ? static_cast<int>(static_cast<std::int8_t>(low)) : static_cast<int>(low);
}

// A window side in pixels, or 0 (not stored) for anything that is not a sensible one.
int WindowSide(const CSimpleIniA& ini, const char* key) {
  const char* v = ini.GetValue(kWindow, key, nullptr);
  if (!v) return 0;
  const std::string_view s(v);
  long long n = 0;
  const auto r = std::from_chars(s.data(), s.data() + s.size(), n);
  if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size()) return 0;
  return n >= 1 && n <= kMaxWindowSide ? static_cast<int>(n) : 0;
}

void Load(CSimpleIniA& ini, std::string_view text) {
  ini.SetUnicode(true);
  ini.SetMultiKey(false);
  ini.SetSpaces(false);
  if (!text.empty()) ini.LoadData(text.data(), text.size());
}

std::filesystem::path UserFolder(const char* xdg, const char* home, const char* below) {
  if (xdg && *xdg && std::filesystem::path(xdg).is_absolute()) return std::filesystem::path(xdg);
  return std::filesystem::path(home && *home ? home : ".") / below;
}

}  // namespace

ConfigValues ParseConfig(std::string_view text) {
  CSimpleIniA ini;
  Load(ini, text);
  ConfigValues v;
  v.Open = PathValue(ini, kConfig, "Open", v.Open);
  v.Paths.Language = PathValue(ini, kConfig, "Language", v.Paths.Language);
  v.Speed = ByteValue(ini, "Speed", v.Speed, true);
  v.SoundOff = ByteValue(ini, "SoundOFF", v.SoundOff, false);
  v.Zoom = ByteValue(ini, "Zoom", v.Zoom, false);
  v.Paths.Graph32 = PathValue(ini, kData, "Graph32", v.Paths.Graph32);
  v.Paths.Graph40 = PathValue(ini, kData, "Graph40", v.Paths.Graph40);
  v.Paths.Fonts = PathValue(ini, kData, "Fonts", v.Paths.Fonts);
  v.Paths.Sounds = PathValue(ini, kData, "Sounds", v.Paths.Sounds);
  v.Paths.Music = PathValue(ini, kData, "Music", v.Paths.Music);
  v.WindowWidth = WindowSide(ini, "Width");
  v.WindowHeight = WindowSide(ini, "Height");
  // Half a size is no size.
  if (v.WindowWidth == 0 || v.WindowHeight == 0) v.WindowWidth = v.WindowHeight = 0;
  return v;
}

std::string ConfigText(const ConfigValues& values, std::string_view existing) {
  CSimpleIniA ini;
  Load(ini, existing);
  auto set = [&](const char* section, const char* key, const std::string& value) {
    ini.SetValue(section, key, value.c_str());
  };
  set(kConfig, "Open", values.Open.string());
  set(kConfig, "Language", values.Paths.Language.string());
  set(kConfig, "Speed", std::to_string(values.Speed));
  set(kConfig, "SoundOFF", std::to_string(values.SoundOff));
  set(kConfig, "Zoom", std::to_string(values.Zoom));
  set(kData, "Graph32", values.Paths.Graph32.string());
  set(kData, "Graph40", values.Paths.Graph40.string());
  set(kData, "Fonts", values.Paths.Fonts.string());
  set(kData, "Sounds", values.Paths.Sounds.string());
  set(kData, "Music", values.Paths.Music.string());
  // Without a window (a headless run) the size stored last time stays.
  if (values.WindowWidth > 0 && values.WindowHeight > 0) {
    set(kWindow, "Width", std::to_string(values.WindowWidth));
    set(kWindow, "Height", std::to_string(values.WindowHeight));
  }
  std::string out;
  ini.Save(out);
  // One blank line between sections is enough.
  for (std::size_t at; (at = out.find("\n\n\n")) != std::string::npos;) out.erase(at, 1);
  return out;
}

IoResult ReadConfigFile(const std::filesystem::path& file, ConfigValues& values) {
  values = ConfigValues{};
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return {};
  std::vector<std::uint8_t> bytes;
  IoResult r = ReadFileBytes(file, kMaxConfigBytes, bytes);
  if (!r.Ok) return r;
  values = ParseConfig(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  return {};
}

IoResult WriteConfigFile(const std::filesystem::path& file, const ConfigValues& values) {
  std::string existing;
  std::vector<std::uint8_t> bytes;
  std::error_code ec;
  if (std::filesystem::exists(file, ec) && ReadFileBytes(file, kMaxConfigBytes, bytes).Ok)
    existing.assign(bytes.begin(), bytes.end());
  if (file.has_parent_path()) {
    std::filesystem::create_directories(file.parent_path(), ec);
    if (ec) return IoResult::Fail(file.parent_path().string() + ": " + ec.message());
  }
  const std::string text = ConfigText(values, existing);
  return WriteFileBytes(file, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::filesystem::path ConfigLocation(const std::filesystem::path& programDir,
                                     bool programDirWritable, const char* xdgConfigHome,
                                     const char* home) {
  if (programDirWritable) return programDir / ConfigFileName;
  return UserFolder(xdgConfigHome, home, ".config") / "krattle" / ConfigFileName;
}

std::filesystem::path DataLocation(const std::filesystem::path& programDir, bool programDirWritable,
                                   const char* xdgDataHome, const char* home) {
  if (programDirWritable) return programDir;
  return UserFolder(xdgDataHome, home, ".local/share") / "krattle";
}

bool FolderWritable(const std::filesystem::path& dir) {
  const auto probe = dir / (".krattle-probe-" + std::to_string(::getpid()));
  bool ok = false;
  {
    std::ofstream out(probe, std::ios::binary);
    ok = static_cast<bool>(out);
  }
  std::error_code ec;
  std::filesystem::remove(probe, ec);
  return ok;
}

std::filesystem::path DefaultConfigFile(const std::filesystem::path& programDir) {
  return ConfigLocation(programDir, FolderWritable(programDir), std::getenv("XDG_CONFIG_HOME"),
                        std::getenv("HOME"));
}

std::filesystem::path DefaultDataFolder(const std::filesystem::path& programDir) {
  return DataLocation(programDir, FolderWritable(programDir), std::getenv("XDG_DATA_HOME"),
                      std::getenv("HOME"));
}

}  // namespace krattle
