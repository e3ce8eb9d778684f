#pragma once
// Small pieces the ImGui dialogs share.

#include <imgui.h>

#include <string>

namespace krattle {

// A warning mark drawn before the text, as the message boxes of a desktop show.
void WarningText(const std::string& text);

bool KeyPressed(ImGuiKey_ key, bool repeat = false);
// Either Enter key.
bool EnterPressed();

// A character as UTF-8.
std::string Utf8(ImWchar c);

}  // namespace krattle
