#include "profiles/configsheet.h"

#include <QFileInfo>

#include "protocol/widgetnames.h"

namespace {

const char *const SheetStyle = "body { font-family: sans-serif; font-size: 10pt; }"
                               " h1 { font-size: 16pt; } h2 { font-size: 13pt; margin-top: 14pt; }"
                               " table { border-collapse: collapse; margin-bottom: 6pt; }"
                               " th, td { border: 1px solid #888; padding: 3px 6px;"
                               " text-align: left; vertical-align: top; }"
                               " th { background: #e8e8e8; }";

// One table; the cells are HTML already. Border and padding are given as
// attributes too: the print path honours those, not all of the style. A
// table of caption and value keeps its values in one column down the sheet.
QString sheetTable(const QStringList &headings, const QList<QStringList> &rows)
{
    const bool captionAndValue = !rows.isEmpty() && rows.first().size() == 2;
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" "
                                  "width=\"100%\">\n");
    if (!headings.isEmpty()) {
        html += QStringLiteral("<tr>");
        for (const QString &heading : headings)
            html += QStringLiteral("<th align=\"left\">") + heading.toHtmlEscaped()
                + QStringLiteral("</th>");
        html += QStringLiteral("</tr>\n");
    }
    for (const QStringList &row : rows) {
        html += QStringLiteral("<tr>");
        for (const QString &cell : row)
            html += (captionAndValue && &cell == &row.first() ? QStringLiteral("<td width=\"50%\">")
                                                              : QStringLiteral("<td>"))
                + cell + QStringLiteral("</td>");
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

// The names the report and geo-fence tables show: the page's own table
// leaves them out.
QSet<QString> sheetTableNames()
{
    QSet<QString> names;
    for (int row = 1; row <= WidgetNames::ReportRowCount; ++row) {
        names << WidgetNames::reportDestination(row) << WidgetNames::reportType(row)
              << WidgetNames::reportEvent(row);
        for (int group = 1; group <= WidgetNames::ReportGroupCount; ++group)
            names << WidgetNames::reportGroup(row, group);
    }
    for (int fence = 1; fence <= WidgetNames::FenceCount; ++fence) {
        names << WidgetNames::fenceType(fence) << WidgetNames::fenceVertexCombo(fence)
              << WidgetNames::fenceRadius(fence) << WidgetNames::fenceCircleDisable(fence)
              << WidgetNames::fencePolygonDisable(fence);
        for (int vertex = 0; vertex <= WidgetNames::FenceVertexCount; ++vertex)
            names << WidgetNames::fenceLatitude(fence, vertex)
                  << WidgetNames::fenceLongitude(fence, vertex);
    }
    return names;
}

// What the page shows, escaped: a combo box's item text (nothing when it
// has no selection, as the window shows it), "Yes"/"No" for a check box or
// radio button.
class SheetValues
{
public:
    SheetValues(const FormSheet &sheet, const FormValues &values) : sheet_(sheet), values_(values)
    {
    }
    bool has(const QString &name) const { return sheet_.field(name); }
    QString shown(const QString &name) const
    {
        const FormSheet::Field *field = sheet_.field(name);
        return field ? shown(*field) : QString();
    }
    QString shown(const FormSheet::Field &field) const
    {
        switch (field.kind) {
        case WidgetKind::LineEdit:
            return values_.text(field.name).toHtmlEscaped();
        case WidgetKind::ComboBox: {
            const int index = values_.index(field.name);
            return index >= 0 && index < field.items.size() ? field.items.at(index).toHtmlEscaped()
                                                            : QString();
        }
        case WidgetKind::CheckBox:
        case WidgetKind::RadioButton:
            break;
        }
        return values_.checked(field.name) ? ConfigSheet::tr("Yes") : ConfigSheet::tr("No");
    }
    bool checked(const QString &name) const { return values_.checked(name); }
    int index(const QString &name) const { return values_.index(name); }
    QString page(const QString &name) const
    {
        const FormSheet::Field *field = sheet_.field(name);
        return field ? field->page : QString();
    }

private:
    const FormSheet &sheet_;
    const FormValues &values_;
};

QString sheetReportTable(const SheetValues &v, const QSet<QString> &hidden)
{
    QList<QStringList> rows;
    for (int row = 1; row <= WidgetNames::ReportRowCount; ++row) {
        const QString destination = WidgetNames::reportDestination(row);
        if (!v.has(destination) || hidden.contains(destination))
            continue;
        QString group;
        for (int g = 1; g <= WidgetNames::ReportGroupCount; ++g)
            if (v.checked(WidgetNames::reportGroup(row, g)))
                group = QString::number(g);
        rows << QStringList {QString::number(row), v.shown(destination),
            v.shown(WidgetNames::reportEvent(row)), v.shown(WidgetNames::reportType(row)), group};
    }
    if (rows.isEmpty())
        return {};
    return QStringLiteral("<h3>%1</h3>\n")
               .arg(ConfigSheet::tr("Report destinations").toHtmlEscaped())
        + sheetTable(
            {ConfigSheet::tr("No."), ConfigSheet::tr("Destination"), ConfigSheet::tr("Event"),
                ConfigSheet::tr("Type"), ConfigSheet::tr("Group")},
            rows);
}

// A fence as its type makes it: a circle's centre and radius, a polygon's
// vertices (as many as its vertex number says), and whether it is disabled.
QString sheetFenceTable(const SheetValues &v, const QSet<QString> &hidden)
{
    enum { Deleted, Circle, Polygon }; // the type's items, in order
    const auto point = [&v](int fence, int vertex) {
        const QString latitude = v.shown(WidgetNames::fenceLatitude(fence, vertex));
        const QString longitude = v.shown(WidgetNames::fenceLongitude(fence, vertex));
        return latitude.isEmpty() && longitude.isEmpty()
            ? QString()
            : latitude + QStringLiteral(", ") + longitude;
    };
    QList<QStringList> rows;
    for (int fence = 1; fence <= WidgetNames::FenceCount; ++fence) {
        const QString type = WidgetNames::fenceType(fence);
        if (!v.has(type) || hidden.contains(type))
            continue;
        QStringList row {QString::number(fence), v.shown(type), QString(), QString(), QString()};
        switch (v.index(type)) {
        case Circle:
            row[2] = point(fence, 0);
            row[3] = v.shown(WidgetNames::fenceRadius(fence));
            row[4] = v.shown(WidgetNames::fenceCircleDisable(fence));
            break;
        case Polygon: {
            const int count = v.shown(WidgetNames::fenceVertexCombo(fence)).toInt();
            QStringList points;
            for (int vertex = 1;
                 vertex <= WidgetNames::FenceVertexCount && (count <= 0 || vertex <= count);
                 ++vertex)
                points << point(fence, vertex);
            row[2] = points.join(QStringLiteral("<br>"));
            row[4] = v.shown(WidgetNames::fencePolygonDisable(fence));
            break;
        }
        default:
            break;
        }
        rows << row;
    }
    if (rows.isEmpty())
        return {};
    return QStringLiteral("<h3>%1</h3>\n").arg(ConfigSheet::tr("Geo-fences").toHtmlEscaped())
        + sheetTable({ConfigSheet::tr("No."), ConfigSheet::tr("Type"),
                         ConfigSheet::tr("Centre or vertices (latitude, longitude)"),
                         ConfigSheet::tr("Radius (m)"), ConfigSheet::tr("Disabled")},
            rows);
}

} // namespace

QString ConfigSheet::html(const FormSheet &sheet, const QStringList &pages,
    const FormValues &values, const Header &header, const QSet<QString> &hidden)
{
    const SheetValues v(sheet, values);
    const QString title = tr("Configuration sheet");
    QString html = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
                                  "<title>%1</title><style>%2</style></head><body>\n"
                                  "<h1>%1</h1>\n")
                       .arg(title.toHtmlEscaped(), QLatin1String(SheetStyle));

