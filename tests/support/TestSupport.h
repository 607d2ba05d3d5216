#pragma once

#include <QString>

#include <chrono>
#include <functional>

namespace testsupport {

// Runs the event loop until pred() holds or the timeout passes; returns pred().
// For waiting on the product's own asynchronous work, never for measuring time.
bool waitUntil(const std::function<bool()>& pred,
               std::chrono::milliseconds timeout = std::chrono::seconds(5));

// Runs the event loop for the given time (lets queued events and timers through).
void spin(std::chrono::milliseconds duration);

// Source and build folders of the project, as the test runner passes them.
QString sourceDir();
QString binaryDir();

} // namespace testsupport
