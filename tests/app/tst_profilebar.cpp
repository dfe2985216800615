// The window's profile bar without a device: the default profile of a new
// installation, which selection may be saved, failed saves, unsafe names, the
// Profile Manager and what the selector shows after a delete.
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/messages.h"
#include "app/profiledialog.h"
#include "app/profilenamedialog.h"
#include "app/velomi.h"

class ProfileBarTest : public QObject
{
    Q_OBJECT

    QTemporaryDir tmp;
    Messages::Recorder recorder;
    std::unique_ptr<Velomi> window;

    QString profileDir() const { return tmp.filePath(QStringLiteral("Profile")); }
    void openWindow(bool folderOption = true)
    {
        Velomi::Options options;
        if (folderOption)
            options.profileDir = profileDir();
        window = std::make_unique<Velomi>(options);
    }
    void addProfile(const QString &fileName, const QByteArray &keyword = "FILE")
    {
        QVERIFY(QDir().mkpath(profileDir()));
        QFile file(profileDir() + QLatin1Char('/') + fileName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("lineEdit_keywd:" + keyword + "\r\n");
    }
    // Opens the Profile Manager with its button and deletes `profile`,
    // answering Yes.
    void deleteInManager(const QString &profile)
    {
        window->pushButton_profileManager->click();
        ProfileDialog *manager = window->profileDialog();
        QVERIFY(manager->isVisible());
        auto *table = manager->findChild<QTableWidget *>("tableWidget");
        const QList<QTableWidgetItem *> found = table->findItems(profile, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(profile));
        table->setCurrentCell(found.first()->row(), 0);
        manager->findChild<QPushButton *>("pushButton_deleteProfile")->click();
    }
    QStringList managerRows() const
    {
        auto *table = window->profileDialog()->findChild<QTableWidget *>("tableWidget");
        QStringList rows;
        for (int row = 0; row < table->rowCount(); ++row)
            rows << table->item(row, 0)->text() + '/' + table->item(row, 1)->text();
        return rows;
    }
    // What a technician does: pick the entry in the selector's list.
    void choose(const QString &text)
    {
        const int i = window->comboBox_profile->findText(text);
        QVERIFY2(i >= 0, qPrintable(text));
        window->comboBox_profile->setCurrentIndex(i);
        emit window->comboBox_profile->activated(i);
    }
    QStringList entries(const QString &dir) const
    {
        return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        QVERIFY(QDir(tmp.path()).removeRecursively() && QDir().mkpath(tmp.path()));
        recorder = Messages::Recorder();
        Messages::setRecorder(&recorder);
    }
    void cleanup()
    {
        window.reset();
        Messages::setRecorder(nullptr);
    }

    void newInstallationGetsItsDefault()
    {
        openWindow();
        QCOMPARE(recorder.texts(), QStringList());
        QVERIFY(QFileInfo(profileDir() + "/Velomi_Default.txt").isFile());
        QCOMPARE(window->comboBox_profile->currentText(), QStringLiteral("Default"));
        QVERIFY(!window->pushButton_saveProfile->isEnabled());

        // The file holds the form's start values; loading it changes nothing.
        const FormValues start = window->pageValues();
        window->on_pushButton_load_default_Pconfig_clicked();
        QCOMPARE(window->pageValues(), start);
        QCOMPARE(recorder.texts(), QStringList());
    }

    void saveFollowsTheSelection()
    {
        addProfile("Velomi_Default.txt");
        addProfile("Velomi_site.txt");
        openWindow();
        QVERIFY(!window->pushButton_saveProfile->isEnabled());

        choose("site");
        QVERIFY(window->pushButton_saveProfile->isEnabled());
        QCOMPARE(window->lineEdit_keywd->text(), QStringLiteral("FILE"));
        window->lineEdit_keywd->setText("SAVED");
        window->pushButton_saveProfile->click();
        QCOMPARE(recorder.texts(), QStringList {"Save file success!"});
        QFile file(profileDir() + "/Velomi_site.txt");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().split('\n').contains("lineEdit_keywd:SAVED\r"));

        choose("Default");
        QVERIFY(!window->pushButton_saveProfile->isEnabled());
    }

