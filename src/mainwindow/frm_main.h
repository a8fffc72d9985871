// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's main window as a model that stands without any window
// system. A view draws the controls and reports the user's actions through
// the User* members; the model runs the handlers, which read and write the
// controls, the working state and the window-level state below, and tells
// the attached MainWindowView of every change.
#ifndef HYDRELIX_MAINWINDOW_FRM_MAIN_H
#define HYDRELIX_MAINWINDOW_FRM_MAIN_H

#include "shell/clipboard.h"
#include "mainwindow/controls.h"
#include "mainwindow/main_window_view.h"
#include "shell/message_box.h"
#include "mainwindow/services.h"
#include "mainwindow/state_listener.h"
#include "mainwindow/window_settings.h"
#include "steam/steam.h"
#include "steam/working_state.h"
#include "units/display_format.h"
#include "units/number_locale.h"
#include "units/unit_lists.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mainwindow {

enum class Key { Tab, ShiftTab, Enter, Backspace, Delete, Escape };

// Who asks the window to close.
enum class QueryUnloadMode { ControlMenu, Code, SessionEnd };

inline constexpr int16_t kFirstField = 43;        // txtData(43), temperature
inline constexpr int16_t kLastInputField = 47;    // txtData(47), entropy
inline constexpr int16_t kLastField = 57;         // txtData(57), isentropic exponent
inline constexpr int16_t kQualityField = 45;
inline constexpr int16_t kFirstUnitList = 16;     // cboUnits(16)
inline constexpr int16_t kLastUnitList = 27;      // cboUnits(27)
inline constexpr int kTickCount = 5;              // chkStmInput(0..4)

class frmMain {
 public:
  explicit frmMain(Services services);
  frmMain(const frmMain&) = delete;
  frmMain& operator=(const frmMain&) = delete;

  // ---- Window-level state, shared by the window's concerns
  steam::WorkingState WorkingState;
  // Set whenever the results are blanked; while set, leaving a field
  // converts nothing.
  bool ResultsCleared = false;
  // The value field the user last left towards another value field or a
  // digits button; 0 until then.
  int16_t LastLeftField = 0;
  // Entry i formats txtData(43 + i).
  std::array<std::string, 15> DisplayFormats;
  // `value` written with DisplayFormats[format] in the window's locale.
  std::string FormatShown(double value, size_t format) const;
  // How numbers are read and written in the value fields.
  units::NumberLocale Locale;
  // Called before the formulation switch sets the libraries' units again:
  // the units are process-wide, so whatever computes on another thread
  // (a table being filled) stops first.
  std::function<void()> BeforeLibraryUnitsChange;

  // ---- The window itself
  Geometry clientArea{0, 0, 5820, 7125};  // opens centred; fixed single border
  bool resizable = false;
  bool minimizeBox = true;
  bool maximizeBox = false;
  bool keyPreview = true;
  const std::string& Caption() const { return caption_; }
  bool Visible() const { return visible_; }
  bool Topmost() const { return topmost_; }

  // Every change from now on reaches `view`; it must outlive the window.
  void AttachView(MainWindowView& view) { view_ = &view; }

  // ---- Observers of the state shown, any number; each must be removed
  // before it is destroyed. Added twice, a listener is still called once.
  void AddStateListener(StateListener& listener);
  void RemoveStateListener(StateListener& listener);
  // The state of the last successful Compute while its results are shown.
  const std::optional<steam::SteamState>& ShownState() const { return shownState_; }
  // Tells the listeners that the texts shown changed without a new state.
  void NotifyDisplayChanged();

  // ---- Controls, by their names and indices
  TextBox& txtData(int16_t index) const;
  ComboBox& cboUnits(int16_t index) const;
  CheckBox& chkStmInput(int16_t index) const;
  OptionButton& optUnits(int16_t index) const;
  OptionButton& optSteam(int16_t index) const;
  Label& Label4(int16_t index) const;
  MenuItem& mnuTrayPopupItem(int16_t index) const;

