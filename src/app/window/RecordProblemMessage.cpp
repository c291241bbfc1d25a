// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/RecordProblemMessage.h"

#include <QFile>

#include "app/prompts/RecordMessages.h"
#include "app/record/PlayerRecord.h"

namespace tilora {

std::optional<Message> RecordProblemMessage(const RecordProblem& problem)
{
    const QString file = QFile::decodeName(problem.file.c_str());
    const QString reason = QString::fromLocal8Bit(problem.reason.c_str());
    switch (problem.kind) {
    case RecordProblem::Kind::None:
        return std::nullopt;
    case RecordProblem::Kind::SetAside:
        return messages::RecordSetAside(file);
    case RecordProblem::Kind::CannotSetAside:
        return messages::RecordCannotSetAside(file);
    case RecordProblem::Kind::Newer:
        return messages::RecordNewer(file);
    case RecordProblem::Kind::Unreadable:
        return messages::RecordUnreadable(file, reason);
    case RecordProblem::Kind::CannotWrite:
        return messages::RecordCannotWrite(file, reason);
    }
    return std::nullopt;
}

void TellRecordProblems(PlayerRecord& record, Prompter& prompter, QWidget* owner)
{
    QObject::connect(
        &record, &PlayerRecord::problemFound, owner,
        [&record, &prompter, owner] {
            if (const auto message = RecordProblemMessage(record.Problem()))
                prompter.Ask(owner, *message);
        },
        Qt::QueuedConnection);
    QObject::connect(
        &record, &PlayerRecord::unreadLinesFound, owner,
        [&record, &prompter, owner] {
            prompter.Ask(owner, messages::RecordLinesKept(QFile::decodeName(record.File().c_str())));
        },
        Qt::QueuedConnection);
}

}  // namespace tilora