    void failedSaveIsReported()
    {
        addProfile("Velomi_Default.txt");
        addProfile("Velomi_site.txt");
        openWindow();
        choose("site");
        // The folder is gone and a file stands in its place: nothing can be
        // written there, whoever runs the tool.
        QVERIFY(QDir(profileDir()).removeRecursively());
        QFile blocker(profileDir());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        recorder.shown.clear();
        window->pushButton_saveProfile->click();
        QCOMPARE(recorder.shown.size(), 1);
        QCOMPARE(recorder.shown.first().kind, Notice::Warning);
        QCOMPARE(recorder.shown.first().title, QStringLiteral("Profile Manager"));
        QVERIFY(recorder.shown.first().text != QLatin1String("Save file success!"));
        QVERIFY(QFileInfo(profileDir()).isFile());
    }

    // The manager lists the window's own folder, the working folder's Profile
    // or the one given on the command line, and deletes from it.
    void managerListsAndDeletesProfiles_data()
    {
        QTest::addColumn<bool>("folderOption");
        QTest::newRow("working folder") << false;
        QTest::newRow("--profile-dir") << true;
    }
    void managerListsAndDeletesProfiles()
    {
        QFETCH(bool, folderOption);
        const auto restore
            = qScopeGuard([before = QDir::currentPath()] { QDir::setCurrent(before); });
        QVERIFY(QDir::setCurrent(tmp.path()));
        addProfile("Velomi_Default.txt");
        addProfile("Velomi_site.txt");
        addProfile("Quorix_abc.txt");
        openWindow(folderOption);
        window->pushButton_profileManager->click();
        const QStringList listed = managerRows();
        deleteInManager("site");

        QCOMPARE(listed, QStringList({"Quorix/abc", "Velomi/Default", "Velomi/site"}));
        QCOMPARE(managerRows(), QStringList({"Quorix/abc", "Velomi/Default"}));
        QVERIFY(!QFileInfo::exists(profileDir() + "/Velomi_site.txt"));
        QCOMPARE(recorder.shown.last().text,
            QStringLiteral("Delete \r\nModule:Velomi\r\nProfile:site\r\n success !"));
    }

    // After a delete the selector, the pages and Save agree: the entry shown
    // stays while it exists, otherwise the first is shown and loaded.
    void deleteLeavesSelectorAndPagesAgreeing()
    {
        addProfile("Velomi_Default.txt", "DEF");
        addProfile("Velomi_other.txt", "OTHER");
        addProfile("Velomi_site.txt", "SITE");
        openWindow();
        choose("site");
        QCOMPARE(window->lineEdit_keywd->text(), QStringLiteral("SITE"));

        deleteInManager("other");
        QCOMPARE(window->comboBox_profile->currentText(), QStringLiteral("site"));
        QCOMPARE(window->lineEdit_keywd->text(), QStringLiteral("SITE"));
        QVERIFY(window->pushButton_saveProfile->isEnabled());

        deleteInManager("site");
        QCOMPARE(window->comboBox_profile->currentText(), QStringLiteral("Default"));
        QCOMPARE(window->lineEdit_keywd->text(), QStringLiteral("DEF"));
        QVERIFY(!window->pushButton_saveProfile->isEnabled());
    }

    void unsafeNamesStayInTheFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("parent") << "../x";
        QTest::newRow("sub-folder") << "a/b";
        QTest::newRow("back-slash") << "..\\x";
    }
    void unsafeNamesStayInTheFolder()
    {
        QFETCH(QString, name);
        openWindow();
        const QStringList outside = entries(tmp.path());
        const QStringList inside = entries(profileDir());
        recorder.shown.clear();

        ProfileNameDialog *dialog = window->saveProfileAsDialog();
        QSignalSpy emitted(dialog, &ProfileNameDialog::saveProfileNameas);
        window->pushButton_saveProfileAs->click();
        dialog->findChild<QLineEdit *>("lineEdit_newProfileName")->setText(name);
        dialog->findChild<QPushButton *>("pushButton_ok")->click();
        QCOMPARE(emitted.count(), 0);
        QVERIFY(dialog->isVisible());
        QCOMPARE(recorder.shown.size(), 1);
        QCOMPARE(recorder.shown.first().title, QStringLiteral("File name"));

        // Callers of the slots get the same refusal.
        window->save_profile_as(name);
        window->save_new_profile(name);
        QCOMPARE(recorder.shown.size(), 3);
        QCOMPARE(entries(tmp.path()), outside);
        QCOMPARE(entries(profileDir()), inside);
        QCOMPARE(entries(tmp.filePath("a")), QStringList());
    }
};

QTEST_MAIN(ProfileBarTest)
#include "tst_profilebar.moc"
