#pragma once

#include <array>

// The picture keys of the twelve fruits, in catalogue order: fruit i is entry i + 1 of each
// fruit picture list. The same key names the fruit's description text.
namespace FruitKeys {

inline constexpr int count = 12;

inline constexpr std::array<const char *, count> pictureKeys = {
    "apple.jpg", "banana.jpg", "blackgrapes.jpg", "cherry.jpg", "coconut.jpg", "custardapple.jpg",
    "mango.jpg", "orange.jpg", "paneapple.jpg",   "papaya.jpg", "peach.jpg",   "pear.jpg",
};

} // namespace FruitKeys
