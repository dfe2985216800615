#include "app/formsheetbuilder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>

#include "app/formbinder.h"

namespace FormSheetBuilder {
namespace {

QString clean(QString text)
{
    text.remove(QLatin1Char('&'));
    text = text.simplified();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

QString labelText(QLayoutItem *item)
{
    auto *label = item ? qobject_cast<QLabel *>(item->widget()) : nullptr;
    return label ? clean(label->text()) : QString();
}

bool isNumber(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    return digits.match(text).hasMatch();
}

// The layout that holds `w` directly, searched below `layout`.
QLayout *holder(QLayout *layout, QWidget *w, int *index)
{
    if (!layout)
        return nullptr;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (item->widget() == w) {
            *index = i;
            return layout;
        }
        if (QLayout *found = holder(item->layout(), w, index))
            return found;
    }
    return nullptr;
}

QString buddyCaption(const QWidget *w)
{
    const QWidget *parent = w->parentWidget();
    if (!parent)
        return {};
    for (QLabel *label : parent->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        if (label->buddy() == w)
            return clean(label->text());
    return {};
}

// The label a technician reads to the left of a grid row.
QString gridRowLabel(QGridLayout *grid, int index)
{
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    QString left;
    for (int c = column - 1; c >= 0 && left.isEmpty(); --c)
        left = labelText(grid->itemAtPosition(row, c));
    return left;
}

// For a field in a row of its own within a grid cell (the schedules' "From"
// and "To"), the label of that grid row.
QString rowContext(QWidget *w)
{
    int index = -1;
    QLayout *layout = w->parentWidget() ? holder(w->parentWidget()->layout(), w, &index) : nullptr;
    auto *grid = layout ? qobject_cast<QGridLayout *>(layout->parent()) : nullptr;
    const int cell = grid ? grid->indexOf(layout) : -1;
    return cell >= 0 ? gridRowLabel(grid, cell) : QString();
}

// Without a buddy or an accessible name: the form row's label, the label to
// its left in a grid row (with the column's heading when the row is only
// numbered), the label before it in a row.
QString layoutCaption(QWidget *w)
{
    const QWidget *parent = w->parentWidget();
    if (!parent)
        return {};
    int index = -1;
    QLayout *layout = holder(parent->layout(), w, &index);
    if (!layout)
        return {};
    if (auto *form = qobject_cast<QFormLayout *>(layout)) {
        if (auto *label = qobject_cast<QLabel *>(form->labelForField(w)))
            return clean(label->text());
    }
    if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        const QString left = gridRowLabel(grid, index);
        const QString heading = row > 0 ? labelText(grid->itemAtPosition(0, column)) : QString();
        if (!heading.isEmpty() && (left.isEmpty() || isNumber(left)))
            return left.isEmpty() ? heading : heading + QLatin1Char(' ') + left;
        return left;
    }
    for (int i = index - 1; i >= 0; --i) {
        QLayoutItem *item = layout->itemAt(i);
        if (!item->widget())
            continue;
        const QString text = labelText(item);
        if (!text.isEmpty())
            return text;
        if (!qobject_cast<QLabel *>(item->widget()))
            break; // another field stands between
    }
    return {};
}

// The titles or accessible names of the groups around `w` below its page,
// outermost first: they tell apart fields of one caption (the fences).
QStringList groupNames(const QWidget *w)
{
    QStringList names;
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
        if (qobject_cast<const QTabWidget *>(p))
            break;
        const auto *box = qobject_cast<const QGroupBox *>(p);
        const QString title = box ? clean(box->title()) : QString();
        const QString name = title.isEmpty() ? p->accessibleName().simplified() : title;
        if (!name.isEmpty())
            names.prepend(name);
    }
    return names;
}

// Its own text, else its buddy label, else its accessible name, else the
// label the layout puts beside it; then the groups and the grid row it
// sits in, where they tell more.
QString caption(QWidget *w)
{
    QString text;
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        text = clean(button->text());
    if (text.isEmpty())
        text = buddyCaption(w);
    if (text.isEmpty())
        text = w->accessibleName().simplified(); // no mnemonics: keep any '&'
    if (text.isEmpty())
        text = layoutCaption(w);
    QStringList context = groupNames(w);
    const QString row = rowContext(w);
    if (!row.isEmpty() && !isNumber(row))
        context << row;
    context.removeAll(text);
    if (!context.isEmpty())
        text = text.isEmpty() ? context.join(QStringLiteral(", "))
                              : context.join(QStringLiteral(", ")) + QStringLiteral(": ") + text;
    return text.isEmpty() ? w->objectName() : text;
}

QString pageOf(const QWidget *w, const QHash<QString, QString> &titles)
{
    for (const QWidget *p = w; p; p = p->parentWidget())
        if (titles.contains(p->objectName()))
            return titles.value(p->objectName());
    return {};
}

// Radio buttons exclude each other within their button group, or else
// within their parent when they are auto-exclusive.
QString radioGroup(const QAbstractButton *button)
{
    if (const QButtonGroup *group = button->group())
        return group->objectName().isEmpty() ? QStringLiteral("group@%1").arg(quintptr(group))
                                             : group->objectName();
    if (button->autoExclusive() && button->parentWidget())
        return button->parentWidget()->objectName();
    return {};
}

} // namespace

QHash<QString, QString> pageTitles(const QTabWidget *tabs)
{
    QHash<QString, QString> titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles.insert(tabs->widget(i)->objectName(), clean(tabs->tabText(i)));
    return titles;
}

FormSheet build(QWidget *root, const QHash<QString, QString> &titles)
{
    const FormBinder::Index index(root);
    const FormValues values = index.collect();
    FormSheet sheet;
    for (const WidgetRef &ref : index.valueWidgets()) {
        QWidget *w = root->findChild<QWidget *>(ref.name);
        FormSheet::Field field;
        field.name = ref.name;
        field.kind = ref.kind;
        field.page = pageOf(w, titles);
        field.caption = caption(w);
        if (auto *combo = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < combo->count(); ++i)
                field.items << combo->itemText(i);
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            field.maxLength = edit->maxLength();
        if (ref.kind == WidgetKind::RadioButton)
            field.group = radioGroup(static_cast<QAbstractButton *>(w));
        sheet.addField(field, values.value(ref.name));
    }
    return sheet;
}

} // namespace FormSheetBuilder
