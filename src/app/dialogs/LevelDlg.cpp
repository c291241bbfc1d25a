// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/LevelDlg.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <optional>

#include "app/prompts/Messages.h"
#include "app/prompts/Prompter.h"
#include "common/CrtNumbers.h"
#include "scores/ProfileStore.h"
#include "scores/ScoreKeys.h"
#include "ui/DialogUnits.h"
#include "ui/LineEditAccessible.h"

namespace tilora {
namespace {

constexpr int kLowest = 1;
constexpr int kHighest = 100;
// Milliseconds from the field's focus to its value's selection.
constexpr int kSelectDelay = 300;

// An integer entry as the dialog accepts it: blanks around an optional sign and digits.
std::optional<long long> ParseEntry(const QString& text)
{
    const QString trimmed = text.trimmed();
    int i = 0;
    if (i < trimmed.size() && (trimmed[i] == u'+' || trimmed[i] == u'-'))
        ++i;
    if (i == trimmed.size() || trimmed.size() - i > 12)
        return std::nullopt;
    for (int k = i; k < trimmed.size(); ++k)
        if (trimmed[k] < u'0' || trimmed[k] > u'9')
            return std::nullopt;
    return trimmed.toLongLong();
}

}  // namespace

CLevelDlg::CLevelDlg(const ProfileStore& scores, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_scores(scores), m_prompter(prompter)
{
    InstallLineEditAccessibility(*this);
    setObjectName(QStringLiteral("levelDialog"));
    setWindowTitle(tr("Tilora : Level of Difficulty"));
    setFont(DialogFont());
    setFixedSize(DluSize(167, 78));

    auto* group = new QGroupBox(tr("Please Choose Level of Difficulty(1 - 100)"), this);
    group->setGeometry(DluRect(7, 7, 153, 39));

    // The field is made with its value: setting it afterwards would tell a screen reader
    // of a change that it reads out late, before the dialog's name.
    m_nLevel = m_scores.GetInt(keys::kLevelSection, keys::kLevelKey, keys::kLevelDefault);
    m_edit = new QLineEdit(QString::number(m_nLevel), this);
    m_edit->setObjectName(QStringLiteral("levelEdit"));
    m_edit->setGeometry(DluRect(34, 24, 100, 12));
    // The group's prompt frames the field on screen; a screen reader is given a name and
    // the prompt with its range.
    m_edit->setAccessibleName(tr("Level of difficulty"));
    m_edit->setAccessibleDescription(group->title());

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(DluRect(59, 57, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CLevelDlg::accept);

    m_edit->setFocus();
    m_edit->installEventFilter(this);
}

bool CLevelDlg::eventFilter(QObject* watched, QEvent* event)
{
    // The value is selected, so that typing replaces it, a moment after the dialog is
    // active rather than when it shows: a screen reader handles a new selection ahead of
    // the dialog's opening, and would say the value before the dialog's and the field's
    // names. The dialog's own focus at its show selects the field at once: that selection
    // is undone before a screen reader asks for it. A value the player has begun to
    // type is left as it is.
    if (watched == m_edit && event->type() == QEvent::FocusIn && !m_bSelected) {
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::TabFocusReason) {
            QMetaObject::invokeMethod(m_edit, &QLineEdit::deselect, Qt::QueuedConnection);
        } else {
            m_bSelected = true;
            QTimer::singleShot(kSelectDelay, m_edit, [edit = m_edit] {
                if (!edit->isModified())
                    edit->selectAll();
            });
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CLevelDlg::accept()
{
    const auto entry = ParseEntry(m_edit->text());
    if (!entry || *entry < kLowest || *entry > kHighest) {
        m_prompter.Ask(this, entry ? messages::EnterIntegerBetween(kLowest, kHighest) : messages::EnterInteger());
        m_edit->setFocus();
        m_edit->selectAll();
        return;
    }
    m_nLevel = static_cast<int>(*entry);
    m_scores.WriteString(keys::kLevelSection, keys::kLevelKey, ItoA(m_nLevel));
    QDialog::accept();
}

}  // namespace tilora
