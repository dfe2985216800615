#include "app/formbinder.h"

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

template <typename T>
void walk(const QObject *parent, QList<QPair<WidgetRef, QWidget *>> &out, WidgetKind kind)
{
    for (QObject *child : parent->children()) {
        if (auto *widget = qobject_cast<T *>(child); widget && isNamed(child))
            out.append({{child->objectName(), kind}, widget});
        walk<T>(child, out, kind);
    }
}

// A group of exclusive radio buttons always keeps one choice, as it does
// for the user: unchecking one of them is left to checking another. A
// profile that marks the whole group "Unchecked" (one saved before any read)
// therefore keeps the group's current choice instead of sending an empty
// group field on the next write.
void setButton(QAbstractButton *button, bool checked)
{
    if (!checked && button->autoExclusive())
        return;
    button->setChecked(checked);
}

} // namespace

Index::Index(QWidget *root)
{
    QList<QPair<WidgetRef, QWidget *>> found;
    walk<QLineEdit>(root, found, WidgetKind::LineEdit);
    walk<QCheckBox>(root, found, WidgetKind::CheckBox);
    walk<QComboBox>(root, found, WidgetKind::ComboBox);
    walk<QRadioButton>(root, found, WidgetKind::RadioButton);
    for (const auto &[ref, widget] : found)
        valueWidgets_.append({ref, widget});

    byName_.insert(root->objectName(), root);
    for (QWidget *w : root->findChildren<QWidget *>())
        if (!byName_.contains(w->objectName()))
            byName_.insert(w->objectName(), w);
}

QList<WidgetRef> Index::valueWidgets() const
{
    QList<WidgetRef> out;
    for (const Found &found : valueWidgets_)
        if (found.widget)
            out.append(found.ref);
    return out;
}

FormValues Index::collect() const
{
    FormValues values;
    for (const auto &[ref, w] : valueWidgets_) {
        if (!w)
            continue;
        switch (ref.kind) {
        case WidgetKind::LineEdit:
            values.setText(ref.name, static_cast<QLineEdit *>(w.data())->text());
            break;
        case WidgetKind::ComboBox:
            values.setIndex(ref.name, static_cast<QComboBox *>(w.data())->currentIndex());
            break;
        case WidgetKind::CheckBox:
        case WidgetKind::RadioButton:
            values.setChecked(ref.name, static_cast<QAbstractButton *>(w.data())->isChecked());
            break;
        }
    }
    return values;
}

// A setter's change signal may delete a widget on the way: QPointer notices.
QStringList Index::apply(const FormValues &values) const
{
    QStringList applied;
    for (const QString &name : values.names()) {
        QWidget *w = byName_.value(name);
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

void Index::setEnabled(const WidgetStates &states) const
{
    for (auto it = states.cbegin(); it != states.cend(); ++it)
        if (QWidget *w = byName_.value(it.key()))
            w->setEnabled(it.value());
}

void Index::setVisible(const WidgetStates &states) const
{
    for (auto it = states.cbegin(); it != states.cend(); ++it)
        if (QWidget *w = byName_.value(it.key()))
            w->setVisible(it.value());
}

} // namespace FormBinder
