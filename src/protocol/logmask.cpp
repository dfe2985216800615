#include "protocol/logmask.h"

#include <QList>
#include <QStringView>

#include "protocol/frame.h"

namespace {

// An item that carries a secret: its key with ":" and the field (counted
// from 0 after the key) where the secret starts. The secret runs to the end
// of the item, so a value with a "," in it is hidden whole.
struct LogSecretItem
{
    QLatin1String key;
    int field;
};
const LogSecretItem LogSecretItems[] = {
    {QLatin1String("KEYWD:"), 0}, // SMS programming keyword
    {QLatin1String("ACCES:"), 1}, // "ACCES:1," access code
    {QLatin1String("APN:"), 2}, // name, user, password
    {QLatin1String("APN?:"), 2},
    {QLatin1String("XML:"), 1}, // user, password
    {QLatin1String("XML?:"), 1},
};

// A received line longer than this keeps only what its open secret needs:
// no answer that carries one comes near it.
constexpr int MaxMaskLine = 4096;

struct LogSecretSpan
{
    int item; // where the key starts
    int start; // the secret's first character
    int end; // one past its last
    bool open; // the text ended inside it
};

bool endsLogItem(QChar c)
{
    return c == QLatin1Char(';') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// Keys start an item: after the frame head ("="), the echo head or a query
// keyword (":"), "<OK> " (" "), another item (";") or a line.
bool beginsLogItem(const QString &text, int at)
{
    static const QString before = QStringLiteral("=: ;\r\n");
    return at == 0 || before.contains(text.at(at - 1));
}

QList<LogSecretSpan> logSecretSpans(const QString &text)
{
    QList<LogSecretSpan> spans;
    const QStringView view(text);
    int at = 0;
    while (at < text.size()) {
        const LogSecretItem *hit = nullptr;
        if (beginsLogItem(text, at)) {
            for (const LogSecretItem &item : LogSecretItems) {
                if (view.mid(at).startsWith(item.key)) {
                    hit = &item;
                    break;
                }
            }
        }
        if (!hit) {
            ++at;
            continue;
        }
        int pos = at + int(hit->key.size());
        int commas = hit->field;
        while (commas > 0 && pos < text.size() && !endsLogItem(text.at(pos))) {
            if (text.at(pos) == QLatin1Char(','))
                --commas;
            ++pos;
        }
        if (commas > 0) { // the item has no such field, or not yet
            at = pos;
            continue;
        }
        int end = pos;
        while (end < text.size() && !endsLogItem(text.at(end)))
            ++end;
        spans.append({at, pos, end, end == text.size()});
        at = end;
    }
    return spans;
}

} // namespace

QString LogMask::mask(const QString &text)
{
    QString masked;
    int pos = 0;
    for (const LogSecretSpan &span : logSecretSpans(text)) {
        if (span.end == span.start)
            continue; // an empty value hides nothing
        masked += QStringView(text).mid(pos, span.start - pos);
        masked += Hidden;
        pos = span.end;
    }
    masked += QStringView(text).mid(pos);
    return masked;
}

QString LogMask::Stream::feed(const QString &text)
{
    if (text.startsWith(Frame::Head))
        return mask(text);
    // Spans are found in the whole line; only this piece's part goes out.
    const int before = line_.size();
    const QString full = line_ + text;
    const QList<LogSecretSpan> spans = logSecretSpans(full);
    QString masked;
    int pos = before;
    for (const LogSecretSpan &span : spans) {
        if (span.end <= before)
            continue; // all of it went out with an earlier piece
        if (span.start > pos)
            masked += QStringView(full).mid(pos, span.start - pos);
        // A secret begun in an earlier piece was marked there.
        if (span.start >= before && span.end > span.start)
            masked += Hidden;
        pos = qMax(pos, span.end);
    }
    masked += QStringView(full).mid(pos);

    const int lineStart
        = int(qMax(full.lastIndexOf(QLatin1Char('\n')), full.lastIndexOf(QLatin1Char('\r')))) + 1;
    line_ = full.mid(lineStart);
    if (line_.size() > MaxMaskLine) {
        line_.clear();
        // A secret still open keeps its key and a stand-in for what went
        // out, so its rest stays hidden.
        if (!spans.isEmpty() && spans.last().open && spans.last().item >= lineStart
            && spans.last().start - spans.last().item < MaxMaskLine) {
            const LogSecretSpan &open = spans.last();
            line_ = full.mid(open.item, open.start - open.item);
            if (open.end > open.start)
                line_ += QLatin1Char('x');
        }
    }
    return masked;
}
