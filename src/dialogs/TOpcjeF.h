#pragma once

// The options dialog: the look of the toolbar and of every menu, two behaviours of the
// lists and the start with Windows. Each change of look reaches the running toolbar as
// the user makes it; only OK stores, so Escape leaves the stored options as they were
// while the toolbar keeps the new look until the next start.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/LiveOptions.h"
#include "core/Settings.h"
#include "core/Toolbar.h"
#include "core/ports/DialogWindow.h"
#include "core/ports/MessageBoxes.h"
#include "core/ports/ProgramFile.h"
#include "core/ports/Registry.h"
#include "core/ports/SystemColours.h"
#include "core/ports/TextServices.h"
#include "dialogs/OrganizerFrame.h"

namespace kromelik {

namespace options_texts {
inline constexpr std::string_view kCaption = "Opcje";
inline constexpr std::string_view kTitle = "Opcje";
inline constexpr std::string_view kMenuStyleLabel = "Styl wyświetlanych menu:";
inline constexpr std::string_view kRedLabel = "czerwony:";
inline constexpr std::string_view kGreenLabel = "zielony:";
inline constexpr std::string_view kBlueLabel = "niebieski:";
inline constexpr std::string_view kGreyLabel = "Odcienie szarości";
inline constexpr std::string_view kOtherLabel = "Inne";
inline constexpr std::string_view kHotkeyLabel = "Skrót klawiszowy:";
inline constexpr std::string_view kOk = "OK";
}  // namespace options_texts

struct OptionsRadioButton {
  std::string_view caption;
  std::string_view tooltip;
};

struct OptionsCheckBox {
  std::string_view caption;
  std::string_view tooltip;
  bool ticked = false;
};

// A horizontal bar; whatever it is given is held to its range, as the bar itself would.
struct OptionsBar {
  std::string_view tooltip;
  int minimum = 0;
  int maximum = 0;
  int position = 0;

  void MoveTo(std::int64_t wanted) {
    position = static_cast<int>(wanted < minimum ? minimum : wanted > maximum ? maximum : wanted);
  }
};

// Every control of the dialog as the window shows it, starting as the dialog was made.
struct OptionsControls {
  // RadioButton1, RadioButton2: the selected one's preview shows, Image2 or Image3.
  OptionsRadioButton classic{"&klasyczny",
                             "Wszystkie rozwijane menu wyświetlane będą tak jak klasyczne menu"};
  OptionsRadioButton pastel{"p&astelowy",
                            "Wszystkie rozwijane menu wyświetlane będą tak jak menu w Office XP"};
  MenuStyle menuStyle = MenuStyle::Classic;

  OptionsCheckBox changeColour{"&Zmień kolor", "Kliknij, aby zmienić kolor"};  // CheckBox2
  OptionsBar red{"Podaj ilość koloru czerwonego", 0, 255, 192};                // ScrollBar6
  OptionsBar green{"Podaj ilość koloru zielonego", 0, 255, 192};               // ScrollBar7
  OptionsBar blue{"Podaj ilość koloru niebieskiego", 0, 255, 192};             // ScrollBar8
  OptionsBar grey{"Zmień kolor programu w skali szarości", 0, 255, 192};       // ScrollBar9
  std::string redNumber = "192";    // RLabel
  std::string greenNumber = "192";  // GLabel
  std::string blueNumber = "192";   // BLabel

  OptionsCheckBox bevel{"&Wypukłość", "Kliknij, aby zmienić wypukłość", true};  // CheckBox4
  OptionsBar bevelWidth{"Współczynnik wypukłości", 1, 10, 1};                   // ScrollBar2
  std::string bevelWidthText = "1";                                             // Label4

  OptionsCheckBox transparency{"&Przeźroczystość",
                               "Kliknij, aby zmienić przeźroczystość"};   // CheckBox3
  OptionsBar transparencyBar{"Procent przeźroczystości", 40, 255, 148};  // ScrollBar1
  std::string transparencyPercent = "0%";                                // Label3

