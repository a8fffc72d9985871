// The fields follow the desktop's decimal mark, and so do the copies of the
// state a spreadsheet of the same desktop reads.
#include "shown_window.h"

#include "platform/analysis/analysis_menu.h"
#include "platform/desktop_number_locale.h"

#include <QClipboard>
#include <QLocale>

namespace {

// Sets the program's default locale for the test's life.
class DefaultLocale {
 public:
  explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
  ~DefaultLocale() { QLocale::setDefault(before_); }

 private:
  QLocale before_;
};

TEST(DesktopNumberLocale, TakesTheDesktopsSeparators) {
  struct Case {
    QLocale locale;
    const char* decimal;
    const char* group;
  };
  for (const Case& c : {Case{QLocale(QLocale::English, QLocale::UnitedStates), ".", ","},
                        Case{QLocale(QLocale::German, QLocale::Germany), ",", "."},
                        Case{QLocale(QLocale::French, QLocale::France), ",", "\u202F"}}) {
    DefaultLocale scoped(c.locale);
    const units::NumberLocale numbers = platform::DesktopNumberLocale();
    EXPECT_EQ(numbers.decimalSeparator, c.decimal) << c.locale.name().toStdString();
    EXPECT_EQ(numbers.groupSeparator, c.group) << c.locale.name().toStdString();
  }
}

TEST(DesktopNumberLocale, AGermanDesktopCopiesDecimalCommas) {
  DefaultLocale scoped(QLocale(QLocale::German, QLocale::Germany));
  ShownWindow w;
  w.form.Locale = platform::DesktopNumberLocale();
  platform::AnalysisMenu menu(w.form, &w.window);
  w.Click(w.Button(w.form.cmdCompute));
  menu.CopyTable().trigger();
  const std::string text = QGuiApplication::clipboard()->text().toStdString();
  EXPECT_NE(text.find("Pressure\t14,696\tpsia\tinput"), std::string::npos) << text;
}

}  // namespace
