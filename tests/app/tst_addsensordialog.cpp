#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/addsensordialog.h"
#include "app/messages.h"

class AddSensorDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void form();
    void validIdWaits();
    void refusedIdIsNotKept_data();
    void refusedIdIsNotKept();
    void returnValidatesTheField();
    void buttonsCloseBeforeTheWindowActs();

private:
    QLineEdit *idField(AddSensorDialog &dialog)
    {
        return dialog.findChild<QLineEdit *>("lineEdit_addSensor_id_hex");
    }
    void finishEditing(AddSensorDialog &dialog, const QString &text)
    {
        idField(dialog)->setText(text);
        emit idField(dialog)->editingFinished();
    }

    Messages::Recorder recorder;
};

void AddSensorDialogTest::init()
{
    recorder = Messages::Recorder();
    Messages::setRecorder(&recorder);
}

void AddSensorDialogTest::cleanup() { Messages::setRecorder(nullptr); }

void AddSensorDialogTest::form()
{
    AddSensorDialog dialog;
    QCOMPARE(dialog.windowTitle(), QString("Add Sensor"));
    QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
    QCOMPARE(dialog.findChild<QLabel *>("label_6")->text(), QString("Sensor ID( HEX. )"));
    QCOMPARE(idField(dialog)->maxLength(), 10);
    QCOMPARE(dialog.okButton(), dialog.findChild<QPushButton *>("pushButton_ok"));
    QCOMPARE(dialog.okButton()->text(), QString("OK"));
    QCOMPARE(dialog.findChild<QPushButton *>("pushButton_cancel")->text(), QString("Cancel"));
}

void AddSensorDialogTest::validIdWaits()
{
    AddSensorDialog dialog;
    finishEditing(dialog, "1a2b");
    QCOMPARE(dialog.pendingSensorId(), QString("00001a2b"));
    QVERIFY(recorder.shown.isEmpty());

    dialog.clearPending();
    QVERIFY(dialog.pendingSensorId().isEmpty());
    QVERIFY(idField(dialog)->text().isEmpty());
}

// A refused or erased ID replaces the one accepted before, so OK can never
// send an ID the field no longer shows.
void AddSensorDialogTest::refusedIdIsNotKept_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("not hex") << "g1" << QStringList {"Sensor ID error!(format1)"};
    QTest::newRow("erased") << "" << QStringList();
}

void AddSensorDialogTest::refusedIdIsNotKept()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, shown);

    AddSensorDialog dialog;
    finishEditing(dialog, "12345678");
    finishEditing(dialog, typed);
    QVERIFY(dialog.pendingSensorId().isEmpty());
    QVERIFY(idField(dialog)->text().isEmpty());
    QCOMPARE(recorder.texts(), shown);
    for (const Notice &n : recorder.shown) {
        QCOMPARE(n.kind, Notice::Warning);
        QCOMPARE(n.title, QString("Velomi Tool"));
    }
}

void AddSensorDialogTest::returnValidatesTheField()
{
    AddSensorDialog dialog;
    QTest::keyClicks(idField(dialog), "123456789");
    QTest::keyClick(idField(dialog), Qt::Key_Return);
    QCOMPARE(dialog.pendingSensorId(), QString("123456789"));
}

void AddSensorDialogTest::buttonsCloseBeforeTheWindowActs()
{
    AddSensorDialog dialog;
    dialog.show();
    finishEditing(dialog, "abcd");
    bool visibleWhenHandled = true;
    QString idWhenHandled;
    connect(dialog.okButton(), &QPushButton::clicked, &dialog, [&] {
        visibleWhenHandled = dialog.isVisible();
        idWhenHandled = dialog.pendingSensorId();
    });
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QVERIFY(!visibleWhenHandled);
    QCOMPARE(idWhenHandled, QString("0000abcd"));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    dialog.show();
    dialog.setResult(QDialog::Rejected);
    QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton_cancel"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted)); // Cancel closes the same way
}

QTEST_MAIN(AddSensorDialogTest)
#include "tst_addsensordialog.moc"
