#include "ui/reference/orv_show_strongs.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "platform/user_interface.h"
#include "reference/strongs_lookup.h"
#include "ui/reference/escape_key.h"

namespace orv::ui {

TShowStrongs::TShowStrongs(StrongsLookup& lookup, UserInterface& ui, QWidget* parent)
    : QDialog(parent), lookup_(lookup), ui_(ui) {
  setObjectName("ShowStrongs");
  setModal(false);
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  resize(480, 300);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setReadOnly(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->installEventFilter(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Memo1);
}

bool TShowStrongs::ShowDefinition(const std::string& text) {
  StrongsDefinition d = lookup_.Show(text);
  setWindowTitle(QString::fromStdString(d.caption));
  Memo1->clear();
  if (!d.shown) {
    ui_.Message(d.message);
    return false;
  }
  QString all;
  for (size_t i = 0; i < d.lines.size(); ++i) {
    if (i > 0) all += '\n';
    all += QString::fromStdString(d.lines[i]);
  }
  Memo1->setPlainText(all);
  Memo1->moveCursor(QTextCursor::Start);
  return true;
}

bool TShowStrongs::eventFilter(QObject* watched, QEvent* event) {
  if (IsEscapeIn(watched, Memo1, event)) {
    reject();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace orv::ui
