// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/replay/ReplayDlg.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "app/boardview/BoardView.h"
#include "app/record/KeptGame.h"

namespace tilora {
namespace {

// The game's client area, whose board and thumbnail the replay draws.
constexpr QRect kSceneRect{0, 0, 437, 330};

QString GameLine(const KeptGame& game)
{
    const QString when =
        QLocale().toString(QDateTime::fromSecsSinceEpoch(game.finished).toLocalTime(), QLocale::ShortFormat);
    return (game.won ? CReplayDlg::tr("A %1 x %1 game won in %2 s with %3 moves, on %4.")
                     : CReplayDlg::tr("A %1 x %1 game given up after %2 s and %3 moves, on %4."))
        .arg(game.size)
        .arg(game.seconds)
        .arg(game.moves)
        .arg(when);
}

// The replay reads as a window of its own, as the game's window does, not as a dialog:
// Orca reads a dialog's title and text again with every news its board tells, and a
// window's only when it opens.
QAccessibleInterface* ReplayWindowInterface(const QString& className, QObject* object)
{
    if (className != QLatin1String(CReplayDlg::staticMetaObject.className()))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

void InstallReplayAccessibility()
{
    static const bool installed = (QAccessible::installFactory(ReplayWindowInterface), true);
    (void)installed;
}

QPushButton* AddButton(QHBoxLayout* row, const QString& text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

}  // namespace

CReplayDlg::CReplayDlg(const BoardView& like, RecordedGame recorded, const KeptGame& game, QWidget* parent,
                       ShortestSearch search)
    : QDialog(parent), m_played(recorded.moves), m_search(std::move(search))
{
    setObjectName(QStringLiteral("replayDialog"));
    setWindowTitle(tr("Replay"));
    InstallReplayAccessibility();
    m_replay = new Replay(std::move(recorded.start), std::move(recorded.moves), this);
    auto* layout = new QVBoxLayout(this);
    m_about = GameLine(game);
    auto* about = new QLabel(m_about, this);
    about->setWordWrap(true);
    layout->addWidget(about);

    m_view = new BoardView(like, m_replay->Shown(), this);
    m_view->setObjectName(QStringLiteral("replayBoard"));
    // The board has the keys, as in play, so that a screen reader hears each step as the
    // news of the board it is on; the arrows, Home, End and the page keys go through the
    // moves instead of sliding blocks (see eventFilter). The slider does the same.
    m_view->installEventFilter(this);
    m_view->setFixedSize(m_view->WindowScale().Rect(kSceneRect).size());
    connect(m_view, &BoardView::pictureFailed, this, [this] { m_view->SetPicture(false, 1); });
    layout->addWidget(m_view, 0, Qt::AlignHCenter);

    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("replaySlider"));
    m_slider->setAccessibleName(tr("Move"));
    m_slider->setRange(0, m_replay->Count());
    m_slider->setPageStep(10);
    layout->addWidget(m_slider);
    auto* figures = new QHBoxLayout;
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("replayCount"));
    m_clock = new QLabel(this);
    m_clock->setObjectName(QStringLiteral("replayClock"));
    // Named for what they are: a label named by its text is told to a screen reader at
    // every change, and Orca then reads the whole dialog again at every step. The slider
    // says the move, and the step's news what moved.
    m_count->setAccessibleName(tr("Move count"));
    m_clock->setAccessibleName(tr("Game clock"));
    figures->addWidget(m_count);
    figures->addStretch();
    figures->addWidget(m_clock);
    layout->addLayout(figures);

    auto* steps = new QHBoxLayout;
    QPushButton* first = AddButton(steps, tr("&Start"), "replayStart", this);
    QPushButton* back = AddButton(steps, tr("&Back"), "replayBack", this);
    m_play = AddButton(steps, tr("&Play"), "replayPlay", this);
    QPushButton* forward = AddButton(steps, tr("&Forward"), "replayForward", this);
    QPushButton* last = AddButton(steps, tr("&End"), "replayEnd", this);
    layout->addLayout(steps);
    // Through the slider, as the keys go: a move of one is a step, more is a jump.
    connect(first, &QPushButton::clicked, this, [this] { m_slider->setValue(0); });
    connect(back, &QPushButton::clicked, this, [this] { m_slider->setValue(m_replay->Position() - 1); });
    connect(m_play, &QPushButton::clicked, this, [this] { m_replay->Playing() ? m_replay->Stop() : m_replay->Play(); });
    connect(forward, &QPushButton::clicked, this, [this] { m_slider->setValue(m_replay->Position() + 1); });
    connect(last, &QPushButton::clicked, this, [this] { m_slider->setValue(m_replay->Count()); });

    auto* options = new QHBoxLayout;
    auto* paceLabel = new QLabel(tr("Spee&d:"), this);
    m_pace = new QComboBox(this);
    m_pace->setObjectName(QStringLiteral("replayPace"));
    m_pace->addItem(tr("As played"));
    m_pace->addItem(tr("Steady, 4 moves a second"));
    paceLabel->setBuddy(m_pace);
    connect(m_pace, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_replay->SetPace(index == 0 ? Replay::Pace::Real : Replay::Pace::Steady); });
    options->addWidget(paceLabel);
    options->addWidget(m_pace);
    options->addStretch();
    m_shortestButton = AddButton(options, tr("Show the Shortest &Way"), "replayShortest", this);
    // The hint's optimal search knows the fewest moves of the 4 x 4 board only.
    m_shortestButton->setVisible(m_replay->Start().GridSize() == 4);
    connect(m_shortestButton, &QPushButton::clicked, this, &CReplayDlg::OnShortestWay);
    layout->addLayout(options);
    m_way = new QLabel(this);
    m_way->setObjectName(QStringLiteral("replayWay"));
    m_way->setWordWrap(true);
    m_way->hide();
    layout->addWidget(m_way);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_slider, &QSlider::valueChanged, this, &CReplayDlg::OnSlider);
    connect(m_replay, &Replay::stepped, this, &CReplayDlg::OnStepped);
    connect(m_replay, &Replay::jumped, this, &CReplayDlg::OnJumped);
    connect(m_replay, &Replay::positionChanged, this, &CReplayDlg::OnPosition);
    connect(m_replay, &Replay::playingChanged, this, &CReplayDlg::OnPlaying);
    OnPosition(0);
    m_view->setFocus();
}

