#include "reading/fruitcatalogue.h"

#include "resources/fruitkeys.h"
#include "resources/texts.h"

#include <array>

namespace FruitCatalogue {

static_assert(count == FruitKeys::count);

// "Paneapple" is the name the pineapple has always been shown with.
static constexpr std::array<const char *, count> displayNames = {
    "Apple", "Banana", "Black Grapes", "Cherry", "Coconut", "Custard Apple",
    "Mango", "Orange", "Paneapple",    "Papaya", "Peach",   "Pear",
};

QString displayName(int index) {
    return index >= 0 && index < count ? QString::fromLatin1(displayNames[size_t(index)])
                                       : QString();
}

std::optional<Fruit> at(int index) {
    if (index < 0 || index >= count)
        return std::nullopt;
    Fruit fruit;
    fruit.index = index;
    fruit.displayName = displayName(index);
    fruit.pictureKey = QString::fromLatin1(FruitKeys::pictureKeys[size_t(index)]);
    QString textName = fruit.pictureKey;
    textName.chop(4); // ".jpg"
    fruit.description = Texts::get(QStringLiteral("fruits/") + textName);
    return fruit;
}

} // namespace FruitCatalogue
