// The open and save dialog: a folder list, a file-name field that keeps the keyboard, and the
// folder each kind of file was last chosen in.

#include <algorithm>
#include <cstdio>
#include <system_error>
#include <vector>

#include "platform/dialog_widgets.h"
#include "platform/imgui_dialogs.h"

namespace krattle {

namespace fs = std::filesystem;

std::vector<std::string> FilterExtensions(const std::string& filter) {
  const auto bar = filter.rfind('|');
  const std::string patterns = bar == std::string::npos ? filter : filter.substr(bar + 1);
  std::vector<std::string> exts;
  std::size_t from = 0;
  while (from <= patterns.size()) {
    const auto end = std::min(patterns.find(';', from), patterns.size());
    std::string pattern = patterns.substr(from, end - from);
    pattern.erase(0, pattern.find_first_not_of(' '));
    pattern.erase(pattern.find_last_not_of(' ') + 1);
    const auto dot = pattern.rfind('.');
    // "*.*" or a pattern without an extension lets every file through.
    if (dot == std::string::npos || pattern.find('*', dot) != std::string::npos) return {};
    exts.push_back(pattern.substr(dot));
    from = end + 1;
  }
  return exts;
}

std::optional<fs::path> ImGuiDialogs::OpenFile(const FileRequest& request) {
  return FileDialog(request, false);
}

std::optional<fs::path> ImGuiDialogs::SaveFile(const FileRequest& request) {
  return FileDialog(request, true);
}

namespace {

struct Entry {
  std::string Name;
  bool Folder;
};

bool Accepted(const fs::path& file, const std::vector<std::string>& exts) {
  return exts.empty() ||
         std::find(exts.begin(), exts.end(), file.extension().string()) != exts.end();
}

// Folders first, then the files the filter accepts, each sorted; ".." leads unless at the root.
std::vector<Entry> ListFolder(const fs::path& dir, const std::vector<std::string>& exts) {
  std::vector<Entry> entries, folders, files;
  std::error_code ec;
  if (dir.has_parent_path() && dir != dir.root_path()) entries.push_back({"..", true});
  for (fs::directory_iterator it(dir, fs::directory_options::skip_permission_denied, ec), end;
       !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.empty() || name[0] == '.') continue;
    if (it->is_directory(ec))
      folders.push_back({name, true});
    else if (Accepted(it->path(), exts))
      files.push_back({name, false});
  }
  auto byName = [](const Entry& a, const Entry& b) { return a.Name < b.Name; };
  std::sort(folders.begin(), folders.end(), byName);
  std::sort(files.begin(), files.end(), byName);
  entries.insert(entries.end(), folders.begin(), folders.end());
  entries.insert(entries.end(), files.begin(), files.end());
  return entries;
}

// The file-name field's text, replaced from outside while the field is being edited. The
// replacement lands after ImGui has taken the frame's typing, so what was typed then follows it.
struct NameField {
  char Text[512] = {};
  bool Replace = false;
  std::string Typed;
  void Set(const std::string& text) {
    std::snprintf(Text, sizeof Text, "%s", text.c_str());
    Replace = true;
  }
  static int Callback(ImGuiInputTextCallbackData* data) {
    auto* self = static_cast<NameField*>(data->UserData);
    if (self->Replace) {
      self->Replace = false;
      data->DeleteChars(0, data->BufTextLen);
      data->InsertChars(0, (self->Text + self->Typed).c_str());
    }
    return 0;
  }
};

}  // namespace

