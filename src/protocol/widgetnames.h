#pragma once
// The numbered widget names of the form, built in one place. The names are
// the form's objectNames (and the keys of FormValues and profiles): they are
// fixed by the form and the profile files, so their odd spellings stay.
#include <QString>
#include <QStringList>

namespace WidgetNames {

// Report rows 1..5, each with five group buttons; geo-fences 1..3, each with
// vertex 0 (the circle centre) and 1..4 (the polygon).
constexpr int ReportRowCount = 5;
constexpr int ReportGroupCount = 5;
constexpr int FenceCount = 3;
constexpr int FenceVertexCount = 4;

// The Information page's IMEI, the one name a device is known by.
inline QString imei() { return QStringLiteral("label_panel_IMEI"); }

namespace Detail {
inline QString numbered(const char *pattern, int n) { return QString::fromLatin1(pattern).arg(n); }
inline QString numbered(const char *pattern, int n, int m)
{
    return QString::fromLatin1(pattern).arg(n).arg(m);
}
} // namespace Detail

// Report page, row 1..5.
inline QString reportDestination(int row) { return Detail::numbered("lineEdit_rpt_to_%1", row); }
inline QString reportType(int row) { return Detail::numbered("comboBox_rpt_type_%1", row); }
inline QString reportOption(int row) { return Detail::numbered("comboBox_rpt_option_%1", row); }
inline QString reportEvent(int row) { return Detail::numbered("comboBox_rpt_event_%1", row); }
inline QString reportGroup(int row, int group)
{
    return Detail::numbered("radioButton_rpt_group_%1_%2", row, group);
}

// Geo-fence page, fence 1..3.
inline QString fenceType(int fence) { return Detail::numbered("comboBox_geo_type_%1_0", fence); }
inline QString fenceStack(int fence) { return Detail::numbered("stackedWidget_G%1", fence); }
inline QString fenceCaption(int fence) { return Detail::numbered("label_GF_%1", fence); }
inline QString fenceCircleDisable(int fence)
{
    return Detail::numbered("checkBox_geo_fence_%1_1", fence);
}
inline QString fencePolygonDisable(int fence)
{
    return Detail::numbered("checkBox_geo_fence_%1_2", fence);
}
inline QString fenceVertexCombo(int fence)
{
    return Detail::numbered("comboBox_geo_vertex_%1_0", fence);
}
inline QString fenceVertexLabel(int fence)
{
    return Detail::numbered("label_geo_vertex_%1_0", fence);
}
inline QString fenceRadius(int fence) { return Detail::numbered("lineEdit_radius_%1_0", fence); }
inline QString fenceRadiusLabel(int fence) { return Detail::numbered("label_radius_%1_0", fence); }
inline QString fenceRadiusRange(int fence)
{
    return Detail::numbered("label_radius_range_%1_0", fence);
}
// Vertex 0 is the circle centre, 1..4 the polygon vertices.
inline QString fenceLatitude(int fence, int vertex)
{
    return Detail::numbered("lineEdit_lat_%1_%2", fence, vertex);
}
inline QString fenceLongitude(int fence, int vertex)
{
    return Detail::numbered("lineEdit_long_%1_%2", fence, vertex);
}
// The field and its two labels (name and range) of one coordinate row.
inline QStringList fenceVertexRow(int fence, int vertex)
{
    QStringList names;
    for (const char *pattern : {"lineEdit_lat_%1_%2", "lineEdit_long_%1_%2", "label_lat_%1_%2",
             "label_long_%1_%2", "label_lat_range_%1_%2", "label_long_range_%1_%2"})
        names << Detail::numbered(pattern, fence, vertex);
    return names;
}

// Mobility page: inactivity window 1 or 2, `field` e.g. "from_hour".
inline QString inactivityWindow(int window, const char *field)
{
    return Detail::numbered("comboBox_w%1_", window) + QLatin1String(field);
}

// Settings page.
inline QString callerId(int which) { return Detail::numbered("lineEdit_call_id%1", which); }
inline QString voicePrompt(int n) { return Detail::numbered("checkBox_voicePrompt_%1", n); }

// name(from) .. name(to).
template <typename NameOf> QStringList range(NameOf name, int from, int to)
{
    QStringList names;
    for (int i = from; i <= to; ++i)
        names << name(i);
    return names;
}

} // namespace WidgetNames
