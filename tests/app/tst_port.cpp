// Open and Close on a pseudo-terminal standing in for the device: the read
// that an Open starts, reopening, opens that fail, a typed port path, the
// cable pulled, and a device flooding the link.
#include <QLineEdit>
#include <QSerialPort>
#include <QSettings>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <memory>
#include <unistd.h>

#include "app/logpane.h"
#include "app/messages.h"
#include "app/velomi.h"
#include "ptypair.h"
#include "serial/manageserialport.h"
#include "session/session.h"

namespace {

const QByteArray VersionQuery = "AT!XSMSC=VER?:\r";

QList<QWidget *> portBoxes(Velomi &w)
{
    return {w.comboBoxPortName, w.comboBoxBaudRate, w.comboBoxDataBits, w.comboBoxParity,
        w.comboBoxStopBits, w.comboBoxFlowControl, w.pushButtonOpen};
}

void verifyOpenState(Velomi &w)
{
    QVERIFY(w.serialManager()->isPortOpen());
    QCOMPARE(w.label_command->text(), QStringLiteral("ComPort: Connected..."));
    for (QWidget *box : portBoxes(w))
        QVERIFY2(!box->isEnabled(), qPrintable(box->objectName()));
    QVERIFY(w.pushButtonClose->isEnabled());
    // Enabled itself; its page stays locked until the read succeeds.
    QVERIFY(!w.pushButton_getFile->testAttribute(Qt::WA_ForceDisabled));
    QCOMPARE(w.progressBar->value(), 100);
}

void verifyClosedState(Velomi &w)
{
    QVERIFY(!w.serialManager()->isPortOpen());
    QCOMPARE(w.label_command->text(), QStringLiteral("ComPort: Disconnect..."));
    for (QWidget *box : portBoxes(w))
        QVERIFY2(box->isEnabled(), qPrintable(box->objectName()));
    QVERIFY(!w.pushButtonClose->isEnabled());
    QVERIFY(!w.tabWidget_velomi->isEnabled());
    QCOMPARE(w.label_current_stat->text(), QString());
    QCOMPARE(w.label_result->text(), QString());
    QCOMPARE(w.progressBar->value(), 0);
}

} // namespace

class PortTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void openCloseAndOpenAgain();
    void openWhileOpenOnlyClosesThePort();
    void failingOpen_data();
    void failingOpen();
    void typedPathOpensAsTyped();
    void unplugWhileOpen();
    void noiseFloodKeepsTheLogPaneBounded();
    void closingTheWindowReleasesThePort();

private:
    std::unique_ptr<Velomi> newWindow(const QString &port);

    QTemporaryDir dir_;
    Messages::Recorder recorder_;
    int windows_ = 0;
};

void PortTest::initTestCase()
{
    QVERIFY(dir_.isValid());
    Messages::setRecorder(&recorder_);
}

void PortTest::init()
{
    QSettings(QStringLiteral("Calvorn"), QStringLiteral("Velomi")).clear();
    recorder_.shown.clear();
}

void PortTest::cleanupTestCase() { Messages::setRecorder(nullptr); }

std::unique_ptr<Velomi> PortTest::newWindow(const QString &port)
{
    Velomi::Options options;
    options.port = port;
    options.profileDir = dir_.filePath(QStringLiteral("Profile%1").arg(++windows_));
    auto w = std::make_unique<Velomi>(options);
    w->show();
    return w;
}

void PortTest::openCloseAndOpenAgain()
{
    PtyPair pty;
    QVERIFY2(pty.isValid(), qPrintable(pty.errorString()));
    const auto w = newWindow(pty.slavePath());
    QCOMPARE(w->comboBoxPortName->currentData().toString(), pty.slavePath());

    for (int round = 1; round <= 2; ++round) {
        w->pushButtonOpen->click();
        verifyOpenState(*w);
        if (QTest::currentTestFailed())
            return;
        // Open starts the read; an answer moves it to the next query, so
        // both directions work, the second time as the first.
        QCOMPARE(pty.readFrame(), VersionQuery);
        QVERIFY(pty.writeMaster("<OK> VER?:T47_V1.05;\r\n"));
        const QByteArray next = pty.readFrame();
        QVERIFY2(next.startsWith("AT!XSMSC=") && next != VersionQuery, next.constData());

        w->pushButtonClose->click();
        verifyClosedState(*w);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(!w->session()->isBusy());
    }
    QCOMPARE(recorder_.texts(), QStringList());
}

