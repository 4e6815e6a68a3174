#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// The user's language, as desktop programs follow it: LANGUAGE, then LC_ALL, LC_MESSAGES and
// LANG. Quintavel's own translations travel inside the program; Qt's own (the buttons of the
// message boxes, the boxes' context menus) come from Qt's translations on the system. English,
// C, POSIX and a language without a translation show the texts as they are written.
class Translations {
public:
    // Chooses the language and loads its translations; made before the application object, so
    // that start-up can speak the language when no window can be shown.
    Translations();
    // The same for the languages given, most wanted first, and the messages' locale.
    Translations(const QStringList &uiLanguages, const QByteArray &messagesLocale);
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // Hands the translations to the application object once it exists.
    void install();

    // The language shown, such as "de" or "pt_BR"; empty for English.
    QString language() const { return m_language; }

    // The language the windows speak now, as language(); empty for English.
    static QString shown();

    // A text in the language shown, also before the application object exists.
    static QString text(const char *context, const char *source);

    // The language of those available (such as "de", "pt_BR") that the user's languages, most
    // wanted first, lead to, or empty for English. Nothing but English is shown where the
    // messages' locale is C or POSIX, and European Portuguese is shown as Brazilian Portuguese.
    static QString choose(const QStringList &uiLanguages, const QByteArray &messagesLocale,
                          const QStringList &available);
    // The languages whose translations are built in.
    static QStringList available();

private:
    void load(const QString &language);

    QString m_language;
    QTranslator m_own;
    QTranslator m_qt;
    bool m_installed = false;
};
