#pragma once

// The multi-line view behind the text areas and the message box. It shows
// the bounded display text (ShortenedText.h) of a text its owner keeps, and
// serves everything that reads the text from that whole text: a copy takes
// what each ellipsis of the selection stands for, and assistive technology
// reads and addresses the whole text, every line ending as a line feed.
// Without an ellipsis it is an ordinary plain-text edit, editable too.
// Internal to the toolkit.

#include <QPlainTextEdit>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/ShortenedText.h"

namespace toolkit {

class TextView : public QPlainTextEdit {
 public:
  TextView();

  // Shows `whole`, which its owner keeps for as long as the view shows it:
  // the view reads it whenever something reads its text. The owner changes
  // it only to follow what the user types into a view shown whole.
  void Show(const std::string& whole);
  // Whether the view leaves part of its text out.
  bool IsCut() const { return !shown_.ellipses.empty(); }

  // The whole text as a reader takes it, and positions in it and in the
  // display text. A position within what an ellipsis stands for is the
  // ellipsis' start, or its end when `after` is set.
  QString ReaderText() const;
  qsizetype ToReader(qsizetype shown) const;
  qsizetype ToShown(qsizetype read, bool after = false) const;

 protected:
  QMimeData* createMimeDataFromSelection() const override;

 private:
  // The reader's text, and where in it each ellipsis' part lies.
  struct Reading {
    QString text;
    std::vector<qsizetype> starts;
    std::vector<qsizetype> ends;
  };
  // Built once per text shown cut; a text shown whole is read afresh, as
  // the user may have typed into it.
  Reading Read() const;

  const std::string* whole_ = nullptr;
  DisplayText shown_;
  mutable std::optional<Reading> reading_;
};

}  // namespace toolkit
