#pragma once

// The toolbar's menus as plain data: builders set captions, hints and visibility, the
// renderer in the Windows layer turns a menu into a real popup each time it opens, and
// a chosen item's OnClick runs.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kromelik {

class MenuItem;
// An action reads its item (its hint, say) and never changes it.
using MenuAction = std::function<void(const MenuItem&)>;

// How an item starts a new column of its menu.
enum class MenuBreak { None, Column, BarColumn };

class MenuItem {
 public:
  static constexpr std::string_view kSeparatorCaption = "-";

  MenuItem() = default;
  MenuItem(std::string name, std::string caption, int imageIndex = -1);
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  std::string Name;     // the component name, e.g. "U1", "Dokumenty1"; may be empty
  std::string Caption;  // shown as written: an "&" is a literal ampersand
  std::string Hint;     // the command or target of the item
  int ImageIndex = -1;  // into the menu's image list; -1: no image
  bool Visible = true;
  bool Enabled = true;
  bool Checked = false;
  MenuBreak Break = MenuBreak::None;
  MenuAction OnClick;

  bool IsSeparator() const { return Caption == kSeparatorCaption; }

  // Children, in menu order; their addresses stay valid while they are in the menu.
  const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }
  std::size_t Count() const { return items_.size(); }
  MenuItem& operator[](std::size_t index) const { return *items_.at(index); }

  MenuItem& Add(std::unique_ptr<MenuItem> item);
  MenuItem& Add(std::string name, std::string caption, int imageIndex = -1);
  MenuItem& AddSeparator(std::string name = {});
  MenuItem& Insert(std::size_t index, std::unique_ptr<MenuItem> item);
  // Removes and destroys the children from `index` on.
  void RemoveFrom(std::size_t index);
  void Clear() { items_.clear(); }

  // The item of that name at any depth below this one (this one included); nullptr when
  // there is none.
  MenuItem* Find(std::string_view name);
  const MenuItem* Find(std::string_view name) const;
  // As Find, for names that must exist; throws std::out_of_range.
  MenuItem& At(std::string_view name);

  std::size_t IndexOf(const MenuItem& child) const;  // Count() when not a child

 private:
  std::vector<std::unique_ptr<MenuItem>> items_;
};

}  // namespace kromelik
