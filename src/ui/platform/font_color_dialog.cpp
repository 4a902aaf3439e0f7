#include "ui/platform/font_color_dialog.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv::ui {
namespace {

constexpr int kSwatchSize = 16;  // pixels, the colour shown on the button

}  // namespace

FontColorDialog::FontColorDialog(const QFont& font, const QColor& color, bool withColor,
                                 QWidget* parent)
    : QDialog(parent), color_(color) {
  setWindowTitle("Font");
  // A platform's own dialog cannot be embedded.
  Font = new QFontDialog(this);
  Font->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
  Font->setWindowFlags(Qt::Widget);
  Font->setCurrentFont(font);
  // The embedded dialog closes itself on Escape, and on Return in its
  // lists; either ends the whole choice the same way.
  connect(Font, &QDialog::accepted, this, &QDialog::accept);
  connect(Font, &QDialog::rejected, this, &QDialog::reject);
  // Return in its edits it would swallow (it has no default button).
  Font->installEventFilter(this);

  Color = new QPushButton("&Color...", this);
  Color->setAutoDefault(false);
  Color->setVisible(withColor);
  SetColor(color);
  OK = new QPushButton("OK", this);
  OK->setDefault(true);
  Cancel = new QPushButton("Cancel", this);
  Cancel->setAutoDefault(false);
  auto* buttons = new QHBoxLayout();
  buttons->addWidget(Color);
  buttons->addStretch();
  buttons->addWidget(OK);
  buttons->addWidget(Cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Font);
  layout->addLayout(buttons);
  connect(Color, &QPushButton::clicked, this, [this] { ChooseColor(); });
  connect(OK, &QPushButton::clicked, this, &QDialog::accept);
  connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QFont FontColorDialog::SelectedFont() const { return Font->currentFont(); }

void FontColorDialog::SetColor(const QColor& color) {
  color_ = color;
  QPixmap swatch(kSwatchSize, kSwatchSize);
  swatch.fill(color);
  Color->setIcon(QIcon(swatch));
}

void FontColorDialog::ChooseColor() {
  // Cancel in the colour dialog keeps the colour; only this dialog's
  // Cancel or Escape drops the whole choice.
  const QColor chosen = QColorDialog::getColor(color_, this, "Color");
  if (chosen.isValid()) SetColor(chosen);
}

bool FontColorDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Font && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      accept();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace orv::ui
