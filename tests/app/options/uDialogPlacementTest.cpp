#include "app/uDialogPlacement.h"

#include <gtest/gtest.h>

namespace {

bool operator==(TScreenPoint A, TScreenPoint B) {
  return A.X == B.X && A.Y == B.Y;
}

TEST(DialogPlacementTest, NextToTheTrayTheDialogFillsTheWorkAreasCorner) {
  const struct {
    TScreenRect WorkArea;
    int Width, Height;
    TScreenPoint Expected;
  } Cases[] = {
      {{0, 0, 1024, 728}, 400, 300, {624, 428}},       // task bar at the bottom
      {{60, 0, 1024, 768}, 400, 300, {624, 468}},      // at the left: the corner is the same
      {{0, 40, 1024, 768}, 400, 300, {624, 468}},      // at the top
      {{1920, 0, 3200, 1024}, 400, 300, {2800, 724}},  // the second monitor
      {{0, 0, 300, 200}, 400, 300, {0, 0}},            // larger than the work area
      {{0, 30, 640, 200}, 400, 300, {240, 30}},
  };
  for (const auto& Case : Cases)
    EXPECT_TRUE(BottomRightOfWorkArea(Case.WorkArea, Case.Width, Case.Height) == Case.Expected)
        << Case.Expected.X << "," << Case.Expected.Y;
}

TEST(DialogPlacementTest, CentredOnTheOwnerAndKeptOnScreen) {
  const TScreenRect WorkArea{0, 0, 1024, 728};
  const struct {
    TScreenRect Owner;
    TScreenPoint Expected;
  } Cases[] = {
      {{100, 100, 600, 500}, {150, 150}},
      {{-300, -200, 100, 100}, {0, 0}},     // owner partly off the screen
      {{900, 600, 1300, 900}, {624, 428}},  // owner near the bottom right
  };
  for (const auto& Case : Cases)
    EXPECT_TRUE(CentredOnOwner(Case.Owner, WorkArea, 400, 300) == Case.Expected)
        << Case.Expected.X << "," << Case.Expected.Y;
}

}  // namespace
