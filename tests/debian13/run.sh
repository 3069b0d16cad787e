#!/usr/bin/env bash
# The README's two commands on a fresh Debian 13 machine: in a minimal Debian 13 root (minbase
# with git, make and ca-certificates only), a clone of this checkout's committed state runs
# `make build`, which must install none of the test tools, then `make test`, which must pass.
# Prints how many packages each of them installed. Needs root.
#   bash tests/debian13/run.sh <log file>
# The base root comes from the Debian mirror this machine's apt uses and is kept as a tarball in
# /var/tmp between runs; the root the project runs in is unpacked fresh from it every time and
# removed at the end, after everything mounted into it has been unmounted, also on failure.
set -euo pipefail

log=${1:?usage: run.sh <log file>}
suite=trixie
base=/var/tmp/tarnwick-debian13-base.tar
top=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)

[ "$(id -u)" = 0 ] || { echo "test-debian13 needs root (it mounts and chroots)" >&2; exit 1; }
# The log outlives a Ctrl+C, so that it still shows the cleanup and the verdict.
exec > >(trap '' INT TERM; exec tee "$log") 2>&1
SECONDS=0

# The URI of the apt source that carries this machine's own release: a deb822 stanza of
# /etc/apt/sources.list.d/*.sources, else a one-line entry of sources.list.
mirror() {
  local release
  release=$(. /etc/os-release && echo "$VERSION_CODENAME")
  shopt -s nullglob
  local sources=(/etc/apt/sources.list.d/*.sources) lists=(/etc/apt/sources.list /etc/apt/sources.list.d/*.list)
  shopt -u nullglob
  local uri=""
  if [ ${#sources[@]} -gt 0 ]; then
    uri=$(awk -v release="$release" '
      function stanza_end() { if (!found && deb && suite && uri != "") found = uri; deb = suite = 0; uri = "" }
      FNR == 1 || /^[[:space:]]*$/ { stanza_end() }
      /^[[:space:]]*#/ { next }
      tolower($1) == "types:"  { for (i = 2; i <= NF; i++) if ($i == "deb") deb = 1 }
      tolower($1) == "suites:" { for (i = 2; i <= NF; i++) if ($i == release) suite = 1 }
      tolower($1) == "uris:"   { uri = $2 }
      END { stanza_end(); print found }' "${sources[@]}")
  fi
  if [ -z "$uri" ]; then
    for f in "${lists[@]}"; do [ -f "$f" ] || continue
      uri=$(sed -E 's/\[[^]]*\]//' "$f" | awk -v release="$release" \
        '$1 == "deb" && $3 == release { print $2; exit }')
      [ -n "$uri" ] && break
    done
  fi
  [ -n "$uri" ] || { echo "no apt source for $release in /etc/apt" >&2; return 1; }
  echo "$uri"
}

# Everything mounted under a folder, newest first.
mounts_under() {
  awk -v dir="$1" '$5 == dir || index($5, dir "/") == 1 { print $5 }' /proc/self/mountinfo | tac
}

# Ends what still runs inside a root (an Xvfb left by a failed run would keep /dev busy), then
# unmounts everything under it in the reverse order of mounting.
release_root() {
  local dir=$1 pid
  for pid in /proc/[0-9]*; do
    [ "$(readlink "$pid/root" 2>/dev/null)" = "$dir" ] && kill -KILL "${pid#/proc/}" 2>/dev/null
  done
  local m
  for m in $(mounts_under "$dir"); do
    umount "$m" 2>/dev/null || umount --lazy "$m"
  done
}

work=""
root=""
cleanup() {
  local rc=$? dir left=""
  set +e
  trap '' PIPE
  if [ -n "$root" ] && [ -f "$root/root/summary" ]; then
    echo "== Summary"
    cat "$root/root/summary"
  fi
  for dir in $root $work; do
    release_root "$dir"
    if [ -n "$(findmnt -rn -o TARGET | grep -F "$dir")" ]; then
      left="$left $dir"
    else
      rm -rf "$dir"
    fi
  done
  if [ -n "$left" ]; then
    echo "== still mounted, left in place:$left" >&2
    findmnt -rn -o TARGET | grep -F "${left# }" >&2
    rc=1
  fi
  echo "== Debian 13: $([ "$rc" = 0 ] && echo passed || echo FAILED) in $((SECONDS / 60)) min $((SECONDS % 60)) s"
  exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

if [ ! -f "$base" ]; then
  uri=$(mirror)
  echo "== Making the Debian 13 base root from $uri (kept in $base)"
  work=$(mktemp -d /var/tmp/tarnwick-debian13-base.XXXXXX)
  debootstrap --variant=minbase --include=git,make,ca-certificates "$suite" "$work/root" "$uri"
  release_root "$work/root"
  tar -C "$work/root" -cf "$base.part" . && mv "$base.part" "$base"
  rm -rf "$work"
  work=""
fi

root=$(mktemp -d /var/tmp/tarnwick-debian13.XXXXXX)
echo "== Unpacking a fresh Debian 13 root into $root"
tar -C "$root" -xpf "$base"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
# Private, so that what is mounted under the root's /dev never shows in the machine's own.
mount --bind /dev "$root/dev" && mount --make-private "$root/dev"
mount --bind /dev/pts "$root/dev/pts" && mount --make-private "$root/dev/pts"
mount -t tmpfs -o mode=1777,nosuid,nodev tmpfs "$root/dev/shm"

git -C "$top" bundle create "$root/root/tarnwick.bundle" HEAD
echo "== In the root: a clone of $(git -C "$top" log -1 --format='%h %s' HEAD)"

cp "$(dirname "$0")/in_root.sh" "$root/root/in_root.sh"

# A desktop session's UTF-8 locale, which a bare root's shell does not set.
chroot "$root" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" LANG=C.UTF-8 \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  /bin/bash /root/in_root.sh </dev/null
