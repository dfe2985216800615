#include "protocol/reportcodec.h"

#include <QCoreApplication>

#include "protocol/answer.h"
#include "protocol/frame.h"
#include "protocol/reporttypes.h"
#include "protocol/widgetnames.h"

#include <iterator>

namespace ReportCodec {
namespace {

using namespace WidgetNames;

// Event filter by combo index: "All", "Emergency", "Status".
constexpr int EventCodes[] = {255, 4, 1};

bool validRow(int row) { return row >= 1 && row <= ReportRowCount; }

QString groupField(int row, const FormValues &v)
{
    for (int group = 1; group <= ReportGroupCount; ++group)
        if (v.checked(reportGroup(row, group)))
            return QString::number(group);
    return QString();
}

QString typeField(int row, const FormValues &v, const ModelFlags &m)
{
    const int code = typeCode(typeNames(m).value(v.index(reportType(row))), m);
    return code < 0 ? QString() : QString::number(code);
}

QString eventField(int row, const FormValues &v)
{
    const int index = v.index(reportEvent(row));
    if (index < 0 || index >= int(std::size(EventCodes)))
        return QString();
    return QString::number(EventCodes[index]);
}

void checkGroup(FormValues &values, int row, int checkedGroup)
{
    for (int group = 1; group <= ReportGroupCount; ++group)
        values.setChecked(reportGroup(row, group), group == checkedGroup);
}

} // namespace

QStringList typeNames(const ModelFlags &m) { return ReportTypes::names(ReportTypes::listFor(m)); }

int typeCode(const QString &name, const ModelFlags &m)
{
    if (name.isEmpty())
        return -1;
    if (m.variantPV && name.contains(QLatin1String("SMS Speech")))
        return 35;
    if (name.contains(QLatin1String("Speech")))
        return 0;
    return ReportTypes::codeIn(ReportTypes::listFor(m), name);
}

RowWrite rowBody(int row, const FormValues &v, const ModelFlags &m)
{
    RowWrite w;
    if (!validRow(row)) {
        w.notice = Notice::info(QCoreApplication::translate("ReportCodec", "Report idx error!"));
        return w;
    }
    const QString destination = v.text(reportDestination(row));
    if (const auto refusal = Frame::refusedValue(
            {{QCoreApplication::translate("ReportCodec", "Report destination %1").arg(row),
                destination}})) {
        w.notice = *refusal;
        return w;
    }
    w.ok = true;
    w.body = QStringList {QStringLiteral("RPT:") + QString::number(row), destination,
        groupField(row, v), typeField(row, v, m), QStringLiteral("0"), eventField(row, v)}
                 .join(QLatin1Char(','));
    return w;
}

RowDecode decodeRow(const QString &received, int targetRow, const ModelFlags &m)
{
    RowDecode d;
    const QStringList f = Answer::fields(received, QStringLiteral("RPT?:"));
    d.rowNumber = Answer::field(f, 0).toInt(); // 0 when empty or not a number
    if (!validRow(targetRow) || !received.contains(QLatin1String("RPT?:")))
        return d;
    const int row = targetRow; // the row awaited, whatever the answer names

    d.values.setText(reportDestination(row), Answer::field(f, 1));

    const int group = Answer::field(f, 2).toInt();
    if (group >= 0 && group <= ReportGroupCount)
        checkGroup(d.values, row, qMax(group, 1));

    const ReportTypes::List list = ReportTypes::listFor(m);
    const int typeIndex = ReportTypes::indexOfCode(list, Answer::field(f, 3).toInt());
    d.values.setIndex(reportType(row), qMax(typeIndex, 0));

    // The follow-on combo has five items; anything else leaves it alone.
    const int option = Answer::field(f, 4).toInt();
    if (option >= 0 && option <= 4)
        d.values.setIndex(reportOption(row), option);

    const int eventCode = Answer::field(f, 5).toInt();
    for (int i = 0; i < int(std::size(EventCodes)); ++i)
        if (EventCodes[i] == eventCode)
            d.values.setIndex(reportEvent(row), i);
    return d;
}

FormValues clearedValues()
{
    FormValues v;
    const char *const emptied[] = {"lineEdit_apn_internet", "lineEdit_apn_user",
        "lineEdit_apn_passwd", "lineEdit_keywd", "lineEdit_access"};
    for (const char *name : emptied)
        v.setText(QString::fromLatin1(name), QString());
    const char *const firstItem[] = {"comboBox_cbti_duration", "comboBox_cbti_twoway",
        "comboBox_gudt_normal", "comboBox_testc_interval", "comboBox_testc_offset",
        "comboBox_supervision_timer", "comboBox_supervision_timer_repeat",
        "comboBox_fall_sensor_sensitivity", "comboBox_mobile_fall_sensor_sensitivity",
        "comboBox_gsm_on_off_function", "comboBox_gsm_on_off_function2",
        "comboBox_sndcr_guard_beep", "comboBox_sndcr_confirm_beep", "comboBox_btnev",
        "comboBox_geotr_agps", "comboBox_geotr_celllocate", "comboBox_geotr_trackerperiod"};
    for (const char *name : firstItem)
        v.setIndex(QString::fromLatin1(name), 0);
    for (int row = 1; row <= ReportRowCount; ++row) {
        v.setText(reportDestination(row), QString());
        checkGroup(v, row, 1);
        v.setIndex(reportType(row), 0);
        v.setIndex(reportOption(row), 0);
        v.setIndex(reportEvent(row), 0);
    }
    return v;
}

} // namespace ReportCodec
