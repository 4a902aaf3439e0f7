#include "ui/platform/vlist.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "reference/list_file.h"

namespace orv::ui {
namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const char* text) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  // Enter belongs to the list: no button may take it as the default.
  b->setAutoDefault(false);
  b->setDefault(false);
  return b;
}

}  // namespace

TAList::TAList(UserInterface& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setObjectName("AList");
  resize(420, 360);
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName("ListBox1");
  ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  ListBox1->installEventFilter(this);
  ListBox1->viewport()->installEventFilter(this);
  Save = MakeButton(this, "Save", "Save");
  Select = MakeButton(this, "Select", "Select");
  Select->setEnabled(false);
  Cancel = MakeButton(this, "Cancel", "Close");

  auto* buttons = new QHBoxLayout();
  buttons->addWidget(Save);
  buttons->addStretch(1);
  buttons->addWidget(Select);
  buttons->addWidget(Cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListBox1, 1);
  layout->addLayout(buttons);

  connect(Save, &QPushButton::clicked, this, [this] { SaveClick(); });
  connect(Select, &QPushButton::clicked, this, [this] { SelectClick(); });
  connect(Cancel, &QPushButton::clicked, this, [this] { CancelClick(); });
}

void TAList::AddItem(const std::string& item) { ListBox1->addItem(QString::fromStdString(item)); }

void TAList::SetItems(const std::vector<std::string>& items) {
  ListBox1->clear();
  for (const std::string& item : items) AddItem(item);
}

std::vector<std::string> TAList::Items() const {
  std::vector<std::string> items;
  items.reserve(static_cast<size_t>(ListBox1->count()));
  for (int i = 0; i < ListBox1->count(); ++i)
    items.push_back(ListBox1->item(i)->text().toStdString());
  return items;
}

int TAList::SelectedIndex() const {
  // The current row alone can outlive a cleared selection.
  QListWidgetItem* item = ListBox1->currentItem();
  return item && item->isSelected() ? ListBox1->currentRow() : -1;
}

void TAList::SetSelectedIndex(int index) {
  if (index < 0 || index >= ListBox1->count()) {
    ListBox1->setCurrentRow(-1);
    ListBox1->clearSelection();
    return;
  }
  ListBox1->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
}

void TAList::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TAList::FormShow() {
  ListBox1->setFocus();
  if (ListBox1->currentItem()) ListBox1->scrollToItem(ListBox1->currentItem());
}

void TAList::SelectClick() { accept(); }

void TAList::CancelClick() { reject(); }

void TAList::reject() {
  SetSelectedIndex(-1);
  QDialog::reject();
}

void TAList::SaveClick() { SaveListFile(ui_, windowTitle().toStdString(), Items()); }

bool TAList::ListBox1KeyDown(int key) {
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    SelectClick();
    return true;
  }
  if (key == Qt::Key_Escape) {
    CancelClick();
    return true;
  }
  return false;
}

void TAList::ListBox1DblClick(const QPoint& pos) {
  if (QListWidgetItem* item = ListBox1->itemAt(pos)) SetSelectedIndex(ListBox1->row(item));
  SelectClick();
}

bool TAList::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ListBox1 && event->type() == QEvent::KeyPress) {
    if (ListBox1KeyDown(static_cast<QKeyEvent*>(event)->key())) return true;
  } else if (watched == ListBox1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton) {
      ListBox1DblClick(mouse->position().toPoint());
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace orv::ui
