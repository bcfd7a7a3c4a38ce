#include "3-windows/layout/control_row.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::int64_t kIndex = -2147483648LL;  // controls are found by name alone
constexpr fw::Color kWhite = fw::Color::FromRGB(0xFFFFFF);
constexpr fw::Color kBlack = fw::Color::FromRGB(0x000000);
constexpr fw::Color kNavy = fw::Color::FromRGB(0x000080);

// Values shared by a class's controls, as their blocks state them.
// clang-format off
const fw::PropertyBlock kEveryControl = {
    {"Index", kIndex}, {"LockLeft", false}, {"LockTop", false}, {"LockRight", false},
    {"LockBottom", false}, {"TabPanelIndex", 0}, {"AllowAutoDeactivate", true}, {"Tooltip", ""},
    {"Transparent", true}, {"InitialParent", ""}};

const fw::PropertyBlock kTextField = {
    {"BackgroundColor", kWhite}, {"HasBorder", true}, {"TextColor", kBlack}, {"Password", false},
    {"AllowFocusRing", true}, {"AllowTabs", false}, {"AllowSpellChecking", false},
    {"TextAlignment", 2}, {"FontName", "System"}, {"FontSize", 12.0}, {"FontUnit", 0},
    {"Bold", false}, {"Italic", false}, {"Underline", false}, {"Value", ""}, {"Format", ""},
    {"Hint", ""}, {"ValidationMask", ""}, {"DataSource", ""}, {"DataField", ""}};

const fw::PropertyBlock kTextArea = {
    {"Format", ""}, {"HideSelection", false}, {"LineHeight", 0.0}, {"LineSpacing", 1.0},
    {"Multiline", true}, {"TextColor", kBlack}, {"Bold", false}, {"Italic", false},
    {"Underline", false}, {"ReadOnly", false}, {"DataSource", ""}, {"DataField", ""},
    {"BackgroundColor", kWhite}, {"HasBorder", false}, {"HasHorizontalScrollbar", false},
    {"HasVerticalScrollbar", true}, {"AllowStyledText", true}, {"AllowFocusRing", true},
    {"FontName", "System"}, {"FontSize", 12.0}, {"FontUnit", 0}, {"AllowTabs", false},
    {"TextAlignment", 0}, {"AllowSpellChecking", false}, {"MaximumCharactersAllowed", 0},
    {"ValidationMask", ""}};

const fw::PropertyBlock kLabel = {
    {"Multiline", true}, {"FontSize", 12.0}, {"Selectable", false}, {"TextAlignment", 2},
    {"TextColor", kNavy}, {"FontName", "System"}, {"FontUnit", 0}, {"Bold", false},
    {"Italic", false}, {"Underline", false}, {"DataSource", ""}, {"DataField", ""}};

const fw::PropertyBlock kCanvas = {
    {"AllowFocus", false}, {"AllowTabs", false}, {"DoubleBuffer", false}, {"AllowFocusRing", true}};

const fw::PropertyBlock kNothing = {};
// clang-format on

const fw::PropertyBlock& SharedBy(ControlClass controlClass) {
  switch (controlClass) {
    case ControlClass::TextField:
      return kTextField;
    case ControlClass::TextArea:
      return kTextArea;
    case ControlClass::Label:
      return kLabel;
    case ControlClass::Canvas:
      return kCanvas;
    case ControlClass::Separator:
    case ControlClass::Timer:
      return kNothing;
  }
  return kNothing;
}

const fw::Property* Find(const fw::PropertyBlock& block, std::string_view name) {
  for (const auto& property : block)
    if (property.name == name) return &property;
  return nullptr;
}

// The row's own columns, by the names its block gives them.
fw::PropertyBlock Columns(const ControlRow& row) {
  return {{"Name", row.name},       {"Left", row.left},       {"Top", row.top},
          {"Width", row.width},     {"Height", row.height},   {"TabIndex", row.tabIndex},
          {"TabStop", row.tabStop}, {"Enabled", row.enabled}, {"Visible", row.visible}};
}

}  // namespace

fw::PropertyBlock BlockOf(const ControlRow& row) {
  // A value the order does not name would silently go unapplied: a slip in the table.
  for (const auto& property : row.values)
    if (std::find(row.order.begin(), row.order.end(), property.name) == row.order.end())
      throw fw::PropertyException(std::string(row.name) + "'s block has no place for " +
                                  property.name);
  const fw::PropertyBlock columns = Columns(row);
  fw::PropertyBlock block;
  for (std::string_view name : row.order) {
    const fw::Property* value = Find(columns, name);
    if (!value) value = Find(row.values, name);
    if (!value) value = Find(SharedBy(row.controlClass), name);
    if (!value) value = Find(kEveryControl, name);
    if (!value)
      throw fw::PropertyException(std::string(row.name) + " has no value for " + std::string(name));
    block.push_back(*value);
  }
  return block;
}
