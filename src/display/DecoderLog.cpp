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
    if (lcImage().isDebugEnabled()) {
        const QMessageLogContext ours(context.file, context.line, context.function, lcImage().categoryName());
        passOn(QtDebugMsg, ours, message);
    }
}

}  // namespace

DecoderLog::DecoderLog() : m_previous(qInstallMessageHandler(Handle))
{
    g_passOn.store(m_previous);
}

DecoderLog::~DecoderLog()
{
    qInstallMessageHandler(m_previous);
    g_passOn.store(nullptr);
}

}  // namespace tilora
