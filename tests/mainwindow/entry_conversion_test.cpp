// Typed values enter the working state, in the field's unit, when the field
// is left.
#include "loaded_window.h"

using mainwindow::Key;
using shell::MessageIcon;

TEST(EnteringTemperature, InCelsiusStoresFahrenheit) {
  LoadedWindow w;
  w.Select(16, 1);
  w.Enter(43, "100");
  EXPECT_EQ(w.form.WorkingState.Temperature, 212.0);
  EXPECT_EQ(w.Text(43), "100.00");
}

TEST(EnteringTemperature, EmptyInCelsiusStoresZeroFahrenheit) {
  LoadedWindow w;
  w.Select(16, 1);
  w.Enter(43, "");
  EXPECT_EQ(w.form.WorkingState.Temperature, 0.0);
  EXPECT_EQ(w.Text(43), "-17.78");
}

TEST(EnteringTemperature, KeepsTheUnroundedValueBehindTheRoundedText) {
  LoadedWindow w;
  w.Select(16, 1);
  w.Enter(43, "25.123");
  EXPECT_EQ(w.form.WorkingState.Temperature, static_cast<double>(static_cast<float>(25.123 * 1.8 + 32)));
  EXPECT_EQ(w.Text(43), "25.12");
}

TEST(EnteringPressure, InKilopascalStoresThe32BitPsia) {
  LoadedWindow w;
  w.Select(17, 5);
  w.Enter(44, "101.325");
  EXPECT_EQ(w.form.WorkingState.Pressure, static_cast<double>(static_cast<float>(101.325 / 6.894757293)));
  EXPECT_NEAR(w.form.WorkingState.Pressure, 14.695948, 1e-6);
  EXPECT_EQ(w.Text(44), "101.325");
}

TEST(EnteringEnthalpy, PerPoundStoresPerPoundMole) {
  LoadedWindow w;
  w.Click("chkStmInput(1)");
  w.Click("chkStmInput(3)");
  w.Enter(46, "1150");
  EXPECT_EQ(w.form.WorkingState.Enthalpy,
            static_cast<double>(static_cast<float>(1150 * static_cast<double>(18.01528f))));
  EXPECT_EQ(w.Text(46), "1150.0000");
}

class QualityEntry : public ::testing::Test {
 protected:
  void SetUp() override {
    w.Click("chkStmInput(1)");  // untick pressure
    w.Click("chkStmInput(2)");  // temperature and quality
  }
  LoadedWindow w;
};

TEST_F(QualityEntry, AcceptsBothEndsAndEmpty) {
  w.Enter(45, "1");
  EXPECT_EQ(w.form.WorkingState.Quality, 1.0);
  EXPECT_EQ(w.Text(45), "1.000");
  w.Enter(45, "0");
  EXPECT_EQ(w.Text(45), "0.000");
  w.Enter(45, "0.5");
  w.Enter(45, "");
  EXPECT_EQ(w.form.WorkingState.Quality, 0.0);
  EXPECT_EQ(w.Text(45), "0.000");
  EXPECT_TRUE(w.view.messages.empty());
}

TEST_F(QualityEntry, OutsideZeroToOneIsRefusedWithOneMessage) {
  for (const char* typed : {"1.0001", "-0.5"}) {
    LoadedWindow fresh;
    fresh.Click("chkStmInput(1)");
    fresh.Click("chkStmInput(2)");
    fresh.Enter(45, "0.25");
    fresh.Click("txtData(45)");
    fresh.Press(Key::Delete);
    fresh.Type(typed);
    fresh.Press(Key::Tab);
    ASSERT_EQ(fresh.view.messages.size(), 1u) << typed;
    const auto& message = fresh.view.messages[0];
    EXPECT_EQ(message.text, "Steam quality must be a number between 0 and 1.");
    EXPECT_EQ(message.title, "Steam Properties");
    EXPECT_EQ(message.icon, MessageIcon::Exclamation);
    EXPECT_EQ(fresh.form.WorkingState.Quality, 0.25) << typed;
    EXPECT_EQ(fresh.Text(45), typed) << "a ticked quality keeps the offending text";
    EXPECT_EQ(fresh.Text(48), "");
    EXPECT_TRUE(fresh.form.ResultsCleared);
  }
}

TEST_F(QualityEntry, RefusedTextIsNotReadAgainUntilSomethingIsEdited) {
  w.Enter(45, "2");
  ASSERT_EQ(w.view.messages.size(), 1u);
  w.Click("txtData(45)");
  w.Press(Key::Tab);
  EXPECT_EQ(w.view.messages.size(), 1u);
}

