// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/BestScoresDlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "scores/BestScores.h"
#include "scores/ScoreKeys.h"
#include "ui/BuiltInImage.h"
#include "ui/DialogUnits.h"
#include "ui/LineEditAccessible.h"

namespace tilora {
namespace {

// The program's icon: the 32-pixel image of its resources when they are linked in, else
// whatever icon the application has been given.
QPixmap ProgramIcon()
{
    const QString resource = QStringLiteral(":/tilora/icons/tilora-32.png");
    if (QFile::exists(resource))
        return QPixmap::fromImage(ReadBuiltInPng(resource));
    return QApplication::windowIcon().pixmap(32, 32);
}

QLabel* AddIcon(QWidget* parent, const QString& objectName, int x)
{
    auto* icon = new QLabel(parent);
    icon->setObjectName(objectName);
    icon->setGeometry(DluRect(x, 20, 21, 20));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    icon->setPixmap(ProgramIcon());
    return icon;
}

QLabel* AddText(QWidget* parent, const QString& text, QRect rect)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(rect);
    return label;
}

QLabel* AddHeading(QWidget* parent, const QString& text, const QString& objectName, int x, int y)
{
    QLabel* heading = AddText(parent, text, DluRect(x, y, 67, 12));
    heading->setObjectName(objectName);
    heading->setAlignment(Qt::AlignCenter);
    heading->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return heading;
}

// Where each row's fields stand, top to bottom; the 4 x 4 level field sits one unit higher.
constexpr int kRowY[4] = {95, 113, 131, 148};
constexpr int kFirstLevelY = 94;
constexpr int kNameX = 15;
constexpr int kScoreX = 88;
constexpr int kLevelX = 161;

}  // namespace

CBestScoresDlg::CBestScoresDlg(const ProfileStore& scores, QWidget* parent) : QDialog(parent), m_scores(scores)
{
    InstallLineEditAccessibility(*this);
    setObjectName(QStringLiteral("bestScoresDialog"));
    setWindowTitle(tr("Tilora:  Best Scores"));
    setFont(DialogFont());
    setFixedSize(DluSize(281, 198));

    BuildHeader();
    BuildTable();
    OnInitDialog();
}

// The controls are made in the order of the template, so that the focus moves among the
// buttons and fields in that order: OK, the first two rows' names and scores, the third
// row, Reset Scores, then the level fields and the last row.
void CBestScoresDlg::BuildHeader()
{
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(DluRect(82, 174, 50, 17));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CBestScoresDlg::accept);
    ok->setFocus();  // the first control with a tab stop

    AddText(this, tr("Best Scores"), DluRect(120, 21, 41, 9))->setObjectName(QStringLiteral("titleText"));
    AddIcon(this, QStringLiteral("leftIcon"), 49);
    AddIcon(this, QStringLiteral("rightIcon"), 223);
    AddText(this, tr("Hall of Fame"), DluRect(120, 33, 40, 8))->setObjectName(QStringLiteral("subtitleText"));
}

