#include "protocol/frame.h"

#include <QCoreApplication>

namespace Frame {

QByteArray command(const QString &body)
{
    // The device ends a command at "\r": a line break or NUL inside a typed
    // value would cut the frame short and turn its rest into a second command.
    QString safeBody = body;
    safeBody.remove(QLatin1Char('\r')).remove(QLatin1Char('\n')).remove(QChar(0));
    return (Head + safeBody + QLatin1Char('\r')).toLatin1();
}

std::optional<Notice> refusedValue(std::initializer_list<LabelledValue> values)
{
    for (const auto &[label, text] : values)
        for (const QChar c : text)
            if (c == QLatin1Char(',') || c == QLatin1Char(';') || c.unicode() < 0x20)
                return Notice::info(QCoreApplication::translate(
                    "Frame", "%1 may not contain \",\", \";\" or control characters!")
                                        .arg(label));
    return std::nullopt;
}

} // namespace Frame
