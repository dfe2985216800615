#pragma once
// The signal-strength display and the Information page.
#include <QString>

#include "protocol/formvalues.h"

namespace InfoCodec {
// Text for label_csq from a "<OK> CSQ:..." answer.
QString signalDisplay(const QString &received);
// label_panel_* and label_packet_data_count_* from a "<OK> INFO:..." answer.
FormValues decodeInformation(const QString &received);
} // namespace InfoCodec
