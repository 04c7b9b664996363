#pragma once

// The menu model: a menu bar holds menus, a menu holds items, each found by
// its name. A window that installs a menu bar shows it; choosing an item runs
// the window's handler registered under the item's name. Items named like the
// standard edit commands (EditUndo, EditCut, EditCopy, EditPaste, EditClear,
// EditSelectAll) act on the focused text control without a handler; the
// Quit item quits by itself.

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace toolkit {

class MenuItem {
 public:
  MenuItem() = default;
  virtual ~MenuItem() = default;
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  // "&" marks the next letter as the access key; "-" makes a separator.
  const std::string& Text() const { return text_; }
  void SetText(std::string text) { text_ = std::move(text); }
  bool IsSeparator() const { return text_ == "-"; }
  // Such as "Cmd+Q", Cmd being the platform's command key; unset is no
  // shortcut at all, as is the empty text.
  const std::optional<std::string>& KeyboardShortcut() const { return shortcut_; }
  void SetKeyboardShortcut(std::string shortcut) { shortcut_ = std::move(shortcut); }
  // Enabled by the toolkit when it can act: an item with a handler, or an
  // edit command the focused control can carry out.
  bool AutoEnable() const { return autoEnable_; }
  void SetAutoEnable(bool autoEnable) { autoEnable_ = autoEnable; }

  void Append(std::unique_ptr<MenuItem> item);
  std::size_t Count() const { return children_.size(); }
  MenuItem& Item(std::size_t position) const { return *children_.at(position); }
  // The direct child of that name, or nullptr.
  MenuItem* Child(const std::string& name) const;
  // The item of that name anywhere below this one; throws std::out_of_range
  // when there is none.
  MenuItem& Find(const std::string& name) const;

 private:
  MenuItem* Search(const std::string& name) const;

  std::string name_;
  std::string text_;
  std::optional<std::string> shortcut_;
  bool autoEnable_ = false;
  std::vector<std::unique_ptr<MenuItem>> children_;
};

class MenuBar : public MenuItem {};

// The item that shows the application's About window; on macOS it moves to
// the application menu.
class AppleMenuItem : public MenuItem {};

// The item that quits the application, with exit status 0.
class QuitMenuItem : public MenuItem {};

}  // namespace toolkit
