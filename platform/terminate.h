#pragma once

class QWidget;

namespace platform {

// SIGTERM, SIGINT and SIGHUP (a session logging out, Ctrl+C in a terminal)
// close the window as its close button would, so the program ends the same
// clean way: the MIDI device closed, every wait ended, exit status 0. The
// signal handler only writes a byte to a pipe; the window's thread reads it.
//
// catchTerminate() installs the handlers; main calls it first thing, so a
// signal that comes while the program is still starting is kept until the
// window exists and then closes it. closeOnTerminate() calls it too.
void catchTerminate();
void closeOnTerminate(QWidget* window);

}  // namespace platform
