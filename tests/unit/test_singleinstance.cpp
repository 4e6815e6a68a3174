#include "testsupport.h"

#include "platform/platform.h"

#include <QFile>
#include <QProcess>

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QFile::remove(Platform::SingleInstance::defaultName()); }

    void onlyOneHolder() {
        Platform::SingleInstance first;
        Platform::SingleInstance second;
        QVERIFY(first.acquire());
        QVERIFY(!second.acquire());
        first.release();
        QVERIFY(second.acquire());
        second.release();
    }

    // A copy that died without cleaning up leaves its lock behind; it must not lock the user
    // out.
    void staleLockOfADeadCopyIsTakenOver() {
        QUINTAVEL_LINUX_ALONE("Windows removes a dead copy's guard itself");
        QProcess gone;
        gone.start(QStringLiteral("true"));
        QVERIFY(gone.waitForFinished());
        const qint64 deadPid = gone.processId() ? gone.processId() : 999999;
        QFile lock(Platform::SingleInstance::defaultName());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(deadPid) + "\nquintavel\n" +
                   QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();

        Platform::SingleInstance next;
        QVERIFY(next.acquire());
        next.release();
    }

    // When no lock can be made at all, the application starts rather than refuse.
    void unusableLockPlaceDoesNotRefuse() {
        QUINTAVEL_LINUX_ALONE("the guard is a file there");
        Platform::SingleInstance instance(QStringLiteral("/proc/no-such-place/quintavel.lock"));
        QVERIFY(instance.acquire());
    }
};

QUINTAVEL_TEST_MAIN(TestSingleInstance)
#include "test_singleinstance.moc"
