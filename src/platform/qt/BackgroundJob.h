// Slow work (desktop commands that may hang) done off the window's thread, one job after
// another in the order asked, while the caller waits with the window's events still handled.
#pragma once

#include <functional>

// The job's result, with errno as the job left it. A call made while an earlier one waits
// (from a timer or a click handled meanwhile) runs after that one's job.
bool RunInBackground(const std::function<bool()>& job);
