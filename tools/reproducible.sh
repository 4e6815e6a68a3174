#!/usr/bin/env bash
# Checks that the source package builds reproducibly, with reprotest: it builds the package
# twice on this machine, the second time varying all that reprotest varies by default (the
# environment, the build path, the user and group, the file ordering, the time, the time zone,
# the locale, the umask, the kernel's name and the number of processors, the domain and host
# names, the home folder, the PATH, ASLR), and the .deb files must be the same bytes. Needs
# root, reprotest, disorderfs with a FUSE device, faketime and the package's Build-Depends;
# run by hand, not by ./test.
#
#   tools/reproducible.sh path/to/quintavel_VERSION.dsc [store-folder]
#
# The .dsc comes from tools/release.sh; the two builds' packages, and diffoscope's account of
# any difference (diff's where diffoscope is not installed), are kept in the store folder
# (reprotest by default).
set -euo pipefail
dsc=$(realpath "${1:?usage: $0 quintavel_VERSION.dsc [store-folder]}")
store=$(realpath -m "${2:-reprotest}")
[ ! -e "$store" ] || [ -z "$(ls -A "$store")" ] || { echo "$store is not empty" >&2; exit 1; }
[ "$(id -u)" = 0 ] || { echo "$0 must run as root" >&2; exit 1; }
command -v sudo >/dev/null || { echo "$0 needs sudo, through which reprotest varies the user" >&2; exit 1; }
# The user and group variation builds as a user of its own; beside it, the domain and host
# variation goes through sudo too.
id reprotest-builder >/dev/null 2>&1 || useradd --system --user-group reprotest-builder
# Debian 12's reprotest calls "sudo -h localhost", which Debian 12's sudo refuses ("a remote
# host may only be specified when listing privileges"): a sudo of its own, first on the PATH,
# leaves that option out and hands the rest to the real one.
# The file-ordering variation mounts disorderfs as that user; FUSE is open to every user on a
# Debian system (udev gives /dev/fuse mode 0666), not on every container.
if [ -c /dev/fuse ] && [ "$(stat -c %a /dev/fuse)" != 666 ]; then
    echo "opening /dev/fuse to all users, as Debian does (it was mode $(stat -c %a /dev/fuse))"
    chmod 666 /dev/fuse
fi
shim=$(mktemp -d)
trap 'rm -rf "$shim"' EXIT
cat >"$shim/sudo" <<'SUDO'
#!/bin/sh
held=
for argument; do
    shift
    if [ -n "$held" ]; then
        held=
        [ "$argument" = localhost ] && continue
        set -- "$@" -h
    fi
    if [ "$argument" = -h ]; then held=yes; continue; fi
    set -- "$@" "$argument"
done
[ -z "$held" ] || set -- "$@" -h
exec /usr/bin/sudo "$@"
SUDO
chmod 755 "$shim/sudo"
export PATH="$shim:$PATH"

diff=()
command -v diffoscope >/dev/null || diff=(--no-diffoscope)
reprotest --verbosity 1 --store-dir "$store" "${diff[@]}" \
    --vary=user_group.available+=reprotest-builder:reprotest-builder \
    --vary=domain_host.use_sudo=1 "$dsc" -- null
