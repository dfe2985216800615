#include "profiles/profilestore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString ModuleNames[] = {QStringLiteral("Velomi"), QStringLiteral("Quorix")};
const QString Extension = QStringLiteral(".txt");
// Characters other systems refuse in file names; profile folders travel.
const QString IllegalCharacters = QStringLiteral("\\/:*?\"<>|");
// A profile is a few kilobytes; anything far larger is not one.
constexpr qint64 MaxProfileBytes = 1 << 20;

// What could make the name reach outside the folder or break the path.
QString pathProblem(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("File name length error!");
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return QStringLiteral("File name must not contain \"%1\"!").arg(c);
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return QStringLiteral("File name must not contain control characters!");
    }
    if (name.contains(QStringLiteral("..")))
        return QStringLiteral("File name must not contain \"..\"!");
    return {};
}

QString profileFromFileName(const QString &fileName, const QString &module)
{
    QString profile = fileName;
    profile.remove(Extension);
    profile.remove(module + QLatin1Char('_'));
    return profile;
}

QString nativePath(const QString &path) { return QDir::toNativeSeparators(path); }

} // namespace

ProfileStore::ProfileStore(const QString &directory) : directory_(directory) { }

QString ProfileStore::defaultDirectory()
{
    const QString beside = QDir::currentPath() + QStringLiteral("/Profile");
    if (QFileInfo(beside).isDir())
        return beside;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/Profile");
}

QString ProfileStore::chooseDirectory(const QString &given)
{
    return given.isEmpty() ? defaultDirectory() : given;
}

QString ProfileStore::moduleName(int module) { return ModuleNames[module == 0 ? 0 : 1]; }

QString ProfileStore::filePath(int module, const QString &name) const
{
    return directory_ + QLatin1Char('/') + moduleName(module) + QLatin1Char('_') + name + Extension;
}

QStringList ProfileStore::profileNames(int module) const
{
    const QString module_ = moduleName(module);
    QStringList names;
    const auto files = QDir(directory_).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &file : files) {
        if (file.section(QLatin1Char('_'), 0, 0) == module_)
            names << profileFromFileName(file, module_);
    }
    return names;
}

QList<ProfileStore::Entry> ProfileStore::allProfiles() const
{
    QList<Entry> entries;
    const auto files = QDir(directory_).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &file : files) {
        const QString module = QString(file).remove(Extension).section(QLatin1Char('_'), 0, 0);
        entries << Entry {module, profileFromFileName(file, module)};
    }
    return entries;
}

bool ProfileStore::isNameUsed(const QString &name) const
{
    const QList<Entry> entries = allProfiles();
    return std::any_of(
        entries.cbegin(), entries.cend(), [&](const Entry &e) { return e.profile == name; });
}

QString ProfileStore::checkName(const QString &name)
{
    const QString problem = pathProblem(name);
    if (!problem.isEmpty())
        return problem;
    for (const QChar c : name) {
        if (IllegalCharacters.contains(c))
            return QStringLiteral("File name must not contain \"%1\"!").arg(c);
    }
    // The listing strips these, so the profile would come back under
    // another name and could not be loaded again.
    QStringList stripped {Extension};
    for (const QString &module : ModuleNames)
        stripped << module + QLatin1Char('_');
    for (const QString &part : stripped) {
        if (name.contains(part))
            return QStringLiteral("File name must not contain \"%1\"!").arg(part);
    }
    return {};
}

ProfileStore::Outcome ProfileStore::save(
    int module, const QString &name, const QByteArray &bytes) const
{
    const QString problem = pathProblem(name);
    if (!problem.isEmpty())
        return {false, problem};
    if (!QDir().mkpath(directory_))
        return {false, QStringLiteral("Cannot create the folder %1").arg(nativePath(directory_))};

    const QString path = filePath(module, name);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {
            false, QStringLiteral("Cannot write %1: %2").arg(nativePath(path), file.errorString())};
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return {false, QStringLiteral("Cannot write %1: %2").arg(nativePath(path), error)};
    }
    if (!file.commit())
        return {
            false, QStringLiteral("Cannot write %1: %2").arg(nativePath(path), file.errorString())};
    return {};
}

ProfileStore::LoadResult ProfileStore::load(int module, const QString &name) const
{
    LoadResult result;
    const QString problem = pathProblem(name);
    if (!problem.isEmpty()) {
        result.status = LoadResult::Failed;
        result.error = problem;
        return result;
    }
    const QString path = filePath(module, name);
    if (!QFileInfo(path).isFile())
        return result; // NotFound
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = LoadResult::Failed;
        result.error
            = QStringLiteral("Cannot read %1: %2").arg(nativePath(path), file.errorString());
        return result;
    }
    result.bytes = file.read(MaxProfileBytes + 1);
    if (result.bytes.size() > MaxProfileBytes) {
        result.bytes.clear();
        result.status = LoadResult::Failed;
        result.error = QStringLiteral("%1 is too large for a profile").arg(nativePath(path));
        return result;
    }
    result.status = LoadResult::Loaded;
    return result;
}

ProfileStore::Outcome ProfileStore::remove(const QString &module, const QString &profile) const
{
    for (const QString &part : {module, profile}) {
        const QString problem = pathProblem(part);
        if (!problem.isEmpty())
            return {false, problem};
    }
    const QString path
        = directory_ + QLatin1Char('/') + module + QLatin1Char('_') + profile + Extension;
    if (!QFileInfo(path).isFile())
        return {false, QStringLiteral("Cannot find %1").arg(nativePath(path))};
    QFile file(path);
    if (!file.remove())
        return {false,
            QStringLiteral("Cannot remove %1: %2").arg(nativePath(path), file.errorString())};
    return {};
}

ProfileStore::EnsureResult ProfileStore::ensureDefault(
    int module, const QByteArray &defaultBytes) const
{
    EnsureResult result;
    if (!QFileInfo(directory_).isDir()) {
        result.created = true;
        if (!QDir().mkpath(directory_)) {
            result.ok = false;
            result.error
                = QStringLiteral("Cannot create the folder %1").arg(nativePath(directory_));
            return result;
        }
    }
    if (QFileInfo(filePath(module, DefaultName)).isFile())
        return result;
    result.created = true;
    const Outcome saved = save(module, DefaultName, defaultBytes);
    result.ok = saved.ok;
    result.error = saved.error;
    return result;
}
