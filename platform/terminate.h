#pragma once

class QWidget;

namespace platform {

// SIGTERM, SIGINT and SIGHUP (a session logging out, Ctrl+C in a terminal)
// close the window as its close button would, so the program ends the same
// clean way: the MIDI device closed, every wait ended, exit status 0. The
// signal handler only writes a byte to a pipe; the window's thread reads it.
//
// catchTerminate() installs the handlers; main calls it first thing, so a
// signal that comes while the program is still starting is kept.
// watchTerminate() reads the pipe from the application's event loop; main
// calls it once the QApplication exists, so that a message box shown while
// the window is being built (no MIDI out, say) is dismissed by the signal
// rather than holding the program up until someone answers it. From then
// on terminateRequested() is true and no further box waits.
// closeOnTerminate() names the window to close; a signal that came before
// it closes the window as soon as its event loop runs.
void catchTerminate();
void watchTerminate();
void closeOnTerminate(QWidget* window);
bool terminateRequested();

}  // namespace platform
