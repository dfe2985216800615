// velomi-cli against the simulated device: what the command line adds to the
// session. A read that gives other bytes than the window's saved profile, a
// write that claims success for a setting the device did not keep, a refusal
// or a dead port that passes for success, a half output file.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "../e2e/e2efixture.h"
#include "app/profilenamedialog.h"

namespace {

struct Run
{
    int exit = -1;
    QString out;
    QString err;
};

// Runs the built velomi-cli; its backups go to the test's folder.
Run cli(const QStringList &arguments, const QString &dataHome)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VELOMI_CLI_PATH), arguments);
    Run run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        run.err = QStringLiteral("velomi-cli did not end");
        return run;
    }
    run.exit = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The profile with one line replaced; lines end in "\r\n".
bool writeEdited(
    const QString &from, const QString &to, const QByteArray &key, const QByteArray &value)
{
    QByteArray bytes = contents(from);
    const int start = int(bytes.indexOf("\r\n" + key + ":")) + 2;
    if (start < 2)
        return false;
    const int end = int(bytes.indexOf("\r\n", start));
    bytes.replace(start, end - start, key + ":" + value);
    QFile file(to);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class CliTest : public QObject
{
    Q_OBJECT
private slots:
    void readGivesTheWindowsSavedProfile();
    void diffEqualAndUnequal();
    void writeThenDiffEqual();
    void refusedWriteNamesTheKey();
    void settingNotStoredFailsVerification();
    void verifyLeavesOutPagesWriteAllDoesNotWrite();
    void missingPortWritesNoFile();
    void usageErrors_data();
    void usageErrors();
    void severalPortsAtOnce();
    void sheetOfAProfile();
    void windowSheetOfTheReadDevice();

private:
    QTemporaryDir dir_;
    QString path(const QString &name) const { return dir_.filePath(name); }
    Run run(const QStringList &arguments) const { return cli(arguments, path("data")); }
};

void CliTest::readGivesTheWindowsSavedProfile()
{
    WindowUnderTest t;
    QVERIFY2(t.sim.start(), qPrintable(t.sim.errorString()));
    const Run r = run({"read", "--port", t.sim.portPath(), "--out", path("cli.txt"), "--quiet"});
    QCOMPARE(r.exit, 0);

    QVERIFY(t.newWindow());
    QVERIFY(t.openAndRead());
    t.window->pushButton_saveProfileAs->click();
    t.window->saveProfileAsDialog()
        ->findChild<QLineEdit *>("lineEdit_newProfileName")
        ->setText("window");
    t.window->saveProfileAsDialog()->findChild<QPushButton *>("pushButton_ok")->click();
    const QByteArray window = contents(t.dir.filePath("Profile/Velomi_window.txt"));
    QVERIFY(!window.isEmpty());
    QCOMPARE(contents(path("cli.txt")), window);
}

void CliTest::diffEqualAndUnequal()
{
    DevSimProcess sim;
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    QCOMPARE(run({"read", "--port", sim.portPath(), "--out", path("d.txt")}).exit, 0);
    QCOMPARE(run({"diff", "--port", sim.portPath(), "--profile", path("d.txt")}).exit, 0);

    QVERIFY(writeEdited(path("d.txt"), path("d2.txt"), "comboBox_gudt_normal", "3"));
    const Run r = run({"diff", "--port", sim.portPath(), "--profile", path("d2.txt")});
    QCOMPARE(r.exit, 1);
    QVERIFY2(r.out.contains("Settings / Guard Time: device \"10 sec\", profile \"15 sec\""),
        qPrintable(r.out));
}

void CliTest::writeThenDiffEqual()
{
    DevSimProcess sim;
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    QCOMPARE(run({"read", "--port", sim.portPath(), "--out", path("w.txt")}).exit, 0);
    QVERIFY(writeEdited(path("w.txt"), path("w2.txt"), "lineEdit_apn_internet", "m2m.example"));
    const Run w = run({"write", "--port", sim.portPath(), "--profile", path("w2.txt"), "--record",
        path("record.csv")});
    QVERIFY2(w.exit == 0, qPrintable(w.out + w.err));
    QCOMPARE(run({"diff", "--port", sim.portPath(), "--profile", path("w2.txt")}).exit, 0);
    QCOMPARE(sim.snapshot().value("APN").toArray().first().toString(), QString("m2m.example"));
    // The device as it was before the write is kept.
    const QStringList backups = QDir(path("data/Calvorn/Velomi/backups")).entryList(QDir::Files);
    QCOMPARE(backups.size(), 1);
    QCOMPARE(
        contents(path("data/Calvorn/Velomi/backups/") + backups.first()), contents(path("w.txt")));
    QVERIFY(contents(path("record.csv"))
                .contains(",T47_V1.05,,write," + path("w2.txt").toUtf8() + ",ok,"));
}

void CliTest::refusedWriteNamesTheKey()
{
    DevSimProcess sim;
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    QCOMPARE(run({"read", "--port", sim.portPath(), "--out", path("r.txt")}).exit, 0);
    // The device takes only digits, +, *, # and & in a caller ID.
    QVERIFY(writeEdited(path("r.txt"), path("r2.txt"), "lineEdit_call_id1", "12ab"));
    const Run r = run({"write", "--port", sim.portPath(), "--profile", path("r2.txt")});
    QCOMPARE(r.exit, 3);
    QVERIFY2(r.err.contains("the device refused the setting CALID"), qPrintable(r.err));
}

void CliTest::settingNotStoredFailsVerification()
{
    DevSimProcess sim;
    QVERIFY2(sim.start({"--forget", "GUDT"}), qPrintable(sim.errorString()));
    QCOMPARE(run({"read", "--port", sim.portPath(), "--out", path("f.txt")}).exit, 0);
    QVERIFY(writeEdited(path("f.txt"), path("f2.txt"), "comboBox_gudt_normal", "3"));
    const Run r = run({"write", "--port", sim.portPath(), "--profile", path("f2.txt")});
    QCOMPARE(r.exit, 1);
    QVERIFY2(r.out.contains("Settings / Guard Time: device \"10 sec\", profile \"15 sec\""),
        qPrintable(r.out));
}

// Write All does not write the geo-fences of the T47 family: a profile whose
// fences differ from the device's is still written as far as Write All goes.
void CliTest::verifyLeavesOutPagesWriteAllDoesNotWrite()
{
    DevSimProcess sim;
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    QCOMPARE(run({"read", "--port", sim.portPath(), "--out", path("g.txt")}).exit, 0);
    QVERIFY(writeEdited(path("g.txt"), path("g2.txt"), "checkBox_geo_fence_2_1", "Unchecked"));
    const Run r = run({"write", "--port", sim.portPath(), "--profile", path("g2.txt")});
    QVERIFY2(r.exit == 0, qPrintable(r.out + r.err));
}

void CliTest::missingPortWritesNoFile()
{
    const Run r = run(
        {"read", "--port", path("no-such-port"), "--out", path("none.txt"), "--timeout", "1"});
    QCOMPARE(r.exit, 3);
    QVERIFY2(
        r.err.contains(path("no-such-port")) && r.err.contains("read failed"), qPrintable(r.err));
    QVERIFY(!QFile::exists(path("none.txt")));
}

void CliTest::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("unknown command") << QStringList {"fetch", "--port", "x"};
    QTest::newRow("unknown option") << QStringList {"read", "--port", "x", "--out", "f", "--fast"};
    QTest::newRow("missing --port") << QStringList {"read", "--out", "f"};
    QTest::newRow("unreadable profile")
        << QStringList {"diff", "--port", "x", "--profile", "/nonexistent/p.txt"};
    QTest::newRow("factory reset unconfirmed")
        << QStringList {"command", "--port", "x", "factory-reset"};
}

