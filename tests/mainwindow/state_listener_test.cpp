// The observers of the state shown: what each action of the user tells them,
// once, and the state the window keeps while its results are shown.
#include "loaded_window.h"

#include "mainwindow/state_listener.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

struct CountingListener : mainwindow::StateListener {
  void StateShown(const steam::SteamState& state) override {
    ++shown;
    last = state;
  }
  void StateCleared() override { ++cleared; }
  void DisplayChanged() override { ++displayChanged; }

  int shown = 0, cleared = 0, displayChanged = 0;
  std::optional<steam::SteamState> last;
};

struct Calls {
  int shown, cleared, displayChanged;
};

struct Action {
  const char* name;
  std::function<void(LoadedWindow&)> act;
  Calls expected;
  // What is done before the listener starts listening.
  std::function<void(LoadedWindow&)> prepare = [](LoadedWindow&) {};
};

void Compute(LoadedWindow& w) { w.Click("cmdCompute"); }

TEST(StateListeners, EachActionIsToldOnce) {
  const std::vector<Action> actions = {
      {"Compute", Compute, {1, 0, 0}},
      {"a refused Compute", Compute, {0, 1, 0},
       [](LoadedWindow& w) { w.Enter(44, "20000"); }},  // above the highest pressure
      {"no pair ticked",
       [](LoadedWindow& w) {
         w.Click("chkStmInput(1)");
         w.Click("cmdCompute");
       },
       {0, 2, 0}},  // the tick, then the refusal
      {"Clear", [](LoadedWindow& w) { w.Click("cmdClear"); }, {0, 1, 0}},
      {"Clear with other ticks", [](LoadedWindow& w) { w.Click("cmdClear"); }, {0, 1, 0},
       [](LoadedWindow& w) {
         w.Click("chkStmInput(1)");
         w.Click("chkStmInput(4)");
       }},
      {"a tick", [](LoadedWindow& w) { w.Click("chkStmInput(1)"); }, {0, 1, 0}},
      {"a digit typed into an input",
       [](LoadedWindow& w) {
         w.Click("txtData(43)");
         w.Type("7");
       },
       {0, 1, 0}},
      {"a quality outside 0 to 1",
       [](LoadedWindow& w) {
         w.Click("chkStmInput(1)");
         w.Click("chkStmInput(2)");
         w.Click("txtData(45)");
         w.form.UserPressKey(mainwindow::Key::Delete);
         w.form.txtData(45).UserReplaceSelection("2");
         w.Press(mainwindow::Key::Tab);
       },
       {0, 3, 0}},  // two ticks, then the quality check
      {"a unit picked", [](LoadedWindow& w) { w.Select(16, 1); }, {0, 0, 1}},
      {"the unit system", [](LoadedWindow& w) { w.Click("optUnits(1)"); }, {0, 0, 1}},
      {"more digits after leaving a field",
       [](LoadedWindow& w) {
         w.Click("txtData(43)");
         w.Click("cmdMore");
       },
       {1, 0, 1}},
      {"the formulation", [](LoadedWindow& w) { w.Click("optSteam(1)"); }, {1, 0, 0}},
  };
  for (const Action& action : actions) {
    LoadedWindow w;
    action.prepare(w);
    Compute(w);
    CountingListener listener;
    w.form.AddStateListener(listener);
    w.form.AddStateListener(listener);  // a second add changes nothing
    action.act(w);
    EXPECT_EQ(listener.shown, action.expected.shown) << action.name;
    EXPECT_EQ(listener.cleared, action.expected.cleared) << action.name;
    EXPECT_EQ(listener.displayChanged, action.expected.displayChanged) << action.name;
    EXPECT_EQ(w.form.ShownState().has_value(), action.expected.cleared == 0) << action.name;
    w.form.RemoveStateListener(listener);
  }
}

TEST(StateListeners, TheStateShownIsTheOneComputed) {
  LoadedWindow w;
  CountingListener first, second;
  w.form.AddStateListener(first);
  w.form.AddStateListener(second);
  w.Enter(43, "600");
  w.Enter(44, "100");
  w.Click("cmdCompute");
  ASSERT_TRUE(first.last && second.last);
  EXPECT_EQ(first.last->pair, steam::InputPair::TemperaturePressure);
  EXPECT_EQ(first.last->formulation, steam::Formulation::IF97);
  EXPECT_EQ(first.last->values.Temperature, 600.0);
  EXPECT_EQ(first.last->values.Enthalpy, w.form.WorkingState.Enthalpy);
  ASSERT_TRUE(w.form.ShownState());
  EXPECT_EQ(w.form.ShownState()->values.Enthalpy, w.form.WorkingState.Enthalpy);
  const int clearedBefore = second.cleared;
  w.Click("cmdClear");
  EXPECT_FALSE(w.form.ShownState());
  EXPECT_EQ(second.cleared, clearedBefore + 1);
}

// A listener that leaves while it is told: the others are still told, and it
// hears nothing more.
TEST(StateListeners, AListenerMayLeaveWhileItIsTold) {
  LoadedWindow w;
  struct Leaving : CountingListener {
    mainwindow::frmMain* form = nullptr;
    void StateShown(const steam::SteamState& state) override {
      CountingListener::StateShown(state);
      form->RemoveStateListener(*this);
    }
  } leaving;
  leaving.form = &w.form;
  CountingListener staying;
  w.form.AddStateListener(leaving);
  w.form.AddStateListener(staying);
  w.Click("cmdCompute");
  w.Click("cmdCompute");
  EXPECT_EQ(leaving.shown, 1);
  EXPECT_EQ(staying.shown, 2);
}

}  // namespace
