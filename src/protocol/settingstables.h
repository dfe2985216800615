#pragma once
// The selectors of the Settings page as data: for every key of the CFG
// answers, the widgets it fills, the wire value of each item and what a
// value the table does not know turns into, in both directions.
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

namespace SettingsTables {

// Decode outcomes besides a real index.
constexpr int NoSelection = -1; // the selector shows nothing
constexpr int KeepIndex = -2; // the selector keeps what it showed

struct Selector
{
    QString widget;
    QVector<int> wire; // item index -> value on the wire
    int sendOther = 0; // sent for an index outside the table
    int decodeOther = 0; // index for a value outside the table (or the two above)

    int wireValue(int index) const;
    // Index for one comma field of an answer; KeepIndex means "leave it".
    int decodeIndex(const QString &field) const;
};

struct KeyRow
{
    QString key;
    QList<Selector> selectors; // one per comma field, in order
    bool oneValueForAll = false; // every selector reads field 0 (GSMNF)
};

// Every key the Settings page decodes, in no particular order.
const QList<KeyRow> &keyRows();
const KeyRow *findKey(const QString &key);

// The ZO variant's voice-prompt boxes: box k stands for bit k - 1 of VOIEN.
extern const QStringList VoicePromptBoxes;

} // namespace SettingsTables
