#!/usr/bin/env bash
# Checks how scripts/install-deps.sh derives the bookworm-backports source from
# the machine's own Debian source, on sample APT configurations: one-line and
# deb822 files, the public mirror and a company mirror, sources that must not be
# taken (disabled, source-only, other suites, other vendors, a CD-ROM), and none.
# Where APT is installed, it must read each derived file as the backports suite
# of the same mirror.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/lib/apt-sources.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL [$case_name]: $*"
  failures=$((failures + 1))
}

# new_case <name>: an empty APT folder for the next case.
new_case() {
  case_name=$1
  export TALLOWICK_APT_DIR="$work/$case_name"
  mkdir -p "$TALLOWICK_APT_DIR/sources.list.d"
}

expect_source() {
  local file=$1 text=$2
  if ! derive_backports_source bookworm; then
    fail "no source derived"
    return
  fi
  [ "$BACKPORTS_SOURCE_FILE" = "$file" ] || fail "file $BACKPORTS_SOURCE_FILE, expected $file"
  [ "$BACKPORTS_SOURCE_TEXT" = "$text" ] ||
    fail "derived:"$'\n'"$BACKPORTS_SOURCE_TEXT"$'\n'"expected:"$'\n'"$text"
}

# APT itself must read the derived file as <site> bookworm-backports main.
expect_apt_reads() {
  local site=$1 parts="$work/$case_name-apt"
  command -v apt-get >/dev/null 2>&1 || return 0
  mkdir -p "$parts/sources.list.d" "$parts/lists/partial"
  printf '%s\n' "$BACKPORTS_SOURCE_TEXT" >"$parts/sources.list.d/$BACKPORTS_SOURCE_FILE"
  local read_back
  read_back=$(apt-get -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$parts/sources.list.d" \
    -o Dir::State::Lists="$parts/lists" -o Debug::NoLocking=1 \
    indextargets --no-release-info --format '$(SITE) $(RELEASE) $(COMPONENT)' 2>&1 | sort -u)
  [ "$read_back" = "$site bookworm-backports main" ] || fail "APT reads: $read_back"
}

# Debian 12's own layout: deb822, the public mirror, security on another site.
new_case deb822-public
cat >"$TALLOWICK_APT_DIR/sources.list.d/debian.sources" <<'EOF'
Types: deb
# http://snapshot.debian.org/archive/debian/20250520T000000Z
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
expect_source tallowick-backports.sources "Types: deb
URIs: http://deb.debian.org/debian
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
Suites: bookworm-backports
Components: main"
expect_apt_reads http://deb.debian.org/debian
apt_suite_configured bookworm-backports && fail "backports seen as configured"
# The Windows build's source packages come from the same mirror's deb-src.
derive_source_packages_source bookworm && [ "$SOURCE_PACKAGES_FILE" = tallowick-sources.sources ] &&
  [ "${SOURCE_PACKAGES_TEXT%%$'\n'*}" = "Types: deb-src" ] &&
  [[ "$SOURCE_PACKAGES_TEXT" == *$'\nSuites: bookworm\nComponents: main' ]] || fail "deb-src: $SOURCE_PACKAGES_TEXT"

# A company mirror in deb822, after stanzas that must be passed over, with the
# key inline (continuation lines) and fields in another case.
new_case deb822-company-mirror
cat >"$TALLOWICK_APT_DIR/sources.list.d/nodesource.sources" <<'EOF'
Types: deb
URIs: https://deb.nodesource.com/node_20.x
Suites: nodistro
Components: main
EOF
cat >"$TALLOWICK_APT_DIR/sources.list.d/corp.sources" <<'EOF'
Types: deb
URIs: http://old-mirror.corp.example/debian
Suites: bookworm
Components: main
Enabled: no

Types: deb-src
URIs: http://src.corp.example/debian
Suites: bookworm
Components: main

types: deb deb-src
uris: https://apt.corp.example/mirrors/debian/
suites: bookworm
components: main contrib non-free-firmware
architectures: amd64
signed-by:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mQINBGPL0BUBEADmW5NdOOHwPIJlgPu6JDcKw/NZJPR8lsD9K7jHHKpZz7ztJfqC
 -----END PGP PUBLIC KEY BLOCK-----
EOF
expect_source tallowick-backports.sources "Types: deb
uris: https://apt.corp.example/mirrors/debian/
architectures: amd64
signed-by:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mQINBGPL0BUBEADmW5NdOOHwPIJlgPu6JDcKw/NZJPR8lsD9K7jHHKpZz7ztJfqC
 -----END PGP PUBLIC KEY BLOCK-----
Suites: bookworm-backports
Components: main"
[ "$BACKPORTS_SOURCE_ORIGIN" = "$TALLOWICK_APT_DIR/sources.list.d/corp.sources" ] ||
  fail "origin $BACKPORTS_SOURCE_ORIGIN"
expect_apt_reads https://apt.corp.example/mirrors/debian

# The one-line format in sources.list: a company mirror with options, after
# lines that must be passed over.
new_case one-line-company-mirror
cat >"$TALLOWICK_APT_DIR/sources.list" <<'EOF'
# deb http://deb.debian.org/debian bookworm main
deb cdrom:[Debian GNU/Linux 12.5.0 _Bookworm_ - Official amd64 DVD]/ bookworm main
deb-src http://mirror.corp.example/debian bookworm main
deb https://download.docker.com/linux/debian bookworm stable
deb http://mirror.corp.example/debian-security bookworm-security main
deb [ arch=amd64 signed-by=/usr/share/keyrings/debian-archive-keyring.gpg ] http://mirror.corp.example/debian/ bookworm main contrib # the mirror
deb http://deb.debian.org/debian bookworm main
EOF
expect_source tallowick-backports.list \
  "deb [ arch=amd64 signed-by=/usr/share/keyrings/debian-archive-keyring.gpg ] http://mirror.corp.example/debian/ bookworm-backports main"
expect_apt_reads http://mirror.corp.example/debian
derive_source_packages_source bookworm
[ "$SOURCE_PACKAGES_TEXT" = "deb-src [ arch=amd64 signed-by=/usr/share/keyrings/debian-archive-keyring.gpg ] http://mirror.corp.example/debian/ bookworm main" ] ||
  fail "deb-src: $SOURCE_PACKAGES_TEXT"

# sources.list is read before sources.list.d, and sources.list.d in name order
# whatever the format.
new_case read-order
echo "deb http://b.example/debian bookworm main" >"$TALLOWICK_APT_DIR/sources.list.d/b.list"
printf 'Types: deb\nURIs: http://a.example/debian\nSuites: bookworm\nComponents: main\n' \
  >"$TALLOWICK_APT_DIR/sources.list.d/a.sources"
echo "deb http://ignored.example/debian bookworm main" >"$TALLOWICK_APT_DIR/sources.list.d/c.list.disabled"
expect_source tallowick-backports.sources "Types: deb
URIs: http://a.example/debian
Suites: bookworm-backports
Components: main"
echo "deb http://first.example/debian bookworm main" >"$TALLOWICK_APT_DIR/sources.list"
expect_source tallowick-backports.list "deb http://first.example/debian bookworm-backports main"

# Backports already configured (by hand or by an earlier run) is recognised.
new_case already-configured
echo "deb http://mirror.example/debian bookworm main" >"$TALLOWICK_APT_DIR/sources.list"
printf 'Types: deb\nURIs: http://mirror.example/debian\nSuites: bookworm-backports\nComponents: main\n' \
  >"$TALLOWICK_APT_DIR/sources.list.d/backports.sources"
apt_suite_configured bookworm-backports || fail "configured backports not seen"

# No source of the release at all: nothing is derived.
new_case none
echo "deb http://deb.debian.org/debian trixie main" >"$TALLOWICK_APT_DIR/sources.list"
echo "Types: deb" >"$TALLOWICK_APT_DIR/sources.list.d/broken.sources"
if derive_backports_source bookworm; then
  fail "derived from nothing: $BACKPORTS_SOURCE_TEXT"
fi
new_case missing-folder
rmdir "$TALLOWICK_APT_DIR/sources.list.d"
derive_backports_source bookworm && fail "derived from a missing folder"

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all backports source checks passed"
