// Nothing lost by mistake: backups before what changes the device, and Write
// All checked by reading the device again.
#include <QDir>
#include <QStatusBar>
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
    void writeAllIsReadBack_data();
    void writeAllIsReadBack();
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

void BackupsTest::writeAllIsReadBack_data()
{
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<QString>("warning");
    QTest::newRow("stores everything") << QStringList {} << QString();
    QTest::newRow("forgets the guard time") << QStringList {"--forget",
        "GUDT"} << QStringLiteral("Settings, Guard Time: written \"15 sec\", read back \"10 sec\"");
}

void BackupsTest::writeAllIsReadBack()
{
    QFETCH(QStringList, simArgs);
    QFETCH(QString, warning);
    WindowUnderTest t;
    QVERIFY2(t.start(simArgs), qPrintable(t.sim.errorString()));
    QVERIFY(t.openAndRead());
    QVERIFY(t.window->comboBox_gudt_normal->currentText() != QLatin1String("15 sec"));
    t.window->comboBox_gudt_normal->setCurrentText(QStringLiteral("15 sec"));

    t.recorder.shown.clear();
    QVERIFY2(t.writeAll(), qPrintable(t.recorder.texts().join(" | ")));
    QVERIFY(!t.window->tabWidget_velomi->isEnabled()); // until the read-back ends
    QVERIFY(QTest::qWaitFor([&] { return t.window->tabWidget_velomi->isEnabled(); }, 20000));
    QVERIFY(!t.saw(ReadDone));
    QStringList warnings;
    for (const Notice &n : std::as_const(t.recorder.shown))
        if (n.kind == Notice::Warning)
            warnings << n.text;
    if (warning.isEmpty()) {
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(" | ")));
        QCOMPARE(t.window->QMainWindow::statusBar()->currentMessage(),
            QStringLiteral("The device holds what was written."));
    } else {
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings.first().contains(warning), qPrintable(warnings.first()));
    }
}

QTEST_MAIN(BackupsTest)
#include "tst_backups.moc"
