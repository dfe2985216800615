#pragma once
// The Mobility page (inactivity monitoring).
#include <QString>

#include "protocol/notice.h"

namespace InactivityCodec {
// "INACT:...;INACTW:1,...;INACTW:2,...;"
QString frameBody(const FormValues &v);
// The INACT value string of a CFG1? answer ("para0".."para2" notices).
DecodeResult decodeItem(const QString &value);
// An "<OK> INACTW?:..." answer; set 0 fills window 1, set 1 window 2.
FormValues decodeWindow(const QString &received, int set);
} // namespace InactivityCodec
