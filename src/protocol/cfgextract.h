#pragma once
// The multi-key configuration answers "CFG?:", "CFG1?:" and "CFG2?:".
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Keys of each answer, in decoding order.
extern const QStringList CfgKeys; // CFG?:
extern const QStringList Cfg1Keys; // CFG1?:  (RFIGN and RFGPS both listed)
extern const QStringList Cfg2Keys; // CFG2?:

// For each key in order: every item holding the key's filter text, joined by
// "#", with the key's prefix removed ("" when none matched). ACCES filters on
// and strips "ACCES:1,", INACT on "INACT:", every other key on its name
// (filter) and name + ":" (prefix). `keyword` is e.g. "CFG1?:".
QList<QPair<QString, QString>> extractCfgKeys(
    const QString &received, const QString &keyword, const QStringList &keys);
