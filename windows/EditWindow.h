#pragma once

// The parent genotype editor: the second road, beside Paste, by which the two
// parents' genotypes reach the main window. Its grid of eight fields (two
// parents by four genes, one whole gene entry each) is a view of the main
// window's parents' text: it is loaded from that text and written back only by
// OK, which then hands the text to the parser like Paste does. The editor
// checks nothing itself; the parser reports every fault.
//
// Typed entries survive a switch to another window and back. The fields are
// loaded afresh only when Edit shows the editor, or when the parents' text
// has changed since the editor last loaded it (a Paste meanwhile).

#include <cstdint>
#include <optional>
#include <string>

#include "toolkit/Label.h"
#include "toolkit/PushButton.h"
#include "toolkit/TextField.h"
#include "toolkit/Window.h"

class EditWindow : public toolkit::Window {
 public:
  // The name under which the toolkit keeps the open window of this class.
  static constexpr const char* kClassName = "EditWindow.EditWindow";
  // The member class of the control array of fields.
  class FieldControl : public toolkit::TextField {
   public:
    explicit FieldControl(std::int32_t index) : toolkit::TextField(index) {}
  };

  // The one editor: the open one, shown or hidden, or a new one, built and
  // shown.
  static EditWindow& Instance();

  void Layout() override;
  void CreateControls() override;
  void CreateControls0();

  // Field(4 * parent + gene column): parent 0 is parent 1, columns 0 to 3
  // are Gene1 to Gene4.
  toolkit::TextField& Field(std::int32_t index) const;
  toolkit::Label& Parent1Label() const;
  toolkit::Label& Gene1Label() const;
  toolkit::Label& Gene2Label() const;
  toolkit::Label& Gene3Label() const;
  toolkit::Label& Gene4Label() const;
  toolkit::Label& Parent2Label() const;
  toolkit::Label& Help1Label() const;
  toolkit::PushButton& OK_Button() const;
  toolkit::PushButton& CancelButton() const;
  toolkit::Label& Help2Label1() const;

  void OK_Button_Action(toolkit::PushButton& button);
  void CancelButton_Action(toolkit::PushButton& button);
  void Event_Activate() override;

  // Makes the fields show the main window's text once more, dropping what
  // was typed: at the activation that Show raises, or at once when the editor
  // is the active window already (a new editor becomes active while it is
  // built), since Show then raises no activation.
  void ReloadOnActivate();

 private:
  void LoadFields();
  // The number of a parent's gene columns up to its last filled field.
  std::int32_t FilledColumns(std::int32_t parent) const;

  bool reloadRequested_ = false;
  // The parents' area's change count when the fields were last loaded from
  // it; none before the first load.
  std::optional<std::uint64_t> loadedChanges_;
};
