#include "dialogs/TOpcjeF.h"

#include "core/Hotkey.h"
#include "core/RegistryLayout.h"
#include "core/SettingsStore.h"

namespace kromelik {

namespace layout = registry_layout;

namespace {

// The bar runs the other way from the opacity: the two always add up to this.
constexpr int kBarPlusOpacity = 295;
// What ticking the box gives at once, before the bar is first moved: half-way in look,
// though the bar's own opacity there would be one step more.
constexpr std::uint8_t kTickedOpacity = 127;
constexpr int kTickedBarPosition = 148;

constexpr int kTransparencyBarMinimum = 40;
constexpr int kTransparencyBarSpan = 255 - kTransparencyBarMinimum;

std::string Decimal(int number) { return std::to_string(number); }

}  // namespace

std::uint8_t OpacityAt(int barPosition) {
  return static_cast<std::uint8_t>(kBarPlusOpacity - barPosition);
}

std::string TransparencyPercentAt(int barPosition) {
  // Rounded to nearest in whole numbers; no position of the bar falls on a half.
  const int along = barPosition - kTransparencyBarMinimum;
  return Decimal((along * 200 + kTransparencyBarSpan) / (2 * kTransparencyBarSpan)) + "%";
}

void TOpcjeF::Show(const ToolbarLook& look) { services_.live.ApplyLook(look, opacity_); }

void TOpcjeF::FormShow() {
  // The one in force: a combination another program holds shows as none.
  controls_.hotkey = services_.live.Hotkey();
  hotkeyShownAsTaken_ = false;
  SettingsStore store(services_.registry);
  if (store.OpenKey(layout::kMainKey, true)) {
    hotkeyShownAsTaken_ = controls_.hotkey == 0 && ReadHotkey(store) != 0;
    // As the strip shows it now, so the menu style, shown first, changes nothing else:
    // what the dialog last set may have been painted over since.
    opacity_ = services_.live.Opacity();
    const auto style = store.TextOption(layout::kXPMenu);
    RadioButton1Click(style && services_.text.Upper(*style) == "YES" ? MenuStyle::Pastel
                                                                      : MenuStyle::Classic);

    if (store.FlagOption(layout::kChangeColor).value_or(false)) TickColour(true);
    const auto red = store.NumberOption(layout::kColorR);
    const auto green = store.NumberOption(layout::kColorG);
    const auto blue = store.NumberOption(layout::kColorB);
    const auto grey = store.NumberOption(layout::kColorGS);
    if (red && green && blue && grey) {
      controls_.grey.MoveTo(*grey);
      controls_.red.MoveTo(*red);
      controls_.green.MoveTo(*green);
      controls_.blue.MoveTo(*blue);
    }

    if (store.FlagOption(layout::kChangeTransparent).value_or(false)) TickTransparency(true);
    if (controls_.transparency.ticked) {
      if (const auto alpha = store.NumberOption(layout::kTransparent)) {
        controls_.transparencyBar.MoveTo(std::int64_t{kBarPlusOpacity} - *alpha);
        ApplyTransparencyFromBar();
      }
    }

    if (const auto raised = store.FlagOption(layout::kFlat)) TickBevel(*raised);
    if (controls_.bevel.ticked) {
      if (const auto width = store.NumberOption(layout::kFlatSize))
        controls_.bevelWidth.MoveTo(*width);
    }
    controls_.bevelWidthText = Decimal(controls_.bevelWidth.position);

    controls_.extensions.ticked = store.FlagOption(layout::kExt).value_or(true);
    controls_.sort.ticked = store.FlagOption(layout::kSort).value_or(true);
  } else {
    // Nothing could be read: both list options take their defaults as for a missing value.
    RadioButton1Click(MenuStyle::Classic);
    controls_.extensions.ticked = true;
    controls_.sort.ticked = true;
  }
  store.CloseKey();

  // Reading only: a Run key that is not there holds no autostart entry either.
  controls_.autostart.ticked =
      store.OpenKey(layout::kRunKey, false) && store.HasValue(layout::kRunValue);
  store.CloseKey();
}

void TOpcjeF::RadioButton1Click(MenuStyle selected) {
  controls_.menuStyle = selected;
  ToolbarLook look = services_.live.Look();
  look.menuStyle = selected;
  Show(look);
}

void TOpcjeF::TickColour(bool ticked) {
  if (controls_.changeColour.ticked != ticked) CheckBox2Click(ticked);
}

void TOpcjeF::CheckBox2Click(bool ticked) {
  controls_.changeColour.ticked = ticked;
  if (!ticked) {
    ToolbarLook look = services_.live.Look();
    look.colour.reset();
    Show(look);
    return;
  }
  // The bars start from the colour the strip shows, so the first move changes it by one
  // step rather than jumping to wherever the bars last stood.
  const std::uint32_t colour =
      services_.live.Look().colour.value_or(services_.colours.ButtonFace());
  controls_.red.MoveTo(colour & 0xFFu);
  controls_.green.MoveTo((colour >> 8) & 0xFFu);
  controls_.blue.MoveTo((colour >> 16) & 0xFFu);
  controls_.redNumber = Decimal(controls_.red.position);
  controls_.greenNumber = Decimal(controls_.green.position);
  controls_.blueNumber = Decimal(controls_.blue.position);
}

void TOpcjeF::ShowColourFromBars() {
  controls_.redNumber = Decimal(controls_.red.position);
  controls_.greenNumber = Decimal(controls_.green.position);
  controls_.blueNumber = Decimal(controls_.blue.position);
  ToolbarLook look = services_.live.Look();
  look.colour =
      ComposeColour(controls_.red.position, controls_.green.position, controls_.blue.position);
  Show(look);
}

void TOpcjeF::ScrollBar6Scroll(ColourBar bar, int position) {
  (bar == ColourBar::Red     ? controls_.red
   : bar == ColourBar::Green ? controls_.green
                             : controls_.blue)
      .MoveTo(position);
  ShowColourFromBars();
}

void TOpcjeF::ScrollBar9Scroll(int position) {
  controls_.grey.MoveTo(position);
  controls_.red.MoveTo(controls_.grey.position);
  controls_.green.MoveTo(controls_.grey.position);
  controls_.blue.MoveTo(controls_.grey.position);
  ShowColourFromBars();
}

void TOpcjeF::TickTransparency(bool ticked) {
  if (controls_.transparency.ticked != ticked) CheckBox3Click(ticked);
}

void TOpcjeF::CheckBox3Click(bool ticked) {
  controls_.transparency.ticked = ticked;
  if (ticked) {
    opacity_ = kTickedOpacity;
    controls_.transparencyPercent = "50%";
    controls_.transparencyBar.MoveTo(kTickedBarPosition);
  } else {
    opacity_.reset();
  }
  Show(services_.live.Look());
}

void TOpcjeF::ApplyTransparencyFromBar() {
  opacity_ = OpacityAt(controls_.transparencyBar.position);
  controls_.transparencyPercent = TransparencyPercentAt(controls_.transparencyBar.position);
  Show(services_.live.Look());
}

void TOpcjeF::ScrollBar1Scroll(int position) {
  controls_.transparencyBar.MoveTo(position);
  ApplyTransparencyFromBar();
}

void TOpcjeF::TickBevel(bool ticked) {
  if (controls_.bevel.ticked != ticked) CheckBox4Click(ticked);
}

void TOpcjeF::CheckBox4Click(bool ticked) {
  controls_.bevel.ticked = ticked;
  ToolbarLook look = services_.live.Look();
  look.bevel.raised = ticked;
  if (ticked) {
    look.bevel.width = controls_.bevelWidth.position;
    controls_.bevelWidthText = Decimal(controls_.bevelWidth.position);
  }
  Show(look);
}

void TOpcjeF::ScrollBar2Scroll(int position) {
  controls_.bevelWidth.MoveTo(position);
  controls_.bevelWidthText = Decimal(controls_.bevelWidth.position);
  ToolbarLook look = services_.live.Look();
  look.bevel.width = controls_.bevelWidth.position;
  Show(look);
}

void TOpcjeF::CloseSBClick() {
  // A combination shown as none because another program held it, and left so, stays
  // stored for the next start: an OK pressed for the colour must not lose the hotkey.
  const bool keepStoredHotkey = hotkeyShownAsTaken_ && controls_.hotkey == 0;
  SettingsStore store(services_.registry);
  if (store.OpenKey(layout::kMainKey, true)) {
    store.PutText(layout::kXPMenu, controls_.menuStyle == MenuStyle::Classic ? "NO" : "YES");
    store.PutFlag(layout::kChangeColor, controls_.changeColour.ticked);
    store.PutNumber(layout::kColorR, controls_.red.position);
    store.PutNumber(layout::kColorG, controls_.green.position);
    store.PutNumber(layout::kColorB, controls_.blue.position);
    store.PutNumber(layout::kColorGS, controls_.grey.position);
    store.PutFlag(layout::kChangeTransparent, controls_.transparency.ticked);
    store.PutNumber(layout::kTransparent, OpacityAt(controls_.transparencyBar.position));
    store.PutFlag(layout::kFlat, controls_.bevel.ticked);
    store.PutNumber(layout::kFlatSize, controls_.bevelWidth.position);
    store.PutFlag(layout::kExt, controls_.extensions.ticked);
    store.PutFlag(layout::kSort, controls_.sort.ticked);
    if (!keepStoredHotkey) store.PutNumber(layout::kHotkey, controls_.hotkey);
  }
  store.CloseKey();
  // At once, whether or not the registry took it. One another program holds calls
  // nothing, so the user hears of it now, as at a start, and finds the field empty next.
  if (!keepStoredHotkey && !services_.live.SetHotkey(controls_.hotkey))
    services_.messages.Show(HotkeyTakenText(controls_.hotkey), kApplicationTitle,
                            MessageIcon::Warning);
  // The flags hold for this run whether or not the registry took them.
  services_.live.SetListOptions(controls_.extensions.ticked, controls_.sort.ticked);

  if (store.OpenKey(layout::kRunKey, true)) {
    if (controls_.autostart.ticked)
      store.PutText(layout::kRunValue, services_.program.Path());
    else if (store.HasValue(layout::kRunValue))
      store.RemoveValue(layout::kRunValue);
  }
  store.CloseKey();
  services_.dialog.Close();
}

void TOpcjeF::FormKeyDown(DialogKey key) {
  if (key == DialogKey::Escape) services_.dialog.Close();
  else if (key == DialogKey::Enter) CloseSBClick();
}

}  // namespace kromelik
