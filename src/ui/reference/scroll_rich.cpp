#include "ui/reference/scroll_rich.h"

#include <QKeyEvent>
#include <QTextEdit>
#include <QVBoxLayout>

#include "platform/user_interface.h"
#include "reference/rtf_text.h"
#include "ui/reference/escape_key.h"

namespace orv::ui {

TFScrollRich::TFScrollRich(UserInterface& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setObjectName("FScrollRich");
  setWindowTitle("Information");
  resize(640, 520);
  Memo1 = new QTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setReadOnly(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->installEventFilter(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Memo1);
}

void TFScrollRich::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TFScrollRich::FormShow() {
  Memo1->clear();
  RtfDocument doc;
  if (!ReadRtfFile(fileName_, doc)) {
    ui_.Message("Cannot open file \"" + fileName_ + "\"");
    return;
  }
  Memo1->setHtml(QString::fromStdString(RtfToHtml(doc)));
  Memo1->moveCursor(QTextCursor::Start);
}

bool TFScrollRich::eventFilter(QObject* watched, QEvent* event) {
  if (IsEscapeIn(watched, Memo1, event)) {
    reject();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace orv::ui
