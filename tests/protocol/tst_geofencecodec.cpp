#include <QTest>

#include "protocol/geofencecodec.h"

using namespace GeoFenceCodec;

namespace {

// A supported version answer was read: every fence carries its number.
ModelFlags extended()
{
    ModelFlags m;
    m.supportedModel = m.modelT47 = m.modelT4 = true;
    return m;
}

FormValues circle(int fence, const QString &radius, bool disabled = false)
{
    FormValues v;
    v.setText(QString("lineEdit_lat_%1_0").arg(fence), "10.5");
    v.setText(QString("lineEdit_long_%1_0").arg(fence), "-20.25");
    v.setText(QString("lineEdit_radius_%1_0").arg(fence), radius);
    v.setChecked(QString("checkBox_geo_fence_%1_1").arg(fence), disabled);
    return v;
}

// Vertex k lies at latitude 10k+1, longitude 10k+2.
FormValues polygon(int fence, int vertices, bool disabled = false)
{
    FormValues v;
    v.setIndex(QString("comboBox_geo_vertex_%1_0").arg(fence), vertices == 4 ? 1 : 0);
    for (int k = 1; k <= 4; ++k) {
        v.setText(QString("lineEdit_lat_%1_%2").arg(fence).arg(k), QString::number(10 * k + 1));
        v.setText(QString("lineEdit_long_%1_%2").arg(fence).arg(k), QString::number(10 * k + 2));
    }
    v.setChecked(QString("checkBox_geo_fence_%1_2").arg(fence), disabled);
    return v;
}

QStringList inputs(const QStringList &patterns, int first, int last)
{
    QStringList names;
    for (int k = first; k <= last; ++k)
        for (const QString &p : patterns)
            names << p.arg(k);
    return names;
}
const QStringList RowPatterns {"lineEdit_lat_1_%1", "lineEdit_long_1_%1", "label_lat_1_%1",
    "label_long_1_%1", "label_lat_range_1_%1", "label_long_range_1_%1"};
const QStringList CircleInputs = inputs(RowPatterns, 0, 0)
    + QStringList {"lineEdit_radius_1_0", "label_radius_1_0", "label_radius_range_1_0"};
const QStringList PolygonInputs
    = inputs(RowPatterns, 1, 3) + QStringList {"comboBox_geo_vertex_1_0", "label_geo_vertex_1_0"};
const QStringList FourthRow = inputs(RowPatterns, 4, 4);

bool allAre(const WidgetStates &states, const QStringList &names, bool enabled)
{
    for (const QString &name : names)
        if (!states.contains(name) || states.value(name) != enabled)
            return false;
    return true;
}

} // namespace

class tst_GeoFenceCodec : public QObject
{
    Q_OBJECT
private slots:
    void fenceFrames()
    {
        const FormValues none;
        const struct
        {
            bool extendedFormat;
            int fence, page;
            FormValues values;
            const char *body;
        } cases[] = {
            {true, 2, 1, circle(2, "500"), "GEOFE:2,1,10.5,-20.25,500"},
            {false, 1, 1, circle(1, "500"), "GEOFE:1,10.5,-20.25,500"},
            {false, 2, 1, circle(2, "500"), "GEOFE:2,1,10.5,-20.25,500"},
            {false, 1, 1, circle(1, "9", true), "GEOFE:1,0"},
            {true, 3, 1, circle(3, "9", true), "GEOFE:3,0"},
            {true, 1, 0, none, "GEOFE:1,0,0,0,0"},
            {false, 1, 0, none, "GEOFE:0,0,0,0"},
            {false, 3, 0, none, "GEOFE:3,0,0,0,0"},
            {true, 1, 2, polygon(1, 3), "GEOFE:1,2,3,11,12,21,22,31,32,"},
            {true, 2, 2, polygon(2, 4), "GEOFE:2,2,4,11,12,21,22,31,32,41,42,"},
            {false, 1, 2, polygon(1, 3), "GEOFE:2,3,11,12,21,22,31,32,"},
            {true, 2, 2, polygon(2, 4, true), "GEOFE:2,0"},
        };
        for (const auto &c : cases) {
            const FenceWrite w = fenceBody(
                c.fence, c.page, c.values, c.extendedFormat ? extended() : ModelFlags());
            QVERIFY2(w.ok && w.corrections.isEmpty(), c.body);
            QCOMPARE(w.body, QString(c.body));
        }
        QVERIFY(!fenceBody(4, 1, circle(4, "500"), extended()).ok);
    }

