#pragma once
// The Geo-fence page: three fences (circle, polygon, deleted, disabled) and
// the forbidden-zone switch.
#include <QString>

#include "protocol/modelflags.h"
#include "protocol/notice.h"

namespace GeoFenceCodec {

struct FenceWrite
{
    bool ok = false; // body is to be sent
    QString body; // "GEOFE:..."
    Notice notice; // refused radius
    FormValues corrections; // e.g. the radius reset to its last good text / "200"
};
// Writes fence 1..3 from the page `page` (0 delete, 1 circle, 2 polygon).
// `lastGoodRadius` is the radius text before the last edit (for the undo).
FenceWrite fenceBody(int fence, int page, const FormValues &v, const ModelFlags &m,
    const QString &lastGoodRadius = QString());
QString forbiddenBody(const FormValues &v); // "FORBID:0;" or "FORBID:1;"

// Field checks. Latitude/longitude: a refused text empties the field.
// The value itself must lie in -90..90 / -180..180 (not only its whole part).
FieldCheck checkLatitude(const QString &text);
FieldCheck checkLongitude(const QString &text);
// Radius on every edit: a refused text undoes the edit.
FieldCheck checkRadiusEdit(const QString &text);

// "<OK> GEOFE?:n,F1,F2,..." into the fence it names.
DecodeResult decodeFence(const QString &received, const ModelFlags &m);
// FORBID value string of a CFG1? answer (variant _XA).
FormValues decodeForbidden(const QString &value);

// Enabled state of fence N's inputs and labels, from its type, vertex
// number and "Disable" boxes in `v`.
WidgetStates fenceEnabling(int fence, const FormValues &v);

} // namespace GeoFenceCodec
