#include "editor/editor.h"

#include <algorithm>

#include "core/cave_set_file.h"
#include "editor/advanced_options.h"
#include "editor/generator_dialog.h"
#include "editor/parameter_panel.h"
#include "game/keys.h"

namespace krattle {

namespace {
constexpr int kPanelHeight = 60;
constexpr int kFirstStyle = static_cast<int>(FieldA::BoulderStyle);
}  // namespace

Editor::Editor(Game& game) : g_(game), panel_(MakeParameterPanel(game.Text())) {
  panel_.OnClick = [this](Form&, FormField& f) { OnClick(f); };
  panel_.OnStep = [this](Form&, FormField&) { modified_ = true; };
  panel_.OnChange = [this](Form&, FormField& f) {
    // The Demo indicator only shows; choosing it changes nothing.
    if (f.Id == panel::Demo) f.Value = g_.set_->DemoPresent(g_.flow_.CurrentCave) ? 1 : 0;
  };
  panel_.Show();
}

void AttachEditor(Game& game) {
  game.AttachEditor(std::make_unique<Editor>(game));
}

int Editor::Slot() const {
  return SlotOf(g_.flow_.CurrentCave, g_.flow_.CurrentLevel);
}

void Editor::ShowSetCaption() {
  g_.SetCaption(g_.setName_.empty() ? std::string("Krattle")
                                    : std::string("Krattle - ").append(g_.setName_).append(".kcv"));
}

void Editor::Enter() {
  FlowState& f = g_.flow_;
  MenuState& m = g_.menu_;
  clip_.Valid = false;
  popup_.reset();
  leftHeld_ = rightHeld_ = false;
  if (f.CaveSetLoaded) {
    ShowSetCaption();
  } else {
    *g_.set_ = NewCaveSet();
    f.CaveSetLoaded = true;
    m.DemoEnabled = true;
  }
  g_.StopLoopedSounds();
  g_.StopMusic();
  m.FullScreenShown = false;
  f.ScreenMode = smEditor;
  g_.io_.Window.SetSurfaceSize(EditorSurfaceWidth, EditorSurfaceHeight, kPanelHeight);
  CaptionParameterPanel(panel_, g_.texts_);
  m.PanelShown = true;
  m.Editing = true;
  f.EditorActive = true;
  f.DemoRecording = f.DemoPlaying = false;
  ShowCaveLabel();
  LoadFields();
  for (auto& look : g_.run_.Grid.VariantMap)
    look = static_cast<std::uint8_t>(g_.run_.Rng.RandomBelow(4));
  rect_ = EditorRect{};
  // The editor always draws with the big tiles, shrunk into its 20-pixel cells.
  g_.view_.TileSize = 40;
  g_.LoadTileSet(true);
  m.ZoomShown = false;
}

void Editor::Leave() {
  FlowState& f = g_.flow_;
  MenuState& m = g_.menu_;
  f.DemoRecording = f.DemoPlaying = false;
  StoreFields();
  if (modified_) {
    const DialogAnswer a = g_.io_.Ask.YesNoCancel(g_.texts_.Get(TextId::EditorModified),
                                                  g_.texts_.Get(TextId::MenuCavesEditor));
    if (a == DialogAnswer::Yes) {
      Save();
      // Work that could not be saved is not thrown away behind the designer's back.
      if (modified_) return;
    } else if (a == DialogAnswer::No) {
      modified_ = false;
      if (!g_.setFile_.empty()) {
        auto fresh = std::make_unique<CaveSet>();
        if (ReadCaveSet(g_.setFile_, *fresh).Ok()) {
          *g_.set_ = *fresh;
          g_.LoadHighScores();
        }
      }
    } else {
      return;
    }
  }
  if (g_.setFile_.empty()) {
    f.CaveSetLoaded = false;
    m.DemoEnabled = false;
  }
  ForgetHistory();
  g_.StopLoopedSounds();
  f.EditorActive = false;
  g_.RestoreSavedPosition();
  g_.SetCaption("Krattle");
  m.PanelShown = false;
  m.FullScreenShown = true;
  g_.LoadGraphicsSets();
  m.ZoomShown = true;
  m.Editing = false;
  m.StartEnabled = m.StopEnabled = m.DemoEnabled = f.CaveSetLoaded;
  g_.RestartAttract();
  f.ScreenMode = smTitle;
}

bool Editor::SettleUnsaved() {
  if (!modified_) return true;
  const DialogAnswer a = g_.io_.Ask.YesNoCancel(g_.texts_.Get(TextId::EditorModified),
                                                g_.texts_.Get(TextId::MenuCavesEditor));
  if (a == DialogAnswer::Yes) {
    Save();
  } else if (a == DialogAnswer::No) {
    modified_ = false;
  }
  return !modified_;
}

void Editor::New() {
  // What was typed last belongs to the work the question is about.
  StoreFields();
  if (!SettleUnsaved()) return;
  FlowState& f = g_.flow_;
  g_.setFile_.clear();
  g_.setName_.clear();
  g_.SetCaption("Krattle");
  *g_.set_ = NewCaveSet();
  ForgetHistory();
  g_.LoadHighScores();
  f.CurrentCave = f.CurrentLevel = 0;
  ShowCaveLabel();
  LoadFields();
}

bool Editor::WriteSet(const std::filesystem::path& path) {
  const CaveSetResult r = SaveCaveSet(path, *g_.set_);
  if (r.Ok()) return true;
  g_.io_.Ask.Message(g_.texts_.Format(TextId::ProgramCannotSaveCaves, {path.native(), r.Message}),
                     g_.texts_.Get(TextId::MenuCavesEditor));
  return false;
}

void Editor::Save() {
  StoreFields();
  if (g_.setFile_.empty()) {
    SaveAs();
    return;
  }
  if (WriteSet(g_.setFile_)) modified_ = false;
}

void Editor::SaveAs() {
  palette_ = -1;
  StoreFields();
  const auto chosen =
      g_.io_.Ask.SaveFile({g_.texts_.Get(TextId::ProgramSaveCaveSet), g_.WriteFolder("Levels"),
                           "Krattle Caves (*.kcv)|*.kcv"});
  if (!chosen || !WriteSet(*chosen)) return;
  modified_ = false;
  g_.setFile_ = *chosen;
  const std::string name = chosen->filename().string();
  g_.setName_ = name.size() >= 4 ? name.substr(0, name.size() - 4) : std::string();
  if (!g_.setName_.empty()) ShowSetCaption();
}

bool Editor::MayLoad() {
  StoreFields();
  return SettleUnsaved();
}

void Editor::LoadChosen() {
  palette_ = -1;
}

void Editor::Loaded() {
  modified_ = false;
  ForgetHistory();
  ShowCaveLabel();
  LoadFields();
  ShowSetCaption();
}

bool Editor::MayClose() {
  // Typed values are part of the work the question is about.
  StoreFields();
  return SettleUnsaved();
}

void Editor::LoadFields() {
  const int slot = Slot();
  for (const PanelParameter& p : PanelParameters) {
    FormField& e = panel_.Field(p.Edit);
    const int v = g_.set_->A(slot, p.Field);
    e.Text = std::to_string(v);
    e.Value = std::clamp(v, p.Min, p.Max);
  }
  for (int k = 0; k < 9; ++k) styles_[k] = g_.set_->A(slot, static_cast<FieldA>(kFirstStyle + k));
}

bool Editor::StoreFieldsToSlot() {
  const int slot = Slot();
  bool changed = false;
  auto put = [&](std::uint8_t& at, std::uint8_t v) {
    changed = changed || at != v;
    at = v;
  };
  for (int k = 0; k < 9; ++k)
    put(g_.set_->A(slot, static_cast<FieldA>(kFirstStyle + k)), styles_[k]);
  for (int index : PanelStoreOrder) {
    const PanelParameter& p = PanelParameters[index];
    long v = 0;
    if (!ParsePanelNumber(panel_.Field(p.Edit).Text, v)) break;
    put(g_.set_->A(slot, p.Field), static_cast<std::uint8_t>(v & 0xFF));
  }
  return changed;
}

void Editor::StoreFields() {
  // A typed value that reaches the set is a change like any other: leaving must ask about it,
  // and undo can take it back.
  BeginChange();
  if (StoreFieldsToSlot()) modified_ = true;
  EndChange();
}

void Editor::ShowCaveLabel() {
  const FlowState& f = g_.flow_;
  FormField& label = panel_.Field(panel::CaveLevel);
  label.Text = CaveLabelText(f.CurrentCave, f.CurrentLevel);
  label.Colour = static_cast<std::int32_t>(CaveLabelColour(f.CurrentCave));
  FormField& demo = panel_.Field(panel::Demo);
  const bool present = g_.set_->DemoPresent(f.CurrentCave);
  demo.Value = present ? 1 : 0;
  demo.Enabled = present;
}

void Editor::StepCave(int delta) {
  StepSlot(g_.flow_.CurrentCave, delta, CaveCount);
}

void Editor::StepLevel(int delta) {
  StepSlot(g_.flow_.CurrentLevel, delta, LevelCount);
}

void Editor::StepSlot(std::uint8_t& index, int delta, int count) {
  palette_ = -1;
  const int to = index + delta;
  if (to >= 0 && to < count) {
    StoreFields();
    index = static_cast<std::uint8_t>(to);
    LoadFields();
  }
  ShowCaveLabel();
}

void Editor::StepPalette(int delta) {
  if (delta > 0 && palette_ < PaletteSlots - 1) ++palette_;
  if (delta < 0 && palette_ > 0) --palette_;
}

void Editor::Key(int key, int shift) {
  if (g_.io_.Keys.IsDown(keys::Ctrl)) {
    if (key == keys::Letter('Z')) (shift & keys::ShiftBit) ? Redo() : Undo();
    if (key == keys::Letter('Y')) Redo();
  }
  switch (key) {
    case keys::Minus: StepCave(-1); break;
    case keys::Equals: StepCave(1); break;
    case keys::LeftBracket: StepLevel(-1); break;
    case keys::RightBracket: StepLevel(1); break;
    case keys::Period: StepPalette(1); break;
    case keys::Comma: StepPalette(-1); break;
    default: break;
  }
}

void Editor::Mouse(const MouseEvent& e) {
  constexpr int kCaveBottom = 440;
  const int column = e.X / EditorCell, row = e.Y / EditorCell;
  const bool inCave = e.Y >= 0 && e.Y < kCaveBottom && e.X >= 0 && e.X < EditorSurfaceWidth;
  const FlowState& f = g_.flow_;
  if (e.What == MouseEvent::Down) {
    if (e.Y >= 442 && e.Y < 470 && e.X > 4 && e.X < 625) {
      palette_ = (e.X - 4) / 26;
      return;
    }
    if (!inCave) return;
    if (e.Button == MouseButton::Left) {
      leftHeld_ = true;
      // A stroke from press to release is one step of undo.
      BeginChange();
      Paint(column, row);
    } else if (e.Button == MouseButton::Right) {
      rightHeld_ = true;
      if (palette_ >= 0) rect_ = EditorRect{true, column, row, column, row};
    } else {
      popupX_ = column;
      popupY_ = row;
      popup_ = PopupFor(g_.set_->MapCell(f.CurrentCave, f.CurrentLevel, column, row));
      if (popup_) popup_->MouseX = e.X, popup_->MouseY = e.Y;
    }
    return;
  }
  if (e.What == MouseEvent::Move) {
    if (e.Y > 438) rect_.CornerX = rect_.CornerY = 0;
    if (leftHeld_ && e.X > 0 && inCave) Paint(column, row);
    if (rightHeld_ && inCave) rect_.CornerX = column, rect_.CornerY = row;
    return;
  }
  // Released.
  if (e.Button == MouseButton::Left) {
    leftHeld_ = false;
    EndChange();
  } else if (e.Button == MouseButton::Right) {
    rightHeld_ = false;
    const EditorRect r = rect_;
    rect_.Active = false;
    rect_.CornerX = rect_.CornerY = 0;
    if (inCave && palette_ >= 0 && r.Active) {
      BeginChange();
      if (FillRectangle(*g_.set_, f.CurrentCave, f.CurrentLevel, r.StartX, r.StartY, column, row,
                        PaletteCodes[palette_]))
        modified_ = true;
      EndChange();
    }
  }
}

void Editor::Paint(int column, int row) {
  const FlowState& f = g_.flow_;
  if (palette_ < 0 || !Writable(f.CurrentCave, column, row)) return;
  g_.set_->MapCell(f.CurrentCave, f.CurrentLevel, column, row) = PaletteCodes[palette_];
  modified_ = true;
}

void Editor::ChoosePopup(PopupItem item) {
  if (!popup_) return;
  popup_.reset();
  const FlowState& f = g_.flow_;
  Element& cell = g_.set_->MapCell(f.CurrentCave, f.CurrentLevel, popupX_, popupY_);
  BeginChange();
  cell = ApplyPopupItem(cell, item);
  modified_ = true;
  EndChange();
}

void Editor::TextsChanged() {
  CaptionParameterPanel(panel_, g_.texts_);
}

void Editor::ShowDialog(Form (*make)(CaveSet&, int, int, const Texts&, std::function<void()>)) {
  const FlowState& f = g_.flow_;
  // Captions in today's language; the element lists keep the names start-up gave them.
  Texts texts = g_.texts_;
  for (const TextRow& row : LanguageTextRows())
    if (row.Section == "Items") texts.Set(row.Id, g_.startTexts_.Get(row.Id));
  Form form = make(*g_.set_, f.CurrentCave, f.CurrentLevel, texts, [this] { modified_ = true; });
  // What the dialog writes, its Close and every Generate, is one step of undo.
  BeginChange();
  g_.io_.Ask.ShowForm(form);
  EndChange();
  ShowCaveLabel();
}

void Editor::Random() {
  if (palette_ < 0) return;
  const FlowState& f = g_.flow_;
  BeginChange();
  modified_ = true;
  ScatterRandomly(*g_.set_, f.CurrentCave, f.CurrentLevel, PaletteCodes[palette_], g_.run_.Rng);
  EndChange();
}

void Editor::CycleGraphicsSet() {
  if (!CycleStyle(styles_, palette_)) return;
  modified_ = true;
  // Into the slot at once, so undo can take it back like any change of the set.
  BeginChange();
  const int slot = Slot();
  for (int k = 0; k < 9; ++k) g_.set_->A(slot, static_cast<FieldA>(kFirstStyle + k)) = styles_[k];
  EndChange();
}

void Editor::Copy() {
  StoreFields();
  CopyCave(*g_.set_, g_.flow_.CurrentCave, g_.flow_.CurrentLevel, clip_);
}

void Editor::Paste() {
  if (!clip_.Valid) return;
  const DialogAnswer a = g_.io_.Ask.YesNo(g_.texts_.Get(TextId::EditorPasteQuestion),
                                          g_.texts_.Get(TextId::MenuCavesEditor));
  if (a == DialogAnswer::Yes) {
    modified_ = true;
    BeginChange();
    PasteCave(clip_, *g_.set_, g_.flow_.CurrentCave, g_.flow_.CurrentLevel);
    EndChange();
    LoadFields();
  }
  ShowCaveLabel();
}

void Editor::ClearCave() {
  const DialogAnswer a = g_.io_.Ask.YesNo(g_.texts_.Get(TextId::EditorClearQuestion),
                                          g_.texts_.Get(TextId::MenuCavesEditor));
  if (a == DialogAnswer::Yes) {
    modified_ = true;
    BeginChange();
    krattle::ClearCave(*g_.set_, g_.flow_.CurrentCave, g_.flow_.CurrentLevel);
    EndChange();
    LoadFields();
  }
  ShowCaveLabel();
}

void Editor::Undo() {
  if (history_.Undo(*g_.set_)) AfterHistoryStep();
  g_.menu_.UndoEnabled = history_.CanUndo();
  g_.menu_.RedoEnabled = history_.CanRedo();
}

void Editor::Redo() {
  if (history_.Redo(*g_.set_)) AfterHistoryStep();
  g_.menu_.UndoEnabled = history_.CanUndo();
  g_.menu_.RedoEnabled = history_.CanRedo();
}

void Editor::AfterHistoryStep() {
  // The set differs from what was saved either way.
  modified_ = true;
  LoadFields();
  ShowCaveLabel();
}

void Editor::Edit(MenuCommand command) {
  switch (command) {
    case MenuCommand::Copy: Copy(); break;
    case MenuCommand::Paste: Paste(); break;
    case MenuCommand::Clear: ClearCave(); break;
    case MenuCommand::Undo: Undo(); break;
    case MenuCommand::Redo: Redo(); break;
    default: break;
  }
}

void Editor::BeginChange() {
  history_.Begin(*g_.set_);
}

void Editor::EndChange() {
  // A stroke still being painted goes on; it ends at the release.
  if (leftHeld_) return;
  history_.End(*g_.set_);
  g_.menu_.UndoEnabled = history_.CanUndo();
  g_.menu_.RedoEnabled = history_.CanRedo();
}

void Editor::ForgetHistory() {
  history_.Clear();
  g_.menu_.UndoEnabled = g_.menu_.RedoEnabled = false;
}

void Editor::OnClick(const FormField& field) {
  const std::string& id = field.Id;
  if (id == panel::DecCave) StepCave(-1);
  if (id == panel::IncCave) StepCave(1);
  if (id == panel::DecLevel) StepLevel(-1);
  if (id == panel::IncLevel) StepLevel(1);
  if (id == panel::TestCave) g_.Start();
  if (id == panel::Random) Random();
  if (id == panel::Advanced) ShowDialog(AdvancedOptionsForm);
  if (id == panel::GenerateCave) ShowDialog(GeneratorForm);
  if (id == panel::GrpSet) CycleGraphicsSet();
}

void Editor::RenderFrame(Canvas& canvas) {
  FlowState& f = g_.flow_;
  AnimClock clock{f.FrameStep, f.AnimPhase};
  std::uint8_t styles[9];
  std::copy(styles_.begin(), styles_.end(), styles);
  const EditorViewInput in{
      *g_.set_, f.CurrentCave, f.CurrentLevel, TileStyles::From(styles), g_.run_.Grid.VariantMap,
      palette_, rect_};
  RenderEditorView(canvas, in, clock);
  f.FrameStep = static_cast<std::uint8_t>(clock.FrameStep);
  f.AnimPhase = static_cast<std::uint8_t>(clock.AnimPhase);
}

}  // namespace krattle
