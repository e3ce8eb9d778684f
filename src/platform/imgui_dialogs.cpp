#include "platform/imgui_dialogs.h"

#include <imgui.h>
#include <imgui_impl_sdl.h>
#include <imgui_impl_sdlrenderer.h>

#include <algorithm>
#include <cstring>
#include <system_error>
#include <vector>

namespace krattle {

namespace fs = std::filesystem;

std::string FilterExtension(const std::string& filter) {
  const auto bar = filter.rfind('|');
  std::string pattern = bar == std::string::npos ? filter : filter.substr(bar + 1);
  const auto dot = pattern.rfind('.');
  if (dot == std::string::npos || pattern.find('*', dot) != std::string::npos) return {};
  return pattern.substr(dot);
}

void ImGuiDialogs::RunModal(const std::string& title, const std::function<bool()>& body) {
  if (!ready_) return;
  bool opened = false;
  for (;;) {
    SDL_Event ev;
    while (SDL_PollEvent(&ev)) {
      ImGui_ImplSDL2_ProcessEvent(&ev);
      if (ev.type == SDL_QUIT) quit_ = true;
    }
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
    if (ImGui::BeginPopupModal(title.c_str(), nullptr, ImGuiWindowFlags_AlwaysAutoResize)) {
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
// The bitmap font draws printable ASCII only, and the set stores one byte per character.
int PrintableAsciiOnly(ImGuiInputTextCallbackData* data) {
  return data->EventChar >= 32 && data->EventChar < 127 ? 0 : 1;
}
}  // namespace

std::optional<std::string> ImGuiDialogs::InputText(const std::string& title, int maxLength) {
  if (!ready_) return std::nullopt;
  std::vector<char> buffer(static_cast<std::size_t>(std::max(1, maxLength + 1)), '\0');
  std::optional<std::string> result;
  bool focus = true;
  // The Escape that ended the game may still be down when the dialog opens.
  bool escapeArmed = false;
  RunModal(title + "##input", [&] {
    ImGui::SetWindowFontScale(1.4f);
    if (focus) {
      ImGui::SetKeyboardFocusHere();
      focus = false;
    }
    ImGui::SetNextItemWidth(320);
    const bool enter = ImGui::InputText(
        "##name", buffer.data(), buffer.size(),
        ImGuiInputTextFlags_EnterReturnsTrue | ImGuiInputTextFlags_CallbackCharFilter,
        PrintableAsciiOnly);
    ImGui::SetWindowFontScale(1.0f);
    if (enter) {
      result = std::string(buffer.data());
      return true;
    }
    const int escape = ImGui::GetKeyIndex(ImGuiKey_Escape);
    if (!ImGui::IsKeyDown(escape)) escapeArmed = true;
    return escapeArmed && ImGui::IsKeyPressed(escape);
  });
  return result;
}

std::optional<fs::path> ImGuiDialogs::OpenFile(const fs::path& folder, const std::string& filter) {
  return FileDialog(folder, filter, false);
}

std::optional<fs::path> ImGuiDialogs::SaveFile(const fs::path& folder, const std::string& filter) {
  return FileDialog(folder, filter, true);
}

std::optional<fs::path> ImGuiDialogs::FileDialog(const fs::path& start, const std::string& filter,
                                                 bool save) {
  if (!ready_) return std::nullopt;
  const std::string ext = FilterExtension(filter);
  std::error_code ec;
  fs::path dir = fs::is_directory(start, ec) ? fs::absolute(start, ec) : fs::current_path(ec);
  struct Entry {
    std::string name;
    bool folder;
  };
  std::vector<Entry> entries;
  auto scan = [&] {
    entries.clear();
    if (dir.has_parent_path() && dir != dir.root_path()) entries.push_back({"..", true});
    std::vector<Entry> folders, files;
    for (fs::directory_iterator it(dir, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
      const std::string name = it->path().filename().string();
      if (name.empty() || name[0] == '.') continue;
      if (it->is_directory(ec))
        folders.push_back({name, true});
      else if (ext.empty() || it->path().extension() == ext)
        files.push_back({name, false});
    }
    auto byName = [](const Entry& a, const Entry& b) { return a.name < b.name; };
    std::sort(folders.begin(), folders.end(), byName);
    std::sort(files.begin(), files.end(), byName);
    entries.insert(entries.end(), folders.begin(), folders.end());
    entries.insert(entries.end(), files.begin(), files.end());
  };
  scan();

  char name[512] = {};
  std::optional<fs::path> result;
  bool confirmOverwrite = false;
  auto enter = [&](const Entry& e) {
    dir = e.name == ".." ? dir.parent_path() : dir / e.name;
    scan();
    name[0] = '\0';
  };

  RunModal(std::string(save ? "Save cave set" : "Open cave set") + "##file", [&]() -> bool {
    if (confirmOverwrite) {
      WarningText(std::string(name) + " already exists.\nDo you want to replace it?");
      if (ImGui::Button("Yes", ImVec2(80, 0))) {
        result = dir / name;
        return true;
      }
      ImGui::SameLine();
      if (ImGui::Button("No", ImVec2(80, 0))) confirmOverwrite = false;
      return false;
    }
    ImGui::TextUnformatted(dir.string().c_str());
    ImGui::BeginChild("entries", ImVec2(460, 260), true);
    bool picked = false;
    for (const Entry& e : entries) {
      const std::string label = e.folder ? "[" + e.name + "]" : e.name;
      const bool selected = !e.folder && e.name == name;
      if (ImGui::Selectable(label.c_str(), selected, ImGuiSelectableFlags_AllowDoubleClick)) {
        if (e.folder) {
          if (ImGui::IsMouseDoubleClicked(0)) {
            enter(e);
            break;
          }
        } else {
          std::snprintf(name, sizeof name, "%s", e.name.c_str());
          if (ImGui::IsMouseDoubleClicked(0)) picked = true;
        }
      }
    }
    ImGui::EndChild();
    ImGui::SetNextItemWidth(380);
    if (ImGui::InputText("File name", name, sizeof name, ImGuiInputTextFlags_EnterReturnsTrue))
      picked = true;
    ImGui::TextDisabled("Files of type: %s", filter.substr(0, filter.find('|')).c_str());
    if (ImGui::Button(save ? "Save" : "Open", ImVec2(80, 0))) picked = true;
    ImGui::SameLine();
    if (ImGui::Button("Cancel", ImVec2(80, 0)) ||
        ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Escape)))
      return true;
    if (!picked || name[0] == '\0') return false;
    std::string chosen = name;
    if (save && !ext.empty() && fs::path(chosen).extension() != ext) chosen += ext;
    std::snprintf(name, sizeof name, "%s", chosen.c_str());
    const fs::path full = fs::path(chosen).is_absolute() ? fs::path(chosen) : dir / chosen;
    if (fs::is_directory(full, ec)) {
      dir = full;
      scan();
      name[0] = '\0';
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
  return result;
}

}  // namespace krattle
