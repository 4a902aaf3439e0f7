#include "ui/prefs/orv_mng_srcs.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "prefs/sources_manager.h"
#include "ui/prefs/make_control.h"

namespace orv::ui {
namespace {

constexpr int kRowHeight = 24;  // pixels
constexpr int kHeaderPad = 20;  // added to a header text's width
constexpr int kColumns = 3;

}  // namespace

TSources::TSources(SourcesManager& manager, UserInterface& ui, QWidget* parent)
    : QDialog(parent), m_(manager), ui_(ui) {
  setObjectName("Sources");
  setWindowTitle(QString::fromStdString(m_.Caption()));
  SG1 = Make<QTableWidget>("SG1", 0, kColumns, this);
  SG1->verticalHeader()->hide();
  SG1->verticalHeader()->setDefaultSectionSize(kRowHeight);
  SG1->setSelectionMode(QAbstractItemView::SingleSelection);
  QStringList headers;
  for (const std::string& h : m_.Headers()) headers << QString::fromStdString(h);
  SG1->setHorizontalHeaderLabels(headers);
  for (int c = 0; c < kDirColumn; ++c) {
    SG1->setColumnWidth(c, SG1->fontMetrics().horizontalAdvance(headers[c]) + kHeaderPad);
  }
  SG1->horizontalHeader()->setStretchLastSection(true);
  BtnNew = Make<QPushButton>("BtnNew", "Create", this);
  BtnAddRef = Make<QPushButton>("BtnAddRef", "Add Ref", this);
  BtnDelRef = Make<QPushButton>("BtnDelRef", "Del Ref", this);
  BtnDone = Make<QPushButton>("BtnDone", "Done", this);
  auto* buttons = new QHBoxLayout();
  for (QPushButton* b : {BtnNew, BtnAddRef, BtnDelRef}) buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(BtnDone);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(SG1);
  layout->addLayout(buttons);
  resize(640, 340);

  connect(BtnNew, &QPushButton::clicked, this, [this] { BtnNewClick(); });
  connect(BtnAddRef, &QPushButton::clicked, this, [this] { BtnAddRefClick(); });
  connect(BtnDelRef, &QPushButton::clicked, this, [this] { BtnDelRefClick(); });
  connect(BtnDone, &QPushButton::clicked, this, [this] { BtnDoneClick(); });
  connect(SG1, &QTableWidget::currentCellChanged, this,
          [this](int row, int column) { SG1SelectCell(row + 1, column); });
  connect(SG1, &QTableWidget::cellChanged, this,
          [this](int row, int column) { CellEdited(row, column); });
  ShowRows();
}

void TSources::ShowRows() {
  filling_ = true;
  SG1->setRowCount(m_.EntryCount());
  for (int r = 0; r < m_.EntryCount(); ++r) {
    const SourceRow& row = m_.rows[size_t(r)];
    SG1->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(row.identifier)));
    SG1->setItem(r, 1, new QTableWidgetItem(QString::fromStdString(row.language)));
    auto* dir = new QTableWidgetItem(QString::fromStdString(row.directory));
    dir->setFlags(Qt::ItemIsEnabled);  // shown, never selected or edited
    SG1->setItem(r, kDirColumn, dir);
  }
  filling_ = false;
  BtnNew->setEnabled(m_.CreateEnabled());
  BtnAddRef->setEnabled(m_.AddRefEnabled());
  BtnDelRef->setEnabled(m_.DelRefEnabled());
}

void TSources::CellEdited(int row, int column) {
  if (filling_ || row < 0 || row >= m_.EntryCount()) return;
  const std::string text = SG1->item(row, column)->text().toStdString();
  SourceRow& r = m_.rows[size_t(row)];
  if (column == 0) r.identifier = text;
  if (column == 1) r.language = text;
}

void TSources::SG1SelectCell(int row, int column) {
  if (m_.SelectCell(row, column)) BtnDelRef->setEnabled(m_.DelRefEnabled());
}

void TSources::BtnNewClick() {
  if (m_.Create(ui_)) ShowRows();
}

void TSources::BtnAddRefClick() {
  if (m_.AddRef(ui_)) ShowRows();
}

void TSources::BtnDelRefClick() {
  if (m_.DelRef(ui_)) ShowRows();
}

void TSources::BtnDoneClick() { accept(); }

}  // namespace orv::ui
