// Designer property records: read by the types the class declares, or refused.

#include <QWidget>

#include "tests/support/TestSupport.h"

using namespace std::string_literals;

TEST(Record, TheWindowsRecordIsReadEntryByEntry) {
  const auto entries = fw::DecodeRecord(Window1::DesignRecord(), fw::Window().Properties());
  std::vector<std::size_t> offsets;
  for (const auto& entry : entries) offsets.push_back(entry.offset);
  EXPECT_EQ(offsets,
            (std::vector<std::size_t>{0,   14,  24,  35,  48,  62,  75,  89,  99,  110, 124,
                                      137, 156, 165, 177, 193, 206, 218, 230, 246, 262}));
}

TEST(Record, ValuesAreReadByTheTypeTheirClassDeclares) {
  // Strings count bytes ("aß" is a\303\237), names ignore case, INT32_MIN is no index.
  const std::string record = "Text \0\0\0\3a\303\237HelpTag \0\0\0\0MULTILINE \1Index \200\0\0\0"s;
  fw::RecordWriter writer;
  writer.String("Text", "a\303\237").String("HelpTag", "").Boolean("MULTILINE", true);
  EXPECT_EQ(writer.Int32("Index", INT32_MIN).Bytes(), record);
  fw::Label label;
  label.SetIndex(4);
  fw::SetProperties(label, record);
  EXPECT_EQ(label.Text(), "a\303\237");
  EXPECT_EQ(label.Index(), fw::Control::kNoIndex);
  // "Value": an Int32 on a tab panel, a Boolean on a radio button, not the other.
  fw::TabPanel tabs;
  fw::RadioButton radio;
  fw::SetProperties(tabs, "TabDefinition \0\0\0\3A\rBValue \0\0\0\1"s);
  fw::SetProperties(radio, "Value \1"s);
  EXPECT_EQ(tabs.Value(), 1);
  EXPECT_TRUE(radio.Value());
  EXPECT_THROW(fw::SetProperties(radio, "Value \0\0\0\1"s), fw::InvalidRecordException);
  EXPECT_THROW(fw::SetProperties(tabs, "Value \1"s), fw::InvalidRecordException);
}

TEST(Record, AMalformedRecordSetsNothingAndTheErrorNamesTheByte) {
  fw::Window window;
  fw::SetProperties(window, "Title \0\0\0\4KeptWidth \0\0\1\364"s);  // 500
  const std::pair<std::string, std::string> bad[] = {
      {"Title \0\0\0\7Change"s, " at byte 20"},       // a string cut short
      {"Title \377\377\377\360abc"s, " at byte 20"},  // a count past the end
      {"Width \0\0\1"s, " at byte 16"},               // an Int32 cut short
      {"Sparkle \1"s, "\"Sparkle\" at byte 10"},      // an unknown name
      {"Title"s, " at byte 10"},                      // no blank after the name
      {"title \0\0\0\0"s, " at byte 10"},             // not a name
      {"Visible \2"s, " at byte 18"}};                // a Boolean above 1
  for (const auto& [entry, where] : bad) {
    try {
      fw::SetProperties(window, "Width \0\0\0\144"s + entry);  // bytes 0 to 9 are good
      ADD_FAILURE() << "accepted " << entry;
    } catch (const fw::InvalidRecordException& error) {
      EXPECT_TRUE(error.Message().ends_with(where)) << error.Message();
    }
  }
  EXPECT_EQ(window.Title(), "Kept");
  EXPECT_EQ(window.Width(), 500);
}

TEST(Record, PlacesAndSizesOfAnyInt32AreHeldButBoundedOnScreen) {
  fw::Window window;  // the box stands in a holder away from the window's corner
  fw::SetProperties(window.AddControl("Holder", std::make_unique<fw::GroupBox>()),
                    "Left \0\0\0\12Top \0\0\0\12"s);
  auto& box =
      static_cast<fw::GroupBox&>(window.AddControl("Box", std::make_unique<fw::GroupBox>()));
  box.SetInitialParent("Holder");
  // Left and width INT32_MAX, top INT32_MIN: held, but no int edge overflows.
  fw::SetProperties(box, "Left \177\377\377\377Top \200\0\0\0Width \177\377\377\377"s);
  EXPECT_EQ(box.Left(), INT32_MAX);
  const QRect placed = box.Widget()->geometry();
  EXPECT_LT(placed.left(), placed.right());
  EXPECT_LT(placed.top(), 0);
  fw::SetProperties(box, "Left \200\0\0\0Width \200\0\0\0"s);
  EXPECT_EQ(box.Widget()->width(), 0);
}
