#include "platform/imgui_dialogs.h"

#include <imgui.h>
#include <imgui_impl_sdl.h>
#include <imgui_impl_sdlrenderer.h>

#include <algorithm>
#include <cstring>
#include <system_error>
#include <vector>

#include "platform/form_renderer.h"

namespace krattle {

namespace fs = std::filesystem;

std::string FilterExtension(const std::string& filter) {
  const auto bar = filter.rfind('|');
  std::string pattern = bar == std::string::npos ? filter : filter.substr(bar + 1);
  const auto dot = pattern.rfind('.');
  if (dot == std::string::npos || pattern.find('*', dot) != std::string::npos) return {};
  return pattern.substr(dot);
}

void ImGuiDialogs::RunModal(const std::string& title, const std::function<bool()>& body,
                            bool* closeBox) {
  if (!ready_) return;
  ++shown_;
  bool opened = false;
  for (;;) {
    events_.Pump([this](const SDL_Event& ev) {
      ImGui_ImplSDL2_ProcessEvent(&ev);
      if (ev.type == SDL_QUIT) quit_ = true;
    });
    if (quit_) return;
    ImGui_ImplSDLRenderer_NewFrame();
    ImGui_ImplSDL2_NewFrame();
    ImGui::NewFrame();
    if (!opened) {
      ImGui::OpenPopup(title.c_str());
      opened = true;
    }
    const ImVec2 centre = ImGui::GetMainViewport()->GetCenter();
    ImGui::SetNextWindowPos(centre, ImGuiCond_Appearing, ImVec2(0.5f, 0.5f));
    bool done = true;
    if (ImGui::BeginPopupModal(title.c_str(), closeBox, ImGuiWindowFlags_AlwaysAutoResize)) {
      done = body();
      if (done) ImGui::CloseCurrentPopup();
      ImGui::EndPopup();
    }
    ImGui::Render();
    SDL_SetRenderDrawColor(window_.Renderer(), 0, 0, 0, 255);
    SDL_RenderClear(window_.Renderer());
    if (background_) background_();
    ImGui_ImplSDLRenderer_RenderDrawData(ImGui::GetDrawData());
    SDL_RenderPresent(window_.Renderer());
    if (done) return;
    SDL_Delay(8);
  }
}

namespace {
// A warning mark drawn before the text, as the message boxes of a desktop show.
void WarningText(const std::string& text) {
  ImGui::TextColored(ImVec4(1.0f, 0.8f, 0.1f, 1.0f), "(!)");
  ImGui::SameLine();
  ImGui::TextUnformatted(text.c_str());
  ImGui::Spacing();
}
}  // namespace

DialogAnswer ImGuiDialogs::Ask(const std::string& text, const std::string& title, bool cancel) {
  if (!ready_) return cancel ? DialogAnswer::Cancel : DialogAnswer::No;
  DialogAnswer answer = cancel ? DialogAnswer::Cancel : DialogAnswer::No;
  RunModal(title + "##ask", [&] {
    WarningText(text);
    if (ImGui::Button("Yes", ImVec2(80, 0))) return answer = DialogAnswer::Yes, true;
    ImGui::SameLine();
    if (ImGui::Button("No", ImVec2(80, 0))) return answer = DialogAnswer::No, true;
    if (cancel) {
      ImGui::SameLine();
      if (ImGui::Button("Cancel", ImVec2(80, 0))) return answer = DialogAnswer::Cancel, true;
    }
    if (ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Escape))) return true;
    return false;
  });
  return answer;
}

DialogAnswer ImGuiDialogs::YesNoCancel(const std::string& text, const std::string& title) {
  return Ask(text, title, true);
}

DialogAnswer ImGuiDialogs::YesNo(const std::string& text, const std::string& title) {
  return Ask(text, title, false);
}

void ImGuiDialogs::Message(const std::string& text, const std::string& title) {
  if (!ready_) {
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, title.c_str(), text.c_str(), window_.Window());
    return;
  }
  RunModal(title + "##msg", [&] {
    WarningText(text);
    return ImGui::Button("OK", ImVec2(80, 0)) ||
           ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Enter)) ||
           ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Escape));
  });
}

