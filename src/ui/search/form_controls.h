// Small helpers of the search dialogs' forms: controls carry the program's
// own names, and Enter is told apart from the other keys.
#pragma once

#include <QEvent>
#include <QKeyEvent>

namespace orv::ui {

// `w` with its object name set, so that tests find the control by it.
template <typename W>
W* Named(W* w, const char* name) {
  w->setObjectName(name);
  return w;
}

// Whether `event` is Enter or Return pressed.
inline bool IsEnterKey(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace orv::ui
