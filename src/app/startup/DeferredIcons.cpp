// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup/DeferredIcons.h"

#include <QIconEngine>
#include <QPointer>
#include <QStyleOption>

#include <functional>
#include <optional>

namespace tilora {
namespace {

// An icon made by `make` when first asked for its pixels or sizes.
class DeferredIconEngine final : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> make) : m_make(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return Icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().availableSizes(mode, state);
    }
    QString iconName() override { return Icon().name(); }
    // Asked by every widget that is given an icon: answering it must not make the icon.
    bool isNull() override { return m_icon ? m_icon->isNull() : false; }
    QString key() const override { return QStringLiteral("tilora-deferred"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& Icon()
    {
        if (!m_icon)
            m_icon = m_make();
        return *m_icon;
    }

    std::function<QIcon()> m_make;
    std::optional<QIcon> m_icon;
};

}  // namespace

DeferredIconStyle::DeferredIconStyle(const QString& key) : QProxyStyle(key) {}

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    // The option is the caller's and gone by the time the icon is drawn; the widget may be.
    std::optional<QStyleOption> copied;
    if (option != nullptr)
        copied = *option;
    return QIcon(new DeferredIconEngine(
        [style = QPointer<const QStyle>(baseStyle()), icon, copied, widget = QPointer<const QWidget>(widget)] {
            return style ? style->standardIcon(icon, copied ? &*copied : nullptr, widget.data()) : QIcon();
        }));
}

}  // namespace tilora
