#pragma once

// The main window, the application's working window; closing it ends the
// application. Its methods carry a request through the engine:
//
//   Paste    clipboard text -> ParentsArea -> ParseNewInput: result list
//            cleared; Initialize; ParseInput -> (on success) SetPopups
//            fills one popup per gene
//   Edit     the genotype editor shows ParentsArea's entries; its OK joins
//            them back into ParentsArea -> ParseNewInput, as Paste does
//   Cross    MixAlleles crosses each gene with its popup's choice into Mixers
//            -> CalcResult: count label, result list, then the clipboard
//   popup    a changed choice withdraws the result shown
//   Help     shows the one help window; File > About the one About window
//
// The engine methods only apply the engine's outcomes to the controls; the
// window keeps no state but Mixers and what its controls show.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/AlleleMixer.h"
#include "toolkit/Label.h"
#include "toolkit/Listbox.h"
#include "toolkit/Menu.h"
#include "toolkit/PopupMenu.h"
#include "toolkit/PushButton.h"
#include "toolkit/TextArea.h"
#include "toolkit/Window.h"

class MainWindow : public toolkit::Window {
 public:
  // The member class of the control array of allele popups.
  class wtPopupControl : public toolkit::PopupMenu {
   public:
    explicit wtPopupControl(std::int32_t index) : toolkit::PopupMenu(index) {}
  };

  // The name under which the toolkit keeps the open window of this class.
  static constexpr const char* kClassName = "MainWindow.MainWindow";
  // The one main window: the open one, or a new one, built and shown.
  static MainWindow& Instance();

  // One crossed gene per gene, rebuilt on every Cross.
  std::vector<AlleleMixer> Mixers;

  void Layout() override;
  void CreateControls() override;
  void CreateControls0();

  toolkit::TextArea& ParentsArea() const;
  toolkit::PushButton& PasteButton() const;
  toolkit::PushButton& EditButton() const;
  toolkit::Label& ParentsLabel() const;
  toolkit::Label& WildTypeLabel() const;
  toolkit::Label& PupsLabel() const;
  toolkit::PushButton& QuitButton() const;
  toolkit::PushButton& HelpButton() const;
  toolkit::PushButton& CrossButton() const;
  toolkit::PopupMenu& wtPopup(std::int32_t index) const;
  toolkit::PushButton& OptionsButton() const;
  toolkit::Label& PupCountLabel() const;
  toolkit::Listbox& PupsListBox() const;

  void PasteButton_Action(toolkit::PushButton& button);
  void EditButton_Action(toolkit::PushButton& button);
  void QuitButton_Action(toolkit::PushButton& button);
  void HelpButton_Action(toolkit::PushButton& button);
  void CrossButton_Action(toolkit::PushButton& button);
  void wtPopup_Change(toolkit::PopupMenu& popup);
  void PupsListBox_Open(toolkit::Listbox& list);

  toolkit::MenuItem& EditMenu() const;
  toolkit::MenuItem& EditSelectAll() const;
  toolkit::MenuItem& EditSeparator2() const;
  toolkit::MenuItem& EditClear() const;
  toolkit::MenuItem& EditPaste() const;
  toolkit::MenuItem& EditCopy() const;
  toolkit::MenuItem& EditCut() const;
  toolkit::MenuItem& EditSeparator1() const;
  toolkit::MenuItem& EditUndo() const;
  toolkit::MenuItem& FileMenu() const;
  toolkit::QuitMenuItem& FileQuit() const;
  toolkit::AppleMenuItem& About() const;

  void AddMenuHandlers() override;
  void Event_Open() override;
  void Event_Close() override;
  bool About_Action();

  void ParseInput();
  void Initialize();
  std::vector<std::string> CalcPopup(std::span<const std::string> alleles) const;
  void SetPopups();
  void MixAlleles();
  void CalcResult();

  // How both input roads (Paste, and the editor's OK) end once they have put
  // the parents' text into ParentsArea: the result list is emptied, the
  // allele choice reset, and the text parsed.
  void ParseNewInput();
  // Empties the result list and sets its five headings to one blank.
  void ResetResultList();

 private:
  // The count of the result shown, and its withdrawal.
  void ShowPupCount(const std::string& countText);
  void HidePupCount();

  toolkit::MenuItem& MenuItemNamed(const std::string& name) const;
};
