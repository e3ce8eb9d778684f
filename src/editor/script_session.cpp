#include "editor/script_session.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <vector>

#include "editor/editor.h"
#include "editor/parameter_panel.h"
#include "game/keys.h"

namespace krattle {

namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

// The first word of `s`; `s` keeps the rest, trimmed.
std::string_view Word(std::string_view& s) {
  s = Trim(s);
  std::size_t end = 0;
  while (end < s.size() && !std::isspace(static_cast<unsigned char>(s[end]))) ++end;
  const std::string_view w = s.substr(0, end);
  s = Trim(s.substr(end));
  return w;
}

bool Number(std::string_view s, long lo, long hi, long& out) {
  long v = 0;
  const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  if (r.ec != std::errc() || r.ptr != s.data() + s.size() || s.empty() || v < lo || v > hi)
    return false;
  out = v;
  return true;
}

std::string Quoted(std::string_view s) {
  return std::string("'").append(s).append("'");
}

constexpr long kMaxFrames = 1'000'000;

}  // namespace

int ScriptKeyByName(std::string_view name) {
  struct Named {
    std::string_view Name;
    int Key;
  };
  static constexpr Named kNames[] = {
      {"left", keys::Left},
      {"right", keys::Right},
      {"up", keys::Up},
      {"down", keys::Down},
      {"space", keys::Space},
      {"return", keys::Enter},
      {"enter", keys::Enter},
      {"keypad enter", keys::Enter},
      {"escape", keys::Escape},
      {"esc", keys::Escape},
      {"left ctrl", keys::Ctrl},
      {"right ctrl", keys::Ctrl},
      {"ctrl", keys::Ctrl},
      {"keypad 2", keys::Numpad2},
      {"keypad 4", keys::Numpad4},
      {"keypad 6", keys::Numpad6},
      {"keypad 8", keys::Numpad8},
      {"f2", keys::F2},
      {"-", keys::Minus},
      {"minus", keys::Minus},
      {"=", keys::Equals},
      {"equals", keys::Equals},
      {"[", keys::LeftBracket},
      {"leftbracket", keys::LeftBracket},
      {"]", keys::RightBracket},
      {"rightbracket", keys::RightBracket},
      {".", keys::Period},
      {"period", keys::Period},
      {",", keys::Comma},
      {"comma", keys::Comma},
  };
  const std::string lower = Lower(name);
  for (const auto& n : kNames)
    if (n.Name == lower) return n.Key;
  if (lower.size() == 1 && std::isalnum(static_cast<unsigned char>(lower[0])))
    return keys::Letter(lower[0]);
  return 0;
}

ScriptSession::ScriptSession(const StartupOptions& options, Canvas* screen, AssetLoader* assets,
                             MediaCodec* codec)
    : runner_(std::make_unique<HeadlessRunner>(options, screen, assets, codec)) {
  AttachEditor(runner_->game());
}

std::string ScriptSession::Run(std::string_view script, std::string_view name) {
  HeadlessRunner& r = *runner_;
  r.Dialogs.Strict = true;
  r.Dialogs.Unanswered.clear();
  std::vector<std::pair<int, std::string_view>> lines;
  int number = 0;
  while (!script.empty()) {
    const std::size_t end = std::min(script.find('\n'), script.size());
    std::string_view line = script.substr(0, end);
    script.remove_prefix(std::min(end + 1, script.size()));
    ++number;
    if (const std::size_t hash = line.find('#'); hash != std::string_view::npos)
      line = line.substr(0, hash);
    line = Trim(line);
    if (!line.empty()) lines.emplace_back(number, line);
  }
  auto where = [&](int line) {
    return std::string(name).append(":").append(std::to_string(line)).append(": ");
  };
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto [at, line] = lines[i];
    if (ended_) return where(at) + "the program has already ended";
    std::string_view rest = line;
    const std::string verb = Lower(Word(rest));
    std::string error;
    if (verb == "dialog") {
      // The lines after it answer the dialog it opens: it runs until they close it.
      std::vector<FormAction> actions;
      while (i + 1 < lines.size() && error.empty()) {
        std::string_view next = lines[i + 1].second;
        const std::string v = Lower(Word(next));
        if (v != "set" && v != "button" && v != "closebox" && v != "key") break;
        error = DialogAction(v, next, actions);
        if (!error.empty()) return where(lines[i + 1].first) + error;
        ++i;
      }
      error = OpenDialog(rest, std::move(actions));
    } else {
      error = Line(line);
    }
    if (error.empty() && !r.Dialogs.Unanswered.empty()) error = r.Dialogs.Unanswered;
    if (!error.empty()) return where(at) + error;
    if (r.game().QuitRequested()) ended_ = true;
  }
  const std::size_t left = r.Dialogs.Answers.size() + r.Dialogs.Files.size() +
                           r.Dialogs.Typed.size() + r.Dialogs.FormAnswers.size();
  if (left > 0)
    return where(number) + std::to_string(left) + " queued answer(s) were never asked for";
  return {};
}

