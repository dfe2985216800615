#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/messages.h"
#include "app/profiledialog.h"
#include "app/profilenamedialog.h"

class ProfileDialogsTest : public QObject
{
    Q_OBJECT
    Messages::Recorder recorder;
    QTemporaryDir tmp;

    void touch(const QString &name)
    {
        QFile file(tmp.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    template <typename T> T *child(QObject *parent, const char *name)
    {
        return parent->findChild<T *>(name);
    }

private slots:
    void init()
    {
        recorder = Messages::Recorder();
        Messages::setRecorder(&recorder);
        QVERIFY(QDir(tmp.path()).removeRecursively() && QDir().mkpath(tmp.path()));
        for (const char *name : {"Velomi_Default.txt", "Velomi_Site_A.txt", "Quorix_abc.txt"})
            touch(name);
    }
    void cleanup() { Messages::setRecorder(nullptr); }

    // New and Save-As share one rule set.
    void nameRules_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("emitted"); // "" when refused
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("left"); // text left in the field
        QTest::newRow("eleven typed, ten kept") << "abcdefghijk"
                                                << "abcdefghij"
                                                << ""
                                                << "";
        QTest::newRow("blank") << " "
                               << " "
                               << ""
                               << "";
        QTest::newRow("empty") << ""
                               << ""
                               << "File name length error!"
                               << "";
        QTest::newRow("used by another module") << "abc"
                                                << ""
                                                << "File name has been used!"
                                                << "";
        QTest::newRow("path") << "../x"
                              << ""
                              << "*"
                              << "../x";
    }
    void nameRules()
    {
        QFETCH(QString, typed);
        QFETCH(QString, emitted);
        QFETCH(QString, warning);
        QFETCH(QString, left);
        const ProfileStore store(tmp.path());
        ProfileNameDialog newDialog(ProfileNameDialog::NewProfile, store);
        ProfileNameDialog saveAsDialog(ProfileNameDialog::SaveProfileAs, store);
        const QList<std::pair<QDialog *, const char *>> dialogs
            = {{&newDialog, SIGNAL(newProfileName(QString))},
                {&saveAsDialog, SIGNAL(saveProfileNameas(QString))}};
        for (const auto &[dialog, signal] : dialogs) {
            recorder.shown.clear();
            QSignalSpy spy(dialog, signal);
            dialog->show();
            auto *edit = child<QLineEdit>(dialog, "lineEdit_newProfileName");
            QTest::keyClicks(edit, typed);
            QTest::mouseClick(child<QPushButton>(dialog, "pushButton_ok"), Qt::LeftButton);

            QCOMPARE(spy.count(), emitted.isEmpty() ? 0 : 1);
            QCOMPARE(dialog->isVisible(), emitted.isEmpty());
            if (!emitted.isEmpty())
                QCOMPARE(spy[0][0].toString(), emitted);
            QCOMPARE(recorder.shown.size(), warning.isEmpty() ? 0 : 1);
            if (!warning.isEmpty()) {
                QCOMPARE(recorder.shown[0].title, "File name");
                QVERIFY(warning == "*" || recorder.shown[0].text == warning);
            }
            QCOMPARE(edit->text(), left);
        }
        QCOMPARE(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 3);
    }

    void deleteAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void deleteAsksFirst()
    {
        QFETCH(bool, yes);
        recorder.answer = yes;
        const ProfileStore store(tmp.path());
        ProfileDialog dialog(store);
        auto *table = child<QTableWidget>(&dialog, "tableWidget");
        QCOMPARE(table->rowCount(), 3); // every module: Quorix/abc, Velomi/Default, Velomi/Site_A
        QSignalSpy spy(&dialog, &ProfileDialog::sendDeleteStr);
        table->setCurrentCell(2, 0);
        QTest::mouseClick(child<QPushButton>(&dialog, "pushButton_deleteProfile"), Qt::LeftButton);

        QCOMPARE(recorder.shown.value(0),
            (Notice {Notice::Question,
                "Do you want to delete \r\nModule:Velomi\r\nProfile:Site_A\r\nAre you sure? \r\n",
                "ROD Ozezadoviv"}));
        QCOMPARE(QFile::exists(tmp.filePath("Velomi_Site_A.txt")), !yes);
        QCOMPARE(table->rowCount(), yes ? 2 : 3);
        QCOMPARE(spy.count(), yes ? 1 : 0);
        if (yes) {
            QCOMPARE(spy[0][0].toString(), "Velomi_Site_A.txt");
            QCOMPARE(recorder.shown.value(1),
                Notice::info(
                    "Delete \r\nModule:Velomi\r\nProfile:Site_A\r\n success !", "Profile Manager"));
        }
    }

    void failedOrImpossibleDelete()
    {
        touch("abc.txt"); // listed as abc / abc, which names no file
        const ProfileStore store(tmp.path());
        ProfileDialog dialog(store);
        auto *table = child<QTableWidget>(&dialog, "tableWidget");
        QSignalSpy spy(&dialog, &ProfileDialog::sendDeleteStr);
        table->setCurrentCell(3, 0);
        dialog.on_pushButton_deleteProfile_clicked();
        QCOMPARE(recorder.shown.value(1).kind, Notice::Warning);
        QCOMPARE(table->rowCount(), 4);
        QCOMPARE(spy.count(), 0);

        recorder.shown.clear();
        QTemporaryDir empty;
        const ProfileStore emptyStore(empty.path());
        ProfileDialog emptyDialog(emptyStore);
        emptyDialog.on_pushButton_deleteProfile_clicked(); // no current row
        QVERIFY(recorder.shown.isEmpty());
    }
};

QTEST_MAIN(ProfileDialogsTest)
#include "tst_profiledialogs.moc"
