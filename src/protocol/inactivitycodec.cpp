#include "protocol/inactivitycodec.h"

#include <QCoreApplication>

#include "protocol/answer.h"
#include "protocol/widgetnames.h"

#include <QStringList>
#include <QVector>

namespace InactivityCodec {
namespace {

// Minutes on the wire, by item index.
const QVector<int> WarningMinutes = {0, 3, 5, 10, 15, 20, 30, 60};
const QVector<int> IntervalMinutes
    = {60, 120, 240, 360, 480, 720, 840, 960, 1080, 1200, 1320, 1440, 1500, 1560, 1680, 1800};
const QVector<int> WindowIntervalMinutes = {60, 120, 240, 360, 480, 720};

constexpr int HourCount = 24;
constexpr int MinuteCount = 60;

int minutesAt(const QVector<int> &table, int index)
{
    return index >= 0 && index < table.size() ? table.at(index) : table.first();
}

// The number before the first blank; -1 when there is none.
int leadingNumber(const QString &field)
{
    bool isNumber = false;
    const int value = field.section(' ', 0, 0).toInt(&isNumber);
    return isNumber ? value : -1;
}

// Hours and minutes travel as the item text, which is the index itself.
QString clockText(int index) { return index >= 0 ? QString::number(index) : QString(); }

QString windowItem(const FormValues &v, int window)
{
    using WidgetNames::inactivityWindow;
    const QStringList fields = {
        QString::number(window),
        clockText(v.index(inactivityWindow(window, "from_hour"))),
        clockText(v.index(inactivityWindow(window, "from_min"))),
        clockText(v.index(inactivityWindow(window, "to_hour"))),
        clockText(v.index(inactivityWindow(window, "to_min"))),
        QString::number(
            minutesAt(WindowIntervalMinutes, v.index(inactivityWindow(window, "interval")))),
    };
    return "INACTW:" + fields.join(',') + ';';
}

// A number outside the combo's items leaves the combo as it was.
void setClockIndex(FormValues &values, const QString &name, const QString &field, int count)
{
    const int index = field.trimmed().toInt(); // not a number reads as 0
    if (index >= 0 && index < count)
        values.setIndex(name, index);
}

} // namespace

QString frameBody(const FormValues &v)
{
    const QStringList fields = {
        v.checked("checkBox_inactivity") ? "1" : "0",
        v.index("comboBox_inact_mode") == 0 ? "0" : "1",
        QString::number(minutesAt(WarningMinutes, v.index("comboBox_inact_warning"))),
        v.index("comboBox_adv_feature") == 1 ? "1" : "0",
        QString::number(minutesAt(IntervalMinutes, v.index("comboBox_inact_interval"))),
    };
    return "INACT:" + fields.join(',') + ';' + windowItem(v, 1) + windowItem(v, 2);
}

DecodeResult decodeItem(const QString &value)
{
    DecodeResult result;
    FormValues &values = result.values;
    const QStringList fields = value.split(',');
    const QString enable = fields.value(0), mode = fields.value(1), action = fields.value(3);

    if (enable == QLatin1String("0") || enable == QLatin1String("1"))
        values.setChecked("checkBox_inactivity", enable == QLatin1String("1"));
    else
        result.notices << Notice::info(QCoreApplication::translate("InactivityCodec", "para0"));

    if (mode == QLatin1String("0") || mode == QLatin1String("1"))
        values.setIndex("comboBox_inact_mode", mode.toInt());
    else
        result.notices << Notice::info(QCoreApplication::translate("InactivityCodec", "para1"));

    const int warning = WarningMinutes.indexOf(leadingNumber(fields.value(2)));
    if (warning >= 0)
        values.setIndex("comboBox_inact_warning", warning);
    else
        result.notices << Notice::info(QCoreApplication::translate("InactivityCodec", "para2"));

    if (action == QLatin1String("0") || action == QLatin1String("1"))
        values.setIndex("comboBox_adv_feature", action.toInt());

    const int interval = IntervalMinutes.indexOf(leadingNumber(fields.value(4)));
    if (interval >= 0)
        values.setIndex("comboBox_inact_interval", interval);
    return result;
}

FormValues decodeWindow(const QString &received, int set)
{
    FormValues values;
    static const QString Keyword = QStringLiteral("INACTW?:");
    if (!received.contains(Keyword))
        return values;
    const QStringList fields = Answer::fields(received, Keyword);

    using WidgetNames::inactivityWindow;
    const int window = set == 1 ? 2 : 1;
    setClockIndex(values, inactivityWindow(window, "from_hour"), fields.value(1), HourCount);
    setClockIndex(values, inactivityWindow(window, "from_min"), fields.value(2), MinuteCount);
    setClockIndex(values, inactivityWindow(window, "to_hour"), fields.value(3), HourCount);
    setClockIndex(values, inactivityWindow(window, "to_min"), fields.value(4), MinuteCount);

    const int interval = WindowIntervalMinutes.indexOf(leadingNumber(fields.value(5)));
    if (interval >= 0)
        values.setIndex(inactivityWindow(window, "interval"), interval);
    return values;
}

} // namespace InactivityCodec
