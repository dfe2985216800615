#include "formbinder.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
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

template <typename T> void walk(const QObject *parent, QList<WidgetRef> &out, WidgetKind kind)
{
    for (const QObject *child : parent->children()) {
        if (qobject_cast<const T *>(child) && isNamed(child))
            out.append({child->objectName(), kind});
        walk<T>(child, out, kind);
    }
}

QWidget *named(QWidget *root, const QString &name)
{
    if (root->objectName() == name)
        return root;
    return root->findChild<QWidget *>(name);
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
    walk<QLineEdit>(root, out, WidgetKind::LineEdit);
    walk<QCheckBox>(root, out, WidgetKind::CheckBox);
    walk<QComboBox>(root, out, WidgetKind::ComboBox);
    walk<QRadioButton>(root, out, WidgetKind::RadioButton);
    return out;
}

FormValues collect(const QWidget *root)
{
    FormValues values;
    for (const WidgetRef &ref : valueWidgets(root)) {
        QWidget *w = root->findChild<QWidget *>(ref.name);
        if (!w)
            continue;
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
    for (const QString &name : values.names()) {
        QWidget *w = named(root, name);
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
    for (auto it = states.cbegin(); it != states.cend(); ++it)
        if (QWidget *w = named(root, it.key()))
            w->setEnabled(it.value());
}

void setVisible(QWidget *root, const WidgetStates &states)
{
    for (auto it = states.cbegin(); it != states.cend(); ++it)
        if (QWidget *w = named(root, it.key()))
            w->setVisible(it.value());
}

} // namespace FormBinder
