// The About box: what the program is, who made it, and the keys in brief.

#include "game/game.h"
#include "game/texts.h"

namespace krattle {

Form AboutForm(const Texts& texts) {
  Form form;
  form.Id = "THelpForm";
  form.Caption = texts.Get(TextId::MenuInfo);
  form.Add(LabelField("ProgramLabel", "Krattle " KRATTLE_VERSION));
  form.Add(LabelField("CreditsLabel", texts.Get(TextId::ProgramAboutCredits)));
  form.Add(LabelField("KeysLabel", texts.Get(TextId::ProgramAboutKeys)));
  form.Add(ButtonField("CloseButton", texts.Get(TextId::MenuClose)));
  form.OnClick = [](Form& f, FormField& button) {
    if (button.Id == "CloseButton") f.Close();
  };
  return form;
}

void Game::ShowAbout() {
  Form form = AboutForm(texts_);
  io_.Ask.ShowForm(form);
}

}  // namespace krattle
