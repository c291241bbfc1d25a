// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup/AfterFirstPaint.h"

#include <QEvent>
#include <QMetaObject>
#include <QWidget>

namespace tilora {
namespace {

// Watches the widget's paints; owned by the widget, it goes once its work is done.
class FirstPaintWatch final : public QObject {
public:
    FirstPaintWatch(QWidget& widget, std::function<void()> work) : QObject(&widget), m_work(std::move(work))
    {
        widget.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            watched->removeEventFilter(this);
            // After the paint, not inside it: the work may itself ask for paints.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_work();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> m_work;
    bool m_seen = false;
};

}  // namespace

void AfterFirstPaint(QWidget& widget, std::function<void()> work)
{
    new FirstPaintWatch(widget, std::move(work));
}

}  // namespace tilora
