#include "toolkit/MouseRelay.h"

#include <QMouseEvent>
#include <QWidget>

namespace toolkit {

MouseRelay::MouseRelay(QWidget* target, Handlers handlers) : EventFilter(target), handlers_(std::move(handlers)) {}

bool MouseRelay::Filter(QObject* /*watched*/, QEvent* event) {
  switch (event->type()) {
    case QEvent::Enter:
      if (handlers_.enter) handlers_.enter();
      return false;
    case QEvent::MouseButtonPress: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton || !handlers_.down) return false;
      const QPoint at = mouse->position().toPoint();
      pressAccepted_ = handlers_.down(at.x(), at.y());
      return pressAccepted_;
    }
    case QEvent::MouseButtonRelease: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton || !pressAccepted_) return false;
      pressAccepted_ = false;
      const QPoint at = mouse->position().toPoint();
      if (handlers_.up) handlers_.up(at.x(), at.y());
      return true;
    }
    default: return false;
  }
}

}  // namespace toolkit
