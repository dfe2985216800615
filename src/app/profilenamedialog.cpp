#include "app/profilenamedialog.h"

#include <QEvent>

#include "app/messages.h"
#include "ui_profilenamedialog.h"

namespace {

// What tells the two dialogs apart, by purpose.
const struct
{
    const char *objectName;
    const char *title;
    const char *prompt;
} PurposeTexts[] = {
    {"NewProfileDialog", QT_TRANSLATE_NOOP("ProfileNameDialog", "New Profile"),
        QT_TRANSLATE_NOOP("ProfileNameDialog", "New Profile name")},
    {"SaveProfileAsDialog", QT_TRANSLATE_NOOP("ProfileNameDialog", "Save Profile As"),
        QT_TRANSLATE_NOOP("ProfileNameDialog", "Save Profile As ...")},
};

} // namespace

ProfileNameDialog::ProfileNameDialog(Purpose purpose, const ProfileStore &store, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::ProfileNameDialog>()), purpose_(purpose),
      store_(store)
{
    setObjectName(QString::fromLatin1(PurposeTexts[purpose_].objectName));
    ui->setupUi(this);
    showPurposeTexts();
    connect(ui->pushButton_ok, &QPushButton::clicked, this, &ProfileNameDialog::ClickedOK);
}

ProfileNameDialog::~ProfileNameDialog() = default;

void ProfileNameDialog::showPurposeTexts()
{
    setWindowTitle(tr(PurposeTexts[purpose_].title));
    ui->label_port->setText(tr(PurposeTexts[purpose_].prompt));
}

// The typed name when it may name a new profile. Otherwise the reason is
// shown in a "File name" box and the dialog stays open; a name some module
// already uses is also cleared from the field.
void ProfileNameDialog::ClickedOK()
{
    const QString fileNameTitle = tr("File name");
    const QString name = ui->lineEdit_newProfileName->text();
    const QString problem = ProfileStore::checkName(name);
    if (!problem.isEmpty()) {
        Messages::warning(this, problem, fileNameTitle);
        return;
    }
    if (store_.isNameUsed(name)) {
        Messages::warning(this, tr("File name has been used!"), fileNameTitle);
        ui->lineEdit_newProfileName->clear();
        return;
    }
    accept();
    if (purpose_ == NewProfile)
        emit newProfileName(name);
    else
        emit saveProfileNameas(name);
    ui->lineEdit_newProfileName->clear();
}

void ProfileNameDialog::on_pushButton_cancel_clicked() { accept(); }

void ProfileNameDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        showPurposeTexts();
    }
}
