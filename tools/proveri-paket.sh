#!/usr/bin/env bash
# Makes Karuvel's Debian package in a build folder and tries it as a user would: installs it with
# dpkg, finds "Karuvel" in the desktop's list of applications, starts it from there under
# xvfb-run and waits for its main window, opens the help (which only /usr/share/karuvel holds)
# from the menu, then purges the package and checks that none of its files or folders is left.
# It installs and removes the package karuvel: it needs root or sudo.
# Usage: tools/proveri-paket.sh [build folder]     (default: build)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
gradnja=$(cd "${1:-$top/build}" && pwd)
pocetak=$SECONDS
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo=sudo; fi

greska() { echo "proveri-paket: $*" >&2; exit 1; }

"$top/tools/instaliraj-pakete.sh" dpkg-dev file desktop-file-utils xvfb xauth xdotool python3-gi gir1.2-glib-2.0

cd "$gradnja"
rm -f karuvel_*.deb
cpack -G DEB >cpack.log 2>&1 || { cat cpack.log >&2; greska "cpack failed"; }
paket=$(echo karuvel_*.deb)
[ -f "$paket" ] || greska "cpack made no package"
kontrola=$(dpkg-deb --ctrl-tarfile "$paket" | tar -t)
for skripta in preinst postinst prerm postrm config; do
  if grep -qx "./$skripta" <<<"$kontrola"; then greska "the package has a maintainer script: $skripta"; fi
done

if dpkg-query -W -f='${db:Status-Abbrev}' karuvel 2>/dev/null | grep -q '^i'; then
  echo "proveri-paket: karuvel was installed; it is replaced by the new package and purged at the end"
fi
if ! $sudo dpkg -i "$paket" >dpkg.log 2>&1; then
  # Dependencies that are missing come from apt.
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -f -y -qq >>dpkg.log 2>&1 \
    || { cat dpkg.log >&2; greska "the package does not install"; }
fi
trap '$sudo dpkg --purge karuvel >/dev/null 2>&1 || true' EXIT

uputstvo="/usr/share/karuvel/Uputstvo-Karuvel v1.1.chm"
[ -x /usr/bin/karuvel ] || greska "no /usr/bin/karuvel"
[ -f "$uputstvo" ] || greska "no $uputstvo"
# Beside the program it would be found first.
[ ! -e "/usr/bin/${uputstvo##*/}" ] || greska "a help file in /usr/bin"
desktop-file-validate /usr/share/applications/rs.karuvel.Karuvel.desktop
[ "$(/usr/bin/karuvel --version)" = "Karuvel 1.1" ] || greska "karuvel --version"

# Inside the virtual display: the application list, the start from it, the main window, the help.
cat >prozor.sh <<'KRAJ'
set -euo pipefail
# The desktop's list of applications, as GLib gives it to a desktop, and the start from there.
# Debian's own Python, which python3-gi belongs to.
/usr/bin/python3 - <<'PY'
import sys
from gi.repository import Gio
stavke = [a for a in Gio.AppInfo.get_all() if a.get_id() == "rs.karuvel.Karuvel.desktop"]
if not stavke or stavke[0].get_name() != "Karuvel" or not stavke[0].should_show():
    sys.exit("proveri-paket: \"Karuvel\" is not in the list of applications")
if not stavke[0].launch([], None):
    sys.exit("proveri-paket: the application list does not start it")
PY
prozor=$(timeout 30 xdotool search --sync --onlyvisible --name '^Karuvel v1\.1$' | head -1) \
  || { echo "proveri-paket: no main window" >&2; exit 1; }
pid=$(xdotool getwindowpid "$prozor")
[ "$(readlink "/proc/$pid/exe")" = /usr/bin/karuvel ] || { echo "proveri-paket: not /usr/bin/karuvel" >&2; exit 1; }
# Pomoc, the last menu of the menu bar, then its first item, Uputstvo.
xdotool windowfocus --sync "$prozor" key alt Left Return Return
if ! timeout 20 xdotool search --sync --onlyvisible --name '^Uputstvo - Karuvel$' >/dev/null; then
  echo "proveri-paket: the help did not open" >&2
  kill "$pid"
  exit 1
fi
if command -v import >/dev/null; then import -window root prozor.png; fi
kill "$pid"
timeout 10 tail --pid="$pid" -f /dev/null
KRAJ
xvfb-run -a -s "-screen 0 1024x768x24" bash prozor.sh

$sudo dpkg --purge karuvel >>dpkg.log 2>&1 || { cat dpkg.log >&2; greska "the package does not purge"; }
trap - EXIT
if dpkg-query -W -f='${db:Status-Abbrev}' karuvel 2>/dev/null | grep -q '^[a-z]i'; then
  greska "karuvel is still installed"
fi
# What is left of the package's files and folders: a folder may stay only when another package
# owns it or something else is in it.
ostalo=()
while read -r putanja; do
  putanja=/${putanja#./}
  putanja=${putanja%/}
  [ "$putanja" != / ] || continue
  if [ -d "$putanja" ]; then
    if ! dpkg-query -S "$putanja" >/dev/null 2>&1 && [ -z "$(ls -A "$putanja")" ]; then ostalo+=("$putanja"); fi
  elif [ -e "$putanja" ] || [ -L "$putanja" ]; then
    ostalo+=("$putanja")
  fi
done < <(dpkg-deb --fsys-tarfile "$paket" | tar -t)
[ ${#ostalo[@]} -eq 0 ] || greska "left after purging: ${ostalo[*]}"
[ ! -e /usr/share/karuvel ] || greska "left after purging: /usr/share/karuvel"

echo "proveri-paket: $paket ($(( $(stat -c %s "$paket") / 1024 )) KiB): installed, listed as \"Karuvel\"," \
  "started from /usr/bin/karuvel, help opened from /usr/share/karuvel, purged with nothing left" \
  "($(( SECONDS - pocetak )) s)"
