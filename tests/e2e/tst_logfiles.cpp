// The log in files: Save log and the log file kept for each port session,
// with a time on each line and no password or access code in them.
#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include "e2efixture.h"

namespace {

QString logFileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Every line starts with its time; the secrets are masked.
void checkSavedLog(const QString &text)
{
    static const QRegularExpression stamped(
        QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3}  "));
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(!lines.isEmpty());
    for (const QString &line : lines)
        QVERIFY2(stamped.match(line).hasMatch(), qPrintable(line));
    QVERIFY(text.contains(QStringLiteral("AT!XSMSC=VER?:")));
    QVERIFY(text.contains(QStringLiteral("KEYWD:****")));
    QVERIFY(text.contains(QStringLiteral("APN:internet,,****")));
    QVERIFY(!text.contains(QStringLiteral("KTVW")));
    QVERIFY(!text.contains(QStringLiteral("Pw8secret")));
}

} // namespace

class LogFilesTest : public QObject
{
    Q_OBJECT
private slots:
    void logsAreStampedAndMasked()
    {
        WindowUnderTest t;
        const QDir logs(t.dir.filePath(QStringLiteral("logs")));
        QVERIFY(logs.mkpath(QStringLiteral(".")));
        // Older session logs beyond the newest 20 go; other files stay.
        for (int i = 0; i < 25; ++i)
            QVERIFY(QFile(
                logs.filePath(
                    QStringLiteral("velomi-20200101-0000%1.log").arg(i, 2, 10, QLatin1Char('0'))))
                        .open(QIODevice::WriteOnly));
        QVERIFY(QFile(logs.filePath(QStringLiteral("notes.log"))).open(QIODevice::WriteOnly));

        QVERIFY(t.sim.start({}));
        Velomi::Options options;
        options.port = t.sim.portPath();
        options.profileDir = t.dir.filePath(QStringLiteral("Profile"));
        options.backupDir = t.backupDir();
        options.logDir = logs.path();
        t.window = std::make_unique<Velomi>(options);
        t.window->show();
        Velomi &w = *t.window;
        w.keepLogFileAction()->trigger();
        QVERIFY(w.keepLogFileAction()->isChecked());

        QVERIFY(t.openAndRead());
        w.lineEdit_apn_internet->setText(QStringLiteral("internet"));
        w.lineEdit_apn_user->clear();
        w.lineEdit_apn_passwd->setText(QStringLiteral("Pw8secret"));
        w.pushButtonSet_apn->click();
        QVERIFY(QTest::qWaitFor([&] {
            return w.textEditReceive->toPlainText().contains(QStringLiteral("<OK> APN;"));
        }));
        // The pane shows what went over the link.
        QVERIFY(w.textEditReceive->toPlainText().contains(QStringLiteral("Pw8secret")));

        const QString saved = t.dir.filePath(QStringLiteral("saved.txt"));
        w.chooseLogFile = [&] {
            return saved;
        };
        w.saveLogAction()->trigger();
        checkSavedLog(logFileText(saved));
        w.chooseLogFile = [] {
            return QStringLiteral("/nonexistent-folder/log.txt");
        };
        w.saveLogAction()->trigger();
        QVERIFY(t.recorder.texts().last().startsWith(QStringLiteral("The log could not be saved")));

        w.pushButtonClose->click();
        const QStringList kept = logs.entryList({QStringLiteral("velomi-*.log")}, QDir::Files);
        QCOMPARE(kept.size(), 20);
        QVERIFY(logs.exists(QStringLiteral("notes.log")));
        QVERIFY(!kept.contains(QStringLiteral("velomi-20200101-000005.log")));
        QVERIFY(kept.contains(QStringLiteral("velomi-20200101-000006.log")));
        checkSavedLog(logFileText(logs.filePath(kept.last())));
    }
};

QTEST_MAIN(LogFilesTest)
#include "tst_logfiles.moc"
