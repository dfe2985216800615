#pragma once
// The command frame: "AT!XSMSC=" + body + "\r", one byte per character.
#include <QByteArray>
#include <QString>

#include <initializer_list>
#include <optional>
#include <utility>

#include "protocol/notice.h"

namespace Frame {
inline const QString Head = QStringLiteral("AT!XSMSC=");
QByteArray command(const QString &body); // Latin-1 bytes of Head + body + "\r"

// Typed values go into a frame as they are. The device takes "," and ";" as
// its field and item separators, and a control character ends the frame, so
// such a value would write other settings besides its own. Each pair is the
// field's label on its page and its text; the result is the message naming
// the first field that may not go, or nothing when all may.
using LabelledValue = std::pair<QString, QString>;
std::optional<Notice> refusedValue(std::initializer_list<LabelledValue> values);
} // namespace Frame