namespace {

bool KeyPressed(ImGuiKey_ key, bool repeat = false) {
  return ImGui::IsKeyPressed(ImGui::GetKeyIndex(key), repeat);
}

// A character as UTF-8, to name it back to the player.
std::string Utf8(ImWchar c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

// The set stores one byte per character and the bitmap font draws printable ASCII only; what
// it cannot keep is refused and named, not dropped unseen.
int PrintableAsciiOnly(ImGuiInputTextCallbackData* data) {
  if (data->EventChar >= 32 && data->EventChar < 127) return 0;
  *static_cast<ImWchar*>(data->UserData) = data->EventChar;
  return 1;
}

}  // namespace

std::optional<std::string> ImGuiDialogs::InputText(const std::string& title,
                                                   const std::string& prompt, int maxLength) {
  if (!ready_) return std::nullopt;
  std::vector<char> buffer(static_cast<std::size_t>(std::max(1, maxLength + 1)), '\0');
  std::optional<std::string> result;
  ImWchar refused = 0;
  // The Escape that ended the game may still be down when the dialog opens.
  bool escapeArmed = false;
  RunModal(title + "##input", [&] {
    ImGui::TextUnformatted(prompt.c_str());
    ImGui::Spacing();
    ImGui::SetWindowFontScale(1.4f);
    // The field keeps the keyboard: typing goes there from the first frame on.
    if (!ImGui::IsAnyItemActive()) ImGui::SetKeyboardFocusHere();
    ImGui::SetNextItemWidth(320);
    const bool enter = ImGui::InputText(
        "##name", buffer.data(), buffer.size(),
        ImGuiInputTextFlags_EnterReturnsTrue | ImGuiInputTextFlags_CallbackCharFilter,
        PrintableAsciiOnly, &refused);
    ImGui::SetWindowFontScale(1.0f);
    ImGui::TextDisabled("%d / %d characters", static_cast<int>(std::strlen(buffer.data())),
                        maxLength);
    if (refused != 0) {
      ImGui::TextColored(ImVec4(1.0f, 0.8f, 0.1f, 1.0f),
                         "\"%s\" cannot be stored in the table: names keep plain letters, "
                         "digits and signs.",
                         Utf8(refused).c_str());
    }
    ImGui::Spacing();
    const bool ok = ImGui::Button("OK", ImVec2(80, 0));
    ImGui::SameLine();
    const bool cancel = ImGui::Button("Cancel", ImVec2(80, 0));
    if (enter || ok) {
      result = std::string(buffer.data());
      return true;
    }
    const int escape = ImGui::GetKeyIndex(ImGuiKey_Escape);
    if (!ImGui::IsKeyDown(escape)) escapeArmed = true;
    return cancel || (escapeArmed && ImGui::IsKeyPressed(escape));
  });
  return result;
}

void ImGuiDialogs::ShowForm(Form& form) {
  form.Show();
  while (form.IsOpen() && ready_ && !quit_) {
    std::string chooser;
    bool keepOpen = true;
    RunModal(
        form.Caption + "##form" + form.Id,
        [&] {
          chooser = DrawFormFields(form);
          if (KeyPressed(ImGuiKey_Escape)) form.CloseBox();
          return !form.IsOpen() || !chooser.empty();
        },
        &keepOpen);
    if (!keepOpen) form.CloseBox();
    if (chooser.empty() || !form.IsOpen()) continue;
    // The chooser is a dialog of its own, run between the form's frames.
    const FormField& field = form.Field(chooser);
    const fs::path current = field.Text;
    const auto picked =
        OpenFile(current.has_parent_path() ? current.parent_path() : current, field.Filter);
    if (picked) form.SetText(chooser, picked->string());
  }
  if (form.IsOpen()) form.CloseBox();
}

std::optional<fs::path> ImGuiDialogs::OpenFile(const fs::path& folder, const std::string& filter) {
  return FileDialog(folder, filter, false);
}

std::optional<fs::path> ImGuiDialogs::SaveFile(const fs::path& folder, const std::string& filter) {
  return FileDialog(folder, filter, true);
}

namespace {

struct Entry {
  std::string Name;
  bool Folder;
};

// Folders first, then the files the filter accepts, each sorted; ".." leads unless at the root.
std::vector<Entry> ListFolder(const fs::path& dir, const std::string& ext) {
  std::vector<Entry> entries, folders, files;
  std::error_code ec;
  if (dir.has_parent_path() && dir != dir.root_path()) entries.push_back({"..", true});
  for (fs::directory_iterator it(dir, fs::directory_options::skip_permission_denied, ec), end;
       !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.empty() || name[0] == '.') continue;
    if (it->is_directory(ec))
      folders.push_back({name, true});
    else if (ext.empty() || it->path().extension() == ext)
      files.push_back({name, false});
  }
  auto byName = [](const Entry& a, const Entry& b) { return a.Name < b.Name; };
  std::sort(folders.begin(), folders.end(), byName);
  std::sort(files.begin(), files.end(), byName);
  entries.insert(entries.end(), folders.begin(), folders.end());
  entries.insert(entries.end(), files.begin(), files.end());
  return entries;
}

// The file-name field's text, replaced from outside while the field is being edited.
struct NameField {
  char Text[512] = {};
  bool Replace = false;
  void Set(const std::string& text) {
    std::snprintf(Text, sizeof Text, "%s", text.c_str());
    Replace = true;
  }
  static int Callback(ImGuiInputTextCallbackData* data) {
    auto* self = static_cast<NameField*>(data->UserData);
    if (self->Replace) {
      self->Replace = false;
      data->DeleteChars(0, data->BufTextLen);
      data->InsertChars(0, self->Text);
    }
    return 0;
  }
};

}  // namespace

