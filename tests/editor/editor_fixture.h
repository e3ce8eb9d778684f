#pragma once
// The program logic with its editor on a set saved to a folder of its own, driven the way the
// window drives it, or by scripts.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "../game/game_fixture.h"
#include "editor/editor.h"
#include "editor/parameter_panel.h"
#include "editor/script_session.h"

namespace krattle::testing {

class EditorTest : public ::testing::Test {
 protected:
  EditorTest() : dir_(TempDir("editor")) {
    auto set = PlayableSet();
    set->A(SlotOf(1, 2), FieldA::Diamonds) = 12;
    EXPECT_TRUE(SaveCaveSet(SetPath(), *set).Ok());
    StartupOptions options;
    options.ProgramDir = dir_;
    options.Args = {SetPath().string()};
    session_ = std::make_unique<ScriptSession>(options);
    runner().Dialogs.Strict = true;
  }
  ~EditorTest() override { std::filesystem::remove_all(dir_); }

  std::filesystem::path SetPath() const { return dir_ / "Mine.kcv"; }
  CaveSet SavedSet(const std::filesystem::path& file) {
    CaveSet set;
    EXPECT_TRUE(ReadCaveSet(file, set).Ok());
    return set;
  }

  // Runs script lines and expects them to go through.
  void Script(const std::string& text) {
    const std::string error = session_->Run(text);
    ASSERT_EQ(error, "") << text;
  }
  std::string ScriptError(const std::string& text) { return session_->Run(text); }

  Game& game() { return session_->game(); }
  HeadlessRunner& runner() { return session_->Runner(); }
  Editor& editor() { return static_cast<Editor&>(*game().EditorPart()); }
  Form& panel() { return editor().Panel(); }
  FlowState& flow() { return GameProbe::Flow(game()); }
  CaveSet& set() { return GameProbe::Set(game()); }
  std::string Text(const char* id) { return panel().Field(id).Text; }

  std::filesystem::path dir_;
  std::unique_ptr<ScriptSession> session_;
};

}  // namespace krattle::testing
