#pragma once

// The window of a list organizer: a header, the report list with its icons, the button
// row and the panel that covers the list while an entry is entered. The organizer's
// logic decides everything; after each act of the user it forwards, the window shows
// the frame as it now stands (Present), so the two never drift apart.

#include <windows.h>

#include <commctrl.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/Platform.h"
#include "core/Settings.h"
#include "core/Toolbar.h"
#include "core/ToolbarButtons.h"
#include "core/ports/TextMeasure.h"
#include "core/ports/ToolbarWindow.h"
#include "dialogs/ListOrganizer.h"
#include "win32/ControlState.h"
#include "win32/DialogPorts.h"
#include "win32/Handles.h"
#include "win32/ModelessDialog.h"
#include "win32/Pictures.h"
#include "win32/Win32ToolbarPorts.h"

namespace kromelik {

class OrganizerWindow : public ModelessDialog, public TextMeasure {
 public:
  // Control identifiers, shared so that tests can reach the controls.
  enum Id : int {
    kList = 100,
    kAdd = 101,       // "Dodaj"
    kRemove = 102,    // "Usuń"
    kEdit = 103,      // "Edytuj"
    kClear = 104,     // "Wyczyść"
    kClose = 105,     // "OK" of the dialog
    kPanelOk = 110,   // "OK" of the panel (while editing: kPanelEditOk)
    kPanelEditOk = 111,
    kCancel = 112,    // "Anuluj"
    kPanelLabel = 113,
    kEditor = 120,    // the panel's first editor
    kSecondEditor = 121,
    kThirdEditor = 122,
    kBrowse = 125,    // the browse button beside a path editor
    kHeaderPicture = 130,
    kHeader = 131,
    kHeaderNote = 132,
    kSecondPanelLabel = 133,
  };

  explicit OrganizerWindow(const DialogPorts& ports);
  ~OrganizerWindow() override;

  bool Create(HINSTANCE instance, HWND owner);

  // TextMeasure: in the dialog's font, in pixels at 96 DPI like every other measure of
  // the dialog, so the window scales a fitted column as it scales the rest.
  int Width(std::string_view text) const override;

 protected:
  // The client size at 96 DPI and the caption, of each dialog.
  virtual int ClientWidth() const = 0;
  virtual int ClientHeight() const = 0;
  virtual ListOrganizer& Organizer() = 0;
  virtual std::string_view Caption() const = 0;
  virtual std::string_view Header() const = 0;
  virtual std::string_view HeaderNote() const { return {}; }
  virtual ToolbarButton HeaderPicture() const = 0;
  virtual bool HasEditButton() const { return false; }
  // The pictures the rows point to: the frame's icons, unless the dialog brings its own.
  virtual const ImageList& RowImages() { return Organizer().Frame().Images(); }

  // The panel's own controls, created hidden, and how they show the organizer's state.
  virtual void CreatePanel() = 0;
  virtual void PresentPanel() = 0;
  // The control that takes the focus when the panel opens.
  virtual HWND PanelFocus() const = 0;
  // A panel act; true when it was one.
  virtual bool OnPanelCommand(int id, int code, HWND control) = 0;
  // A double-click on a row.
  virtual void OnRowActivated() {}
  // The dialog's "Dodaj", "Usuń" and, where there is one, "Edytuj".
  virtual void OnAdd() = 0;
  virtual void OnRemove() = 0;
  virtual void OnEdit() {}
  // A key in one of the panel's editors (Escape, Enter), and one anywhere else.
  virtual void OnEditorKey(DialogKey key) = 0;

  // Shows what the frame and the panel now hold.
  void Present();

  // The panel's place: the list's, which it covers.
  Rect96 PanelArea() const;
  // A button of the platform's that opens the shell's file-open dialog; the chosen name,
  // put in double quotes where it has a space, as a path editor shows it. Empty when the
  // user cancelled.
  std::string BrowseForFile(const std::string& filter, const std::string& folder,
                            const std::string& fileName);
  std::string BrowseForFolder();

  // After a browse dialog, whatever the user chose: the focus back in the path's field.
  void FocusAfterBrowsing(HWND editor);

  OrganizerServices Services();
  PictureCache& Pictures() { return pictures_; }

  DialogPorts ports_;
  Win32MessageBoxes messages_;
  bool presenting_ = false;  // changes the window makes itself are no user's acts

 private:
  void OnCreateControls() override;
  void OnShow() override;
  void OnOk() override;
  void OnKey(DialogKey key);
  bool EnterPresses(HWND button) const override;
  void OnClosed() override;
  bool OnCommand(int id, int code, HWND control) override;
  std::optional<LRESULT> HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnListNotify(const NMHDR& header);
  // The list holds no items of its own: it asks for the texts and pictures of the rows
  // it draws, so a thousand rows show as fast as ten, and each row's icon is fetched
  // only once the row is seen.
  void FillList();
  void MakeRowImages();
  void DescribeRow(LVITEMW& item);
  LRESULT FindRow(const NMLVFINDITEMW& find);
  int ImageOf(std::optional<int> picture);

  HWND list_ = nullptr;
  HWND add_ = nullptr;
  HWND remove_ = nullptr;
  HWND edit_ = nullptr;
  HWND clear_ = nullptr;
  UniqueImageList images_;  // shared with the list view, which does not own it
  PictureCache pictures_;
  UniqueIcon headerIcon_;
  std::map<int, int> shownImages_;  // the rows' picture -> its place in `images_`
  mutable MemoryDc measureDc_;
  std::vector<OrganizerRow> shownRows_;
  std::vector<int> shownWidths_;
  OrganizerMode shownMode_ = OrganizerMode::Browsing;
};

}  // namespace kromelik