  OptionsCheckBox autostart{"&Uruchamiaj Kromelika przy starcie Windows",
                            "Zaznaczenie tej opcji spowoduje, że program będzie automatycznie "
                            "uruchamiany przy starcie Windows"};  // CheckBox1
  OptionsCheckBox extensions{"P&okazuj rozszerzenia plików w menu",
                             "Nazwy plików wyświetlane w menu będą miały na końcu swoje "
                             "rozszerzenie"};  // cb_Rozszerzenia
  OptionsCheckBox sort{"W &czasie edycji menu sortuj pozycje ",
                       "Jeżeli zechcesz organizować jakiekolwiek menu to pozycje w nim "
                       "znajdujące się w czasie edycji będą posortowane"};  // cb_Sortuj
  // The combination that calls the strip, as the hotkey control holds it (core/Hotkey.h);
  // 0 shows the field empty.
  std::uint16_t hotkey = 0;

  // Taken from the boxes at every call, so a group can never disagree with its box.
  // The colour group: the four bars, their labels and the three numbers.
  bool ColourGroupEnabled() const { return changeColour.ticked; }
  bool TransparencyGroupEnabled() const { return transparency.ticked; }  // bar and Label3
  bool BevelGroupEnabled() const { return bevel.ticked; }                // bar and Label4
};

enum class ColourBar { Red, Green, Blue };

// The opacity the transparency bar stands for: 255 (opaque) at its left end, 40 at its
// right, so a wider move makes the strip clearer.
std::uint8_t OpacityAt(int barPosition);
// How far along the bar is, rounded to a whole percent: "0%" to "100%".
std::string TransparencyPercentAt(int barPosition);

struct OptionsServices {
  Registry& registry;
  TextServices& text;
  const ProgramFile& program;  // for the autostart entry
  const SystemColours& colours;
  LiveOptions& live;  // the running toolbar's look and list flags
  MessageBoxes& messages;  // owned by the dialog
  DialogWindow& dialog;
  Toolbar& toolbar;
};

class TOpcjeF {
 public:
  explicit TOpcjeF(const OptionsServices& services) : services_(services) {}
  TOpcjeF(const TOpcjeF&) = delete;
  TOpcjeF& operator=(const TOpcjeF&) = delete;

  const OptionsControls& Controls() const { return controls_; }

  // Loads the stored options into the controls. What is missing or of another kind
  // leaves its control as the last closing left it, so the dialog keeps agreeing with
  // the look still on the toolbar.
  void FormShow();

  // The window reports each control's new state after the user changed it.
  void RadioButton1Click(MenuStyle selected);
  void CheckBox2Click(bool ticked);
  void ScrollBar6Scroll(ColourBar bar, int position);
  void ScrollBar9Scroll(int position);
  void CheckBox3Click(bool ticked);
  void ScrollBar1Scroll(int position);
  void CheckBox4Click(bool ticked);
  void ScrollBar2Scroll(int position);
  void CheckBox1Click(bool ticked) { controls_.autostart.ticked = ticked; }
  void cb_RozszerzeniaClick(bool ticked) { controls_.extensions.ticked = ticked; }
  void cb_SortujClick(bool ticked) { controls_.sort.ticked = ticked; }
  void HotkeyChange(std::uint16_t code) { controls_.hotkey = code; }

  // Stores every option and the autostart entry, sets the list flags and the hotkey, and
  // closes; a hotkey another program holds is told first.
  void CloseSBClick();
  // From the form or any of its controls: Escape closes storing nothing, Enter is OK.
  void FormKeyDown(DialogKey key);
  // The dialog's close event, whatever closed it: the toolbar is usable again.
  void FormClose() { services_.toolbar.Resume(); }

 private:
  void Show(const ToolbarLook& look);
  void ShowColourFromBars();
  void ApplyTransparencyFromBar();
  void TickColour(bool ticked);
  void TickTransparency(bool ticked);
  void TickBevel(bool ticked);

  OptionsServices services_;
  OptionsControls controls_;
  // The strip's opacity as the dialog last left it; every look it shows keeps it. Before
  // the first show it is whatever the toolbar's paint takes from the store.
  std::optional<std::uint8_t> opacity_;
  // The stored combination was held by another program when the dialog opened, so the
  // field showed none.
  bool hotkeyShownAsTaken_ = false;
};

}  // namespace kromelik
