#pragma once
// The one currency between the pages, the codecs, the profiles and the tests:
// widget objectName -> value. Line edits and labels hold text, combo boxes and
// stacked widgets an index, check boxes and radio buttons a checked state.
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

class FormValues
{
public:
    void setText(const QString &name, const QString &text);
    void setIndex(const QString &name, int index);
    void setChecked(const QString &name, bool checked);

    QString text(const QString &name) const; // "" when absent
    int index(const QString &name) const; // 0 when absent
    bool checked(const QString &name) const; // false when absent
    bool contains(const QString &name) const;
    QVariant value(const QString &name) const;
    void remove(const QString &name);

    QStringList names() const;
    bool isEmpty() const;
    int size() const;
    // The values of those of `names` we hold.
    FormValues subset(const QStringList &names) const;
    // Values of `other` replace ours where both name the same widget.
    void merge(const FormValues &other);

    // Names looked up through text(), index(), checked(), contains() or
    // value() of this set (and its copies) are added to `log`: what a
    // writer read is what it sent.
    void logReadsTo(const std::shared_ptr<QSet<QString>> &log) { reads_ = log; }

    bool operator==(const FormValues &other) const;
    bool operator!=(const FormValues &other) const { return !(*this == other); }

private:
    const QString &read(const QString &name) const;

    QMap<QString, QVariant> values_;
    std::shared_ptr<QSet<QString>> reads_;
};

// Widget enabled (or visible) states by objectName.
using WidgetStates = QMap<QString, bool>;

// The four widget kinds a profile and the binder know.
enum class WidgetKind { LineEdit, CheckBox, ComboBox, RadioButton };

struct WidgetRef
{
    QString name;
    WidgetKind kind;
};