  Frame frmSteam{ControlKind::Frame, "frmSteam", 1};
  Frame Frame1{ControlKind::Frame, "Frame1"};
  Frame Frame2{ControlKind::Frame, "Frame2"};
  CommandButton cmdMore{"cmdMore"};
  CommandButton cmdLess{"cmdLess"};
  CommandButton cmdClear{"cmdClear"};
  CommandButton cmdCompute{"cmdCompute"};
  CommandButton cmdClose{"cmdClose"};
  TrayIcon Tray1{"Tray1"};

  MenuItem mnuFile{"mnuFile"};
  MenuItem mnuFileHide{"mnuFileHide"};
  MenuItem mnuFileOnTop{"mnuFileOnTop"};
  MenuItem mnuFileBar0{"mnuFileBar0"};
  MenuItem mnuFileDisclaimer{"mnuFileDisclaimer"};
  MenuItem mnuFileBar1{"mnuFileBar1"};
  MenuItem mnuFileExit{"mnuFileExit"};
  MenuItem mnuEdit{"mnuEdit"};
  MenuItem mnuEditCut{"mnuEditCut"};
  MenuItem mnuEditCopy{"mnuEditCopy"};
  MenuItem mnuEditPaste{"mnuEditPaste"};
  MenuItem mnuHelp{"mnuHelp"};
  MenuItem mnuHelpContents{"mnuHelpContents"};
  MenuItem mnuHelpSearchForHelpOn{"mnuHelpSearchForHelpOn"};
  MenuItem mnuHelpBar0{"mnuHelpBar0"};
  MenuItem mnuHelpAbout{"mnuHelpAbout"};
  MenuItem mnuTrayPopup{"mnuTrayPopup"};

  // Every control and menu item, in the order of the window's layout.
  const std::vector<Control*>& Controls() const { return controls_; }
  // The control named "txtData(43)", "cmdMore", "mnuEditCopy" ..., or nullptr.
  Control* FindControl(std::string_view fullName) const;
  Control* Focused() const { return focused_; }

  // ---- What the user does, as the view reports it
  // A mouse click: the focus moves to a control that can take it, then the
  // control acts. Disabled controls ignore it.
  void UserClick(Control& control);
  // False when the field that had the focus refused its entry on being
  // left: the click that brought the focus then does nothing more.
  bool UserFocus(Control& control);
  // Picks entry `position` of a unit list; false when it has no such entry.
  bool UserSelect(ComboBox& list, int position);
  // One typed character (a Unicode code point) for the focused control.
  void UserType(char32_t character);
  void UserPressKey(Key key);
  // The caret moved or text was selected in a value field, by mouse, arrow
  // keys, Home/End, with or without Shift: byte positions in its text.
  void UserSetSelection(TextBox& field, size_t anchor, size_t caret);
  // Alt and an access key (the character after "&" in a caption, either
  // case). A menu of the menu bar wins over a control with the same key, as
  // on the desktop whose conventions the window follows: the view then opens
  // that menu. Otherwise the enabled button, tick box or option button with
  // the key is clicked. What owns `key`:
  enum class AccessKeyOwner { None, Menu, Control };
  AccessKeyOwner OwnerOfAccessKey(char32_t key) const;
  // Clicks the control that owns `key`; false when a menu or nothing owns it.
  bool UserAccessKey(char32_t key);
  // A mouse button (1 left, 2 right) pressed on the tray icon.
  void UserTrayMouseDown(int button);
  // The close box or the system menu's Close.
  void UserClose();
  // The desktop session ends or the program is told to stop: the window
  // unloads as on Exit.
  void UserEndSession();

  // ---- Window events
  void Form_Load();
  // Shows the window with the temperature field focused.
  void Show();
  void Form_Unload();
  void Form_QueryUnload(bool& cancel, QueryUnloadMode mode);
  void Form_Paint();
  void Form_KeyPress(int& keyAscii);

  // ---- Main window's own operation: blanks the results and the unticked
  // inputs; with true also restores the temperature and pressure ticks.
  void ClearResults(bool resetInputs);

  // ---- Unit selection
  void cboUnits_Click(int16_t index);
  void optUnits_Click(int16_t index);

