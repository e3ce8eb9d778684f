#include "game/game.h"

#include "core/cave_set_file.h"
#include "game/bundled_set.h"
#include "game/config_file.h"
#include "game/language_file.h"

namespace krattle {

Game::Game(PlatformServices services)
    : io_(services), set_(std::make_unique<CaveSet>()), engine_(run_, *this, set_.get()) {}

void Game::Fatal(const std::string& text) {
  io_.Ask.Message(text, texts_.Get(TextId::ProgramTitle));
  quit_ = true;
}

bool Game::LoadWithFallback(std::filesystem::path& configured, const char* fallback, TextId what,
                            AssetKind kind) {
  auto load = [&](const std::filesystem::path& p) {
    const auto full = FromProgram(p);
    if (kind == AssetKind::Fonts) return io_.Assets.LoadFonts(full);
    if (kind == AssetKind::Sounds) return io_.Assets.LoadSounds(full);
    return io_.Assets.LoadTiles(full, view_.TileSize);
  };
  std::string error = load(configured);
  if (error.empty()) return true;
  const std::string first = error;
  error = load(fallback);
  if (error.empty()) {
    configured = fallback;
    return true;
  }
  // Halting without a word leaves the player guessing; say which files failed and why.
  Fatal(texts_.Format(TextId::ProgramCannotLoad, {texts_.Get(what), first, error}));
  return false;
}

bool Game::Creation(const StartupOptions& given) {
  StartupOptions options = given;
  configFile_ = given.ConfigFile;
  if (!configFile_.empty()) ReadSettings(options);
  run_.Rng.RandomSeed = 10;
  flow_ = FlowState{};
  demoBackup_.reset();
  view_ = ViewState{};
  settings_.MusicAvailable = true;
  run_.Values.BonusLifeBanner = 0;
  run_.Values.GamePhase = gpPlay;
  setFile_.clear();
  setName_.clear();
  menu_ = MenuState{};
  programDir_ = options.ProgramDir;
  writeDir_ = options.WriteDir.empty() ? programDir_ : options.WriteDir;
  paths_ = options.Paths;
  // A missing language file leaves the built-in texts, without a word.
  LoadLanguage(FromProgram(paths_.Language));

  settings_.Speed = options.Speed < 0 || options.Speed >= 100 ? 14 : options.Speed;
  const int soundOff = options.SoundOff == 1 ? 1 : 0;
  view_.SetZoom(options.Zoom == 2 ? 2 : 1);
  view_.StatusX = 82;
  settings_.Muted = soundOff == 1;
  menu_.MuteChecked = settings_.Muted;

  if (!LoadWithFallback(paths_.Fonts, "data/Krattle/Fonts.kgf", TextId::ProgramFontSet,
                        AssetKind::Fonts))
    return false;
  if (!LoadWithFallback(paths_.Sounds, "data/Krattle/Sounds.kwv", TextId::ProgramSoundSet,
                        AssetKind::Sounds))
    return false;

  bool fromCommandLine = false;
  std::filesystem::path setPath = options.LastCaveSet;
  if (options.Args.size() == 1) {
    const std::string why = SizeTestFailure(options.Args[0]);
    fromCommandLine = why.empty();
    if (fromCommandLine) {
      setPath = options.Args[0];
    } else {
      // A mistyped name would otherwise end in a title screen that ignores every key.
      io_.Ask.Message(texts_.Format(TextId::ProgramCannotOpenSet, {why}),
                      texts_.Get(TextId::ProgramTitle));
    }
  }
  // The very first start has nothing remembered: the set that comes with the program.
  if (setPath.empty()) setPath = BundledSetToPlay(programDir_, writeDir_, io_.Ask, texts_);
  if (!setPath.empty() && PassesSizeTest(setPath)) {
    auto fresh = std::make_unique<CaveSet>();
    const CaveSetResult r = ReadCaveSet(setPath, *fresh);
    if (r.Ok()) {
      *set_ = *fresh;
      setFile_ = setPath;
      AfterSetRead(setPath);
      ShowSetPosition();
      if (fromCommandLine) flow_.TitlePicture = false;
    } else {
      // A file that passed the size test but cannot be read is reported; the title screen
      // comes up without a set instead of ending the program.
      io_.Ask.Message(texts_.Format(TextId::ProgramCannotReadSet, {setPath.native(), r.Message}),
                      texts_.Get(TextId::ProgramTitle));
    }
  }

  SetUpMusic();

  for (auto& look : run_.Grid.VariantMap) look = static_cast<std::uint8_t>(run_.Rng.RandomBelow(4));
  LoadGraphicsSets();
  if (quit_) return false;
  flow_.ScreenMode = smTitle;
  startTexts_ = texts_;
  return true;
}

void Game::LoadLanguage(const std::filesystem::path& path) {
  languagePath_ = path;
  // A missing file is no error: every text is then the built-in one.
  texts_ = LoadLanguageFile(path);
  if (editor_) editor_->TextsChanged();
}

void Game::ReadSettings(StartupOptions& options) {
  ConfigValues values;
  if (const IoResult r = ReadConfigFile(configFile_, values); !r.Ok) {
    // The defaults are a good start, and the file is rewritten whole on close.
    io_.Ask.Message(texts_.Format(TextId::ProgramCannotReadSet, {configFile_.native(), r.Message}),
                    texts_.Get(TextId::ProgramTitle));
  }
  options.LastCaveSet = values.Open;
  options.Speed = values.Speed;
  options.SoundOff = values.SoundOff;
  options.Zoom = values.Zoom;
  options.Paths = values.Paths;
}

bool Game::WriteSettings() {
  if (configFile_.empty()) return true;
  ConfigValues values;
  std::error_code ec;
  // Absolute, so the next start finds the set whatever its working folder.
  if (!setFile_.empty()) values.Open = std::filesystem::absolute(setFile_, ec);
  if (ec) values.Open = setFile_;
  values.Speed = settings_.Speed;
  values.SoundOff = settings_.Muted ? 1 : 0;
  values.Zoom = view_.ZoomMode;
  values.Paths = paths_;
  io_.Window.WindowSize(values.WindowWidth, values.WindowHeight);
  const IoResult r = WriteConfigFile(configFile_, values);
  if (r.Ok) return true;
  // Ending here would skip the editor's question and lose its caves: say so and go on.
  io_.Ask.Message(
      texts_.Format(TextId::ProgramCannotWriteSettings, {configFile_.native(), r.Message}),
      texts_.Get(TextId::ProgramTitle));
  return false;
}

void Game::SetUpMusic() {
  settings_.MusicTicks = 10;
  settings_.MusicAvailable = false;
  if (!io_.Music.Open(FromProgram(paths_.Music))) return;
  const long ms = io_.Music.LengthMs();
  if (ms < 0) return;
  settings_.MusicAvailable = true;
  const long ticks = ms / 1250;
  settings_.MusicTicks = static_cast<std::uint16_t>(ticks < 10 ? 10 : ticks > 120 ? 120 : ticks);
}

void Game::AfterSetRead(const std::filesystem::path& path) {
  const std::string name = path.filename().string();
  setName_ = name.size() >= 4 ? name.substr(0, name.size() - 4) : std::string();
  flow_.CaveSetLoaded = true;
  menu_.DemoEnabled = true;
  // A backup taken from the set just replaced must not be written into this one.
  demoBackup_.reset();
  saveFailureShown_ = false;
  flow_.DemoRecording = flow_.DemoPlaying = false;
  flow_.CurrentCave = flow_.CurrentLevel = 0;
  run_.Values.Score = 0;
  LoadHighScores();
}

void Game::ShowSetPosition() {
  menu_.StartEnabled = true;
  RestoreSavedPosition();
  menu_.StopEnabled = true;
}

bool Game::ReadChosenSet(const std::filesystem::path& path) {
  // A file that is not opened is worth a word: the set on screen stays, and the user learns why.
  if (const std::string why = SizeTestFailure(path); !why.empty()) {
    io_.Ask.Message(texts_.Format(TextId::ProgramCannotOpenSet, {why}),
                    texts_.Get(TextId::ProgramTitle));
    return false;
  }
  auto fresh = std::make_unique<CaveSet>();
  const CaveSetResult r = ReadCaveSet(path, *fresh);
  if (!r.Ok()) {
    io_.Ask.Message(texts_.Format(TextId::ProgramCannotReadSet, {path.native(), r.Message}),
                    texts_.Get(TextId::ProgramTitle));
    return false;
  }
  *set_ = *fresh;
  setFile_ = path;
  AfterSetRead(path);
  flow_.TitlePicture = false;
  return true;
}

bool Game::LoadCaveSet(const std::filesystem::path& path) {
  if (!ReadChosenSet(path)) return false;
  if (flow_.EditorActive && editor_) {
    editor_->Loaded();
    return true;
  }
  ShowSetPosition();
  RestartAttract();
  flow_.ScreenMode = smTitle;
  return true;
}

void Game::UseCaveSet(const CaveSet& set, const std::filesystem::path& path) {
  *set_ = set;
  setFile_ = path;
  AfterSetRead(path.empty() ? std::filesystem::path("Krattle.kcv") : path);
  ShowSetPosition();
  if (path.empty()) setName_.clear();
  flow_.TitlePicture = false;
  RestartAttract();
  flow_.ScreenMode = smTitle;
}

void Game::ChooseCave(int cave, int level) {
  flow_.CurrentCave = static_cast<std::uint8_t>(cave);
  flow_.CurrentLevel = static_cast<std::uint8_t>(level);
  flow_.TitlePicture = false;
  flow_.DemoChain = false;
}

std::filesystem::path Game::WriteFolder(const char* name) const {
  const std::filesystem::path dir = writeDir_ / name;
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  return dir;
}

void Game::ChooseCaveSet() {
  StopLoopedSounds();
  const bool editing = flow_.EditorActive && editor_;
  if (editing && !editor_->MayLoad()) return;
  // The player's own sets first, when they are kept apart from the program's.
  std::error_code ec;
  const std::filesystem::path own = writeDir_ / "Levels";
  const std::filesystem::path folder =
      writeDir_ != programDir_ && std::filesystem::is_directory(own, ec) ? own
                                                                         : programDir_ / "Levels";
  const auto chosen = io_.Ask.OpenFile(
      {texts_.Get(TextId::ProgramOpenCaveSet), folder, "Krattle Caves *.kcv|*.kcv"});
  if (editing) editor_->LoadChosen();
  if (chosen) LoadCaveSet(*chosen);
}

void Game::LoadHighScores() {
  for (int k = 0; k < HighScoreEntries; ++k) highScores_[k] = set_->HighScore(k + 1);
}

bool Game::LoadTileSet(bool big) {
  return big ? LoadWithFallback(paths_.Graph40, "data/Krattle/40x40.kgf", TextId::ProgramTiles40,
                                AssetKind::Tiles)
             : LoadWithFallback(paths_.Graph32, "data/Krattle/32x32.kgf", TextId::ProgramTiles32,
                                AssetKind::Tiles);
}

void Game::LoadGraphicsSets() {
  const bool big = view_.ZoomMode == 2;
  view_.TileSize = big ? 40 : 32;
  if (!LoadTileSet(big)) return;
  view_.SetZoom(view_.ZoomMode);
  menu_.ZoomChecked = big;
  io_.Window.SetSurfaceSize(view_.SurfaceWidth(), view_.SurfaceHeight(), 0);
}

void Game::ToggleZoom() {
  view_.ZoomMode = view_.ZoomMode == 2 ? 1 : 2;
  view_.ScrollStepsX = view_.ScrollStepsY = 0;
  LoadGraphicsSets();
}

void Game::ToggleMute() {
  if (!settings_.Muted) {
    settings_.Muted = true;
    StopLoopedSounds();
    StopMusic();
    menu_.MuteChecked = true;
    flow_.AttractCountdown = 10;
  } else {
    settings_.Muted = false;
    menu_.MuteChecked = false;
    // The engine starts the loops again at its next scan.
    run_.State.AmoebaSoundOn = run_.State.MagicWallSoundOn = false;
    if (flow_.ScreenMode == smTitle) RestartAttract();
  }
}

void Game::SwitchFullScreen() {
  if (flow_.EditorActive) return;
  fullScreen_ = !fullScreen_;
  menu_.MenusHidden = fullScreen_;
  io_.Window.ToggleFullScreen();
}

void Game::Command(MenuCommand command) {
  const bool editing = flow_.EditorActive && editor_;
  switch (command) {
    case MenuCommand::LoadGame:
    case MenuCommand::Load: ChooseCaveSet(); break;
    case MenuCommand::Start: Start(); break;
    case MenuCommand::Stop: Stop(); break;
    case MenuCommand::CavesEditor: OpenEditor(); break;
    case MenuCommand::New:
      if (editing) editor_->New();
      break;
    case MenuCommand::Save:
      if (editing) editor_->Save();
      break;
    case MenuCommand::SaveAs:
      if (editing) editor_->SaveAs();
      break;
    case MenuCommand::PlayDemo: PlayDemos(); break;
    case MenuCommand::RecordDemo: RecordDemo(); break;
    case MenuCommand::Exit:
      if (editing) {
        editor_->Leave();
      } else {
        WriteSettings();
        quit_ = true;
      }
      break;
    case MenuCommand::Zoom: ToggleZoom(); break;
    case MenuCommand::FullScreen: SwitchFullScreen(); break;
    case MenuCommand::Mute: ToggleMute(); break;
    case MenuCommand::About: ShowAbout(); break;
    case MenuCommand::Speed: ShowSpeed(); break;
    case MenuCommand::Settings: ShowSettings(); break;
    case MenuCommand::Copy:
    case MenuCommand::Paste:
    case MenuCommand::Clear:
    case MenuCommand::Undo:
    case MenuCommand::Redo:
      if (editing) editor_->Edit(command);
      break;
    case MenuCommand::None: break;
  }
}

void Game::OpenEditor() {
  if (editor_) editor_->Enter();
}

bool Game::CloseRequest() {
  // Written before the editor's question: Cancel keeps the program open with the file written.
  WriteSettings();
  if (flow_.EditorActive && editor_) return editor_->MayClose();
  return true;
}

void Game::Mouse(const MouseEvent& event) {
  if (flow_.ScreenMode == smEditor && editor_) editor_->Mouse(event);
}

void Game::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  io_.Window.SetCaption(caption_);
}