void PortTest::openWhileOpenOnlyClosesThePort()
{
    PtyPair pty;
    QVERIFY2(pty.isValid(), qPrintable(pty.errorString()));
    const auto w = newWindow(pty.slavePath());
    w->pushButtonOpen->click();
    QVERIFY(w->serialManager()->isPortOpen());

    // The button is disabled while open; the action itself closes the port
    // and leaves the widgets as they are.
    w->on_pushButtonOpen_clicked();
    QVERIFY(!w->serialManager()->isPortOpen());
    QCOMPARE(w->label_command->text(), QStringLiteral("ComPort: Connected..."));
    QVERIFY(!w->pushButtonOpen->isEnabled());

    // Close brings the window back to the closed state.
    w->pushButtonClose->click();
    verifyClosedState(*w);
}

void PortTest::failingOpen_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("storedIndex"); // empty: none stored
    QTest::addColumn<QString>("shownName");

    const QString missing = QStringLiteral("/nonexistent/ttyVELOMI0");
    QTest::newRow("missing device") << missing << QString() << missing;
    // Not a terminal at all.
    QTest::newRow("regular file") << QStringLiteral("@file") << QString()
                                  << QStringLiteral("@file");
    // A stored index beyond the list leaves no entry: the name is empty.
    QTest::newRow("no entry") << QString() << QStringLiteral("9999") << QString();
}

void PortTest::failingOpen()
{
    QFETCH(QString, port);
    QFETCH(QString, storedIndex);
    QFETCH(QString, shownName);
    QTemporaryFile file;
    if (port == QLatin1String("@file")) {
        QVERIFY(file.open());
        port = shownName = file.fileName();
    }
    if (!storedIndex.isEmpty()) {
        QSettings settings(QStringLiteral("Calvorn"), QStringLiteral("Velomi"));
        settings.setValue(QStringLiteral("Velomi/Port"), storedIndex.toInt());
    }
    const auto w = newWindow(port);

    w->pushButtonOpen->click();
    QCOMPARE(recorder_.shown.size(), 1);
    const Notice failure = recorder_.shown.first();
    QCOMPARE(failure.title, ToolTitle);
    QCOMPARE(
        failure.text.section(QLatin1Char('\n'), 0, 0), QStringLiteral("Can't open ") + shownName);

    // Still closed, nothing else changed but the progress bar.
    QVERIFY(!w->serialManager()->isPortOpen());
    QCOMPARE(w->progressBar->value(), 0);
    QCOMPARE(w->label_command->text(), QStringLiteral("ComPort: Disconnect ..."));
    QVERIFY(w->pushButtonOpen->isEnabled());
    QVERIFY(w->comboBoxPortName->isEnabled());
    QVERIFY(!w->tabWidget_velomi->isEnabled());
    QCOMPARE(w->session()->pendingCommand(), Session::Command::None);
}

void PortTest::typedPathOpensAsTyped()
{
    PtyPair pty;
    QVERIFY2(pty.isValid(), qPrintable(pty.errorString()));
    const auto w = newWindow(QString()); // the terminal is not in the list
    QCOMPARE(w->comboBoxPortName->findText(pty.slavePath()), -1);

    // The user types the path over whatever the box shows and confirms it.
    QLineEdit *edit = w->comboBoxPortName->lineEdit();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, pty.slavePath());
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::mouseClick(w->pushButtonOpen, Qt::LeftButton);

    QCOMPARE(recorder_.texts(), QStringList());
    verifyOpenState(*w);
    QCOMPARE(pty.readFrame(), VersionQuery);
}

void PortTest::unplugWhileOpen()
{
    PtyPair pty;
    QVERIFY2(pty.isValid(), qPrintable(pty.errorString()));
    const auto w = newWindow(pty.slavePath());
    w->pushButtonOpen->click();
    QCOMPARE(pty.readFrame(), VersionQuery); // the read waits for its answer

    pty.closeMaster();
    QTRY_VERIFY_WITH_TIMEOUT(!recorder_.shown.isEmpty(), 10000);
    QVERIFY2(
        recorder_.shown.first().text.startsWith(QStringLiteral("The device was disconnected.")),
        qPrintable(recorder_.texts().join(" | ")));
    QCOMPARE(recorder_.shown.first().kind, Notice::Warning);
    verifyClosedState(*w);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(!w->session()->isBusy());
    QVERIFY(w->widget_Com->isEnabled());
    QVERIFY(w->widget_phone->isEnabled());
}

