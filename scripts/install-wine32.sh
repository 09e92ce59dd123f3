#!/usr/bin/env bash
# Installs Wine's 32-bit side (wine32:i386) beside wine64, for running the
# i686 programs.  Idempotent: a machine that has it is left alone.
#
# A multiarch library must have the same version for amd64 and i386.  When
# a mirror lags (an i386 index of the security suite that fails to download
# while the amd64 one is current), apt sees an amd64 library newer than any
# i386 build of it and refuses wine32.  This step then pins each such source
# package, for both architectures, to the newest version that both have, so
# that the amd64 library and the -dev packages built from the same source
# (libpng-dev, zlib1g-dev, ...) move to it together.  When no common version
# exists it says which package stands in the way and stops.  The pins stay
# in /etc/apt/preferences.d/nuvex-multiarch, so that a later apt-get install
# does not move one architecture away from the other; a run that finds
# wine32 missing writes them anew.
set -euo pipefail

pin_file=/etc/apt/preferences.d/nuvex-multiarch
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

if installed wine32:i386 && [ -x /usr/lib/wine/wine ]; then
  exit 0
fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "install-wine32: adding the i386 architecture"
  $SUDO dpkg --add-architecture i386
fi

# A pin left by an earlier run may hold versions the mirror has since moved past.
$SUDO rm -f "$pin_file"
# An index that fails to download leaves apt with what it had; the pins below
# deal with the lag that this causes, so a failed update is not the end.
if ! update_log=$($SUDO apt-get update -qq 2>&1); then
  echo "install-wine32: apt-get update reported problems; carrying on with the lists it has:"
  grep -E '^(E|W):' <<<"$update_log" | sed 's/^/  /' || true
fi

# The i386 packages that wine32 needs, with their own dependencies.
mapfile -t needed < <(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts \
                        --no-breaks --no-replaces --no-enhances wine32:i386 2>/dev/null \
                      | grep -E '^[a-z0-9][^ ]*:i386$' | sed 's/:i386$//' | sort -u)
((${#needed[@]})) || { echo "install-wine32: apt knows no wine32:i386 (is the i386 index missing?)" >&2; exit 1; }

# apt-cache costs a second or more a call with three architectures' lists,
# so each question is asked once for all packages.
# Each package's candidate for both architectures.
declare -A cand=()
while read -r name version; do
  cand[$name]=$version
done < <(apt-cache policy $(printf '%s:amd64 %s:i386 ' "${needed[@]}" "${needed[@]}") 2>/dev/null \
         | awk '/^[^ ].*:$/ { name = substr($0, 1, length($0) - 1); if (name !~ /:/) name = name ":amd64" }
                /^  Candidate:/ { print name, $2 }')
differing=()
for p in "${needed[@]}"; do
  a=${cand[$p:amd64]:-} i=${cand[$p:i386]:-}
  [ -n "$a" ] && [ "$a" != "(none)" ] && [ -n "$i" ] && [ "$i" != "(none)" ] && [ "$a" != "$i" ] && differing+=("$p")
done

pins=""
if ((${#differing[@]})); then
  # Every version each architecture offers: "package arch version" lines.
  offered=$(apt-cache madison $(printf '%s:amd64 %s:i386 ' "${differing[@]}" "${differing[@]}") 2>/dev/null \
            | awk -F'|' '$3 ~ / Packages$/ { split($1, n, ":"); gsub(/ /, "", n[1]); gsub(/ /, "", $2)
                                              k = split($3, w, " "); print n[1], w[k - 1], $2 }' | sort -u)
  declare -A common=()
  for p in "${differing[@]}"; do
    best=""
    while read -r v; do
      if grep -qxF "$p i386 $v" <<<"$offered"; then
        if [ -z "$best" ] || dpkg --compare-versions "$v" gt "$best"; then best=$v; fi
      fi
    done < <(awk -v p="$p" '$1 == p && $2 == "amd64" { print $3 }' <<<"$offered")
    if [ -z "$best" ]; then
      echo "install-wine32: $p has no version that both amd64 (${cand[$p:amd64]}) and i386" \
           "(${cand[$p:i386]}) offer; the mirror's i386 index lags too far behind, try again later" >&2
      exit 1
    fi
    common[$p]=$best
  done
  # Only libraries shared between the architectures must agree; they move
  # with every package built from the same source.
  declare -A pinned=()
  while read -r p src multiarch; do
    [ "$multiarch" = same ] || continue
    [ -n "${pinned[$src]:-}" ] && continue
    pinned[$src]=${common[$p]}
    echo "install-wine32: $p is ${cand[$p:amd64]} for amd64 but ${cand[$p:i386]} for i386;" \
         "both go to ${common[$p]} (source $src)"
    pins+="Package: src:$src"$'\n'"Pin: version ${common[$p]}"$'\n'"Pin-Priority: 1001"$'\n\n'
  done < <(apt-cache show $(for p in "${differing[@]}"; do printf '%s:i386=%s ' "$p" "${common[$p]}"; done) 2>/dev/null \
           | awk '/^Package:/ { p = $2; src = $2; ma = "no" } /^Source:/ { src = $2 } /^Multi-Arch:/ { ma = $2 }
                  /^$/ { if (p != "") print p, src, ma; p = "" } END { if (p != "") print p, src, ma }')
fi

if [ -n "$pins" ]; then
  printf '%s' "$pins" | $SUDO tee "$pin_file" >/dev/null
fi

# Packages that a pinned library takes away (a -dev package that wants the
# newer amd64 version) are put back at the pinned version.
before=$(dpkg-query -W -f='${db:Status-Abbrev} ${binary:Package}\n' | awk '$1 == "ii" { print $2 }' | sort)
if ! $SUDO apt-get install -y -qq --no-install-recommends --allow-downgrades wine32:i386 >/tmp/install-wine32.log 2>&1; then
  tail -30 /tmp/install-wine32.log >&2
  echo "install-wine32: apt could not install wine32:i386 (see above)" >&2
  exit 1
fi
after=$(dpkg-query -W -f='${db:Status-Abbrev} ${binary:Package}\n' | awk '$1 == "ii" { print $2 }' | sort)
mapfile -t removed < <(comm -23 <(echo "$before") <(echo "$after"))
if ((${#removed[@]})); then
  echo "install-wine32: putting back ${removed[*]}"
  $SUDO apt-get install -y -qq --no-install-recommends --allow-downgrades "${removed[@]}" >>/tmp/install-wine32.log 2>&1 \
    || { tail -30 /tmp/install-wine32.log >&2; echo "install-wine32: could not put back ${removed[*]}" >&2; exit 1; }
fi
[ -x /usr/lib/wine/wine ] || { echo "install-wine32: wine32 installed but /usr/lib/wine/wine is missing" >&2; exit 1; }
echo "install-wine32: $(/usr/lib/wine/wine --version 2>/dev/null || echo wine32) installed"
