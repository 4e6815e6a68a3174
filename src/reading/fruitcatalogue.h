#pragma once

#include <QString>
#include <optional>

// The twelve fruits of the reading, in their fixed order. A fruit is looked up by its index,
// 0 to 11; its pictures are entry index + 1 of each fruit picture list.
struct Fruit {
    int index = 0;
    QString displayName;
    QString pictureKey;
    QString description;

    int pictureEntry() const { return index + 1; }
};

namespace FruitCatalogue {

inline constexpr int count = 12;

// The fruit with this index; none for an index outside 0 to 11.
std::optional<Fruit> at(int index);
// Its display name alone, without reading its description; empty outside 0 to 11.
QString displayName(int index);

} // namespace FruitCatalogue
