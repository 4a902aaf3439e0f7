#include "ui/main/orv_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "archive/archive_reader.h"
#include "build/build_plan.h"
#include "build/db_verify.h"
#include "cite/cite_counts.h"
#include "model/source_reader.h"
#include "page/page_print.h"
#include "page/page_rows.h"
#include "platform/path_map.h"
#include "platform/user_interface.h"
#include "reference/strongs_lookup.h"
#include "reference/supplement_list.h"
#include "session/main_input.h"
#include "session/navigation.h"
#include "ui/build/orv_make_db.h"
#include "ui/main/count_commands.h"
#include "ui/main/edit_commands.h"
#include "ui/main/prefs_commands.h"
#include "ui/main/print_job.h"
#include "ui/main/reference_edit_commands.h"
#include "ui/main/search_commands.h"
#include "ui/main/value_commands.h"
#include "ui/platform/qt_surface.h"
#include "ui/reference/orv_about.h"
#include "ui/reference/orv_alphabet.h"
#include "ui/reference/orv_show_strongs.h"
#include "ui/reference/scroll_rich.h"

namespace orv::ui {
namespace {

// The page: paints through the form and hands it the mouse.
class PageView : public QWidget {
 public:
  explicit PageView(TForm1& form) : QWidget(&form), form_(form) {
    setAutoFillBackground(false);
    setMouseTracking(false);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    form_.FormPaint(painter, rect());
  }
  void mousePressEvent(QMouseEvent* e) override {
    form_.FormMouseDown(e->button(), e->modifiers(), e->position().toPoint(), false);
  }
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    form_.FormMouseDown(e->button(), e->modifiers(), e->position().toPoint(), true);
  }

 private:
  TForm1& form_;
};

NavKey KeyOf(int key) {
  switch (key) {
    case Qt::Key_PageUp:
      return NavKey::kPageUp;
    case Qt::Key_PageDown:
      return NavKey::kPageDown;
    case Qt::Key_Home:
      return NavKey::kHome;
    case Qt::Key_Up:
      return NavKey::kUp;
    case Qt::Key_Down:
      return NavKey::kDown;
    case Qt::Key_Left:
      return NavKey::kLeft;
    case Qt::Key_Right:
      return NavKey::kRight;
    case Qt::Key_F12:
      return NavKey::kF12;
    default:
      return NavKey::kOther;
  }
}

}  // namespace

TForm1::TForm1(UserInterface& ui, const std::string& programDir, const std::string& settingsPath,
               QWidget* parent)
    : QMainWindow(parent),
      ui_(ui),
      session_(
          ui, programDir, settingsPath,
          SessionHooks{[this](BuildFlags asked, bool autoClose) { ShowBuild(asked, autoClose); },
                       [this](const std::string& caption, const std::string& file) {
                         ShowDocument(caption, file);
                       },
                       {}}) {
  runModal = [](QDialog& d) { return d.exec(); };
  setObjectName("Form1");
  setWindowTitle(kMainCaption);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);
  setAutoFillBackground(true);
  auto* page = new PageView(*this);
  page->setObjectName("Page");
  setCentralWidget(page);
  setFocusPolicy(Qt::StrongFocus);
  makeDb_ = new TMakeDB(*session_.stores, SourceFolder(programDir, session_.settings.DataDir()),
                        ui_, this);
  makeDb_->loadDefaultStrongs = [this] {
    ui_.Message(ArchiveReadMessage(SetStrDef(*session_.stores, session_.programDir), true));
  };
  BuildMenus();
  WireCommands();
  Item("ShowKJV1")->setChecked(session_.settings.showKJV);
}

TForm1::~TForm1() { FormClose(); }

QAction* TForm1::Item(const std::string& name) const {
  auto it = items_.find(name);
  return it == items_.end() ? nullptr : it->second;
}

QAction* TForm1::AddItem(QMenu* menu, const char* name, const char* caption,
                         void (TForm1::*handler)(), const QKeySequence& shortcut) {
  QAction* a = menu->addAction(QString::fromUtf8(caption));
  a->setObjectName(name);
  if (!shortcut.isEmpty()) a->setShortcut(shortcut);
  if (handler) {
    connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
  } else {
    a->setEnabled(false);  // built with the searches, editors and reports
  }
  items_[name] = a;
  return a;
}

