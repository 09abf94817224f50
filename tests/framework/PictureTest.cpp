// Pictures read from files: what the board's squares show, and what they
// show when the file is not a picture.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <memory>

#include "framework/FolderItem.h"
#include "framework/Picture.h"
#include "framework/Runtime.h"
#include "tests/support/TestFiles.h"

namespace {

using testfiles::WritePicture;

TEST(Picture, OpensAPngAsItWasDrawn) {
  testfiles::TempFolder folder;
  WritePicture(folder.Path() / "red.png", 5, 7, QColor(224, 0, 0));
  std::shared_ptr<fw::Picture> picture =
      fw::FolderItem((folder.Path() / "red.png").string()).OpenAsPicture();
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Width(), 5);
  EXPECT_EQ(picture->Height(), 7);
  EXPECT_EQ(picture->Image().pixelColor(2, 3), QColor(224, 0, 0));
}

TEST(Picture, WhatIsNotAPictureGivesNothing) {
  testfiles::TempFolder folder;
  WritePicture(folder.Path() / "whole.png", 64, 64);
  for (const auto& path : testfiles::WriteBrokenFiles(folder.Path() / "whole.png", 33)) {
    EXPECT_FALSE(fw::FolderItem(path.string()).OpenAsPicture()) << path;
  }
}

// The pictures the game caches are never released: they are still held
// when the application object is gone at the very end of the run.
TEST(Picture, OutlivesTheApplication) {
  testfiles::TempFolder folder;
  WritePicture(folder.Path() / "white.png", 64, 64);
  std::shared_ptr<fw::Picture> picture =
      fw::FolderItem((folder.Path() / "white.png").string()).OpenAsPicture();
  ASSERT_TRUE(picture);
  (void)fw::RuntimeExit();
  EXPECT_EQ(picture->Image().pixelColor(10, 10), QColor(Qt::white));
  picture.reset();
}

}  // namespace
