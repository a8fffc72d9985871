// Cut, Copy and Paste on the focused value field; a locked field can be
// copied from but never changed.
#include "loaded_window.h"

#include <stdexcept>
#include <string>

using mainwindow::Key;

TEST(Clipboard, CopyTakesTheSelectedTextOfAnyField) {
  LoadedWindow w;
  w.Click("txtData(48)");
  w.Click("mnuEditCopy");
  EXPECT_EQ(w.clipboard.GetText(), "0.016047");
}

TEST(Clipboard, CutAndPasteMoveTextBetweenEditableFields) {
  LoadedWindow w;
  w.Click("mnuEditCut");
  EXPECT_EQ(w.Text(43), "");
  EXPECT_EQ(w.clipboard.GetText(), "68.00");
  w.Click("txtData(44)");
  w.Click("mnuEditPaste");
  EXPECT_EQ(w.Text(44), "68.00");
  EXPECT_EQ(w.form.WorkingState.Temperature, 0.0) << "the emptied temperature field was left";
}

TEST(Clipboard, CutWithNothingSelectedEmptiesTheClipboardOnly) {
  LoadedWindow w;
  w.Press(Key::Backspace);
  w.Type("5");
  w.clipboard.SetText("old");
  w.Click("mnuEditCut");
  EXPECT_EQ(w.clipboard.GetText(), "");
  EXPECT_EQ(w.Text(43), "5");
}

TEST(Clipboard, CopyWhileAUnitListHasTheFocusDoesNothing) {
  LoadedWindow w;
  w.clipboard.SetText("kept");
  w.Select(16, 1);
  w.Click("mnuEditCopy");
  w.Click("mnuEditCut");
  EXPECT_EQ(w.clipboard.GetText(), "kept");
}

TEST(Clipboard, CommandNamesAnyCaseAndUnknownOnesIgnored) {
  LoadedWindow w;
  w.form.CutCopyPaste("cOpY");
  EXPECT_EQ(w.clipboard.GetText(), "68.00");
  w.form.CutCopyPaste("Shred");
  EXPECT_EQ(w.Text(43), "68.00");
  w.form.CutCopyPaste("delete");
  EXPECT_EQ(w.Text(43), "");
}

// A result pasted over would look computed, and a pasted input would reach
// the working state when left.
TEST(LockedField, RefusesPasteAndDeleteAndCutOnlyCopies) {
  LoadedWindow w;
  w.Click("txtData(49)");
  w.Paste("999");
  EXPECT_EQ(w.Text(49), "62.31583");
  w.form.CutCopyPaste("Delete");
  EXPECT_EQ(w.Text(49), "62.31583");
  w.Click("mnuEditCut");
  EXPECT_EQ(w.Text(49), "62.31583");
  EXPECT_EQ(w.clipboard.GetText(), "62.31583");
}

TEST(LockedField, PastedInputNeverReachesTheWorkingState) {
  LoadedWindow w;
  const double computed = w.form.WorkingState.Enthalpy;
  w.Click("chkStmInput(1)");
  w.Click("chkStmInput(1)");  // enthalpy now locked
  w.Click("txtData(46)");
  w.Paste("5000");
  w.Press(Key::Tab);
  EXPECT_EQ(w.form.WorkingState.Enthalpy, computed);
  EXPECT_EQ(w.Text(46), "");
}

namespace {

class UnavailableClipboard : public shell::Clipboard {
 public:
  bool Clear() override { return clearWorks; }
  void SetText(const std::string&) override { throw std::runtime_error("clipboard busy"); }
  std::string GetText() const override { throw std::runtime_error("clipboard busy"); }
  bool clearWorks = true;
};

}  // namespace

TEST(UnavailableClipboard, CutKeepsTheTextItCouldNotCopy) {
  UnavailableClipboard clipboard;
  platform::SharedPropertyLibraries libraries;
  shell::InMemorySettingsStore settings;
  shell::NoHelpViewer help;
  shell::ProgramSwitches switches;
  mainwindow::frmMain form({clipboard, libraries, settings, help, switches});
  RecordingView view;
  form.AttachView(view);
  form.Form_Load();
  form.Show();
  form.UserClick(form.mnuEditCut);
  EXPECT_EQ(form.txtData(43).Text(), "68.00");
  clipboard.clearWorks = false;
  form.UserClick(form.mnuEditCut);
  form.UserClick(form.mnuEditPaste);
  EXPECT_EQ(form.txtData(43).Text(), "68.00");
  EXPECT_TRUE(view.messages.empty());
}
