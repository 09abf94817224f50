// Designer property records: exact bytes, reading by declared type, and
// records the setter must refuse.

#include <gtest/gtest.h>

#include <QRect>
#include <QWidget>

#include <cstdint>
#include <limits>
#include <string>

#include "framework/Framework.h"
#include "game/Window1.h"

namespace {

using fw::PropertyType;

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int value : values) bytes.push_back(static_cast<char>(value));
  return bytes;
}

TEST(Record, WindowRecordIsTwentyOneEntriesEndingAtByte276) {
  std::string record = Window1::DesignRecord();
  ASSERT_EQ(record.size(), 276U);
  EXPECT_EQ(record.substr(0, 35), "Placement " + Bytes({0, 0, 0, 0}) + "Width " +
                                      Bytes({0, 0, 2, 0xFA}) + "Height " + Bytes({0, 0, 2, 0x5A}));
  EXPECT_EQ(record.substr(137, 19), "Title " + Bytes({0, 0, 0, 9}) + "Quorvelle");
  EXPECT_EQ(record.substr(124, 13), "BackColor " + Bytes({0xCC, 0xCC, 0xCC}));

  fw::Window window;
  std::vector<fw::RecordEntry> entries = fw::DecodeRecord(record, window.Properties());
  ASSERT_EQ(entries.size(), 21U);
  std::vector<std::size_t> offsets;
  for (const auto& entry : entries) offsets.push_back(entry.offset);
  EXPECT_EQ(offsets,
            (std::vector<std::size_t>{0,   14,  24,  35,  48,  62,  75,  89,  99,  110, 124,
                                      137, 156, 165, 177, 193, 206, 218, 230, 246, 262}));
  // "MacProcID" names the property MacProcId.
  EXPECT_EQ(entries.back().property->name, "MacProcId");
}

TEST(Record, AppliesTheWindowsSettings) {
  fw::Window window;
  fw::SetProperties(window, Window1::DesignRecord());
  EXPECT_EQ(window.Title(), "Quorvelle");
  EXPECT_EQ(window.Width(), 762);
  EXPECT_EQ(window.Height(), 602);
  EXPECT_EQ(window.BackColor(), (fw::Color{0xCC, 0xCC, 0xCC}));
  EXPECT_TRUE(window.Visible());
  EXPECT_FALSE(window.CloseButton());
  EXPECT_FALSE(window.MaximizeButton());
  EXPECT_TRUE(window.MinimizeButton());
  EXPECT_FALSE(window.Resizeable());
}

TEST(Record, EntriesAreFoundByReadingNotByOffset) {
  // A longer title moves every later entry; nothing is read at a fixed place.
  fw::Window window;
  std::string record = fw::RecordWriter()
                           .String("Title", "A title of another length")
                           .Boolean("Visible", false)
                           .Int32("Width", 300)
                           .Bytes();
  auto entries = fw::DecodeRecord(record, window.Properties());
  ASSERT_EQ(entries.size(), 3U);
  EXPECT_EQ(entries[1].offset, 6U + 4U + 25U);
  fw::SetProperties(window, record);
  EXPECT_EQ(window.Title(), "A title of another length");
  EXPECT_EQ(window.Width(), 300);
}

TEST(Record, StringsCountBytesAndEmptyStringsAreFourZeroBytes) {
  EXPECT_EQ(fw::RecordWriter().String("HelpTag", "").Bytes(), "HelpTag " + Bytes({0, 0, 0, 0}));
  std::string version = "V1.5.1  \xC3\x9F (for distribution)";
  std::string record = fw::RecordWriter().String("Text", version).Bytes();
  EXPECT_EQ(record.substr(5, 4), Bytes({0, 0, 0, 29}));

  fw::Label label;
  fw::SetProperties(label, record);
  EXPECT_EQ(label.Text(), version);
}

