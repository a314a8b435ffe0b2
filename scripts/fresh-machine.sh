#!/bin/bash
# Runs ./test.sh as a new user would on a fresh Debian 12 machine: in a throwaway copy of a
# clean root (built once with mmdebstrap or debootstrap from this machine's own Debian 12
# package sources, then cached), on a clean clone of one commit. Prints the wall time and
# the verdict, and exits with the run's status.
#
# Usage: scripts/fresh-machine.sh [REVISION]   (HEAD unless given; needs root or sudo)
# FRESH_ROOT_CACHE  where the clean root and the downloaded packages are kept
#                   (~/.cache/zorbel-fresh-root); delete it to start again from nothing.
# ZORBEL_DISPLAY_BASE is handed to the run as it is set here: the virtual displays of the run
# share this machine's abstract socket names, so give it numbers no one else here uses.
set -u
repo=$(cd "$(dirname "$0")/.." && pwd)
revision=${1:-HEAD}
cache=${FRESH_ROOT_CACHE:-$HOME/.cache/zorbel-fresh-root}
root_tarball=$cache/debian12.tar
results=$repo/build/fresh-machine

if [ "$(id -u)" -ne 0 ]; then
  exec sudo --preserve-env=ZORBEL_DISPLAY_BASE FRESH_ROOT_CACHE="$cache" "$0" "$@"
fi
commit=$(git -C "$repo" rev-parse --verify "$revision^{commit}") || exit 2

# The Debian 12 (bookworm) entries of this machine's package sources, one-line style
# ("deb URI SUITE COMPONENT..."), from both the classic and the deb822 files, skipping
# entries marked Enabled: no.
debian12_sources() {
  local file
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$file" ] && sed -n 's/\[[^]]*\]//; s/^[[:space:]]*deb[[:space:]]\+/deb /p' "$file"
  done
  for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] && awk '
      function flush(  i, j, n, m, u, s) {
        if (types ~ /(^| )deb( |$)/ && enabled != "no") {
          n = split(uris, u, " "); m = split(suites, s, " ")
          for (i = 1; i <= n; i++) for (j = 1; j <= m; j++) print "deb " u[i] " " s[j] " " components
        }
        types = uris = suites = components = ""; enabled = "yes"
      }
      BEGIN { enabled = "yes" }
      /^[[:space:]]*#/ { next }
      /^[[:space:]]*$/ { flush(); next }
      { key = tolower($1); sub(/^[^:]*:[[:space:]]*/, ""); value = $0 }
      key == "types:" { types = value } key == "uris:" { uris = value }
      key == "suites:" { suites = value } key == "components:" { components = value }
      key == "enabled:" { enabled = tolower(value) }
      END { flush() }' "$file"
  done
}

build_root() {
  local sources
  sources=$(debian12_sources | awk '$3 ~ /^bookworm/') 
  [ -n "$sources" ] || { echo "This machine's package sources name no Debian 12 (bookworm) suite." >&2; return 1; }
  mkdir -p "$cache"
  echo "Building a clean Debian 12 root in $root_tarball from:"
  sed 's/^/  /' <<<"$sources"
  # What a new machine has: the essential and important packages of a minimal install,
  # with what a user reaches for first to fetch a project and install what it needs.
  local extras=git,sudo,ca-certificates
  if command -v mmdebstrap >/dev/null; then
    mmdebstrap --quiet --format=tar --variant=important --include="$extras" bookworm "$root_tarball.part" \
      - <<<"$sources" || return 1
  else
    local folder
    folder=$(mktemp -d "$cache/debootstrap.XXXXXX")
    debootstrap --variant=minbase --include="$extras" bookworm "$folder" \
      "$(awk 'NR == 1 {print $2}' <<<"$sources")" &&
      printf '%s\n' "$sources" >"$folder/etc/apt/sources.list" &&
      tar -C "$folder" -cf "$root_tarball.part" . || { rm -rf "$folder"; return 1; }
    rm -rf "$folder"
  fi
  mv "$root_tarball.part" "$root_tarball"
}

[ -f "$root_tarball" ] || build_root || exit 1

machine=$(mktemp -d "$cache/machine.XXXXXX")
cleanup() { rm -rf --one-file-system "$machine"; }
trap cleanup EXIT
tar -C "$machine" -xf "$root_tarball" || exit 1
cp -L /etc/resolv.conf "$machine/etc/resolv.conf"
git clone --quiet --no-hardlinks "$repo" "$machine/root/zorbel" &&
  git -C "$machine/root/zorbel" checkout --quiet --detach "$commit" || exit 1
git -C "$machine/root/zorbel" remote remove origin
# Downloaded packages are kept between runs, so that a second run is not held up by the
# network; a first run downloads everything, as a fresh machine does.
mkdir -p "$cache/archives/partial" "$machine/var/cache/apt/archives"

mkdir -p "$results"
log=$results/test.log
echo "Running ./test.sh of ${commit:0:12} on a fresh Debian 12 root (log: $log)"
load_before=$(uptime)
began=$SECONDS
# Its own mount and process namespaces: the mounts and every process the run leaves behind
# go when it ends.
unshare --mount --pid --fork --propagation private bash -c '
  machine=$1 archives=$2
  mount -t proc proc "$machine/proc" &&
  mount --rbind /sys "$machine/sys" &&
  mount --rbind /dev "$machine/dev" &&
  mount -t tmpfs -o mode=1777 shm "$machine/dev/shm" &&
  mount -t tmpfs -o mode=1777 tmp "$machine/tmp" &&
  mount -t tmpfs -o mode=755 run "$machine/run" &&
  mount --bind "$archives" "$machine/var/cache/apt/archives" || exit 125
  shift 2
  exec chroot "$machine" "$@"' fresh "$machine" "$cache/archives" \
  env -i HOME=/root USER=root LOGNAME=root SHELL=/bin/bash TERM=dumb LANG=C.UTF-8 \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  ${ZORBEL_DISPLAY_BASE:+ZORBEL_DISPLAY_BASE=$ZORBEL_DISPLAY_BASE} \
  bash -c 'cd /root/zorbel && ./test.sh' >"$log" 2>&1
status=$?
wall=$((SECONDS - began))

# What a failing suite leaves to look at: its screenshots and logs.
rm -rf "$results/artifacts"
for folder in "$machine"/root/zorbel/build/*/*-artifacts "$machine"/root/zorbel/build/*/Testing/Temporary; do
  [ -d "$folder" ] || continue
  target=$results/artifacts/${folder#"$machine"/root/zorbel/build/}
  mkdir -p "$target" && cp -r "$folder/." "$target/"
done

tail -n 25 "$log"
echo "Load before the run: ${load_before#*load average: }; after: $(uptime | sed 's/.*load average: //')"
printf 'Fresh Debian 12 machine, ./test.sh of %s: %s in %d min %02d s\n' "${commit:0:12}" \
  "$([ $status -eq 0 ] && echo passed || echo "FAILED (status $status)")" $((wall / 60)) $((wall % 60))
exit $status
