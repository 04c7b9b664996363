#include "toolkit/Menu.h"

#include <stdexcept>

namespace toolkit {

void MenuItem::Append(std::unique_ptr<MenuItem> item) { children_.push_back(std::move(item)); }

MenuItem* MenuItem::Child(const std::string& name) const {
  for (const auto& child : children_) {
    if (child->Name() == name) return child.get();
  }
  return nullptr;
}

MenuItem* MenuItem::Search(const std::string& name) const {
  if (MenuItem* child = Child(name)) return child;
  for (const auto& child : children_) {
    if (MenuItem* found = child->Search(name)) return found;
  }
  return nullptr;
}

MenuItem& MenuItem::Find(const std::string& name) const {
  if (MenuItem* found = Search(name)) return *found;
  throw std::out_of_range("no menu item named " + name);
}

}  // namespace toolkit
