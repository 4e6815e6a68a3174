#include "reading/fruitcatalogue.h"

#include "resources/fruitkeys.h"
#include "resources/texts.h"

#include <QCoreApplication>
#include <array>

namespace FruitCatalogue {

static_assert(count == FruitKeys::count);

// The names head the reading and name the fruit's pictures to screen readers.
static constexpr std::array<const char *, count> displayNames = {
    QT_TRANSLATE_NOOP("FruitCatalogue", "Apple"),
    QT_TRANSLATE_NOOP("FruitCatalogue", "Banana"),
    QT_TRANSLATE_NOOP("FruitCatalogue", "Black Grapes"),
    QT_TRANSLATE_NOOP("FruitCatalogue", "Cherry"),
    QT_TRANSLATE_NOOP("FruitCatalogue", "Coconut"),
    QT_TRANSLATE_NOOP("FruitCatalogue", "Custard Apple"),
    QT_TRANSLATE_NOOP("FruitCatalogue", "Mango"),
    QT_TRANSLATE_NOOP("FruitCatalogue", "Orange"),
    //: The pineapple. "Paneapple" is how the English display has always spelled it; use the
    //: ordinary word of your language.
    QT_TRANSLATE_NOOP("FruitCatalogue", "Paneapple"),
    QT_TRANSLATE_NOOP("FruitCatalogue", "Papaya"),
    QT_TRANSLATE_NOOP("FruitCatalogue", "Peach"),
    QT_TRANSLATE_NOOP("FruitCatalogue", "Pear"),
};

QString displayName(int index) {
    return index >= 0 && index < count
               ? QCoreApplication::translate("FruitCatalogue", displayNames[size_t(index)])
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
