#pragma once

// Programs this process starts end with it, on every way out: a started program receives
// SIGKILL when this process ends (PR_SET_PDEATHSIG, which covers even SIGKILL and a
// crash), and SIGINT, SIGTERM and SIGHUP sent to this process first end and collect every
// program it started and still holds, then end this process as the signal would have. A
// signal the program ignores (nohup's SIGHUP, say) or handles itself is left so.

#include <sys/types.h>

// Starts program with argv (argv[0] first, null last) and this process's environment, in
// the current folder: its standard error onto errorFd when errorFd >= 0, handOnFd as its
// descriptor 3 when handOnFd >= 0, every other descriptor as it is (those marked
// close-on-exec close). The started program is held until ForgetChild. Returns its process
// id, or -1 with errno set when it cannot be started.
pid_t StartChild(const char* program, char* const argv[], int errorFd, int handOnFd);

// Lets go of a started program that has ended, just after it was collected.
void ForgetChild(pid_t pid);
