#include "protocol/infocodec.h"

#include "protocol/widgetnames.h"

#include <QStringList>

namespace InfoCodec {

QString signalDisplay(const QString &received)
{
    QString text = received;
    text.remove(QStringLiteral("<OK>"))
        .remove(QLatin1Char(' '))
        .remove(QStringLiteral("\r\n"))
        .replace(QStringLiteral("CSQ"), QStringLiteral("RSSI"))
        .replace(QLatin1Char(','), QStringLiteral("\r\n"));
    return text;
}

FormValues decodeInformation(const QString &received)
{
    static const QStringList Labels = {
        QStringLiteral("label_panel_version"),
        QStringLiteral("label_panel_IP"),
        QStringLiteral("label_packet_data_count_recv"),
        QStringLiteral("label_packet_data_count_send"),
        WidgetNames::imei(),
        QStringLiteral("label_panel_IMSI"),
        QStringLiteral("label_panel_telcom"),
        QStringLiteral("label_panel_APN"),
    };
    const QStringList items = received.split(QLatin1Char(','));
    QStringList texts;
    for (int i = 0; i < Labels.size(); ++i)
        texts << items.value(i);

    texts[0] = texts[0].section(QLatin1Char(':'), 1, 1); // after "<OK> INFO:"
    texts[1].remove(QLatin1Char('"'));
    texts[7].remove(QLatin1Char(';')).remove(QStringLiteral("\r\n"));

    FormValues values;
    for (int i = 0; i < Labels.size(); ++i)
        values.setText(Labels.at(i), texts.at(i));
    return values;
}

} // namespace InfoCodec
