// The settings dialog: the five set files and the language file, each shown by name with a
// chooser beside it, and unpacking sets into numbered files and packing them back.

#include <system_error>

#include "game/game.h"
#include "game/texts.h"
#include "render/set_packing.h"

namespace krattle {

namespace fs = std::filesystem;

namespace {

namespace id {
constexpr const char* Graphics = "GroupBox_Graphics";
constexpr const char* Sounds = "GroupBox_Sounds";
constexpr const char* Label32 = "Label_32";
constexpr const char* Label40 = "Label_40";
constexpr const char* LabelFonts = "Label_Fonts";
constexpr const char* LabelFX = "Label_FX";
constexpr const char* LabelMusic = "Label_Music";
constexpr const char* LabelLanguage = "Label_Language";
constexpr const char* Edit32 = "Edit_32";
constexpr const char* Edit40 = "Edit_40";
constexpr const char* EditFonts = "Edit_Fonts";
constexpr const char* EditSounds = "Edit_Sounds";
constexpr const char* EditMusic = "Edit_Music";
constexpr const char* EditLanguage = "Edit_Language";
constexpr const char* Load32 = "BLoad32";
constexpr const char* Load40 = "BLoad40";
constexpr const char* LoadFonts = "BLoadFonts";
constexpr const char* LoadSounds = "BLoadSounds";
constexpr const char* LoadMusic = "BLoadMusic";
constexpr const char* Language = "BLanguage";
constexpr const char* Unpack = "UnpackButton";
constexpr const char* Pack = "PackButton";
constexpr const char* Close = "BCustomClose";
}  // namespace id

std::string NameOf(const fs::path& p) {
  return p.filename().string();
}

}  // namespace

void SetSettingsTexts(Form& form, const Texts& texts) {
  form.Caption = texts.Get(TextId::MenuSettings);
  form.Field(id::Graphics).Text = texts.Get(TextId::SettingsGraphics);
  form.Field(id::LabelFonts).Text = texts.Get(TextId::SettingsFonts);
  form.Field(id::Sounds).Text = texts.Get(TextId::SettingsSounds);
  form.Field(id::LabelFX).Text = texts.Get(TextId::SettingsFX);
  form.Field(id::LabelMusic).Text = texts.Get(TextId::SettingsMusic);
  form.Field(id::LabelLanguage).Text = texts.Get(TextId::SettingsLanguage);
  form.Field(id::Unpack).Caption = texts.Get(TextId::SettingsUnpack);
  form.Field(id::Pack).Caption = texts.Get(TextId::SettingsPack);
  form.Field(id::Close).Caption = texts.Get(TextId::MenuClose);
}

Form SettingsForm(const Texts& texts, const ResourcePaths& paths) {
  Form form;
  form.Id = "TCustomGameForm";
  auto row = [&form](const char* label, const char* labelText, const char* edit,
                     const fs::path& file, const char* button) {
    form.Add(LabelField(label, labelText));
    FormField name = FileNameField(edit, "", NameOf(file));
    name.SameLine = true;
    form.Add(std::move(name));
    FormField choose = ButtonField(button, "...");
    choose.SameLine = true;
    choose.Width = 0;
    form.Add(std::move(choose));
  };
  form.Add(LabelField(id::Graphics, ""));
  row(id::Label32, "32x32", id::Edit32, paths.Graph32, id::Load32);
  row(id::Label40, "40x40", id::Edit40, paths.Graph40, id::Load40);
  row(id::LabelFonts, "", id::EditFonts, paths.Fonts, id::LoadFonts);
  form.Add(LabelField(id::Sounds, ""));
  row(id::LabelFX, "", id::EditSounds, paths.Sounds, id::LoadSounds);
  row(id::LabelMusic, "", id::EditMusic, paths.Music, id::LoadMusic);
  row(id::LabelLanguage, "", id::EditLanguage, paths.Language, id::Language);
  // Unpack and Pack fit their captions, which differ much between languages.
  for (const char* b : {id::Unpack, id::Pack, id::Close}) {
    FormField button = ButtonField(b, "");
    button.SameLine = b != id::Unpack;
    if (b != id::Close) button.Width = 0;
    form.Add(std::move(button));
  }
  // The texts come from the language each time the dialog shows.
  form.OnShow = [&texts](Form& f) { SetSettingsTexts(f, texts); };
  return form;
}

void Game::ShowSettings() {
  Form form = SettingsForm(texts_, paths_);
  // Neither the game nor the title screen goes on behind the dialog, and its music is quiet.
  StopMusic();
  clockEnabled_ = false;
  form.OnClick = [this](Form& f, FormField& button) { SettingsClick(f, button.Id); };
  io_.Ask.ShowForm(form);
  clockEnabled_ = true;
}

void Game::SettingsClick(Form& form, const std::string& button) {
  if (button == id::Close) {
    form.Close();
    if (flow_.ScreenMode == smTitle) RestartAttract();
  } else if (button == id::Load32 || button == id::Load40) {
    ChooseTileSet(form, button == id::Load40);
  } else if (button == id::LoadFonts || button == id::LoadSounds) {
    ChooseFontsOrSounds(form, button == id::LoadSounds);
  } else if (button == id::LoadMusic) {
    ChooseMusic(form);
  } else if (button == id::Language) {
    ChooseLanguage(form);
  } else if (button == id::Unpack) {
    UnpackChosenSet();
  } else if (button == id::Pack) {
    PackChosenFolder();
  }
}

void Game::RefuseSet(const fs::path& file, const std::string& why) {
  io_.Ask.Message(texts_.Format(TextId::ProgramCannotUseSet, {file.string(), why}),
                  texts_.Get(TextId::ProgramTitle));
}

void Game::ChooseTileSet(Form& form, bool big) {
  const auto file =
      io_.Ask.OpenFile({texts_.Get(TextId::SettingsGraphics) + (big ? " 40x40" : " 32x32"),
                        programDir_ / "data", "*.kgf|*.kgf"});
  if (!file) return;
  fs::path& path = big ? paths_.Graph40 : paths_.Graph32;
  const char* edit = big ? id::Edit40 : id::Edit32;
  const fs::path old = path;
  path = *file;
  form.Field(edit).Text = NameOf(path);
  // The editor draws with the big tiles on its own screen; a cave tested from it, and the game,
  // with the tiles of the zoom.
  const bool editing = flow_.EditorActive;
  const bool testing = editing && flow_.ScreenMode == smGame;
  const bool reload = big ? view_.ZoomMode == 2 : (view_.ZoomMode == 1 && !editing) || testing;
  if (!reload) return;
  // Only when the new file is the one on show is it tried: a set that cannot be used leaves
  // the one before it, instead of falling back to the set that comes with the game.
  if (big || view_.ZoomMode == 1) {
    const std::string why = io_.Assets.LoadTiles(FromProgram(path), big ? 40 : 32);
    if (!why.empty()) {
      RefuseSet(path, why);
      path = old;
      form.Field(edit).Text = NameOf(old);
    }
  }
  if (editing && !testing) {
    LoadTileSet(true);
    form.Field(id::Edit40).Text = NameOf(paths_.Graph40);
  } else {
    LoadGraphicsSets();
  }
}

void Game::ChooseFontsOrSounds(Form& form, bool sounds) {
  const auto file =
      io_.Ask.OpenFile({texts_.Get(sounds ? TextId::SettingsFX : TextId::SettingsFonts),
                        programDir_ / "data", sounds ? "*.kwv|*.kwv" : "*.kgf|*.kgf"});
  if (!file) return;
  fs::path& path = sounds ? paths_.Sounds : paths_.Fonts;
  const char* edit = sounds ? id::EditSounds : id::EditFonts;
  auto load = [&](const fs::path& p) {
    const fs::path full = FromProgram(p);
    return sounds ? io_.Assets.LoadSounds(full) : io_.Assets.LoadFonts(full);
  };
  const fs::path old = path;
  path = *file;
  form.Field(edit).Text = NameOf(path);
  const std::string why = load(path);
  if (why.empty()) return;
  RefuseSet(path, why);
  path = old;
  form.Field(edit).Text = NameOf(old);
  load(old);
}

void Game::ChooseMusic(Form& form) {
  const auto file =
      io_.Ask.OpenFile({texts_.Get(TextId::SettingsMusic), programDir_ / "data", "*.mid|*.mid"});
  if (file) {
    StopMusic();
    settings_.MusicAvailable = true;
    // Kept even when it cannot be played: the choice is the player's.
    paths_.Music = *file;
    form.Field(id::EditMusic).Text = NameOf(*file);
    SetUpMusic();
    if (!settings_.MusicAvailable)
      io_.Ask.Message(texts_.Format(TextId::ProgramCannotPlayMusic, {file->string()}),
                      texts_.Get(TextId::ProgramTitle));
  }
  if (!settings_.Muted && flow_.ScreenMode == smTitle) RestartAttract();
}

void Game::ChooseLanguage(Form& form) {
  const auto file = io_.Ask.OpenFile(
      {texts_.Get(TextId::SettingsLanguage), programDir_ / "languages", "*.ini|*.ini"});
  if (!file) return;
  std::error_code ec;
  const fs::path full = fs::absolute(*file, ec);
  paths_.Language = ec ? *file : full;
  LoadLanguage(paths_.Language);
  SetSettingsTexts(form, texts_);
  form.Field(id::EditLanguage).Text = NameOf(paths_.Language);
}

void Game::UnpackChosenSet() {
  const std::string filter = "*.kgf;*.kwv;*.dxg;*.dxw|*.kgf;*.kwv;*.dxg;*.dxw";
  const auto file =
      io_.Ask.OpenFile({texts_.Get(TextId::SettingsUnpack), programDir_ / "data", filter});
  if (!file) return;
  // The extension decides, exactly as written: "SOUNDS.KWV" is not a set.
  const SetKind kind = SetKindOf(*file);
  if (kind == SetKind::None) return;
  const fs::path into = DefaultUnpackFolder(writeDir_, *file);
  const std::string title = texts_.Get(TextId::ProgramTitle);
  if (into.empty()) {
    io_.Ask.Message(texts_.Format(TextId::ProgramUnpackNoFolder, {file->string()}), title);
    return;
  }
  const std::string question = texts_.Get(TextId::SettingsUnpackMessage) + "\n" + into.string();
  if (io_.Ask.YesNo(question, title) != DialogAnswer::Yes) return;
  const PackResult done = UnpackSet(*file, into, io_.Codec);
  if (!done.Io.Ok)
    io_.Ask.Message(texts_.Format(TextId::ProgramUnpackFailed, {done.Io.Message}), title);
  ReloadAfterPacking(kind == SetKind::Waves);
}

void Game::PackChosenFolder() {
  const std::string title = texts_.Get(TextId::ProgramTitle);
  io_.Ask.Message(texts_.Get(TextId::SettingsPackMessage), title);
  std::error_code ec;
  const fs::path unpacked = writeDir_ / "Unpack";
  const auto file = io_.Ask.OpenFile({texts_.Get(TextId::SettingsPack),
                                      fs::is_directory(unpacked, ec) ? unpacked : programDir_,
                                      "*.bmp; *.wav|*.bmp; *.wav"});
  if (!file) return;
  // The chosen file names the folder and the kind; its own number does not matter.
  const std::string name = NameOf(*file);
  const std::string ext = name.size() >= 4 ? name.substr(name.size() - 4) : std::string();
  const bool waves = ext == ".wav";
  if (!waves && ext != ".bmp") return;
  const char* setExt = waves ? ".kwv" : ".kgf";
  const auto target = io_.Ask.SaveFile({texts_.Get(TextId::SettingsPack), WriteFolder("data"),
                                        waves ? "*.kwv|*.kwv" : "*.kgf|*.kgf"});
  if (!target) return;
  // Pictures packed under a sound set's name (or the other way round) would be a set that no
  // chooser accepts.
  if (SetKindOf(*target) != (waves ? SetKind::Waves : SetKind::Pictures)) {
    io_.Ask.Message(texts_.Format(TextId::ProgramPackWrongEnd, {target->string(), setExt}), title);
    return;
  }
  const PackResult done = PackSet(file->parent_path(), *target, io_.Codec);
  if (!done.Io.Ok)
    io_.Ask.Message(texts_.Format(TextId::ProgramPackFailed, {done.Io.Message}), title);
  ReloadAfterPacking(waves);
}

void Game::ReloadAfterPacking(bool waves) {
  // A set just written may be the one in use: it is read again, and a failure keeps the old.
  if (waves) {
    io_.Assets.LoadSounds(FromProgram(paths_.Sounds));
    return;
  }
  const bool big = view_.TileSize == 40;
  io_.Assets.LoadTiles(FromProgram(big ? paths_.Graph40 : paths_.Graph32), view_.TileSize);
}

}  // namespace krattle
