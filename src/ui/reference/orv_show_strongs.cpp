#include "ui/reference/orv_show_strongs.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStringList>
#include <QTextOption>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "platform/user_interface.h"
#include "reference/strongs_lookup.h"
#include "ui/reference/escape_key.h"

namespace orv::ui {
namespace {

// Width a line needs beyond its glyphs and the document margins: the
// cursor, and the rounding of the glyph advances.
constexpr int kLineSlack = 4;

// The window width at which `memo`, filling the window, shows each of
// `lines` on one line, but no wider than `screen` (if any).
int WidthForLines(const QPlainTextEdit& memo, const QStringList& lines, const QScreen* screen) {
  const QFontMetricsF metrics(memo.document()->defaultFont());
  qreal widest = 0;
  for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
  const int text =
      static_cast<int>(std::ceil(widest + 2 * memo.document()->documentMargin())) + kLineSlack;
  const int frame = 2 * memo.frameWidth() + memo.verticalScrollBar()->sizeHint().width();
  const int wanted = text + frame;
  return screen ? std::min(wanted, screen->availableGeometry().width()) : wanted;
}

}  // namespace

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
  // The entries are English text with Hebrew words in it. Left to itself
  // the text would take each line's direction from its first strong
  // letter, which in a header line is Hebrew, and show the line backwards.
  QTextOption option = Memo1->document()->defaultTextOption();
  option.setTextDirection(Qt::LeftToRight);
  Memo1->document()->setDefaultTextOption(option);
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
  QStringList lines;
  for (const std::string& line : d.lines) lines << QString::fromStdString(line);
  // The dictionary's lines are broken where its maker chose; broken again
  // by a narrower window they would leave single words on lines of their own.
  const int wanted = WidthForLines(*Memo1, lines, screen());
  if (width() < wanted) resize(wanted, height());
  Memo1->setPlainText(lines.join('\n'));
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
