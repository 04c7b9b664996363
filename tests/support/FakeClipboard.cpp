#include "FakeClipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QStringList>
#include <QVariant>

namespace testsupport {
namespace {

class MisbehavingOwner : public QMimeData {
 public:
  MisbehavingOwner(ClipboardOwner owner, std::shared_ptr<ClipboardQuestions> questions)
      : owner_(owner), questions_(std::move(questions)) {}

  QStringList formats() const override {
    ++questions_->formats;
    if (owner_ == ClipboardOwner::Silent) return {};
    return {QStringLiteral("text/plain"), QStringLiteral("text/plain;charset=utf-8")};
  }

 protected:
  QVariant retrieveData(const QString& /*format*/, QMetaType /*type*/) const override {
    ++questions_->data;
    return {};
  }

 private:
  ClipboardOwner owner_;
  std::shared_ptr<ClipboardQuestions> questions_;
};

}  // namespace

std::shared_ptr<const ClipboardQuestions> PutClipboardOwner(ClipboardOwner owner) {
  auto questions = std::make_shared<ClipboardQuestions>();
  QApplication::clipboard()->setMimeData(new MisbehavingOwner(owner, questions));
  *questions = {};  // what setting it asked does not count
  return questions;
}

}  // namespace testsupport
