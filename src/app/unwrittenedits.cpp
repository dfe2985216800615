#include "app/unwrittenedits.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QTabWidget>

#include "app/formbinder.h"

struct UnwrittenEdits::Page
{
    QPointer<QWidget> widget;
    std::unique_ptr<FormBinder::Index> index;
    bool marked = false;
};

namespace {

// A dot in the palette's highlight colour: seen in any theme, and it leaves
// the title text alone.
QIcon unwrittenEditsDot(const QPalette &palette)
{
    QPixmap pixmap(10, 10);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.color(QPalette::Active, QPalette::Highlight));
    painter.drawEllipse(QRectF(1, 1, 8, 8));
    return QIcon(pixmap);
}

} // namespace

UnwrittenEdits::UnwrittenEdits(QTabWidget *tabs) : QObject(tabs), tabs_(tabs)
{
    for (int i = 0; i < tabs_->count(); ++i) {
        auto page = std::make_shared<Page>();
        page->widget = tabs_->widget(i);
        page->index = std::make_unique<FormBinder::Index>(page->widget);
        if (page->index->valueWidgets().isEmpty())
            continue; // nothing on it to edit (the Information page)
        pages_.append(page);
        watch(*page);
    }
}

UnwrittenEdits::~UnwrittenEdits() = default;

void UnwrittenEdits::watch(Page &page)
{
    Page *p = &page;
    const auto changed = [this, p] {
        if (!suspended_ && hasBaseline_)
            refresh(*p);
    };
    for (auto *edit : page.widget->findChildren<QLineEdit *>())
        connect(edit, &QLineEdit::textChanged, this, changed);
    for (auto *combo : page.widget->findChildren<QComboBox *>())
        connect(combo, &QComboBox::currentIndexChanged, this, changed);
    for (auto *button : page.widget->findChildren<QAbstractButton *>())
        if (button->isCheckable())
            connect(button, &QAbstractButton::toggled, this, changed);
}

void UnwrittenEdits::setReading(bool reading)
{
    if (reading && !reading_)
        namesRead_.clear();
    reading_ = reading;
    setSuspended(reading);
}

void UnwrittenEdits::noteRead(const QStringList &names)
{
    if (reading_)
        namesRead_.unite(QSet<QString>(names.cbegin(), names.cend()));
}

void UnwrittenEdits::setBaseline(const FormValues &values)
{
    baseline_ = values;
    for (const QString &name : values.names())
        if (!namesRead_.contains(name))
            baseline_.remove(name);
    hasBaseline_ = true;
    refreshAll();
}

void UnwrittenEdits::acceptWritten(const FormValues &values)
{
    if (!hasBaseline_)
        return;
    FormValues known = values; // what no read decodes stays out
    for (const QString &name : values.names())
        if (!baseline_.contains(name))
            known.remove(name);
    baseline_.merge(known);
    refreshAll();
}

FormValues UnwrittenEdits::edits(const FormValues &current) const
{
    FormValues out;
    if (!hasBaseline_)
        return out;
    for (const QString &name : current.names())
        if (baseline_.contains(name) && baseline_.value(name) != current.value(name))
            out.merge(current.subset({name}));
    return out;
}

void UnwrittenEdits::clearBaseline()
{
    baseline_ = FormValues();
    hasBaseline_ = false;
    refreshAll();
}

void UnwrittenEdits::setSuspended(bool suspended)
{
    if (suspended_ == suspended)
        return;
    suspended_ = suspended;
    if (!suspended_)
        refreshAll();
}

QStringList UnwrittenEdits::editedPages() const
{
    QStringList titles;
    for (const auto &page : pages_)
        if (const int i = tabIndex(*page); page->marked && i >= 0)
            titles << tabs_->tabText(i);
    return titles;
}

int UnwrittenEdits::tabIndex(const Page &page) const
{
    return page.widget ? tabs_->indexOf(page.widget) : -1;
}

void UnwrittenEdits::refresh(Page &page)
{
    if (!page.widget)
        return;
    bool differs = false;
    if (hasBaseline_) {
        const FormValues now = page.index->collect();
        for (const QString &name : now.names())
            if (baseline_.contains(name) && baseline_.value(name) != now.value(name)) {
                differs = true;
                break;
            }
    }
    page.marked = differs;
    const int i = tabIndex(page);
    if (i < 0)
        return; // not shown now; marked when it is inserted and compared again
    if (differs != !tabs_->tabIcon(i).isNull()) {
        tabs_->setTabIcon(i, differs ? unwrittenEditsDot(tabs_->palette()) : QIcon());
        tabs_->setTabToolTip(
            i, differs ? tr("Changed here since the device was last read or written") : QString());
    }
}

void UnwrittenEdits::refreshAll()
{
    for (const auto &page : std::as_const(pages_))
        refresh(*page);
}
