// The request to end the program that a signal (SIGTERM, SIGINT) makes: set
// from the signal handler, seen by the main loop and by running scripts.
#pragma once

namespace Norv {
namespace StopRequest {

// Safe to call from a signal handler.
void Request(int signal);
// The signal of a request not yet taken, else 0.
int Pending();
// Takes the request: the caller now ends the program, and scripts that run
// while it does (the shutdown's) are no longer stopped.
int Take();

} // namespace StopRequest
} // namespace Norv
