#include "app/logpane.h"

#include <algorithm>

#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

// The pane is trimmed in batches: dropping the oldest paragraph on every
// append lays the whole pane out again each time, which made a firmware
// upgrade spend seconds in the log. A trim leaves this much room.
constexpr int TrimParagraphs = 500;
constexpr int TrimCharacters = LogPane::MaxCharacters / 8;
// New lines reach the pane at most this often, together: laying the pane out
// and repainting it for every frame and chunk of a fast link cost more than
// the exchange itself and held up the next command.
constexpr int FlushMs = 40;

QString droppedText(qint64 characters)
{
    return LogPane::tr("[... %1 characters of older log dropped ...]").arg(characters);
}

} // namespace

LogPane::LogPane(QTextEdit *pane, QObject *parent) : QObject(parent), pane_(pane)
{
    // A log has nothing to undo; its undo history would keep every line and
    // every trimmed batch for as long as the window lives.
    pane_->setUndoRedoEnabled(false);
    flushTimer_.setSingleShot(true);
    flushTimer_.setInterval(FlushMs);
    connect(&flushTimer_, &QTimer::timeout, this, &LogPane::flush);
    QScrollBar *scroll = pane_->verticalScrollBar();
    connect(scroll, &QScrollBar::rangeChanged, this, [this, scroll](int, int maximum) {
        if (followsEnd_)
            scroll->setValue(maximum);
    });
    connect(scroll, &QScrollBar::actionTriggered, this, [this] { followsEnd_ = false; });
}

void LogPane::append(const QString &text)
{
    // Each frame and chunk is its own paragraph; its own line end would only
    // add an empty line after it.
    QString shown = text;
    const Stamp stamp {QDateTime::currentMSecsSinceEpoch(),
        shown.endsWith(QLatin1Char('\n')) || shown.endsWith(QLatin1Char('\r'))};
    while (shown.endsWith(QLatin1Char('\n')) || shown.endsWith(QLatin1Char('\r')))
        shown.chop(1);
    if (shown.size() > MaxCharacters) {
        dropped_ += shown.size() - MaxCharacters;
        shown = shown.right(MaxCharacters);
    }
    pendingCharacters_ += shown.size() + 1;
    pending_.append({shown, stamp});
    // Lines the pane would drop at once need not wait for it; the newest
    // always stays.
    while (pending_.size() > 1
        && (pending_.size() > MaxParagraphs || pendingCharacters_ > MaxCharacters)) {
        const QString oldest = pending_.takeFirst().text;
        pendingCharacters_ -= oldest.size() + 1;
        dropped_ += oldest.size() + 1;
    }
    if (!flushTimer_.isActive())
        flushTimer_.start();
}

void LogPane::flush()
{
    flushTimer_.stop();
    if (pending_.isEmpty())
        return;
    // Plain text: a device's bytes are shown as they came, never as markup.
    QTextDocument *log = pane_->document();
    QTextCursor end(log);
    end.movePosition(QTextCursor::End);
    end.beginEditBlock();
    bool intoLastBlock = log->isEmpty();
    if (intoLastBlock)
        stamps_.clear(); // a new or cleared pane
    for (const PendingLine &line : pending_) {
        if (!intoLastBlock)
            end.insertBlock();
        const int blocksBefore = log->blockCount() - 1;
        end.insertText(line.text);
        intoLastBlock = false;
        // A line end inside the text made more paragraphs of it; all but
        // its last end their line.
        const int paragraphs = log->blockCount() - blocksBefore;
        for (int i = 1; i < paragraphs; ++i)
            stamps_.push_back({line.stamp.msecs, true});
        stamps_.push_back(line.stamp);
    }
    pending_.clear();
    pendingCharacters_ = 0;
    trim(); // in the same edit: the pane is laid out once
    end.endEditBlock();
    // New lines bring the newest into view. The pane lays a long text out
    // piece by piece after this, so the bottom moves on: follow it until the
    // user scrolls.
    followsEnd_ = true;
    pane_->verticalScrollBar()->setValue(pane_->verticalScrollBar()->maximum());
    pane_->horizontalScrollBar()->setValue(0); // a long answer must not hide the others' start
}

