#include "testsupport.h"

#include "app/singleinstance.h"

#include <QFile>
#include <QProcess>

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QFile::remove(SingleInstance::lockPath()); }

    void onlyOneHolder() {
        SingleInstance first;
        SingleInstance second;
        QVERIFY(first.acquire());
        QVERIFY(!second.acquire());
        first.release();
        QVERIFY(second.acquire());
        second.release();
    }

    // A copy that died without cleaning up leaves its lock behind; it must not lock the user
    // out.
    void staleLockOfADeadCopyIsTakenOver() {
        QProcess gone;
        gone.start(QStringLiteral("true"));
        QVERIFY(gone.waitForFinished());
        const qint64 deadPid = gone.processId() ? gone.processId() : 999999;
        QFile lock(SingleInstance::lockPath());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(deadPid) + "\nquintavel\n" +
                   QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();

        SingleInstance next;
        QVERIFY(next.acquire());
        next.release();
    }

    // When no lock can be made at all, the application starts rather than refuse.
    void unusableLockPlaceDoesNotRefuse() {
        SingleInstance instance(QStringLiteral("/proc/no-such-place/quintavel.lock"));
        QVERIFY(instance.acquire());
    }
};

QUINTAVEL_TEST_MAIN(TestSingleInstance)
#include "test_singleinstance.moc"
