# shellcheck shell=bash
# Fresh Debian roots for CI: bootstrapped with debootstrap (minbase with git,
# ca-certificates and sudo) from the mirror this machine uses, kept as a
# tarball between runs, unpacked anew for every run. Sourced by
# scripts/ci/fresh-root.sh; needs root.
#
# TALLOWICK_CI_CACHE (default /var/cache/tallowick-ci) holds, per release, the
# base tarball and the .deb files apt downloaded, and npm's cache.

ci_cache_dir() {
  echo "${TALLOWICK_CI_CACHE:-/var/cache/tallowick-ci}"
}

# The Debian mirror of the machine's first enabled source for its own release,
# e.g. http://deb.debian.org/debian (read as scripts/lib/apt-sources.sh reads it).
ci_host_mirror() {
  local codename file source uri
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  while read -r file; do
    source=$(apt_rewrite_source "$file" "$codename" "$codename")
    [ -n "$source" ] || continue
    case "$file" in
      *.sources) uri=$(awk 'tolower($1) == "uris:" { print $2; exit }' <<<"$source") ;;
      *) uri=$(awk '{ for (i = 2; i <= NF; i++) if ($i ~ /^[a-z+]+:\/\//) { print $i; exit } }' <<<"$source") ;;
    esac
    [ -n "$uri" ] && { echo "$uri"; return 0; }
  done < <(apt_source_files)
  return 1
}

# ci_base_tarball <release>: prints the path of the release's bootstrapped base,
# made with debootstrap the first time (its output in the given log). One
# maker at a time, under a lock: what a maker that was interrupted left behind
# (its half-made root, a half-written tarball) is removed by the next.
ci_base_tarball() (
  local release=$1 log=$2 tarball work mirror
  tarball="$(ci_cache_dir)/$release-base.tar"
  if [ -f "$tarball" ]; then
    echo "$tarball"
    exit 0
  fi
  mkdir -p "$(ci_cache_dir)"
  exec 9>"$(ci_cache_dir)/$release-base.lock"
  flock 9
  if [ -f "$tarball" ]; then
    echo "$tarball"
    exit 0
  fi
  rm -rf --one-file-system "$(ci_cache_dir)/bootstrap-$release" "$(ci_cache_dir)/bootstrap-$release".* "$tarball.part"
  mirror=$(ci_host_mirror) || {
    echo "found no Debian source in /etc/apt to take the mirror from" >&2
    exit 1
  }
  work="$(ci_cache_dir)/bootstrap-$release"
  if ! ci_retry 3 ci_debootstrap "$release" "$work/root" "$mirror" >>"$log" 2>&1; then
    rm -rf --one-file-system "$work"
    exit 1
  fi
  tar -C "$work/root" -cf "$tarball.part" . && mv "$tarball.part" "$tarball" || exit 1
  rm -rf --one-file-system "$work"
  echo "$tarball"
)

# A try that failed half-way leaves a root debootstrap cannot go on from.
ci_debootstrap() {
  rm -rf --one-file-system "$2"
  debootstrap --variant=minbase --include=git,ca-certificates,sudo "$1" "$2" "$3"
}

# ci_retry <tries> <command...>: for commands that fail when the network does
# (downloads); every try's output stays in the caller's log.
ci_retry() {
  local tries=$1 try status=0
  shift
  for ((try = 1; try <= tries; try++)); do
    status=0
    "$@" && return 0 || status=$?
    echo "=== try $try of $tries failed with status $status" >&2
    [ "$try" -lt "$tries" ] && sleep $((try * 10))
  done
  return "$status"
}

# stage <name> <command...>: runs one stage of the release's run with its
# output in $log_dir/<release>-<name>.log, and prints its result and time on
# one line, with the end of the log when it failed. Uses $release, $log_dir.
stage() {
  local name=$1 log started status=0
  shift
  log="$log_dir/$release-${name//[\/ ]/-}.log"
  : >"$log"
  started=$SECONDS
  "$@" >>"$log" 2>&1 </dev/null || status=$?
  if [ "$status" -eq 0 ]; then
    echo "ci: $release $name: passed in $((SECONDS - started)) s"
  else
    echo "ci: $release $name: FAILED (status $status) in $((SECONDS - started)) s; the end of $log:"
    tail -n 40 "$log" | sed 's/^/    /'
  fi
  return "$status"
}
