#include "newprofiledialog.h"

#include <QEvent>

#include "messages.h"
#include "ui_newprofiledialog.h"

std::optional<QString> takeNewProfileName(QWidget *dialog, QLineEdit *edit,
                                          const ProfileStore &store)
{
    const QString fileNameTitle = QStringLiteral("File name");
    const QString name = edit->text();
    const QString problem = ProfileStore::checkName(name);
    if (!problem.isEmpty()) {
        Messages::warning(dialog, problem, fileNameTitle);
        return std::nullopt;
    }
    if (store.isNameUsed(name)) {
        Messages::warning(dialog, QStringLiteral("File name has been used!"), fileNameTitle);
        edit->clear();
        return std::nullopt;
    }
    return name;
}

NewProfileDialog::NewProfileDialog(const ProfileStore &store, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::NewProfileDialog>()), store_(store)
{
    ui->setupUi(this);
    connect(ui->pushButton_ok, &QPushButton::clicked, this, &NewProfileDialog::ClickedOK);
}

NewProfileDialog::~NewProfileDialog() = default;

void NewProfileDialog::ClickedOK()
{
    const std::optional<QString> name =
        takeNewProfileName(this, ui->lineEdit_newProfileName, store_);
    if (!name)
        return;
    accept();
    emit newProfileName(*name);
    ui->lineEdit_newProfileName->clear();
}

void NewProfileDialog::on_pushButton_cancel_clicked()
{
    accept();
}

void NewProfileDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
