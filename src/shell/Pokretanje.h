#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <thread>

class QWidget;

// What happens before the main window opens: --help and --version are answered on the
// terminal, and without a graphical display the user is told how to start the program under
// a virtual one.
namespace Pokretanje {

// Answers --help and --version, or tells that there is no display. Returns the exit code when
// the program ends here, nothing when its window may open. Options of Qt itself (-platform,
// -style ...) are left to QApplication.
std::optional<int> PreProzora(int& argc, char** argv);

// True when Qt can reach a display: X11, Wayland, or a platform named in QT_QPA_PLATFORM.
bool ImaEkrana();

// The command that starts the program under a virtual display, for the way it was installed:
// the source folder's run.sh for a program in its build folder, the bare name when the folders
// of PATH find this very program, its full path otherwise.
QString KomandaBezEkrana(const QString& program, const QString& radnaFascikla, const QStringList& putanje);

// Runs `posao` once, right after the first paint of `prozor` (from the event loop, when the
// window stands drawn): what the first picture does not need waits for it.
void PoslePrvogCrtanja(QWidget* prozor, std::function<void()> posao);

// Reads the system's font configuration on a thread of its own while the application object
// and the main window are made: the first text laid out (the menu and the splash) then finds
// it read. Made before QApplication; Sacekaj (or the end of the object) waits for the thread.
class PripremaFontova {
public:
    PripremaFontova();
    ~PripremaFontova();
    PripremaFontova(const PripremaFontova&) = delete;
    PripremaFontova& operator=(const PripremaFontova&) = delete;

    void Sacekaj();

private:
    std::thread m_nit;
};

}
