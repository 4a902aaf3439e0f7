// Escape pressed in a dialog's main control closes the dialog: the forms
// watch the control with an event filter and ask this.
#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QObject>

namespace orv::ui {

// Whether `event` is the Escape key pressed in `control`.
inline bool IsEscapeIn(const QObject* watched, const QObject* control, const QEvent* event) {
  return watched == control && event->type() == QEvent::KeyPress &&
         static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape;
}

}  // namespace orv::ui
