// Help > Language: the choice is kept in the window settings and applies at
// the next start. Changing it at once would run the form's retranslateUi,
// which re-sets the texts and item lists the window set after a read.
#include <QActionGroup>
#include <QMenu>

#include "app/language.h"
#include "app/messages.h"
#include "app/velomi.h"

void Velomi::setupLanguageMenu()
{
    // Each language named in itself, so a user lost in a wrong one finds theirs.
    static const struct
    {
        const char *code;
        const char *name;
    } choices[] = {
        {"", QT_TR_NOOP("System default")},
        {"en", "English"},
        {"de", "Deutsch"},
        {"fr", "Fran\u00e7ais"},
        {"nl", "Nederlands"},
    };
    QMenu *menu = new QMenu(tr("&Language"), menuHelp);
    menu->setObjectName(QStringLiteral("menuLanguage"));
    menuHelp->insertMenu(actionAbout, menu);
    auto *group = new QActionGroup(menu);
    const QString saved = Language::savedChoice();
    for (const auto &choice : choices) {
        const QString code = QLatin1String(choice.code);
        QAction *action
            = menu->addAction(code.isEmpty() ? tr(choice.name) : QString::fromUtf8(choice.name));
        action->setObjectName(QStringLiteral("actionLanguage_") + code);
        action->setCheckable(true);
        action->setChecked(
            code == saved || (code.isEmpty() && !Language::knownCodes().contains(saved)));
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] {
            if (code == Language::savedChoice())
                return;
            Language::saveChoice(code);
            showInformation(tr("The language changes when the tool is started again."));
        });
    }
}
