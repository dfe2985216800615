#include "geofencecodec.h"

#include <QRegularExpression>

#include "answer.h"

namespace GeoFenceCodec
{
namespace
{

constexpr int FenceCount = 3;
constexpr int MinRadius = 200;
constexpr int MaxRadius = 10000;

enum Page { DeletePage = 0, CirclePage = 1, PolygonPage = 2 };

// Vertex combo items "3" and "4".
constexpr int ThreeVertices = 0;
constexpr int FourVertices = 1;

QString fenceName(const char *pattern, int fence)
{
    return QString::fromLatin1(pattern).arg(fence);
}
QString vertexName(const char *pattern, int fence, int vertex)
{
    return QString::fromLatin1(pattern).arg(fence).arg(vertex);
}

QString typeCombo(int fence)
{
    return fenceName("comboBox_geo_type_%1_0", fence);
}
QString stack(int fence)
{
    return fenceName("stackedWidget_G%1", fence);
}
QString circleDisable(int fence)
{
    return fenceName("checkBox_geo_fence_%1_1", fence);
}
QString polygonDisable(int fence)
{
    return fenceName("checkBox_geo_fence_%1_2", fence);
}
QString vertexCombo(int fence)
{
    return fenceName("comboBox_geo_vertex_%1_0", fence);
}
QString radiusField(int fence)
{
    return fenceName("lineEdit_radius_%1_0", fence);
}
// Vertex 0 is the circle centre, 1..4 the polygon vertices.
QString latField(int fence, int vertex)
{
    return vertexName("lineEdit_lat_%1_%2", fence, vertex);
}
QString longField(int fence, int vertex)
{
    return vertexName("lineEdit_long_%1_%2", fence, vertex);
}

bool validFence(int fence)
{
    return fence >= 1 && fence <= FenceCount;
}

FenceWrite sent(const QString &body)
{
    FenceWrite w;
    w.ok = true;
    w.body = body;
    return w;
}

FenceWrite refused(const QString &text)
{
    FenceWrite w;
    w.notice = Notice::info(text);
    return w;
}

enum class RadiusRange { Inside, Above, Below };

// The radius as a whole number; a text that is no number reads 0, one with
// more digits than a number holds lies above the range.
RadiusRange radiusRange(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    bool isNumber = false;
    qlonglong radius = text.toLongLong(&isNumber);
    if (!isNumber)
        radius = digits.match(text).hasMatch() ? qlonglong(MaxRadius) + 1 : 0;
    if (radius > MaxRadius)
        return RadiusRange::Above;
    if (radius < MinRadius)
        return RadiusRange::Below;
    return RadiusRange::Inside;
}

FenceWrite circleBody(int fence, const QString &prefix, const FormValues &v,
                      const QString &lastGoodRadius)
{
    const QString radius = v.text(radiusField(fence));
    switch (radiusRange(radius)) {
    case RadiusRange::Above: {
        FenceWrite w = refused(QStringLiteral("Max 10000 Meters!"));
        if (!lastGoodRadius.isNull()) // nothing to undo when the field was never edited
            w.corrections.setText(radiusField(fence), lastGoodRadius);
        return w;
    }
    case RadiusRange::Below: {
        FenceWrite w = refused(QStringLiteral("Min 200 Meters!"));
        w.corrections.setText(radiusField(fence), QString::number(MinRadius));
        return w;
    }
    case RadiusRange::Inside:
        break;
    }
    return sent(QStringLiteral("GEOFE:") + prefix + QStringLiteral("1,") +
                v.text(latField(fence, 0)) + QLatin1Char(',') + v.text(longField(fence, 0)) +
                QLatin1Char(',') + radius);
}

// Every vertex pair is followed by a comma, the last one too.
QString polygonBody(int fence, const QString &prefix, const FormValues &v)
{
    const int vertices = v.index(vertexCombo(fence)) == FourVertices ? 4 : 3;
    QString body = QStringLiteral("GEOFE:") + prefix + QStringLiteral("2,") +
                   QString::number(vertices) + QLatin1Char(',');
    for (int vertex = 1; vertex <= vertices; ++vertex)
        body += v.text(latField(fence, vertex)) + QLatin1Char(',') +
                v.text(longField(fence, vertex)) + QLatin1Char(',');
    return body;
}

FieldCheck refusedField(const QString &text)
{
    FieldCheck c;
    c.ok = false;
    c.notice = Notice::info(text);
    return c;
}

// A decimal number: digits with at most one ".", an optional leading "-".
FieldCheck checkCoordinate(const QString &text, double limit, const QString &rangeText)
{
    static const QRegularExpression decimal(QStringLiteral("^-?(\\d+\\.?\\d*|\\.\\d+)$"));
    if (text.isEmpty())
        return {};
    if (!decimal.match(text).hasMatch())
        return refusedField(QStringLiteral("Digits only!"));
    const int point = text.indexOf(QLatin1Char('.'));
    if (point >= 0 && text.size() - point - 1 > 6)
        return refusedField(QStringLiteral("Decimal six!"));
    const double value = text.toDouble();
    if (value < -limit || value > limit)
        return refusedField(rangeText);
    return {};
}

void showShape(FormValues &values, int fence, Page page)
{
    values.setIndex(typeCombo(fence), page);
    values.setIndex(stack(fence), page);
}

void showCircle(FormValues &values, int fence, const QStringList &f)
{
    showShape(values, fence, CirclePage);
    values.setText(latField(fence, 0), Answer::field(f, 4));
    values.setText(longField(fence, 0), Answer::field(f, 5));
}

void showPolygon(FormValues &values, int fence, int vertexIndex)
{
    showShape(values, fence, PolygonPage);
    values.setIndex(vertexCombo(fence), vertexIndex);
}

void setRowEnabled(WidgetStates &s, int fence, int vertex, bool enabled)
{
    for (const char *pattern : {"lineEdit_lat_%1_%2", "lineEdit_long_%1_%2", "label_lat_%1_%2",
             "label_long_%1_%2", "label_lat_range_%1_%2", "label_long_range_%1_%2"})
        s.insert(vertexName(pattern, fence, vertex), enabled);
}

} // namespace

FenceWrite fenceBody(int fence, int page, const FormValues &v, const ModelFlags &m,
                     const QString &lastGoodRadius)
{
    if (!validFence(fence))
        return refused(QStringLiteral("Geo-fence idx error!"));
    // Fence 1 carries its number only in the extended format.
    const QString number = QString::number(fence);
    const QString prefix =
        (fence != 1 || m.extendedFence()) ? number + QLatin1Char(',') : QString();
    const QString disableBody = QStringLiteral("GEOFE:") + number + QStringLiteral(",0");
    switch (page) {
    case DeletePage:
        return sent(QStringLiteral("GEOFE:") + prefix + QStringLiteral("0,0,0,0"));
    case CirclePage:
        if (v.checked(circleDisable(fence)))
            return sent(disableBody);
        return circleBody(fence, prefix, v, lastGoodRadius);
    case PolygonPage:
        if (v.checked(polygonDisable(fence)))
            return sent(disableBody);
        return sent(polygonBody(fence, prefix, v));
    }
    return FenceWrite();
}

QString forbiddenBody(const FormValues &v)
{
    return v.index(QStringLiteral("comboBox_forbidden_zone")) == 0 ? QStringLiteral("FORBID:0;")
                                                                   : QStringLiteral("FORBID:1;");
}

FieldCheck checkLatitude(const QString &text)
{
    return checkCoordinate(text, 90, QStringLiteral("-90 ~ 90"));
}

FieldCheck checkLongitude(const QString &text)
{
    return checkCoordinate(text, 180, QStringLiteral("-180 ~ 180"));
}

FieldCheck checkRadiusEdit(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    if (text.isEmpty())
        return {};
    if (text.contains(QLatin1Char('.'))) {
        FieldCheck silent;
        silent.ok = false;
        return silent;
    }
    if (text.contains(QLatin1Char('-')))
        return refusedField(QStringLiteral("Positive number only!"));
    if (!digits.match(text).hasMatch())
        return refusedField(QStringLiteral("Digits only!"));
    return {};
}

DecodeResult decodeFence(const QString &received, const ModelFlags &m)
{
    DecodeResult r;
    if (m.baseStation)
        return r;
    if (!m.extendedFence()) {
        r.notices << Notice::info(QStringLiteral(
            "Version T37, T6_QX, T6_QX_P9, T35, T9 or T2 ?? GeoFence Format Error!"));
        return r;
    }
    QString body = Answer::body(received, QStringLiteral("GEOFE?:"));
    body.remove(QStringLiteral("GEOFE:"));
    const QStringList f = body.split(QLatin1Char(','));
    const QString f0 = Answer::field(f, 0);
    const int fence = f0.toInt();
    if (!validFence(fence) || f0 != QString::number(fence))
        return r;

    FormValues &v = r.values;
    v.setText(radiusField(fence), Answer::field(f, 3));
    for (int vertex = 1; vertex <= 4; ++vertex) {
        v.setText(latField(fence, vertex), Answer::field(f, 2 + 2 * vertex));
        v.setText(longField(fence, vertex), Answer::field(f, 3 + 2 * vertex));
    }

    const QString state = Answer::field(f, 1);
    const QString detail = Answer::field(f, 2);
    const bool disabled = state == QLatin1String("0");
    v.setChecked(circleDisable(fence), disabled);
    v.setChecked(polygonDisable(fence), disabled);
    // A disabled fence names its shape in F2: 0 deleted, 1 circle, 3 or 4 vertices.
    const QString shape = disabled ? detail : state;
    if (disabled && shape == QLatin1String("0"))
        showShape(v, fence, DeletePage);
    else if (shape == QLatin1String("1"))
        showCircle(v, fence, f);
    else if (disabled && (shape == QLatin1String("3") || shape == QLatin1String("4")))
        showPolygon(v, fence, shape == QLatin1String("3") ? ThreeVertices : FourVertices);
    else if (!disabled && shape == QLatin1String("2")) {
        showShape(v, fence, PolygonPage);
        if (detail == QLatin1String("3") || detail == QLatin1String("4"))
            v.setIndex(vertexCombo(fence),
                       detail == QLatin1String("3") ? ThreeVertices : FourVertices);
    }
    return r;
}

FormValues decodeForbidden(const QString &value)
{
    FormValues v;
    const int flag = value.section(QLatin1Char(','), 0, 0).toInt();
    const QString caption = flag == 1   ? QStringLiteral("Forbidden-zone:")
                            : flag == 0 ? QStringLiteral("Geo-fence:")
                                        : QString();
    if (!caption.isNull())
        for (int fence = 1; fence <= FenceCount; ++fence)
            v.setText(fenceName("label_GF_%1", fence), caption);
    v.setIndex(QStringLiteral("comboBox_forbidden_zone"), flag == 1 ? 1 : 0);
    return v;
}

WidgetStates fenceEnabling(int fence, const FormValues &v)
{
    WidgetStates s;
    if (!validFence(fence))
        return s;
    const bool circleOn = !v.checked(circleDisable(fence));
    const bool polygonOn = !v.checked(polygonDisable(fence));
    const bool fourthOn = polygonOn && v.index(vertexCombo(fence)) == FourVertices;

    setRowEnabled(s, fence, 0, circleOn);
    for (const char *pattern :
        {"lineEdit_radius_%1_0", "label_radius_%1_0", "label_radius_range_%1_0"})
        s.insert(fenceName(pattern, fence), circleOn);

    s.insert(vertexCombo(fence), polygonOn);
    s.insert(fenceName("label_geo_vertex_%1_0", fence), polygonOn);
    for (int vertex = 1; vertex <= 3; ++vertex)
        setRowEnabled(s, fence, vertex, polygonOn);
    setRowEnabled(s, fence, 4, fourthOn);
    return s;
}

} // namespace GeoFenceCodec
