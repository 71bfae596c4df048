#include "game/module1.h"

#include "game/window1.h"
#include "media/media.h"

namespace Module1 {

bool PlayStarted = false;
int32_t Wager = 0;
int32_t Bankroll = 0;
bool Pull = false;
bool MySound = false;
std::string StopColOne;
std::string StopColTwo;
std::string StopColThree;
int32_t j = 0;
int32_t k = 0;
int32_t l = 0;
int32_t Score = 0;

const std::array<PictureAccessor, 10> ReelStrip = {
    &Seven, &Ball, &Box, &Check, &Hand, &Jack, &Point, &Rossette, &Star, &Triangle,
};

namespace {

using CanvasAccessor = rt::Ref<rt::Canvas> (Window1::*)();

// Puts one strip entry on one cell. The window and the canvas are looked up
// afresh each time; the picture is the accessor's own object, never a copy.
void ShowCell(CanvasAccessor cell, PictureAccessor symbol) {
  rt::Ref<Window1> window = Window1::Instance();
  rt::Ref<rt::Canvas> canvas = ((*window).*cell)();
  rt::Ref<rt::Picture> picture = symbol();
  canvas->SetBackdrop(picture);
}

void ShowReel(int32_t position, CanvasAccessor top, CanvasAccessor middle, CanvasAccessor bottom) {
  if (position < 1 || position > 10) return;
  // Position p is at [p - 1]; its neighbours wrap around the ten entries.
  ShowCell(top, ReelStrip[(position + 8) % 10]);
  ShowCell(middle, ReelStrip[position - 1]);
  ShowCell(bottom, ReelStrip[position % 10]);
}

}  // namespace

void UpdateColOne() {
  ShowReel(j, &Window1::Canvas1, &Window1::Canvas2, &Window1::Canvas3);
}
void UpdateColTwo() {
  ShowReel(k, &Window1::Canvas4, &Window1::Canvas5, &Window1::Canvas6);
}
void UpdateColThree() {
  ShowReel(l, &Window1::Canvas7, &Window1::Canvas8, &Window1::Canvas9);
}

}  // namespace Module1
