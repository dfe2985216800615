#pragma once
// The acknowledgement table: which acknowledgement or error word the response
// holds, first match wins in the table's order. It only classifies; the
// session carries out the follow-on actions.
#include <QByteArray>
#include <QString>

#include "protocol/notice.h"

enum class AckKind {
    None, // nothing recognised
    DeviceAdded, // "<OK> DEVAD;"
    DeviceRemoved, // "<OK> DEVRM;"
    RebootDevice, // "<OK> RESET;"
    RebootGsm, // "<OK> RSTG;"
    FactoryReset, // "<OK> FTSET;"
    FactoryMode, // "<OK> FTMODE;"
    SignalStrength, // "<OK> CSQ:"
    GeoFenceRange, // "<Fehler> GEOFE;"
    WriteError, // "ERROR", "ERREUR", "Fehler", "FOUT"
    ForbiddenZone, // "<OK> FORBID;"
    WriteSuccess, // any other recognised acknowledgement
};

struct AckOutcome
{
    AckKind kind = AckKind::None;
    Notice notice; // text empty when nothing is shown
    FormValues values; // label texts set by the FORBID acknowledgement
    bool clearReceived = false;
};

// `lastCommandFrame` decides the captions after "<OK> FORBID;".
AckOutcome classifyAcknowledgement(const QString &received, const QByteArray &lastCommandFrame);
