#pragma once
// The bodies of the one-shot commands: maintenance buttons that send one
// frame and need no page of values.
#include <QString>

#include "protocol/formvalues.h"

namespace OneShot {
inline const QString SignalStrength = QStringLiteral("CSQ:");
inline const QString Location = QStringLiteral("LOC:1");
inline const QString RebootDevice = QStringLiteral("RESET:");
inline const QString RebootGsm = QStringLiteral("RSTG:");
inline const QString FactoryReset = QStringLiteral("FTSET:");
inline const QString OmadmStart = QStringLiteral("OMADM:1;");
inline const QString OmadmEnd = QStringLiteral("OMADM:0;");
inline const QString Information = QStringLiteral("INFO:");

QString scream(int screamIndex); // "SCREAM:" + (index + 5)
QString debug(int debugIndex); // "DEBUG:" + 0/1/2
QString gsmOnOff(int selectorIndex); // "GSMNF:" + 1 or 0 + ";"
// After the GSM on/off write the second selector shows the same choice.
FormValues gsmOnOffMirror(int selectorIndex);
} // namespace OneShot
