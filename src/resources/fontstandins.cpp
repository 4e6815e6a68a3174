#include "resources/fontstandins.h"

#include <QFontDatabase>
#include <QRegularExpression>
#include <QSet>

namespace FontStandIns {

namespace {

// A family that more than one foundry makes is listed once for each, as "Name [Foundry]".
QSet<QString> installedFamilies() {
    QSet<QString> names;
    for (const QString &listed : QFontDatabase::families()) {
        const qsizetype foundry = listed.indexOf(QLatin1String(" ["));
        names.insert((foundry < 0 ? listed : listed.left(foundry)).toCaseFolded());
    }
    return names;
}

const QSet<QString> &installedHere() {
    static const QSet<QString> names = installedFamilies();
    return names;
}

QString quoted(const QString &family) {
    return QLatin1Char('"') + family + QLatin1Char('"');
}

} // namespace

const QList<StandIns> &all() {
    static const QList<StandIns> table = {
        {QStringLiteral("Verdana"),
         {QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")}},
        {QStringLiteral("MS Sans Serif"),
         {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}},
    };
    return table;
}

ScriptFaces facesFor(const QString &language) {
    // Debian's faces first, then those Windows comes with.
    if (language == QLatin1StringView("ar"))
        return {{QStringLiteral("Noto Sans Arabic UI"), QStringLiteral("Segoe UI")}, true};
    if (language == QLatin1StringView("hi"))
        return {{QStringLiteral("Noto Sans Devanagari UI"), QStringLiteral("Nirmala UI")}, true};
    if (language == QLatin1StringView("ja"))
        return {{QStringLiteral("IPAexGothic"), QStringLiteral("IPAPGothic"),
                 QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Yu Gothic UI"),
                 QStringLiteral("Meiryo UI")},
                false};
    if (language == QLatin1StringView("zh_CN"))
        return {{QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                 QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Microsoft YaHei UI")},
                true};
    return {};
}

QString allFamiliesAs(QString styleSheet, const QString &face) {
    // The windows' style sheets quote nothing but font families.
    static const QRegularExpression family(QStringLiteral("\"[^\"]*\""));
    return styleSheet.replace(family, quoted(face));
}

QList<Rename> choose(const std::function<bool(const QString &family)> &installed) {
    QList<Rename> renames;
    for (const StandIns &entry : all()) {
        if (installed(entry.family))
            continue;
        for (const QString &standIn : entry.closest) {
            if (installed(standIn)) {
                renames.append({entry.family, standIn});
                break;
            }
        }
    }
    return renames;
}

bool installed(const QString &family) {
    return installedHere().contains(family.toCaseFolded());
}

const QList<Rename> &here() {
    static const QList<Rename> renames = choose(installed);
    return renames;
}

QString renamed(QString styleSheet, const QList<Rename> &renames) {
    for (const Rename &rename : renames)
        styleSheet.replace(quoted(rename.from), quoted(rename.to), Qt::CaseInsensitive);
    return styleSheet;
}

} // namespace FontStandIns
