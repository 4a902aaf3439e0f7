// The alphabet chart window (TAlphabet): a tool bar choosing the letter
// order and the chart, painted by the core's PaintAlphabetChart.
#pragma once

#include <QDialog>

class QPainter;
class QToolButton;

namespace orv {
struct Settings;
}

namespace orv::ui {

// TAlphabet: the alphabet chart.
class TAlphabet : public QDialog {
 public:
  // `settings` supplies the chart's fonts; `databaseOrder` is the chart's
  // order flag, which the caller keeps for the program run (false at start).
  // Both must outlive the form.
  TAlphabet(const Settings& settings, bool& databaseOrder, QWidget* parent = nullptr);

  // "Show Traditional Order" / "Show Database Order": set the order, swap
  // which button is enabled and repaint.
  void ToolButton1Click();
  void ToolButton3Click();

  // Paints the chart over the whole chart widget.
  void FormPaint(QPainter& painter);

  QToolButton* ToolButton1;
  QToolButton* ToolButton3;
  QWidget* Chart;

 private:
  void SetOrder(bool databaseOrder);

  const Settings& settings_;
  bool& databaseOrder_;
};

}  // namespace orv::ui