void PortTest::closingTheWindowReleasesThePort()
{
    PtyPair pty;
    QVERIFY2(pty.isValid(), qPrintable(pty.errorString()));
    auto w = newWindow(pty.slavePath());
    w->pushButtonOpen->click();
    QVERIFY(w->serialManager()->isPortOpen());
    const int index = w->comboBoxPortName->currentIndex();
    w.reset();

    // The port was opened exclusively: it can only be opened again once
    // the window let go of it.
    QSerialPort again(pty.slavePath());
    QVERIFY2(again.open(QIODevice::ReadWrite), qPrintable(again.errorString()));
    again.close();
    QSettings settings(QStringLiteral("Calvorn"), QStringLiteral("Velomi"));
    QCOMPARE(settings.value(QStringLiteral("Velomi/Port")).toInt(), index);
}

// Debug output left on, or line noise: bytes that never end a line, far
// more of them than the log pane keeps. The pane keeps the newest text and
// says how much went; an answer after the flood is still taken.
void PortTest::noiseFloodKeepsTheLogPaneBounded()
{
    PtyPair pty;
    QVERIFY2(pty.isValid(), qPrintable(pty.errorString()));
    const auto w = newWindow(pty.slavePath());
    w->pushButtonOpen->click();
    QCOMPARE(pty.readFrame(), VersionQuery);
    qint64 received = 0;
    connect(w->serialManager(), &Link::chunkReceived, w.get(),
        [&received](const QByteArray &chunk) { received += chunk.size(); });

    // Twice the bound: the older half must go. More only costs time.
    QByteArray noise(2 * LogPane::MaxCharacters, Qt::Uninitialized);
    quint32 x = 1;
    for (char &c : noise) {
        x = x * 1664525u + 1013904223u;
        c = (x >> 24) % 8 == 0 ? ' ' : char('!' + (x >> 16) % 94);
    }
    qint64 written = 0;
    QVERIFY(QTest::qWaitFor(
        [&] {
            while (written < noise.size()) {
                const ssize_t n = ::write(pty.masterFd(), noise.constData() + written,
                    size_t(std::min<qint64>(noise.size() - written, 65536)));
                if (n <= 0)
                    return false; // the terminal is full: let the window read
                written += n;
            }
            return received == noise.size();
        },
        60000));

    const QString tail = QString::fromLatin1(noise.right(200));
    QTRY_VERIFY(w->textEditReceive->toPlainText().remove(QLatin1Char('\n')).endsWith(tail));
    const QString pane = w->textEditReceive->toPlainText();
    QVERIFY2(pane.size() <= LogPane::MaxCharacters, qPrintable(QString::number(pane.size())));
    // The first line says how much went; the rest is the newest, in order.
    const QString first = pane.section(QLatin1Char('\n'), 0, 0);
    static const QRegularExpression dropped(
        QStringLiteral("^\\[\\.\\.\\. (\\d+) characters of older log dropped \\.\\.\\.\\]$"));
    const QRegularExpressionMatch match = dropped.match(first);
    QVERIFY2(match.hasMatch(), qPrintable(first.left(200)));
    QVERIFY(match.captured(1).toLongLong() >= noise.size() - LogPane::MaxCharacters);
    const QString kept = pane.mid(first.size() + 1).remove(QLatin1Char('\n'));
    QVERIFY(kept.size() > LogPane::MaxCharacters / 2);
    QCOMPARE(kept, QString::fromLatin1(noise.right(kept.size())));

    // A real answer after the flood is still taken: the read moves on.
    w->pushButton_read->click();
    QCOMPARE(pty.readFrame(), VersionQuery);
    QVERIFY(pty.writeMaster("<OK> VER?:T47_V1.05;\r\n"));
    const QByteArray next = pty.readFrame();
    QVERIFY2(next.startsWith("AT!XSMSC=") && next != VersionQuery, next.constData());
}

QTEST_MAIN(PortTest)
#include "tst_port.moc"
