#pragma once
// The log pane: every frame sent and every chunk received, one paragraph
// each, newest at the bottom. Lines reach the pane in batches, and the pane
// is bounded both by paragraphs and by size, so neither a long session nor a
// device flooding the link without line ends can grow the window: the oldest
// text goes first, and one line at the top says how much went.
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QTimer>

#include <deque>

class QTextEdit;

class LogPane : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxParagraphs = 5000;
    // Characters kept in the pane (a device's bytes are one character each).
    // The pane's layout costs tens of bytes a character: a million of them
    // keep the window well under 150 MB resident whatever a device sends.
    static constexpr int MaxCharacters = 1024 * 1024;

    explicit LogPane(QTextEdit *pane, QObject *parent = nullptr);

    // Adds one paragraph; its line ends are dropped. It shows within a
    // fraction of a second, together with the lines that came meanwhile.
    void append(const QString &text);
    // Shows what is waiting now.
    void flush();

    // One line of the pane and the time it was appended (invalid for the
    // line that says how much went). `endsLine`: its text ended with a line
    // end, which the pane does not show; false for a piece of a line.
    struct Line
    {
        QDateTime time;
        QString text;
        bool endsLine = true;
    };
    // What the pane holds and what waits to be shown, oldest first.
    QList<Line> lines() const;

private:
    void trim();
    void showDropped();

    struct Stamp
    {
        qint64 msecs; // since the epoch
        bool endsLine;
    };
    struct PendingLine
    {
        QString text;
        Stamp stamp;
    };

    QTextEdit *pane_;
    QList<PendingLine> pending_; // lines not yet in the pane
    // One per paragraph of the pane after the line that says how much went;
    // the pane is bounded, so are they.
    std::deque<Stamp> stamps_;
    qint64 pendingCharacters_ = 0;
    qint64 dropped_ = 0;
    qint64 droppedShown_ = 0; // what the pane's first paragraph says went
    bool followsEnd_ = true; // until the user scrolls the pane
    QTimer flushTimer_;
};
