#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <string>
#include <vector>

// Starts args[0] (looked up in PATH when it has no slash) with args; its
// standard output goes to outputFd when one is given, else to /dev/null.
// Returns its process id, or -1.
pid_t launch(const std::vector<std::string>& args, int outputFd = -1);

// Ends a process started by launch and waits for it.
void stop(pid_t pid);

// Whether the screen shows the first frame's clear colour at a point of the
// window that both the program's and the bare first frame clear.
bool showsFirstFrame(Display* display);
