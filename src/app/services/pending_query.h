#pragma once

namespace fendrake {

// A query awaiting its browser page: set just before Navigate; the result handler takes it, so
// only the first event after the navigation is evaluated and events nobody asked for are ignored.
class PendingQuery
{
public:
    void set() { m_pending = true; }
    bool isPending() const { return m_pending; }

    // Tests and clears the flag in one step.
    bool take()
    {
        const bool pending = m_pending;
        m_pending = false;
        return pending;
    }

private:
    bool m_pending = false;
};

} // namespace fendrake
