#!/usr/bin/env bash
# Run by run.sh inside the fresh Debian 13 root, from /root: clones the project from the bundle
# there, runs `make build`, checks that no test tool came with it, then runs `make test`, and
# writes what each installed to /root/summary.
set -euo pipefail

cd /root
git -c advice.detachedHead=false -c init.defaultBranch=main clone -q tarnwick.bundle tarnwick
cd tarnwick

installed() {
  dpkg-query -W -f='${db:Status-Abbrev} ${binary:Package} ${Installed-Size}\n' |
    awk '$1 == "ii" { print $2, $3 }' | sort
}
# "<what> N packages (X MB downloaded, Y MB on disk)", from the package lists before
# and after and the archives apt fetched, which are then cleared for the next step.
installed_by() {
  local what=$1 before=$2 after=$3 count kib bytes
  count=$(join -v 2 "$before" "$after" | wc -l)
  kib=$(join -v 2 "$before" "$after" | awk '{ s += $2 } END { print s + 0 }')
  bytes=$(find /var/cache/apt/archives -name '*.deb' -printf '%s\n' | awk '{ s += $1 } END { print s + 0 }')
  apt-get clean
  printf '%s %d packages (%d MB downloaded, %d MB on disk)\n' \
    "$what" "$count" $((bytes / 1000000)) $((kib * 1024 / 1000000)) | tee -a /root/summary
}

# debootstrap leaves the base root's own archives behind; they are not make build's.
apt-get clean
installed >/root/packages.0
echo "== make build"
make build
installed >/root/packages.1
installed_by "make build installed" /root/packages.0 /root/packages.1

echo "== The test tools are not installed"
for p in clang lintian tesseract-ocr xvfb; do
  if dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    echo "make build installed $p, a test tool" | tee -a /root/summary
    exit 1
  fi
done
echo "make build installed none of clang, lintian, tesseract-ocr, xvfb" | tee -a /root/summary

echo "== make test"
make test
installed >/root/packages.2
installed_by "make test installed on top" /root/packages.1 /root/packages.2
echo "make test passed" | tee -a /root/summary
