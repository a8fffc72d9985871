// A main window as it stands after loading with no saved settings, and the
// user's actions on it by control name.
#ifndef HYDRELIX_TESTS_MAINWINDOW_LOADED_WINDOW_H
#define HYDRELIX_TESTS_MAINWINDOW_LOADED_WINDOW_H

#include "shell/clipboard.h"
#include "mainwindow/frm_main.h"
#include "recording_view.h"
#include "steam/fake_libraries.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

struct LoadedWindow {
  LoadedWindow() : LoadedWindow([](steam_test::FakeLibraries&) {}) {}
  // `prepare` changes the libraries before the window loads, as a missing
  // or damaged installation would.
  explicit LoadedWindow(void (*prepare)(steam_test::FakeLibraries&)) {
    prepare(libraries);
    form.AttachView(view);
    form.Form_Load();
    form.Show();
  }

  mainwindow::Control& Named(std::string_view name) {
    mainwindow::Control* control = form.FindControl(name);
    if (control == nullptr) ADD_FAILURE() << "no control " << name;
    return control != nullptr ? *control : form.frmSteam;
  }
  void Click(std::string_view name) { form.UserClick(Named(name)); }
  void Focus(std::string_view name) { form.UserFocus(Named(name)); }
  void Select(int16_t list, int position) {
    EXPECT_TRUE(form.UserSelect(form.cboUnits(list), position));
  }
  void Type(std::string_view text) {
    for (char c : text) form.UserType(static_cast<unsigned char>(c));
  }
  void Press(mainwindow::Key key) { form.UserPressKey(key); }
  void Paste(const std::string& text) {
    clipboard.SetText(text);
    form.UserClick(form.mnuEditPaste);
  }
  // Types `text` over the whole of field `index` and leaves it with Tab.
  void Enter(int16_t index, std::string_view text) {
    Click("txtData(" + std::to_string(index) + ")");
    form.UserPressKey(mainwindow::Key::Delete);
    Type(text);
    form.UserPressKey(mainwindow::Key::Tab);
  }
  const std::string& Text(int16_t index) const { return form.txtData(index).Text(); }
  std::string FocusedName() const {
    return form.Focused() != nullptr ? form.Focused()->FullName() : "";
  }
  // Counts the presses of cmdCompute from now on.
  void CountComputePresses() { computePressesBefore = form.cmdCompute.PressCount(); }
  int ComputePresses() const { return form.cmdCompute.PressCount() - computePressesBefore; }

  shell::InMemoryClipboard clipboard;
  // The real libraries, whose entry points a test may replace.
  steam_test::FakeLibraries libraries;
  shell::InMemorySettingsStore settings;
  shell::NoHelpViewer help;
  shell::ProgramSwitches switches;
  RecordingView view;
  mainwindow::frmMain form{{clipboard, libraries, settings, help, switches}};
  int computePressesBefore = 0;
};

#endif