    QList<QStringList> about {
        {tr("Date").toHtmlEscaped(),
            header.date.toString(QStringLiteral("yyyy-MM-dd HH:mm")).toHtmlEscaped()},
        {tr("Tool version").toHtmlEscaped(), QStringLiteral(VELOMI_VERSION).toHtmlEscaped()}};
    const QList<QPair<QString, QString>> known {{tr("Model and version"), header.device},
        {tr("IMEI"), header.imei}, {tr("Profile"), header.profile}};
    for (const auto &[caption, text] : known)
        if (!text.isEmpty())
            about << QStringList {caption.toHtmlEscaped(), text.toHtmlEscaped()};
    html += sheetTable({}, about);

    const QSet<QString> inTables = sheetTableNames();
    const QString reportPage = v.page(WidgetNames::reportDestination(1));
    const QString fencePage = v.page(WidgetNames::fenceType(1));
    for (const QString &page : pages) {
        QList<QStringList> rows;
        for (const FormSheet::Field &field : sheet.fields())
            if (field.page == page && !hidden.contains(field.name)
                && !inTables.contains(field.name))
                rows << QStringList {field.caption.toHtmlEscaped(), v.shown(field)};
        QString body = rows.isEmpty() ? QString() : sheetTable({tr("Setting"), tr("Value")}, rows);
        if (page == reportPage)
            body += sheetReportTable(v, hidden);
        if (page == fencePage)
            body += sheetFenceTable(v, hidden);
        if (!body.isEmpty())
            html += QStringLiteral("<h2>%1</h2>\n").arg(page.toHtmlEscaped()) + body;
    }

    if (header.sensorsKnown) {
        html += QStringLiteral("<h2>%1</h2>\n").arg(tr("Paired sensors").toHtmlEscaped());
        QList<QStringList> rows;
        for (const SensorCodec::SensorRow &sensor : header.sensors)
            rows << QStringList {sensor.zone.toHtmlEscaped(), sensor.typeName.toHtmlEscaped()};
        html += rows.isEmpty()
            ? QStringLiteral("<p>%1</p>\n").arg(tr("No sensor is paired.").toHtmlEscaped())
            : sheetTable({tr("Zone"), tr("Type")}, rows);
    }
    return html + QStringLiteral("</body></html>\n");
}

ConfigSheet::Format ConfigSheet::formatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return Format::Pdf;
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        return Format::Html;
    return Format::Unknown;
}
