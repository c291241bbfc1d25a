// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/AndStretch.h"

#include <QColor>

#include <cstdint>
#include <vector>

namespace tilora {
namespace {

// The span of source positions that land on target position `i` when `length` source
// pixels are stretched over `targetLength` pixels: [first, last). Shrinking gives one
// or more pixels per target; enlarging gives exactly one, repeated.
struct Span {
    int first;
    int last;
};

Span SpanFor(int i, int length, int targetLength)
{
    const auto lo = static_cast<int>(static_cast<std::int64_t>(i) * length / targetLength);
    const auto hi = static_cast<int>(static_cast<std::int64_t>(i + 1) * length / targetLength);
    return {lo, hi > lo ? hi : lo + 1};
}

std::vector<Span> SpansFor(int length, int targetLength)
{
    std::vector<Span> spans;
    spans.reserve(static_cast<std::size_t>(targetLength));
    for (int i = 0; i < targetLength; ++i)
        spans.push_back(SpanFor(i, length, targetLength));
    return spans;
}

}  // namespace

QImage AndStretch(const QImage& source, QRect from, QSize to)
{
    QImage target(to, QImage::Format_RGB32);
    if (target.isNull())
        return target;
    from = from.intersected(source.rect());
    if (from.isEmpty()) {
        target.fill(Qt::white);
        return target;
    }
    const QImage rgb = source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);

    // AND is associative and commutative, so combining along x first and then along y
    // gives the same result as combining each 2-D block, at a cost of one visit per
    // source pixel instead of one per source pixel and target column.
    const std::vector<Span> columns = SpansFor(from.width(), to.width());
    const std::vector<Span> rows = SpansFor(from.height(), to.height());
    const auto tw = static_cast<std::size_t>(to.width());
    std::vector<QRgb> narrowed(tw * static_cast<std::size_t>(from.height()));
    for (int y = 0; y < from.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(from.top() + y)) + from.left();
        QRgb* out = narrowed.data() + static_cast<std::size_t>(y) * tw;
        for (std::size_t x = 0; x < tw; ++x) {
            QRgb value = 0xffffffffu;
            for (int c = columns[x].first; c < columns[x].last; ++c)
                value &= line[c];
            out[x] = value;
        }
    }
    for (int y = 0; y < to.height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (std::size_t x = 0; x < tw; ++x)
            out[x] = 0xffffffffu;
        for (int r = rows[static_cast<std::size_t>(y)].first; r < rows[static_cast<std::size_t>(y)].last; ++r) {
            const QRgb* in = narrowed.data() + static_cast<std::size_t>(r) * tw;
            for (std::size_t x = 0; x < tw; ++x)
                out[x] &= in[x];
        }
    }
    return target;
}

}  // namespace tilora
