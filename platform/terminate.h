#pragma once

class QWidget;

namespace platform {

// SIGTERM, SIGINT and SIGHUP (a session logging out, Ctrl+C in a terminal)
// close the window as its close button would, so the program ends the same
// clean way: the MIDI device closed, every wait ended, exit status 0. The
// signal handler only writes a byte to a pipe; the window's thread reads it.
void closeOnTerminate(QWidget* window);

}  // namespace platform
