#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

#include "profilestore.h"

namespace
{

void touch(const QString &path, const QByteArray &bytes = "x")
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList treeOf(const QString &root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << it.next();
    entries.sort();
    return entries;
}

} // namespace

class TestProfileStore : public QObject
{
    Q_OBJECT
private slots:
    void listsProfilesByModule()
    {
        QTemporaryDir tmp;
        ProfileStore store(tmp.path());
        touch(tmp.filePath("Velomi_Site_A.txt"));
        touch(tmp.filePath("Velomi_Default.txt"));
        touch(tmp.filePath("Quorix_abc.txt"));
        touch(tmp.filePath("abc.txt"));
        QVERIFY(QDir(tmp.path()).mkdir("Velomi_folder.txt"));

        QCOMPARE(store.profileNames(0), (QStringList{"Default", "Site_A"}));
        QCOMPARE(store.profileNames(1), QStringList{"abc"});
        const QList<ProfileStore::Entry> expected = {
            {"Quorix", "abc"}, {"Velomi", "Default"}, {"Velomi", "Site_A"}, {"abc", "abc"}};
        QCOMPARE(store.allProfiles(), expected);

        QVERIFY(store.isNameUsed("abc")); // used by the other module
        QVERIFY(store.isNameUsed("Site_A"));
        QVERIFY(!store.isNameUsed("Site"));
        QVERIFY(!store.isNameUsed("site_a"));

        QVERIFY(ProfileStore(tmp.filePath("missing")).profileNames(0).isEmpty());
    }

    void saveReplacesWholeFile()
    {
        QTemporaryDir tmp;
        ProfileStore store(tmp.filePath("Profile"));
        QVERIFY(store.save(0, "Site A", QByteArray(5000, 'a')).ok);
        QVERIFY(store.save(0, "Site A", "short\r\n").ok);
        const ProfileStore::LoadResult loaded = store.load(0, "Site A");
        QCOMPARE(loaded.status, ProfileStore::LoadResult::Loaded);
        QCOMPARE(loaded.bytes, QByteArray("short\r\n"));
        QCOMPARE(QDir(store.directory()).entryList(QDir::Files),
                 QStringList{"Velomi_Site A.txt"}); // no temporary left behind
        QCOMPARE(store.load(1, "Site A").status, ProfileStore::LoadResult::NotFound);
    }

    void unsafeNamesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("saveRefused"); // the rest only has no place in a name
        QTest::newRow("escape") << "a/../../x" << true;
        QTest::newRow("parent") << "../x" << true;
        QTest::newRow("subfolder") << "a/b" << true;
        QTest::newRow("backslash") << "a\\b" << true;
        QTest::newRow("dots") << ".." << true;
        QTest::newRow("nul") << QString("a") + QChar(0) + "b" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("control") << "a\tb" << true;
        QTest::newRow("newline") << "a\r\nb" << true;
        QTest::newRow("star") << "a*" << false;
        QTest::newRow("colon") << "a:b" << false;
        QTest::newRow("question") << "why?" << false;
        QTest::newRow("extension inside") << "a.txtb" << false;
        QTest::newRow("module inside") << "Quorix_a" << false;
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
        const auto outside = [&] {
            QStringList entries = treeOf(tmp.path());
            entries.removeIf(
                [&](const QString &p) { return p.startsWith(store.directory() + '/'); });
            return entries;
        };
        const QStringList before = outside();
        const ProfileStore::Outcome saved = store.save(0, name, "x");
        if (saveRefused) {
            QVERIFY(!saved.ok);
            QVERIFY(!saved.error.isEmpty());
        }
        QCOMPARE(outside(), before);
    }

    void acceptableNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("blank") << " ";
        QTest::newRow("ten characters") << "abcdefghij";
        QTest::newRow("underscore") << "Site_A";
        QTest::newRow("latin-1") << QString::fromUtf8("B\u00fcro");
        QTest::newRow("single dot") << "v1.2";
    }
    void acceptableNames()
    {
        QFETCH(QString, name);
        QCOMPARE(ProfileStore::checkName(name), QString());
        QTemporaryDir tmp;
        ProfileStore store(tmp.path());
        QVERIFY(store.save(0, name, "x").ok);
        QVERIFY(store.profileNames(0).contains(name));
    }

    void readOnlyFolderReportsFailure()
    {
        if (geteuid() == 0)
            QSKIP("permissions do not apply to root");
        QTemporaryDir tmp;
        ProfileStore store(tmp.path());
        touch(store.filePath(0, "Old"), "old content");
        QFile::setPermissions(tmp.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const ProfileStore::Outcome saved = store.save(0, "New", "x");
        const ProfileStore::Outcome replaced = store.save(0, "Old", "new");
        const ProfileStore::Outcome removed = store.remove("Velomi", "Old");
        QFile::setPermissions(tmp.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        QVERIFY(!saved.ok);
        QVERIFY(!saved.error.isEmpty());
        QVERIFY(!replaced.ok);
        QVERIFY(!removed.ok);
        QCOMPARE(store.load(0, "Old").bytes, QByteArray("old content"));
    }

    void removeReportsWhatHappened()
    {
        QTemporaryDir tmp;
        ProfileStore store(tmp.path());
        touch(tmp.filePath("Velomi_Site_A.txt"));
        touch(tmp.filePath("abc.txt"));
        QVERIFY(store.remove("Velomi", "Site_A").ok);
        QVERIFY(!QFile::exists(tmp.filePath("Velomi_Site_A.txt")));
        QVERIFY(!store.remove("Velomi", "Site_A").ok);
        // A file without a module is listed as ("abc", "abc") but that
        // names no file: the removal fails and says so.
        const ProfileStore::Outcome odd = store.remove("abc", "abc");
        QVERIFY(!odd.ok);
        QVERIFY(!odd.error.isEmpty());
        QVERIFY(QFile::exists(tmp.filePath("abc.txt")));
        QVERIFY(!store.remove("..", "x").ok);
    }

    void ensureDefaultCreatesOnlyWhatIsMissing()
    {
        QTemporaryDir tmp;
        ProfileStore store(tmp.filePath("Profile"));
        ProfileStore::EnsureResult result = store.ensureDefault(0, "start values\r\n");
        QVERIFY(result.created);
        QVERIFY(result.ok);
        QCOMPARE(store.load(0, "Default").bytes, QByteArray("start values\r\n"));

        QVERIFY(store.save(0, "Default", "edited\r\n").ok);
        result = store.ensureDefault(0, "start values\r\n");
        QVERIFY(!result.created);
        QCOMPARE(store.load(0, "Default").bytes, QByteArray("edited\r\n"));

        touch(tmp.filePath("NotAFolder"));
        result = ProfileStore(tmp.filePath("NotAFolder")).ensureDefault(0, "x");
        QVERIFY(!result.ok);
        QVERIFY(!result.error.isEmpty());
    }

    void loadRefusesOversizedFiles()
    {
        QTemporaryDir tmp;
        ProfileStore store(tmp.path());
        touch(store.filePath(0, "Huge"), QByteArray(2 << 20, 'a'));
        const ProfileStore::LoadResult loaded = store.load(0, "Huge");
        QCOMPARE(loaded.status, ProfileStore::LoadResult::Failed);
        QVERIFY(loaded.bytes.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestProfileStore)
#include "tst_profilestore.moc"
