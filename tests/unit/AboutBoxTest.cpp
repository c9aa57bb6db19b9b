#include "dialogs/TF_About.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/Addresses.h"
#include "fakes/FakeDialogPorts.h"
#include "fakes/FakeDownload.h"
#include "fakes/FakeEnvironment.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeIniFile.h"
#include "fakes/FakeShellLauncher.h"
#include "fakes/FakeToolbarPorts.h"

namespace kromelik {
namespace {

using C = AboutControl;
using namespace std::chrono_literals;

const std::string kVersionUrl = std::string(addresses::kUpdateHost) + "version.ini";

// One run of the program: its machine and its about box, lent the toolbar as the menu
// command leaves it, with the box's close event wired as the window raises it.
struct AboutRun {
  explicit AboutRun(std::uint32_t processId = 4242) {
    process.id = processId;
    files.AddDirectory("C:\\Temp");
    FixedVersionInfo fixed;
    fixed.fileVersionMS = 0x20000;  // 2.0.0.42
    fixed.fileVersionLS = 42;
    fileInformation.Add(program.path).version.emplace().fixed = fixed;
    toolbar.toolbar.OpenDialog({});
    dialog.onClose = [this] { about.FormClose(); };
    about.SetOwner(0xAB0);
  }
  const AboutControlView& operator[](C control) const { return about.Control(control); }
  std::vector<DirectoryEntry> TempFiles() const { return files.FindEntries("C:\\Temp\\*"); }

