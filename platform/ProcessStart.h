#pragma once

// Readies the process for its system before anything else runs: on Linux a
// report into a closed pipe fails quietly instead of ending the process by
// SIGPIPE before it can return its status; on Windows the game joins the
// console it was started from, if any, so that Ctrl+C there reaches it.
void prepareProcess();

// Sets an environment variable for the libraries unless it is set already:
// a player's own setting stands.
void setEnvironmentDefault(const char* name, const char* value);
