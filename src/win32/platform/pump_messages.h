#pragma once
// Lets the window messages that are waiting run, at the points where a long step must keep the
// player alive (paint, timers, input).

namespace orvane {

// Runs every pending message once. Returns false when the application was asked to end: the
// quit request is posted again so that the main message loop still sees it.
bool PumpPendingMessages();

}  // namespace orvane