void Game::OnActivate() {
  clockEnabled_ = true;
  if (flow_.ScreenMode == smTitle) RestartAttract();
}

void Game::OnDeactivate() {
  StopLoopedSounds();
  StopMusic();
  clockEnabled_ = false;
}

void Game::PauseForMenu() {
  StopLoopedSounds();
  clockEnabled_ = false;
}

void Game::PlaySound(int wave) {
  if (!settings_.Muted) io_.Sound.Play(wave);
}

void Game::PlayLooped(int wave) {
  if (!settings_.Muted) io_.Sound.PlayLooped(wave);
}

void Game::StopSound(int wave) {
  io_.Sound.Stop(wave);
}

void Game::StopLoopedSounds() {
  io_.Sound.Stop(waves::AmoebaLoop);
  run_.State.AmoebaSoundOn = false;
  io_.Sound.Stop(waves::MagicWallLoop);
  run_.State.MagicWallSoundOn = false;
  io_.Sound.Stop(waves::CaveStart);
}

void Game::StopMusic() {
  if (!settings_.MusicAvailable) return;
  io_.Music.Stop();
  io_.Music.Seek(0);
}

void Game::RestartAttract() {
  if (!settings_.MusicAvailable || settings_.Muted) {
    flow_.AttractCountdown = 10;
    return;
  }
  flow_.AttractCountdown = static_cast<std::uint8_t>(settings_.MusicTicks + 1);
  StopLoopedSounds();
  io_.Music.Seek(0);
  io_.Music.Play();
}

bool Game::AnyDemo() const {
  for (int c = 0; c < CaveCount; ++c)
    if (set_->DemoPresent(c)) return true;
  return false;
}

void Game::ReturnToEditor() {
  RestoreAbandonedDemo();
  if (editor_) {
    editor_->Enter();
    return;
  }
  // A game without an editor part (tools, tests of the game alone) has nowhere else to go.
  flow_.ScreenMode = smTitle;
  RestartAttract();
}

}  // namespace krattle
