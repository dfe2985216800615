#pragma once
// What the tool has to tell the user. Codecs and the session return notices;
// only the window turns them into message boxes.
#include <QList>
#include <QString>

#include "protocol/formvalues.h"

// The version comes from the build (project(VERSION) in CMakeLists.txt).
inline const QString ToolTitle
    = QStringLiteral("Velomi Tool(T9_W5, T47, T41, T68) V" VELOMI_VERSION);

struct Notice
{
    enum Kind { Information, Warning, Question };
    Kind kind = Information;
    QString text;
    QString title = ToolTitle;

    static Notice info(const QString &text, const QString &title = ToolTitle)
    {
        return {Information, text, title};
    }
    static Notice warning(const QString &text, const QString &title = ToolTitle)
    {
        return {Warning, text, title};
    }
    bool operator==(const Notice &o) const
    {
        return kind == o.kind && text == o.text && title == o.title;
    }
};

// A check of one typed field: ok, or the notice to show.
struct FieldCheck
{
    bool ok = true;
    Notice notice; // empty text when nothing is shown
};

// What a decoder makes of an answer: the values to show and what to tell.
struct DecodeResult
{
    FormValues values;
    QList<Notice> notices;
};
