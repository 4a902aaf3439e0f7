#include "ui/reference/orv_about.h"

#include <gtest/gtest.h>
#include <sys/time.h>

#include <QLabel>
#include <QPushButton>
#include <ctime>
#include <fstream>

#include "config/settings.h"
#include "support/temp_dir.h"
#include "ui/qt_app.h"

namespace orv::ui {
namespace {

// A file last changed at noon, local time, of the given day.
std::string DatedFile(const test::TempDir& dir, int year, int month, int day) {
  const std::string file = dir.File("orvane");
  std::ofstream(file) << "program";
  std::tm noon{};
  noon.tm_year = year - 1900;
  noon.tm_mon = month - 1;
  noon.tm_mday = day;
  noon.tm_hour = 12;
  noon.tm_isdst = -1;
  const time_t t = std::mktime(&noon);
  timeval times[2] = {{t, 0}, {t, 0}};
  EXPECT_EQ(::utimes(file.c_str(), times), 0);
  return file;
}

QString LabelText(const QDialog& d, const char* name) {
  const QLabel* l = d.findChild<QLabel*>(name);
  return l ? l->text() : QString("<missing %1>").arg(name);
}

TEST(TAbout, ShowsTheSettingsVersionAndTheProgramFilesJulianDate) {
  test::TestApp();
  test::TempDir dir;
  Settings settings;
  settings.version = "1.9.1";
  TAbout about(settings, DatedFile(dir, 2024, 6, 14));
  EXPECT_EQ(about.windowTitle(), "ORV About");
  EXPECT_EQ(about.Version->text(), "1.9.1");
  EXPECT_EQ(about.FileDate->text(), "01 Jun 2024 A.D. (Julian)");
  EXPECT_EQ(LabelText(about, "Title"), "Hebrew Orvane ");
  EXPECT_EQ(LabelText(about, "Grace"), "through the grace of IAUE Aleim");
  EXPECT_EQ(LabelText(about, "Label1"), "Version :");
  EXPECT_EQ(LabelText(about, "Label2"), "Version Date :");
  EXPECT_TRUE(LabelText(about, "Credit").contains("Open Scriptures Hebrew Bible"));
  EXPECT_TRUE(LabelText(about, "Credit").contains("CC BY 4.0"));

  about.show();
  about.BClose->click();
  EXPECT_FALSE(about.isVisible());
}

TEST(TAbout, AProgramFileWithoutADateLeavesTheDateEmpty) {
  test::TestApp();
  test::TempDir dir;
  Settings settings;
  TAbout about(settings, dir.File("missing"));
  EXPECT_EQ(about.FileDate->text(), "");
  // The running test program stands in for the program's own file.
  TAbout own(settings);
  EXPECT_TRUE(own.FileDate->text().endsWith(" A.D. (Julian)"))
      << own.FileDate->text().toStdString();
}

}  // namespace
}  // namespace orv::ui
