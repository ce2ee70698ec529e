#pragma once

#include <functional>
#include <memory>

namespace libreoffice {

// One step run when the event loop of this thread next runs: asking again
// before then changes nothing; cancel() or the end of this object drops it.
// Without an event loop (no application object) nothing is scheduled.
class NextTurn
{
public:
    void schedule(std::function<void()> step);
    void cancel() { m_token.reset(); }

private:
    std::shared_ptr<bool> m_token;
};

} // namespace libreoffice
