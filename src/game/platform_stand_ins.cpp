#include "game/platform_stand_ins.h"

namespace krattle {

int RecordingSound::Played(int wave) const {
  int n = 0;
  for (const auto& c : Calls)
    if (c.What != SoundCall::Stop && c.Wave == wave) ++n;
  return n;
}

bool ScriptedDialogs::Missing(const std::string& what) {
  return Fault(what + " came up with no answer queued");
}

bool ScriptedDialogs::Fault(const std::string& message) {
  if (!Strict) return false;
  if (Unanswered.empty()) Unanswered = message;
  return true;
}

std::optional<std::filesystem::path> ScriptedDialogs::OpenFile(const FileRequest& request) {
  OpenedIn.push_back(request.Folder);
  FileTitles.push_back(request.Title);
  if (Files.empty()) {
    Missing("the file dialog \"" + request.Title + "\"");
    return std::nullopt;
  }
  auto f = Files.front();
  Files.pop_front();
  return f;
}

std::optional<std::filesystem::path> ScriptedDialogs::SaveFile(const FileRequest& request) {
  return OpenFile(request);
}

DialogAnswer ScriptedDialogs::YesNoCancel(const std::string& text, const std::string& title) {
  Shown.push_back(title + ": " + text);
  if (Echo) Echo(Shown.back());
  if (Answers.empty()) {
    Missing("the question \"" + title + ": " + text + "\"");
    return DialogAnswer::Cancel;
  }
  auto a = Answers.front();
  Answers.pop_front();
  return a;
}

DialogAnswer ScriptedDialogs::YesNo(const std::string& text, const std::string& title) {
  const DialogAnswer a = YesNoCancel(text, title);
  return a == DialogAnswer::Cancel ? DialogAnswer::No : a;
}

void ScriptedDialogs::Message(const std::string& text, const std::string& title) {
  Shown.push_back(title + ": " + text);
  if (Echo) Echo(Shown.back());
  if (!Strict) return;
  if (Answers.empty()) {
    Missing("the message \"" + title + ": " + text + "\"");
    return;
  }
  Answers.pop_front();
}

std::optional<std::string> ScriptedDialogs::InputText(const std::string& title,
                                                      const std::string& prompt, int maxLength) {
  Shown.push_back(title + ": (input)");
  LastPrompt = prompt;
  if (Typed.empty()) {
    Missing("the text entry \"" + title + "\"");
    return std::nullopt;
  }
  auto line = Typed.front();
  Typed.pop_front();
  if (line && static_cast<int>(line->size()) > maxLength) line->resize(maxLength);
  return line;
}

void ScriptedDialogs::ShowForm(Form& form) {
  form.Show();  // sets the caption from the texts
  Shown.push_back(form.Caption + ": (form " + form.Id + ")");
  std::vector<FormAction> actions;
  if (FormAnswers.empty()) {
    Missing("the dialog \"" + form.Caption + "\"");
  } else {
    actions = std::move(FormAnswers.front());
    FormAnswers.pop_front();
  }
  for (const FormAction& a : actions) {
    if (!form.IsOpen()) {
      Fault("the dialog \"" + form.Caption + "\" had closed before all its lines ran");
      break;
    }
    if (!a.Field.empty() && !form.Has(a.Field)) {
      Fault("the dialog \"" + form.Caption + "\" has no '" + a.Field + "'");
      break;
    }
    ApplyFormAction(form, a);
  }
  if (Strict && form.IsOpen() && !actions.empty())
    Fault("the dialog \"" + form.Caption + "\" was left open (end it with its button or closebox)");
  FormsShown.push_back(form);
  form.CloseBox();
}

std::string NullAssets::LoadTiles(const std::filesystem::path& path, int) {
  return Result(path);
}

std::string NullAssets::Result(const std::filesystem::path& path) {
  if (Broken.count(path)) return "cannot open " + path.string();
  Loaded.push_back(path);
  return {};
}

}  // namespace krattle
