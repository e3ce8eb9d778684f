#pragma once
// Small pieces the ImGui dialogs share.

#include <imgui.h>

#include <string>

namespace krattle {

// A warning mark drawn before the text, as the message boxes of a desktop show.
void WarningText(const std::string& text);

bool KeyPressed(ImGuiKey_ key, bool repeat = false);

}  // namespace krattle
