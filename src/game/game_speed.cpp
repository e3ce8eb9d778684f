// The speed dialog: a track bar over the frame interval, 0 (fast) .. 32 (slow) ms.

#include "game/game.h"
#include "game/keys.h"

namespace krattle {

Form SpeedForm(const Texts& texts, int speed) {
  Form form;
  form.Id = "TGameSpeedForm";
  form.Caption = "Speed";
  form.Add(LabelField("Label_Fast", texts.Get(TextId::SpeedFast)));
  FormField slow = LabelField("Label_Slow", texts.Get(TextId::SpeedSlow));
  slow.SameLine = true;
  slow.AlignRight = true;
  form.Add(std::move(slow));
  // A configured interval above 32 stays until the bar is first moved; the bar shows it at
  // its right end.
  FormField bar = IntegerField("TrackBar_Speed", "", speed, 0, 32);
  bar.Value = speed;
  bar.Slider = true;
  bar.TickEvery = 2;
  form.Add(std::move(bar));
  form.Add(ButtonField("BGameSpeedClose", texts.Get(TextId::MenuClose)));
  form.OnShow = [&texts](Form& f) { f.Caption = texts.Get(TextId::SpeedGameSpeed); };
  form.OnClick = [](Form& f, FormField& button) {
    if (button.Id == "BGameSpeedClose") f.Close();
  };
  return form;
}

void Game::ShowSpeed() {
  Form form = SpeedForm(texts_, settings_.Speed);
  // Every move of the bar counts at once: the frame clock reads the interval each frame.
  form.OnChange = [this](Form&, FormField& f) {
    if (f.Id == "TrackBar_Speed") settings_.Speed = f.Value;
  };
  form.OnKey = [this](Form& f, int key) {
    if (key != keys::Letter('S')) return false;
    Click();
    f.Close();
    return true;
  };
  io_.Ask.ShowForm(form);
}

}  // namespace krattle
