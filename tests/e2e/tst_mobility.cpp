// The Mobility page of a _KAL device against the simulated device: it appears
// with the read, shows the inactivity settings and both schedule windows, and
// Submit changes them on the device.
#include <QComboBox>
#include <QJsonArray>
#include <QTest>

#include "e2efixture.h"

namespace {

const QVector<int> WarningMinutes = {0, 3, 5, 10, 15, 20, 30, 60};
const QVector<int> IntervalMinutes
    = {60, 120, 240, 360, 480, 720, 840, 960, 1080, 1200, 1320, 1440, 1500, 1560, 1680, 1800};
const QVector<int> WindowIntervalMinutes = {60, 120, 240, 360, 480, 720};

// What the page shows, in the device's terms: the INACT value and the two
// INACTW rows (from hour, from minute, to hour, to minute, interval).
struct Mobility
{
    QString inact;
    QStringList windows[2];
};

Mobility shown(WindowUnderTest &t)
{
    Velomi &w = *t.window;
    Mobility m;
    m.inact = QStringList {w.checkBox_inactivity->isChecked() ? "1" : "0",
        QString::number(w.comboBox_inact_mode->currentIndex()),
        QString::number(WarningMinutes.value(w.comboBox_inact_warning->currentIndex())),
        QString::number(w.comboBox_adv_feature->currentIndex()),
        QString::number(IntervalMinutes.value(w.comboBox_inact_interval->currentIndex()))}
                  .join(',');
    for (int window = 0; window < 2; ++window) {
        const auto combo = [&](const char *part) {
            return t.find<QComboBox>(QStringLiteral("comboBox_w%1_%2").arg(window + 1).arg(part));
        };
        m.windows[window]
            = QStringList {combo("from_hour")->currentText(), combo("from_min")->currentText(),
                combo("to_hour")->currentText(), combo("to_min")->currentText(),
                QString::number(WindowIntervalMinutes.value(combo("interval")->currentIndex()))};
    }
    return m;
}

Mobility held(const QJsonObject &device)
{
    Mobility m;
    m.inact = device.value("CFG").toObject().value("INACT").toString();
    const QJsonArray windows = device.value("INACTW").toArray();
    for (int window = 0; window < 2; ++window)
        for (const QJsonValue &field : windows.at(window).toArray())
            m.windows[window] << field.toString();
    return m;
}

// Compares page and device, naming the first difference.
#define COMPARE_MOBILITY(page, device)                                                             \
    do {                                                                                           \
        const Mobility p = (page), d = (device);                                                   \
        QCOMPARE(p.inact, d.inact);                                                                \
        QCOMPARE(p.windows[0], d.windows[0]);                                                      \
        QCOMPARE(p.windows[1], d.windows[1]);                                                      \
    } while (false)

} // namespace

class MobilityTest : public QObject
{
    Q_OBJECT
private slots:
    void submitChangesTheDeviceAndTheNextReadShowsIt();
};

void MobilityTest::submitChangesTheDeviceAndTheNextReadShowsIt()
{
    WindowUnderTest t;
    const QJsonObject state {
        {"VER", "T41_KAL_V1.0"},
        {"CFG", QJsonObject {{"INACT", "1,1,15,1,1500"}}},
        {"INACTW",
            QJsonArray {QJsonArray {"7", "45", "21", "30", "360"},
                QJsonArray {"22", "15", "6", "5", "720"}}},
    };
    QVERIFY2(t.startWithState(state), qPrintable(t.sim.errorString()));
    Velomi &w = *t.window;
    QVERIFY(w.tabWidget_velomi->indexOf(w.tab_mobility) < 0);
    QVERIFY2(t.openAndRead(), qPrintable(t.recorder.texts().join(" | ")));

    QCOMPARE(w.tabWidget_velomi->indexOf(w.tab_mobility), 2);
    QCOMPARE(w.tabWidget_velomi->tabText(2), QStringLiteral("Mobility"));
    QCOMPARE(w.tabWidget_velomi->currentIndex(), 0);
    const QJsonObject before = t.sim.snapshot();
    COMPARE_MOBILITY(shown(t), held(before));
    QCOMPARE(held(before).inact, QStringLiteral("1,1,15,1,1500"));

    w.checkBox_inactivity->setChecked(false);
    w.comboBox_inact_mode->setCurrentIndex(0);
    w.comboBox_inact_warning->setCurrentIndex(7); // 1 hour
    w.comboBox_adv_feature->setCurrentIndex(0);
    w.comboBox_inact_interval->setCurrentIndex(15); // 30 hours
    w.comboBox_w1_from_hour->setCurrentIndex(0);
    w.comboBox_w1_from_min->setCurrentIndex(59);
    w.comboBox_w1_to_hour->setCurrentIndex(23);
    w.comboBox_w1_to_min->setCurrentIndex(0);
    w.comboBox_w1_interval->setCurrentIndex(0); // 1 hour
    w.comboBox_w2_from_hour->setCurrentIndex(12);
    w.comboBox_w2_from_min->setCurrentIndex(30);
    w.comboBox_w2_to_hour->setCurrentIndex(13);
    w.comboBox_w2_to_min->setCurrentIndex(1);
    w.comboBox_w2_interval->setCurrentIndex(2); // 4 hours
    w.pushButton_yellowbutton->click();
    QVERIFY(t.waitFor(QStringLiteral("Write command success!  ")));

    const QJsonObject after = t.sim.snapshot();
    QCOMPARE(held(after).inact, QStringLiteral("0,0,60,0,1800"));
    QCOMPARE(held(after).windows[0], (QStringList {"0", "59", "23", "0", "60"}));
    QCOMPARE(held(after).windows[1], (QStringList {"12", "30", "13", "1", "240"}));

    QVERIFY(t.newWindow());
    QVERIFY(t.openAndRead());
    COMPARE_MOBILITY(shown(t), held(after));
    QCOMPARE(t.recorder.shown.size(), 3); // two reads and the write, no "para" box
}

QTEST_MAIN(MobilityTest)
#include "tst_mobility.moc"
