// The reel strip, the position table and the drawing of a reel on its three
// canvases; the stepping of the reels by the step timer.
#include <array>
#include <string>

#include "game/module1.h"
#include "media/media.h"
#include "tests/support/game_fixture.h"

namespace {

using game_test::FileOf;
using Module1::j;
using Module1::k;
using Module1::l;

using CanvasAccessor = rt::Ref<rt::Canvas> (Window1::*)();
struct Reel {
  int32_t* position;
  void (*draw)();
  CanvasAccessor top, middle, bottom;
};
const std::array<Reel, 3> kReels = {{
    {&j, &Module1::UpdateColOne, &Window1::Canvas1, &Window1::Canvas2, &Window1::Canvas3},
    {&k, &Module1::UpdateColTwo, &Window1::Canvas4, &Window1::Canvas5, &Window1::Canvas6},
    {&l, &Module1::UpdateColThree, &Window1::Canvas7, &Window1::Canvas8, &Window1::Canvas9},
}};

class Reels : public game_test::GameFixture {
 protected:
  std::array<std::string, 3> Shown(const Reel& reel) {
    return {FileOf((W().*reel.top)()->Backdrop()), FileOf((W().*reel.middle)()->Backdrop()),
            FileOf((W().*reel.bottom)()->Backdrop())};
  }
};

TEST(ReelStrip, HoldsTheTenSymbolsInTheirOrder) {
  // The accessors are the strip's entries themselves, not copies of them.
  const std::array<rt::Ref<rt::Picture> (*)(), 10> order = {
      &Seven, &Ball, &Box, &Check, &Hand, &Jack, &Point, &Rossette, &Star, &Triangle};
  for (size_t i = 0; i < order.size(); ++i) {
    EXPECT_EQ(Module1::ReelStrip[i], order[i]) << "strip index " << i + 1;
  }
}

TEST_F(Reels, EachPositionShowsItsRowOfThePositionTableOnEveryReel) {
  const std::array<std::array<std::string, 3>, 10> table = {{
      {"Triangle.jpg", "7.jpg", "Ball.jpg"},
      {"7.jpg", "Ball.jpg", "Box.jpg"},
      {"Ball.jpg", "Box.jpg", "Check.jpg"},
      {"Box.jpg", "Check.jpg", "Hand.jpg"},
      {"Check.jpg", "Hand.jpg", "Jack.jpg"},
      {"Hand.jpg", "Jack.jpg", "Point.jpg"},
      {"Jack.jpg", "Point.jpg", "Rossette.jpg"},
      {"Point.jpg", "Rossette.jpg", "Star.jpg"},
      {"Rossette.jpg", "Star.jpg", "Triangle.jpg"},
      {"Star.jpg", "Triangle.jpg", "7.jpg"},
  }};
  for (int32_t p = 1; p <= 10; ++p) {
    for (size_t r = 0; r < kReels.size(); ++r) {
      *kReels[r].position = p;
      kReels[r].draw();
      EXPECT_EQ(Shown(kReels[r]), table[p - 1]) << "reel " << r + 1 << " at position " << p;
    }
    // The middle cell holds the very object of the named accessor.
    EXPECT_TRUE(W().Canvas5()->Backdrop() == Module1::ReelStrip[p - 1]());
  }
}

TEST_F(Reels, APositionOutsideOneToTenLeavesTheReelAsItWas) {
  for (const Reel& reel : kReels) {
    *reel.position = 4;
    reel.draw();
    const auto before = Shown(reel);
    for (int32_t bad : {0, 11, -1, -2147483647 - 1}) {
      *reel.position = bad;
      reel.draw();
      EXPECT_EQ(Shown(reel), before) << "position " << bad;
    }
  }
}

TEST_F(Reels, AStepMovesEveryPositionOnButDrawsOnlyTheTurningReels) {
  // Reel 1 turns from 10 to 1, bringing the seven from the bottom to the
  // middle; reels 2 and 3 have stopped and keep their pictures.
  j = 10;
  Module1::UpdateColOne();
  k = 3;
  Module1::UpdateColTwo();
  l = 10;
  Module1::UpdateColThree();
  Module1::StopColOne = "False";
  Module1::StopColTwo = "True";
  Module1::StopColThree = "True";
  const auto reel2 = Shown(kReels[1]), reel3 = Shown(kReels[2]);
  W().Timer6_Action(W().Timer6());
  EXPECT_EQ(j, 1);
  EXPECT_EQ(k, 4);
  EXPECT_EQ(l, 1);
  EXPECT_EQ(Shown(kReels[0]), (std::array<std::string, 3>{"Triangle.jpg", "7.jpg", "Ball.jpg"}));
  EXPECT_EQ(Shown(kReels[1]), reel2);
  EXPECT_EQ(Shown(kReels[2]), reel3);
}

TEST_F(Reels, BeforeTheFirstSpinNoReelIsSteppedAndTheFlagsAreEmpty) {
  EXPECT_EQ(Module1::StopColOne, "");
  EXPECT_EQ(Module1::StopColTwo, "");
  EXPECT_EQ(Module1::StopColThree, "");
  EXPECT_EQ(W().Timer6()->Mode(), rt::Timer::kModeOff);
  const int32_t j0 = j, k0 = k, l0 = l;
  rt::testing::Advance(5000);
  EXPECT_EQ(j, j0);
  EXPECT_EQ(k, k0);
  EXPECT_EQ(l, l0);
}

TEST_F(Reels, AfterASpinThePositionsMoveOnWhileTheCanvasesStay) {
  SpinTo({3, 6, 9});
  std::array<std::array<std::string, 3>, 3> stopped;
  for (size_t r = 0; r < 3; ++r) stopped[r] = Shown(kReels[r]);
  EXPECT_EQ(stopped[0][1], "Box.jpg");
  EXPECT_EQ(stopped[1][1], "Jack.jpg");
  EXPECT_EQ(stopped[2][1], "Star.jpg");
  const int32_t j0 = j, k0 = k, l0 = l;
  EXPECT_EQ(W().Timer6()->Mode(), rt::Timer::kModeMultiple);
  rt::testing::Advance(250);  // two or three steps
  EXPECT_NE(j, j0);
  EXPECT_NE(k, k0);
  EXPECT_NE(l, l0);
  for (size_t r = 0; r < 3; ++r) EXPECT_EQ(Shown(kReels[r]), stopped[r]) << "reel " << r + 1;
}

TEST_F(Reels, TheReelsTurnDuringASpinAndEachStopsOnAConsistentColumn) {
  ClickHandle();
  ASSERT_TRUE(rt::testing::AdvanceUntil([] { return Module1::PlayStarted; }, 1000));
  rt::testing::Advance(150);
  const auto first = Shown(kReels[0]);
  rt::testing::Advance(100);
  EXPECT_NE(Shown(kReels[0]), first) << "reel 1 does not turn";
  ASSERT_TRUE(rt::testing::AdvanceUntil([] { return !Module1::Pull; }, 5000));
  // Every reel shows three neighbours of the strip, as the table has them.
  for (const Reel& reel : kReels) {
    const auto shown = Shown(reel);
    int32_t found = 0;
    for (int32_t p = 1; p <= 10; ++p) {
      if (FileOf(Module1::ReelStrip[p - 1]()) != shown[1]) continue;
      found = p;
      EXPECT_EQ(shown[0], FileOf(Module1::ReelStrip[(p + 8) % 10]()));
      EXPECT_EQ(shown[2], FileOf(Module1::ReelStrip[p % 10]()));
    }
    EXPECT_NE(found, 0);
  }
}

}  // namespace
