#include "profiles/formsheet.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "protocol/modeldetect.h"
#include "protocol/reportcodec.h"
#include "protocol/widgetnames.h"

namespace {

// Shown in the window's language; the command line loads no translation.
const char *const Checked = QT_TRANSLATE_NOOP("FormSheet", "Checked");
const char *const Unchecked = QT_TRANSLATE_NOOP("FormSheet", "Unchecked");

// Kind names in the JSON, in WidgetKind order.
const QStringList KindNames = {QStringLiteral("lineEdit"), QStringLiteral("checkBox"),
    QStringLiteral("comboBox"), QStringLiteral("radioButton")};

// A combo box without a selection is its first item in a profile file.
int profileIndex(const FormValues &values, const QString &name)
{
    return qMax(values.index(name), 0);
}

} // namespace

void FormSheet::addField(const Field &field, const QVariant &startValue)
{
    fields_.append(field);
    switch (field.kind) {
    case WidgetKind::LineEdit:
        start_.setText(field.name, startValue.toString());
        break;
    case WidgetKind::ComboBox:
        start_.setIndex(field.name, startValue.toInt());
        break;
    case WidgetKind::CheckBox:
    case WidgetKind::RadioButton:
        start_.setChecked(field.name, startValue.toBool());
        break;
    }
}

const FormSheet::Field *FormSheet::field(const QString &name) const
{
    for (const Field &f : fields_)
        if (f.name == name)
            return &f;
    return nullptr;
}

QList<WidgetRef> FormSheet::widgets() const
{
    QList<WidgetRef> out;
    out.reserve(fields_.size());
    for (const Field &f : fields_)
        out.append({f.name, f.kind});
    return out;
}

FormSheet FormSheet::forModel(const ModelFlags &model) const
{
    FormSheet sheet = *this;
    if (!model.supportedModel)
        return sheet;
    const QStringList types = ReportCodec::typeNames(model);
    for (Field &f : sheet.fields_) {
        for (int row = 1; row <= WidgetNames::ReportRowCount; ++row) {
            if (f.name == WidgetNames::reportType(row)) {
                f.items = types;
            } else if (f.name == WidgetNames::reportDestination(row)) {
                f.maxLength = ReportDestinationMaxLength;
            }
        }
    }
    return sheet;
}

FormValues FormSheet::resetForModel(const ModelFlags &model) const
{
    FormValues values;
    if (model.supportedModel)
        for (int row = 1; row <= WidgetNames::ReportRowCount; ++row)
            values.setIndex(WidgetNames::reportType(row), 0);
    return values;
}

FormValues FormSheet::apply(const FormValues &current, const FormValues &decoded) const
{
    FormValues out = current;
    QHash<QString, const Field *> byName;
    for (const Field &f : fields_)
        byName.insert(f.name, &f);
    // The window applies the names in this order too (FormValues is sorted).
    for (const QString &name : decoded.names()) {
        const Field *f = byName.value(name);
        if (!f)
            continue;
        switch (f->kind) {
        case WidgetKind::LineEdit:
            out.setText(name, decoded.text(name).left(f->maxLength));
            break;
        case WidgetKind::ComboBox: {
            const int index = decoded.index(name);
            out.setIndex(name, index >= 0 && index < f->items.size() ? index : -1);
            break;
        }
        case WidgetKind::CheckBox:
            out.setChecked(name, decoded.checked(name));
            break;
        case WidgetKind::RadioButton:
            if (f->group.isEmpty()) {
                out.setChecked(name, decoded.checked(name));
            } else if (decoded.checked(name)) {
                for (const Field &other : fields_)
                    if (other.kind == WidgetKind::RadioButton && other.group == f->group)
                        out.setChecked(other.name, false);
                out.setChecked(name, true);
            }
            break;
        }
    }
    return out;
}

QString FormSheet::displayText(const Field &f, const FormValues &values) const
{
    switch (f.kind) {
    case WidgetKind::LineEdit:
        return values.text(f.name);
    case WidgetKind::ComboBox: {
        const int index = profileIndex(values, f.name);
        return index < f.items.size() ? f.items.at(index) : QString::number(index);
    }
    case WidgetKind::CheckBox:
    case WidgetKind::RadioButton:
        break;
    }
    return QCoreApplication::translate("FormSheet", values.checked(f.name) ? Checked : Unchecked);
}

QList<FormSheet::Difference> FormSheet::compare(
    const FormValues &left, const FormValues &right) const
{
    QList<Difference> out;
    for (const Field &f : fields_) {
        bool same = false;
        switch (f.kind) {
        case WidgetKind::LineEdit:
            same = left.text(f.name) == right.text(f.name);
            break;
        case WidgetKind::ComboBox:
            same = profileIndex(left, f.name) == profileIndex(right, f.name);
            break;
        case WidgetKind::CheckBox:
        case WidgetKind::RadioButton:
            same = left.checked(f.name) == right.checked(f.name);
            break;
        }
        if (!same)
            out.append({f.name, f.page, f.caption, displayText(f, left), displayText(f, right)});
    }
    return out;
}

QByteArray FormSheet::toJson() const
{
    QJsonArray array;
    for (const Field &f : fields_) {
        QJsonObject o;
        o.insert(QStringLiteral("name"), f.name);
        o.insert(QStringLiteral("kind"), KindNames.at(int(f.kind)));
        o.insert(QStringLiteral("page"), f.page);
        o.insert(QStringLiteral("caption"), f.caption);
        if (f.kind == WidgetKind::ComboBox)
            o.insert(QStringLiteral("items"), QJsonArray::fromStringList(f.items));
        if (f.kind == WidgetKind::LineEdit)
            o.insert(QStringLiteral("maxLength"), f.maxLength);
        if (!f.group.isEmpty())
            o.insert(QStringLiteral("group"), f.group);
        o.insert(QStringLiteral("start"), QJsonValue::fromVariant(start_.value(f.name)));
        array.append(o);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

bool FormSheet::fromJson(const QByteArray &json, FormSheet &sheet, QString *error)
{
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parse);
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!doc.isArray())
        return fail(parse.error != QJsonParseError::NoError ? parse.errorString()
                                                            : QStringLiteral("not a list"));
    FormSheet out;
    for (const QJsonValue &value : doc.array()) {
        const QJsonObject o = value.toObject();
        Field f;
        f.name = o.value(QStringLiteral("name")).toString();
        const int kind = int(KindNames.indexOf(o.value(QStringLiteral("kind")).toString()));
        if (f.name.isEmpty() || kind < 0)
            return fail(QStringLiteral("a field without a name or kind"));
        f.kind = WidgetKind(kind);
        f.page = o.value(QStringLiteral("page")).toString();
        f.caption = o.value(QStringLiteral("caption")).toString();
        for (const QJsonValue &item : o.value(QStringLiteral("items")).toArray())
            f.items << item.toString();
        f.maxLength = o.value(QStringLiteral("maxLength")).toInt(f.maxLength);
        f.group = o.value(QStringLiteral("group")).toString();
        out.addField(f, o.value(QStringLiteral("start")).toVariant());
    }
    sheet = out;
    return true;
}
