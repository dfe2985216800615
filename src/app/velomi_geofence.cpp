// The Geo-fence page: writers, field checks and the enabling rules.
#include <QComboBox>
#include <QLineEdit>
#include <QStackedWidget>

#include "app/formbinder.h"
#include "app/messages.h"
#include "app/velomi.h"
#include "protocol/geofencecodec.h"
#include "protocol/widgetnames.h"
#include "session/session.h"

void Velomi::connectGeoFenceFields()
{
    // Fifteen latitude and fifteen longitude fields share one check.
    for (int fence = 1; fence <= WidgetNames::FenceCount; ++fence) {
        for (int vertex = 0; vertex <= WidgetNames::FenceVertexCount; ++vertex) {
            for (bool latitude : {true, false}) {
                const QString name = latitude ? WidgetNames::fenceLatitude(fence, vertex)
                                              : WidgetNames::fenceLongitude(fence, vertex);
                if (auto *field = findChild<QLineEdit *>(name))
                    connect(field, &QLineEdit::editingFinished, this,
                        [this, field, latitude] { checkCoordinate(field, latitude); });
            }
        }
        lastGoodRadius_[fence - 1]
            = findChild<QLineEdit *>(WidgetNames::fenceRadius(fence))->text();
    }
}

void Velomi::checkCoordinate(QLineEdit *field, bool latitude)
{
    const auto check = latitude ? GeoFenceCodec::checkLatitude(field->text())
                                : GeoFenceCodec::checkLongitude(field->text());
    if (check.ok)
        return;
    field->clear();
    Messages::show(this, check.notice);
}

void Velomi::checkRadiusEdit(int fence, const QString &text)
{
    auto *field = findChild<QLineEdit *>(WidgetNames::fenceRadius(fence));
    const auto check = GeoFenceCodec::checkRadiusEdit(text);
    if (check.ok) {
        previousRadius_[fence - 1] = lastGoodRadius_[fence - 1];
        lastGoodRadius_[fence - 1] = text;
        return;
    }
    // Undo the edit: back to the last text that passed.
    const QSignalBlocker block(field);
    field->setText(lastGoodRadius_[fence - 1]);
    Messages::show(this, check.notice);
}

void Velomi::refreshFenceEnabling(int fence) { refreshFenceEnabling(fence, pageValues()); }

void Velomi::refreshFenceEnabling(int fence, const FormValues &page)
{
    windowIndex().setEnabled(GeoFenceCodec::fenceEnabling(fence, page));
}

void Velomi::onGeoTypeChanged(int fence, int index)
{
    if (index >= 0)
        findChild<QStackedWidget *>(WidgetNames::fenceStack(fence))->setCurrentIndex(index);
    refreshFenceEnabling(fence);
}

static int fenceType(const QWidget *window, int fence)
{
    return window->findChild<QComboBox *>(WidgetNames::fenceType(fence))->currentIndex();
}

void Velomi::send_geo_fence_cmd_G1() { session_->writeFence(1, fenceType(this, 1)); }
void Velomi::send_geo_fence_cmd_G2() { session_->writeFence(2, fenceType(this, 2)); }
void Velomi::send_geo_fence_cmd_G3() { session_->writeFence(3, fenceType(this, 3)); }

void Velomi::on_pushButton_geo_fence_1_0_clicked() { session_->writeFence(1, 0); }
void Velomi::on_pushButton_geo_fence_1_1_clicked() { session_->writeFence(1, 1); }
void Velomi::on_pushButton_geo_fence_1_2_clicked() { session_->writeFence(1, 2); }
void Velomi::on_pushButton_geo_fence_2_0_clicked() { session_->writeFence(2, 0); }
void Velomi::on_pushButton_geo_fence_2_1_clicked() { session_->writeFence(2, 1); }
void Velomi::on_pushButton_geo_fence_2_2_clicked() { session_->writeFence(2, 2); }
void Velomi::on_pushButton_geo_fence_3_0_clicked() { session_->writeFence(3, 0); }
void Velomi::on_pushButton_geo_fence_3_1_clicked() { session_->writeFence(3, 1); }
void Velomi::on_pushButton_geo_fence_3_2_clicked() { session_->writeFence(3, 2); }
void Velomi::on_pushButtonSet_forbidden_zone_clicked() { session_->writeForbiddenZone(); }

void Velomi::on_comboBox_geo_type_1_0_currentIndexChanged(int index) { onGeoTypeChanged(1, index); }
void Velomi::on_comboBox_geo_type_2_0_currentIndexChanged(int index) { onGeoTypeChanged(2, index); }
void Velomi::on_comboBox_geo_type_3_0_currentIndexChanged(int index) { onGeoTypeChanged(3, index); }
void Velomi::on_comboBox_geo_vertex_1_0_currentIndexChanged(int) { refreshFenceEnabling(1); }
void Velomi::on_comboBox_geo_vertex_2_0_currentIndexChanged(int) { refreshFenceEnabling(2); }
void Velomi::on_comboBox_geo_vertex_3_0_currentIndexChanged(int) { refreshFenceEnabling(3); }
void Velomi::on_checkBox_geo_fence_1_1_clicked(bool) { refreshFenceEnabling(1); }
void Velomi::on_checkBox_geo_fence_1_2_clicked(bool) { refreshFenceEnabling(1); }
void Velomi::on_checkBox_geo_fence_2_1_clicked(bool) { refreshFenceEnabling(2); }
void Velomi::on_checkBox_geo_fence_2_2_clicked(bool) { refreshFenceEnabling(2); }
void Velomi::on_checkBox_geo_fence_3_1_clicked(bool) { refreshFenceEnabling(3); }
void Velomi::on_checkBox_geo_fence_3_2_clicked(bool) { refreshFenceEnabling(3); }
void Velomi::on_lineEdit_radius_1_0_textChanged(const QString &text) { checkRadiusEdit(1, text); }
void Velomi::on_lineEdit_radius_2_0_textChanged(const QString &text) { checkRadiusEdit(2, text); }
void Velomi::on_lineEdit_radius_3_0_textChanged(const QString &text) { checkRadiusEdit(3, text); }
