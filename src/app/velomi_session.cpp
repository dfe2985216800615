// What the session reports, shown in the window.
#include <QComboBox>
#include <QTableWidgetItem>

#include "app/formbinder.h"
#include "app/messages.h"
#include "app/velomi.h"
#include "protocol/modeldetect.h"
#include "protocol/settingscodec.h"
#include "protocol/widgetnames.h"
#include "session/session.h"

void Velomi::connectSession()
{
    session_->setFormSource([this] { return pageValues(); });
    session_->setRadiusUndoSource([this](int fence) {
        return fence >= 1 && fence <= WidgetNames::FenceCount ? previousRadius_[fence - 1]
                                                              : QString();
    });
    connect(session_, &Session::logLine, this, &Velomi::appendLog);
    connect(session_, &Session::noticeRaised, this,
        [this](const Notice &notice) { Messages::show(this, notice); });
    connect(session_, &Session::valuesDecoded, this, &Velomi::applyValues);
    connect(session_, &Session::modelDetected, this, &Velomi::onModelDetected);
    connect(session_, &Session::pagesLocked, this,
        [this](bool locked) { tabWidget_velomi->setEnabled(!locked); });
    connect(session_, &Session::reportTypesLocked, this, [this](bool locked) {
        for (int row = 1; row <= WidgetNames::ReportRowCount; ++row)
            findChild<QWidget *>(WidgetNames::reportType(row))->setEnabled(!locked);
    });
    // While the device restarts the port and the command areas wait; its end
    // also frees the firmware button for the next image.
    connect(session_, &Session::restartingChanged, this, [this](bool restarting) {
        widget_Com->setEnabled(!restarting);
        widget_phone->setEnabled(!restarting);
        if (!restarting)
            pushButton_getFile->setEnabled(true);
    });
    // Loading an image locked the command area; an exchange that ends without
    // a restart gives it back.
    connect(session_, &Session::upgradingChanged, this, [this](bool upgrading) {
        if (upgrading || session_->isRestarting())
            return;
        widget_Com->setEnabled(true);
        widget_phone->setEnabled(true);
    });
    connect(session_, &Session::progressChanged, this, [this](int percent) {
        progressBar->setEnabled(true);
        // A progress bar repaints at once when its value changes; painted
        // with the rest of the window it no longer holds up the next command.
        progressBar->setUpdatesEnabled(false);
        progressBar->setValue(percent);
        progressBar->setUpdatesEnabled(true);
    });
    connect(session_, &Session::sensorsListed, this, &Velomi::onSensorsListed);
    connect(session_, &Session::variantPagesRequested, this, &Velomi::onVariantPages);
    connect(session_, &Session::readFinished, this, [this] { rebuildProfileList(true); });
    connect(session_, &Session::closePortRequested, this, [this] {
        on_pushButtonClose_clicked();
        widget_Com->setEnabled(false);
        widget_phone->setEnabled(false);
        tabWidget_velomi->setEnabled(false);
    });
    connect(session_, &Session::reopenPortRequested, this, &Velomi::reopenAfterRestart);
    connect(session_, &Session::elapsedTextChanged, this, [this](const QString &text) {
        label_sec_total->show();
        label_sec_total->setText(text);
    });
}

void Velomi::onModelDetected(const ModelFlags &model)
{
    comboBox_panelType->setCurrentIndex(0);
    setWindowTitle(windowTitleFor(model));
    windowIndex().setVisible(layoutVisibility(model));
    if (model.supportedModel) {
        loadReportTypes(model);
        comboBox_rf_gps_action->setEnabled(
            SettingsCodec::rfGpsActionEnabled(comboBox_rf_gps_ignore->currentIndex()));
        for (int row = 1; row <= WidgetNames::ReportRowCount; ++row)
            findChild<QLineEdit *>(WidgetNames::reportDestination(row))
                ->setMaxLength(ReportDestinationMaxLength);
    }
}

void Velomi::onSensorsListed(const QList<SensorCodec::SensorRow> &rows)
{
    tableWidget_dev->clearContents();
    tableWidget_dev->setRowCount(0);
    for (const auto &row : rows) {
        const int r = tableWidget_dev->rowCount();
        tableWidget_dev->insertRow(r);
        auto *zone = new QTableWidgetItem(row.zone);
        auto *type = new QTableWidgetItem(row.typeName);
        zone->setTextAlignment(Qt::AlignCenter);
        type->setTextAlignment(Qt::AlignCenter);
        tableWidget_dev->setItem(r, 0, zone);
        tableWidget_dev->setItem(r, 1, type);
    }
}

void Velomi::onVariantPages(bool informationTab, bool mobilityTab)
{
    if (informationTab) {
        pushButton_OMADM_start->show();
        pushButton_OMADM_end->show();
        if (tabWidget_velomi->indexOf(tab_information) < 0)
            tabWidget_velomi->insertTab(
                0, tab_information, QCoreApplication::translate("ZAROraz", "Information"));
        tabWidget_velomi->setCurrentIndex(0);
    }
    if (mobilityTab) {
        if (tabWidget_velomi->indexOf(tab_mobility) < 0)
            tabWidget_velomi->insertTab(
                2, tab_mobility, QCoreApplication::translate("ZAROraz", "Mobility"));
        tabWidget_velomi->setCurrentIndex(0);
    }
}
