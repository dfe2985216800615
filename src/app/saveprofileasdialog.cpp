#include "saveprofileasdialog.h"

#include <QEvent>

#include "newprofiledialog.h"
#include "ui_saveprofileasdialog.h"

SaveProfileAsDialog::SaveProfileAsDialog(const ProfileStore &store, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::SaveProfileAsDialog>()), store_(store)
{
    ui->setupUi(this);
    connect(ui->pushButton_ok, &QPushButton::clicked, this, &SaveProfileAsDialog::ClickedOK);
}

SaveProfileAsDialog::~SaveProfileAsDialog() = default;

void SaveProfileAsDialog::ClickedOK()
{
    const std::optional<QString> name =
        takeNewProfileName(this, ui->lineEdit_newProfileName, store_);
    if (!name)
        return;
    accept();
    emit saveProfileNameas(*name);
    ui->lineEdit_newProfileName->clear();
}

void SaveProfileAsDialog::on_pushButton_cancel_clicked()
{
    accept();
}

void SaveProfileAsDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
