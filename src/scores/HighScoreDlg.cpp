// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/HighScoreDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include <algorithm>
#include <cstddef>

#include "scores/ScoreValues.h"
#include "ui/DialogUnits.h"
#include "ui/LineEditAccessible.h"

namespace tilora {
namespace {

// Refuses an edit that would leave more than the name's 8 characters in the box, or a
// control character. Characters are counted as the score file counts them, whole code
// points: a character outside the basic plane is one character, though two UTF-16 units
// (which is what QLineEdit::setMaxLength would count).
class NameValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        const auto characters = std::count_if(input.cbegin(), input.cend(), [](QChar c) { return !c.isLowSurrogate(); });
        const bool control = std::any_of(input.cbegin(), input.cend(),
                                         [](QChar c) { return c.category() == QChar::Other_Control; });
        return characters > static_cast<std::ptrdiff_t>(kNameLength) || control ? Invalid : Acceptable;
    }
};

}  // namespace

CHighScoreDlg::CHighScoreDlg(QWidget* parent) : QDialog(parent)
{
    InstallLineEditAccessibility(*this);
    setObjectName(QStringLiteral("highScoreDialog"));
    setWindowTitle(tr("Tilora : High Score!"));
    setFont(DialogFont());
    setFixedSize(DluSize(156, 111));

    // In the order of the template, which is the tab order: the name box comes first.
    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    m_nameEdit->setGeometry(DluRect(44, 63, 67, 12));
    m_nameEdit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_nameEdit->setValidator(new NameValidator(m_nameEdit));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(DluRect(53, 91, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CHighScoreDlg::accept);

    auto* congratulations = new QLabel(tr("Congratulations!!\n\nHIGH SCORE!!"), this);
    congratulations->setObjectName(QStringLiteral("congratulationsText"));
    congratulations->setGeometry(DluRect(51, 8, 53, 25));
    congratulations->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto* prompt = new QLabel(tr("Please enter your name below"), this);
    prompt->setObjectName(QStringLiteral("promptText"));
    prompt->setGeometry(DluRect(30, 51, 96, 8));
    // The prompt names the name box for a screen reader.
    prompt->setBuddy(m_nameEdit);

    m_nameEdit->setFocus();
}

void CHighScoreDlg::accept()
{
    m_strName = m_nameEdit->text();
    QDialog::accept();
}

}  // namespace tilora
