// Signali: the program ends cleanly when it is asked to end by a signal.
#pragma once

namespace Signali {

// Makes SIGTERM, SIGINT and SIGHUP end the program through its event loop: the handler only
// writes the signal's number into a pipe, and a notifier on the pipe's other end ends the
// event loop with the exit status 128 + the signal's number. A load under way finishes (and
// deletes its record file) first; on the way out, as on every ending through the event loop,
// the program's private temporary folder is removed.
// Call once, after the application object is made. False when the pipe cannot be made; the
// signals then keep their default action.
bool Prihvati();

}  // namespace Signali
