#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

#include "app/windowsettings.h"

namespace Language {
namespace {

const QString LanguageKey = QStringLiteral("Language");

// "de-CH", "de_DE.UTF-8" and "de" all mean German.
QString baseCode(const QString &name)
{
    QString code = name.trimmed().toLower();
    const qsizetype end = code.indexOf(QRegularExpression(QStringLiteral("[-_.@]")));
    if (end >= 0)
        code.truncate(end);
    return code;
}

} // namespace

QStringList translatedCodes()
{
    return {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("nl")};
}

QStringList knownCodes() { return QStringList {QStringLiteral("en")} + translatedCodes(); }

QString resolve(
    const QString &commandLine, const QString &saved, const QStringList &systemLanguages)
{
    for (const QString &chosen : {commandLine, saved})
        if (knownCodes().contains(baseCode(chosen)))
            return baseCode(chosen);
    for (const QString &name : systemLanguages)
        if (knownCodes().contains(baseCode(name)))
            return baseCode(name);
    return QStringLiteral("en");
}

QString savedChoice() { return WindowSettings().value(LanguageKey).toString(); }

void saveChoice(const QString &code)
{
    WindowSettings settings;
    if (code.isEmpty())
        settings.remove(LanguageKey);
    else
        settings.setValue(LanguageKey, code);
}

bool install(QCoreApplication *app, const QString &code)
{
    if (!translatedCodes().contains(code))
        return code == QLatin1String("en");
    // Qt's own texts first (the standard buttons); it need not be installed.
    auto *qt = new QTranslator(app);
    if (qt->load(
            QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    auto *own = new QTranslator(app);
    if (!own->load(QStringLiteral(":/i18n/velomi_") + code + QStringLiteral(".qm"))) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    return true;
}

} // namespace Language