void LogPane::trim()
{
    QTextDocument *log = pane_->document();
    const bool droppedLine
        = droppedShown_ > 0 && log->firstBlock().text() == droppedText(droppedShown_);
    // The line that says how much went counts too, once it is there.
    const bool droppedLineComes = dropped_ > 0 && !droppedLine;
    const int extraParagraphs = droppedLineComes ? 1 : 0;
    const qint64 extraCharacters = droppedLineComes ? droppedText(dropped_).size() + 1 : 0;
    if (log->blockCount() + extraParagraphs <= MaxParagraphs
        && log->characterCount() + extraCharacters <= MaxCharacters) {
        showDropped();
        return;
    }
    // The oldest paragraphs go, after that line; the newest one always stays.
    const QTextBlock first = droppedLine ? log->firstBlock().next() : log->firstBlock();
    if (!first.isValid())
        return;
    int paragraphs = log->blockCount();
    qint64 characters = log->characterCount();
    qint64 removed = 0;
    size_t removedParagraphs = 0;
    QTextBlock keep = first;
    while (keep.next().isValid()
        && (paragraphs > MaxParagraphs - TrimParagraphs
            || characters > MaxCharacters - TrimCharacters)) {
        removed += keep.length();
        characters -= keep.length();
        --paragraphs;
        ++removedParagraphs;
        keep = keep.next();
    }
    QTextCursor oldest(log);
    oldest.setPosition(first.position());
    oldest.setPosition(keep.position(), QTextCursor::KeepAnchor);
    oldest.removeSelectedText();
    stamps_.erase(stamps_.begin(),
        stamps_.begin() + std::ptrdiff_t(std::min(removedParagraphs, stamps_.size())));
    dropped_ += removed;
    showDropped();
}

QList<LogPane::Line> LogPane::lines() const
{
    // Lines still waiting are taken as they are: showing them now would
    // move the pane the user may have scrolled.
    QList<Line> lines;
    const QTextDocument *log = pane_->document();
    QTextBlock block = log->isEmpty() ? QTextBlock() : log->firstBlock();
    if (block.isValid() && droppedShown_ > 0 && block.text() == droppedText(droppedShown_)) {
        lines.append({QDateTime(), block.text(), true});
        block = block.next();
    }
    // The newest paragraphs have their stamps whatever befell the pane.
    const qint64 unstamped = qint64(log->blockCount() - lines.size()) - qint64(stamps_.size());
    for (qint64 i = 0; block.isValid(); block = block.next(), ++i) {
        Line line {QDateTime(), block.text(), true};
        if (i >= unstamped) {
            const Stamp &stamp = stamps_[size_t(i - unstamped)];
            line.time = QDateTime::fromMSecsSinceEpoch(stamp.msecs);
            line.endsLine = stamp.endsLine;
        }
        lines.append(line);
    }
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    for (const PendingLine &pending : pending_) {
        const QStringList parts = pending.text.split(lineEnd);
        for (int i = 0; i < parts.size(); ++i)
            lines.append({QDateTime::fromMSecsSinceEpoch(pending.stamp.msecs), parts[i],
                i + 1 < parts.size() || pending.stamp.endsLine});
    }
    return lines;
}

void LogPane::showDropped()
{
    if (dropped_ == droppedShown_)
        return;
    QTextDocument *log = pane_->document();
    const QString text = droppedText(dropped_);
    QTextCursor line(log);
    // The pane may have been cleared meanwhile: the line is then made anew.
    if (droppedShown_ > 0 && log->firstBlock().text() == droppedText(droppedShown_)) {
        line.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        line.insertText(text);
    } else {
        line.insertText(text);
        line.insertBlock();
    }
    droppedShown_ = dropped_;
}
