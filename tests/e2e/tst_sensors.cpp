// The Device page against the simulated device: the read lists the paired
// sensors, and adding or deleting one changes the device's list, which the
// table follows.
#include <QJsonArray>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "app/addsensordialog.h"
#include "e2efixture.h"

namespace {

// The type codes the simulated device hands out, with the names shown.
const QMap<int, QString> SensorTypeNames = {
    {2, "Remote Controller"},
    {4, "Door Contact"},
    {5, "Water Sensor"},
    {6, "Panic Button"},
    {9, "IR"},
    {11, "Smoke Detector"},
    {13, "CO"},
    {20, "Temperature Sensor"},
    {22, "Siren"},
    {34, "Fall Sensor"},
};

// The table against the device's sensors, in the device's order; "" when equal.
QString tableMismatch(const QTableWidget *table, const QJsonArray &sensors)
{
    QStringList shown, held;
    for (int row = 0; row < table->rowCount(); ++row)
        shown << table->item(row, 0)->text() + ' ' + table->item(row, 1)->text();
    for (const QJsonValue &sensor : sensors) {
        const QJsonArray fields = sensor.toArray();
        held << QString::number(fields.at(0).toInt()) + ' '
                + SensorTypeNames.value(fields.at(1).toInt(), "?");
    }
    return shown == held
        ? QString()
        : QStringLiteral("table [%1], device [%2]").arg(shown.join(", "), held.join(", "));
}

int rowOfZone(const QTableWidget *table, const QString &zone)
{
    for (int row = 0; row < table->rowCount(); ++row)
        if (table->item(row, 0)->text() == zone)
            return row;
    return -1;
}

// Types the ID into the Add Sensor dialog, as a user would, and presses OK.
void addThroughDialog(Velomi &w, const QString &typed)
{
    w.pushButtonSet_devad->click();
    AddSensorDialog *dialog = w.addSensorDialog();
    QVERIFY(dialog->isVisible());
    auto *field = dialog->findChild<QLineEdit *>("lineEdit_addSensor_id_hex");
    field->clear();
    QTest::keyClicks(field, typed);
    emit field->editingFinished();
    dialog->okButton()->click();
    QVERIFY(!dialog->isVisible());
}

} // namespace

class SensorsTest : public QObject
{
    Q_OBJECT
private slots:
    void addedAndDeletedSensorsChangeTheDeviceAndTheTable();
    void refusedRequestsLeaveTheListAlone();
};

void SensorsTest::addedAndDeletedSensorsChangeTheDeviceAndTheTable()
{
    WindowUnderTest t;
    QVERIFY2(t.start({"--sensors", "12"}), qPrintable(t.sim.errorString()));
    QVERIFY2(t.openAndRead(), qPrintable(t.recorder.texts().join(" | ")));
    Velomi &w = *t.window;
    const QTableWidget *table = w.tableWidget_dev;
    QJsonArray sensors = t.sim.snapshot().value("DEV").toArray();
    QCOMPARE(sensors.size(), 12); // three pages of the list
    QString mismatch = tableMismatch(table, sensors);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));

    const QString added = QStringLiteral("Add Device command success!  ");
    const QString deleted = QStringLiteral("Delete Device command success!  ");

    // A smoke detector (type 0b) takes the next free zone, 13.
    addThroughDialog(w, "0b00beef");
    QVERIFY(t.waitFor(added, 1));
    sensors = t.sim.snapshot().value("DEV").toArray();
    QCOMPARE(sensors.last().toArray(), (QJsonArray {13, 11, "0b00beef"}));
    QTRY_VERIFY2_WITH_TIMEOUT(
        (mismatch = tableMismatch(table, sensors)).isEmpty(), qPrintable(mismatch), 15000);

    w.tableWidget_dev->setCurrentCell(rowOfZone(table, "3"), 0);
    w.pushButtonSet_dev_delet->click();
    QVERIFY(t.waitFor(deleted, 1));
    sensors = t.sim.snapshot().value("DEV").toArray();
    QCOMPARE(sensors.size(), 12);
    QTRY_VERIFY2_WITH_TIMEOUT(
        (mismatch = tableMismatch(table, sensors)).isEmpty(), qPrintable(mismatch), 15000);
    QCOMPARE(rowOfZone(table, "3"), -1);
    // The new list has no row chosen: a second press deletes nothing.
    w.pushButtonSet_dev_delet->click();
    QVERIFY(t.saw(QStringLiteral("Select delete device!")));
    QCOMPARE(t.sim.snapshot().value("DEV").toArray(), sensors);

    // A short ID is padded; the device puts it into the zone just freed.
    addThroughDialog(w, "1a2b");
    QVERIFY(t.waitFor(added, 2));
    sensors = t.sim.snapshot().value("DEV").toArray();
    QCOMPARE(sensors.at(2).toArray(), (QJsonArray {3, 6, "00001a2b"}));
    QTRY_VERIFY2_WITH_TIMEOUT(
        (mismatch = tableMismatch(table, sensors)).isEmpty(), qPrintable(mismatch), 15000);
    QVERIFY2(t.recorder.shown.size() == 5, qPrintable(t.recorder.texts().join(" | ")));
}

// Nothing chosen, a bad ID or a full device: the list stays as it is.
void SensorsTest::refusedRequestsLeaveTheListAlone()
{
    WindowUnderTest t;
    QVERIFY2(t.start({"--sensors", "20"}), qPrintable(t.sim.errorString()));
    QVERIFY(t.openAndRead());
    Velomi &w = *t.window;
    const QJsonArray sensors = t.sim.snapshot().value("DEV").toArray();
    QCOMPARE(sensors.size(), 20); // every page full
    QString mismatch = tableMismatch(w.tableWidget_dev, sensors);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));

    w.tableWidget_dev->setCurrentItem(nullptr);
    w.pushButtonSet_dev_delet->click();
    QVERIFY(t.saw(QStringLiteral("Select delete device!")));

    addThroughDialog(w, "12g4");
    QVERIFY(t.saw(QStringLiteral("Sensor ID error!(format1)")));
    QVERIFY(t.saw(QStringLiteral("Device ID Length error!")));
    QVERIFY(
        w.addSensorDialog()->findChild<QLineEdit *>("lineEdit_addSensor_id_hex")->text().isEmpty());

    addThroughDialog(w, "0400cafe");
    QVERIFY(t.waitFor(QStringLiteral("Write command error!  ")));

    const QJsonObject device = t.sim.snapshot();
    QCOMPARE(device.value("DEV").toArray(), sensors);
    QCOMPARE(device.value("oneShots").toArray().size(), 0); // no DEVRM went out
    mismatch = tableMismatch(w.tableWidget_dev, sensors);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

QTEST_MAIN(SensorsTest)
#include "tst_sensors.moc"
