#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// The windows' style sheets name Windows font families. Where one is not installed, the first
// installed family of its stand-ins takes its place: the style sheets then name that family
// directly, since every font Qt loads for a family it cannot find costs it a search through
// all the installed fonts for the closest ones.
namespace FontStandIns {

struct StandIns {
    QString family;      // as the style sheets name it
    QStringList closest; // the closest first
};

// Every family the style sheets name, with its stand-ins.
const QList<StandIns> &all();

// A family the style sheets name, and the family they name instead.
struct Rename {
    QString from;
    QString to;
    bool operator==(const Rename &) const = default;
};

// The faces that draw a language's own script in the windows, most wanted first; none where the
// families the windows name draw it well. Noto's faces for interfaces keep Arabic's marks and
// Devanagari's signs within a line, where DejaVu Sans's Arabic and most Devanagari faces reach
// past it and lose their tops. One Han character takes different forms in Japanese and in
// Chinese, and a face made for one language draws the other's characters in its own forms.
// Most of them take the families' place alone, and Qt finds the letters they lack in the
// desktop's faces. A Japanese face stands in for the characters the families lack instead: Qt
// takes a face for the Han characters only where it says it writes Simplified Chinese, and
// otherwise falls back on whatever face the desktop prefers for them.
struct ScriptFaces {
    QStringList faces;
    bool scriptAlone = false;
};
ScriptFaces facesFor(const QString &language);

// The style sheet with every family it names replaced by the face given.
QString allFamiliesAs(QString styleSheet, const QString &face);

// The renames for the families that are not installed and have a stand-in that is. A family
// with no stand-in installed keeps its name, and Qt looks for a face as it would.
QList<Rename> choose(const std::function<bool(const QString &family)> &installed);

// Whether Qt finds the family among the fonts of this system, as it matches a family a font
// asks for: by name, whatever the case.
bool installed(const QString &family);

// The renames for the fonts of this system, chosen on first use.
const QList<Rename> &here();

// The style sheet with every quoted name of a renamed family replaced.
QString renamed(QString styleSheet, const QList<Rename> &renames);

} // namespace FontStandIns
