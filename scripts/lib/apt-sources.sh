# Reads the machine's APT sources to find the Debian mirror it is configured
# with, so that a backports source can point at the same mirror (a machine on a
# company network or in CI often reaches Debian only through its own mirror or
# proxy). Sourced by scripts/install-deps.sh and its test.
#
# TALLOWICK_APT_DIR points the functions at another APT configuration folder
# (default /etc/apt).

apt_dir() {
  echo "${TALLOWICK_APT_DIR:-/etc/apt}"
}

# The source files APT reads, in the order it reads them.
apt_source_files() {
  local dir file
  dir=$(apt_dir)
  [ -f "$dir/sources.list" ] && echo "$dir/sources.list"
  for file in "$dir"/sources.list.d/*.list "$dir"/sources.list.d/*.sources; do
    [ -f "$file" ] && echo "$file"
  done | LC_ALL=C sort
  return 0
}

# Prints the first enabled binary-package source for the suite with the main
# component, rewritten for <suite to write> with main alone, in the format of
# its file: one-line ("deb [options] URI suite components") for .list files,
# deb822 stanzas for .sources files (every field other than Types, Suites and
# Components is kept, Signed-By among them). Prints nothing when none matches.
# An optional fourth argument gives the type to write (default deb; deb-src
# for the same mirror's source packages).
apt_rewrite_source() {
  local file=$1 suite=$2 new_suite=$3 new_type=${4:-deb}
  case "$file" in
    *.sources)
      awk -v suite="$suite" -v new_suite="$new_suite" -v new_type="$new_type" '
        BEGIN { RS = ""; FS = "\n" }
        function field(name,   i, line, key) {
          for (i = 1; i <= NF; i++) {
            line = $i
            if (line ~ /^[ \t]/ || line ~ /^#/ || index(line, ":") == 0) continue
            key = tolower(substr(line, 1, index(line, ":") - 1))
            if (key == name) { sub(/^[^:]*:[ \t]*/, "", line); return line }
          }
          return ""
        }
        function has_word(list, word,   words, n, i) {
          n = split(list, words, /[ \t]+/)
          for (i = 1; i <= n; i++) if (words[i] == word) return 1
          return 0
        }
        {
          if (!has_word(field("types"), "deb")) next
          if (tolower(field("enabled")) == "no") next
          if (!has_word(field("suites"), suite)) next
          if (!has_word(field("components"), "main")) next
          if (field("uris") == "" || field("uris") ~ /^cdrom:/) next
          print "Types: " new_type
          keep = 0
          for (i = 1; i <= NF; i++) {
            line = $i
            if (line ~ /^#/) continue
            if (line !~ /^[ \t]/) {
              key = tolower(substr(line, 1, index(line, ":") - 1))
              keep = (key != "types" && key != "suites" && key != "components")
            }
            if (keep) print line
          }
          print "Suites: " new_suite
          print "Components: main"
          exit
        }' "$file"
      ;;
    *)
      awk -v suite="$suite" -v new_suite="$new_suite" -v new_type="$new_type" '
        {
          sub(/#.*/, "")
          if ($1 != "deb") next
          options = ""; i = 2
          if ($2 ~ /^\[/) {
            while (i <= NF) {
              options = options (options == "" ? "" : " ") $i
              if ($(i++) ~ /\]$/) break
            }
          }
          uri = $i; source_suite = $(i + 1)
          if (uri == "" || uri ~ /^cdrom:/ || source_suite != suite) next
          has_main = 0
          for (j = i + 2; j <= NF; j++) if ($j == "main") has_main = 1
          if (!has_main) next
          print new_type " " (options == "" ? "" : options " ") uri " " new_suite " main"
          exit
        }' "$file"
      ;;
  esac
}

# Whether some enabled source already carries the suite (for instance
# <codename>-backports, added by hand or by an earlier run).
apt_suite_configured() {
  apt_suite_source "$1"
}

# Sets SUITE_SOURCE_TEXT and SUITE_SOURCE_FILE to the first enabled source of
# the suite and the file it is in; returns 1 when there is none.
apt_suite_source() {
  local suite=$1 file
  while read -r file; do
    SUITE_SOURCE_TEXT=$(apt_rewrite_source "$file" "$suite" "$suite")
    SUITE_SOURCE_FILE=$file
    [ -n "$SUITE_SOURCE_TEXT" ] && return 0
  done < <(apt_source_files)
  return 1
}

# Derives a source of <new suite> (of <type>: deb or deb-src) from the first
# source of the release itself, to be written as sources.list.d/<stem>.list or
# .sources, in the format of the source it came from. Sets DERIVED_SOURCE_FILE
# (the file name), DERIVED_SOURCE_TEXT (its content) and DERIVED_SOURCE_ORIGIN
# (the file it was derived from). Returns 1 when no source of the release is
# configured.
derive_source() {
  local codename=$1 new_suite=$2 type=$3 stem=$4 file text
  while read -r file; do
    text=$(apt_rewrite_source "$file" "$codename" "$new_suite" "$type")
    if [ -n "$text" ]; then
      case "$file" in
        *.sources) DERIVED_SOURCE_FILE=$stem.sources ;;
        *) DERIVED_SOURCE_FILE=$stem.list ;;
      esac
      DERIVED_SOURCE_TEXT=$text
      DERIVED_SOURCE_ORIGIN=$file
      return 0
    fi
  done < <(apt_source_files)
  return 1
}

# The <codename>-backports source: sets BACKPORTS_SOURCE_FILE,
# BACKPORTS_SOURCE_TEXT and BACKPORTS_SOURCE_ORIGIN as derive_source does.
derive_backports_source() {
  derive_source "$1" "$1-backports" deb tallowick-backports || return
  BACKPORTS_SOURCE_FILE=$DERIVED_SOURCE_FILE
  BACKPORTS_SOURCE_TEXT=$DERIVED_SOURCE_TEXT
  BACKPORTS_SOURCE_ORIGIN=$DERIVED_SOURCE_ORIGIN
}

# Prints the URI of a source written by apt_rewrite_source (either format).
apt_source_uri() {
  awk '
    /^URIs:/ { print $2; exit }
    $1 == "deb" { i = 2; if ($2 ~ /^\[/) { while ($(i++) !~ /\]$/) {} } print $i; exit }
  ' <<<"$1"
}

# A deb-src source for the release's own suite, for apt-get source: sets
# SOURCE_PACKAGES_FILE, SOURCE_PACKAGES_TEXT and SOURCE_PACKAGES_ORIGIN as
# derive_source does.
derive_source_packages_source() {
  derive_source "$1" "$1" deb-src tallowick-sources || return
  SOURCE_PACKAGES_FILE=$DERIVED_SOURCE_FILE
  SOURCE_PACKAGES_TEXT=$DERIVED_SOURCE_TEXT
  SOURCE_PACKAGES_ORIGIN=$DERIVED_SOURCE_ORIGIN
}
