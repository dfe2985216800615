#pragma once
// The language of the window, its dialogs and its messages: the command
// line's --lang, else the choice kept in the window settings, else the
// system's (LANGUAGE, LC_MESSAGES, LANG). English is the source text.
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace Language {

// Codes the tool has a catalogue for, besides "en" (the source texts).
QStringList translatedCodes();
// "en" and translatedCodes(): what --lang accepts.
QStringList knownCodes();

// The language to show: `commandLine` if set, else `saved` if set, else the
// first of `systemLanguages` (BCP 47 names, most wanted first) that the tool
// knows, else "en". Unknown codes fall through to the next source.
QString resolve(
    const QString &commandLine, const QString &saved, const QStringList &systemLanguages);

// The choice kept in the window settings; empty for "System default".
QString savedChoice();
void saveChoice(const QString &code);

// Installs the tool's and Qt's own catalogues for `code` on the
// application; "en" installs none. Returns false when the tool's catalogue
// cannot be loaded (the texts then stay English).
bool install(QCoreApplication *app, const QString &code);

} // namespace Language
