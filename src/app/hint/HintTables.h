// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <stop_token>

namespace tilora {

namespace solver {
class PatternDatabases;
}

// The hint's pattern databases, shared by every search: mapped from the installed or
// cached table file, or built in the background and cached when there is none (see
// solver/TableFile.h). They are obtained on the first call to Get, never before: a player
// who asks for no hint pays neither their time nor their memory. A build that fails (for
// want of memory or of a thread) gives no tables this time and is tried again on the next
// call.
class HintTables {
public:
    using Databases = std::shared_ptr<const solver::PatternDatabases>;
    using Build = std::function<Databases(std::stop_token)>;

    explicit HintTables(Build build = {});
    // The tables of the process, shared by every window and every search; made on the
    // first call, obtained on the first Get.
    static HintTables& Shared();
    // Asks a build in progress to stop, without waiting for it.
    ~HintTables();
    HintTables(const HintTables&) = delete;
    HintTables& operator=(const HintTables&) = delete;

    // True once a Get has started obtaining the tables.
    bool Asked();
    // How many times Get was called: what asked for the tables between two moments,
    // whatever asked before.
    unsigned Gets() const { return m_gets.load(); }
    // The finished tables, waiting for the build; nothing when it failed or `stop` was
    // requested meanwhile. Safe to call from any thread.
    Databases Get(const std::stop_token& stop);
    // The tables when they are obtained already, else nothing: never starts a build and
    // never waits, for those who want the tables only where they cost no build. A verified
    // file already on disk is mapped in the background, and is at hand at a later call.
    Databases AtHand();
    // True when a Get would have to build the tables, seconds of work: they are not at
    // hand and no table file is in the game's folders.
    bool MustBuild();
    // Cuts a build in progress short; later calls give no tables.
    void Stop();

private:
    std::shared_future<Databases> Started();
    // Runs `build` on a thread of its own, with this object's stop.
    std::shared_future<Databases> InBackground(Build build);

    Build m_build;
    std::mutex m_mutex;
    std::stop_source m_stop;
    std::shared_future<Databases> m_built;
    // A file found on disk for AtHand, mapped without a build.
    std::shared_future<Databases> m_mapped;
    std::atomic<unsigned> m_gets{0};
};

}  // namespace tilora