void CBestScoresDlg::BuildTable()
{
    m_names[0] = AddField(QStringLiteral("name4"), kNameX, kRowY[0]);
    m_scoresShown[0] = AddField(QStringLiteral("score4"), kScoreX, kRowY[0]);
    AddHeading(this, tr("Name"), QStringLiteral("nameHeading"), kNameX, 69);
    AddHeading(this, tr("Score"), QStringLiteral("scoreHeading"), kScoreX, 69);
    for (int row = 1; row < 3; ++row) {
        const QString grid = QString::number(keys::kGridSizes[row]);
        m_names[row] = AddField(QStringLiteral("name") + grid, kNameX, kRowY[row]);
        m_scoresShown[row] = AddField(QStringLiteral("score") + grid, kScoreX, kRowY[row]);
    }

    auto* reset = new QPushButton(tr("&Reset Scores"), this);
    reset->setObjectName(QStringLiteral("resetButton"));
    reset->setGeometry(DluRect(148, 174, 50, 17));
    connect(reset, &QPushButton::clicked, this, &CBestScoresDlg::OnResetScores);

    // Group boxes stand behind the controls they frame.
    auto* titleBox = new QGroupBox(QStringLiteral("Tilora"), this);
    titleBox->setObjectName(QStringLiteral("titleBox"));
    titleBox->setGeometry(DluRect(7, 7, 267, 45));
    titleBox->lower();
    auto* tableBox = new QGroupBox(this);
    tableBox->setObjectName(QStringLiteral("tableBox"));
    tableBox->setGeometry(DluRect(7, 60, 267, 110));
    tableBox->lower();

    m_levels[0] = AddField(QStringLiteral("level4"), kLevelX, kFirstLevelY);
    AddHeading(this, tr("Level"), QStringLiteral("levelHeading"), kLevelX, 68);
    m_levels[1] = AddField(QStringLiteral("level5"), kLevelX, kRowY[1]);
    m_levels[2] = AddField(QStringLiteral("level8"), kLevelX, kRowY[2]);
    m_names[3] = AddField(QStringLiteral("name10"), kNameX, kRowY[3]);
    m_scoresShown[3] = AddField(QStringLiteral("score10"), kScoreX, kRowY[3]);
    m_levels[3] = AddField(QStringLiteral("level10"), kLevelX, kRowY[3]);

    const std::array<QString, 4> rows{QStringLiteral("4 x 4"), QStringLiteral("5 x 5"), QStringLiteral("8 x 8"),
                                      QStringLiteral("10 x 10")};
    AddText(this, rows[0], DluRect(240, 96, 16, 8))->setObjectName(QStringLiteral("rowLabel4"));
    AddText(this, rows[1], DluRect(240, 115, 16, 8))->setObjectName(QStringLiteral("rowLabel5"));
    AddText(this, rows[2], DluRect(240, 133, 16, 8))->setObjectName(QStringLiteral("rowLabel8"));
    AddText(this, rows[3], DluRect(240, 150, 24, 8))->setObjectName(QStringLiteral("rowLabel10"));
    // A screen reader sees neither the headings above a field nor the size beside it: each
    // field is named after both.
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const auto name = [&](const QString& heading) { return QStringLiteral("%1, %2").arg(heading, rows[row]); };
        m_names[row]->setAccessibleName(name(tr("Name")));
        m_scoresShown[row]->setAccessibleName(name(tr("Score in seconds")));
        m_levels[row]->setAccessibleName(name(tr("Level")));
    }
    // Tab goes along the table row by row, each row's name, score and level, then to the
    // buttons; the template's own order put the levels after Reset Scores.
    QWidget* previous = findChild<QPushButton*>(QStringLiteral("okButton"));
    for (std::size_t row = 0; row < rows.size(); ++row)
        for (QWidget* field : {m_names[row], m_scoresShown[row], m_levels[row]}) {
            setTabOrder(previous, field);
            previous = field;
        }
    setTabOrder(previous, reset);
}

// A read-only field of the table: centred text, a sunken frame, and a tab stop, so that a
// value longer than the field can be scrolled through.
QLineEdit* CBestScoresDlg::AddField(const QString& objectName, int x, int y)
{
    auto* field = new QLineEdit(this);
    field->setObjectName(objectName);
    field->setGeometry(DluRect(x, y, 68, 12));
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignCenter);
    field->setFocusPolicy(Qt::StrongFocus);
    return field;
}

void CBestScoresDlg::OnInitDialog()
{
    const BestScoreTable table = ReadBestScores(m_scores);
    for (std::size_t row = 0; row < table.size(); ++row) {
        m_names[row]->setText(QString::fromStdString(table[row].name));
        m_scoresShown[row]->setText(QString::fromStdString(table[row].score));
        m_levels[row]->setText(QString::fromStdString(table[row].level));
        // Show each value from its start, as a freshly filled edit box does.
        for (QLineEdit* field : {m_names[row], m_scoresShown[row], m_levels[row]})
            field->setCursorPosition(0);
    }
}

void CBestScoresDlg::OnResetScores()
{
    ResetBestScores(m_scores);
    OnInitDialog();
}

void CBestScoresDlg::closeEvent(QCloseEvent* event)
{
    accept();
    event->accept();
}

}  // namespace tilora
