#include "formbinder.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QStackedWidget>
#include <QWidget>

namespace FormBinder {
namespace {

// Widgets a form names itself; internal children (the line edit inside an
// editable combo box, Qt's own helpers) have no name or a "qt_" one.
bool isNamed(const QObject *o)
{
    const QString name = o->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

struct Found
{
    WidgetRef ref;
    QWidget *widget;
};

template <typename T> void walk(const QObject *parent, QList<Found> &out, WidgetKind kind)
{
    for (QObject *child : parent->children()) {
        if (auto *widget = qobject_cast<T *>(child); widget && isNamed(child))
            out.append({{child->objectName(), kind}, widget});
        walk<T>(child, out, kind);
    }
}

QList<Found> findValueWidgets(const QWidget *root)
{
    QList<Found> out;
    walk<QLineEdit>(root, out, WidgetKind::LineEdit);
    walk<QCheckBox>(root, out, WidgetKind::CheckBox);
    walk<QComboBox>(root, out, WidgetKind::ComboBox);
    walk<QRadioButton>(root, out, WidgetKind::RadioButton);
    return out;
}

// One walk for all names: looking each name up on its own walks the whole
// form every time, which made every decoded answer cost milliseconds. A
// setter's change signal may delete a widget on the way: QPointer notices.
using WidgetsByName = QHash<QString, QPointer<QWidget>>;
WidgetsByName widgetsByName(QWidget *root)
{
    WidgetsByName byName;
    byName.insert(root->objectName(), root);
    for (QWidget *w : root->findChildren<QWidget *>())
        if (!byName.contains(w->objectName()))
            byName.insert(w->objectName(), w);
    return byName;
}

// An exclusive radio button refuses to be unchecked directly; a profile or
// a decoder may still leave a whole group unchecked.
void setButton(QAbstractButton *button, bool checked)
{
    if (!checked && button->isChecked() && button->autoExclusive()) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
        return;
    }
    button->setChecked(checked);
}

} // namespace

QList<WidgetRef> valueWidgets(const QWidget *root)
{
    QList<WidgetRef> out;
    for (const Found &found : findValueWidgets(root))
        out.append(found.ref);
    return out;
}

FormValues collect(const QWidget *root)
{
    FormValues values;
    for (const auto &[ref, w] : findValueWidgets(root)) {
        switch (ref.kind) {
        case WidgetKind::LineEdit:
            values.setText(ref.name, static_cast<QLineEdit *>(w)->text());
            break;
        case WidgetKind::ComboBox:
            values.setIndex(ref.name, static_cast<QComboBox *>(w)->currentIndex());
            break;
        case WidgetKind::CheckBox:
        case WidgetKind::RadioButton:
            values.setChecked(ref.name, static_cast<QAbstractButton *>(w)->isChecked());
            break;
        }
    }
    return values;
}

QStringList apply(QWidget *root, const FormValues &values)
{
    QStringList applied;
    const WidgetsByName byName = widgetsByName(root);
    for (const QString &name : values.names()) {
        QWidget *w = byName.value(name);
        if (!w)
            continue;
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            edit->setText(values.text(name));
        else if (auto *label = qobject_cast<QLabel *>(w))
            label->setText(values.text(name));
        else if (auto *combo = qobject_cast<QComboBox *>(w))
            combo->setCurrentIndex(values.index(name) < combo->count() ? values.index(name) : -1);
        else if (auto *stack = qobject_cast<QStackedWidget *>(w))
            stack->setCurrentIndex(values.index(name));
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            setButton(button, values.checked(name));
        else
            continue;
        applied << name;
    }
    return applied;
}

void setEnabled(QWidget *root, const WidgetStates &states)
{
    const WidgetsByName byName = widgetsByName(root);
    for (auto it = states.cbegin(); it != states.cend(); ++it)
        if (QWidget *w = byName.value(it.key()))
            w->setEnabled(it.value());
}

void setVisible(QWidget *root, const WidgetStates &states)
{
    const WidgetsByName byName = widgetsByName(root);
    for (auto it = states.cbegin(); it != states.cend(); ++it)
        if (QWidget *w = byName.value(it.key()))
            w->setVisible(it.value());
}

} // namespace FormBinder