  fakes::FakeFileSystem files;
  fakes::FakeDownload download{files};
  fakes::FakeIniFile ini{files};
  fakes::FakeShellLauncher shell;
  fakes::FakeTempFolder temp;
  fakes::FakeConnectivity connectivity;
  fakes::FakeProgramFile program;
  fakes::FakeFileInformation fileInformation;
  fakes::FakeCurrentProcess process;
  fakes::FakeDialogWindow dialog;
  fakes::FakeToolbar toolbar;
  TF_About about{{shell, files, ini, download, temp, connectivity, program, fileInformation,
                  process, dialog, toolbar.toolbar}};
};

TEST(AboutBox, TheVersionFileIsReadWithItsDefaultsAndOnlyWebAddressesTaken) {
  const std::string site(addresses::kMakerSite);
  struct Case {
    std::string file;
    std::string update;  // what the update button opens; empty: it is hidden
    std::string note, homePage, notice;
  };
  const Case cases[] = {
      {"[kromelik]\nVERSION=2.0.0.43\nurl=http://a.pl/k\nnew=Nowa", "http://a.pl/k", "Nowa", site, ""},
      {"[Kromelik]\nversion=1.9.9.99\nurl=http://a.pl/k\nnew=x", "", "x", site, ""},
      {"[Kromelik]\nversion=3.0.0.0\nurl=\nnew=x", "", "x", site, ""},
      {"[Kromelik]\nversion=3.0.0.0\nurl=file:///C:/k.exe", "", "", site, ""},
      {"[Kromelik]\nurl=http://a.pl/k", "", "", site, ""},  // still 1.0.0.0
      {"[dane]\nBrenvaldHomePage=http://nowa.pl/\nCV_File=http://cv.pl/", "", "", "http://nowa.pl/",
       "http://cv.pl/"},
      {"[dane]\nBrenvaldHomePage=C:\\cmd.exe\nCV_File=file:///C:/cv.exe", "", "", site, ""},
      {"[dane]\nBrenvaldHomePage=\n[Kromelik]\nversion=9.0.0.0\nurl=http://a.pl/", "http://a.pl/",
       "", site, ""},
  };
  for (const Case& c : cases) {
    AboutRun run;
    run.download.Publish(kVersionUrl, c.file);
    run.about.FormShow(2031);

    EXPECT_EQ(run[C::Update].visible, !c.update.empty()) << c.file;
    EXPECT_EQ(run[C::Update].tooltip, c.note) << c.file;
    EXPECT_EQ(run[C::WebLink].text, c.homePage) << c.file;
    EXPECT_EQ(run[C::Notice].visible && run[C::NoticeCover].visible && run.about.BlinkTimerOn(),
              !c.notice.empty()) << c.file;
    EXPECT_TRUE(run.TempFiles().empty()) << c.file;
    run.about.Click(C::NoticeCover);
    run.about.Click(C::Update);
    std::vector<std::string> opened, expected;
    for (const auto& request : run.shell.opened) opened.push_back(request.target);
    for (const std::string* target : {&c.notice, &c.update})
      if (!target->empty()) expected.push_back(*target);
    EXPECT_EQ(opened, expected) << c.file;
  }
}

TEST(AboutBox, TheCheckWaitsForAConnectionThenRunsOnceAtANameOfTheProcessesOwn) {
  AboutRun run;
  run.download.Publish(kVersionUrl, "[Kromelik]\nversion=2.0.0.43\nurl=http://a.pl/k");
  run.connectivity.connected = false;
  run.about.FormShow(2031);
  EXPECT_TRUE(run.download.requests.empty());

  run.connectivity.connected = true;
  run.about.FormShow(2031);
  run.download.Publish(kVersionUrl, "[Kromelik]\nversion=1.0.0.0");
  run.about.FormShow(2031);
  ASSERT_EQ(run.download.requests.size(), 1u);
  EXPECT_TRUE(run[C::Update].visible) << "the first check's answer stays";

  AboutRun other(77);
  other.about.FormShow(2031);
  const std::string& mine = run.download.requests[0].localPath;
  EXPECT_TRUE(mine.starts_with("C:\\Temp\\")) << mine;
  EXPECT_NE(other.download.requests.at(0).localPath, mine) << "two running instances never share it";
}

TEST(AboutBox, AFailedOrTimedOutDownloadLeavesAUsableBoxWithItsOwnValuesAndNoFile) {
  AboutRun probe;
  probe.about.FormShow(2031);
  const std::string leftOver = probe.download.requests.at(0).localPath;

  for (const bool silent : {true, false}) {
    AboutRun run;
    // What an earlier run under the same process number may have left there.
    run.files.AddFile(leftOver, "[Kromelik]\nversion=9.0.0.0\nurl=http://a.pl/\n[dane]\n"
                                "CV_File=http://cv.pl/\nBrenvaldHomePage=http://stara.pl/");
    if (silent) run.download.Silence(kVersionUrl);
    run.about.FormShow(2031);
    run.about.FormShow(2031);

    ASSERT_EQ(run.download.requests.size(), 1u) << "no second attempt in this run";
    EXPECT_LE(run.download.requests[0].timeout, 10s);
    EXPECT_FALSE(run[C::Update].visible || run[C::Notice].visible);
    EXPECT_EQ(run[C::WebLink].text, addresses::kMakerSite);
    EXPECT_TRUE(run.TempFiles().empty());
    run.about.FormKeyDown(DialogKey::Other);
    EXPECT_EQ(run.dialog.closes, 0);
    run.about.FormKeyDown(DialogKey::Escape);
    EXPECT_EQ(run.dialog.closes, 1);
    EXPECT_NE(run.toolbar.toolbar.State(), ToolbarState::LentToDialog) << "the toolbar is given back";
  }
}

TEST(AboutBox, EveryShowTakesTheYearAndTheHelpFileAndTheNoticeBlinksUnderItsCover) {
  AboutRun run;
  run.download.Publish(kVersionUrl, "[dane]\nCV_File=http://cv.pl/");
  run.about.FormShow(2031);
  EXPECT_EQ(run[C::Version].text, "v 2.0.0.42");
  EXPECT_FALSE(run[C::Help].visible);

  run.files.AddFile("C:\\Program Files\\Kromelik\\help\\kromelik.html");
  run.about.FormShow(2032);
  EXPECT_TRUE(run[C::MakerLine].text.ends_with("-2032 Brenvald")) << run[C::MakerLine].text;
  EXPECT_TRUE(run[C::Help].visible);

  run.about.Timer_SzukamPracyTimer();
  EXPECT_FALSE(run[C::Notice].visible);
  EXPECT_TRUE(run[C::NoticeCover].visible);
  EXPECT_EQ(run[C::NoticeCover].tooltip, "http://cv.pl/");
  run.about.Timer_SzukamPracyTimer();
  EXPECT_TRUE(run[C::Notice].visible);
}

TEST(AboutBox, LinksOpenThroughTheShellOwnedByTheBoxWithTheirShowCommands) {
  AboutRun run;
  run.connectivity.connected = false;
  run.about.FormShow(2031);
  using S = ShowCommand;
  const std::pair<C, fakes::FakeShellLauncher::Opened> cases[] = {
      {C::MailLink, {0xAB0, "open", "mailto:" + run[C::MailLink].text + "?Subject=Cześć&Body=", {}, S::Show}},
      {C::SkypeLink, {0xAB0, "open", "callto:" + run[C::SkypeLink].text, {}, S::ShowNormal}},
      {C::WebLink, {0xAB0, "open", run[C::WebLink].text, {}, S::ShowMaximized}},
      {C::Help, {0xAB0, "open", "C:\\Program Files\\Kromelik\\help\\kromelik.html", {}, S::ShowMaximized}},
  };
  for (const auto& [control, expected] : cases) {
    run.shell.opened.clear();
    run.about.Click(control);
    ASSERT_EQ(run.shell.opened.size(), 1u) << run[control].name;
    auto opened = run.shell.opened[0];
    opened.target.resize(std::min(opened.target.size(), expected.target.size()));  // the body aside
    EXPECT_EQ(opened, expected) << run.shell.opened[0].target;
  }
  run.shell.opened.clear();
  for (const C quiet : {C::Image, C::Author, C::Notice, C::Update}) run.about.Click(quiet);
  EXPECT_TRUE(run.shell.opened.empty()) << "no notice, no update, nothing to open";
}

TEST(LayOutAbout, PlacesEveryControlByTheDesignersGaps) {
  AboutMeasures m;
  m.sizes.fill({150, 13});
  m[C::Image] = {400, 160};
  m[C::MailCaption] = {34, 13};
  m[C::WebCaption] = {38, 13};
  m[C::Author] = {120, 13};
  m[C::Version] = {60, 13};
  m[C::Profile] = m[C::Donation] = {16, 16};
  m[C::Help] = m[C::Ok] = {75, 25};
  m[C::Update] = {0, 25};

  const AboutLayout layout = LayOutAbout(m);

  EXPECT_EQ(layout[C::Version], (AboutRect{356, 176, 60, 13}));
  EXPECT_EQ(layout[C::MakerLine], (AboutRect{16, 176, 150, 13}));
  EXPECT_EQ(layout[C::MailLink], (AboutRect{60, 193, 150, 13}));
  EXPECT_EQ(layout[C::WebLink], (AboutRect{64, 244, 150, 13}));
  EXPECT_EQ(layout[C::Author], (AboutRect{16, 261, 120, 13}));
  EXPECT_EQ(layout[C::Profile], (AboutRect{141, 259, 16, 16}));
  EXPECT_EQ(layout[C::Donation], (AboutRect{161, 259, 16, 16}));
  EXPECT_EQ(layout[C::NoticeCover], (AboutRect{266, 261, 150, 13}));
  EXPECT_EQ(layout[C::Ok], (AboutRect{347, 290, 75, 25}));
  EXPECT_EQ(layout[C::Help], (AboutRect{256, 290, 75, 25}));
  EXPECT_EQ(layout[C::Update], (AboutRect{8, 290, 232, 25}));
  EXPECT_EQ(layout.height, 347);
}

}  // namespace
}  // namespace kromelik
