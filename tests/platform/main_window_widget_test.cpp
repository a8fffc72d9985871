// The window as drawn and as driven by mouse and keyboard: widgets and model
// agree after every real Qt event.
#include "shown_window.h"

#include "platform/captioned_frame.h"

#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>

namespace {

QRect Pixels(int left, int top, int width, int height) {
  return {left / 15, top / 15, width / 15, height / 15};
}

}  // namespace

TEST(Drawn, AsDesignedAndSavedAsAPicture) {
  ShownWindow w;
  EXPECT_EQ(w.window.windowTitle(), "Hydrelix - Steam and Water Properties");
  EXPECT_EQ(w.window.centralWidget()->size(), QSize(388, 475));
  EXPECT_EQ(w.window.minimumSize(), w.window.maximumSize()) << "fixed size";
  EXPECT_TRUE(w.window.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(w.window.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(w.window.windowIcon().isNull());
  const QPoint screenCentre = w.window.screen()->availableGeometry().center();
  // Within the frame's few pixels and QRect's rounding of centres.
  EXPECT_LE((w.window.frameGeometry().center() - screenCentre).manhattanLength(), 4)
      << "opens centred";

  EXPECT_EQ(w.window.WidgetOf(w.form.frmSteam)->geometry(), QRect(7, 9, 373, 459));
  EXPECT_EQ(w.Field(43).geometry(), QRect(148, 88, 89, 21));
  EXPECT_EQ(w.Field(57).geometry().top(), 395);
  EXPECT_EQ(w.List(16).geometry(), QRect(240, 88, 115, 21));
  EXPECT_EQ(w.Button(w.form.cmdCompute).geometry(), Pixels(2220, 6315, 1335, 405));
  EXPECT_EQ(w.Button(w.form.chkStmInput(2)).text(), "&Quality (L=0, V=1):");
  EXPECT_EQ(w.Button(w.form.chkStmInput(2)).toolTip(), "Vapor Fraction");
  EXPECT_EQ(w.Button(w.form.optSteam(1)).toolTip(), "Old International Standard");
  EXPECT_EQ(w.Button(w.form.cmdMore).toolTip(), "Display More Digits");
  EXPECT_FALSE(w.Button(w.form.cmdLess).icon().isNull());
  EXPECT_TRUE(w.Button(w.form.cmdLess).text().isEmpty());
  auto* label = static_cast<QLabel*>(w.window.WidgetOf(w.form.Label4(7)));
  EXPECT_EQ(label->text(), "Critical Velocity");
  EXPECT_EQ(label->toolTip(), "Sonic Velocity");

  QStringList menus;
  for (QAction* action : w.window.menuBar()->actions()) {
    if (action->isVisible()) menus << action->text();
  }
  EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&Help"})) << "the tray popup stays hidden";
  EXPECT_EQ(w.window.ActionOf(w.form.mnuEditPaste)->shortcut(), QKeySequence("Ctrl+V"));
  EXPECT_EQ(w.window.ActionOf(w.form.mnuHelpContents)->shortcut(), QKeySequence("F1"));
  EXPECT_EQ(w.window.TrayPopupMenu().defaultAction(),
            w.window.ActionOf(w.form.mnuTrayPopupItem(0)));

  for (int16_t i = 43; i <= 57; ++i) {
    EXPECT_EQ(w.Field(i).text().toStdString(), w.form.txtData(i).Text()) << i;
  }
  EXPECT_EQ(w.List(17).currentText(), "psia");
  EXPECT_TRUE(w.window.grab().save(HYDRELIX_SCREENSHOT));
}

TEST(Focus, TabAndEnterWalkTheValueFieldsAndWrap) {
  ShownWindow w;
  ASSERT_TRUE(w.FocusAgrees());
  for (int16_t i = 44; i <= 57; ++i) {
    w.Key(i % 2 == 0 ? Qt::Key_Tab : Qt::Key_Return);
    ASSERT_EQ(w.FocusedName(), "txtData(" + std::to_string(i) + ")");
    ASSERT_TRUE(w.FocusAgrees()) << i;
  }
  w.Key(Qt::Key_Enter);
  EXPECT_EQ(w.FocusedName(), "txtData(43)");
  EXPECT_TRUE(w.FocusAgrees());
  w.Key(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(w.FocusedName(), "txtData(57)");
  EXPECT_TRUE(w.FocusAgrees());
}

TEST(Focus, ButtonsTicksAndListsTakeItOnAClickButNeverByTab) {
  ShownWindow w;
  w.Click(w.Button(w.form.cmdClear));
  EXPECT_EQ(w.FocusedName(), "cmdClear");
  EXPECT_TRUE(w.FocusAgrees());
  w.Key(Qt::Key_Tab);
  EXPECT_EQ(w.FocusedName(), "txtData(43)");
  EXPECT_TRUE(w.FocusAgrees());
}

TEST(Validation, TypingThenComputeDoesNotValidateButMoreDoes) {
  ShownWindow w;
  w.Type("100");
  w.Click(w.Button(w.form.cmdCompute));
  EXPECT_EQ(w.form.LastLeftField, 0);
  EXPECT_EQ(w.form.WorkingState.Temperature, 100.0) << "leaving converts all the same";
  EXPECT_EQ(w.Field(43).text(), "100.00");
  w.Click(w.Field(43));
  w.Click(w.Button(w.form.cmdMore));
  EXPECT_EQ(w.form.LastLeftField, 43);
  EXPECT_EQ(w.Field(43).text(), "100.000");
}

TEST(Validation, AnAccessKeyMovesTheFocusOffTheFieldBeforeTheCommand) {
  ShownWindow w;
  w.Type("212");
  w.Key(Qt::Key_C, Qt::AltModifier);
  QTest::qWait(200);  // the button's animated click
  EXPECT_EQ(w.FocusedName(), "cmdCompute");
  EXPECT_EQ(w.form.WorkingState.Temperature, 212.0);
  EXPECT_EQ(w.Field(48).text().toStdString(), w.form.txtData(48).Text());
  EXPECT_TRUE(w.FocusAgrees());
}

TEST(KeystrokeFilter, RealKeysPassTheModelsRules) {
  ShownWindow w;
  w.Click(w.Field(44));
  w.Type("1a2..3-e-");
  EXPECT_EQ(w.Field(44).text(), "12.3-");
  EXPECT_EQ(w.form.txtData(44).Text(), "12.3-");
  w.Key(Qt::Key_Backspace);
  w.Key(Qt::Key_Z, Qt::ControlModifier);  // no undo behind the model
  EXPECT_EQ(w.Field(44).text(), "12.3");
  w.Click(w.Field(49));
  w.Type("7");
  EXPECT_EQ(w.Field(49).text().toStdString(), w.form.txtData(49).Text()) << "locked";
}

TEST(Selection, ArrowsAndShiftSelectInTheModel) {
  ShownWindow w;  // "68.00" in txtData(43), all selected
  w.Key(Qt::Key_End);
  w.Key(Qt::Key_Left, Qt::ShiftModifier);
  w.Key(Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(w.form.txtData(43).SelectedText(), "00");
  EXPECT_EQ(w.form.txtData(43).Caret(), 3u);
  w.Type("5");
  EXPECT_EQ(w.Field(43).text(), "68.5");
  w.Key(Qt::Key_Home);
  w.Key(Qt::Key_Delete);
  EXPECT_EQ(w.form.txtData(43).Text(), "8.5");
  EXPECT_EQ(w.Field(43).cursorPosition(), 0);
}

TEST(Selection, AClickThatBringsTheFocusSelectsTheWholeText) {
  ShownWindow w;
  w.Click(w.Field(48));
  EXPECT_EQ(w.Field(48).selectedText().toStdString(), w.form.txtData(48).Text());
  EXPECT_EQ(w.form.txtData(48).SelLength(), w.form.txtData(48).Text().size());
  w.Click(w.Field(48));  // a second click places the caret
  EXPECT_EQ(w.form.txtData(48).SelLength(), 0u);
  EXPECT_FALSE(w.Field(48).hasSelectedText());
}

TEST(Paste, ThroughTheFieldsOwnShortcutFollowsTheModel) {
  ShownWindow w;
  QGuiApplication::clipboard()->setText("999");
  w.Click(w.Field(49));
  w.Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(w.Field(49).text(), "62.31583") << "a locked field refuses paste";
  w.Click(w.Field(44));
  w.Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(w.Field(44).text(), "999");
  EXPECT_EQ(w.form.txtData(44).Text(), "999");
}

TEST(Paste, ThroughTheFieldsContextMenuFollowsTheModel) {
  ShownWindow w;
  QGuiApplication::clipboard()->setText("5");
  auto pasteByMenu = [](QLineEdit& field) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            field.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&field, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* paste = nullptr;
    for (QAction* action : menu->actions()) {
      if (action->text() == "&Paste") paste = action;
      EXPECT_FALSE(action->text().contains("Undo"));
    }
    ASSERT_NE(paste, nullptr);
    menu->close();
    paste->trigger();
  };
  w.Click(w.Field(50));
  pasteByMenu(w.Field(50));
  EXPECT_EQ(w.Field(50).text().toStdString(), w.form.txtData(50).Text());
  EXPECT_NE(w.Field(50).text(), "5");
  w.Click(w.Field(43));
  pasteByMenu(w.Field(43));
  EXPECT_EQ(w.Field(43).text(), "5");
}

TEST(Clipboard, CutCopyPasteOnInputAndLockedFieldsAndAUnitList) {
  ShownWindow w;
  QClipboard& system = *QGuiApplication::clipboard();
  w.Trigger(w.form.mnuEditCopy);
  EXPECT_EQ(system.text(), "68.00");
  w.Trigger(w.form.mnuEditCut);
  EXPECT_EQ(w.Field(43).text(), "");
  w.Click(w.Field(44));
  w.Trigger(w.form.mnuEditPaste);
  EXPECT_EQ(w.Field(44).text(), "68.00");

  w.Click(w.Field(52));
  w.Trigger(w.form.mnuEditCut);
  EXPECT_EQ(system.text(), "1.00161") << "Cut on a result only copies";
  EXPECT_EQ(w.Field(52).text(), "1.00161");
  system.setText("2");
  w.Trigger(w.form.mnuEditPaste);
  EXPECT_EQ(w.Field(52).text(), "1.00161");

  system.setText("kept");
  w.Click(w.List(20));
  w.List(20).hidePopup();
  EXPECT_EQ(w.FocusedName(), "cboUnits(20)");
  w.Trigger(w.form.mnuEditCopy);
  w.Trigger(w.form.mnuEditCut);
  EXPECT_EQ(system.text(), "kept");
}

TEST(Controls, TicksOptionsAndListsShowTheModelsState) {
  ShownWindow w;
  w.Click(w.Button(w.form.chkStmInput(1)));  // pressure unticked
  EXPECT_TRUE(w.Button(w.form.chkStmInput(3)).isEnabled());
  w.Click(w.Button(w.form.chkStmInput(3)));  // temperature and enthalpy
  EXPECT_FALSE(w.Button(w.form.chkStmInput(1)).isEnabled());
  EXPECT_TRUE(static_cast<QCheckBox&>(w.Button(w.form.chkStmInput(3))).isChecked());
  w.Click(w.Button(w.form.optUnits(1)));
  EXPECT_TRUE(w.Button(w.form.optUnits(1)).isChecked());
  EXPECT_FALSE(w.Button(w.form.optUnits(0)).isChecked());
  w.Click(w.Button(w.form.optUnits(1)));  // clicking the one already on keeps it on
  EXPECT_TRUE(w.Button(w.form.optUnits(1)).isChecked());
  EXPECT_EQ(w.List(16).currentText().toStdString(),
            w.form.cboUnits(16).Entries()[w.form.cboUnits(16).ListIndex()]);
  w.List(16).setFocus();
  w.Key(Qt::Key_Down);
  EXPECT_EQ(w.List(16).currentIndex(), w.form.cboUnits(16).ListIndex());
  EXPECT_EQ(w.Field(43).text().toStdString(), w.form.txtData(43).Text());
}

TEST(Controls, SurfaceTensionGreysInTheTwoPhaseBand) {
  ShownWindow w;
  w.Type("800");
  w.Click(w.Button(w.form.cmdCompute));
  EXPECT_FALSE(w.Field(54).isEnabled());
  EXPECT_EQ(w.Field(54).palette().color(QPalette::Base),
            QApplication::palette().color(QPalette::Button));
}

// Every access key of the window acts at the first press: a menu's key opens
// its menu even where a control shares it, the hidden tray popup takes none,
// and every other key clicks its own control.
TEST(AccessKeys, EachActsOnItsOwnControlOrMenuAtTheFirstPress) {
  struct Case {
    Qt::Key key;
    const char* owner;  // a control, or the menu that opens
  };
  const Case cases[] = {
      {Qt::Key_T, "chkStmInput(0)"}, {Qt::Key_P, "chkStmInput(1)"},
      {Qt::Key_Q, "chkStmInput(2)"}, {Qt::Key_N, "chkStmInput(4)"},
      {Qt::Key_S, "optUnits(1)"},    {Qt::Key_I, "optUnits(0)"},
      {Qt::Key_6, "optSteam(1)"},    {Qt::Key_9, "optSteam(0)"},
      {Qt::Key_R, "cmdClear"},       {Qt::Key_C, "cmdCompute"},
      {Qt::Key_F, "mnuFile"},        {Qt::Key_E, "mnuEdit"},
      {Qt::Key_H, "mnuHelp"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.owner);
    ShownWindow w;
    // With one box ticked all five can be ticked, Quality and Entropy too.
    w.form.chkStmInput(1).SetValue(0);
    w.Click(w.Field(43));
    mainwindow::Control& owner = *w.form.FindControl(c.owner);
    const auto* tick = dynamic_cast<mainwindow::CheckBox*>(&owner);
    const auto* option = dynamic_cast<mainwindow::OptionButton*>(&owner);
    const auto* button = dynamic_cast<mainwindow::CommandButton*>(&owner);
    const int tickBefore = tick != nullptr ? tick->Value() : 0;
    const int pressesBefore = button != nullptr ? button->PressCount() : 0;

    w.Key(c.key, Qt::AltModifier);

    if (tick != nullptr) {
      EXPECT_NE(tick->Value(), tickBefore);
      EXPECT_EQ(w.Button(owner).isChecked(), tick->Value() == 1);
    } else if (option != nullptr) {
      EXPECT_TRUE(option->Value());
      EXPECT_TRUE(w.Button(owner).isChecked());
    } else if (button != nullptr) {
      EXPECT_EQ(button->PressCount(), pressesBefore + 1);
    } else {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(menu, nullptr) << "no menu opened";
      EXPECT_EQ(menu->objectName().toStdString(), c.owner);
      menu->close();
      EXPECT_EQ(w.FocusedName(), "txtData(43)") << "the control with the same key keeps still";
      EXPECT_EQ(w.form.chkStmInput(3).Value(), 0);
      EXPECT_EQ(w.form.cmdClose.PressCount(), 0);
    }
  }
}

// Compute, Clear and the digits buttons by their access keys or a click,
// after a quality the window refuses on leaving it: the one message, results
// blank, the typed text kept, and no compute behind it.
TEST(AccessKeys, NoCommandRunsBehindARefusedQuality) {
  for (const char* route : {"Alt+C", "Alt+R", "cmdMore", "cmdLess"}) {
    SCOPED_TRACE(route);
    ShownWindow w;
    w.Click(w.Button(w.form.chkStmInput(1)));
    w.Click(w.Button(w.form.chkStmInput(2)));
    w.Click(w.Field(43));
    w.Type("300");
    w.Click(w.Field(45));
    w.Type("0.5");
    w.Key(Qt::Key_C, Qt::AltModifier);
    ASSERT_FALSE(w.Field(48).text().isEmpty());
    w.Click(w.Field(45));
    w.Type("1.5");
    const int computes = w.form.cmdCompute.PressCount();
    const std::string how = route;
    if (how == "Alt+C") {
      w.Key(Qt::Key_C, Qt::AltModifier);
    } else if (how == "Alt+R") {
      w.Key(Qt::Key_R, Qt::AltModifier);
    } else {
      w.Click(w.Button(*w.form.FindControl(route)));
    }
    ASSERT_EQ(w.shell.messages.size(), 1u);
    EXPECT_EQ(w.shell.messages[0].text, "Steam quality must be a number between 0 and 1.");
    EXPECT_EQ(w.Field(45).text(), "1.5");
    for (int16_t i = 48; i <= 57; ++i) EXPECT_TRUE(w.Field(i).text().isEmpty()) << i;
    EXPECT_EQ(w.form.cmdCompute.PressCount(), computes);
    EXPECT_EQ(w.form.chkStmInput(2).Value(), 1);
  }
}

// The whole text is shown selected each time the focus arrives, by Tab,
// Shift+Tab or a click, also in a field that had it selected before: the
// line edit drops its selection when it loses the focus, the model keeps it.
TEST(Selection, ShownWholeEveryTimeTheFocusArrives) {
  ShownWindow w;
  auto shownWhole = [&w] {
    const auto& field = static_cast<const mainwindow::TextBox&>(*w.form.Focused());
    EXPECT_EQ(field.SelLength(), field.Text().size()) << field.FullName();
    EXPECT_EQ(w.Field(field.index()).selectedText().toStdString(), field.Text())
        << field.FullName();
  };
  for (int n = 0; n < 3; ++n) {
    w.Key(Qt::Key_Tab);
    shownWhole();
  }
  for (int n = 0; n < 3; ++n) {
    w.Key(Qt::Key_Backtab, Qt::ShiftModifier);
    shownWhole();
  }
  for (int16_t index : {44, 45, 44, 48, 44}) {
    w.Click(w.Field(index));
    shownWhole();
  }
}

// The context menu of a locked field offers only what works there: Copy and
// Select All; Cut, Paste and Delete are shown disabled. An input field offers
// all five, and locking or unlocking it by the ticks changes its menu.
TEST(ContextMenu, ALockedFieldShowsItsChangingItemsDisabled) {
  ShownWindow w;
  auto enabledItems = [](QLineEdit& field) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            field.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&field, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QStringList enabled;
    if (menu == nullptr) return QStringList{"no menu"};
    for (QAction* action : menu->actions()) {
      if (!action->isSeparator() && action->isEnabled()) enabled << action->text();
    }
    menu->close();
    return enabled;
  };
  const QStringList all{"Cu&t", "&Copy", "&Paste", "Delete", "Select All"};
  const QStringList locked{"&Copy", "Select All"};
  EXPECT_EQ(enabledItems(w.Field(43)), all);
  EXPECT_EQ(enabledItems(w.Field(50)), locked) << "a result field";
  w.Click(w.Button(w.form.chkStmInput(1)));
  EXPECT_EQ(enabledItems(w.Field(46)), all) << "one tick: every input is editable";
  w.Click(w.Button(w.form.chkStmInput(3)));
  EXPECT_EQ(enabledItems(w.Field(44)), locked) << "an unticked input beside two ticks";
  EXPECT_EQ(enabledItems(w.Field(46)), all);
  EXPECT_EQ(enabledItems(w.Field(57)), locked);
}

// Nested group boxes keep their designed places without doubled lines: the
// outer frame's line runs through the middle of its caption, above the
// groups inside it, and every group's line lies inside its own geometry.
TEST(Drawn, GroupFramesRunThroughTheirCaptionsAndDoNotOverlap) {
  ShownWindow w;
  auto frameTop = [](QWidget& box) {
    auto* frame = dynamic_cast<platform::CaptionedFrame*>(&box);
    return frame != nullptr ? frame->FrameLineTop() : -100;
  };
  auto& outer = *static_cast<QGroupBox*>(w.window.WidgetOf(w.form.frmSteam));
  const int outerLine = frameTop(outer);
  const int captionMiddle = outer.fontMetrics().height() / 2;
  EXPECT_NEAR(outerLine, captionMiddle, 1) << "the line runs through the caption";
  for (const mainwindow::Frame* inner : {&w.form.Frame1, &w.form.Frame2}) {
    auto& box = *static_cast<QGroupBox*>(w.window.WidgetOf(*inner));
    EXPECT_EQ(frameTop(box), 0) << "a group without caption has its line at its top";
    EXPECT_GE(box.geometry().top() - outerLine, 4) << inner->FullName() << " clear of the outer line";
  }
}
