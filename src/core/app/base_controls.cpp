// The window-wide controls, made once at start-up, in drawing order (a later one is drawn above).
#include "app/menu_window.h"

namespace orvane {

namespace {
ControlState TransparentLabel(const Bounds& bounds, bool visible, bool wordWrap) {
  ControlState label;
  label.Bounds = bounds;
  label.Visible = visible;
  label.Transparent = true;
  label.WordWrap = wordWrap;
  return label;
}
}  // namespace

void MenuWindow::CreateBaseControls() {
  ControlState background;
  background.AutoSize = true;
  background.Visible = true;
  background.Bounds = Bounds{0, 0, 1, 1};  // until a picture is assigned
  CreateControl(BaseControl(ControlKind::MenBck), background);
  s_.View.SendControlToBack(BaseControl(ControlKind::MenBck));

  ControlState accessory;
  accessory.AutoSize = true;
  accessory.Visible = true;
  CreateControl(BaseControl(ControlKind::imgAccPicture), accessory);

  CreateControl(BaseControl(ControlKind::lblAccShadow),
                TransparentLabel(Bounds{40, 120, 120, 45}, false, true));
  CreateControl(BaseControl(ControlKind::lblAccText),
                TransparentLabel(Bounds{40, 120, 120, 45}, true, true));

  ControlState time = TransparentLabel(Bounds{20, 200, 60, 17}, true, false);
  time.Text = s_.View.CurrentTimeText();
  CreateControl(BaseControl(ControlKind::lblTime), time);
  ControlState date = TransparentLabel(Bounds{95, 200, 60, 17}, true, false);
  date.Text = s_.View.CurrentDateText();
  CreateControl(BaseControl(ControlKind::lblDate), date);

  s_.View.SetTimerInterval(MenuTimer::Timer1, 1000);
  // TransparentColour (none) and AnimInterval (100) keep the record's defaults until a menu sets
  // them; the window is made only once.
}

}  // namespace orvane