void CliTest::usageErrors()
{
    QFETCH(QStringList, arguments);
    const Run r = run(arguments);
    QCOMPARE(r.exit, 2);
    QVERIFY(!r.err.isEmpty());
}

void CliTest::severalPortsAtOnce()
{
    DevSimProcess first, second;
    QVERIFY2(first.start(), qPrintable(first.errorString()));
    QVERIFY2(second.start({"--version", "T68_V1.0"}), qPrintable(second.errorString()));
    const Run r = run({"read", "--port", first.portPath(), "--port", second.portPath(), "--out-dir",
        path("many"), "--json"});
    QCOMPARE(r.exit, 0);
    // One result per port, each on its own line of JSON.
    QStringList succeeded;
    for (const QString &line : r.out.split('\n', Qt::SkipEmptyParts)) {
        const QJsonObject event = QJsonDocument::fromJson(line.toUtf8()).object();
        if (event.value("event") == "result" && event.value("exit") == 0)
            succeeded << event.value("port").toString();
    }
    QCOMPARE(succeeded.size(), 2);
    for (const QString &port : {first.portPath(), second.portPath()}) {
        QVERIFY(succeeded.contains(port));
        const QString file = path("many/") + QFileInfo(port).fileName() + ".txt";
        QVERIFY(contents(file).contains("lineEdit_apn_internet:internet\r\n"));
    }
}

void CliTest::sheetOfAProfile()
{
    QFile profile(path("sheet.txt"));
    QVERIFY(profile.open(QIODevice::WriteOnly));
    profile.write("comboBox_gudt_normal:3\r\nlineEdit_apn_internet:m2m<&>\r\n"
                  "comboBox_rpt_type_2:1\r\n");
    profile.close();
    const Run r = run({"sheet", "--profile", profile.fileName(), "--out", path("sheet.html")});
    QCOMPARE(r.exit, 0);
    // Captions with the shown texts, not the indices; the file's text escaped.
    const QByteArray html = contents(path("sheet.html"));
    QVERIFY2(html.contains("Guard Time</td><td>15 sec</td>"), html.constData());
    QVERIFY2(
        html.contains("<td>2</td><td></td><td>All</td><td>SIA-CID Over IP</td>"), html.constData());
    QVERIFY2(html.contains("APN Name</td><td>m2m&lt;&amp;&gt;</td>"), html.constData());

    QCOMPARE(run({"sheet", "--profile", profile.fileName(), "--out", path("sheet.pdf")}).exit, 0);
    QVERIFY(contents(path("sheet.pdf")).startsWith("%PDF"));
    QCOMPARE(run({"sheet", "--profile", path("none.txt"), "--out", path("none.pdf")}).exit, 2);
    QVERIFY(!QFile::exists(path("none.pdf")));
}

void CliTest::windowSheetOfTheReadDevice()
{
    WindowUnderTest t;
    // A variant that tells its IMEI, just after the read.
    const QString imei = "356938035643809";
    QVERIFY(t.start({"--version", "T47_QO_V1.05", "--sensors", "2"}));
    QVERIFY(t.openAndRead());
    QVERIFY(QTest::qWaitFor([&] { return t.find<QLabel>("label_panel_IMEI")->text() == imei; }));
    t.window->chooseSheetFile = [this] {
        return path("window.html");
    };
    t.window->exportSheetAction()->trigger();
    const QByteArray html = contents(path("window.html"));
    QVERIFY2(html.contains("T47_QO_V1.05</td>") && html.contains(imei.toUtf8()), html.constData());
    QVERIFY2(html.contains("203.0.113.10:5000"), html.constData());
}

QTEST_MAIN(CliTest)
#include "tst_cli.moc"
