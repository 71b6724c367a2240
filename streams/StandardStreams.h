#pragma once

// Readies standard input, output and error for the program: each that was
// closed at start is opened on the null device, a reader of standard output
// that goes away makes an echo fail (it is dropped, the program runs on)
// rather than end the program, and standard output is buffered so that each
// echoed line reaches a pipe when it happens (with flushEchoLine). False when
// the null device cannot be opened.
bool prepareStandardStreams();

// Called after each line the program ends with a line break on standard
// output (an echoed event, a device error): where the C runtime cannot buffer
// by line, the line goes out now. A line without a break is flushed by its
// writer.
void flushEchoLine();
