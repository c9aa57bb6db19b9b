#pragma once

// The windows of the quick-launch, favourites, programs and games organizers, each
// showing its organizer's panel.

#include <memory>
#include <string>
#include <vector>

#include "dialogs/TOrganizujProgramy.h"
#include "dialogs/TOrganizujSzybUr.h"
#include "dialogs/TOrganizujUlubione.h"
#include "win32/OrganizerWindow.h"

namespace kromelik {

class QuickLaunchWindow : public OrganizerWindow {
 public:
  // Items of the popup of kinds.
  enum KindItem : int { kFileItem = 1, kFolderItem, kWebPageItem };

  explicit QuickLaunchWindow(const DialogPorts& ports);

 private:
  int ClientWidth() const override { return 469; }
  int ClientHeight() const override { return 255; }
  ListOrganizer& Organizer() override { return organizer_; }
  std::string_view Caption() const override { return quick_launch_texts::kCaption; }
  std::string_view Header() const override { return quick_launch_texts::kHeader; }
  std::string_view HeaderNote() const override { return quick_launch_texts::kHeaderNote; }
  ToolbarButton HeaderPicture() const override { return ToolbarButton::Ulubione; }
  void CreatePanel() override;
  void PresentPanel() override;
  HWND PanelFocus() const override;
  bool OnPanelCommand(int id, int code, HWND control) override;
  void OnAdd() override;
  void OnRemove() override { organizer_.UsunSBClick(); }
  void OnEditorKey(DialogKey key) override { organizer_.EditorKeyDown(key); }
  HWND EditorOf(AddKind kind) const;

  TOrganizujSzybUr organizer_;
  ImageList kindPictures_{"pm_Dodaj"};  // one per kind, in the popup's order
};

class FavouritesWindow : public OrganizerWindow {
 public:
  explicit FavouritesWindow(const DialogPorts& ports);

 private:
  int ClientWidth() const override { return 470; }
  int ClientHeight() const override { return 256; }
  ListOrganizer& Organizer() override { return organizer_; }
  std::string_view Caption() const override { return favourites_texts::kCaption; }
  std::string_view Header() const override { return favourites_texts::kHeader; }
  ToolbarButton HeaderPicture() const override { return ToolbarButton::Internet; }
  const ImageList& RowImages() override { return pagePicture_; }
  void CreatePanel() override;
  void PresentPanel() override;
  HWND PanelFocus() const override;
  bool OnPanelCommand(int id, int code, HWND control) override;
  void OnAdd() override { organizer_.DodajSBClick(); }
  void OnRemove() override { organizer_.UsunSBClick(); }
  void OnEditorKey(DialogKey key) override { organizer_.AdresEKeyDown(key); }

  TOrganizujUlubione organizer_;
  ImageList pagePicture_{"ImageList1"};
};

// Programs and games alike, told apart by their texts and list.
class ProgramsWindow : public OrganizerWindow {
 public:
  ProgramsWindow(const DialogPorts& ports, const ProgramListDialog& texts,
                 ToolbarButton picture);

 private:
  int ClientWidth() const override { return 470; }
  int ClientHeight() const override { return 254; }
  ListOrganizer& Organizer() override { return organizer_; }
  std::string_view Caption() const override { return organizer_.Texts().caption; }
  std::string_view Header() const override { return organizer_.Texts().header; }
  ToolbarButton HeaderPicture() const override { return picture_; }
  bool HasEditButton() const override { return true; }
  void CreatePanel() override;
  void PresentPanel() override;
  HWND PanelFocus() const override;
  bool OnPanelCommand(int id, int code, HWND control) override;
  void OnAdd() override { organizer_.DodajSBClick(); }
  void OnRemove() override { organizer_.UsunSBClick(); }
  void OnEdit() override { organizer_.sb_EdytujClick(); }
  void OnRowActivated() override { organizer_.sb_EdytujClick(); }
  void OnEditorKey(DialogKey key) override { organizer_.EditorKeyDown(key); }

  TOrganizujProgramy organizer_;
  ToolbarButton picture_;
  std::vector<std::string> shownSuggestions_;
};

}  // namespace kromelik