std::string ScriptSession::DialogAction(std::string_view verb, std::string_view rest,
                                        std::vector<FormAction>& actions) {
  FormAction a;
  if (verb == "closebox") {
    if (!rest.empty()) return "closebox takes nothing";
    a.What = FormAction::Close;
  } else if (verb == "key") {
    a.What = FormAction::Key;
    const std::string_view name = Word(rest);
    a.Value = ScriptKeyByName(name);
    if (a.Value == 0 || !rest.empty()) return "key takes one key name";
  } else if (verb == "button") {
    a.What = FormAction::Click;
    a.Field = std::string(Word(rest));
    if (a.Field.empty() || !rest.empty()) return "button takes a component name";
  } else {
    a.What = FormAction::Set;
    a.Field = std::string(Word(rest));
    long v = 0;
    if (a.Field.empty() || !Number(Word(rest), -100000, 100000, v) || !rest.empty())
      return "set takes a component name and a number";
    a.Value = static_cast<int>(v);
  }
  actions.push_back(std::move(a));
  return {};
}

std::string ScriptSession::OpenDialog(std::string_view which, std::vector<FormAction> actions) {
  const std::string w = Lower(Trim(which));
  if (w == "speed" || w == "about" || w == "settings") {
    runner_->Dialogs.FormAnswers.push_back(std::move(actions));
    if (w == "speed")
      game().ShowSpeed();
    else if (w == "settings")
      game().ShowSettings();
    else
      game().ShowAbout();
    return {};
  }
  const char* button = w == "advanced"    ? panel::Advanced
                       : w == "generator" ? panel::GenerateCave
                                          : nullptr;
  if (!button) return "dialog takes Advanced, Generator, Speed, Settings or About";
  runner_->Dialogs.FormAnswers.push_back(std::move(actions));
  const std::size_t queued = runner_->Dialogs.FormAnswers.size();
  std::string error = Panel("button", button, {});
  // A button that could not be pressed leaves its answers unused.
  if (!error.empty() && runner_->Dialogs.FormAnswers.size() == queued)
    runner_->Dialogs.FormAnswers.pop_back();
  return error;
}

std::string ScriptSession::Line(std::string_view line) {
  HeadlessRunner& r = *runner_;
  const std::string verb = Lower(Word(line));
  if (verb == "frames") {
    long n = 0;
    if (!Number(Word(line), 0, kMaxFrames, n) || !line.empty())
      return "frames takes a count of 0.." + std::to_string(kMaxFrames);
    r.Frames(n);
    return {};
  }
  if (verb == "key") {
    const std::string_view key = Word(line);
    if (key.empty() || !line.empty()) return "key takes one key name";
    return Key(key, -1);
  }
  if (verb == "hold") {
    const std::string_view key = Word(line);
    long n = 0;
    if (key.empty() || !Number(Word(line), 0, kMaxFrames, n) || !line.empty())
      return "hold takes a key name and a frame count";
    return Key(key, n);
  }
  if (verb == "mouse") {
    const std::string_view what = Word(line), button = Word(line), x = Word(line), y = Word(line);
    if (!line.empty()) return "mouse takes down|up|move, a button and X Y";
    return Mouse(what, button, x, y);
  }
  if (verb == "menu") {
    const std::string_view item = Word(line);
    if (item.empty() || !line.empty()) return "menu takes one item's text key, e.g. SaveAs";
    std::string why;
    const MenuCommand c = FindMenuItem(r.game().Menu(), item, why);
    if (c == MenuCommand::None) return why;
    r.game().Command(c);
    return {};
  }
  if (verb == "answer") {
    const std::string what = Lower(Word(line));
    return Answer(what, line);
  }
  if (verb == "field" || verb == "button" || verb == "updown") {
    const std::string_view name = Word(line);
    if (name.empty()) return verb + " takes a component name";
    return Panel(verb, name, line);
  }
  if (verb == "shot") {
    if (line.empty()) return "shot takes a file name";
    if (!Shot) return "this session cannot write pictures";
    std::filesystem::path file{std::string(line)};
    if (file.is_relative() && !ShotDir.empty()) file = ShotDir / file;
    return Shot(file);
  }
  if (verb == "popup") {
    const std::string_view item = Word(line);
    if (item.empty() || !line.empty()) return "popup takes one item's text key, e.g. FireflyLeft";
    return Popup(item);
  }
  if (verb == "set" || verb == "closebox") return verb + " belongs to the lines after a dialog";
  if (verb == "close") {
    if (!line.empty()) return "close takes nothing";
    if (r.game().CloseRequest()) ended_ = true;
    return {};
  }
  return "unknown command " + Quoted(verb) +
         " (frames, key, hold, mouse, menu, answer, field, button, updown, popup, dialog, shot, "
         "close)";
}

