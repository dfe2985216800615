#include "profiles/profileformat.h"

#include <QHash>
#include <QStringList>

namespace ProfileFormat {
namespace {

const QString Checked = QStringLiteral("Checked");
const QString Unchecked = QStringLiteral("Unchecked");
const QString ReportDestinationPrefix = QStringLiteral("lineEdit_rpt_to_");
constexpr WidgetKind KindOrder[]
    = {WidgetKind::LineEdit, WidgetKind::CheckBox, WidgetKind::ComboBox, WidgetKind::RadioButton};

QString valueText(const WidgetRef &widget, const FormValues &values)
{
    switch (widget.kind) {
    case WidgetKind::LineEdit:
        return values.text(widget.name);
    case WidgetKind::ComboBox:
        // No selection is not a choice: a file holding -1 would blank the
        // selector on loading and send an empty field.
        return QString::number(qMax(values.index(widget.name), 0));
    case WidgetKind::CheckBox:
    case WidgetKind::RadioButton:
        break;
    }
    return values.checked(widget.name) ? Checked : Unchecked;
}

} // namespace

QByteArray write(const QList<WidgetRef> &widgets, const FormValues &values)
{
    QString text;
    for (const WidgetKind kind : KindOrder) {
        for (const WidgetRef &widget : widgets) {
            if (widget.kind == kind)
                text += widget.name + QLatin1Char(':') + valueText(widget, values)
                    + QStringLiteral("\r\n");
        }
    }
    return text.toLatin1();
}

FormValues read(const QByteArray &bytes, const QList<WidgetRef> &widgets)
{
    const int end = int(bytes.indexOf('\0'));
    const QString text = QString::fromLatin1(end < 0 ? bytes : bytes.left(end));

    QHash<QString, QString> firstLine; // key -> the first line carrying it
    for (const QString &line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        const QString key = line.section(QLatin1Char(':'), 0, 0);
        if (!firstLine.contains(key))
            firstLine.insert(key, line);
    }

    FormValues values;
    for (const WidgetRef &widget : widgets) {
        const QString line = firstLine.value(widget.name);
        switch (widget.kind) {
        case WidgetKind::LineEdit:
            values.setText(widget.name,
                widget.name.startsWith(ReportDestinationPrefix)
                    ? line.section(QLatin1Char(':'), 1)
                    : line.section(QLatin1Char(':'), 1, 1));
            break;
        case WidgetKind::ComboBox:
            values.setIndex(widget.name, qMax(line.section(QLatin1Char(':'), 1, 1).toInt(), 0));
            break;
        case WidgetKind::CheckBox:
        case WidgetKind::RadioButton:
            values.setChecked(widget.name, line.section(QLatin1Char(':'), 1, 1) != Unchecked);
            break;
        }
    }
    return values;
}

} // namespace ProfileFormat