TEST(LeavingAField, BelowTheInputsDoesNothing) {
  LoadedWindow w;
  w.form.WorkingState.Viscosity = 0.123456;
  w.form.cboUnits_Click(24);
  w.Click("txtData(52)");
  w.Type("9");
  w.Press(Key::Tab);
  EXPECT_EQ(w.form.WorkingState.Viscosity, 0.123456);
  EXPECT_EQ(w.Text(52), "0.12346");
}

TEST(LeavingAField, WhileResultsAreClearedConvertsNothing) {
  LoadedWindow w;
  w.Click("txtData(43)");
  w.Type("-");  // an edit that blanks nothing
  w.form.ResultsCleared = true;
  w.Press(Key::Tab);
  EXPECT_EQ(w.form.WorkingState.Temperature, 68.0);
  EXPECT_EQ(w.Text(43), "-");
}

// Leaving a field the user did not edit keeps the stored value: reading the
// rounded text back would lose digits.
TEST(LeavingAField, UneditedKeepsTheStoredValueAtFullPrecision) {
  LoadedWindow w;
  w.Select(17, 7);
  w.Enter(44, "0.0123");
  const double typed = w.form.WorkingState.Pressure;
  ASSERT_EQ(w.Text(44), "0.012");
  w.Click("txtData(44)");
  w.Press(Key::Tab);
  w.Click("txtData(44)");
  w.Click("cmdMore");
  EXPECT_EQ(w.form.WorkingState.Pressure, typed);
  w.Select(17, 0);
  w.Select(17, 7);
  EXPECT_EQ(w.Text(44), "0.0123");
}

TEST(LeavingAField, ComputedTemperatureIsNotReplacedByItsRoundedText) {
  LoadedWindow w;
  w.form.WorkingState.Temperature = 123.456789;
  w.form.cboUnits_Click(16);
  w.Click("txtData(43)");
  w.Click("txtData(44)");
  EXPECT_EQ(w.form.WorkingState.Temperature, 123.456789);
}

TEST(LeavingAField, EditedByPasteIsConverted) {
  LoadedWindow w;
  w.Click("txtData(43)");
  w.Paste("150");
  w.Click("cmdCompute");
  EXPECT_EQ(w.form.WorkingState.Temperature, 150.0);
  EXPECT_EQ(w.Text(43), "150.00");
}

TEST(LeavingAField, TypingTheShownTextAgainStillCounts) {
  LoadedWindow w;
  w.form.WorkingState.Temperature = 68.004;
  w.Enter(43, "68.00");
  EXPECT_EQ(w.form.WorkingState.Temperature, 68.0);
}

// A command reached while the field being left is refused or out of range
// ends with blank results and the offending text still in its field, by the
// button and by its access key alike: nobody reads results for a state other
// than the one typed.
TEST(CommandAfterAnInvalidEntry, LeavesResultsBlankAndKeepsTheText) {
  struct Entry {
    int16_t field;
    const char* typed;
    bool refusedOnLeaving;  // quality; temperature and pressure fail at Compute
  };
  const Entry entries[] = {{45, "1.5", true}, {43, "5000", false}, {44, "20000", false}};
  for (const Entry& entry : entries) {
    for (const char* command : {"cmdCompute", "cmdClear", "cmdMore", "cmdLess"}) {
      SCOPED_TRACE(std::string(command) + " after " + entry.typed);
      LoadedWindow w;
      if (entry.field == 45) {
        w.Click("chkStmInput(1)");
        w.Click("chkStmInput(2)");
      }
      w.Enter(43, "300");
      w.Enter(entry.field == 45 ? 45 : 44, entry.field == 45 ? "0.5" : "100");
      w.Click("cmdCompute");
      ASSERT_NE(w.Text(48), "");
      ASSERT_TRUE(w.view.messages.empty());

      w.Click("txtData(" + std::to_string(entry.field) + ")");
      w.Press(Key::Delete);
      w.Type(entry.typed);
      w.CountComputePresses();
      w.Click(command);

      EXPECT_EQ(w.Text(entry.field).rfind(entry.typed, 0), 0u) << w.Text(entry.field);
      for (int16_t result = 48; result <= 57; ++result) {
        EXPECT_EQ(w.Text(result), "") << "txtData(" << result << ")";
      }
      if (entry.refusedOnLeaving) {
        EXPECT_EQ(w.ComputePresses(), 0);
        EXPECT_EQ(w.view.messages.size(), 1u);
        EXPECT_EQ(w.form.chkStmInput(2).Value(), 1) << "Clear does not run either";
      }
    }
  }
}
