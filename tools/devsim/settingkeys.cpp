#include "settingkeys.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

FieldRule range(int lo, int hi) { return FieldRule {lo, hi, {}}; }
FieldRule oneOf(std::vector<int> values) { return FieldRule {0, 0, std::move(values)}; }
FieldRule flag() { return range(0, 1); }

std::vector<int> rangeWith(int lo, int hi, std::vector<int> extra)
{
    std::vector<int> values;
    for (int v = lo; v <= hi; ++v)
        values.push_back(v);
    values.insert(values.end(), extra.begin(), extra.end());
    return values;
}

bool allows(const FieldRule &rule, int value)
{
    if (rule.allowed.empty())
        return value >= rule.lo && value <= rule.hi;
    return std::find(rule.allowed.begin(), rule.allowed.end(), value) != rule.allowed.end();
}

} // namespace

const std::vector<KeySpec> &settingKeys()
{
    static const std::vector<FieldRule> guard = {oneOf({0, 5, 10, 15, 20, 25, 30})};
    static const std::vector<KeySpec> keys = {
        {"BTNEV", {oneOf({100, 101, 120})}, 1},
        {"GUDT", {guard[0], guard[0]}, 2},
        {"TESTC",
            {oneOf({0, 10, 20, 30, 60, 120, 240, 360, 480, 720, 1440, 2880, 4320, 5760, 7200, 8640,
                 10080, 21600, 43200}),
                oneOf({10, 20, 30, 60, 120, 240, 360, 480, 720}),
                oneOf({0, 1440, 4320, 7200, 10080, 14400})},
            3},
        {"RPACK", {flag()}, 1},
        {"SNDCR", {flag(), flag()}, 2},
        {"ANSIN", {range(0, 2), flag()}, 2},
        {"CUTV", {flag()}, 1},
        {"CBTI",
            {oneOf(rangeWith(0, 30, {60, 90, 120})), oneOf(rangeWith(1, 30, {60, 90})), flag()}, 3},
        {"SPKVL", {range(1, 5)}, 1},
        {"SILENT", {flag()}, 1},
        {"VOIEN", {range(0, 15)}, 1}, // a combo writes 0/1, the four prompt boxes a bit mask
        {"CGPS", {oneOf({0, 30, 60, 120, 240, 480, 720, 1440})}, 1},
        {"FALDE", {flag()}, 1},
        {"SLEEP", {flag()}, 1},
        {"LANG", {flag()}, 1},
        {"FSST", {range(1, 5), range(1, 5)}, 1},
        {"GEOTR", {flag(), flag(), oneOf(rangeWith(0, 10, {15, 20, 30, 60}))}, 3},
        {"TRACR", {flag()}, 1},
        {"RPPRIO", {flag()}, 1},
        {"RFIGN", {flag()}, 1},
        {"RFGPS", {flag()}, 1},
        {"GEGPS", {oneOf({0, 60, 120, 180, 240, 300, 360}), range(0, 1440)}, 2},
        {"GSMNF", {flag()}, 1},
        {"FORBID", {flag()}, 1},
        {"INACT",
            {flag(), flag(), oneOf({0, 3, 5, 10, 15, 20, 30, 60}), flag(),
                oneOf({60, 120, 240, 360, 480, 720, 840, 960, 1080, 1200, 1320, 1440, 1500, 1560,
                    1680, 1800})},
            5},
    };
    return keys;
}

const KeySpec *findSettingKey(const QString &name)
{
    for (const KeySpec &key : settingKeys())
        if (name == QLatin1String(key.name))
            return &key;
    return nullptr;
}

bool parseDecimal(const QString &text, int &value)
{
    static const QRegularExpression decimal(QStringLiteral("^-?[0-9]{1,9}$"));
    if (!decimal.match(text).hasMatch())
        return false;
    value = text.toInt();
    return true;
}

bool checkFields(const std::vector<FieldRule> &rules, int minFields, const QString &value,
    const QString &current, QString &normalized)
{
    const QStringList fields = value.split(QLatin1Char(','));
    const QStringList stored = current.split(QLatin1Char(','));
    if (fields.size() < minFields || fields.size() > int(rules.size()))
        return false;
    QStringList out;
    for (size_t i = 0; i < rules.size(); ++i) {
        int number = 0;
        if (int(i) < fields.size()) {
            if (!parseDecimal(fields[int(i)], number) || !allows(rules[i], number))
                return false;
        } else if (int(i) >= stored.size() || !parseDecimal(stored[int(i)], number)) {
            number = rules[i].allowed.empty() ? rules[i].lo : rules[i].allowed.front();
        }
        out << QString::number(number);
    }
    normalized = out.join(QLatin1Char(','));
    return true;
}

bool checkSetting(
    const KeySpec &key, const QString &value, const QString &current, QString &normalized)
{
    return checkFields(key.fields, key.minFields, value, current, normalized);
}

const QStringList CfgAnswerKeys = {"KEYWD", "ACCES", "GUDT", "TESTC", "FSST", "CBTI", "SPKVL",
    "SILENT", "VOIEN", "GEOTR", "SNDCR", "ANSIN", "BTNEV"};
const QStringList Cfg1AnswerKeys = {"KEYWD", "ACCES", "GUDT", "TESTC", "CBTI", "GEOTR", "SLEEP",
    "LANG", "RFIGN", "RFGPS", "FORBID", "INACT"};
const QStringList Cfg2AnswerKeys = {"SNDCR", "ANSIN", "CUTV", "BTNEV", "SILENT", "VOIEN", "FALDE",
    "FSST", "SPKVL", "RPPRIO", "TRACR", "CGPS", "RPACK", "GSMNF", "GEGPS"};
