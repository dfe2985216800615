#include "protocol/cfgextract.h"

#include <QMap>

#include "protocol/answer.h"

const QStringList CfgKeys = {"KEYWD", "ACCES", "GUDT", "TESTC", "FSST", "CBTI", "SPKVL", "SILENT",
    "VOIEN", "GEOTR", "SNDCR", "ANSIN", "BTNEV"};
const QStringList Cfg1Keys = {"KEYWD", "ACCES", "GUDT", "TESTC", "CBTI", "GEOTR", "SLEEP", "LANG",
    "RFIGN", "RFGPS", "FORBID", "INACT"};
const QStringList Cfg2Keys = {"SNDCR", "ANSIN", "CUTV", "BTNEV", "SILENT", "VOIEN", "FALDE", "FSST",
    "SPKVL", "RPPRIO", "TRACR", "CGPS", "RPACK", "GSMNF", "GEGPS"};

namespace {

// Keys whose filter text is also the prefix removed from their value.
// ACCES only takes the first access code; INACT must not match INACTW.
const QMap<QString, QString> SpecialFilters = {
    {QStringLiteral("ACCES"), QStringLiteral("ACCES:1,")},
    {QStringLiteral("INACT"), QStringLiteral("INACT:")},
};

} // namespace

QList<QPair<QString, QString>> extractCfgKeys(
    const QString &received, const QString &keyword, const QStringList &keys)
{
    const QStringList items = Answer::body(received, keyword).split(QLatin1Char(';'));

    QList<QPair<QString, QString>> values;
    for (const QString &key : keys) {
        const QString filter = SpecialFilters.value(key, key);
        const QString prefix = SpecialFilters.value(key, key + QLatin1Char(':'));
        QStringList matching;
        for (const QString &item : items) {
            if (item.contains(filter))
                matching << item;
        }
        values.append({key, matching.join(QLatin1Char('#')).remove(prefix)});
    }
    return values;
}
