#pragma once
// The signal-strength display, the Information page and the one-shot bodies.
#include <QString>

#include "formvalues.h"

namespace InfoCodec
{
// Text for label_csq from a "<OK> CSQ:..." answer.
QString signalDisplay(const QString &received);
// label_panel_* and label_packet_data_count_* from a "<OK> INFO:..." answer.
FormValues decodeInformation(const QString &received);
} // namespace InfoCodec

namespace OneShot
{
inline const QString SignalStrength = QStringLiteral("CSQ:");
inline const QString Location = QStringLiteral("LOC:1");
inline const QString RebootDevice = QStringLiteral("RESET:");
inline const QString RebootGsm = QStringLiteral("RSTG:");
inline const QString FactoryReset = QStringLiteral("FTSET:");
inline const QString OmadmStart = QStringLiteral("OMADM:1;");
inline const QString OmadmEnd = QStringLiteral("OMADM:0;");
inline const QString Information = QStringLiteral("INFO:");

QString scream(int screamIndex);     // "SCREAM:" + (index + 5)
QString debug(int debugIndex);       // "DEBUG:" + 0/1/2
QString gsmOnOff(int selectorIndex); // "GSMNF:" + 1 or 0 + ";"
// After the GSM on/off write the second selector shows the same choice.
FormValues gsmOnOffMirror(int selectorIndex);
} // namespace OneShot
