#pragma once
// The profile folder: files "<module>_<name>.txt", one per profile. The
// window keeps one store, bound to chooseDirectory(its --profile-dir), and
// its dialogs use that same store; tests bind one to a temporary directory.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class ProfileStore
{
public:
    static inline const QString DefaultName = QStringLiteral("Default");

    struct Outcome
    {
        bool ok = true;
        QString error; // why it failed, for the user
    };
    struct LoadResult
    {
        enum Status { Loaded, NotFound, Failed };
        Status status = NotFound;
        QByteArray bytes;
        QString error;
        bool ok() const { return status == Loaded; }
    };
    struct EnsureResult
    {
        bool created = false; // the folder or the default file had to be made
        bool ok = true; // false: they are still missing
        QString error;
    };
    // One row of the profile manager.
    struct Entry
    {
        QString module;
        QString profile;
        bool operator==(const Entry &o) const { return module == o.module && profile == o.profile; }
    };

    explicit ProfileStore(const QString &directory = defaultDirectory());
    // "Profile" in the working directory when that folder exists (profiles
    // people already have live there), else "Profile" in the per-user data
    // folder (needs the application's organisation and name set). Neither
    // is created here: the first save or ensureDefault makes it.
    static QString defaultDirectory();
    // The folder given on the command line, or without one the default.
    static QString chooseDirectory(const QString &given);

    QString directory() const { return directory_; }

    // 0 -> "Velomi", any other index -> "Quorix".
    static QString moduleName(int module);
    QString filePath(int module, const QString &name) const;

    // Names of the module's profiles, in file-name order: the text of each
    // file name before its first "_" must be the module; the name is the
    // file name with every ".txt" and every "<module>_" removed.
    QStringList profileNames(int module) const;
    // Every file of the folder as (module, profile), for the manager table.
    QList<Entry> allProfiles() const;
    // Some module already has a profile of this name.
    bool isNameUsed(const QString &name) const;

    // Why `name` cannot name a new profile file, or "" when it can: empty,
    // a path separator, "..", control or file-name-illegal characters, or
    // text the listing would strip (".txt", "<module>_").
    static QString checkName(const QString &name);

    // Writes through a temporary file and replaces the old file only when
    // all bytes are on disk. Creates the folder when it is missing.
    Outcome save(int module, const QString &name, const QByteArray &bytes) const;
    LoadResult load(int module, const QString &name) const;
    // Removes "<module>_<profile>.txt" as shown in the manager table.
    Outcome remove(const QString &module, const QString &profile) const;
    // Creates the folder and the module's default profile from
    // `defaultBytes` when either is missing.
    EnsureResult ensureDefault(int module, const QByteArray &defaultBytes) const;

private:
    QString directory_;
};
