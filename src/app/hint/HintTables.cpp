// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/hint/HintTables.h"

#include <chrono>
#include <thread>

#include "solver/PatternDatabase.h"

namespace tilora {

HintTables::HintTables(Build build) : m_build(std::move(build))
{
    if (!m_build)
        m_build = [](std::stop_token stop) { return std::make_shared<const solver::PatternDatabases>(stop); };
}

HintTables& HintTables::Shared()
{
    static HintTables tables;
    return tables;
}

HintTables::~HintTables()
{
    Stop();
}

void HintTables::Prepare()
{
    try {
        Started();
    } catch (...) {
        // No thread for the build now: the first hint tries again.
    }
}

void HintTables::Stop()
{
    m_stop.request_stop();
}

std::shared_future<HintTables::Databases> HintTables::Started()
{
    const std::scoped_lock lock(m_mutex);
    if (m_built.valid())
        return m_built;
    // The build owns what it works on and is not waited for: closing the window never
    // waits for a build to notice its stop, and one that ends later harms nothing.
    std::promise<Databases> promise;
    std::shared_future<Databases> built = promise.get_future().share();
    std::thread([build = m_build, stop = m_stop.get_token(), promise = std::move(promise)]() mutable {
        try {
            promise.set_value(build(stop));
        } catch (...) {
            promise.set_exception(std::current_exception());
        }
    }).detach();
    m_built = std::move(built);
    return m_built;
}

HintTables::Databases HintTables::AtHand()
{
    const std::scoped_lock lock(m_mutex);
    if (!m_built.valid() || m_built.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return nullptr;
    try {
        Databases databases = m_built.get();
        return databases && databases->Complete() ? databases : nullptr;
    } catch (...) {
        return nullptr;
    }
}

HintTables::Databases HintTables::Get(const std::stop_token& stop)
{
    std::shared_future<Databases> built;
    try {
        built = Started();
        // Waits in short steps, so that a search the player no longer needs ends at once.
        while (built.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
            if (stop.stop_requested())
                return nullptr;
        Databases databases = built.get();
        if (databases && databases->Complete())
            return databases;
    } catch (...) {
        // Out of memory or threads: no tables this time.
    }
    // A failed build is forgotten, so that the next hint builds again; a stopped one stays,
    // since the stop is for good.
    const std::scoped_lock lock(m_mutex);
    if (!m_stop.stop_requested() && built.valid())
        m_built = {};
    return nullptr;
}

}  // namespace tilora