void TForm1::BuildMenus() {
  QMenuBar* bar = menuBar();
  QMenu* file = bar->addMenu("&File");
  AddItem(file, "Import1", "&Import…", nullptr, QKeySequence("Ctrl+I"));
  file->addSeparator();
  AddItem(file, "PrintPage1", "Print Page", &TForm1::PrintPage1Click);
  AddItem(file, "Print1", "&Print Chapter", &TForm1::Print1Click);
  file->addSeparator();
  AddItem(file, "Exit1", "E&xit", &TForm1::Exit1Click, QKeySequence("Ctrl+Q"));

  QMenu* edit = bar->addMenu("&Edit");
  AddItem(edit, "Find1", "&Find", nullptr, QKeySequence("Ctrl+F"));
  AddItem(edit, "FindNext1", "Find &Next", nullptr, QKeySequence(Qt::Key_F3));
  AddItem(edit, "BrowseDB1", "&Browse DB", nullptr);
  QMenu* search = edit->addMenu("&Search");
  search->setObjectName("Search1");
  AddItem(search, "MarkedWords1", "Marked &Words", nullptr);
  AddItem(search, "MarkedUses1", "Marked &Uses", nullptr);
  AddItem(search, "ThematicValue1", "&Thematic Value", nullptr);
  AddItem(search, "WordDefs", "Word &definitions", nullptr);
  AddItem(search, "Embeddedword1", "&Embedded word", nullptr);
  edit->addSeparator();
  AddItem(edit, "Preferences1", "&Preferences", nullptr);

  QMenu* view = bar->addMenu("&View");
  AddItem(view, "ShowKJV1", "Show &KJV", &TForm1::ShowKJV1Click)->setCheckable(true);
  AddItem(view, "ViewStrongsdefinition1", "View &Strong's def.",
          &TForm1::ViewStrongsdefinition1Click, QKeySequence("Ctrl+S"));
  view->addSeparator();
  AddItem(view, "Goto1", "&Go to...", &TForm1::Goto1Click, QKeySequence("Ctrl+G"));
  struct Step {
    const char* name;
    const char* caption;
    bool (*step)(Session&);
  };
  const Step steps[] = {
      {"Backward1", "Backward", StepBackward},     {"Foreward1", "Foreward", StepForward},
      {"NextPage1", "Next Page", StepNextPage},    {"PrevPage1", "Prev Page", nullptr},
      {"NextVerse1", "Next Verse", StepNextVerse}, {"PrevVerse1", "Prev Verse", StepPrevVerse},
      {"NextChap1", "Next Chap", StepNextChapter}, {"PrevChap1", "Prev Chap", StepPrevChapter}};
  for (const Step& s : steps) {
    QAction* a = view->addAction(s.caption);
    a->setObjectName(s.name);
    items_[s.name] = a;
    auto step = s.step;
    connect(a, &QAction::triggered, this, [this, step] {
      Changed(step ? step(session_)
                   : StepPrevPage(session_, [this](Citation end) { return Backward(end); }));
    });
  }

  QMenu* tools = bar->addMenu("&Tools");
  AddItem(tools, "BuildDB1", "&Build DB", &TForm1::BuildDB1Click);
  AddItem(tools, "VerifyDB1", "Verify DB", &TForm1::VerifyDB1Click);
  AddItem(tools, "CountWord1", "&Count Word...", nullptr);
  AddItem(tools, "Thematicvalue2", "&Thematic value", nullptr);
  AddItem(tools, "Concordance1", "C&oncordance", nullptr);
  AddItem(tools, "Firstoccurance1", "&First occurrences", nullptr);
  AddItem(tools, "Archive1", "&Archive...", nullptr);

  QMenu* help = bar->addMenu("&Help");
  AddItem(help, "GettingStarted1", "&Getting Started", &TForm1::GettingStarted1Click);
  AddItem(help, "ReleaseNotes1", "&Release Notes", &TForm1::ReleaseNotes1Click);
  AddItem(help, "Alphabet1", "A&lphabet", &TForm1::Alphabet1Click);
  help->addSeparator();
  AddItem(help, "About1", "&About...", &TForm1::About1Click);

  popupW_ = new QMenu(this);
  popupW_->setObjectName("PopupMenuW");
  AddItem(popupW_, "StrongsEntry1", "Strong's Entry", nullptr);
  AddItem(popupW_, "ILTEntry1", "ILT Entry", nullptr);
  AddItem(popupW_, "BrowseDB2", "Browse DB", nullptr);
  AddItem(popupW_, "OccurW", "Occurrences", nullptr);
  AddItem(popupW_, "Count1", "Count", nullptr);
  AddItem(popupW_, "Define1", "Define", nullptr);
  popupS_ = new QMenu(this);
  popupS_->setObjectName("PopupMenuS");
  AddItem(popupS_, "OccurS", "Occurrences", nullptr);
  AddItem(popupS_, "CountS", "Count", nullptr);
  AddItem(popupS_, "Strongs", "Strong's def", &TForm1::StrongsClick);
  popupB_ = new QMenu(this);
  popupB_->setObjectName("PopupMenuB");
  AddItem(popupB_, "Preferences2", "Preferences", nullptr);
}

