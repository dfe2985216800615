#include "writes.h"

#include "settingkeys.h"

#include <QRegularExpression>
#include <functional>

namespace {

using Writer = std::function<WriteResult(DeviceState &, const QString &)>;

bool isPrintable(const QString &text, int maxLength)
{
    if (text.size() > maxLength)
        return false;
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c == QLatin1Char(';'))
            return false;
    return true;
}

// Exactly `count` comma fields, each printable and at most `maxLength` long.
bool textFields(const QString &value, int count, int maxLength, QStringList &fields)
{
    fields = value.split(QLatin1Char(','));
    if (fields.size() != count)
        return false;
    for (const QString &field : fields)
        if (!isPrintable(field, maxLength))
            return false;
    return true;
}

bool isPhoneNumber(const QString &text)
{
    static const QRegularExpression phone(QStringLiteral("^[0-9+*#&]{0,15}$"));
    return phone.match(text).hasMatch();
}

// "n,rest": n from 1 to `last`; returns n, or 0.
int indexed(const QString &value, int last, QString &rest)
{
    const int comma = value.indexOf(QLatin1Char(','));
    int index = 0;
    if (comma < 0 || !parseDecimal(value.left(comma), index) || index < 1 || index > last)
        return 0;
    rest = value.mid(comma + 1);
    return index;
}

WriteResult writeReport(DeviceState &s, const QString &value)
{
    static const QVector<int> typeCodes
        = {0, 1, 2, 10, 11, 12, 13, 14, 16, 17, 18, 19, 20, 21, 22, 23, 30, 31, 32, 33, 34, 35, 36};
    QString rest;
    const int row = indexed(value, DeviceState::Destinations, rest);
    QStringList f;
    if (!row || !textFields(rest, 5, 99, f))
        return WriteResult::Refused;
    int number = 0;
    // The writer leaves group and type empty when it has nothing to say; the device keeps them.
    const bool groupOk
        = f[1].isEmpty() || (parseDecimal(f[1], number) && number >= 1 && number <= 5);
    const bool typeOk
        = f[2].isEmpty() || (parseDecimal(f[2], number) && typeCodes.contains(number));
    const bool optionOk = parseDecimal(f[3], number) && number >= 0 && number <= 4;
    const bool eventOk = parseDecimal(f[4], number) && number >= 0 && number <= 255;
    if (!groupOk || !typeOk || !optionOk || !eventOk)
        return WriteResult::Refused;
    s.reports[row - 1] = f;
    return WriteResult::Stored;
}

WriteResult writeInactivityWindow(DeviceState &s, const QString &value)
{
    static const std::vector<FieldRule> rules
        = {FieldRule {0, 23, {}}, FieldRule {0, 59, {}}, FieldRule {0, 23, {}},
            FieldRule {0, 59, {}}, FieldRule {0, 0, {60, 120, 240, 360, 480, 720}}};
    QString rest;
    QString normalized;
    const int window = indexed(value, 2, rest);
    if (!window || !checkFields(rules, 5, rest, QString(), normalized))
        return WriteResult::Refused;
    s.inactivityWindows[window - 1] = normalized.split(QLatin1Char(','));
    return WriteResult::Stored;
}

const QMap<QString, Writer> &writers()
{
    static const QMap<QString, Writer> table = {
        {"KEYWD",
            [](DeviceState &s, const QString &v) {
                const bool ok = !v.isEmpty() && isPrintable(v, 15);
                return ok ? (s.keyword = v, WriteResult::Stored) : WriteResult::Refused;
            }},
        {"ACCES",
            [](DeviceState &s, const QString &v) {
                const QString code = v.mid(2);
                const bool ok
                    = v.startsWith(QLatin1String("1,")) && code.size() >= 4 && isPrintable(code, 8);
                return ok ? (s.access = code, WriteResult::Stored) : WriteResult::Refused;
            }},
        {"APN",
            [](DeviceState &s, const QString &v) {
                QStringList f;
                return textFields(v, 3, 31, f) ? (s.apn = f, WriteResult::Stored)
                                               : WriteResult::Refused;
            }},
        {"XML",
            [](DeviceState &s, const QString &v) {
                QStringList f;
                return textFields(v, 2, 31, f) ? (s.xml = f, WriteResult::Stored)
                                               : WriteResult::Refused;
            }},
        {"CALID",
            [](DeviceState &s, const QString &v) {
                QString number;
                const int index = indexed(v, 2, number);
                if (!index || !isPhoneNumber(number))
                    return WriteResult::Refused;
                s.callerIds[index - 1] = number;
                return WriteResult::Stored;
            }},
        {"RPT", writeReport},
        {"INACTW", writeInactivityWindow},
        {"GEOFE",
            [](DeviceState &s, const QString &v) {
                switch (writeFence(v, s.fences)) {
                case FenceWrite::Stored:
                    return WriteResult::Stored;
                case FenceWrite::BadCoordinate:
                    return WriteResult::BadCoordinate;
                default:
                    return WriteResult::Refused;
                }
            }},
    };
    return table;
}

WriteResult writeOne(DeviceState &state, const WriteItem &item)
{
    const auto writer = writers().constFind(item.key);
    if (writer != writers().constEnd())
        return (*writer)(state, item.value);
    const KeySpec *spec = findSettingKey(item.key);
    QString normalized;
    if (!spec || !checkSetting(*spec, item.value, state.settings.value(item.key), normalized))
        return WriteResult::Refused;
    state.settings[item.key] = normalized;
    return WriteResult::Stored;
}

} // namespace

bool isWriteKey(const QString &key) { return writers().contains(key) || findSettingKey(key); }

WriteResult applyWrites(DeviceState &state, const QVector<WriteItem> &items, QString &failedKey)
{
    DeviceState changed = state;
    for (const WriteItem &item : items) {
        const WriteResult result = writeOne(changed, item);
        if (result != WriteResult::Stored) {
            failedKey = item.key;
            return result;
        }
    }
    state = changed;
    return WriteResult::Stored;
}