    void radiusRangeAtWrite()
    {
        const struct
        {
            const char *radius;
            QString lastGood; // null: the field was never edited
            const char *message;
            QVariant correction;
        } cases[] = {
            {"200", "20", "", {}},
            {"10000", "1000", "", {}},
            {"199", "19", "Min 200 Meters!", "200"},
            {"10001", "1000", "Max 10000 Meters!", "1000"},
            {"", "5", "Min 200 Meters!", "200"},
            {"5x", "5", "Min 200 Meters!", "200"},
            {"99999999999999999999", "9999", "Max 10000 Meters!", "9999"},
            {"20000", QString(), "Max 10000 Meters!", {}},
        };
        for (const auto &c : cases) {
            const FenceWrite w = fenceBody(1, 1, circle(1, c.radius), extended(), c.lastGood);
            QCOMPARE(w.notice.text, QString(c.message));
            QCOMPARE(w.ok, w.notice.text.isEmpty());
            QCOMPARE(w.body, w.ok ? QString("GEOFE:1,1,10.5,-20.25,") + c.radius : QString());
            QCOMPARE(w.corrections.value("lineEdit_radius_1_0"), c.correction);
        }
    }

    void fieldChecks()
    {
        const struct
        {
            FieldCheck (*check)(const QString &);
            const char *text;
            bool ok;
            const char *message;
        } cases[] = {
            {checkLatitude, "", true, ""},
            {checkLatitude, "90", true, ""},
            {checkLatitude, "90.0", true, ""},
            {checkLatitude, "-90", true, ""},
            {checkLatitude, "12.123456", true, ""},
            {checkLatitude, "90.9", false, "-90 ~ 90"},
            {checkLatitude, "-91", false, "-90 ~ 90"},
            {checkLatitude, "12.1234567", false, "Decimal six!"},
            {checkLatitude, "12a", false, "Digits only!"},
            {checkLatitude, "1e1", false, "Digits only!"},
            {checkLatitude, "nan", false, "Digits only!"},
            {checkLongitude, "-180.0", true, ""},
            {checkLongitude, "91", true, ""},
            {checkLongitude, "-180.5", false, "-180 ~ 180"},
            {checkLongitude, "0.1234567", false, "Decimal six!"},
            {checkRadiusEdit, "", true, ""},
            {checkRadiusEdit, "20000", true, ""}, // the range is checked at write
            {checkRadiusEdit, "50.5", false, ""}, // refused silently
            {checkRadiusEdit, "-5", false, "Positive number only!"},
            {checkRadiusEdit, "+5", false, "Digits only!"},
        };
        for (const auto &c : cases) {
            const FieldCheck r = c.check(c.text);
            QVERIFY2(r.ok == c.ok, c.text);
            QCOMPARE(r.notice.text, QString(c.message));
        }
    }

