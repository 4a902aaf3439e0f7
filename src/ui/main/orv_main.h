// TForm1, the main window: the painted interlinear page with its menus,
// keys, mouse clicks and pop-up menus. The state and every decision live in
// the core's Session; the handlers read the event, call the core and ask for
// a repaint. Commands never paint.
#pragma once

#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "session/session.h"

class QAction;
class QDialog;
class QMenu;
class QPainter;

namespace orv {
class StrongsLookup;
class UserInterface;
}  // namespace orv

namespace orv::ui {

class TMakeDB;
class TShowStrongs;

// TForm1: the main window with the interlinear page, its menus and keys.
class TForm1 : public QMainWindow {
 public:
  // `ui` answers every message and question and must outlive the window;
  // `programDir` is the native program folder, `settingsPath` the native
  // path of ORV.INI.
  TForm1(UserInterface& ui, const std::string& programDir, const std::string& settingsPath,
         QWidget* parent = nullptr);
  ~TForm1() override;

  Session& GetSession() { return session_; }
  UserInterface& Ui() { return ui_; }
  // Enables the menu item `name` and makes it run `handler`; commands that
  // live in units of their own attach themselves this way.
  void Wire(const std::string& name, std::function<void()> handler);
  // Repaints the page (after a command changed the view state).
  void Repaint();
  // The menu item or pop-up item with that component name ("Goto1").
  QAction* Item(const std::string& name) const;
  QMenu* PopupMenuW() const { return popupW_; }
  QMenu* PopupMenuS() const { return popupS_; }
  QMenu* PopupMenuB() const { return popupB_; }
  TShowStrongs* StrongsWindow() const { return strongs_; }
  TMakeDB* BuildDialog() const { return makeDb_; }

  // How modal dialogs are shown; tests replace it so nothing blocks.
  std::function<int(QDialog&)> runModal;
  // Runs once after the first paint, before the session's own start
  // (Session::AfterFirstPaint); may show dialogs. May be empty.
  std::function<void()> startHook;

  // Handlers, named after the controls and events.
  void FormPaint(QPainter& painter, const QRect& area);
  void FormResize();
  // A key of the navigation table (Qt key code and modifiers); true when
  // handled.
  bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
  void FormKeyPress(char c);
  void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& at,
                     bool doubleClick);
  void FormClose();

  void PrintPage1Click();
  void Print1Click();
  void Exit1Click();
  void ShowKJV1Click();
  void ViewStrongsdefinition1Click();
  void Goto1Click();
  void BuildDB1Click();
  void VerifyDB1Click();
  void GettingStarted1Click();
  void ReleaseNotes1Click();
  void Alphabet1Click();
  void About1Click();
  void StrongsClick();

  // Shows the document `file` (in the program folder) in the viewer.
  void ShowDocument(const std::string& caption, const std::string& file);
  // Shows a Strong's entry in the viewer, creating it when missing.
  void ShowStrongs(const std::string& number);
  // Asks for the word datastores when they are missing (the build dialog).
  bool EnsureDatastores();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildMenus();
  QAction* AddItem(QMenu* menu, const char* name, const char* caption, void (TForm1::*handler)(),
                   const QKeySequence& shortcut = {});
  void ShowBuild(BuildFlags asked, bool autoClose);
  void Changed(bool changed);
  void WireCommands();
  void Print(PrintScope scope);
  Citation Backward(Citation end);

  UserInterface& ui_;
  Session session_;
  std::map<std::string, QAction*> items_;
  QMenu* popupW_ = nullptr;
  QMenu* popupS_ = nullptr;
  QMenu* popupB_ = nullptr;
  TMakeDB* makeDb_ = nullptr;
  TShowStrongs* strongs_ = nullptr;
  std::unique_ptr<StrongsLookup> lookup_;
  bool alphabetDatabaseOrder_ = false;
  bool closed_ = false;
  bool inStartHook_ = false;
};

}  // namespace orv::ui
