#include "menus/MenuItem.h"

#include <stdexcept>
#include <utility>

namespace kromelik {

MenuItem::MenuItem(std::string name, std::string caption, int imageIndex)
    : Name(std::move(name)), Caption(std::move(caption)), ImageIndex(imageIndex) {}

MenuItem& MenuItem::Add(std::unique_ptr<MenuItem> item) {
  items_.push_back(std::move(item));
  return *items_.back();
}

MenuItem& MenuItem::Add(std::string name, std::string caption, int imageIndex) {
  return Add(std::make_unique<MenuItem>(std::move(name), std::move(caption), imageIndex));
}

MenuItem& MenuItem::AddSeparator(std::string name) {
  return Add(std::move(name), std::string(kSeparatorCaption));
}

MenuItem& MenuItem::Insert(std::size_t index, std::unique_ptr<MenuItem> item) {
  if (index > items_.size()) index = items_.size();
  return **items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), std::move(item));
}

void MenuItem::RemoveFrom(std::size_t index) {
  if (index < items_.size()) items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index), items_.end());
}

MenuItem* MenuItem::Find(std::string_view name) {
  return const_cast<MenuItem*>(std::as_const(*this).Find(name));
}

const MenuItem* MenuItem::Find(std::string_view name) const {
  if (!name.empty() && Name == name) return this;
  for (const auto& child : items_)
    if (const MenuItem* found = child->Find(name)) return found;
  return nullptr;
}

MenuItem& MenuItem::At(std::string_view name) {
  MenuItem* found = Find(name);
  if (found == nullptr) throw std::out_of_range("no menu item " + std::string(name));
  return *found;
}

std::size_t MenuItem::IndexOf(const MenuItem& child) const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i].get() == &child) return i;
  return items_.size();
}

}  // namespace kromelik
