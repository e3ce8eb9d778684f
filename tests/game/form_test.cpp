#include "game/form.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "game/headless_runner.h"
#include "game/texts.h"

namespace krattle::testing {
namespace {

// A speed-like dialog: a number, a check box that enables it, a choice, a path and a button.
struct Sample {
  Form form;
  std::vector<std::string> changes;
  int shows = 0, closes = 0;
  Sample() {
    form.Id = "TSampleForm";
    form.Add(IntegerField("SpeedEdit", "Speed", 14, 0, 32));
    form.Add(CheckField("CustomCheck", "Custom", true));
    form.Add(ChoiceField("ZoomCombo", "Zoom", {"1", "2"}, 0));
    form.Add(FileNameField("FontEdit", "Font", "a.kgf"));
    form.Add(ButtonField("CloseButton", "Close"));
    form.OnShow = [this](Form&) { ++shows; };
    form.OnChange = [this](Form& f, FormField& field) {
      changes.push_back(field.Id);
      if (field.Id == "CustomCheck") f.Field("SpeedEdit").Enabled = field.Value != 0;
    };
    form.OnClick = [](Form& f, FormField& b) {
      if (b.Id == "CloseButton") f.Close();
    };
    form.OnCloseBox = [this](Form&) { ++closes; };
  }
};

TEST(Form, ChangesAreCheckedAndReportedOnce) {
  Sample s;
  s.form.SetValue("SpeedEdit", 20);  // not shown yet: nothing happens
  EXPECT_EQ(s.form.Field("SpeedEdit").Value, 14);
  s.form.Show();
  EXPECT_EQ(s.shows, 1);
  s.form.SetValue("SpeedEdit", 99);
  EXPECT_EQ(s.form.Field("SpeedEdit").Value, 32);  // held to its range
  s.form.SetValue("SpeedEdit", 32);                // no change, no report
  s.form.SetValue("ZoomCombo", 5);                 // past the list: refused
  s.form.SetValue("ZoomCombo", 1);
  s.form.SetText("FontEdit", "b.kgf");
  s.form.SetValue("CustomCheck", 7);
  EXPECT_EQ(s.form.Field("CustomCheck").Value, 1);  // still checked: nothing to report
  EXPECT_EQ(s.changes, (std::vector<std::string>{"SpeedEdit", "ZoomCombo", "FontEdit"}));
}

TEST(Form, DisabledFieldsIgnoreTheUserAndButtonsCloseThroughHandlers) {
  Sample s;
  s.form.Show();
  s.form.SetValue("CustomCheck", 0);
  s.form.SetValue("SpeedEdit", 3);
  EXPECT_EQ(s.form.Field("SpeedEdit").Value, 14);
  s.form.Click("SpeedEdit");  // not a button
  EXPECT_TRUE(s.form.IsOpen());
  s.form.Click("CloseButton");
  EXPECT_FALSE(s.form.IsOpen());
  s.form.CloseBox();  // already closed: the close box is not run
  EXPECT_EQ(s.closes, 0);
  EXPECT_THROW(s.form.Field("NoSuchField"), std::logic_error);
}

TEST(Form, ScriptedAnswersRunTheSameCallsAndEndWithTheCloseBox) {
  ScriptedDialogs dialogs;
  Sample s;
  dialogs.FormAnswers.push_back(
      {{FormAction::Set, "SpeedEdit", 5, {}}, {FormAction::Type, "FontEdit", 0, "c.kgf"}});
  dialogs.ShowForm(s.form);
  EXPECT_FALSE(s.form.IsOpen());
  EXPECT_EQ(s.closes, 1);
  ASSERT_EQ(dialogs.FormsShown.size(), 1u);
  EXPECT_EQ(dialogs.FormsShown[0].Field("SpeedEdit").Value, 5);
  EXPECT_EQ(dialogs.FormsShown[0].Field("FontEdit").Text, "c.kgf");
}

TEST(AboutBox, NamesTheProgramAndClosesWithItsButton) {
  HeadlessRunner r;
  r.Dialogs.FormAnswers.push_back({{FormAction::Click, "CloseButton", 0, {}}});
  r.game().ShowAbout();
  ASSERT_EQ(r.Dialogs.FormsShown.size(), 1u);
  const Form& about = r.Dialogs.FormsShown[0];
  EXPECT_FALSE(about.IsOpen());  // the button closed it, not the close box
  EXPECT_EQ(about.Caption, r.game().Text().Get(TextId::MenuInfo));
  EXPECT_EQ(about.Field("CloseButton").Caption, "Close");
  EXPECT_EQ(about.Field("ProgramLabel").Text.rfind("Krattle ", 0), 0u);
}

}  // namespace
}  // namespace krattle::testing
