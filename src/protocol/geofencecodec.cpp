#include "protocol/geofencecodec.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include "protocol/answer.h"
#include "protocol/widgetnames.h"

namespace GeoFenceCodec {
using namespace WidgetNames;

namespace {

constexpr int MinRadius = 200;
constexpr int MaxRadius = 10000;

enum Page { DeletePage = 0, CirclePage = 1, PolygonPage = 2 };

// Vertex combo items "3" and "4".
constexpr int ThreeVertices = 0;
constexpr int FourVertices = 1;

bool validFence(int fence) { return fence >= 1 && fence <= FenceCount; }

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

FenceWrite circleBody(
    int fence, const QString &prefix, const FormValues &v, const QString &lastGoodRadius)
{
    const QString radius = v.text(fenceRadius(fence));
    switch (radiusRange(radius)) {
    case RadiusRange::Above: {
        FenceWrite w = refused(QCoreApplication::translate("GeoFenceCodec", "Max 10000 Meters!"));
        if (!lastGoodRadius.isNull()) // nothing to undo when the field was never edited
            w.corrections.setText(fenceRadius(fence), lastGoodRadius);
        return w;
    }
    case RadiusRange::Below: {
        FenceWrite w = refused(QCoreApplication::translate("GeoFenceCodec", "Min 200 Meters!"));
        w.corrections.setText(fenceRadius(fence), QString::number(MinRadius));
        return w;
    }
    case RadiusRange::Inside:
        break;
    }
    return sent(QStringLiteral("GEOFE:") + prefix + QStringLiteral("1,")
        + v.text(fenceLatitude(fence, 0)) + QLatin1Char(',') + v.text(fenceLongitude(fence, 0))
        + QLatin1Char(',') + radius);
}

// Every vertex pair is followed by a comma, the last one too.
QString polygonBody(int fence, const QString &prefix, const FormValues &v)
{
    const int vertices = v.index(fenceVertexCombo(fence)) == FourVertices ? 4 : 3;
    QString body = QStringLiteral("GEOFE:") + prefix + QStringLiteral("2,")
        + QString::number(vertices) + QLatin1Char(',');
    for (int vertex = 1; vertex <= vertices; ++vertex)
        body += v.text(fenceLatitude(fence, vertex)) + QLatin1Char(',')
            + v.text(fenceLongitude(fence, vertex)) + QLatin1Char(',');
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
        return refusedField(QCoreApplication::translate("GeoFenceCodec", "Digits only!"));
    const int point = text.indexOf(QLatin1Char('.'));
    if (point >= 0 && text.size() - point - 1 > 6)
        return refusedField(QCoreApplication::translate("GeoFenceCodec", "Decimal six!"));
    const double value = text.toDouble();
    if (value < -limit || value > limit)
        return refusedField(rangeText);
    return {};
}

void showShape(FormValues &values, int fence, Page page)
{
    values.setIndex(fenceType(fence), page);
    values.setIndex(fenceStack(fence), page);
}

void showCircle(FormValues &values, int fence, const QStringList &f)
{
    showShape(values, fence, CirclePage);
    values.setText(fenceLatitude(fence, 0), Answer::field(f, 4));
    values.setText(fenceLongitude(fence, 0), Answer::field(f, 5));
}

void showPolygon(FormValues &values, int fence, int vertexIndex)
{
    showShape(values, fence, PolygonPage);
    values.setIndex(fenceVertexCombo(fence), vertexIndex);
}

void setRowEnabled(WidgetStates &s, int fence, int vertex, bool enabled)
{
    for (const QString &name : fenceVertexRow(fence, vertex))
        s.insert(name, enabled);
}

} // namespace

FenceWrite fenceBody(
    int fence, int page, const FormValues &v, const ModelFlags &m, const QString &lastGoodRadius)
{
    if (!validFence(fence))
        return refused(QCoreApplication::translate("GeoFenceCodec", "Geo-fence idx error!"));
    // Fence 1 carries its number only in the extended format.
    const QString number = QString::number(fence);
    const QString prefix
        = (fence != 1 || m.extendedFence()) ? number + QLatin1Char(',') : QString();
    const QString disableBody = QStringLiteral("GEOFE:") + number + QStringLiteral(",0");
    switch (page) {
    case DeletePage:
        return sent(QStringLiteral("GEOFE:") + prefix + QStringLiteral("0,0,0,0"));
    case CirclePage:
        if (v.checked(fenceCircleDisable(fence)))
            return sent(disableBody);
        return circleBody(fence, prefix, v, lastGoodRadius);
    case PolygonPage:
        if (v.checked(fencePolygonDisable(fence)))
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
        return refusedField(QCoreApplication::translate("GeoFenceCodec", "Positive number only!"));
    if (!digits.match(text).hasMatch())
        return refusedField(QCoreApplication::translate("GeoFenceCodec", "Digits only!"));
    return {};
}

DecodeResult decodeFence(const QString &received, const ModelFlags &m)
{
    DecodeResult r;
    if (m.baseStation)
        return r;
    if (!m.extendedFence()) {
        r.notices << Notice::info(QCoreApplication::translate("GeoFenceCodec",
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
    v.setText(fenceRadius(fence), Answer::field(f, 3));
    for (int vertex = 1; vertex <= 4; ++vertex) {
        v.setText(fenceLatitude(fence, vertex), Answer::field(f, 2 + 2 * vertex));
        v.setText(fenceLongitude(fence, vertex), Answer::field(f, 3 + 2 * vertex));
    }

    const QString state = Answer::field(f, 1);
    const QString detail = Answer::field(f, 2);
    const bool disabled = state == QLatin1String("0");
    v.setChecked(fenceCircleDisable(fence), disabled);
    v.setChecked(fencePolygonDisable(fence), disabled);
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
            v.setIndex(fenceVertexCombo(fence),
                detail == QLatin1String("3") ? ThreeVertices : FourVertices);
    }
    return r;
}

FormValues decodeForbidden(const QString &value)
{
    FormValues v;
    const int flag = value.section(QLatin1Char(','), 0, 0).toInt();
    const QString caption = flag == 1
        ? QCoreApplication::translate("GeoFenceCodec", "Forbidden-zone:")
        : flag == 0 ? QCoreApplication::translate("GeoFenceCodec", "Geo-fence:")
                    : QString();
    if (!caption.isNull())
        for (int fence = 1; fence <= FenceCount; ++fence)
            v.setText(fenceCaption(fence), caption);
    v.setIndex(QStringLiteral("comboBox_forbidden_zone"), flag == 1 ? 1 : 0);
    return v;
}

WidgetStates fenceEnabling(int fence, const FormValues &v)
{
    WidgetStates s;
    if (!validFence(fence))
        return s;
    const bool circleOn = !v.checked(fenceCircleDisable(fence));
    const bool polygonOn = !v.checked(fencePolygonDisable(fence));
    const bool fourthOn = polygonOn && v.index(fenceVertexCombo(fence)) == FourVertices;

    setRowEnabled(s, fence, 0, circleOn);
    for (const QString &name :
        {fenceRadius(fence), fenceRadiusLabel(fence), fenceRadiusRange(fence)})
        s.insert(name, circleOn);

    s.insert(fenceVertexCombo(fence), polygonOn);
    s.insert(fenceVertexLabel(fence), polygonOn);
    for (int vertex = 1; vertex <= 3; ++vertex)
        setRowEnabled(s, fence, vertex, polygonOn);
    setRowEnabled(s, fence, 4, fourthOn);
    return s;
}

} // namespace GeoFenceCodec
