// The About box: what the program is, who made it, and the keys in brief.

#include "game/game.h"
#include "game/texts.h"

namespace krattle {

Form AboutForm(const Texts& texts, const std::filesystem::path& configFile) {
  Form form;
  form.Id = "THelpForm";
  form.Caption = texts.Get(TextId::MenuInfo);
  form.Add(LabelField("ProgramLabel", "Krattle " KRATTLE_VERSION));
  form.Add(LabelField("CreditsLabel", texts.Get(TextId::ProgramAboutCredits)));
  form.Add(LabelField("KeysLabel", texts.Get(TextId::ProgramAboutKeys)));
  form.Add(LabelField("ConfigLabel",
                      texts.Format(TextId::ProgramAboutSettings,
                                   {configFile.empty() ? texts.Get(TextId::ProgramAboutNoSettings)
                                                       : configFile.string()})));
  FormField link = ButtonField("HomepageLink", Homepage);
  link.Width = 0;
  form.Add(std::move(link));
  form.Add(ButtonField("CloseButton", texts.Get(TextId::MenuClose)));
  form.OnClick = [](Form& f, FormField& button) {
    if (button.Id == "CloseButton" || button.Id == "HomepageLink") f.Close();
  };
  return form;
}

void Game::ShowAbout() {
  Form form = AboutForm(texts_, configFile_);
  bool openLink = false;
  const auto close = form.OnClick;
  form.OnClick = [&](Form& f, FormField& button) {
    openLink = openLink || button.Id == "HomepageLink";
    close(f, button);
  };
  io_.Ask.ShowForm(form);
  // The browser opens once the box has gone, so it never waits behind a modal dialog.
  if (openLink) io_.Window.OpenUrl(Homepage);
}

}  // namespace krattle
