#pragma once
// The device's own setting keys (the items of the CFG answers) and the values each accepts.
#include <QString>
#include <QStringList>
#include <vector>

// One comma field: a value from `allowed`, or from lo..hi when `allowed` is empty.
struct FieldRule
{
    int lo = 0;
    int hi = 0;
    std::vector<int> allowed;
};

struct KeySpec
{
    const char *name;
    std::vector<FieldRule> fields;
    int minFields; // a shorter write keeps the stored later fields ("FSST:3" keeps b)
};

const KeySpec *findSettingKey(const QString &name);
const std::vector<KeySpec> &settingKeys();

// Checks comma fields against their rules. Missing trailing fields (allowed down to minFields)
// are taken from `current`. On success `normalized` holds every field in plain decimal.
bool checkFields(const std::vector<FieldRule> &rules, int minFields, const QString &value,
    const QString &current, QString &normalized);
bool checkSetting(
    const KeySpec &key, const QString &value, const QString &current, QString &normalized);

// A strict decimal number: optional "-", digits only.
bool parseDecimal(const QString &text, int &value);

// Keys of the three configuration answers, in the order the device sends them.
// "KEYWD" and "ACCES" are not setting keys but appear in the lists.
extern const QStringList CfgAnswerKeys;
extern const QStringList Cfg1AnswerKeys;
extern const QStringList Cfg2AnswerKeys;