  // ---- Entry conversion
  void txtData_LostFocus(int16_t index);

  // ---- Display precision
  void cmdMore_Click();
  void cmdLess_Click();

  // ---- Input selection and entry
  void chkStmInput_Click(int16_t index);
  void cmdClear_Click();
  void txtData_Change(int16_t index);
  void txtData_GotFocus(int16_t index);
  void txtData_KeyPress(int16_t index, int& keyAscii);
  void txtData_Validate(int16_t index, bool& cancel);

  // ---- Clipboard
  void CutCopyPaste(std::string_view command);
  void mnuEditCut_Click();
  void mnuEditCopy_Click();
  void mnuEditPaste_Click();

  // ---- Compute and the formulation switch
  void cmdCompute_Click();
  void optSteam_Click(int16_t index);

  // ---- Window commands
  void cmdClose_Click();
  void mnuFileHide_Click();
  void mnuFileOnTop_Click();
  void mnuFileDisclaimer_Click();
  void mnuFileExit_Click();
  void mnuHelpAbout_Click();
  void mnuTrayPopupItem_Click(int16_t index);
  void Tray1_MouseDown(int button);

  // ---- Help
  void mnuHelpContents_Click();
  void mnuHelpSearchForHelpOn_Click();

 private:
  void BuildControls();
  void RouteEvents();
  void Register(Control& control);

  void SetCaption(std::string caption);
  void SetVisible(bool visible);
  void SetTopmost(bool topmost);
  // Hide, Open and Exit as the commands of several triggers.
  void HideWindow();
  void OpenWindow();
  void Unload();
  // Shows a modal window with a topmost main window made not topmost while
  // it is open, so it cannot cover the modal one.
  void ShowModalInTopmostBracket(ShellWindow window);

  WindowSettings ReadWindowSettings() const;
  void MsgBox(MessageBoxRequest request);

  bool CanTakeFocus(const Control& control) const;
  Control* ControlWithAccessKey(char32_t key) const;
  bool ValidatesFieldLeftFor(const Control& target) const;
  // False when leaving the focused field refused its entry: the action that
  // moved the focus then stops, as the refusal's message took it over.
  bool MoveFocus(Control& target);
  void SendTab(bool backwards = false);
  TextBox* FocusedValueField() const;

  void ShowMessage(const steam::Message& message);
  std::optional<steam::InputPair> TickedPair() const;
  void ShowComputed(const steam::SteamState& state);
  // The working value of `row`'s quantity in the unit its list shows.
  void ShowInUnit(const units::UnitList& row);
  void TellListeners(const std::function<void(StateListener&)>& call);

  Services services_;
  Clipboard& clipboard_;
  std::vector<std::unique_ptr<TextBox>> txtData_;
  std::vector<std::unique_ptr<ComboBox>> cboUnits_;
  std::vector<std::unique_ptr<CheckBox>> chkStmInput_;
  std::vector<std::unique_ptr<OptionButton>> optUnits_;
  std::vector<std::unique_ptr<OptionButton>> optSteam_;
  std::vector<std::unique_ptr<Label>> Label4_;
  std::vector<std::unique_ptr<MenuItem>> mnuTrayPopupItem_;
  std::vector<Control*> controls_;
  Control* focused_ = nullptr;
  NoView noView_;
  MainWindowView* view_ = &noView_;
  std::string caption_ = "Hydrelix";
  bool visible_ = false;
  bool topmost_ = false;
  bool unloaded_ = false;
  std::vector<StateListener*> listeners_;
  std::optional<steam::SteamState> shownState_;
  // While above zero, display changes are told once, at the end.
  int displayChangeBatch_ = 0;
  // Clear resets the ticks, whose rule clears again: one clear is told.
  int clearing_ = 0;
  // Set by a field that refuses its entry on being left.
  bool entryRefused_ = false;
  // DisplayFormats as last read, each read again once its text changes.
  mutable std::array<units::DisplayFormat, 15> readFormats_;
};

}  // namespace mainwindow

#endif
