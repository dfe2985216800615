#include <QCoreApplication>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include "profiles/profilestore.h"

namespace {

void touch(const QString &path, const QByteArray &bytes = "x")
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class ProfileStoreTest : public QObject
{
    Q_OBJECT
private slots:
    void listsProfilesByModule()
    {
        QTemporaryDir tmp;
        ProfileStore store(tmp.path());
        for (const char *file : {"Velomi_Site_A.txt", "Velomi_Default.txt", "Quorix_abc.txt"})
            touch(tmp.filePath(file));
        QVERIFY(QDir(tmp.path()).mkdir("Velomi_folder.txt"));

        QCOMPARE(store.profileNames(0), (QStringList {"Default", "Site_A"}));
        QCOMPARE(store.profileNames(1), QStringList {"abc"});
        QVERIFY(store.isNameUsed("abc")); // whatever the module
        QVERIFY(!store.isNameUsed("site_a"));
    }

    void saveReplacesWholeFile()
    {
        QTemporaryDir tmp;
        ProfileStore store(tmp.filePath("Profile")); // created on demand
        QVERIFY(store.save(0, "Site A", QByteArray(5000, 'a')).ok);
        QVERIFY(store.save(0, "Site A", "short\r\n").ok);
        QCOMPARE(store.load(0, "Site A").bytes, QByteArray("short\r\n"));
        QCOMPARE(QDir(store.directory()).entryList(QDir::Files), QStringList {"Velomi_Site A.txt"});
        QCOMPARE(store.load(1, "Site A").status, ProfileStore::LoadResult::NotFound);
    }

    void unsafeNamesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("saveRefused"); // the rest only has no place in a new name
        QTest::newRow("escape") << "a/../../x" << true;
        QTest::newRow("parent") << "../x" << true;
        QTest::newRow("backslash") << "a\\b" << true;
        QTest::newRow("control") << "a\r\nb" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("illegal") << "why?" << false;
        QTest::newRow("stripped by the listing") << "a.txtb" << false;
    }
    void unsafeNamesAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(bool, saveRefused);
        QVERIFY(!ProfileStore::checkName(name).isEmpty());

        QTemporaryDir tmp;
        // With this folder present "a/../../x" would resolve beside "Profile".
        QVERIFY(QDir(tmp.path()).mkpath("Profile/Velomi_a"));
        ProfileStore store(tmp.filePath("Profile"));
        const ProfileStore::Outcome saved = store.save(0, name, "x");
        QCOMPARE(!saved.ok, saveRefused);
        QCOMPARE(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList {"Profile"});
    }

    void readOnlyFolderReportsFailure()
    {
        if (geteuid() == 0)
            QSKIP("permissions do not bite for root");
        QTemporaryDir tmp;
        ProfileStore store(tmp.path());
        touch(store.filePath(0, "Old"), "old content");
        QFile::setPermissions(tmp.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const ProfileStore::Outcome saved = store.save(0, "Old", "new");
        const ProfileStore::Outcome removed = store.remove("Velomi", "Old");
        QFile::setPermissions(tmp.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!saved.ok && !saved.error.isEmpty());
        QVERIFY(!removed.ok);
        QCOMPARE(store.load(0, "Old").bytes, QByteArray("old content"));
    }

    void ensureDefaultCreatesOnlyWhatIsMissing()
    {
        QTemporaryDir tmp;
        ProfileStore store(tmp.filePath("Profile"));
        QVERIFY(store.ensureDefault(0, "start\r\n").created);
        QVERIFY(store.save(0, "Default", "edited\r\n").ok);
        const ProfileStore::EnsureResult again = store.ensureDefault(0, "start\r\n");
        QVERIFY(again.ok && !again.created);
        QCOMPARE(store.load(0, "Default").bytes, QByteArray("edited\r\n"));

        touch(tmp.filePath("NotAFolder"));
        QVERIFY(!ProfileStore(tmp.filePath("NotAFolder")).ensureDefault(0, "x").ok);
    }

    // A Profile folder in the working directory wins, else the per-user
    // one (made on first use), and the command line's folder wins over both.
    void folderChoice()
    {
        QTemporaryDir work, data;
        const QString oldCurrent = QDir::currentPath();
        const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
        const auto restore = qScopeGuard([&] {
            QDir::setCurrent(oldCurrent);
            qputenv("XDG_DATA_HOME", oldDataHome);
            QStandardPaths::setTestModeEnabled(true);
        });
        // The folders a user has, not the test store's.
        QStandardPaths::setTestModeEnabled(false);
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        QCoreApplication::setOrganizationName(QStringLiteral("Calvorn"));
        QCoreApplication::setApplicationName(QStringLiteral("Velomi"));
        QVERIFY(QDir::setCurrent(work.path()));
        const QString perUser = data.filePath("Calvorn/Velomi/Profile");
        const QString chosenNone = ProfileStore::chooseDirectory({});
        const bool ensured = ProfileStore(chosenNone).ensureDefault(0, "x").ok;
        QVERIFY(QDir(work.path()).mkdir("Profile"));
        const QString chosenBeside = ProfileStore::chooseDirectory({});
        const QString chosenGiven = ProfileStore::chooseDirectory(data.filePath("mine"));

        QCOMPARE(chosenNone, perUser);
        QVERIFY(ensured && QFileInfo(perUser + "/Velomi_Default.txt").isFile());
        QCOMPARE(chosenBeside, QDir(work.path()).canonicalPath() + "/Profile");
        QCOMPARE(chosenGiven, data.filePath("mine"));
    }
};

QTEST_APPLESS_MAIN(ProfileStoreTest)
#include "tst_profilestore.moc"
