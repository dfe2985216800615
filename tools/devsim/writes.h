#pragma once
// Writes: "KEY:value" items that change the device's configuration.
#include "devicestate.h"

#include <QString>
#include <QVector>

struct WriteItem
{
    QString key;
    QString value;
};

enum class WriteResult { Stored, Refused, BadCoordinate };

bool isWriteKey(const QString &key);

// Applies the items in order, all or nothing: when one is refused nothing changes and
// `failedKey` names it.
WriteResult applyWrites(DeviceState &state, const QVector<WriteItem> &items, QString &failedKey);