std::optional<fs::path> ImGuiDialogs::FileDialog(const fs::path& start, const std::string& filter,
                                                 bool save) {
  if (!ready_) return std::nullopt;
  const std::string ext = FilterExtension(filter);
  std::error_code ec;
  fs::path dir = start;
  if (auto last = lastFolder_.find(filter);
      last != lastFolder_.end() && fs::is_directory(last->second, ec))
    dir = last->second;
  dir = fs::is_directory(dir, ec) ? fs::absolute(dir, ec) : fs::current_path(ec);
  std::vector<Entry> entries = ListFolder(dir, ext);
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
    entries = ListFolder(dir, ext);
    name.Set("");
    selected = -1;
    // Going up lands on the folder just left, as a file manager does.
    for (int i = 0; i < static_cast<int>(entries.size()); ++i)
      if (entries[i].Folder && entries[i].Name == from) selected = i, scrollToSelected = true;
  };
  auto enter = [&](const Entry& e) { open(e.Name == ".." ? dir.parent_path() : dir / e.Name); };

  RunModal(std::string(save ? "Save cave set" : "Open cave set") + "##file", [&]() -> bool {
    if (confirmOverwrite) {
      WarningText(std::string(name.Text) + " already exists.\nDo you want to replace it?");
      if (ImGui::Button("Yes", ImVec2(80, 0)) || KeyPressed(ImGuiKey_Enter)) {
        result = dir / name.Text;
        return true;
      }
      ImGui::SameLine();
      if (ImGui::Button("No", ImVec2(80, 0)) || KeyPressed(ImGuiKey_Escape))
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
    if (!ImGui::IsAnyItemActive()) ImGui::SetKeyboardFocusHere();
    ImGui::SetNextItemWidth(380);
    const bool enterKey =
        ImGui::InputText("File name", name.Text, sizeof name.Text,
                         ImGuiInputTextFlags_EnterReturnsTrue | ImGuiInputTextFlags_CallbackAlways,
                         NameField::Callback, &name);
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
    ImGui::TextDisabled("Files of type: %s", filter.substr(0, filter.find('|')).c_str());
    if (ImGui::Button(save ? "Save" : "Open", ImVec2(80, 0))) picked = true;
    ImGui::SameLine();
    if (ImGui::Button("Cancel", ImVec2(80, 0)) || KeyPressed(ImGuiKey_Escape)) return true;
    if (!picked || name.Text[0] == '\0') return false;
    std::string chosen = name.Text;
    if (save && !ext.empty() && fs::path(chosen).extension() != ext) chosen += ext;
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
