// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/LevelDlg.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <optional>

#include "app/prompts/Messages.h"
#include "app/prompts/Prompter.h"
#include "common/CrtNumbers.h"
#include "scores/ProfileStore.h"
#include "scores/ScoreKeys.h"
#include "ui/DialogUnits.h"

namespace tilora {
namespace {

constexpr int kLowest = 1;
constexpr int kHighest = 100;

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
    setObjectName(QStringLiteral("levelDialog"));
    setWindowTitle(tr("Tilora : Level of Difficulty"));
    setFont(DialogFont());
    setFixedSize(DluSize(167, 78));

    auto* group = new QGroupBox(tr("Please Choose Level of Difficulty(1 - 100)"), this);
    group->setGeometry(DluRect(7, 7, 153, 39));

    m_edit = new QLineEdit(this);
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

    m_nLevel = m_scores.GetInt(keys::kLevelSection, keys::kLevelKey, keys::kLevelDefault);
    m_edit->setText(QString::number(m_nLevel));
    m_edit->selectAll();
    m_edit->setFocus();
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
