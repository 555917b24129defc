#!/usr/bin/env bash
# Installs what building and testing need, from Debian's packages, and
# cross-builds libpng for Windows once. Idempotent: when everything is in
# place it only checks and returns.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${VELORIN_BUILD:-$root/build}

packages=(
  cmake ninja-build g++ googletest libgtest-dev pkg-config python3
  g++-mingw-w64-i686-posix mingw-w64-i686-dev libz-mingw-w64-dev
  wine wine32:i386 xvfb x11-utils imagemagick fonts-wqy-microhei locales
)

missing_packages() {
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q 'install ok installed' ||
      echo "$p"
  done
}

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# apt-get source needs deb-src entries; copy the machine's own Debian entries
# for its release rather than naming any archive here.
add_source_entries() {
  local list=/etc/apt/sources.list.d/velorin-deb-src.sources
  [ -f "$list" ] && return 0
  local codename
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  awk -v rel="$codename" '
    BEGIN { RS = ""; ORS = "\n\n" }
    {
      n = split($0, line, "\n"); deb = 0; ours = 0
      for (i = 1; i <= n; i++) {
        if (line[i] ~ /^Types:/ && (" " line[i] " ") ~ / deb /) deb = 1
        if (line[i] ~ /^Suites:/ && (" " line[i] " ") ~ (" " rel " ")) ours = 1
      }
      if (deb && ours) { sub(/Types:[^\n]*/, "Types: deb-src"); print }
    }' /etc/apt/sources.list.d/*.sources 2>/dev/null | as_root tee "$list.tmp" >/dev/null
  if [ -f /etc/apt/sources.list ]; then
    awk -v rel="$codename" '$1 == "deb" && $3 == rel { $1 = "deb-src"; print }' \
      /etc/apt/sources.list | as_root tee "${list%.sources}.list" >/dev/null
  fi
  as_root mv "$list.tmp" "$list"
}

install_packages() {
  local missing
  missing=$(missing_packages)
  [ -z "$missing" ] && return 0
  dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
  add_source_entries
  echo "setup: installing$(echo "" $missing)" >&2
  mkdir -p "$build"
  as_root apt-get update -qq >"$build/setup.log"
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends $missing \
    >>"$build/setup.log"
}

enable_locale() {
  locale -a 2>/dev/null | grep -qix 'zh_CN.utf8' && return 0
  as_root sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
}

# Debian ships no Windows libpng: build Debian's own source once, statically.
build_libpng() {
  local prefix=$build/deps/libpng
  [ -f "$prefix/lib/libpng16.a" ] && return 0
  local work=$build/deps/libpng-src
  mkdir -p "$work"
  if ! ls "$work"/libpng1.6_*.orig.tar.* >/dev/null 2>&1; then
    add_source_entries
    ls /var/lib/apt/lists/*Sources* >/dev/null 2>&1 || as_root apt-get update -qq
    (cd "$work" && apt-get source --download-only -qq libpng1.6)
  fi
  rm -rf "$work/src" && mkdir -p "$work/src"
  tar -xf "$(ls "$work"/libpng1.6_*.orig.tar.* | head -n 1)" -C "$work/src" --strip-components=1
  cmake -S "$work/src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
    -DSKIP_INSTALL_PROGRAMS=ON -DSKIP_INSTALL_FILES=ON >/dev/null
  cmake --build "$work/build" >/dev/null
  cmake --install "$work/build" >/dev/null
}

install_packages
enable_locale
build_libpng
