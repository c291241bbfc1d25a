// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup/AppIcon.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

#include "ui/BuiltInImage.h"

namespace tilora {
namespace {

class BuiltInIconEngine final : public QIconEngine {
public:
    BuiltInIconEngine()
    {
        for (const int side : {16, 32, 48, 64, 128, 256})
            if (QFile::exists(Path(side)))
                m_sides << side;
    }

    // The icon looks the same in every mode and state: it is only ever shown plainly.
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override { return Image(size); }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) override
    {
        QPixmap image = Image(size * scale);
        image.setDevicePixelRatio(scale);
        return image;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        painter->drawPixmap(rect, Image(rect.size() * painter->device()->devicePixelRatio()));
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = SideFor(size);
        return side >= std::max(size.width(), size.height()) ? size : QSize(side, side);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : m_sides)
            sizes << QSize(side, side);
        return sizes;
    }
    bool isNull() override { return m_sides.isEmpty(); }
    QString key() const override { return QStringLiteral("tilora-builtin"); }
    QIconEngine* clone() const override { return new BuiltInIconEngine(*this); }

private:
    static QString Path(int side) { return QStringLiteral(":/tilora/icons/tilora-%1.png").arg(side); }

    // The side of the image that serves `size` best: the smallest as large, else the largest.
    int SideFor(QSize size) const
    {
        const int wanted = std::max(size.width(), size.height());
        for (const int side : m_sides)
            if (side >= wanted)
                return side;
        return m_sides.isEmpty() ? 0 : m_sides.back();
    }

    // Read anew for each use and not cached, not even in QPixmapCache.
    QPixmap Image(QSize size) const
    {
        const int side = SideFor(size);
        if (side == 0)
            return {};
        const QPixmap image = QPixmap::fromImage(ReadBuiltInPng(Path(side)));
        return side > std::max(size.width(), size.height())
                   ? image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                   : image;
    }

    QList<int> m_sides;
};

}  // namespace

QIcon AppIcon()
{
    return QIcon(new BuiltInIconEngine);
}

}  // namespace tilora