std::string ScriptSession::Key(std::string_view name, long holdFrames) {
  HeadlessRunner& r = *runner_;
  int shift = 0;
  bool ctrl = false;
  std::string lower = Lower(name);
  for (;;) {
    if (lower.starts_with("shift+")) {
      shift |= keys::ShiftBit;
      lower.erase(0, 6);
    } else if (lower.starts_with("alt+")) {
      shift |= keys::AltBit;
      lower.erase(0, 4);
    } else if (lower.starts_with("ctrl+")) {
      ctrl = true;
      lower.erase(0, 5);
    } else {
      break;
    }
  }
  const int key = ScriptKeyByName(lower);
  if (key == 0) return "unknown key " + Quoted(name);
  if (ctrl) r.Keys.Press(keys::Ctrl);
  r.Keys.Press(key);
  r.game().KeyDown(key, shift);
  if (holdFrames > 0) r.Frames(holdFrames);
  r.Keys.Release(key);
  if (ctrl) r.Keys.Release(keys::Ctrl);
  return {};
}

std::string ScriptSession::Answer(std::string_view what, std::string_view rest) {
  ScriptedDialogs& d = runner_->Dialogs;
  if (what == "file") {
    if (rest.empty()) return "answer file takes a path";
    d.Files.emplace_back(std::filesystem::path(std::string(rest)));
    return {};
  }
  if (what == "text") {
    d.Typed.emplace_back(std::string(rest));
    return {};
  }
  if (!rest.empty()) return "answer " + std::string(what) + " takes nothing more";
  if (what == "yes")
    d.Answers.push_back(DialogAnswer::Yes);
  else if (what == "no")
    d.Answers.push_back(DialogAnswer::No);
  else if (what == "cancel")
    d.Answers.push_back(DialogAnswer::Cancel);
  else if (what == "ok")
    d.Answers.push_back(DialogAnswer::Ok);
  else if (what == "close")
    d.FormAnswers.emplace_back();
  else
    return "answer takes yes, no, cancel, ok, close, file PATH or text TEXT";
  return {};
}

std::string ScriptSession::Panel(std::string_view verb, std::string_view name,
                                 std::string_view rest) {
  Form* panel = game().EditorPanel();
  if (!panel) return "the editor's panel is not shown";
  const std::string id(name);
  const auto it = std::find_if(panel->Fields.begin(), panel->Fields.end(), [&](const FormField& f) {
    return f.Id == id || (f.Kind == FieldKind::UpDownEdit && f.UpDownId == id);
  });
  if (it == panel->Fields.end()) return "the panel has no " + Quoted(name);
  if (!it->Enabled || !it->Visible) return Quoted(name) + " cannot be used now";
  if (verb == "field") {
    if (it->Kind != FieldKind::UpDownEdit) return Quoted(name) + " is not an edit";
    panel->SetText(it->Id, std::string(rest));
  } else if (verb == "button") {
    if (it->Kind != FieldKind::Button || !rest.empty()) return Quoted(name) + " is not a button";
    panel->Click(it->Id);
  } else {
    const std::string dir = Lower(rest);
    if (it->Kind != FieldKind::UpDownEdit || (dir != "up" && dir != "down"))
      return "updown takes an up-down's name and up or down";
    panel->Step(it->Id, dir == "up" ? 1 : -1);
  }
  return {};
}

std::string ScriptSession::Popup(std::string_view item) {
  EditorMode* editor = game().EditorPart();
  if (!editor || !editor->Popup()) return "no pop-up menu is open";
  static constexpr TextId kItems[PopupItemCount] = {
      TextId::EditorFireflyLeft, TextId::EditorFireflyUp,  TextId::EditorFireflyRight,
      TextId::EditorFireflyDown, TextId::EditorStationary, TextId::EditorFalling,
      TextId::EditorGlued};
  for (int k = 0; k < PopupItemCount; ++k) {
    if (TextInfo(kItems[k]).Key != item) continue;
    const EditorPopup& p = *editor->Popup();
    const bool facing = k <= static_cast<int>(PopupItem::FacingDown);
    const bool shown = facing ? p.What == EditorPopup::Facing
                              : p.What == EditorPopup::State &&
                                    (k != static_cast<int>(PopupItem::Glued) || p.GluedShown);
    if (!shown) return "the open pop-up menu has no " + Quoted(item);
    editor->ChoosePopup(static_cast<PopupItem>(k));
    return {};
  }
  return "there is no pop-up item " + Quoted(item);
}

std::string ScriptSession::Mouse(std::string_view what, std::string_view button, std::string_view x,
                                 std::string_view y) {
  MouseEvent m;
  const std::string w = Lower(what), b = Lower(button);
  if (w == "down")
    m.What = MouseEvent::Down;
  else if (w == "up")
    m.What = MouseEvent::Up;
  else if (w == "move")
    m.What = MouseEvent::Move;
  else
    return "mouse takes down, up or move";
  if (b == "left")
    m.Button = MouseButton::Left;
  else if (b == "middle")
    m.Button = MouseButton::Middle;
  else if (b == "right")
    m.Button = MouseButton::Right;
  else
    return "the mouse button is left, middle or right";
  long px = 0, py = 0;
  if (!Number(x, -100000, 100000, px) || !Number(y, -100000, 100000, py))
    return "mouse takes X and Y in surface pixels";
  m.X = static_cast<int>(px);
  m.Y = static_cast<int>(py);
  game().Mouse(m);
  return {};
}

}  // namespace krattle
