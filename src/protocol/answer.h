#pragma once
// Reading a query answer: the text after the query keyword, without the
// ";\r\n" terminator, split into comma fields read by position.
#include <QString>
#include <QStringList>

namespace Answer {
inline const QString Terminator = QStringLiteral(";\r\n");

// Text after the first `keyword` up to the terminator that ends it. Without
// a terminator: up to a second occurrence (or the end), with its last three
// characters dropped. "" when the keyword is absent. Whatever the device sends
// after the answer (a repeat, a status line) never reaches the last field.
QString body(const QString &received, const QString &keyword);
// body() split at ",".
QStringList fields(const QString &received, const QString &keyword);
// Field i, "" when missing.
QString field(const QStringList &fields, int i);
// The answer holds `prefix` and, after its start, the terminator.
bool isComplete(const QString &received, const QString &prefix);
} // namespace Answer
