#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "messages.h"
#include "newprofiledialog.h"
#include "profiledialog.h"
#include "saveprofileasdialog.h"

namespace
{

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
}

// The New and Save-As dialogs follow the same rules; each test runs on both.
struct NameDialog {
    std::unique_ptr<QDialog> dialog;
    const char *signal;
    QLineEdit *edit() const { return dialog->findChild<QLineEdit *>("lineEdit_newProfileName"); }
    void clickOk() const { QTest::mouseClick(button("pushButton_ok"), Qt::LeftButton); }
    void clickCancel() const { QTest::mouseClick(button("pushButton_cancel"), Qt::LeftButton); }
    QPushButton *button(const char *name) const { return dialog->findChild<QPushButton *>(name); }
};

NameDialog makeNameDialog(const QString &which, const QString &dir)
{
    if (which == "new")
        return {std::make_unique<NewProfileDialog>(dir), SIGNAL(newProfileName(QString))};
    return {std::make_unique<SaveProfileAsDialog>(dir), SIGNAL(saveProfileNameas(QString))};
}

const QString FileNameTitle = "File name";

} // namespace

class TestProfileDialogs : public QObject
{
    Q_OBJECT
    Messages::Recorder recorder;
    QTemporaryDir tmp;

private slots:
    void init()
    {
        recorder = Messages::Recorder();
        Messages::setRecorder(&recorder);
        QDir(tmp.path()).removeRecursively();
        QVERIFY(QDir().mkpath(tmp.path()));
        touch(tmp.filePath("Velomi_Default.txt"));
        touch(tmp.filePath("Velomi_Site_A.txt"));
        touch(tmp.filePath("Quorix_abc.txt"));
    }
    void cleanup() { Messages::setRecorder(nullptr); }

