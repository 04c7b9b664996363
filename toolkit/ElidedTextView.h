#pragma once

// A plain-text view that may draw a shortened version of its text: parts of
// the text that are elided are drawn as one ellipsis each, so that Qt never
// lays out megabytes nobody can read. Whatever reads the text still gets it
// whole: copying a selection (also across an ellipsis) and assistive
// technology see the whole text. Without elided parts it is an ordinary
// plain-text edit, editable too.
//
// It can also show a text later: a text that is replaced again before the
// event loop runs is then never laid out at all. Toolkit-internal.

#include <QPlainTextEdit>
#include <QString>
#include <functional>
#include <vector>

namespace toolkit {

// A part of a text, [start, end) in UTF-16 positions, drawn as an ellipsis.
struct Elision {
  qsizetype start = 0;
  qsizetype end = 0;
};

// The tail of every line of `text` beyond kLongestShownLine characters.
std::vector<Elision> LongLineTails(const QString& text);

// The parts of `text` that a view wrapping its lines between words can never
// show: the part of a word (a run without a line-break opportunity) that lies
// beyond the width of any screen in `font`. Such a word starts a line of its
// own at the left edge and overflows it on the right.
std::vector<Elision> UnseenWordTails(const QString& text, const QFont& font);

class ElidedTextView : public QPlainTextEdit {
 public:
  ElidedTextView();

  // Shows `whole` at once, with the parts `unseen` (ascending, not
  // overlapping) drawn as an ellipsis each. With `paragraphStep` set, a
  // paragraph is drawn that many characters at a time: its beginning at
  // first, and more whenever the user scrolls near where it stops.
  void SetText(const QString& whole, std::vector<Elision> unseen = {}, qsizetype paragraphStep = 0);
  // Defers showing a text: `show` runs once, when the event loop next runs or
  // as soon as something needs the view's text (the user's keys, clicks and
  // focus, assistive technology), whichever comes first. A later request
  // replaces one that has not run yet.
  void ShowLater(std::function<void()> show);
  // Runs a deferred show now, if one is waiting.
  void ShowPending();

  // The text as given, elided parts included.
  QString WholeText() const;
  bool HasElisions() const { return !elisions_.empty(); }

  // Positions in the drawn text and in the whole text. A whole position inside
  // an elided part maps to the start of its ellipsis, or to its end when
  // `after` is set.
  qsizetype ToWhole(qsizetype shown) const;
  qsizetype ToShown(qsizetype whole, bool after = false) const;

 protected:
  bool event(QEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  QMimeData* createMimeDataFromSelection() const override;

 private:
  // The drawn text of the whole text's part [from, to): its characters, and
  // an ellipsis for each of `elisions` within it.
  QString Drawn(qsizetype from, qsizetype to, const std::vector<Elision>& elisions) const;
  // Where a paragraph's drawing that starts at `from` stops after `step`
  // drawn characters; `end`, the paragraph's end, if it gets that far.
  qsizetype StopAfter(qsizetype from, qsizetype end, qsizetype step) const;
  // The elisions drawn now: the unseen parts in what is drawn, and the part
  // of each paragraph not drawn yet.
  void CollectElisions();
  void RevealNearby();
  void RevealMore(std::size_t later);

  QString whole_;
  std::vector<Elision> unseen_;
  std::vector<Elision> later_;
  qsizetype paragraphStep_ = 0;
  std::vector<Elision> elisions_;
  // Per elision: where its ellipsis stands in the drawn text, and how many
  // characters fewer the drawn text has before it.
  std::vector<qsizetype> ellipsisAt_;
  std::vector<qsizetype> removedBefore_;
  std::function<void()> pendingShow_;
};

}  // namespace toolkit