CReplayDlg::~CReplayDlg()
{
    m_worker.request_stop();
}

void CReplayDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Which game this is, said with the board's place once the board has the keys.
    if (!event->spontaneous())
        m_view->Announce(m_about);
}

void CReplayDlg::keyPressEvent(QKeyEvent* event)
{
    // Space plays and stops, wherever the keys are that do not take it themselves.
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        m_play->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool CReplayDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_view || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* keys = static_cast<QKeyEvent*>(event);
    if (keys->modifiers() != Qt::NoModifier)
        return false;
    const int position = m_replay->Position();
    switch (keys->key()) {
    case Qt::Key_Right: m_slider->setValue(position + 1); return true;
    case Qt::Key_Left: m_slider->setValue(position - 1); return true;
    case Qt::Key_Home: m_slider->setValue(0); return true;
    case Qt::Key_End: m_slider->setValue(m_replay->Count()); return true;
    case Qt::Key_PageDown: m_slider->setValue(position + m_slider->pageStep()); return true;
    case Qt::Key_PageUp: m_slider->setValue(position - m_slider->pageStep()); return true;
    case Qt::Key_Space: m_play->click(); return true;
    // The other arrows would slide blocks on a board in play.
    case Qt::Key_Up:
    case Qt::Key_Down: return true;
    default: return false;
    }
}

void CReplayDlg::OnStepped(CellPos from, CellPos to, bool hint)
{
    if (hint)
        m_view->LeadNextMove(QCoreApplication::translate("tilora::CPuzzleDlg", "Hint"));
    m_view->RedrawMove(from, to);
}

void CReplayDlg::OnJumped()
{
    m_view->EndSlide();
    m_view->update();
    m_view->Announce(tr("Move %1 of %2").arg(m_replay->Position()).arg(m_replay->Count()));
}

void CReplayDlg::OnPosition(int position)
{
    {
        const QSignalBlocker quiet(m_slider);
        m_slider->setMaximum(m_replay->Count());
        m_slider->setValue(position);
    }
    m_count->setText(tr("Move %1 of %2").arg(position).arg(m_replay->Count()));
    // The shortest way is no game played against the clock.
    m_clock->setText(ShowsShortestWay() ? QString() : tr("Time: %1 s").arg(m_replay->Seconds()));
}

void CReplayDlg::OnPlaying(bool playing)
{
    m_play->setText(playing ? tr("&Pause") : tr("&Play"));
}

void CReplayDlg::OnSlider(int value)
{
    // A step of one is a move, slid and told as in play; more is a jump.
    if (value == m_replay->Position() + 1)
        m_replay->Forward();
    else if (value == m_replay->Position() - 1)
        m_replay->Back();
    else
        m_replay->Seek(value);
}

std::optional<int> CReplayDlg::ShortestLength() const
{
    return m_shortest ? std::optional<int>(static_cast<int>(m_shortest->size())) : std::nullopt;
}

void CReplayDlg::OnShortestWay()
{
    if (m_searching)
        return;
    if (ShowsShortestWay()) {
        m_showingShortest = false;
        m_shortestButton->setText(tr("Show the Shortest &Way"));
        m_replay->SetMoves(m_played);
        return;
    }
    if (m_shortest) {
        OnShortestFound(m_shortest);
        return;
    }
    m_searching = true;
    m_shortestButton->setEnabled(false);
    m_way->setText(tr("Looking for the shortest way..."));
    m_way->show();
    m_view->Announce(m_way->text());
    // The search may first build the hint's tables: seconds of work, off this thread.
    m_worker = std::jthread([this, start = m_replay->Start(), search = m_search](std::stop_token stop) {
        std::optional<std::vector<game_trace::Move>> way;
        try {
            if (const auto cells = search(start, stop))
                way = WayAsMoves(start, *cells);
        } catch (const std::exception&) {
            // No way found: said as such.
        }
        if (!stop.stop_requested())
            QMetaObject::invokeMethod(this, [this, way] { OnShortestFound(way); }, Qt::QueuedConnection);
    });
}

void CReplayDlg::OnShortestFound(std::optional<std::vector<game_trace::Move>> way)
{
    m_searching = false;
    m_shortestButton->setEnabled(true);
    m_way->show();
    if (!way) {
        m_way->setText(tr("The shortest way could not be found."));
        m_view->Announce(m_way->text());
        return;
    }
    m_shortest = std::move(way);
    m_showingShortest = true;
    m_shortestButton->setText(tr("Show &Your Game"));
    m_way->setText(tr("The shortest way takes %1 moves; the game took %2.").arg(m_shortest->size()).arg(m_played.size()));
    m_replay->SetMoves(*m_shortest);
    m_view->Announce(m_way->text());
}

}  // namespace tilora