    void nameDialogForms_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("label");
        QTest::newRow("new") << "new"
                             << "New Profile"
                             << "New Profile name";
        QTest::newRow("save as") << "saveas"
                                 << "Save Profile As"
                                 << "Save Profile As ...";
    }
    void nameDialogForms()
    {
        QFETCH(QString, which);
        QFETCH(QString, title);
        QFETCH(QString, label);
        const NameDialog d = makeNameDialog(which, tmp.path());
        QCOMPARE(d.dialog->windowTitle(), title);
        QCOMPARE(d.dialog->findChild<QLabel *>("label_port")->text(), label);
        QVERIFY(d.dialog->findChild<QLabel *>("label_2"));
        QCOMPARE(d.button("pushButton_cancel")->text(), "Cancel");

        // An eleventh character cannot be typed.
        d.edit()->setFocus();
        QTest::keyClicks(d.edit(), "abcdefghijk");
        QCOMPARE(d.edit()->text(), "abcdefghij");
    }

    void acceptsName_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("name");
        for (const char *which : {"new", "saveas"}) {
            QTest::addRow("%s ten characters", which) << which << "abcdefghij";
            QTest::addRow("%s blank", which) << which << " ";
            QTest::addRow("%s other case of a used name", which) << which << "site_a";
        }
    }
    void acceptsName()
    {
        QFETCH(QString, which);
        QFETCH(QString, name);
        const NameDialog d = makeNameDialog(which, tmp.path());
        QSignalSpy spy(d.dialog.get(), d.signal);
        d.dialog->show();
        d.edit()->setText(name);
        d.clickOk();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy[0][0].toString(), name);
        QVERIFY(recorder.shown.isEmpty());
        QVERIFY(d.edit()->text().isEmpty());
        QVERIFY(!d.dialog->isVisible());
    }

    void refusesName_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message"); // "" for any explanation
        QTest::addColumn<bool>("cleared");
        for (const char *which : {"new", "saveas"}) {
            QTest::addRow("%s empty", which) << which << ""
                                             << "File name length error!" << false;
            QTest::addRow("%s used by this module", which) << which << "Site_A"
                                                           << "File name has been used!" << true;
            QTest::addRow("%s used by another module", which) << which << "abc"
                                                              << "File name has been used!" << true;
            QTest::addRow("%s path", which) << which << "../x"
                                            << "" << false;
            QTest::addRow("%s illegal character", which) << which << "a?b"
                                                         << "" << false;
        }
    }
    void refusesName()
    {
        QFETCH(QString, which);
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(bool, cleared);
        const NameDialog d = makeNameDialog(which, tmp.path());
        QSignalSpy spy(d.dialog.get(), d.signal);
        d.dialog->show();
        d.edit()->setText(name);
        d.clickOk();
        QCOMPARE(spy.count(), 0);
        QCOMPARE(recorder.shown.size(), 1);
        QCOMPARE(recorder.shown[0].kind, Notice::Warning);
        QCOMPARE(recorder.shown[0].title, FileNameTitle);
        if (!message.isEmpty())
            QCOMPARE(recorder.shown[0].text, message);
        QCOMPARE(d.edit()->text(), cleared ? QString() : name);
        QVERIFY(d.dialog->isVisible());
        QCOMPARE(QDir(tmp.path()).entryList(QDir::Files).size(), 3);
    }

    void cancelKeepsText()
    {
        for (const QString which : {"new", "saveas"}) {
            const NameDialog d = makeNameDialog(which, tmp.path());
            QSignalSpy spy(d.dialog.get(), d.signal);
            d.dialog->show();
            d.edit()->setText("Draft");
            d.clickCancel();
            QCOMPARE(spy.count(), 0);
            QVERIFY(!d.dialog->isVisible());
            QCOMPARE(d.edit()->text(), "Draft");
        }
    }

    void managerListsEveryModule()
    {
        touch(tmp.filePath("abc.txt"));
        ProfileDialog dialog(tmp.path());
        QCOMPARE(dialog.windowTitle(), "Profile Manager");
        const auto *table = dialog.findChild<QTableWidget *>("tableWidget");
        QCOMPARE(table->horizontalHeaderItem(0)->text(), "Module");
        QCOMPARE(table->horizontalHeaderItem(1)->text(), "Profile");
        QCOMPARE(table->rowCount(), 4);
        const QStringList expected = {"Quorix|abc", "Velomi|Default", "Velomi|Site_A", "abc|abc"};
        QStringList rows;
        for (int r = 0; r < table->rowCount(); ++r)
            rows << table->item(r, 0)->text() + "|" + table->item(r, 1)->text();
        QCOMPARE(rows, expected);
        QCOMPARE(table->currentRow(), 0);

        touch(tmp.filePath("Velomi_Zeta.txt"));
        dialog.fillProfileTable();
        QCOMPARE(table->rowCount(), 5);
    }

    void deleteAsksThenRemoves_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void deleteAsksThenRemoves()
    {
        QFETCH(bool, yes);
        recorder.answer = yes;
        ProfileDialog dialog(tmp.path());
        auto *table = dialog.findChild<QTableWidget *>("tableWidget");
        QSignalSpy spy(&dialog, &ProfileDialog::sendDeleteStr);
        table->setCurrentCell(2, 0); // Velomi / Site_A
        QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton_deleteProfile"),
                          Qt::LeftButton);

        QCOMPARE(
            recorder.shown.value(0),
            (Notice{
                Notice::Question,
                "Do you want to delete \r\nModule:Velomi\r\nProfile:Site_A\r\nAre you sure? \r\n",
                "ROD Ozezadoviv"}));
        QCOMPARE(QFile::exists(tmp.filePath("Velomi_Site_A.txt")), !yes);
        QCOMPARE(table->rowCount(), yes ? 2 : 3);
        QCOMPARE(spy.count(), yes ? 1 : 0);
        if (!yes) {
            QCOMPARE(recorder.shown.size(), 1);
            return;
        }
        QCOMPARE(spy[0][0].toString(), "Velomi_Site_A.txt");
        QCOMPARE(recorder.shown.value(1),
                 Notice::info("Delete \r\nModule:Velomi\r\nProfile:Site_A\r\n success !",
                              "Profile Manager"));
    }

    void deleteFailureIsReported()
    {
        touch(tmp.filePath("abc.txt")); // listed as abc / abc, names no file
        ProfileDialog dialog(tmp.path());
        auto *table = dialog.findChild<QTableWidget *>("tableWidget");
        QSignalSpy spy(&dialog, &ProfileDialog::sendDeleteStr);
        table->setCurrentCell(3, 0);
        dialog.on_pushButton_deleteProfile_clicked();
        QCOMPARE(recorder.shown.size(), 2);
        QCOMPARE(recorder.shown[1].kind, Notice::Warning);
        QVERIFY(!recorder.shown[1].text.contains("success"));
        QCOMPARE(table->rowCount(), 4);
        QCOMPARE(spy.count(), 0);
        QVERIFY(QFile::exists(tmp.filePath("abc.txt")));
    }

    void deleteWithoutRowDoesNothing()
    {
        QTemporaryDir empty;
        ProfileDialog dialog(empty.path());
        QSignalSpy spy(&dialog, &ProfileDialog::sendDeleteStr);
        dialog.on_pushButton_deleteProfile_clicked();
        QVERIFY(recorder.shown.isEmpty());
        QCOMPARE(spy.count(), 0);
    }

    void okClosesManager()
    {
        ProfileDialog dialog(tmp.path());
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton_ok"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestProfileDialogs)
#include "tst_profiledialogs.moc"
