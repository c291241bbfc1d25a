// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/hint/HintTables.h"

#include <QDebug>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>
#include <thread>

#include "solver/PatternDatabase.h"
#include "solver/TableFile.h"

namespace tilora {
namespace {

// The tables ready in `tables`; nothing while they are on their way, or when none came.
HintTables::Databases ReadyTables(const std::shared_future<HintTables::Databases>& tables)
{
    if (!tables.valid() || tables.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return nullptr;
    try {
        HintTables::Databases databases = tables.get();
        return databases && databases->Complete() ? databases : nullptr;
    } catch (...) {
        return nullptr;
    }
}

std::vector<std::filesystem::path> TableFiles()
{
    const solver::TableFolders folders = solver::DefaultTableFolders();
    std::vector<std::filesystem::path> files;
    for (const auto& folder : folders.installed)
        files.push_back(folder / solver::kTableFileName);
    files.push_back(folders.cache / solver::kTableFileName);
    return files;
}

bool AnyTableFile()
{
    const auto files = TableFiles();
    return std::any_of(files.begin(), files.end(), [](const std::filesystem::path& file) {
        std::error_code error;
        return std::filesystem::is_regular_file(file, error);
    });
}

// The tables of the first verified file already in the game's folders; never a build.
HintTables::Databases MapExistingFile()
{
    for (const auto& file : TableFiles()) {
        std::string why;
        if (auto tables = solver::MapTableFile(file, why))
            return tables;
    }
    return nullptr;
}

}  // namespace

HintTables::HintTables(Build build) : m_build(std::move(build))
{
    if (!m_build)
        m_build = [](std::stop_token stop) -> Databases {
            const auto obtained = solver::ObtainTables(solver::DefaultTableFolders(), std::move(stop));
            // Said once per build: a file refused or rebuilt, or tables kept in memory only.
            if (!obtained.note.empty() && obtained.file.empty())
                qWarning().noquote() << "Hint tables:" << QString::fromStdString(obtained.note);
            else if (!obtained.note.empty())
                qInfo().noquote() << "Hint tables:" << QString::fromStdString(obtained.note);
            return obtained.tables;
        };
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

bool HintTables::Asked()
{
    const std::scoped_lock lock(m_mutex);
    return m_built.valid();
}

void HintTables::Stop()
{
    m_stop.request_stop();
}

std::shared_future<HintTables::Databases> HintTables::InBackground(Build build)
{
    // The work owns what it works on and is not waited for: closing the window never
    // waits for a build to notice its stop, and one that ends later harms nothing.
    std::promise<Databases> promise;
    std::shared_future<Databases> result = promise.get_future().share();
    std::thread([build = std::move(build), stop = m_stop.get_token(), promise = std::move(promise)]() mutable {
        try {
            promise.set_value(build(stop));
        } catch (...) {
            promise.set_exception(std::current_exception());
        }
    }).detach();
    return result;
}

std::shared_future<HintTables::Databases> HintTables::Started()
{
    const std::scoped_lock lock(m_mutex);
    if (m_built.valid())
        return m_built;
    // Tables already mapped for those who wanted them at hand serve the hint too.
    if (ReadyTables(m_mapped))
        m_built = m_mapped;
    else
        m_built = InBackground(m_build);
    return m_built;
}

HintTables::Databases HintTables::AtHand()
{
    const std::scoped_lock lock(m_mutex);
    for (const std::shared_future<Databases>* tables : {&m_built, &m_mapped}) {
        if (const Databases ready = ReadyTables(*tables))
            return ready;
    }
    // Not asked for yet: a verified file that is already there is mapped in the
    // background, at the cost of a read, and never built.
    if (!m_built.valid() && !m_mapped.valid() && AnyTableFile())
        m_mapped = InBackground([](std::stop_token) { return MapExistingFile(); });
    return nullptr;
}

bool HintTables::MustBuild()
{
    {
        const std::scoped_lock lock(m_mutex);
        if (ReadyTables(m_built) || ReadyTables(m_mapped))
            return false;
    }
    return !AnyTableFile();
}

HintTables::Databases HintTables::Get(const std::stop_token& stop)
{
    ++m_gets;
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
