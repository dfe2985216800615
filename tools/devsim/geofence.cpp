#include "geofence.h"

#include "settingkeys.h"

#include <QJsonArray>
#include <QRegularExpression>

namespace {

const char *const ShapeNames[] = {"deleted", "circle", "polygon"};

bool isCoordinate(const QString &text, double limit)
{
    static const QRegularExpression number(QStringLiteral("^[-+]?([0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
    if (!number.match(text).hasMatch())
        return false;
    const double value = text.toDouble();
    return value >= -limit && value <= limit;
}

bool isRadius(const QString &text)
{
    int radius = 0;
    return parseDecimal(text, radius) && radius >= 200 && radius <= 10000;
}

// fields[first..] hold `count` latitude/longitude pairs.
FenceWrite readPoints(
    const QStringList &fields, int first, int count, QVector<QPair<QString, QString>> &points)
{
    for (int i = 0; i < count; ++i) {
        const QString &lat = fields[first + 2 * i];
        const QString &lon = fields[first + 2 * i + 1];
        if (!isCoordinate(lat, 90) || !isCoordinate(lon, 180))
            return FenceWrite::BadCoordinate;
        points.append({lat, lon});
    }
    return FenceWrite::Stored;
}

FenceWrite circle(const QString &lat, const QString &lon, const QString &radius, Fence &out)
{
    out = Fence {Fence::Circle, true, radius, {}};
    if (readPoints({lat, lon}, 0, 1, out.points) != FenceWrite::Stored)
        return FenceWrite::BadCoordinate;
    return isRadius(radius) ? FenceWrite::Stored : FenceWrite::Refused;
}

// fields[first] is the vertex count, then the pairs, then possibly one empty field (the
// writer ends the last longitude with a comma).
FenceWrite polygon(QStringList fields, int first, Fence &out)
{
    if (fields.size() > first && fields.last().isEmpty())
        fields.removeLast();
    int vertices = 0;
    if (fields.size() <= first || !parseDecimal(fields[first], vertices)
        || (vertices != 3 && vertices != 4) || fields.size() != first + 1 + 2 * vertices)
        return FenceWrite::Refused;
    out = Fence {Fence::Polygon, true, QStringLiteral("0"), {}};
    return readPoints(fields, first + 1, vertices, out.points);
}

} // namespace

FenceWrite writeFence(const QString &value, Fences &fences)
{
    const QStringList f = value.split(QLatin1Char(','));
    int number = 0;
    if (f.size() < 2 || !parseDecimal(f[0], number))
        return FenceWrite::Refused;

    Fence result;
    FenceWrite outcome = FenceWrite::Refused;
    if (f.size() == 4 && f[0] == QLatin1String("0")) { // fence 1, unnumbered delete
        number = 1;
        outcome = FenceWrite::Stored;
    } else if (f.size() == 4 && f[0] == QLatin1String("1")) { // fence 1, unnumbered circle
        outcome = circle(f[1], f[2], f[3], result);
    } else if (f[0] == QLatin1String("2") && (f[1] == QLatin1String("3") || f[1] == "4")) {
        number = 1; // fence 1, unnumbered polygon: the vertex count follows the kind directly
        outcome = polygon(f, 1, result);
    } else if (number < 1 || number > 3) {
        return FenceWrite::Refused;
    } else if (f.size() == 2 && f[1] == QLatin1String("0")) { // disable, keep the shape
        fences[size_t(number - 1)].enabled = false;
        return FenceWrite::Stored;
    } else if (f.size() == 5 && f[1] == QLatin1String("0")) {
        outcome = FenceWrite::Stored; // delete
    } else if (f.size() == 5 && f[1] == QLatin1String("1")) {
        outcome = circle(f[2], f[3], f[4], result);
    } else if (f[1] == QLatin1String("2")) {
        outcome = polygon(f, 2, result);
    }
    if (outcome == FenceWrite::Stored)
        fences[size_t(number - 1)] = result;
    return outcome;
}

QString fenceAnswer(int number, const Fence &fence)
{
    QStringList fields {QString::number(number)};
    switch (fence.shape) {
    case Fence::Deleted:
        fields << QStringLiteral("0") << QStringLiteral("0");
        break;
    case Fence::Circle:
        fields << (fence.enabled ? QStringLiteral("1,0") : QStringLiteral("0,1")) << fence.radius;
        break;
    case Fence::Polygon:
        fields << (fence.enabled ? QStringLiteral("2") : QStringLiteral("0"))
               << QString::number(fence.points.size()) << QStringLiteral("0");
        break;
    }
    if (fence.shape != Fence::Deleted)
        for (const auto &point : fence.points)
            fields << point.first << point.second;
    return fields.join(QLatin1Char(','));
}

QJsonObject Fence::toJson() const
{
    QJsonArray pointArray;
    for (const auto &point : points)
        pointArray.append(QJsonArray {point.first, point.second});
    return QJsonObject {{"shape", QLatin1String(ShapeNames[shape])}, {"enabled", enabled},
        {"radius", radius}, {"points", pointArray}};
}

bool Fence::fromJson(const QJsonObject &object, Fence &fence, QString &error)
{
    const QString shape = object.value("shape").toString();
    fence = Fence {};
    if (shape == QLatin1String("deleted"))
        return true;
    // Build the write the device would have received, so a state file obeys the same rules.
    QStringList coordinates;
    for (const QJsonValue &point : object.value("points").toArray())
        coordinates << point.toArray().at(0).toString() << point.toArray().at(1).toString();
    QString write;
    if (shape == QLatin1String("circle") && coordinates.size() == 2)
        write = QStringLiteral("1,1,%1,%2,%3")
                    .arg(coordinates[0], coordinates[1], object.value("radius").toString());
    else if (shape == QLatin1String("polygon"))
        write = QStringLiteral("1,2,%1,%2").arg(coordinates.size() / 2).arg(coordinates.join(','));
    Fences scratch;
    if (write.isEmpty() || writeFence(write, scratch) != FenceWrite::Stored) {
        error = QStringLiteral("a geo-fence must be deleted, a circle with one point and a radius "
                               "of 200 to 10000, or a polygon of 3 or 4 points, inside -90..90 "
                               "and -180..180");
        return false;
    }
    fence = scratch[0];
    fence.enabled = object.value("enabled").toBool(true);
    return true;
}
