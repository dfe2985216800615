#include "protocol/reporttypes.h"

#include <QVector>

namespace ReportTypes {
namespace {

struct TypeCode
{
    int code;
    const char *name;
};

// Every report type the device knows.
constexpr TypeCode Codes[] = {
    {0, "Speech"},
    {1, "CID_PSTN"},
    {2, "QUENDRIX_PSTN"},
    {10, "CID Over IP"},
    {11, "SIA-CID Over IP"},
    {12, "SIA Over IP"},
    {13, "SIA-CID Over UDP"},
    {14, "SIA Over UDP"},
    {16, "CSV Over IP"},
    {17, "JSON"},
    {18, "XML"},
    {19, "MAN_XML"},
    {20, "SIA2-CID Over IP"},
    {21, "SIA2 Over IP"},
    {22, "SIA2-CID Over UDP"},
    {23, "SIA2 Over UDP"},
    {30, "SMS CID"},
    {31, "SMS Text"},
    {32, "SMS MPTP"},
    {33, "SMS SIA"},
    {34, "SMS PFIG"},
    {35, "SMS Speech"},
    {36, "SMS PASOS"},
};

// The lists in display order, as codes.
const QVector<int> &codesOf(List list)
{
    static const QVector<int> general {0, 11, 20, 12, 21, 13, 22, 14, 23, 18, 19, 30, 31, 36};
    static const QVector<int> pv {
        35, 0, 10, 11, 20, 12, 21, 13, 22, 14, 23, 16, 18, 19, 30, 31, 32, 34};
    static const QVector<int> bx {0, 17, 31};
    static const QVector<int> xa {0, 11, 16, 31, 32, 36};
    static const QVector<int> yd {0, 11, 20, 12, 21, 13, 22, 14, 23, 18, 30, 31, 34};
    switch (list) {
    case List::PV:
        return pv;
    case List::BX:
        return bx;
    case List::XA:
        return xa;
    case List::YD:
        return yd;
    case List::General:
        break;
    }
    return general;
}

QString nameOf(int code)
{
    for (const TypeCode &t : Codes)
        if (t.code == code)
            return QString::fromLatin1(t.name);
    return QString();
}

int codeOf(const QString &name)
{
    for (const TypeCode &t : Codes)
        if (name == QLatin1String(t.name))
            return t.code;
    return -1;
}

} // namespace

List listFor(const ModelFlags &m)
{
    const bool speechFamily = m.modelT47 || m.modelT37 || m.modelT35 || m.modelT9;
    if (speechFamily && m.variantPV)
        return List::PV;
    if (!speechFamily && !m.modelT6QX && !m.modelT6QXP9)
        return List::General;
    if (m.variantBX)
        return List::BX;
    if (m.variantXA)
        return List::XA;
    if (m.variantYD || m.variantHP || m.variantRK)
        return List::YD;
    return List::General;
}

QStringList names(List list)
{
    QStringList result;
    for (int code : codesOf(list))
        result << nameOf(code);
    return result;
}

int codeIn(List list, const QString &name)
{
    const int code = codeOf(name);
    return codesOf(list).contains(code) ? code : -1;
}

int indexOfCode(List list, int code) { return codesOf(list).indexOf(code); }

} // namespace ReportTypes
