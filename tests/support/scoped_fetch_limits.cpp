#include "scoped_fetch_limits.h"

namespace fendrake::test {

ScopedFetchLimits::ScopedFetchLimits(std::chrono::milliseconds connectTimeout, std::chrono::milliseconds totalTimeout)
    : m_saved(fetchLimits())
{
    FetchLimits limits = m_saved;
    limits.connectTimeout = connectTimeout;
    limits.totalTimeout = totalTimeout;
    setFetchLimits(limits);
}

ScopedFetchLimits::~ScopedFetchLimits()
{
    setFetchLimits(m_saved);
}

} // namespace fendrake::test
