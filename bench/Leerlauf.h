#pragma once

#include <QtGlobal>

// The moment the caller was started, as nanoseconds since the epoch in the first argument
// (what `date +%s%N` prints just before the program is run); now when it is missing.
qint64 startFromArguments(int argc, char** argv);

// Once the event loop has gone to sleep and stayed asleep for a moment, prints one line
// "start_ms=<from start to that sleep> rss_kb=<resident memory then>" and ends the loop.
void reportWhenIdle(qint64 startNs);
