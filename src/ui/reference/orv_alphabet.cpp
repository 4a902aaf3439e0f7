#include "ui/reference/orv_alphabet.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "reference/alphabet_chart.h"
#include "ui/platform/qt_surface.h"

namespace orv::ui {
namespace {

// The chart's own widget, so the tool bar is not painted over.
class ChartArea : public QWidget {
 public:
  explicit ChartArea(TAlphabet& form) : QWidget(&form), form_(form) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    // The chart is laid out over the whole widget, whatever part needs
    // repainting: a damaged strip alone would start the columns at its corner.
    (void)event;
    form_.FormPaint(painter);
  }

 private:
  TAlphabet& form_;
};

QToolButton* MakeButton(QToolBar* bar, const char* name, const char* text) {
  auto* b = new QToolButton(bar);
  b->setObjectName(name);
  b->setText(text);
  b->setToolButtonStyle(Qt::ToolButtonTextOnly);
  bar->addWidget(b);
  return b;
}

}  // namespace

TAlphabet::TAlphabet(const Settings& settings, bool& databaseOrder, QWidget* parent)
    : QDialog(parent), settings_(settings), databaseOrder_(databaseOrder) {
  setObjectName("Alphabet");
  setWindowTitle("Hebrew Alphbet");
  auto* bar = new QToolBar(this);
  bar->setObjectName("ToolBar1");
  ToolButton1 = MakeButton(bar, "ToolButton1", "Show Traditional Order");
  ToolButton3 = MakeButton(bar, "ToolButton3", "Show Database Order");
  Chart = new ChartArea(*this);
  Chart->setObjectName("Chart");
  {
    // Measured with the screen's resolution, so every letter fits.
    QImage probe(1, 1, QImage::Format_RGB32);
    probe.setDotsPerMeterX(qRound(Chart->logicalDpiX() / 0.0254));
    probe.setDotsPerMeterY(qRound(Chart->logicalDpiY() / 0.0254));
    QPainter painter(&probe);
    QtSurface surface(painter, Rect{0, 0, 1, 1});
    const Extent size = AlphabetChartSize(surface, settings_);
    Chart->setMinimumSize(size.width, size.height);
  }

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(bar);
  layout->addWidget(Chart, 1);

  connect(ToolButton1, &QToolButton::clicked, this, [this] { ToolButton1Click(); });
  connect(ToolButton3, &QToolButton::clicked, this, [this] { ToolButton3Click(); });
  // The chart opens in the order last chosen in this run.
  ToolButton1->setEnabled(databaseOrder_);
  ToolButton3->setEnabled(!databaseOrder_);
}

void TAlphabet::ToolButton1Click() { SetOrder(false); }

void TAlphabet::ToolButton3Click() { SetOrder(true); }

void TAlphabet::SetOrder(bool databaseOrder) {
  databaseOrder_ = databaseOrder;
  ToolButton1->setEnabled(databaseOrder);
  ToolButton3->setEnabled(!databaseOrder);
  Chart->update();
}

void TAlphabet::FormPaint(QPainter& painter) {
  const QRect all = Chart->rect();
  QtSurface surface(painter, Rect{all.left(), all.top(), all.right() + 1, all.bottom() + 1});
  PaintAlphabetChart(surface, settings_, databaseOrder_);
}

}  // namespace orv::ui
