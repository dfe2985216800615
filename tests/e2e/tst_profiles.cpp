// Profiles with a device: what was saved comes back on the pages, and Write All
// then puts it on the device; the default profile a new installation gets
// keeps every selector and report group; the profile bar leaves what the read
// showed and the port the user chose alone.
#include <QJsonArray>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "app/profiledialog.h"
#include "app/profilenamedialog.h"
#include "e2efixture.h"
#include "writeallvalues.h"

using namespace WriteAllValues;

namespace {

// What a technician does: pick the entry in the selector's list.
void choose(QComboBox *combo, const QString &text)
{
    const int i = combo->findText(text);
    QVERIFY2(i >= 0, qPrintable(text));
    combo->setCurrentIndex(i);
    emit combo->activated(i);
}

QStringList entries(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// Types the name into a name dialog and presses its OK button.
void nameIn(QDialog *dialog, const QString &name)
{
    QVERIFY(dialog->isVisible());
    auto *edit = dialog->findChild<QLineEdit *>("lineEdit_newProfileName");
    edit->clear();
    QTest::keyClicks(edit, name);
    dialog->findChild<QPushButton *>("pushButton_ok")->click();
    QVERIFY(!dialog->isVisible());
}

void deleteInManager(Velomi &w, const QString &profile)
{
    w.pushButton_profileManager->click();
    auto *table = w.profileDialog()->findChild<QTableWidget *>("tableWidget");
    const QList<QTableWidgetItem *> found = table->findItems(profile, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(profile));
    table->setCurrentCell(found.first()->row(), 0);
    w.profileDialog()->findChild<QPushButton *>("pushButton_deleteProfile")->click();
}

// Presses the Report page's Write and waits for the device's answer.
bool writeReports(WindowUnderTest &t)
{
    const QString success = QStringLiteral("Write command success!  ");
    const int before = t.count(success);
    t.window->pushButtonSet_rpt->click();
    return t.waitFor(success, before + 1);
}

// Destinations whose groups and types all differ from the form's first ones:
// destination, group, type, follow-on, event.
const QJsonArray DeviceReports = {QJsonArray {"+4930111222", "3", "20", "0", "4"},
    QJsonArray {"+4930111333", "5", "31", "0", "1"},
    QJsonArray {"+4930111444", "2", "12", "0", "255"},
    QJsonArray {"+4930111555", "4", "14", "0", "4"},
    QJsonArray {"+4930111666", "2", "17", "0", "1"}};

} // namespace

class ProfilesTest : public QObject
{
    Q_OBJECT
private slots:
    void savedProfileComesBackAndIsWritten();
    void newProfileFromAFreshDefaultKeepsEveryList();
    void profileWithoutAGroupKeepsTheGroupRead();
    void profileBarLeavesReadLayoutAndPortAlone();
};

void ProfilesTest::savedProfileComesBackAndIsWritten()
{
    const Model t47 {"T47_V1.05", true, true, false, ""};
    WindowUnderTest t;
    QVERIFY2(t.start(), qPrintable(t.sim.errorString()));
    QVERIFY(t.openAndRead());
    Velomi &w = *t.window;
    QCOMPARE(entries(w.comboBox_profile), QStringList({"Current Setting", "Default"}));
    const FormValues device = t.pages();

    w.applyValues(changedValues(t47, w.comboBox_rpt_type_1->count()));
    // Profile files keep a colon only in report destinations (the file format
    // other installations share); elsewhere the text after it is not stored.
    w.lineEdit_apn_passwd->setText(QStringLiteral("p\u00e4\u00a7s w\u00f6rd"));
    const FormValues site = t.pages();
    w.saveProfileAsDialog()->findChild<QLineEdit *>("lineEdit_newProfileName")->setText("site1");
    w.saveProfileAsDialog()->findChild<QPushButton *>("pushButton_ok")->click();
    QVERIFY(QFileInfo::exists(t.dir.filePath("Profile/Velomi_site1.txt")));
    QCOMPARE(entries(w.comboBox_profile), QStringList({"Default", "site1"}));
    QCOMPARE(w.comboBox_profile->currentText(), QStringLiteral("site1"));

    // A new read shows the device again, with "Current Setting" on top.
    QVERIFY(t.read());
    QCOMPARE(entries(w.comboBox_profile), QStringList({"Current Setting", "Default", "site1"}));
    QCOMPARE(w.comboBox_profile->currentText(), QStringLiteral("Current Setting"));
    const QStringList notRead = differences(writtenWidgets(t47), device, t.pages());
    QVERIFY2(notRead.isEmpty(), qPrintable(notRead.join("\n")));

    choose(w.comboBox_profile, "site1");
    QCOMPARE(entries(w.comboBox_profile), QStringList({"Default", "site1"}));
    QVERIFY(w.pushButton_saveProfile->isEnabled());
    const QStringList notBack = differences(site.names(), site, t.pages());
    QVERIFY2(notBack.isEmpty(), qPrintable(notBack.join("\n")));

    t.recorder.shown.clear();
    QVERIFY2(t.writeAll(), qPrintable(t.recorder.texts().join(" | ")));
    QCOMPARE(t.sim.snapshot().value("KEYWD").toString(), site.text("lineEdit_keywd"));
    QVERIFY(t.newWindow());
    QVERIFY(t.openAndRead());
    const QStringList lost = differences(writtenWidgets(t47), site, t.pages());
    QVERIFY2(lost.isEmpty(), qPrintable(lost.join("\n")));
}

// The Default profile the window wrote for itself in the test's folder.
static QByteArray defaultProfile(WindowUnderTest &t)
{
    QFile file(t.dir.filePath("Profile/Velomi_Default.txt"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The default profile a new installation writes for itself holds a real
// choice for every selector, so a profile made from it writes a type.
void ProfilesTest::newProfileFromAFreshDefaultKeepsEveryList()
{
    WindowUnderTest t;
    QVERIFY2(t.startWithState({{"RPT", DeviceReports}}), qPrintable(t.sim.errorString()));
    QVERIFY(t.openAndRead());
    Velomi &w = *t.window;
    const QByteArray fresh = defaultProfile(t);
    QVERIFY(!fresh.isEmpty());
    QVERIFY(!fresh.contains(":-1\r\n"));
    w.pushButton_newProfile->click();
    nameIn(w.newProfileDialog(), "site2");
    QCOMPARE(w.comboBox_profile->currentText(), QStringLiteral("site2"));

    QCOMPARE(w.comboBox_ansin_onoff->currentIndex(), 0);
    for (int row = 1; row <= 5; ++row)
        QCOMPARE(
            t.find<QComboBox>(QStringLiteral("comboBox_rpt_type_%1").arg(row))->currentIndex(), 0);
    QVERIFY(writeReports(t));
    const QJsonArray stored = t.sim.snapshot().value("RPT").toArray();
    for (int row = 0; row < 5; ++row)
        QVERIFY2(!stored.at(row).toArray().at(2).toString().isEmpty(),
            qPrintable(QStringLiteral("row %1").arg(row + 1)));
}

// A profile that marks a whole group "Unchecked" (as one saved before any
// read does) leaves the group the read showed.
void ProfilesTest::profileWithoutAGroupKeepsTheGroupRead()
{
    WindowUnderTest t;
    QVERIFY2(t.startWithState({{"RPT", DeviceReports}}), qPrintable(t.sim.errorString()));
    QVERIFY(t.openAndRead());
    Velomi &w = *t.window;
    QVERIFY(defaultProfile(t).contains("radioButton_rpt_group_1_3:Unchecked\r\n"));

    choose(w.comboBox_profile, "Default");
    QVERIFY(writeReports(t));
    const QJsonArray stored = t.sim.snapshot().value("RPT").toArray();
    for (int row = 0; row < 5; ++row)
        QCOMPARE(stored.at(row).toArray().at(1), DeviceReports.at(row).toArray().at(1));
}

// Save As, New Profile and a delete rebuild the selector and nothing else:
// the AGPS selector the read showed stays, and so does a typed port path.
void ProfilesTest::profileBarLeavesReadLayoutAndPortAlone()
{
    WindowUnderTest t;
    QVERIFY2(t.start(), qPrintable(t.sim.errorString()));
    QVERIFY(t.openAndRead());
    Velomi &w = *t.window;
    QVERIFY(!w.comboBox_geotr_agps->isHidden());

    w.pushButton_saveProfileAs->click();
    nameIn(w.saveProfileAsDialog(), "one");
    QVERIFY(!w.comboBox_geotr_agps->isHidden());
    w.pushButton_newProfile->click();
    nameIn(w.newProfileDialog(), "two");
    QVERIFY(!w.comboBox_geotr_agps->isHidden());
    deleteInManager(w, "one");
    QVERIFY(!w.comboBox_geotr_agps->isHidden());
    QVERIFY(!w.label_agps->isHidden());

    w.pushButtonClose->click();
    const QString typed = t.sim.portPath() + QStringLiteral("-typed");
    QLineEdit *portEdit = w.comboBoxPortName->lineEdit();
    portEdit->selectAll();
    QTest::keyClicks(portEdit, typed);
    w.pushButton_saveProfileAs->click();
    nameIn(w.saveProfileAsDialog(), "three");
    QCOMPARE(w.comboBoxPortName->currentText(), typed);
}

QTEST_MAIN(ProfilesTest)
#include "tst_profiles.moc"
