#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <functional>
#include <limits>

#include "toolkit/LongTextLineEdit.h"

namespace {

using toolkit::LongTextLineEdit;

// A field draws a long text itself. Side by side with a line edit drawing a
// short text whose visible part is the same, the two must look alike and put
// the cursor at the same place under a click.
class LongTextLineEditTest : public ::testing::Test {
 protected:
  LongTextLineEditTest() {
    longField_->setParent(&frame_);
    frame_.resize(300, 100);
    shortField_->setGeometry(10, 10, 120, 22);
    longField_->setGeometry(10, 50, 120, 22);
    longField_->setMaxLength(std::numeric_limits<int>::max());
    frame_.show();
  }

  // Texts that show the same at either end: "head" then many x then "tail".
  void SetTexts(int shortRun) {
    shortField_->setText("Gene1 a/" + QString(shortRun, u'x') + "/b tail");
    longField_->setText("Gene1 a/" + QString(10000, u'x') + "/b tail");
  }
  static QImage Drawn(QLineEdit& field) { return field.grab().toImage(); }
  static int FromEnd(const QLineEdit& field) { return static_cast<int>(field.text().size()) - field.cursorPosition(); }

  QWidget frame_;
  QLineEdit* shortField_ = new QLineEdit(&frame_);
  LongTextLineEdit* longField_ = new LongTextLineEdit;
};

TEST_F(LongTextLineEditTest, DrawsWhatTheLineEditDrawsForTheSameVisibleText) {
  SetTexts(100);
  const struct {
    const char* name;
    std::function<void(QLineEdit&)> place;
  } rows[] = {
      {"cursor at the end", [](QLineEdit& field) { field.end(false); }},
      {"selection before the end", [](QLineEdit& field) { field.cursorBackward(true, 5); }},
      {"cursor at the start", [](QLineEdit& field) { field.home(false); }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    row.place(*shortField_);
    row.place(*longField_);
    EXPECT_EQ(Drawn(*longField_), Drawn(*shortField_));
  }
}

TEST_F(LongTextLineEditTest, AClickPutsTheCursorWhereItPoints) {
  SetTexts(100);
  shortField_->end(false);
  longField_->end(false);
  Drawn(*shortField_);
  Drawn(*longField_);
  for (const int x : {8, 40, 75, 110}) {
    SCOPED_TRACE(x);
    QTest::mouseClick(shortField_, Qt::LeftButton, {}, QPoint(x, 11));
    QTest::mouseClick(longField_, Qt::LeftButton, {}, QPoint(x, 11));
    EXPECT_EQ(FromEnd(*longField_), FromEnd(*shortField_));
    shortField_->end(false);
    longField_->end(false);
    Drawn(*shortField_);
    Drawn(*longField_);
  }
}

TEST_F(LongTextLineEditTest, TypedTextGoesInWholeAndShows) {
  SetTexts(100);
  longField_->home(false);
  QTest::keyClicks(longField_, "typed ");
  EXPECT_EQ(longField_->text(), "typed Gene1 a/" + QString(10000, u'x') + "/b tail");
  shortField_->home(false);
  QTest::keyClicks(shortField_, "typed ");
  EXPECT_EQ(Drawn(*longField_), Drawn(*shortField_));
}

}  // namespace
