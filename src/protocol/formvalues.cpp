#include "protocol/formvalues.h"

void FormValues::setText(const QString &name, const QString &text) { values_.insert(name, text); }
void FormValues::setIndex(const QString &name, int index) { values_.insert(name, index); }
void FormValues::setChecked(const QString &name, bool checked) { values_.insert(name, checked); }

QString FormValues::text(const QString &name) const { return values_.value(name).toString(); }
int FormValues::index(const QString &name) const { return values_.value(name, 0).toInt(); }
bool FormValues::checked(const QString &name) const { return values_.value(name, false).toBool(); }
bool FormValues::contains(const QString &name) const { return values_.contains(name); }
QVariant FormValues::value(const QString &name) const { return values_.value(name); }
void FormValues::remove(const QString &name) { values_.remove(name); }

QStringList FormValues::names() const { return values_.keys(); }
bool FormValues::isEmpty() const { return values_.isEmpty(); }
int FormValues::size() const { return values_.size(); }

void FormValues::merge(const FormValues &other)
{
    for (auto it = other.values_.cbegin(); it != other.values_.cend(); ++it)
        values_.insert(it.key(), it.value());
}

bool FormValues::operator==(const FormValues &other) const { return values_ == other.values_; }
