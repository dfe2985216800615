#pragma once
// The signal-strength display, the Information page and the one-shot bodies.
#include <QString>

#include "formvalues.h"

namespace InfoCodec {
// Text for label_csq from a "<OK> CSQ:..." answer.
QString signalDisplay(const QString &received);
// label_panel_* and label_packet_data_count_* from a "<OK> INFO:..." answer.
FormValues decodeInformation(const QString &received);
}

namespace OneShot {
QString scream(int screamIndex);      // "SCREAM:" + (index + 5)
QString debug(int debugIndex);        // "DEBUG:" + 0/1/2
QString gsmOnOff(int selectorIndex);  // "GSMNF:" + 1 or 0 + ";"
}
