// The font dialog behind QtUserInterface::FontDialog: Qt's font dialog,
// embedded without its buttons, with OK and Cancel of its own and, when the
// choice asks for one, a "Color..." button that opens Qt's colour dialog
// (Qt's font dialog has no colour). Return accepts, Escape cancels the whole
// choice, font and colour together.
#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

class QFontDialog;
class QPushButton;

namespace orv::ui {

class FontColorDialog : public QDialog {
 public:
  // `withColor` shows the "Color..." button.
  FontColorDialog(const QFont& font, const QColor& color, bool withColor,
                  QWidget* parent = nullptr);

  QFont SelectedFont() const;
  QColor SelectedColor() const { return color_; }
  // As if chosen in the colour dialog.
  void SetColor(const QColor& color);

  QFontDialog* Font;   // embedded, NoButtons
  QPushButton* Color;  // "Color..."; hidden unless a colour is asked for
  QPushButton* OK;
  QPushButton* Cancel;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ChooseColor();

  QColor color_;
};

}  // namespace orv::ui
