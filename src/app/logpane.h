#pragma once
// The log pane: every frame sent and every chunk received, one paragraph
// each, newest at the bottom. Lines reach the pane in batches, and the pane
// is bounded both by paragraphs and by size, so neither a long session nor a
// device flooding the link without line ends can grow the window: the oldest
// text goes first, and one line at the top says how much went.
#include <QObject>
#include <QStringList>
#include <QTimer>

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

private:
    void trim();
    void showDropped();

    QTextEdit *pane_;
    QStringList pending_; // lines not yet in the pane
    qint64 pendingCharacters_ = 0;
    qint64 dropped_ = 0;
    qint64 droppedShown_ = 0; // what the pane's first paragraph says went
    bool followsEnd_ = true; // until the user scrolls the pane
    QTimer flushTimer_;
};
