#pragma once

#include "app/services/http_fetch.h"

#include <chrono>

namespace fendrake::test {

// Shortens the process-wide fetch time limits while alive, so failing fetches end quickly; restores
// all limits as they were, including any a test changed meanwhile.
class ScopedFetchLimits
{
public:
    ScopedFetchLimits(std::chrono::milliseconds connectTimeout, std::chrono::milliseconds totalTimeout)
        : m_saved(fetchLimits())
    {
        FetchLimits limits = m_saved;
        limits.connectTimeout = connectTimeout;
        limits.totalTimeout = totalTimeout;
        setFetchLimits(limits);
    }
    ~ScopedFetchLimits() { setFetchLimits(m_saved); }
    ScopedFetchLimits(const ScopedFetchLimits &) = delete;
    ScopedFetchLimits &operator=(const ScopedFetchLimits &) = delete;

private:
    FetchLimits m_saved;
};

} // namespace fendrake::test
