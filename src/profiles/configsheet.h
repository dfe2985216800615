#pragma once
// The configuration sheet: the pages as a technician reads them, as one HTML
// document the window prints or saves and velomi-cli writes from a profile.
// A header (when, which tool, which device), then each page as a table of
// caption and shown value (a combo box's item text, "Yes"/"No"), the report
// destinations and geo-fences as tables of their own, and the paired sensors.
// Values come from files and devices: every text is escaped.
#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include "profiles/formsheet.h"
#include "protocol/formvalues.h"
#include "protocol/sensorcodec.h"

class ConfigSheet
{
    Q_DECLARE_TR_FUNCTIONS(ConfigSheet)
public:
    struct Header
    {
        QDateTime date;
        QString device; // the version answer ("T47_V1.05"), once a device was read
        QString imei; // when the device told it
        QString profile; // the profile the values come from, if any
        bool sensorsKnown = false; // the sensor list was read
        QList<SensorCodec::SensorRow> sensors;
    };

    // The document: `pages` are the tab titles in the window's order, those
    // not listed are left out; `hidden` names value widgets a page does not
    // show (the model hides them).
    static QString html(const FormSheet &sheet, const QStringList &pages, const FormValues &values,
        const Header &header, const QSet<QString> &hidden = {});

    enum class Format { Unknown, Html, Pdf };
    // By the file's suffix: ".pdf", ".html" or ".htm", in any case.
    static Format formatOf(const QString &path);
};