    void decodeFence()
    {
        const struct
        {
            const char *fields;
            int page;
            bool disabled;
            int vertexIndex; // -1: not set
            const char *lat1, *long4;
        } cases[] = {
            {"1,0,0", 0, true, -1, "", ""},
            {"1,1,0,500,10.5,-20.25", 1, false, -1, "10.5", ""},
            {"1,0,1,500,10.5,-20.25", 1, true, -1, "10.5", ""},
            {"1,2,3,0,1,2,3,4,5,6", 2, false, 0, "1", ""},
            {"1,2,4,0,1,2,3,4,5,6,7,8", 2, false, 1, "1", "8"},
            {"1,0,3,0,1,2,3,4,5,6", 2, true, 0, "1", ""},
            {"1,0,4,0,1,2,3,4,5,6,7,8", 2, true, 1, "1", "8"},
        };
        for (const auto &c : cases) {
            const QString received = QString("<OK> GEOFE?:%1;\r\n").arg(c.fields);
            const FormValues v = GeoFenceCodec::decodeFence(received, extended()).values;
            QVERIFY2(v.value("comboBox_geo_type_1_0") == c.page, c.fields);
            QVERIFY2(v.value("stackedWidget_G1") == c.page, c.fields);
            QVERIFY2(v.value("checkBox_geo_fence_1_1") == c.disabled, c.fields);
            QVERIFY2(v.value("checkBox_geo_fence_1_2") == c.disabled, c.fields);
            QVERIFY2(v.value("comboBox_geo_vertex_1_0")
                    == (c.vertexIndex < 0 ? QVariant() : c.vertexIndex),
                c.fields);
            QCOMPARE(v.text("lineEdit_lat_1_1"), QString(c.lat1));
            QCOMPARE(v.text("lineEdit_long_1_4"), QString(c.long4));
            if (c.page == 1)
                QVERIFY(v.text("lineEdit_radius_1_0") == "500"
                    && v.text("lineEdit_long_1_0") == "-20.25");
            // The page shows what the answer says, enabled or not.
            const WidgetStates s = fenceEnabling(1, v);
            QVERIFY2(allAre(s, CircleInputs + PolygonInputs, !c.disabled), c.fields);
            QVERIFY2(allAre(s, FourthRow, !c.disabled && c.vertexIndex == 1), c.fields);
        }
    }

    void decodeIgnoresWhatItCannotPlace()
    {
        for (const char *fence : {"0", "4", "", "01", "x"}) {
            const DecodeResult r = GeoFenceCodec::decodeFence(
                QString("<OK> GEOFE?:%1,1,0,500,1,2;\r\n").arg(fence), extended());
            QVERIFY2(r.values.isEmpty() && r.notices.isEmpty(), fence);
        }
        const QString answer = "<OK> GEOFE?:2,1,0,500,1,2;\r\n";
        const DecodeResult single = GeoFenceCodec::decodeFence(answer, ModelFlags());
        QVERIFY(single.values.isEmpty());
        QCOMPARE(single.notices.value(0).text,
            QString("Version T37, T6_QX, T6_QX_P9, T35, T9 or T2 ?? GeoFence Format Error!"));
        ModelFlags base;
        base.baseStation = true;
        const DecodeResult fromBase = GeoFenceCodec::decodeFence(answer, base);
        QVERIFY(fromBase.values.isEmpty() && fromBase.notices.isEmpty());
    }

    void enablingRules()
    {
        const struct
        {
            bool circleBox, polygonBox;
            int vertexIndex;
            bool fourthRow;
        } cases[] = {{false, false, 0, false}, {false, false, 1, true}, {true, false, 1, true},
            {false, true, 1, false}, {false, true, 0, false}};
        for (const auto &c : cases) {
            FormValues v;
            v.setChecked("checkBox_geo_fence_1_1", c.circleBox);
            v.setChecked("checkBox_geo_fence_1_2", c.polygonBox);
            v.setIndex("comboBox_geo_vertex_1_0", c.vertexIndex);
            const WidgetStates s = fenceEnabling(1, v);
            QVERIFY(allAre(s, CircleInputs, !c.circleBox));
            QVERIFY(allAre(s, PolygonInputs, !c.polygonBox));
            QVERIFY(allAre(s, FourthRow, c.fourthRow));
            QCOMPARE(s.size(), CircleInputs.size() + PolygonInputs.size() + FourthRow.size());
        }
    }

    void forbiddenZone()
    {
        const struct
        {
            const char *value;
            const char *caption; // "": captions left alone
            int index;
        } cases[] = {{"1", "Forbidden-zone:", 1}, {"0", "Geo-fence:", 0}, {"5", "", 0}};
        for (const auto &c : cases) {
            const FormValues v = decodeForbidden(c.value);
            QCOMPARE(v.index("comboBox_forbidden_zone"), c.index);
            for (const char *label : {"label_GF_1", "label_GF_2", "label_GF_3"})
                QCOMPARE(v.value(label), *c.caption ? QVariant(c.caption) : QVariant());
            QCOMPARE(forbiddenBody(v), QString("FORBID:%1;").arg(c.index));
        }
    }
};

QTEST_APPLESS_MAIN(tst_GeoFenceCodec)
#include "tst_geofencecodec.moc"
