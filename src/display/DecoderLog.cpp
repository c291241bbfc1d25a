// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/DecoderLog.h"

#include <atomic>
#include <cstring>

namespace tilora {

// Debug messages only when asked for: the category's default floor is info.
Q_LOGGING_CATEGORY(lcImage, "tilora.image", QtInfoMsg)

namespace {

// Qt's message handler is a plain function: the one it replaced is where the other
// messages go, reachable from it only through a variable.
std::atomic<QtMessageHandler> g_passOn{nullptr};
// The log in place, told of a decoder's report of damage.
std::atomic<DecoderLog*> g_active{nullptr};

bool FromDecoder(const char* category)
{
    return category != nullptr &&
           (std::strncmp(category, "qt.gui.imageio", 14) == 0 || std::strncmp(category, "qt.gui.icc", 10) == 0);
}

void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const QtMessageHandler passOn = g_passOn.load();
    if (passOn == nullptr)
        return;
    if (!FromDecoder(context.category) || type == QtFatalMsg) {
        passOn(type, context, message);
        return;
    }
    if (DecoderLog* const log = g_active.load(); log != nullptr && DecoderLog::ReportsDamage(message))
        log->MarkDamaged();
    if (lcImage().isDebugEnabled()) {
        const QMessageLogContext ours(context.file, context.line, context.function, lcImage().categoryName());
        passOn(QtDebugMsg, ours, message);
    }
}

}  // namespace

bool DecoderLog::ReportsDamage(const QString& message)
{
    // libjpeg's words for a cut file (premature end of the data or of the file) and for
    // data it had to skip or guess (a bad code, a lost restart marker, a broken
    // progression); other decoders' "truncated".
    static constexpr const char16_t* kDamage[] = {
        u"premature end", u"truncated", u"bad huffman code", u"instead of rst", u"inconsistent progression",
    };
    for (const char16_t* words : kDamage)
        if (message.contains(QStringView(words), Qt::CaseInsensitive))
            return true;
    return false;
}

DecoderLog::DecoderLog() : m_previous(qInstallMessageHandler(Handle))
{
    g_passOn.store(m_previous);
    g_active.store(this);
}

DecoderLog::~DecoderLog()
{
    g_active.store(nullptr);
    qInstallMessageHandler(m_previous);
    g_passOn.store(nullptr);
}

}  // namespace tilora
