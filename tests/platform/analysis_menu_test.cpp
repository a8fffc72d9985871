// The Analysis menu on the desktop window: its place, its entries and their
// shortcuts, and both clipboard flavours of the copy commands.
#include "shown_window.h"

#include "analysis/state_copy.h"
#include "mainwindow/shown_table.h"
#include "platform/analysis/analysis_menu.h"

#include <QClipboard>
#include <QMenuBar>
#include <QMimeData>

#include <cctype>

namespace {

struct WindowWithAnalysisMenu : ShownWindow {
  WindowWithAnalysisMenu() { window.AddMenu(menu); }
  platform::AnalysisMenu menu{form, &window};
};

QStringList VisibleMenus(const platform::MainWindowWidget& window) {
  QStringList menus;
  for (QAction* action : window.menuBar()->actions()) {
    if (action->isVisible()) menus << action->text();
  }
  return menus;
}

TEST(AnalysisMenu, StandsBetweenEditAndHelpWithItsShortcuts) {
  WindowWithAnalysisMenu w;
  EXPECT_EQ(VisibleMenus(w.window), QStringList({"&File", "&Edit", "&Analysis", "&Help"}));
  EXPECT_EQ(w.menu.CopyTable().text(), "Copy State as &Table");
  EXPECT_EQ(w.menu.CopyTable().shortcut(), QKeySequence("Ctrl+Shift+C"));
  EXPECT_EQ(w.menu.CopyRow().text(), "Copy State as &Row");
  EXPECT_EQ(w.menu.CopyRow().shortcut(), QKeySequence("Ctrl+Shift+R"));
  // Alt+A belongs to the menu alone: no control or top-level menu of the
  // window has A as its access key (items inside a menu only act while it
  // is open).
  for (const mainwindow::Control* control : w.form.Controls()) {
    const std::string& caption = control->caption;
    const std::size_t amp = caption.find('&');
    if (amp == std::string::npos || amp + 1 >= caption.size()) continue;
    if (control->kind() == mainwindow::ControlKind::MenuItem &&
        static_cast<const mainwindow::MenuItem*>(control)->menu != nullptr)
      continue;
    EXPECT_NE(std::tolower(static_cast<unsigned char>(caption[amp + 1])), 'a') << control->FullName();
  }
}

TEST(AnalysisMenu, ShortcutsPutBothFlavoursOnTheClipboardFromAField) {
  WindowWithAnalysisMenu w;
  w.Click(w.Button(w.form.cmdCompute));
  ASSERT_FALSE(w.Field(48).text().isEmpty());
  struct Case {
    Qt::Key key;
    analysis::ClipboardContents (*payload)(const analysis::StateTable&);
  };
  for (const Case& c : {Case{Qt::Key_C, analysis::StateAsTable}, Case{Qt::Key_R, analysis::StateAsRow}}) {
    QGuiApplication::clipboard()->clear();
    w.Click(w.Field(46));
    w.Key(c.key, Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasFormat("text/plain"));
    EXPECT_TRUE(data->hasFormat("text/html"));
    const analysis::ClipboardContents expected = c.payload(mainwindow::ShownTable(w.form));
    EXPECT_EQ(data->text().toStdString(), expected.text);
    EXPECT_EQ(data->html().toStdString(), expected.html);
    EXPECT_EQ(QString::fromUtf8(data->data("text/plain")).toStdString(), expected.text) << "UTF-8";
  }
  EXPECT_EQ(w.FocusedName(), "txtData(46)") << "the focus stays in the field";
}

TEST(AnalysisMenu, CtrlCStillCopiesTheFieldsSelection) {
  WindowWithAnalysisMenu w;
  w.Click(w.Button(w.form.cmdCompute));
  w.Click(w.Field(43));
  w.Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), w.form.txtData(43).Text());
}

TEST(AnalysisMenu, AfterClearingBothCopyWhatTheWindowShows) {
  WindowWithAnalysisMenu w;
  w.Click(w.Button(w.form.cmdCompute));
  w.Click(w.Button(w.form.cmdClear));
  w.menu.CopyTable().trigger();
  const std::string text = QGuiApplication::clipboard()->text().toStdString();
  EXPECT_EQ(text, analysis::StateAsTable(mainwindow::ShownTable(w.form)).text);
  EXPECT_NE(text.find("Specific Volume\t\t"), std::string::npos) << text;
}

}  // namespace