TEST(Record, OneNameHasTheWidthItsClassDeclares) {
  fw::TabPanel tabs;
  fw::RadioButton radio;
  std::string tabValue =
      fw::RecordWriter().String("TabDefinition", "About\rInstructions").Int32("Value", 1).Bytes();
  std::string radioValue = fw::RecordWriter().Boolean("Value", true).Bytes();
  EXPECT_EQ(radioValue.size(), 7U);
  fw::SetProperties(tabs, tabValue);
  fw::SetProperties(radio, radioValue);
  EXPECT_EQ(tabs.Value(), 1);
  EXPECT_TRUE(radio.Value());
  // Read against the other class, each record is malformed.
  EXPECT_THROW(fw::SetProperties(radio, fw::RecordWriter().Int32("Value", 1).Bytes()),
               fw::InvalidRecordException);
  EXPECT_THROW(fw::SetProperties(tabs, radioValue), fw::InvalidRecordException);
}

TEST(Record, NamesMatchWithoutRegardToCase) {
  fw::Label label;
  fw::SetProperties(label, fw::RecordWriter().Boolean("Multiline", true).Bytes());
  EXPECT_TRUE(label.MultiLine());
  fw::SetProperties(label, fw::RecordWriter().Boolean("MULTILINE", false).Bytes());
  EXPECT_FALSE(label.MultiLine());
}

TEST(Record, TheSmallestIndexMarksAControlOutsideAnyArray) {
  fw::Label label;
  label.SetIndex(4);
  std::string record = fw::RecordWriter().Int32("Index", fw::Control::kNoIndex).Bytes();
  EXPECT_EQ(record.substr(6), Bytes({0x80, 0, 0, 0}));
  fw::SetProperties(label, record);
  EXPECT_EQ(label.Index(), std::numeric_limits<std::int32_t>::min());
}

TEST(Record, MalformedRecordsAreRefusedAndSetNothing) {
  fw::Window window;
  std::string good = fw::RecordWriter().String("Title", "Kept").Int32("Width", 500).Bytes();
  fw::SetProperties(window, good);

  std::string truncatedString = fw::RecordWriter().String("Title", "Changed").Bytes();
  truncatedString.pop_back();
  std::string countPastEnd = "Title " + Bytes({0xFF, 0xFF, 0xFF, 0xF0}) + "abc";
  std::string truncatedInt = fw::RecordWriter().Int32("Width", 100).Bytes().substr(0, 8);
  std::string unknown = fw::RecordWriter().Int32("Width", 100).Boolean("Sparkle", true).Bytes();
  std::string noBlank = fw::RecordWriter().Int32("Width", 100).Bytes() + "Title";
  std::string notAName = std::string("title ") + Bytes({0, 0, 0, 0});
  std::string badBoolean = "Visible " + Bytes({7});

  for (const std::string& bad :
       {truncatedString, countPastEnd, truncatedInt, unknown, noBlank, notAName, badBoolean}) {
    EXPECT_THROW(fw::SetProperties(window, bad), fw::InvalidRecordException) << bad;
  }
  EXPECT_EQ(window.Title(), "Kept");
  EXPECT_EQ(window.Width(), 500);
}

TEST(Record, TheErrorNamesTheByteWhereReadingFailed) {
  fw::Window window;
  std::string record = fw::RecordWriter().Int32("Width", 100).Bytes() + "Sparkle " + Bytes({1});
  try {
    fw::SetProperties(window, record);
    FAIL() << "no exception";
  } catch (const fw::InvalidRecordException& error) {
    EXPECT_NE(error.Message().find("\"Sparkle\""), std::string::npos) << error.Message();
    EXPECT_NE(error.Message().find("byte 10"), std::string::npos) << error.Message();
  }
}

TEST(Record, PlacesAndSizesOfAnyValueAreHeldButBoundedOnScreen) {
  // A widget keeps its edges in int: left + width must not overflow there.
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  fw::GroupBox box;
  fw::SetProperties(box, fw::RecordWriter()
                             .Int32("Left", 420)
                             .Int32("Top", kMin)
                             .Int32("Width", kMax)
                             .Int32("Height", kMax)
                             .Bytes());
  EXPECT_EQ(box.Left(), 420);
  EXPECT_EQ(box.Top(), kMin);
  EXPECT_EQ(box.Width(), kMax);
  const QRect placed = box.Widget()->geometry();
  EXPECT_EQ(placed.left(), 420);
  EXPECT_LT(placed.top(), 0);
  EXPECT_GT(placed.width(), 0);
  fw::SetProperties(box, fw::RecordWriter().Int32("Left", kMin).Int32("Width", kMin).Bytes());
  EXPECT_EQ(box.Widget()->width(), 0);
}

}  // namespace
