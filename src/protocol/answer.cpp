#include "protocol/answer.h"

namespace Answer {

QString body(const QString &received, const QString &keyword)
{
    const int first = received.indexOf(keyword);
    if (first < 0 || keyword.isEmpty())
        return {};
    const int start = first + keyword.size();
    const int end = received.indexOf(Terminator, start);
    if (end >= 0)
        return received.mid(start, end - start);
    const int second = received.indexOf(keyword, start);
    QString text = received.mid(start, second < 0 ? -1 : second - start);
    text.chop(Terminator.size());
    return text;
}

QStringList fields(const QString &received, const QString &keyword)
{
    return body(received, keyword).split(QLatin1Char(','));
}

QString field(const QStringList &fields, int i) { return fields.value(i); }

bool isComplete(const QString &received, const QString &prefix)
{
    // The terminator must be this answer's: the tail of an earlier answer
    // arriving late ("...<OK> FSST;\r\n") completes nothing that follows it.
    const int at = int(received.indexOf(prefix));
    return at >= 0 && received.indexOf(Terminator, at) >= 0;
}

} // namespace Answer
