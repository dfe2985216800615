#include "app/messages.h"

#include <QMessageBox>

namespace Messages {
namespace {
Recorder *activeRecorder = nullptr;
}

void setRecorder(Recorder *recorder) { activeRecorder = recorder; }

QStringList Recorder::texts() const
{
    QStringList result;
    for (const Notice &n : shown)
        result << n.text;
    return result;
}

void show(QWidget *parent, const Notice &notice)
{
    if (notice.text.isEmpty())
        return;
    if (activeRecorder) {
        activeRecorder->shown << notice;
        return;
    }
    const auto icon
        = notice.kind == Notice::Warning ? QMessageBox::Warning : QMessageBox::Information;
    QMessageBox box(icon, notice.title, notice.text, QMessageBox::Ok, parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

bool ask(QWidget *parent, const QString &title, const QString &text, DefaultAnswer defaultAnswer)
{
    if (activeRecorder) {
        activeRecorder->shown << Notice {Notice::Question, text, title};
        return activeRecorder->answer;
    }
    QMessageBox box(
        QMessageBox::Information, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(defaultAnswer == DefaultAnswer::Yes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace Messages
