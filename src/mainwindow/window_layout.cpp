// The controls of the main window as designed: names, captions, tooltips,
// tags, tab order, geometry and their state before the window loads.
#include "mainwindow/frm_main.h"
#include "mainwindow/shown_fields.h"
#include "units/unit_lists.h"

namespace mainwindow {

namespace {

constexpr int kValueFieldLeft = 2220;
constexpr int kUnitListLeft = 3600;
constexpr int kCaptionLeft = 285;

struct InputRow {
  int top;
  const char* caption;
  const char* toolTip;
  const char* tag;
};

// chkStmInput(0..4) with txtData(43..47).
constexpr InputRow kInputRows[kTickCount] = {
    {1320, "&Temperature:", "", "Temperature"},
    {1648, "&Pressure:", "", "Pressure"},
    {1976, "&Quality (L=0, V=1):", "Vapor Fraction", "Quality"},
    {2304, "&Enthalpy:", "", "Enthalpy"},
    {2632, "E&ntropy:", "", "Entropy"},
};

struct ResultRow {
  int top;
  const char* caption;
  const char* toolTip;
};

// Label4 with txtData(48..57); which label captions which field is in
// kShownFields.
constexpr ResultRow kResultRows[] = {
    {2960, "Specific Volume", ""},
    {3288, "Density", ""},
    {3616, "Isobaric Heat Capacity", "Cp"},
    {3944, "Isochoric Heat Capacity", "Cv"},
    {4272, "Viscosity", ""},
    {4600, "Thermal Conductivity", ""},
    {4928, "Surface Tension", ""},
    {5256, "Critical Velocity", "Sonic Velocity"},
    {5584, "Prandtl Number", ""},
    {5925, "Isentropic Exponent", "Cp/Cv"},
};

int RowTop(int16_t field) {
  if (field <= kLastInputField) return kInputRows[field - kFirstField].top;
  return kResultRows[field - kLastInputField - 1].top;
}

int UnitListTabIndex(int16_t list) {
  if (list <= 24) return 31 + (list - 16);
  if (list == 25) return 46;
  if (list == 26) return 19;
  return 51;
}

void SetUp(Control& control, const Control* container, Geometry geometry, int tabIndex) {
  control.container = container;
  control.geometry = geometry;
  control.tabIndex = tabIndex;
}

}  // namespace

void frmMain::BuildControls() {
  Register(frmSteam);
  frmSteam.caption = "Select Input and Compute Results";
  frmSteam.geometry = {105, 135, 5595, 6885};

  Register(Frame1);
  SetUp(Frame1, &frmSteam, {150, 180, 5295, 510}, 20);
  for (int16_t k = 0; k < 2; ++k) {
    optUnits_.push_back(std::make_unique<OptionButton>("optUnits", k));
    Register(*optUnits_.back());
  }
  optUnits(0).caption = "&IP Engineering Units";
  optUnits(0).toolTip = "US Imperial Units";
  SetUp(optUnits(0), &Frame1, {570, 195, 1980, 225}, 22);
  optUnits(1).caption = "&SI Engineering Units";
  optUnits(1).toolTip = "Systeme International Units";
  SetUp(optUnits(1), &Frame1, {3090, 195, 1920, 225}, 21);

  Register(Frame2);
  SetUp(Frame2, &frmSteam, {150, 690, 5295, 510}, 23);
  for (int16_t k = 0; k < 2; ++k) {
    optSteam_.push_back(std::make_unique<OptionButton>("optSteam", k));
    Register(*optSteam_.back());
  }
  optSteam(0).caption = "IFC-&97 (IAPWS Formulation)";
  optSteam(0).toolTip = "Current International Standard";
  SetUp(optSteam(0), &Frame2, {135, 210, 2550, 195}, 24);
  optSteam(1).caption = "IFC-&67 (ASME Formulation)";
  optSteam(1).toolTip = "Old International Standard";
  SetUp(optSteam(1), &Frame2, {2775, 210, 2415, 195}, 25);
  for (auto* group : {&optUnits_, &optSteam_}) {
    for (auto& button : *group) {
      for (auto& member : *group) button->group.push_back(member.get());
    }
  }

  for (int16_t k = 0; k < kTickCount; ++k) {
    chkStmInput_.push_back(std::make_unique<CheckBox>("chkStmInput", k));
    CheckBox& box = *chkStmInput_.back();
    Register(box);
    const InputRow& row = kInputRows[k];
    box.caption = row.caption;
    box.toolTip = row.toolTip;
    box.tag = row.tag;
    SetUp(box, &frmSteam, {kCaptionLeft, row.top + 15, 1845, 285}, 26 + k);
  }
  for (int16_t m = 0; m < 10; ++m) Label4_.push_back(std::make_unique<Label>("Label4", m));
  for (int16_t field = kLastInputField + 1; field <= kLastField; ++field) {
    const ResultRow& row = kResultRows[field - kLastInputField - 1];
    Label& label = Label4(kShownFields[static_cast<std::size_t>(field - kFirstField)].label);
    Register(label);
    label.caption = row.caption;
    label.toolTip = row.toolTip;
    SetUp(label, &frmSteam, {kCaptionLeft, row.top, 1875, 315}, -1);
  }

  for (int16_t i = kFirstField; i <= kLastField; ++i) {
    txtData_.push_back(std::make_unique<TextBox>("txtData", i));
    TextBox& field = *txtData_.back();
    Register(field);
    SetUp(field, &frmSteam, {kValueFieldLeft, RowTop(i), 1335, 315}, i - kFirstField);
    field.tabStop = true;
    field.SetLocked(i > kLastInputField);
  }
  for (const units::UnitList& row : units::kUnitLists) {
    cboUnits_.push_back(std::make_unique<ComboBox>("cboUnits", row.list));
    ComboBox& list = *cboUnits_.back();
    Register(list);
    list.tag = row.tag;
    SetUp(list, &frmSteam, {kUnitListLeft, RowTop(row.field), 1725, 315},
          UnitListTabIndex(row.list));
  }

  Register(cmdMore);
  cmdMore.toolTip = "Display More Digits";
  cmdMore.showsIcon = true;
  SetUp(cmdMore, &frmSteam, {3855, 5640, 615, 570}, 52);
  Register(cmdLess);
  cmdLess.toolTip = "Display Less Digits";
  cmdLess.showsIcon = true;
  SetUp(cmdLess, &frmSteam, {4575, 5640, 615, 570}, 53);
  Register(cmdClear);
  cmdClear.caption = "Clea&r";
  SetUp(cmdClear, &frmSteam, {555, 6315, 1335, 405}, 15);
  Register(cmdCompute);
  cmdCompute.caption = "&Compute";
  SetUp(cmdCompute, &frmSteam, {2220, 6315, 1335, 405}, 16);
  Register(cmdClose);
  cmdClose.caption = "&Hide";
  SetUp(cmdClose, &frmSteam, {3855, 6315, 1335, 405}, 17);

  Register(Tray1);
  Tray1.toolTip = "Hydrelix";
  Tray1.SetVisible(false);

  struct MenuEntry {
    MenuItem* item;
    const char* caption;
    const char* shortcut;
    bool opensMenu;
  };
  const MenuEntry menuBar[] = {
      {&mnuFile, "&File", "", true},
      {&mnuFileHide, "&Hide", "", false},
      {&mnuFileOnTop, "&Keep Calculator on Top", "", false},
      {&mnuFileBar0, "-", "", false},
      {&mnuFileDisclaimer, "&View Disclaimer", "", false},
      {&mnuFileBar1, "-", "", false},
      {&mnuFileExit, "E&xit", "", false},
      {&mnuEdit, "&Edit", "", true},
      {&mnuEditCut, "Cu&t", "Ctrl+X", false},
      {&mnuEditCopy, "&Copy", "Ctrl+C", false},
      {&mnuEditPaste, "&Paste", "Ctrl+V", false},
      {&mnuHelp, "&Help", "", true},
      {&mnuHelpContents, "&Help", "F1", false},
      {&mnuHelpSearchForHelpOn, "&Search For Help On...", "", false},
      {&mnuHelpBar0, "-", "", false},
      {&mnuHelpAbout, "&About", "", false},
      {&mnuTrayPopup, "&TrayPopup", "", true},
  };
  const MenuItem* menu = nullptr;
  for (const MenuEntry& entry : menuBar) {
    Register(*entry.item);
    entry.item->caption = entry.caption;
    entry.item->shortcut = entry.shortcut;
    if (entry.opensMenu) {
      menu = entry.item;
    } else {
      entry.item->menu = menu;
    }
  }
  mnuFileOnTop.checkable = true;

  const char* trayCaptions[] = {"&Open Hydrelix", "&About", "-", "&Exit"};
  for (int16_t k = 0; k < 4; ++k) {
    mnuTrayPopupItem_.push_back(std::make_unique<MenuItem>("mnuTrayPopupItem", k));
    MenuItem& item = *mnuTrayPopupItem_.back();
    Register(item);
    item.caption = trayCaptions[k];
    item.menu = &mnuTrayPopup;
  }
  mnuTrayPopupItem(0).isDefault = true;

  // Before the window loads: temperature and pressure ticked, the other
  // three boxes unticked and disabled; results locked for good.
  chkStmInput(0).SetValue(1);
  chkStmInput(1).SetValue(1);
  for (int16_t k = 2; k < kTickCount; ++k) chkStmInput(k).SetEnabled(false);
}

}  // namespace mainwindow