std::optional<fs::path> ImGuiDialogs::FileDialog(const FileRequest& request, bool save) {
  const std::string& filter = request.Filter;
  const fs::path& start = request.Folder;
  if (!ready_) return std::nullopt;
  const std::vector<std::string> exts = FilterExtensions(filter);
  std::error_code ec;
  fs::path dir = start;
  if (auto last = lastFolder_.find(filter);
      last != lastFolder_.end() && fs::is_directory(last->second, ec))
    dir = last->second;
  dir = fs::is_directory(dir, ec) ? fs::absolute(dir, ec) : fs::current_path(ec);
  std::vector<Entry> entries = ListFolder(dir, exts);
  NameField name;
  int selected = -1;
  bool scrollToSelected = false;
  std::optional<fs::path> result;
  bool confirmOverwrite = false;

  auto select = [&](int i) {
    if (entries.empty()) return;
    selected = std::clamp(i, 0, static_cast<int>(entries.size()) - 1);
    name.Set(entries[selected].Folder ? std::string() : entries[selected].Name);
    scrollToSelected = true;
  };
  auto open = [&](const fs::path& folder) {
    const std::string from = dir.filename().string();
    dir = folder;
    entries = ListFolder(dir, exts);
    name.Set("");
    selected = -1;
    // Going up lands on the folder just left, as a file manager does.
    for (int i = 0; i < static_cast<int>(entries.size()); ++i)
      if (entries[i].Folder && entries[i].Name == from) selected = i, scrollToSelected = true;
  };
  auto enter = [&](const Entry& e) { open(e.Name == ".." ? dir.parent_path() : dir / e.Name); };

  RunModal(request.Title + "##file", [&]() -> bool {
    if (confirmOverwrite) {
      WarningText(Text().Format(TextId::ProgramReplaceFile, {name.Text}));
      if (ImGui::Button(T(TextId::ProgramYes), ImVec2(80, 0)) || KeyPressed(ImGuiKey_Enter)) {
        result = dir / name.Text;
        return true;
      }
      ImGui::SameLine();
      if (ImGui::Button(T(TextId::ProgramNo), ImVec2(80, 0)) || KeyPressed(ImGuiKey_Escape))
        confirmOverwrite = false;
      return false;
    }
    ImGui::TextUnformatted(dir.string().c_str());
    ImGui::BeginChild("entries", ImVec2(460, 260), true);
    bool picked = false;
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
      const Entry& e = entries[i];
      const std::string label = e.Folder ? "[" + e.Name + "]" : e.Name;
      if (ImGui::Selectable(label.c_str(), i == selected, ImGuiSelectableFlags_AllowDoubleClick)) {
        select(i);
        if (ImGui::IsMouseDoubleClicked(0)) {
          if (e.Folder) {
            enter(e);
            break;
          }
          picked = true;
        }
      }
      if (i == selected && scrollToSelected) {
        ImGui::SetScrollHereY();
        scrollToSelected = false;
      }
    }
    ImGui::EndChild();
    // The name field keeps the keyboard, so typing a name works at once; the arrows, Enter and
    // Backspace on an empty name move through the list.
    const bool wasEmpty = name.Text[0] == '\0';
    name.Typed.clear();
    for (const ImWchar c : ImGui::GetIO().InputQueueCharacters)
      if (c >= 32) name.Typed += Utf8(c);
    if (!ImGui::IsAnyItemActive()) ImGui::SetKeyboardFocusHere();
    ImGui::SetNextItemWidth(380);
    ImGui::InputText(T(TextId::ProgramFileName), name.Text, sizeof name.Text,
                     ImGuiInputTextFlags_CallbackAlways, NameField::Callback, &name);
    // Asked of the keyboard, not the field: an Enter in the frame the field takes the focus back
    // would otherwise be lost.
    const bool enterKey = EnterPressed();
    if (KeyPressed(ImGuiKey_DownArrow, true)) select(selected + 1);
    if (KeyPressed(ImGuiKey_UpArrow, true)) select(selected < 0 ? 0 : selected - 1);
    if (wasEmpty && KeyPressed(ImGuiKey_Backspace) && dir.has_parent_path() &&
        dir != dir.root_path()) {
      open(dir.parent_path());
      return false;
    }
    if (enterKey && name.Text[0] == '\0' && selected >= 0 && entries[selected].Folder) {
      enter(entries[selected]);
      return false;
    }
    picked = picked || enterKey;
    ImGui::TextDisabled(
        "%s",
        Text().Format(TextId::ProgramFilesOfType, {filter.substr(0, filter.find('|'))}).c_str());
    if (ImGui::Button(T(save ? TextId::ProgramSave : TextId::ProgramOpen), ImVec2(80, 0)))
      picked = true;
    ImGui::SameLine();
    if (ImGui::Button(T(TextId::ProgramCancel), ImVec2(80, 0)) || KeyPressed(ImGuiKey_Escape))
      return true;
    if (!picked || name.Text[0] == '\0') return false;
    std::string chosen = name.Text;
    if (save && !Accepted(chosen, exts)) chosen += exts.front();
    name.Set(chosen);
    const fs::path full = fs::path(chosen).is_absolute() ? fs::path(chosen) : dir / chosen;
    if (fs::is_directory(full, ec)) {
      open(full);
      return false;
    }
    if (save && fs::exists(full, ec)) {
      confirmOverwrite = true;
      return false;
    }
    if (!save && !fs::exists(full, ec)) return false;
    result = full;
    return true;
  });
  if (result) lastFolder_[filter] = result->parent_path();
  return result;
}

}  // namespace krattle
