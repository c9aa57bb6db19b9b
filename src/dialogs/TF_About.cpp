#include "dialogs/TF_About.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "core/Addresses.h"
#include "core/WspolneFunkcje.h"
#include "dialogs/VersionCheck.h"

namespace kromelik {

namespace {

using C = AboutControl;
using K = AboutControlKind;

enum class Action { None, Mail, Skype, GaduGadu, Web, Profile, Donation, Notice, Update, Help, Close };

struct Row {
  C control;
  std::string_view name;
  K kind;
  std::string_view text;  // what it shows until a show sets it
  std::string_view tooltip;
  bool handCursor;
  Action action;
  ShowCommand show;
};

constexpr ShowCommand kMaximized = ShowCommand::ShowMaximized;
constexpr ShowCommand kNormal = ShowCommand::ShowNormal;
namespace t = about_texts;
namespace a = addresses;

constexpr Row kRows[] = {
    {C::Image, "img_About", K::Image, "", "", false, Action::None, kNormal},
    {C::Version, "l_Version", K::BoldLabel, "", "", false, Action::None, kNormal},
    {C::MakerLine, "a_l_1", K::Label, "", "", false, Action::None, kNormal},
    {C::MailCaption, "a_l_2", K::Label, "E-mail:", "", false, Action::None, kNormal},
    {C::MailLink, "a_l_3", K::LinkLabel, a::kMakerMail, t::kContactTip, true, Action::Mail,
     ShowCommand::Show},
    {C::SkypeCaption, "a_l_4", K::Label, "Skype:", "", false, Action::None, kNormal},
    {C::SkypeLink, "a_l_5", K::LinkLabel, a::kMakerSkype, t::kContactTip, true, Action::Skype,
     kNormal},
    {C::GaduGaduCaption, "a_l_6", K::Label, "GG:", "", false, Action::None, kNormal},
    {C::GaduGaduLink, "a_l_7", K::LinkLabel, a::kMakerGaduGadu, t::kContactTip, true,
     Action::GaduGadu, kNormal},
    {C::WebCaption, "a_l_8", K::Label, "WWW:", "", false, Action::None, kNormal},
    {C::WebLink, "a_l_9", K::LinkLabel, a::kMakerSite, t::kWebTip, true, Action::Web, kMaximized},
    {C::Author, "a_l_10", K::Label, t::kAuthor, "", false, Action::None, kNormal},
    {C::Profile, "imgGL", K::Icon, "", t::kProfileTip, true, Action::Profile, kMaximized},
    {C::Donation, "img_Money", K::Icon, "", t::kDonationTip, true, Action::Donation, kMaximized},
    {C::Notice, "l_SzukamPracy", K::BoldLabel, t::kNotice, "", true, Action::Notice, kMaximized},
    {C::NoticeCover, "l_SzukamPracy2", K::CoverLabel, "", "", true, Action::Notice, kMaximized},
    {C::Update, "sb_DownUpdate", K::Button, t::kUpdate, "", false, Action::Update, kMaximized},
    {C::Help, "sb_Pomoc", K::Button, "Pomoc", "", false, Action::Help, kMaximized},
    {C::Ok, "sb_OK", K::Button, "OK", "", false, Action::Close, kNormal},
};
static_assert(std::size(kRows) == kAboutControls);

constexpr const Row& RowOf(C control) { return kRows[static_cast<std::size_t>(control)]; }

constexpr bool RowsInControlOrder() {
  for (std::size_t i = 0; i < kAboutControls; ++i)
    if (static_cast<std::size_t>(kRows[i].control) != i) return false;
  return true;
}
static_assert(RowsInControlOrder());

// Gaps of the designer's layout, in pixels.
constexpr int kMargin = 16;
constexpr int kRowGap = 4;
constexpr int kLinkGap = 10;
constexpr int kUpdateLeft = 8;
constexpr int kIconsAfterAuthor = 5;
constexpr int kIconGap = 4;
constexpr int kIconsRaised = 2;  // a 16-pixel icon about centred on a 13-pixel line
constexpr int kBelowButtons = 32;

// The contact rows under the maker's line: a caption and its link.
constexpr std::pair<C, C> kContactRows[] = {{C::MailCaption, C::MailLink},
                                            {C::SkypeCaption, C::SkypeLink},
                                            {C::GaduGaduCaption, C::GaduGaduLink},
                                            {C::WebCaption, C::WebLink}};

}  // namespace

AboutLayout LayOutAbout(const AboutMeasures& m) {
  AboutLayout layout;
  const auto place = [&](C control, int left, int top, int width = -1) -> const AboutRect& {
    AboutRect& rect = layout.places[static_cast<std::size_t>(control)];
    rect = {left, top, width < 0 ? m[control].width : width, m[control].height};
    return rect;
  };
  const AboutRect& picture = place(C::Image, kMargin, kMargin);
  place(C::Version, picture.Right() - m[C::Version].width, picture.Bottom());
  int rowBottom = place(C::MakerLine, kMargin, picture.Bottom()).Bottom();
  for (const auto& [caption, link] : kContactRows) {
    const AboutRect& row = place(caption, kMargin, rowBottom + kRowGap);
    place(link, kMargin + row.width + kLinkGap, row.top);
    rowBottom = row.Bottom();
  }
  const AboutRect& author = place(C::Author, kMargin, rowBottom + kRowGap);
  const int icons = author.top - kIconsRaised;
  const AboutRect& profile = place(C::Profile, author.Right() + kIconsAfterAuthor, icons);
  place(C::Donation, profile.Right() + kIconGap, icons);
  const AboutRect& notice = place(C::Notice, picture.Right() - m[C::Notice].width, author.top);
  layout.places[static_cast<std::size_t>(C::NoticeCover)] = notice;

  const int buttons = author.Bottom() + kMargin;
  const AboutRect& ok = place(C::Ok, m.clientWidth - kMargin - m[C::Ok].width, buttons);
  const AboutRect& help = place(C::Help, ok.left - kMargin - m[C::Help].width, buttons);
  place(C::Update, kUpdateLeft, buttons, std::max(0, help.left - kMargin - kUpdateLeft));
  layout.height = ok.Bottom() + kBelowButtons;
  return layout;
}

TF_About::TF_About(const AboutServices& services) : services_(services) {
  for (const Row& row : kRows) {
    controls_[static_cast<std::size_t>(row.control)] = {row.name, row.kind, std::string(row.text),
                                                        std::string(row.tooltip), true,
                                                        row.handCursor};
  }
  Get(C::Update).visible = false;
  homePage_ = a::kMakerSite;
}

void TF_About::FormShow(int currentYear) {
  const std::string version = ProgramVersionText(services_.program, services_.fileInformation);
  if (!checkDone_ && IsInternetConnected(services_.connectivity)) {
    CheckForUpdate();
    Get(C::Update).visible = IsNewerVersion(version, published_) && !updateAddress_.empty();
    checkDone_ = true;
  }

  // The cover lies over the notice and takes the mouse in both phases of the blinking,
  // so it carries the tooltip as well: under it the notice's own would never show.
  const bool notice = !noticeLink_.empty();
  for (const C control : {C::Notice, C::NoticeCover}) {
    Get(control).visible = notice;
    Get(control).tooltip = noticeLink_;
  }
  blinking_ = notice;

  Get(C::Version).text = "v " + version;
  // A clock set before the first year would make the range run backwards.
  Get(C::MakerLine).text = "Copyright © " + std::to_string(t::kFirstYear) + "-" +
                           std::to_string(std::max(currentYear, t::kFirstYear)) + " " +
                           std::string(t::kMaker);
  Get(C::WebLink).text = homePage_;
  Get(C::Update).tooltip = updateNote_;
  Get(C::Help).visible = services_.files.FileExists(HelpPagePath(services_.program));
}

// A failed or timed-out download reads as an empty file: every value takes its default.
// Addresses from the file reach the shell only when they are web addresses, so neither
// the file's author nor anyone on its way can make a click start a local program.
void TF_About::CheckForUpdate() {
  const std::string folder = TempFolderPath(services_.temp, services_.files);
  std::string local;
  bool fetched = false;
  if (folder.ends_with('\\')) {
    // A name of this process's own: a second instance (a restart starts the new one
    // before the old one ends) must never read or delete this one's copy.
    local = folder + "kromelik-" + std::to_string(services_.process.Id()) + "-dane.ini";
    fetched = services_.download.ToFile(std::string(a::kUpdateHost) + "version.ini", local,
                                        kDownloadWait) == DownloadResult::Done;
  }
  const auto read = [&](std::string_view section, std::string_view key) {
    return fetched ? services_.ini.Read(local, section, key) : std::nullopt;
  };
  homePage_ = WebAddressOr(read("dane", "BrenvaldHomePage").value_or(std::string(a::kMakerSite)),
                           a::kMakerSite);
  noticeLink_ = WebAddressOr(read("dane", "CV_File").value_or(""), "");
  published_ = read("Kromelik", "version").value_or(published_);
  updateAddress_ = WebAddressOr(read("Kromelik", "url").value_or(""), "");
  updateNote_ = read("Kromelik", "new").value_or("");
  // Whatever happened: even a failed transfer may find a copy that an earlier run
  // under the same process number left behind.
  if (!local.empty()) services_.files.RemoveFile(local);
}

void TF_About::Open(std::string_view target, ShowCommand show) {
  if (!target.empty()) services_.shell.Open(owner_, "open", target, std::nullopt, show);
}

void TF_About::Click(AboutControl control) {
  const Row& row = RowOf(control);
  const std::string& text = Control(control).text;
  switch (row.action) {
    case Action::None: break;
    case Action::Mail: Open("mailto:" + text + std::string(a::kMailSubjectAndBody), row.show); break;
    case Action::Skype: Open("callto:" + text, row.show); break;
    case Action::GaduGadu: Open("gg:" + text, row.show); break;
    case Action::Web: Open(text, row.show); break;
    case Action::Profile: Open(a::kAuthorProfile, row.show); break;
    case Action::Donation: Open(std::string(a::kMakerSite) + std::string(a::kDonationPage), row.show); break;
    case Action::Notice: Open(noticeLink_, row.show); break;
    case Action::Update:
      if (Control(C::Update).visible) Open(updateAddress_, row.show);
      break;
    case Action::Help: Open(HelpPagePath(services_.program), row.show); break;
    case Action::Close: services_.dialog.Close(); break;
  }
}

void TF_About::Timer_SzukamPracyTimer() {
  if (blinking_) Get(C::Notice).visible = !Get(C::Notice).visible;
}

void TF_About::FormKeyDown(DialogKey key) {
  if (key == DialogKey::Escape) services_.dialog.Close();
}

void TF_About::FormClose() { services_.toolbar.Resume(); }

}  // namespace kromelik
