// The about box (TAbout): the program's title, the settings' version and
// the program file's date in the Julian reckoning, and the credit of the
// Hebrew text.
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QPushButton;

namespace orv {
struct Settings;
}

namespace orv::ui {

// TAbout: the about box.
class TAbout : public QDialog {
 public:
  // `programFile` is the native path of the program's own file, whose
  // modification date the box shows; empty means the running executable.
  explicit TAbout(const Settings& settings, const std::string& programFile = "",
                  QWidget* parent = nullptr);

  // Fills `Version` and `FileDate` (empty when the file has no date).
  void FormCreate(const Settings& settings, const std::string& programFile);
  void BCloseClick();

  QLabel* Version;
  QLabel* FileDate;
  QPushButton* BClose;

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace orv::ui
