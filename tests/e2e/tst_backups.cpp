// Nothing lost by mistake: backups before what changes the device.
#include <QDir>
#include <QTest>

#include "e2efixture.h"
#include "profiles/profileformat.h"
#include "protocol/frame.h"
#include "protocol/oneshot.h"

namespace {

// The backups (not their sensor lists) whose name ends with `reason`.
QStringList backupsFor(const WindowUnderTest &t, const QString &reason)
{
    return QDir(t.backupDir())
        .entryList({QStringLiteral("*_") + reason + QStringLiteral(".txt")}, QDir::Files);
}

FormValues backupValues(const WindowUnderTest &t, const QString &fileName)
{
    QFile file(QDir(t.backupDir()).filePath(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ProfileFormat::read(
        file.readAll(), FormBinder::Index(t.window->tabWidget_velomi).valueWidgets());
}

} // namespace

class BackupsTest : public QObject
{
    Q_OBJECT
private slots:
    void writeAllKeepsWhatWasRead();
    void factoryResetAsksAndBacksUp();
};

void BackupsTest::writeAllKeepsWhatWasRead()
{
    WindowUnderTest t;
    QVERIFY2(t.start(), qPrintable(t.sim.errorString()));
    QVERIFY(t.openAndRead());
    const QString keywordRead = t.window->lineEdit_keywd->text();
    QVERIFY(keywordRead != QLatin1String("ZZZZ"));
    t.window->lineEdit_keywd->setText(QStringLiteral("ZZZZ"));

    QVERIFY2(t.writeAll(), qPrintable(t.recorder.texts().join(" | ")));
    const QStringList backups = backupsFor(t, QStringLiteral("write"));
    QCOMPARE(backups.size(), 1);
    QCOMPARE(backupValues(t, backups.first()).text("lineEdit_keywd"), keywordRead);
    QVERIFY(QFile::exists(
        QDir(t.backupDir()).filePath(backups.first().chopped(4) + QStringLiteral(".sensors.txt"))));
}

void BackupsTest::factoryResetAsksAndBacksUp()
{
    WindowUnderTest t;
    QVERIFY2(t.start(), qPrintable(t.sim.errorString()));
    QVERIFY(t.openAndRead());
    const QByteArray lastFrame = t.window->session()->lastCommandFrame();

    t.recorder.shown.clear();
    t.recorder.answer = false;
    t.window->pushButtonFactoryReset->click();
    QCOMPARE(t.recorder.shown.size(), 1);
    QCOMPARE(t.recorder.shown.first().kind, Notice::Question);
    QCOMPARE(t.window->session()->lastCommandFrame(), lastFrame);
    QVERIFY(backupsFor(t, QStringLiteral("factory-reset")).isEmpty());

    t.recorder.answer = true;
    t.window->pushButtonFactoryReset->click();
    QCOMPARE(t.window->session()->lastCommandFrame(), Frame::command(OneShot::FactoryReset));
    QCOMPARE(backupsFor(t, QStringLiteral("factory-reset")).size(), 1);
}

QTEST_MAIN(BackupsTest)
#include "tst_backups.moc"
