#include "ui/prefs/orv_prefs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <utility>

#include "model/datastore_set.h"
#include "prefs/prefs_fonts.h"
#include "ui/prefs/make_control.h"
#include "ui/prefs/orv_mng_srcs.h"

namespace orv::ui {
namespace {

// A two-item radio group in a box; the items are the group's ids 0 and 1.
QGroupBox* RadioGroup(const char* name, const QString& title, const char* first, const char* second,
                      QButtonGroup*& items, QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  box->setObjectName(name);
  items = new QButtonGroup(box);
  auto* layout = new QHBoxLayout(box);
  int id = 0;
  for (const char* caption : {first, second}) {
    auto* b = new QRadioButton(caption, box);
    items->addButton(b, id++);
    layout->addWidget(b);
  }
  return box;
}

void Check(QButtonGroup* items, int id) {
  if (QAbstractButton* b = items->button(id)) b->setChecked(true);
}

int Checked(const QButtonGroup* items) { return items->checkedId() < 0 ? 0 : items->checkedId(); }

}  // namespace

TPreferences::TPreferences(PrefsSession session, UserInterface& ui, QWidget* parent)
    : QDialog(parent), s_(std::move(session)), ui_(ui) {
  setObjectName("Preferences");
  setWindowTitle("Preferences");
  PageControl1 = Make<QTabWidget>("PageControl1", this);
  PageControl1->addTab(GeneralTab(), "General");
  PageControl1->addTab(LayoutTab(), "Layout");
  PageControl1->addTab(SourcesTab(), "Sources");
  PageControl1->addTab(FilesTab(), "Files");
  OK = Make<QPushButton>("OK", "OK", this);
  OK->setDefault(true);
  Cancel = Make<QPushButton>("Cancel", "Cancel", this);
  auto* buttons = new QHBoxLayout();
  buttons->addStretch();
  buttons->addWidget(OK);
  buttons->addWidget(Cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PageControl1);
  layout->addLayout(buttons);
  connect(OK, &QPushButton::clicked, this, [this] { OKClick(); });
  connect(Cancel, &QPushButton::clicked, this, [this] { CancelClick(); });
}

QWidget* TPreferences::GeneralTab() {
  auto* tab = new QWidget(this);
  CBHeader = Make<QCheckBox>("CBHeader", "New header for each chapter", tab);
  CBHeader->setEnabled(false);
  CBMarkFOcc = Make<QCheckBox>("CBMarkFOcc", "Mark word first occurances", tab);
  RGFO = RadioGroup("RGFO", "", "Bible", "Book", RGFOItems, tab);
  XlatFlowWith = Make<QCheckBox>("XlatFlowWith", "Translation flows with source", tab);
  CBShowStrongs = Make<QCheckBox>("CBShowStrongs", "Show Strong's numbers", tab);
  CBTheomatic = Make<QCheckBox>("CBTheomatic", "Show Thematic values", tab);
  RGTheo = RadioGroup("RGTheo", "Ordering", "Database", "Traditional", RGTheoItems, tab);
  auto* layout = new QVBoxLayout(tab);
  for (QWidget* w : std::initializer_list<QWidget*>{CBHeader, CBMarkFOcc, RGFO, XlatFlowWith,
                                                    CBShowStrongs, CBTheomatic, RGTheo}) {
    layout->addWidget(w);
  }
  connect(CBMarkFOcc, &QCheckBox::clicked, this, [this] { CBMarkFOccClick(); });
  connect(CBTheomatic, &QCheckBox::clicked, this, [this] { CBTheomaticClick(); });
  return tab;
}

QWidget* TPreferences::LayoutTab() {
  auto* tab = new QWidget(this);
  TitleSz = Make<QLineEdit>("TitleSz", tab);
  ChapSz = Make<QLineEdit>("ChapSz", tab);
  auto* layout = new QFormLayout(tab);
  layout->addRow("Title Size", TitleSz);
  layout->addRow("Chapter Size", ChapSz);
  // The spacing edits are kept on the form but never shown or read: the
  // page computes its spacing from the fonts.
  static constexpr std::array<std::pair<const char*, const char*>, kSpacingEdits> kSpacing{{
      {"HeadSp", "Header Space"},
      {"WordSp", "Word Space"},
      {"RowSp", "Row Space"},
      {"Indent", "Indent"},
      {"Footer", "Footer"},
      {"XlatSp", "Xlat Space"},
      {"TitlSp", "Title Space"},
  }};
  for (size_t i = 0; i < kSpacing.size(); ++i) {
    QLineEdit* edit = Make<QLineEdit>(kSpacing[i].first, tab);
    auto* label = new QLabel(kSpacing[i].second, tab);
    label->setBuddy(edit);
    layout->addRow(label, edit);
    for (QWidget* w : std::initializer_list<QWidget*>{label, edit}) {
      w->setEnabled(false);
      w->hide();
    }
    SpacingEdit[i] = edit;
  }
  return tab;
}

QWidget* TPreferences::SourcesTab() {
  auto* tab = new QWidget(this);
  auto* layout = new QVBoxLayout(tab);
  CBHebrew = Make<QComboBox>("CBHebrew", tab);
  layout->addWidget(new QLabel("Hebrew Source", tab));
  layout->addWidget(CBHebrew);
  layout->addWidget(new QLabel("Interlinear Translation Sources", tab));
  auto* grid = new QFormLayout();
  for (int n = 1; n <= kInterlinearLines; ++n) {
    QComboBox*& list = CBILTSelect[size_t(n - 1)];
    list = new QComboBox(tab);
    list->setObjectName(QString("CBILTSelect%1").arg(n));
    QPushButton*& font = LineFont[size_t(n - 1)];
    font = new QPushButton(QString("IL%1 Font").arg(n), tab);
    font->setObjectName(n == 1 ? QString("XFont1") : QString("ILFont%1").arg(n));
    connect(font, &QPushButton::clicked, this, [this, n] { LineFontClick(n); });
    grid->addRow(list, font);
  }
  layout->addLayout(grid);
  HebrewFont = Make<QPushButton>("HebrewFont", "Hebrew Font", tab);
  ModernFont = Make<QPushButton>("ModernFont", "Modern Font", tab);
  CBModern = Make<QCheckBox>("CBModern", "Use modern font", tab);
  auto* fonts = new QHBoxLayout();
  fonts->addWidget(HebrewFont);
  fonts->addWidget(ModernFont);
  fonts->addWidget(CBModern);
  layout->addLayout(fonts);
  connect(HebrewFont, &QPushButton::clicked, this, [this] { HebrewFontClick(); });
  connect(ModernFont, &QPushButton::clicked, this, [this] { ModernFontClick(); });
  return tab;
}

QWidget* TPreferences::FilesTab() {
  auto* tab = new QWidget(this);
  BtnILT = Make<QPushButton>("BtnILT", "Manage Interlinear Texts", tab);
  BtnXlat = Make<QPushButton>("BtnXlat", "Manage Translation Databases", tab);
  BtnHeb = Make<QPushButton>("BtnHeb", "Manage Sources", tab);
  BtnHeb->setEnabled(false);
  auto* layout = new QVBoxLayout(tab);
  for (QPushButton* b : {BtnILT, BtnXlat, BtnHeb}) layout->addWidget(b);
  layout->addStretch();
  connect(BtnILT, &QPushButton::clicked, this, [this] { BtnILTClick(); });
  connect(BtnXlat, &QPushButton::clicked, this, [this] { BtnXlatClick(); });
  return tab;
}

void TPreferences::FormShow() {
  controls_ = ShowPreferences(s_.settings, s_.stores.FOccDS.Exists());
  const PrefsControls& c = controls_;
  CBHeader->setChecked(c.header);
  CBMarkFOcc->setEnabled(c.markFOccEnabled);
  CBMarkFOcc->setChecked(c.markFOcc);
  Check(RGFOItems, c.foItem);
  XlatFlowWith->setChecked(c.flowWith);
  CBShowStrongs->setChecked(c.showStrongs);
  CBTheomatic->setChecked(c.thematic);
  Check(RGTheoItems, c.theoItem);
  TitleSz->setText(QString::fromStdString(c.titleSize));
  ChapSz->setText(QString::fromStdString(c.chapterSize));
  CBHebrew->clear();
  for (const std::string& name : c.hebrewSources) CBHebrew->addItem(QString::fromStdString(name));
  CBHebrew->setCurrentIndex(0);
  CBHebrew->setEnabled(CBHebrew->count() > 1);
  ShowLineLists();
  CBModern->setChecked(c.useModernFont);
  CBMarkFOccClick();
  CBTheomaticClick();
  sourcesChanged_ = false;
  PageControl1->setCurrentIndex(0);
  XlatFlowWith->setFocus();
}

void TPreferences::ShowLineLists() {
  const bool any = controls_.lineSources.size() > 1;
  for (size_t i = 0; i < CBILTSelect.size(); ++i) {
    QComboBox* list = CBILTSelect[i];
    list->clear();
    for (const std::string& name : controls_.lineSources)
      list->addItem(QString::fromStdString(name));
    list->setCurrentIndex(controls_.line[i]);
    list->setEnabled(any);
  }
}

void TPreferences::CBMarkFOccClick() { RGFO->setEnabled(CBMarkFOcc->isChecked()); }

void TPreferences::CBTheomaticClick() { RGTheo->setEnabled(CBTheomatic->isChecked()); }

void TPreferences::OKClick() {
  PrefsControls& c = controls_;
  c.header = CBHeader->isChecked();
  c.markFOcc = CBMarkFOcc->isChecked();
  c.foItem = Checked(RGFOItems);
  c.flowWith = XlatFlowWith->isChecked();
  c.showStrongs = CBShowStrongs->isChecked();
  c.thematic = CBTheomatic->isChecked();
  c.theoItem = Checked(RGTheoItems);
  c.titleSize = TitleSz->text().toStdString();
  c.chapterSize = ChapSz->text().toStdString();
  for (size_t i = 0; i < CBILTSelect.size(); ++i) c.line[i] = CBILTSelect[i]->currentIndex();
  c.useModernFont = CBModern->isChecked();
  ApplyPreferences(c, PrefsTarget{s_.settings, &s_.fonts, &s_.stores, &s_.view, s_.currentBook,
                                  s_.reassignSources});
  accept();
}

void TPreferences::CancelClick() { reject(); }

void TPreferences::HebrewFontClick() { ChooseSettingFont(ui_, s_.settings.hebrewFont, &s_.view); }

void TPreferences::ModernFontClick() { ChooseSettingFont(ui_, s_.settings.modernFont, &s_.view); }

void TPreferences::LineFontClick(int n) {
  if (ChooseLineFont(ui_, s_.fonts, n, &s_.view) && s_.invalidate) s_.invalidate();
}

void TPreferences::BtnILTClick() { ManageSources(SourcesMode::kInterlinearTexts); }

void TPreferences::BtnXlatClick() { ManageSources(SourcesMode::kTranslationDatabases); }

void TPreferences::ManageSources(SourcesMode mode) {
  const TILObject before = s_.settings.il;
  {
    SourcesManager manager(s_.settings.il, mode, s_.programDir, s_.dataRoot);
    TSources dialog(manager, ui_, this);
    s_.runModal ? s_.runModal(dialog) : dialog.exec();
    manager.Close(ui_);
  }
  if (!(s_.settings.il == before)) sourcesChanged_ = true;
  FillLineLists(controls_, s_.settings.il);
  ShowLineLists();
}

void TPreferences::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

}  // namespace orv::ui
