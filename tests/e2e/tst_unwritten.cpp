// Edits the device does not have yet: the tab says so, closing asks first, a
// read's replaced values come back with Undo read, and a page's Write can
// read the device again to check what it kept.
#include <QAction>
#include <QTest>

#include "e2efixture.h"
#include "serial/manageserialport.h"

namespace {

const QString UnwrittenWriteDone = QStringLiteral("Write command success!  ");

bool unwrittenMarkShown(const WindowUnderTest &t, QWidget *page)
{
    const int i = t.window->tabWidget_velomi->indexOf(page);
    return i >= 0 && !t.window->tabWidget_velomi->tabIcon(i).isNull();
}

} // namespace

class UnwrittenTest : public QObject
{
    Q_OBJECT
private slots:
    void editIsMarkedUntilItsPageIsWritten();
    void closingThePortWithEditsAsksFirst();
    void undoReadBringsTheReplacedValuesBack();
    void verifyAfterWritingNamesWhatThePageWriteLost();
};

void UnwrittenTest::editIsMarkedUntilItsPageIsWritten()
{
    WindowUnderTest t;
    QVERIFY2(t.start(), qPrintable(t.sim.errorString()));
    QVERIFY(t.openAndRead());
    auto &w = *t.window;
    QVERIFY(!unwrittenMarkShown(t, w.tab_apn));

    w.lineEdit_apn_internet->setText(QStringLiteral("edited.apn"));
    QVERIFY(unwrittenMarkShown(t, w.tab_apn));
    QVERIFY(!unwrittenMarkShown(t, w.tab_setting));
    // A command's input (the debug level) is no setting the device holds.
    w.comboBox_debug->setCurrentIndex(w.comboBox_debug->currentIndex() == 0 ? 1 : 0);
    QCOMPARE(w.pagesWithUnwrittenEdits(), QStringList {QStringLiteral("APN")});

    QTest::mouseClick(w.pushButtonSet_apn, Qt::LeftButton);
    QVERIFY(t.waitFor(UnwrittenWriteDone));
    QVERIFY(!unwrittenMarkShown(t, w.tab_apn));
}

void UnwrittenTest::closingThePortWithEditsAsksFirst()
{
    WindowUnderTest t;
    QVERIFY2(t.start(), qPrintable(t.sim.errorString()));
    QVERIFY(t.openAndRead());
    t.window->lineEdit_apn_internet->setText(QStringLiteral("edited.apn"));

    t.recorder.shown.clear();
    t.recorder.answer = false;
    QTest::mouseClick(t.window->pushButtonClose, Qt::LeftButton);
    QCOMPARE(t.recorder.shown.size(), 1);
    QCOMPARE(t.recorder.shown.first().kind, Notice::Question);
    QVERIFY(t.window->serialManager()->isPortOpen());
    QCOMPARE(t.window->lineEdit_apn_internet->text(), QStringLiteral("edited.apn"));
}

void UnwrittenTest::undoReadBringsTheReplacedValuesBack()
{
    WindowUnderTest t;
    QVERIFY2(t.start(), qPrintable(t.sim.errorString()));
    QVERIFY(t.openAndRead());
    auto &w = *t.window;
    const QString read = w.lineEdit_apn_internet->text();
    w.lineEdit_apn_internet->setText(QStringLiteral("edited.apn"));

    QVERIFY(t.read());
    QCOMPARE(w.lineEdit_apn_internet->text(), read);
    QVERIFY(!unwrittenMarkShown(t, w.tab_apn));
    QVERIFY(w.undoReadAction()->isEnabled());

    w.undoReadAction()->trigger();
    QCOMPARE(w.lineEdit_apn_internet->text(), QStringLiteral("edited.apn"));
    QVERIFY(unwrittenMarkShown(t, w.tab_apn));
    QVERIFY(!w.undoReadAction()->isEnabled()); // once
}

void UnwrittenTest::verifyAfterWritingNamesWhatThePageWriteLost()
{
    WindowUnderTest t;
    QVERIFY2(t.start({"--forget", "GUDT"}), qPrintable(t.sim.errorString()));
    QVERIFY(t.openAndRead());
    auto &w = *t.window;
    w.verifyAfterWritingAction()->setChecked(true);
    QVERIFY(w.comboBox_gudt_normal->currentText() != QLatin1String("15 sec"));
    w.comboBox_gudt_normal->setCurrentText(QStringLiteral("15 sec"));
    // On the same page, but sent by another Write button: neither reported
    // as lost nor overwritten by the read-back.
    const QString callerId = w.lineEdit_call_id1->text() + QStringLiteral("9");
    w.lineEdit_call_id1->setText(callerId);

    t.recorder.shown.clear();
    QTest::mouseClick(w.pushButtonSet, Qt::LeftButton);
    QVERIFY(t.waitFor(UnwrittenWriteDone));
    // Read pressed meanwhile leaves the check running.
    QVERIFY(QTest::qWaitFor([&] { return !w.tabWidget_velomi->isEnabled(); }, 5000));
    QTest::mouseClick(w.pushButton_read, Qt::LeftButton);
    QVERIFY(t.saw(QStringLiteral(
        "The device is being read back to check what was written; wait until it has finished.")));
    QVERIFY(QTest::qWaitFor(
        [&] {
            for (const Notice &n : std::as_const(t.recorder.shown))
                if (n.kind == Notice::Warning)
                    return true;
            return false;
        },
        20000));
    QStringList warnings;
    for (const Notice &n : std::as_const(t.recorder.shown))
        if (n.kind == Notice::Warning)
            warnings << n.text;
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().contains(
                 QStringLiteral("Settings, Guard Time: written \"15 sec\", read back \"10 sec\"")),
        qPrintable(warnings.first()));
    QCOMPARE(warnings.first().count(QLatin1Char('\n')), 1);
    QVERIFY(QTest::qWaitFor([&] { return w.lineEdit_call_id1->text() == callerId; }, 5000));
    QVERIFY(w.pagesWithUnwrittenEdits().contains(QStringLiteral("Settings")));
    QVERIFY(!t.saw(ReadDone));
}

QTEST_MAIN(UnwrittenTest)
#include "tst_unwritten.moc"
