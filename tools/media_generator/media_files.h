// The files the generator writes, under the names the game opens.
#pragma once

#include <array>

namespace media {

inline constexpr std::array<const char*, 10> kSymbolFiles = {
    "7.jpg",    "Ball.jpg",  "Box.jpg",      "Check.jpg", "Hand.jpg",
    "Jack.jpg", "Point.jpg", "Rossette.jpg", "Star.jpg",  "Triangle.jpg"};

inline constexpr std::array<int, 7> kIconSizes = {16, 24, 32, 48, 64, 128, 256};

}  // namespace media
