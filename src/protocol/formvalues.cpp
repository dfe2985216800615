#include "protocol/formvalues.h"

void FormValues::setText(const QString &name, const QString &text) { values_.insert(name, text); }
void FormValues::setIndex(const QString &name, int index) { values_.insert(name, index); }
void FormValues::setChecked(const QString &name, bool checked) { values_.insert(name, checked); }

const QString &FormValues::read(const QString &name) const
{
    if (reads_)
        reads_->insert(name);
    return name;
}

QString FormValues::text(const QString &name) const { return values_.value(read(name)).toString(); }
int FormValues::index(const QString &name) const { return values_.value(read(name), 0).toInt(); }
bool FormValues::checked(const QString &name) const
{
    return values_.value(read(name), false).toBool();
}
bool FormValues::contains(const QString &name) const { return values_.contains(read(name)); }
QVariant FormValues::value(const QString &name) const { return values_.value(read(name)); }
void FormValues::remove(const QString &name) { values_.remove(name); }

QStringList FormValues::names() const { return values_.keys(); }
bool FormValues::isEmpty() const { return values_.isEmpty(); }
int FormValues::size() const { return values_.size(); }

FormValues FormValues::subset(const QStringList &names) const
{
    FormValues out;
    for (const QString &name : names)
        if (values_.contains(name))
            out.values_.insert(name, values_.value(name));
    return out;
}

void FormValues::merge(const FormValues &other)
{
    for (auto it = other.values_.cbegin(); it != other.values_.cend(); ++it)
        values_.insert(it.key(), it.value());
}

bool FormValues::operator==(const FormValues &other) const { return values_ == other.values_; }
