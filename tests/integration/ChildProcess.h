#pragma once

#include <string>
#include <vector>

// What a program run came to: its exit status (-1 when it was ended at the
// limit or did not start) and what it wrote.
struct ChildOutcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the program with the arguments (no shell). Output goes through files,
// so that a chatty child never blocks on a full pipe; a run still going after
// the limit is killed.
ChildOutcome RunChild(const std::vector<std::string>& arguments, int limitMs = 30000);
// Starts the program with its output thrown away; -1 when it could not start.
int StartChild(const std::vector<std::string>& arguments);
// Ends a started program and waits for it.
void StopChild(int pid);
