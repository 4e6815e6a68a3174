#include "testsupport.h"

#include "app/translations.h"
#include "platform/linux/displayplatform.h"

using DisplayPlatform::Session;
Q_DECLARE_METATYPE(DisplayPlatform::Session)

class TestDisplayPlatform : public QObject {
    Q_OBJECT

private slots:
    void choose_data() {
        QTest::addColumn<Session>("session");
        QTest::addColumn<QByteArray>("platform");
        const Session x11{"", "x11", "", ":0", "", "/run/user/7"};
        const Session wayland{"", "wayland", "wayland-0", ":0", "", "/run/user/7"};
        Session noXWayland = wayland;
        noXWayland.x11Display = "";
        Session userChose = wayland;
        userChose.qpaPlatform = "wayland";
        Session argument = wayland;
        argument.platformArgument = "wayland";
        // A compositor started from a text console leaves the session type at "tty".
        const Session fromConsole{"", "tty", "wayland-1", ":1", "", ""};
        const Session typeOnly{"", "wayland", "", ":0", "", ""};

        QTest::newRow("X11 session: Qt's choice") << x11 << QByteArray();
        QTest::newRow("Wayland with XWayland: X11, else Wayland")
            << wayland << QByteArray("xcb;wayland");
        QTest::newRow("Wayland without XWayland: Qt's choice") << noXWayland << QByteArray();
        QTest::newRow("QT_QPA_PLATFORM set: the user's") << userChose << QByteArray();
        QTest::newRow("-platform given: the user's") << argument << QByteArray();
        QTest::newRow("Wayland display, console session")
            << fromConsole << QByteArray("xcb;wayland");
        QTest::newRow("Wayland session type alone") << typeOnly << QByteArray("xcb;wayland");
        QTest::newRow("no display at all") << Session{} << QByteArray();
    }
    void choose() {
        QFETCH(Session, session);
        QFETCH(QByteArray, platform);
        QCOMPARE(DisplayPlatform::choose(session), platform);
    }

    // When no platform starts, the line names what each platform tried needed.
    void noWindowReason_data() {
        QTest::addColumn<Session>("session");
        QTest::addColumn<QByteArray>("reason");
        const QByteArray x = "could not connect to the X display :9";
        QTest::newRow("X11") << Session{"", "x11", "", ":9", "", ""} << x;
        QTest::newRow("no DISPLAY") << Session{}
                                    << QByteArray("could not connect to the X display "
                                                  "(DISPLAY is not set)");
        QTest::newRow("Wayland session, both tried")
            << Session{"", "wayland", "wayland-1", ":9", "", "/run/user/7"}
            << x + " or the Wayland socket /run/user/7/wayland-1";
        QTest::newRow("Wayland alone, Qt's order, no runtime directory")
            << Session{"", "wayland", "", "", "", ""}
            << QByteArray("could not connect to the Wayland socket wayland-0 (XDG_RUNTIME_DIR "
                          "is not set) or the X display (DISPLAY is not set)");
        QTest::newRow("the user's list, with options")
            << Session{"vnc:size=800x600;xcb", "", "/tmp/w", ":9", "", ""}
            << x + "; could not start the platform \"vnc\"";
        QTest::newRow("-platform over QT_QPA_PLATFORM")
            << Session{"xcb", "", "/tmp/w", ":9", "wayland-egl", ""}
            << QByteArray("could not connect to the Wayland socket /tmp/w");
    }
    void noWindowReason() {
        QFETCH(Session, session);
        QFETCH(QByteArray, reason);
        QCOMPARE(DisplayPlatform::noWindowReason(session), reason);
    }

    // The program's own arguments stay, in order, after the platform option, and the list
    // ends in a null pointer as argv does; with no choice to make nothing is added.
    void arguments_data() {
        QTest::addColumn<QByteArray>("waylandDisplay");
        QTest::addColumn<QList<QByteArray>>("given");
        QTest::addColumn<QList<QByteArray>>("passed");
        QTest::newRow("Wayland") << QByteArray("wayland-0")
                                 << QList<QByteArray>{"quintavel", "-style", "fusion"}
                                 << QList<QByteArray>{"quintavel", "-platform", "xcb;wayland",
                                                      "-style", "fusion"};
        QTest::newRow("Wayland, -platform given")
            << QByteArray("wayland-0") << QList<QByteArray>{"quintavel", "--platform", "wayland"}
            << QList<QByteArray>{"quintavel", "--platform", "wayland"};
        QTest::newRow("X11") << QByteArray() << QList<QByteArray>{"quintavel"}
                             << QList<QByteArray>{"quintavel"};
    }
    void arguments() {
        QFETCH(QByteArray, waylandDisplay);
        QFETCH(QList<QByteArray>, given);
        QFETCH(QList<QByteArray>, passed);
        // Only this test reads the environment; each row sets all of what it reads.
        qputenv("QT_QPA_PLATFORM", "");
        qputenv("XDG_SESSION_TYPE", "");
        qputenv("WAYLAND_DISPLAY", waylandDisplay);
        qputenv("DISPLAY", ":5");
        std::vector<char *> argv;
        for (QByteArray &arg : given)
            argv.push_back(arg.data());
        DisplayPlatform::Arguments args(int(argv.size()), argv.data());
        QCOMPARE(args.argc(), int(passed.size()));
        for (int i = 0; i < args.argc(); ++i)
            QCOMPARE(QByteArray(args.argv()[i]), passed[i]);
        QCOMPARE(args.argv()[args.argc()], nullptr);
    }

    // The line start-up prints when no window can be shown speaks the language as well, before
    // the application object that the windows' translations need.
    void noWindowLine() {
        DisplayPlatform::Session session;
        session.x11Display = ":5";
        DisplayPlatform::setTranslate(Translations::text);
        const QByteArray english = DisplayPlatform::noWindowReason(session);
        const Translations german({QStringLiteral("de")}, "de_DE.UTF-8");
        const QByteArray reason = DisplayPlatform::noWindowReason(session);
        QVERIFY2(reason != english && reason.contains(" :5"), reason.constData());
    }
};

QUINTAVEL_TEST_MAIN(TestDisplayPlatform)
#include "test_displayplatform.moc"
