#include "ui/platform/qt_user_interface.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include "ui/platform/font_color_dialog.h"
#include "ui/platform/qt_surface.h"
#include "ui/platform/vlist.h"

namespace orv::ui {
namespace {

QString Q(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::string S(const QString& s) { return s.toUtf8().toStdString(); }

QMessageBox::StandardButton Ask(QWidget* parent, const std::string& text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton escape) {
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), Q(text), buttons,
                  parent);
  // Texts are shown exactly as given, never as markup.
  box.setTextFormat(Qt::PlainText);
  box.setEscapeButton(escape);
  int result = box.exec();
  return static_cast<QMessageBox::StandardButton>(result);
}

// "*.txt;*.lst" -> "Text files (*.txt *.TXT *.lst *.LST)": file names on
// this system differ in case, the patterns were written for one that does
// not.
QString NameFilter(const FileFilter& f) {
  QStringList patterns;
  for (const QString& p : Q(f.patterns).split(';', Qt::SkipEmptyParts)) {
    QString t = p.trimmed();
    for (const QString& v : {t, t.toLower(), t.toUpper()}) {
      if (!patterns.contains(v)) patterns << v;
    }
  }
  return Q(f.description) + " (" + patterns.join(' ') + ")";
}

}  // namespace

void SetApplicationTitle(const std::string& title) {
  QCoreApplication::setApplicationName(Q(title));
}

QtUserInterface::~QtUserInterface() {
  while (waitDepth_ > 0) SetWaitCursor(false);
}

void QtUserInterface::Message(const std::string& text) {
  Ask(parent_, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtUserInterface::YesNo(const std::string& text) {
  return Ask(parent_, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
         QMessageBox::Yes;
}

int QtUserInterface::YesNoCancel(const std::string& text) {
  switch (Ask(parent_, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
              QMessageBox::Cancel)) {
    case QMessageBox::Yes:
      return 1;
    case QMessageBox::No:
      return 0;
    default:
      return -1;
  }
}

bool QtUserInterface::InputBox(const std::string& caption, const std::string& prompt,
                               std::string& value) {
  QInputDialog dialog(parent_);
  dialog.setWindowTitle(Q(caption));
  dialog.setLabelText(Q(prompt));
  dialog.setTextValue(Q(value));
  if (dialog.exec() != QDialog::Accepted) return false;
  value = S(dialog.textValue());
  return true;
}

bool QtUserInterface::FileDialog(const FileDialogRequest& request, bool save, std::string& path) {
  QFileDialog dialog(parent_, Q(request.title));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(Q(request.extension));
  QStringList filters;
  for (const FileFilter& f : request.filters) filters << NameFilter(f);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  dialog.setDirectory(request.folder.empty() ? QDir::currentPath() : Q(request.folder));
  if (!request.defaultName.empty()) dialog.selectFile(Q(request.defaultName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  path = S(QDir::toNativeSeparators(dialog.selectedFiles().first()));
  return true;
}

bool QtUserInterface::SaveFileDialog(const FileDialogRequest& request, std::string& path) {
  return FileDialog(request, true, path);
}

bool QtUserInterface::OpenFileDialog(const FileDialogRequest& request, std::string& path) {
  return FileDialog(request, false, path);
}

bool QtUserInterface::SelectFolder(const std::string& caption, std::string& folder) {
  QString chosen = QFileDialog::getExistingDirectory(parent_, Q(caption), Q(folder));
  if (chosen.isEmpty()) return false;
  folder = S(QDir::toNativeSeparators(chosen));
  return true;
}

bool QtUserInterface::FontDialog(FontChoice& font) {
  QString shown = ResolveFont(font.name).family;
  QFont start(shown);
  if (font.size > 0) start.setPointSize(font.size);
  start.setBold(font.style & kFontBold);
  start.setItalic(font.style & kFontItalic);
  FontColorDialog dialog(start, QColor(font.color.red, font.color.green, font.color.blue),
                         font.withColor, parent_);
  if (dialog.exec() != QDialog::Accepted) return false;
  const QFont chosen = dialog.SelectedFont();
  if (chosen.family().compare(shown, Qt::CaseInsensitive) != 0) font.name = S(chosen.family());
  font.size = chosen.pointSize();
  font.style = (chosen.bold() ? kFontBold : 0) | (chosen.italic() ? kFontItalic : 0);
  if (font.withColor) {
    const QColor c = dialog.SelectedColor();
    font.color = Rgb{static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
                     static_cast<uint8_t>(c.blue())};
  }
  return true;
}

int QtUserInterface::ShowList(const ListRequest& request) {
  TAList list(*this, parent_);
  list.setWindowTitle(QString::fromStdString(request.caption));
  list.SetItems(request.lines);
  list.SetSelectedIndex(request.selected);
  list.Select->setEnabled(request.pick);
  list.exec();
  return request.pick ? list.SelectedIndex() : -1;
}

void QtUserInterface::SetWaitCursor(bool waiting) {
  // Qt keeps a stack of override cursors; the depth only guards against an
  // unmatched restore popping a cursor someone else set.
  if (waiting) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++waitDepth_;
  } else if (waitDepth_ > 0) {
    QApplication::restoreOverrideCursor();
    --waitDepth_;
  }
}

}  // namespace orv::ui
