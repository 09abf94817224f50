// The window's 43 controls: one table, in creation order, from which each
// control is made, registered, given its designer property record and
// wired to the window's event handlers.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "game/Window1.h"

namespace {

enum class Kind { Square, ImageWell, PushButton, Label, TabPanel, GroupBox, RadioButton, Timer };

// Where a control stands: on the window, on a page of TabPanel1, or in
// GroupBox1. Timers stand nowhere.
enum class Holder { Window, About, Instructions, GroupBox1, None };

// One key of a record and its value; the value's type is the key's type.
struct Entry {
  std::string_view key;
  fw::PropertyValue value;
};

struct Row {
  std::string_view name;
  std::int32_t index;
  Kind kind;
  std::int32_t left, top, width, height;
  Holder holder;
  std::int32_t tabIndex;
  std::string_view text;       // Text, Caption or TabDefinition, as the class has it
  std::vector<Entry> other{};  // where the control differs from the common values
  std::int32_t textSize = 0;   // set beside the record; 0: not set
};

constexpr std::int32_t kNone = fw::Control::kNoIndex;
constexpr fw::Color kLink{0x66, 0x66, 0xFF};

constexpr std::string_view kVersion = "V1.5.1  \u00DF (for distribution)";

constexpr std::string_view kRules =
    "Watch Tavik, then do what Tavik did.\r"
    "Say Tavik flashes red in the upper left square and, about 1 second later, blue in the lower "
    "right square. Then you put the mouse over the upper left square, choose red (how to choose "
    "a colour is explained below) and click, and do the same over the lower right square with "
    "blue. Tavik starts out with two colours in two different squares and grows to 9 flashes of "
    "red, green, blue and yellow in any or all of the 9 squares: from two squares to three at a "
    "score of 8, from three to four at a score of 20, and so on. Click START; it is your turn "
    "whenever the bell rings. A right answer beeps and starts the next round of flashes; a wrong "
    "one buzzes, and the error is shown at the bottom. The squares are numbered 0 to 8 as on the "
    "board (top row 0 1 2, middle row 5 4 3, bottom row 7 6 8), so when the line after \"Me:\" "
    "reads 0r2b8g, Tavik flashed, in the last round, red in the upper left, then blue in the "
    "upper right, then green in the lower right. Your incorrect answer is on the line below it.";

constexpr std::string_view kPractice =
    "You can practice on the left. Place your mouse over the square and scroll. Up is red. Down "
    "is blue. Left is yellow. Right is green.  \r"
    " Note with a mouse with a wheel you may have to click the wheel (Kensigton) to switch from "
    "vertical scrolling to horizontal scrolling or tilt the wheel (Logitech) left and right. The "
    "standard Apple mouse with the scroll ball and he Apple magic mouse require no special "
    "alteration.\r"
    "                                                                         ";

const std::vector<Row>& ControlTable() {
  using enum Kind;
  using enum Holder;
  // clang-format off
  static const std::vector<Row> table{
  // name           index  class       left top   width height holder    tab text
  //     then what differs from the common values, and the text size set beside the record
    {"ImageWell1",   0,    Square,      80,  156,  64,  64,  Window,       0,  ""},
    {"ImageWell1",   1,    Square,      146, 156,  64,  64,  Window,       1,  ""},
    {"ImageWell1",   2,    Square,      212, 156,  64,  64,  Window,       2,  ""},
    {"ImageWell1",   3,    Square,      212, 222,  64,  64,  Window,       3,  ""},
    {"ImageWell1",   4,    Square,      146, 222,  64,  64,  Window,       4,  ""},
    {"ImageWell1",   5,    Square,      80,  222,  64,  64,  Window,       5,  ""},
    {"ImageWell1",   6,    Square,      146, 288,  64,  64,  Window,       6,  ""},
    {"ImageWell1",   7,    Square,      80,  288,  64,  64,  Window,       7,  ""},
    {"ImageWell1",   8,    Square,      212, 288,  64,  64,  Window,       8,  ""},
    {"PushButton1",  kNone, PushButton, 69,  378,  91,  20,  Window,       9,  "START",
        {{"Default", true}}},
    {"PushButton2",  kNone, PushButton, 183, 380,  93,  20,  Window,       10, "END ?"},
    {"Timer1",       kNone, Timer,      0,   0,    0,   0,   None,         0,  "",
        {{"Mode", 0}, {"Period", 1000}}},
    {"PushButton3",  kNone, PushButton, 183, 538,  80,  20,  Window,       11, "doit",
        {{"Visible", false}}},
    {"Label1",       kNone, Label,      58,  422,  49,  20,  Window,       12, "SCORE:"},
    {"Label2",       kNone, Label,      123, 422,  57,  20,  Window,       13, "0"},
    {"Label3",       kNone, Label,      80,  67,   172, 20,  Window,       14, "Sorry You Loose",
        {{"TextAlign", 1}, {"TextColor", fw::Color{0xFF, 0x00, 0x80}}, {"Bold", true},
         {"Visible", false}}, 18},
    {"Timer2",       kNone, Timer,      0,   0,    0,   0,   None,         0,  "",
        {{"Mode", 0}, {"Period", 500}}},
    {"Label4",       kNone, Label,      58,  99,   194, 45,  Window,       15, "Your Turn",
        {{"TextAlign", 1}, {"TextColor", fw::Color{0xDD, 0x00, 0x00}}, {"Bold", true},
         {"Visible", false}}, 36},
    {"TabPanel1",    kNone, TabPanel,   304, 14,   418, 512, Window,       21, "About\rInstructions",
        {{"Value", 0}}},
    {"Label10",      kNone, Label,      310, 49,   394, 279, Instructions, 0,  kRules,
        {{"Multiline", true}}},
    {"Label11",      kNone, Label,      411, 81,   114, 31,  About,        0,  "Quorvelle",
        {{"TextAlign", 1}, {"Bold", true}}, 18},
    {"Label12",      kNone, Label,      365, 119,  201, 20,  About,        1,  kVersion,
        {{"TextAlign", 1}}},
    {"Label7",       kNone, Label,      439, 142,  135, 20,  About,        2,  "www.example.org",
        {{"TextColor", kLink}, {"Underline", true}}},
    {"Label6",       kNone, Label,      328, 142,  100, 20,  About,        3,  "From",
        {{"TextAlign", 2}}},
    {"Label9",       kNone, Label,      326, 302,  76,  20,  About,        4,  "\u00A9 2026",
        {{"TextAlign", 2}}},
    {"Label8",       kNone, Label,      414, 302,  205, 20,  About,        5,  "quorvelle@example.org",
        {{"TextColor", kLink}, {"Underline", true}}},
    {"ImageWell2",   kNone, ImageWell,  319, 351,  66,  74,  Instructions, 1,  ""},
    {"Label20",      kNone, Label,      397, 334,  307, 149, Instructions, 2,  kPractice,
        {{"Multiline", true}}},
    {"Label21",      kNone, Label,      349, 174,  79,  20,  About,        6,  "Web Site",
        {{"TextAlign", 2}}},
    {"Label22",      kNone, Label,      439, 174,  261, 20,  About,        7,
        "https://www.example.org/quorvelle/",
        {{"TextColor", kLink}, {"Underline", true}}},
    {"Label23",      kNone, Label,      379, 200,  299, 67,  About,        8,
        "NOTE: Please send suggestions for improvement and bug reports to the email address below",
        {{"TextAlign", 1}, {"Multiline", true}}},
    // CreateControls1 begins here.
    {"PushButton4",  kNone, PushButton, 418, 495,  80,  20,  Instructions, 3,  "ring"},
    {"PushButton5",  kNone, PushButton, 510, 495,  80,  20,  Instructions, 4,  "beep"},
    {"PushButton6",  kNone, PushButton, 617, 495,  80,  20,  Instructions, 5,  "buzz"},
    {"Label24",      kNone, Label,      341, 495,  65,  20,  Instructions, 6,  "TRY:",
        {{"TextAlign", 2}, {"Bold", true}}},
    {"Label15",      kNone, Label,      58,  449,  100, 20,  Window,       22, "Final Round:"},
    {"Label16",      kNone, Label,      58,  474,  64,  20,  Window,       23, "Me:",
        {{"TextAlign", 2}}},
    {"Label17",      kNone, Label,      69,  506,  64,  20,  Window,       24, "You:",
        {{"TextAlign", 2}}},
    {"Label18",      kNone, Label,      141, 474,  151, 20,  Window,       25, ""},
    {"Label19",      kNone, Label,      152, 506,  151, 20,  Window,       26, ""},
    {"GroupBox1",    kNone, GroupBox,   420, 538,  284, 44,  Window,       27, "MODE"},
    {"RadioButton1", kNone, RadioButton, 433, 556, 100, 20,  GroupBox1,    0,  "normal",
        {{"Value", true}}},
    {"RadioButton2", kNone, RadioButton, 577, 556, 100, 20,  GroupBox1,    1,  "silent",
        {{"Value", false}}},
  };
  // clang-format on
  return table;
}

constexpr std::size_t kMadeByCreateControls0 = 31;

// The keys of each class's record, in order. Every control's record begins
// with its name and its place.
std::vector<std::string_view> Keys(Kind kind) {
  std::vector<std::string_view> keys{"Name",      "Index",      "Left",          "Top",
                                     "Width",     "Height",     "LockLeft",      "LockTop",
                                     "LockRight", "LockBottom", "TabPanelIndex", "TabIndex"};
  auto then = [&](std::initializer_list<std::string_view> rest) {
    keys.insert(keys.end(), rest);
    return keys;
  };
  // clang-format off
  switch (kind) {
    case Kind::Square:
    case Kind::ImageWell:
      return then({"TabStop", "InitialParent", "Visible", "HelpTag", "AutoDeactivate", "Enabled"});
    case Kind::PushButton:
      return then({"TabStop", "Caption", "Default", "Cancel", "Enabled", "Visible", "HelpTag",
                   "AutoDeactivate", "ButtonStyle", "TextFont", "Bold", "Italic", "Underline",
                   "InitialParent"});
    case Kind::Label:
      return then({"Text", "TextAlign", "TextColor", "Multiline", "Enabled", "Visible",
                   "Selectable", "Transparent", "HelpTag", "AutoDeactivate", "TextFont", "Bold",
                   "Italic", "Underline", "DataSource", "DataField", "InitialParent"});
    case Kind::TabPanel:
      return then({"TabStop", "TabDefinition", "SmallTabs", "Value", "Visible", "HelpTag",
                   "AutoDeactivate", "Enabled", "TextFont", "Bold", "Italic", "Underline",
                   "InitialParent"});
    case Kind::GroupBox:
      return then({"Caption", "Enabled", "Visible", "HelpTag", "AutoDeactivate", "TextFont",
                   "Bold", "Italic", "Underline", "InitialParent"});
    case Kind::RadioButton:
      return then({"TabStop", "Caption", "Enabled", "Visible", "HelpTag", "AutoDeactivate",
                   "TextFont", "Bold", "Italic", "Underline", "Value", "InitialParent"});
    case Kind::Timer:
      return {"Mode", "Period"};
  }
  // clang-format on
  return {};
}

// What every control whose class has the key is given, unless its row says
// otherwise.
const std::vector<Entry>& CommonValues() {
  // clang-format off
  static const std::vector<Entry> common{
      {"LockLeft", true},    {"LockTop", true},           {"LockRight", false},
      {"LockBottom", false}, {"TabStop", true},           {"HelpTag", ""},
      {"AutoDeactivate", true}, {"Enabled", true},        {"Visible", true},
      {"TextFont", "System"},   {"Bold", false},          {"Italic", false},
      {"Underline", false},  {"Default", false},          {"Cancel", false},
      {"ButtonStyle", 0},    {"TextAlign", 0},            {"TextColor", fw::Color{0, 0, 0}},
      {"Multiline", false},  {"Selectable", false},       {"Transparent", false},
      {"DataSource", ""},    {"DataField", ""},           {"SmallTabs", false},
  };
  // clang-format on
  return common;
}

const fw::PropertyValue* FindEntry(const std::vector<Entry>& entries, std::string_view key) {
  for (const Entry& entry : entries) {
    if (entry.key == key) return &entry.value;
  }
  return nullptr;
}

// The value a row's own columns give a key, if any.
std::optional<fw::PropertyValue> ColumnValue(const Row& row, std::string_view key) {
  const bool onPage = row.holder == Holder::About || row.holder == Holder::Instructions;
  if (key == "Name") return std::string(row.name);
  if (key == "Index") return row.index;
  if (key == "Left") return row.left;
  if (key == "Top") return row.top;
  if (key == "Width") return row.width;
  if (key == "Height") return row.height;
  if (key == "TabIndex") return row.tabIndex;
  if (key == "Text" || key == "Caption" || key == "TabDefinition") return std::string(row.text);
  if (key == "TabPanelIndex") {
    return row.holder == Holder::About ? 1 : row.holder == Holder::Instructions ? 2 : 0;
  }
  if (key == "InitialParent") {
    return std::string(onPage ? "TabPanel1" : row.holder == Holder::GroupBox1 ? "GroupBox1" : "");
  }
  return std::nullopt;
}

// The control's designer property record: its class's keys in order, each
// with the row's difference, the row's own column or the common value.
std::string Record(const Row& row) {
  fw::RecordWriter record;
  for (std::string_view key : Keys(row.kind)) {
    std::optional<fw::PropertyValue> value;
    if (const fw::PropertyValue* differs = FindEntry(row.other, key)) {
      value = *differs;
    } else if (auto column = ColumnValue(row, key)) {
      value = std::move(column);
    } else if (const fw::PropertyValue* common = FindEntry(CommonValues(), key)) {
      value = *common;
    } else {
      throw fw::RuntimeException("no value for " + std::string(key) + " of " +
                                 std::string(row.name));
    }
    std::visit(
        [&](const auto& v) {
          using V = std::decay_t<decltype(v)>;
          if constexpr (std::is_same_v<V, std::int32_t>) record.Int32(key, v);
          if constexpr (std::is_same_v<V, bool>) record.Boolean(key, v);
          if constexpr (std::is_same_v<V, fw::Color>) record.Color(key, v);
          if constexpr (std::is_same_v<V, std::string>) record.String(key, v);
        },
        *value);
  }
  return record.Bytes();
}

// A handler method of the window as a control's event.
template <class Control, class Result, class... Args>
std::function<Result(Control&, Args...)> Call(Window1& window,
                                              Result (Window1::*handler)(Control&, Args...)) {
  return [&window, handler](Control& control, Args... args) {
    return (window.*handler)(control, args...);
  };
}

// The events each control hands to the window, in the order they are
// attached.
void AttachHandlers(Window1& window, const Row& row, fw::ImageWell& well) {
  if (row.name == "ImageWell1") {
    well.MouseDown = Call(window, &Window1::ImageWell1_MouseDown);
    well.MouseEnter = Call(window, &Window1::ImageWell1_MouseEnter);
    well.MouseWheel = Call(window, &Window1::ImageWell1_MouseWheel);
    well.MouseExit = Call(window, &Window1::ImageWell1_MouseExit);
  } else if (row.name == "ImageWell2") {
    well.MouseWheel = Call(window, &Window1::ImageWell2_MouseWheel);
    well.MouseExit = Call(window, &Window1::ImageWell2_MouseExit);
    well.MouseDown = Call(window, &Window1::ImageWell2_MouseDown);
  }
}

void AttachHandlers(Window1& window, const Row& row, fw::PushButton& button) {
  const std::string_view name = row.name;
  if (name == "PushButton1") {
    button.Action = Call(window, &Window1::PushButton1_Action);
    button.MouseExit = Call(window, &Window1::PushButton1_MouseExit);
  }
  if (name == "PushButton2") button.Action = Call(window, &Window1::PushButton2_Action);
  if (name == "PushButton3") button.Action = Call(window, &Window1::PushButton3_Action);
  if (name == "PushButton4") button.Action = Call(window, &Window1::PushButton4_Action);
  if (name == "PushButton5") button.Action = Call(window, &Window1::PushButton5_Action);
  if (name == "PushButton6") button.Action = Call(window, &Window1::PushButton6_Action);
}

void AttachHandlers(Window1& window, const Row& row, fw::Label& label) {
  const std::string_view name = row.name;
  if (name == "Label7") label.MouseDown = Call(window, &Window1::Label7_MouseDown);
  if (name == "Label8") label.MouseDown = Call(window, &Window1::Label8_MouseDown);
  if (name == "Label22") label.MouseDown = Call(window, &Window1::Label22_MouseDown);
}

void AttachHandlers(Window1& window, const Row& row, fw::Timer& timer) {
  if (row.name == "Timer1") timer.Action = Call(window, &Window1::Timer1_Action);
  if (row.name == "Timer2") timer.Action = Call(window, &Window1::Timer2_Action);
}

// Tab panels, group boxes and radio buttons hand no event to the window.
void AttachHandlers(Window1& /*window*/, const Row& /*row*/, fw::Object& /*control*/) {}

// Registers a new control, then finds it again and finishes it as its
// framework class T: text settings, record, handlers.
template <class T>
void Finish(Window1& window, const Row& row, std::unique_ptr<fw::Object> made) {
  window.AddControl(std::string(row.name), std::move(made));
  fw::Object* found = row.kind == Kind::Square ? window.ControlByNameIndex(row.name, row.index)
                                               : window.ControlByName(row.name);
  T& control = fw::NotNil(fw::CheckCast<T>(found));
  if constexpr (std::is_base_of_v<fw::TextControl, T>) {
    if (row.textSize != 0) control.SetTextSize(row.textSize);
    control.SetTextUnit(0);
  }
  fw::SetProperties(control, Record(row));
  AttachHandlers(window, row, control);
}

void MakeControl(Window1& window, const Row& row) {
  switch (row.kind) {
    case Kind::Square:
      return Finish<fw::ImageWell>(window, row, std::make_unique<window1::ImageWell1>(row.index));
    case Kind::ImageWell:
      return Finish<fw::ImageWell>(window, row, std::make_unique<fw::ImageWell>());
    case Kind::PushButton:
      return Finish<fw::PushButton>(window, row, std::make_unique<fw::PushButton>());
    case Kind::Label:
      return Finish<fw::Label>(window, row, std::make_unique<fw::Label>());
    case Kind::TabPanel:
      return Finish<fw::TabPanel>(window, row, std::make_unique<fw::TabPanel>());
    case Kind::GroupBox:
      return Finish<fw::GroupBox>(window, row, std::make_unique<fw::GroupBox>());
    case Kind::RadioButton:
      return Finish<fw::RadioButton>(window, row, std::make_unique<fw::RadioButton>());
    case Kind::Timer:
      return Finish<fw::Timer>(window, row, std::make_unique<fw::Timer>());
  }
}

}  // namespace

std::vector<std::string> Window1::ControlRecords() {
  std::vector<std::string> records;
  for (const Row& row : ControlTable()) records.push_back(Record(row));
  return records;
}

void Window1::CreateControls0() {
  for (const Row& row : std::span(ControlTable()).first(kMadeByCreateControls0)) {
    MakeControl(*this, row);
  }
}

void Window1::CreateControls1() {
  for (const Row& row : std::span(ControlTable()).subspan(kMadeByCreateControls0)) {
    MakeControl(*this, row);
  }
}
