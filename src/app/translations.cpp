#include "app/translations.h"

#include "platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

namespace {

const Translations *g_current = nullptr;

// Qt lays out every window from the right when the translation of this text says so; the
// program's own translations say it, whether or not Qt's translations are installed.
//: "LTR" for a language written from left to right, "RTL" for one written from right to left,
//: such as Arabic.
[[maybe_unused]] const char *const kLayoutDirection =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

// C and POSIX show the texts as they are written, whatever LANGUAGE lists, as gettext does.
bool plainLocale(const QByteArray &messagesLocale) {
    const QByteArray base = messagesLocale.split('.').first().split('@').first();
    return base.isEmpty() || base == "C" || base == "POSIX";
}

} // namespace

QString Translations::choose(const QStringList &uiLanguages, const QByteArray &messagesLocale,
                             const QStringList &available) {
    if (plainLocale(messagesLocale))
        return {};
    for (QString wanted : uiLanguages) {
        wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString language = wanted.section(QLatin1Char('_'), 0, 0);
        if (available.contains(wanted))
            return wanted;
        if (language == QLatin1StringView("en") || language == QLatin1StringView("C"))
            return {};
        // Brazilian Portuguese reads well in Portugal too, better than English.
        if (language == QLatin1StringView("pt") && available.contains(QStringLiteral("pt_BR")))
            return QStringLiteral("pt_BR");
        if (available.contains(language))
            return language;
    }
    return {};
}

QStringList Translations::available() {
    QStringList languages;
    const QStringList files =
        QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("quintavel_*.qm")});
    for (const QString &file : files)
        languages << file.mid(10).chopped(3);
    return languages;
}

Translations::Translations() {
    if (const QByteArray locale = Platform::messagesLocale(); !plainLocale(locale))
        load(choose(QLocale::system().uiLanguages(), locale, available()));
}

Translations::Translations(const QStringList &uiLanguages, const QByteArray &messagesLocale) {
    load(choose(uiLanguages, messagesLocale, available()));
}

void Translations::load(const QString &language) {
    if (language.isEmpty() || !m_own.load(QStringLiteral(":/i18n/quintavel_") + language))
        return;
    m_language = language;
    // Without Qt's own translations the message boxes' buttons stay in English.
    (void)m_qt.load(QStringLiteral("qtbase_") + m_language,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    g_current = this;
}

Translations::~Translations() {
    if (g_current == this)
        g_current = nullptr;
    // Translators still installed leave with the application object.
    if (m_installed && QCoreApplication::instance()) {
        QCoreApplication::removeTranslator(&m_qt);
        QCoreApplication::removeTranslator(&m_own);
    }
}

void Translations::install() {
    if (m_language.isEmpty() || m_installed)
        return;
    QCoreApplication::installTranslator(&m_qt);
    QCoreApplication::installTranslator(&m_own);
    m_installed = true;
}

QString Translations::shown() {
    return g_current ? g_current->m_language : QString();
}

QString Translations::text(const char *context, const char *source) {
    if (g_current) {
        if (const QString translated = g_current->m_own.translate(context, source);
            !translated.isEmpty())
            return translated;
    }
    return QString::fromUtf8(source);
}
