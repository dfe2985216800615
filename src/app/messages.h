#pragma once
// Every message box of the tool goes through here, so the title is always
// right and headless tests can read what would have been shown.
#include <QList>

#include "protocol/notice.h"

class QWidget;

namespace Messages {

// Shows a modal box (information or warning icon, one OK button).
void show(QWidget *parent, const Notice &notice);
inline void information(QWidget *parent, const QString &text, const QString &title = ToolTitle)
{
    show(parent, Notice::info(text, title));
}
inline void warning(QWidget *parent, const QString &text, const QString &title = ToolTitle)
{
    show(parent, Notice::warning(text, title));
}
// Yes/No question, Yes the default unless said otherwise. Returns true for Yes.
enum class DefaultAnswer { Yes, No };
bool ask(QWidget *parent, const QString &title, const QString &text,
    DefaultAnswer defaultAnswer = DefaultAnswer::Yes);

// For tests: while a recorder is installed no box is shown; each notice is
// recorded (questions as Notice::Question) and ask() returns `answer`.
struct Recorder
{
    QList<Notice> shown;
    bool answer = true;
    QStringList texts() const;
};
void setRecorder(Recorder *recorder);

} // namespace Messages
