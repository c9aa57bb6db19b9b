#pragma once

// The about box: the program's version, the maker's links, the help button and, once a
// run, what the maker's version file says of a newer version. The box's window shows
// what this holds, places the controls where LayOutAbout puts them and forwards the
// user's acts and its timer's ticks.

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/Toolbar.h"
#include "core/ports/Connectivity.h"
#include "core/ports/CurrentProcess.h"
#include "core/ports/DialogWindow.h"
#include "core/ports/Download.h"
#include "core/ports/FileInformation.h"
#include "core/ports/FileSystem.h"
#include "core/ports/IniFile.h"
#include "core/ports/ProgramFile.h"
#include "core/ports/ShellLauncher.h"
#include "core/ports/TempFolder.h"

namespace kromelik {

namespace about_texts {
inline constexpr std::string_view kCaption = "O programie ...";
inline constexpr std::string_view kMaker = "Brenvald";
inline constexpr int kFirstYear = 2005;
inline constexpr std::string_view kAuthor = "Autor programu: Brenvald";
inline constexpr std::string_view kContactTip = "Jeżeli masz jakieś uwagi/propozycje daj mi znać";
inline constexpr std::string_view kWebTip = "Odwiedź moją stronę internetową";
inline constexpr std::string_view kProfileTip = "Zobacz mój profil zawodowy";
inline constexpr std::string_view kDonationTip = "Wesprzyj mnie finansowo";
inline constexpr std::string_view kNotice = "(SZUKAM PRACY)";
inline constexpr std::string_view kUpdate = "Dostępna jest nowa wersja programu";
}  // namespace about_texts

// The box's controls, in the order of the designer's table.
enum class AboutControl : std::uint8_t {
  Image,            // img_About
  Version,          // l_Version
  MakerLine,        // a_l_1
  MailCaption,      // a_l_2
  MailLink,         // a_l_3
  SkypeCaption,     // a_l_4
  SkypeLink,        // a_l_5
  GaduGaduCaption,  // a_l_6
  GaduGaduLink,     // a_l_7
  WebCaption,       // a_l_8
  WebLink,          // a_l_9
  Author,           // a_l_10
  Profile,          // imgGL
  Donation,         // img_Money
  Notice,           // l_SzukamPracy
  NoticeCover,      // l_SzukamPracy2, transparent, over the notice
  Update,           // sb_DownUpdate
  Help,             // sb_Pomoc
  Ok,               // sb_OK
  Count
};
inline constexpr std::size_t kAboutControls = static_cast<std::size_t>(AboutControl::Count);

enum class AboutControlKind { Image, Label, BoldLabel, LinkLabel, Icon, CoverLabel, Button };

struct AboutControlView {
  std::string_view name;  // the component's name
  AboutControlKind kind = AboutControlKind::Label;
  std::string text;
  std::string tooltip;  // empty: none
  bool visible = true;
  bool handCursor = false;
};

struct AboutSize {
  int width = 0;
  int height = 0;
};

struct AboutRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  bool operator==(const AboutRect&) const = default;
};

// Each control's natural size, as the window measures its text in its font (the
// picture and the icons at their own size, the buttons as designed). The width of
// sb_DownUpdate is the layout's to choose.
struct AboutMeasures {
  std::array<AboutSize, kAboutControls> sizes{};
  int clientWidth = 438;
  AboutSize& operator[](AboutControl control) { return sizes[static_cast<std::size_t>(control)]; }
  const AboutSize& operator[](AboutControl control) const {
    return sizes[static_cast<std::size_t>(control)];
  }
};

struct AboutLayout {
  std::array<AboutRect, kAboutControls> places{};
  // The box's outer height, title bar and frame included: the frame takes its share of
  // the margin under the buttons.
  int height = 0;
  const AboutRect& operator[](AboutControl control) const {
    return places[static_cast<std::size_t>(control)];
  }
};

// Where every control goes, in client pixels.
AboutLayout LayOutAbout(const AboutMeasures& measures);

// The platform as the box needs it.
struct AboutServices {
  ShellLauncher& shell;
  FileSystem& files;
  const IniFile& ini;
  Download& download;
  const TempFolder& temp;
  const Connectivity& connectivity;
  const ProgramFile& program;
  const FileInformation& fileInformation;
  const CurrentProcess& process;
  DialogWindow& dialog;
  Toolbar& toolbar;
};

class TF_About {
 public:
  // Long enough for a slow connection, short enough that a silent server does not leave
  // the user looking at a frozen toolbar.
  static constexpr std::chrono::milliseconds kDownloadWait{5000};

  explicit TF_About(const AboutServices& services);

  // The box's window, owner of whatever the shell shows while it opens a link.
  void SetOwner(WindowHandle box) { owner_ = box; }

  const AboutControlView& Control(AboutControl control) const {
    return controls_[static_cast<std::size_t>(control)];
  }
  // Timer_SzukamPracy, which the window runs while this says so.
  bool BlinkTimerOn() const { return blinking_; }

  // `currentYear` is the local calendar year, which ends the maker's year range.
  void FormShow(int currentYear);
  // A click on any control; those without an action ignore it.
  void Click(AboutControl control);
  void Timer_SzukamPracyTimer();
  void FormKeyDown(DialogKey key);
  // The box's close event, whatever closed it.
  void FormClose();

 private:
  void CheckForUpdate();
  AboutControlView& Get(AboutControl control) {
    return controls_[static_cast<std::size_t>(control)];
  }
  void Open(std::string_view target, ShowCommand show);

  AboutServices services_;
  WindowHandle owner_ = 0;
  std::array<AboutControlView, kAboutControls> controls_;
  bool blinking_ = false;

  // What the version check leaves for the rest of the run.
  bool checkDone_ = false;
  std::string published_ = "1.0.0.0";
  std::string updateAddress_;
  std::string updateNote_;
  std::string homePage_;
  std::string noticeLink_;
};

}  // namespace kromelik
