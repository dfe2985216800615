// The profile bar: selector, Save, Save As, New, Manager, default profile.
#include <QLineEdit>
#include <QSignalBlocker>

#include "app/formbinder.h"
#include "app/messages.h"
#include "app/profiledialog.h"
#include "app/profilenamedialog.h"
#include "app/velomi.h"
#include "profiles/profileformat.h"
#include "profiles/profilestore.h"
#include "session/session.h"

namespace {
// The profile box's entry for the pages as they are (no file of that name).
QString currentSettingEntry() { return Velomi::tr("Current Setting"); }
QString profileManagerTitle() { return Velomi::tr("Profile Manager"); }
} // namespace

void Velomi::ensureDefaultProfile()
{
    const QByteArray bytes = ProfileFormat::write(pageIndex().valueWidgets(), pageValues());
    profileStore_->ensureDefault(module_, bytes);
    // When that fails the start-up warnings about the missing default follow.
}

// Profile files keep a colon only in report destinations; any other text is
// cut at its colon when the profile is loaded. Say so rather than lose it
// unnoticed.
void Velomi::warnAboutColons()
{
    QStringList cut;
    for (const WidgetRef &ref : pageIndex().valueWidgets()) {
        if (ref.kind != WidgetKind::LineEdit
            || ref.name.startsWith(QLatin1String("lineEdit_rpt_to_")))
            continue;
        if (findChild<QLineEdit *>(ref.name)->text().contains(QLatin1Char(':')))
            cut << ref.name;
    }
    if (!cut.isEmpty())
        Messages::warning(this,
            tr("The profile keeps these fields only up to their first \":\":\n%1")
                .arg(cut.join(QLatin1Char('\n'))),
            profileManagerTitle());
}

bool Velomi::writeProfile(const QString &name, QString *error)
{
    const QByteArray bytes = ProfileFormat::write(pageIndex().valueWidgets(), pageValues());
    const ProfileStore::Outcome outcome = profileStore_->save(module_, name, bytes);
    if (error)
        *error = outcome.error;
    if (outcome.ok)
        warnAboutColons();
    return outcome.ok;
}

void Velomi::loadProfileFile(const QString &name, bool isDefault)
{
    const ProfileStore::LoadResult result = profileStore_->load(module_, name);
    if (result.status == ProfileStore::LoadResult::NotFound) {
        if (isDefault)
            Messages::warning(this, tr("Cann't find the default file !"), profileManagerTitle());
        return;
    }
    if (!result.ok()) {
        Messages::warning(this, result.error, profileManagerTitle());
        return;
    }
    applyValues(ProfileFormat::read(result.bytes, pageIndex().valueWidgets()));
}

void Velomi::rebuildProfileList(bool withCurrentSetting)
{
    QStringList names = profileStore_->profileNames(module_);
    if (withCurrentSetting && !names.isEmpty())
        names.prepend(currentSettingEntry());
    // Rebuilding the list is not a choice of the user: load nothing.
    const QSignalBlocker block(comboBox_profile);
    comboBox_profile->clear();
    comboBox_profile->addItems(names);
}

void Velomi::onProfileSelected(const QString &text)
{
    if (session_->configurationRead() || profileLoading_)
        return;
    const QString current = comboBox_profile->currentText();
    if (current == currentSettingEntry() || text.isEmpty() || text == currentSettingEntry())
        return;
    {
        const QSignalBlocker block(comboBox_profile);
        const int i = comboBox_profile->findText(currentSettingEntry());
        if (i >= 0)
            comboBox_profile->removeItem(i);
    }
    const QString chosen = comboBox_profile->currentText();
    pushButton_saveProfile->setEnabled(
        chosen != ProfileStore::DefaultName && chosen != currentSettingEntry());
    if (profileStore_->load(module_, chosen).status != ProfileStore::LoadResult::NotFound)
        loadProfileFile(chosen, false);
    else if (text.contains(currentSettingEntry()) && session_->completedReads() == 0)
        session_->startRead();
}

void Velomi::on_comboBox_profile_currentIndexChanged(int index)
{
    onProfileSelected(comboBox_profile->itemText(index));
}

void Velomi::on_comboBox_profile_activated(int)
{
    session_->setConfigurationRead(false);
    onProfileSelected(comboBox_profile->currentText());
}

void Velomi::on_pushButton_save_default_Pconfig_clicked()
{
    QString error;
    if (!writeProfile(ProfileStore::DefaultName, &error))
        Messages::warning(this, error, profileManagerTitle());
}

void Velomi::on_pushButton_load_default_Pconfig_clicked()
{
    loadProfileFile(ProfileStore::DefaultName, true);
}

void Velomi::on_pushButton_saveProfile_clicked()
{
    const QString name = comboBox_profile->currentText();
    // "Current Setting" names the values just read, not a file: saving under
    // it would make a profile that can never be selected again.
    if (name.isEmpty() || name == currentSettingEntry()) {
        Messages::warning(
            this, tr("Cann't find the file ! \r\nPlease new Profile !"), profileManagerTitle());
        return;
    }
    QString error;
    if (writeProfile(name, &error))
        Messages::information(this, tr("Save file success!"), profileManagerTitle());
    else
        Messages::warning(this, error, profileManagerTitle());
}

void Velomi::on_pushButton_newProfile_clicked() { newProfileDialog_->show(); }
void Velomi::on_pushButton_saveProfileAs_clicked() { saveProfileAsDialog_->show(); }

void Velomi::on_pushButton_profileManager_clicked()
{
    profileDialog_->fillProfileTable();
    profileDialog_->show();
}

void Velomi::save_profile_as(const QString &name)
{
    QString error;
    if (!writeProfile(name, &error)) {
        Messages::warning(this, error, profileManagerTitle());
        return;
    }
    refresh_profilecomboBox(name);
}

void Velomi::save_new_profile(const QString &name)
{
    pushButton_saveProfile->setEnabled(true);
    on_pushButton_load_default_Pconfig_clicked();
    save_profile_as(name);
}

// After a save or a delete: only the list changes. The pages keep what the
// last read showed and the port box what the user chose.
void Velomi::refresh_profilecomboBox(const QString &name)
{
    const QString shown = comboBox_profile->currentText();
    rebuildProfileList(false);
    const QSignalBlocker block(comboBox_profile); // loading is decided here
    const auto select = [this](const QString &text) {
        const int i = comboBox_profile->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (i >= 0)
            comboBox_profile->setCurrentIndex(i);
        return i >= 0;
    };
    // The pages show the values just saved under `name`, or still those of
    // the entry shown; the values read from the device keep their entry.
    if (!select(name) && !select(shown)) {
        if (shown == currentSettingEntry()) {
            rebuildProfileList(true);
        } else if (comboBox_profile->count() > 0) {
            // The profile shown is gone: show the first and its values.
            comboBox_profile->setCurrentIndex(0);
            loadProfileFile(comboBox_profile->currentText(), false);
        }
    }
    const QString now = comboBox_profile->currentText();
    pushButton_saveProfile->setEnabled(
        now != ProfileStore::DefaultName && now != currentSettingEntry());
}
