// A long session: read after read against the simulated device, with the
// memory of the process measured before and after. It must stay flat: the
// log pane keeps its last few thousand lines, and nothing else may pile up.
//
// VELOMI_SOAK_READS sets the number of reads (make soak runs a thousand;
// the default keeps the test short enough for every CI run).
#include <QJsonArray>
#include <QTest>

#include <unistd.h>

#include "e2efixture.h"
#include "resident.h"

namespace {
#if defined(__SANITIZE_ADDRESS__)
constexpr bool Sanitized = true; // the sanitizer's own bookkeeping grows the process
#else
constexpr bool Sanitized = false;
#endif

constexpr int DefaultReads = Sanitized ? 50 : 400;
// Growth allowed over the whole run once the caches have settled.
constexpr qint64 AllowedGrowthBytes = 2 * 1024 * 1024;

// One read, waited for in the event loop as the tool itself runs (a polling
// wait would add its own sleeps to every exchange).
bool readOnce(WindowUnderTest &t)
{
    const QString done = QStringLiteral("Read configuration success!");
    t.recorder.shown.clear(); // the recorder is the test's, not the tool's
    QEventLoop loop;
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    QObject::connect(t.window->session(), &Session::noticeRaised, &loop, &QEventLoop::quit);
    t.window->pushButton_read->click();
    if (t.recorder.shown.isEmpty())
        loop.exec();
    return t.saw(done);
}

int readsWanted()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("VELOMI_SOAK_READS", &ok);
    return ok && n > 0 ? n : DefaultReads;
}
} // namespace

class SoakTest : public QObject
{
    Q_OBJECT
private slots:
    void readsKeepMemoryFlat();
};

void SoakTest::readsKeepMemoryFlat()
{
    WindowUnderTest t;
    QVERIFY2(t.start(), qPrintable(t.sim.errorString()));
    QVERIFY(t.openAndRead());
    Velomi &w = *t.window;
    // Fill the log pane to its limit first, so its growth does not count.
    for (int i = 0; i < 5000; ++i)
        w.textEditReceive->append(QStringLiteral("filler line %1").arg(i));
    for (int i = 0; i < 5; ++i)
        QVERIFY(readOnce(t));

    const int reads = readsWanted();
    const qint64 before = residentBytes();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < reads; ++i) {
        QVERIFY2(readOnce(t),
            qPrintable(QStringLiteral("read %1 of %2: %3")
                           .arg(i + 1)
                           .arg(reads)
                           .arg(t.recorder.texts().join(" | "))));
        if ((i + 1) % std::max(1, reads / 4) == 0)
            qInfo("after %d reads: resident %.2f MiB", i + 1, residentBytes() / 1048576.0);
    }
    const qint64 after = residentBytes();
    qInfo("%d reads in %.1f s (%.1f ms each); resident %.1f MiB -> %.1f MiB", reads,
        clock.elapsed() / 1000.0, double(clock.elapsed()) / reads, before / 1048576.0,
        after / 1048576.0);

    QVERIFY(w.textEditReceive->document()->blockCount() <= 5000);
    QCOMPARE(w.tableWidget_dev->rowCount(), t.sim.snapshot().value("DEV").toArray().size());
    if (!Sanitized)
        QVERIFY2(after - before < AllowedGrowthBytes,
            qPrintable(QStringLiteral("grew by %1 KiB").arg((after - before) / 1024)));
}

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
