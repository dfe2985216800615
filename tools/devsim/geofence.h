#pragma once
// The device's three geo-fences: what a "GEOFE:" write does and how "GEOFE?:" answers.
#include <QJsonObject>
#include <QPair>
#include <QString>
#include <QVector>
#include <array>

struct Fence
{
    enum Shape { Deleted, Circle, Polygon };
    Shape shape = Deleted;
    bool enabled = false;
    QString radius; // metres, as written
    QVector<QPair<QString, QString>> points; // latitude, longitude as written

    QJsonObject toJson() const;
    static bool fromJson(const QJsonObject &object, Fence &fence, QString &error);
};

using Fences = std::array<Fence, 3>;

enum class FenceWrite { Stored, Refused, BadCoordinate };

// Applies the value of one "GEOFE:" item. Takes the numbered form ("2,1,lat,lon,radius") and
// the older unnumbered form of fence 1 ("1,lat,lon,radius", "0,0,0,0"). Nothing changes unless
// the result is Stored.
FenceWrite writeFence(const QString &value, Fences &fences);

// The answer body after "GEOFE?:" for fence `number` (1..3).
QString fenceAnswer(int number, const Fence &fence);
