// A view that keeps what the window asked of it, for tests to read back.
#ifndef HYDRELIX_TESTS_MAINWINDOW_RECORDING_VIEW_H
#define HYDRELIX_TESTS_MAINWINDOW_RECORDING_VIEW_H

#include "mainwindow/main_window_view.h"

#include <string>
#include <vector>

struct RecordingView final : mainwindow::MainWindowView {
  struct Line {
    int x1, y1, x2, y2;
    mainwindow::SystemColour colour;
  };

  void ControlChanged(const mainwindow::Control& control,
                      mainwindow::ControlProperty property) override {
    changes.push_back({control.FullName(), property});
  }
  void FocusChanged(const mainwindow::Control* focused) override {
    focusMoves.push_back(focused != nullptr ? focused->FullName() : "");
  }
  void WindowChanged(mainwindow::WindowProperty property) override {
    windowChanges.push_back(property);
  }
  void ShowMessageBox(const shell::MessageBoxRequest& request) override {
    messages.push_back(request);
  }
  void ShowModalWindow(mainwindow::ShellWindow window) override {
    modalWindows.push_back(window);
    if (whileModal) whileModal();
  }
  void ShowTrayPopup() override { ++trayPopups; }
  void BringToFront() override { ++broughtToFront; }
  void Minimize() override { ++minimized; }
  bool SystemTrayAvailable() const override { return trayAvailable; }
  void DrawLine(int x1, int y1, int x2, int y2, mainwindow::SystemColour colour) override {
    lines.push_back({x1, y1, x2, y2, colour});
  }
  void EndProgram() override { ++programEnds; }

  struct Change {
    std::string control;
    mainwindow::ControlProperty property;
  };
  std::vector<Change> changes;
  std::vector<std::string> focusMoves;
  std::vector<mainwindow::WindowProperty> windowChanges;
  std::vector<shell::MessageBoxRequest> messages;
  std::vector<mainwindow::ShellWindow> modalWindows;
  std::vector<Line> lines;
  void (*whileModal)() = nullptr;
  int trayPopups = 0;
  int broughtToFront = 0;
  int minimized = 0;
  int programEnds = 0;
  bool trayAvailable = true;
};

#endif