void TForm1::Changed(bool changed) {
  if (changed) centralWidget()->update();
}

void TForm1::Repaint() { centralWidget()->update(); }

void TForm1::Wire(const std::string& name, std::function<void()> handler) {
  QAction* a = Item(name);
  if (!a) return;
  a->setEnabled(true);
  connect(a, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
}

// The commands kept in units of their own (searches, counts, reports, ...).
void TForm1::WireCommands() {
  WireSearchCommands(*this);
  WireCountCommands(*this);
  WireValueCommands(*this);
  WirePrefsCommands(*this);
  WireEditCommands(*this);
  WireReferenceEditCommands(*this);
}

Citation TForm1::Backward(Citation end) {
  // The layout measures with the page's fonts; an image surface of the
  // page's size measures as the window does.
  QImage image(1, 1, QImage::Format_RGB32);
  QPainter painter(&image);
  const QRect r = centralWidget()->rect();
  QtSurface surface(painter, Rect{0, 0, r.width(), r.height()});
  return BackwardLayout(surface, session_.layout, session_.page, *session_.env, session_.view, end);
}

void TForm1::FormPaint(QPainter& painter, const QRect& area) {
  painter.fillRect(area, Qt::white);
  // A build lets events through while it runs; the engine must not be
  // entered from a paint meanwhile.
  if (makeDb_ && makeDb_->Building()) return;
  QtSurface surface(painter, Rect{area.left(), area.top(), area.right() + 1, area.bottom() + 1});
  session_.Paint(surface);
  if (session_.firstPaintPending) {
    QTimer::singleShot(0, this, [this] {
      // A dialog of the start hook paints the page again, which queues this
      // once more: the start goes on only where the hook was called.
      if (inStartHook_) return;
      if (startHook && session_.firstPaintPending) {
        inStartHook_ = true;
        startHook();
        inStartHook_ = false;
      }
      session_.AfterFirstPaint();
      centralWidget()->update();
    });
  }
}

void TForm1::FormResize() {
  if (!session_.windowAlive) return;
  session_.layout.geometryChanged = true;
  session_.Relayout();
  centralWidget()->update();
}

bool TForm1::FormKeyDown(int key, Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  const NavKey k = KeyOf(key);
  if (k == NavKey::kOther) return false;
  KeyModifiers m;
  m.shift = modifiers & Qt::ShiftModifier;
  m.ctrl = modifiers & Qt::ControlModifier;
  m.alt = modifiers & Qt::AltModifier;
  m.button = buttons != Qt::NoButton;
  Changed(NavKeyDown(session_, k, m, [this](Citation end) { return Backward(end); }));
  return true;
}

void TForm1::FormKeyPress(char c) { Changed(NavKeyPress(session_, c)); }

void TForm1::keyPressEvent(QKeyEvent* event) {
  if (FormKeyDown(event->key(), event->modifiers(), QApplication::mouseButtons())) return;
  const QString text = event->text();
  if (text.size() == 1 && text[0].unicode() < 128) {
    FormKeyPress(static_cast<char>(text[0].unicode()));
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void TForm1::FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                           const QPoint& at, bool doubleClick) {
  if (modifiers != Qt::NoModifier) return;
  const QPoint global = centralWidget()->mapToGlobal(at);
  if (button == Qt::LeftButton) {
    ClickResult r = doubleClick ? LeftDoubleClick(session_, at.x(), at.y())
                                : LeftClick(session_, at.x(), at.y());
    if (r.action == ClickAction::kEditWord && session_.hooks.showWordEditor) {
      session_.hooks.showWordEditor(r.text, r.cite);
      Repaint();
      return;
    }
    if (r.action != ClickAction::kLoadStrongs) return;
    if (doubleClick) {
      ShowStrongs(r.text);
    } else if (strongs_ && strongs_->isVisible() && strongs_->ShowDefinition(r.text)) {
      strongs_->show();
    }
    return;
  }
  if (button != Qt::RightButton || doubleClick) return;
  ClickResult r = RightClick(session_, at.x(), at.y(), [this] { return EnsureDatastores(); });
  switch (r.action) {
    case ClickAction::kWordMenu:
      popupW_->popup(global);
      break;
    case ClickAction::kNumberMenu:
      popupS_->popup(global + QPoint(0, 20));
      break;
    case ClickAction::kBackgroundMenu:
      popupB_->popup(global + QPoint(0, 20));
      break;
    default:
      break;
  }
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FormResize();
}

void TForm1::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

void TForm1::FormClose() {
  if (closed_) return;
  closed_ = true;
  if (!session_.Close()) ui_.Message("The settings could not be saved to " + SettingsPath());
  if (lookup_) lookup_->Close();
}

void TForm1::Print(PrintScope scope) {
  session_.printWholePage = scope;
  PrintOnDefaultPrinter(session_, ui_, scope);
  centralWidget()->update();
}

void TForm1::PrintPage1Click() { Print(PrintScope::kPage); }
void TForm1::Print1Click() { Print(PrintScope::kChapter); }

void TForm1::Exit1Click() {
  session_.windowAlive = false;
  close();
}

void TForm1::ShowKJV1Click() {
  session_.SetShowKJV(!session_.settings.showKJV);
  Item("ShowKJV1")->setChecked(session_.settings.showKJV);
  centralWidget()->update();
}

void TForm1::ViewStrongsdefinition1Click() {
  std::string text;
  if (!ui_.InputBox("Display Strong's definition", "Enter Strong's number", text) || text.empty()) {
    return;
  }
  int number = 0;
  const std::string problem = CheckStrongsNumber(text, number);
  if (!problem.empty()) {
    ui_.Message(problem);
    return;
  }
  ShowStrongs(std::to_string(number));
}

void TForm1::Goto1Click() {
  std::string text;
  if (ui_.InputBox("Go to verse", "Enter cite", text)) {
    DatastoreCounts counts(*session_.stores);
    if (!GoToVerse(session_.view, text, counts)) ui_.Message(kInvalidCite);
  }
  centralWidget()->update();
}

void TForm1::ShowBuild(BuildFlags asked, bool autoClose) {
  makeDb_->buildOptions = asked;
  makeDb_->autoClose = autoClose;
  runModal(*makeDb_);
}

bool TForm1::EnsureDatastores() {
  return orv::EnsureDatastores(*session_.stores, ui_, [this] { ShowBuild(BuildFlags{}, true); });
}

void TForm1::BuildDB1Click() {
  ShowBuild(BuildFlags{}, false);
  session_.Relayout(true);
  centralWidget()->update();
}

void TForm1::VerifyDB1Click() {
  VerifyDatastores(*session_.stores, ui_, [this] { ShowBuild(BuildFlags{}, true); });
}

void TForm1::ShowDocument(const std::string& caption, const std::string& file) {
  TFScrollRich viewer(ui_, this);
  viewer.setWindowTitle(QString::fromStdString(caption));
  viewer.SetFileName(JoinPath(session_.programDir, file));
  runModal(viewer);
}

void TForm1::GettingStarted1Click() { ShowDocument("Getting Started", "HELP.RTF"); }
void TForm1::ReleaseNotes1Click() { ShowDocument("Release Notes", "README.RTF"); }

void TForm1::Alphabet1Click() {
  TAlphabet chart(session_.settings, alphabetDatabaseOrder_, this);
  runModal(chart);
}

void TForm1::About1Click() {
  TAbout about(session_.settings, "", this);
  runModal(about);
}

void TForm1::ShowStrongs(const std::string& number) {
  if (!strongs_) {
    SupplementList supplements;
    const std::string& dir = session_.programDir;
    supplements.Load(JoinPath(dir, kSupplementFile));
    lookup_ = std::make_unique<StrongsLookup>(JoinPath(dir, kDictionaryFile),
                                              NativePath(kStrongsIndexStored), supplements);
    strongs_ = new TShowStrongs(*lookup_, ui_, this);
  }
  if (strongs_->ShowDefinition(number)) strongs_->show();
}

void TForm1::StrongsClick() { ShowStrongs(session_.view.popupWord); }

}  // namespace orv::ui
