#!/usr/bin/env bash
# Cross-builds ZAVscore for Windows (64-bit) with MinGW-w64 on Debian.
#
# Usage: scripts/build-windows.sh [libs|build|package|all]   (default: all)
#   libs     the static libraries the program links (wxMSW, zlib, libpng, OpenSSL's libcrypto,
#            libssh2, libcurl,
#            cpp-httplib, libqrencode, GoogleTest), built
#            once from Debian's own source packages into a cache outside the checkout;
#            nlohmann-json and Boost (Asio, Beast), header-only, are copies of Debian's own
#            headers
#   build    zavscore.exe, zavscore-cli.exe and the Windows test programs and tools
#            (build-windows/)
#   package  the installer and the portable zip (build-windows/dist/)
#
# Environment: XDG_CACHE_HOME (default ~/.cache) holds the libraries; BUILD_DIR
# (default build-windows) the project's Windows build; JOBS (default: every processor).
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
stage="${1:-all}"
jobs="${JOBS:-$(nproc)}"
host=x86_64-w64-mingw32
export CC=$host-gcc-posix CXX=$host-g++-posix

# The versions Debian 12 ships; the cache folder is named after them so that a new one
# rebuilds instead of mixing.
wx_version=3.2.2
zlib_version=1.2.13
png_version=1.6.39
openssl_version=3.0.20
ssh2_version=1.10.0
curl_version=7.88.1
httplib_version=0.11.4
qrencode_version=4.1.1
gcc_major="$($CXX -dumpversion | cut -d. -f1)"
cache="${XDG_CACHE_HOME:-$HOME/.cache}/zavscore/mingw-gcc$gcc_major-wx$wx_version"
prefix="$cache/prefix"
sources="$cache/src"

exec 3>&2
log() { echo "== $*" >&3; }

# Debian's source packages need a deb-src entry; it copies the archive of the machine's own
# deb entry, so no host name is written here.
ensure_deb_src() {
  local entry=/etc/apt/sources.list.d/zavscore-debian-src.sources
  if apt-get source --print-uris -qq zlib >/dev/null 2>&1; then return; fi
  local uri
  uri="$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)"
  if [ -z "$uri" ]; then
    uri="$(awk '$1 == "deb" {print $2; exit}' /etc/apt/sources.list 2>/dev/null || true)"
  fi
  [ -n "$uri" ] || { echo "No Debian archive found in the apt sources" >&2; exit 1; }
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  printf 'Types: deb-src\nURIs: %s\nSuites: bookworm bookworm-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$uri" | $sudo tee "$entry" >/dev/null
  $sudo apt-get update -qq
}

# Unpacks Debian's source package $1 into $sources and prints the folder; checks that its
# upstream version is $2. When the archive lacks the package's Debian part (it happens on
# mirrors), the upstream tarball it did fetch is unpacked instead, once its checksum matches
# the one the package's .dsc gives.
debian_source() {
  local package=$1 version=$2 work="$sources/$1"
  if [ ! -d "$work" ]; then
    ensure_deb_src
    rm -rf "$work.tmp" && mkdir -p "$work.tmp"
    if ! (cd "$work.tmp" && apt-get source -qq "$package" >/dev/null 2>&1); then
      (cd "$work.tmp" && unpack_upstream "$package") >&2
    fi
    mv "$work.tmp" "$work"
  fi
  local dir
  dir="$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -1)"
  case "$(basename "$dir")" in
    *-"$version"*) ;;
    *) echo "Expected $package $version, found $(basename "$dir")" >&2; exit 1 ;;
  esac
  echo "$dir"
}

unpack_upstream() {
  local package=$1 dsc tarball sum
  dsc="$(ls ./*.dsc 2>/dev/null | head -1)"
  tarball="$(ls ./*.orig.tar.* 2>/dev/null | grep -v '\.asc$' | head -1)"
  [ -n "$dsc" ] && [ -n "$tarball" ] || { echo "No source of $package in the archive" >&2; exit 1; }
  sum="$(awk -v f="$(basename "$tarball")" '/^Checksums-Sha256:/ {on=1; next} /^[^ ]/ {on=0}
         on && $3 == f {print $1}' "$dsc")"
  echo "$sum  $(basename "$tarball")" | sha256sum -c --quiet - ||
    { echo "$tarball does not match $dsc" >&2; exit 1; }
  tar xf "$tarball"
}

done_stamp() { echo "$prefix/.done-$1"; }

build_zlib() {
  [ -e "$(done_stamp zlib-$zlib_version)" ] && return
  log "zlib $zlib_version"
  local dir
  dir="$(debian_source zlib $zlib_version)"
  (cd "$dir" && make distclean >/dev/null 2>&1 || true
   cd "$dir" && CHOST=$host ./configure --static --prefix="$prefix" >/dev/null && make -j"$jobs" libz.a >/dev/null)
  mkdir -p "$prefix/lib" "$prefix/include"
  cp "$dir/libz.a" "$prefix/lib/" && cp "$dir/zlib.h" "$dir/zconf.h" "$prefix/include/"
  touch "$(done_stamp zlib-$zlib_version)"
}

build_png() {
  [ -e "$(done_stamp png-$png_version)" ] && return
  log "libpng $png_version"
  local dir
  dir="$(debian_source libpng1.6 $png_version)"
  (cd "$dir" && ./configure -q --host=$host --prefix="$prefix" --disable-shared \
     CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib" &&
   make -j"$jobs" >/dev/null && make install >/dev/null)
  touch "$(done_stamp png-$png_version)"
}

# The controls and services the program does not use are left out and the headers
# precompiled: the first build is CI's longest step. A change to these options renames the
# stamp and the build folder, so that a cached build is made again.
wx_options=(
  --disable-shared --with-msw --with-libpng=sys --with-zlib=sys --enable-pch
  --without-libjpeg --without-libtiff --without-expat --without-opengl --disable-debug_info
  --disable-xrc --disable-aui --disable-propgrid --disable-ribbon --disable-richtext
  --disable-stc --disable-webview --disable-mediactrl
  --disable-grid --disable-dataviewctrl --disable-treelist --disable-calendar
  --disable-datepick --disable-timepick --disable-animatectrl --disable-bannerwindow
  --disable-commandlinkbutton --disable-rearrangectrl --disable-addremovectrl
  --disable-wizarddlg --disable-tipdlg --disable-richtooltip
  --disable-notifmsg --disable-infobar --disable-searchctrl --disable-editablebox
  --disable-taskbaricon --disable-taskbarbutton --disable-mdi --disable-mdidoc --disable-docview --disable-svg
  --disable-joystick --disable-sound --disable-fswatcher --disable-webrequest
  --disable-sockets --disable-protocol --disable-url --disable-fs_inet --disable-ipc
)
wx_build=lean-pch

build_wx() {
  [ -e "$(done_stamp wx-$wx_version-$wx_build)" ] && return
  log "wxMSW $wx_version"
  local dir
  dir="$(debian_source wxwidgets3.2 $wx_version)"
  # An interrupted build goes on where it stopped.
  mkdir -p "$dir/build-msw-$wx_build"
  (cd "$dir/build-msw-$wx_build" &&
   { [ -f Makefile ] || ../configure -q --host=$host --build=x86_64-linux-gnu --prefix="$prefix" \
     "${wx_options[@]}" CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib"; } &&
   make -j"$jobs" >/dev/null && make install >/dev/null)
  touch "$(done_stamp wx-$wx_version-$wx_build)"
}

# libssh2's cryptography: OpenSSL's (TLS itself is Windows' own Schannel).
# libssh2 on Windows' CNG has neither ed25519 keys nor RSA with SHA-2, which today's
# OpenSSH servers ask for.
build_openssl() {
  [ -e "$(done_stamp openssl-$openssl_version-ssl)" ] && return
  log "OpenSSL $openssl_version (libcrypto, libssl)"
  local dir
  dir="$(debian_source openssl $openssl_version)"
  (cd "$dir" && CC=gcc-posix CXX=g++-posix ./Configure mingw64 --cross-compile-prefix=$host- --prefix="$prefix" \
     --libdir=lib no-shared no-tests no-dso no-engine no-legacy no-module \
     no-ssl3 no-comp >/dev/null &&
   make -j"$jobs" build_generated >/dev/null && make -j"$jobs" libcrypto.a libssl.a >/dev/null)
  mkdir -p "$prefix/include/openssl" "$prefix/lib/pkgconfig"
  cp "$dir"/include/openssl/*.h "$prefix/include/openssl/"
  # libssh2 looks for both, though it only uses libcrypto.
  cp "$dir/libcrypto.a" "$dir/libssl.a" "$prefix/lib/"
  printf 'prefix=%s\nName: libcrypto\nDescription: OpenSSL cryptography\nVersion: %s\nCflags: -I${prefix}/include\nLibs: -L${prefix}/lib -lcrypto -lws2_32 -lgdi32 -lcrypt32 -lbcrypt -luser32 -ladvapi32\n' \
    "$prefix" "$openssl_version" > "$prefix/lib/pkgconfig/libcrypto.pc"
  touch "$(done_stamp openssl-$openssl_version-ssl)"
}

# SFTP for the upload.
build_ssh2() {
  [ -e "$(done_stamp ssh2-$ssh2_version-openssl)" ] && return
  log "libssh2 $ssh2_version"
  local dir
  dir="$(debian_source libssh2 $ssh2_version)"
  (cd "$dir" && { make distclean >/dev/null 2>&1 || true; } &&
   ./configure -q --host=$host --prefix="$prefix" --disable-shared \
     --with-crypto=openssl --with-libssl-prefix="$prefix" --with-libz=no --disable-examples-build \
     CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib" \
     LIBS="-lws2_32 -lgdi32 -lcrypt32 -lbcrypt -luser32 -ladvapi32" &&
   make -j"$jobs" -C src >/dev/null && make -C src install >/dev/null &&
   cp include/libssh2*.h "$prefix/include/" && make install-pkgconfigDATA >/dev/null)
  touch "$(done_stamp ssh2-$ssh2_version-openssl)"
}

# The upload's transfers: TLS through Windows' own Schannel (the system's certificates),
# SFTP through libssh2; only the protocols the upload speaks.
build_curl() {
  [ -e "$(done_stamp curl-$curl_version-ssh2-openssl)" ] && return
  log "libcurl $curl_version"
  local dir
  dir="$(debian_source curl $curl_version)"
  (cd "$dir" && { make distclean >/dev/null 2>&1 || true; } &&
   ./configure -q --host=$host --prefix="$prefix" --disable-shared \
     --with-schannel --with-libssh2="$prefix" --with-zlib="$prefix" \
     --without-brotli --without-zstd --without-libpsl --without-nghttp2 --without-libidn2 \
     --without-librtmp --disable-ldap --disable-ldaps --disable-rtsp --disable-dict \
     --disable-telnet --disable-tftp --disable-pop3 --disable-imap --disable-smtp \
     --disable-gopher --disable-mqtt --disable-smb --disable-manual \
     CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib" \
     LIBS="-lcrypto -lws2_32 -lgdi32 -lcrypt32 -lbcrypt -luser32 -ladvapi32" &&
   make -j"$jobs" -C lib >/dev/null && make -C lib install >/dev/null &&
   make -C include install >/dev/null && make install-pkgconfigDATA >/dev/null)
  touch "$(done_stamp curl-$curl_version-ssh2-openssl)"
}

# The arena network's HTTP server, split into a header and a library as Debian ships it
# for Linux (its own split script), without TLS or compression.
build_httplib() {
  [ -e "$(done_stamp httplib-$httplib_version)" ] && return
  log "cpp-httplib $httplib_version"
  local dir out="$cache/build-httplib"
  dir="$(debian_source cpp-httplib $httplib_version)"
  rm -rf "$out" && mkdir -p "$out" "$prefix/include" "$prefix/lib/pkgconfig"
  python3 "$dir/split.py" -o "$out" >/dev/null
  $CXX -std=c++17 -O2 -D_WIN32_WINNT=0x0A00 -I"$out" -c "$out/httplib.cc" -o "$out/httplib.o"
  $host-ar rcs "$prefix/lib/libcpp-httplib.a" "$out/httplib.o"
  cp "$out/httplib.h" "$prefix/include/"
  printf 'prefix=%s\nName: cpp-httplib\nDescription: HTTP server and client\nVersion: %s\nCflags: -I${prefix}/include -D_WIN32_WINNT=0x0A00\nLibs: -L${prefix}/lib -lcpp-httplib -lws2_32 -lcrypt32\n' \
    "$prefix" "$httplib_version" > "$prefix/lib/pkgconfig/cpp-httplib.pc"
  touch "$(done_stamp httplib-$httplib_version)"
}

# The arena network's address as a QR code.
# Header-only: Debian's headers and CMake package files as the system has them (the
# package's files locate the headers from their own folder).
build_json() {
  local version
  version="$(dpkg-query -W -f='${Version}' nlohmann-json3-dev)"
  [ -e "$(done_stamp json-$version)" ] && return
  log "nlohmann-json $version"
  rm -rf "$prefix/include/nlohmann" "$prefix/share/cmake/nlohmann_json"
  mkdir -p "$prefix/include" "$prefix/share/cmake"
  cp -r /usr/include/nlohmann "$prefix/include/"
  cp -r /usr/share/cmake/nlohmann_json "$prefix/share/cmake/"
  touch "$(done_stamp json-$version)"
}

# Header-only too: the arena network's server uses Boost.Asio and Boost.Beast, whose headers
# take Windows' sockets when built for it.
build_boost() {
  local version
  version="$(dpkg-query -W -f='${Version}' libboost1.81-dev)"
  [ -e "$(done_stamp boost-$version)" ] && return
  log "Boost headers $version"
  rm -rf "$prefix/include/boost"
  mkdir -p "$prefix/include"
  cp -r /usr/include/boost "$prefix/include/"
  touch "$(done_stamp boost-$version)"
}

build_qrencode() {
  [ -e "$(done_stamp qrencode-$qrencode_version)" ] && return
  log "libqrencode $qrencode_version"
  local dir
  dir="$(debian_source qrencode $qrencode_version)"
  (cd "$dir" && ./configure -q --host=$host --prefix="$prefix" --disable-shared --without-tools \
     --without-png && make -j"$jobs" >/dev/null && make install >/dev/null)
  touch "$(done_stamp qrencode-$qrencode_version)"
}

# Debian ships GoogleTest as sources only; built with the same compiler as the tests.
build_gtest() {
  local version
  version="$(dpkg-query -W -f='${Version}' googletest 2>/dev/null || echo unknown)"
  [ -e "$(done_stamp gtest-$version)" ] && return
  log "GoogleTest $version"
  local dir="$cache/build-gtest"
  rm -rf "$dir"
  cmake -S /usr/src/googletest -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_GMOCK=OFF \
    -Dgtest_disable_pthreads=OFF >/dev/null
  cmake --build "$dir" -j"$jobs" >/dev/null
  cmake --install "$dir" >/dev/null
  touch "$(done_stamp gtest-$version)"
}

libs() {
  mkdir -p "$prefix" "$sources" "$cache/logs"
  # The libraries' own warnings go to a log each, shown when a build fails.
  local library
  library_log=""
  trap '[ $? -eq 0 ] || [ -z "$library_log" ] ||
        { tail -40 "$library_log"; echo "Failed; the whole log: $library_log"; } >&3' EXIT
  for library in zlib png wx openssl ssh2 curl httplib json boost qrencode gtest; do
    library_log="$cache/logs/$library.log"
    "build_$library" 2>"$library_log"
  done
  trap - EXIT
  log "libraries ready in $prefix"
}

# The project, cross-built with the toolchain file against the libraries.
build_dir="${BUILD_DIR:-$here/build-windows}"
project() {
  log "ZAVscore for Windows in $build_dir"
  local launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$here" -B "$build_dir" -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64.cmake" \
    -DZAV_MINGW_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DZAV_BUILD_GUI=ON -DZAV_BUILD_TESTS=ON \
    "${launcher[@]}" >/dev/null
  cmake --build "$build_dir" -j"$jobs" --target zavscore zavscore-cli zavcore_tests \
    zavdocument_tests zavcli_tests zavtest_windowprobe
  # Static: nothing but Windows' own DLLs.
  local exe dll
  for exe in "$build_dir/src/gui/zavscore.exe" "$build_dir/zavscore-cli.exe"; do
    for dll in $($host-objdump -p "$exe" | awk '/DLL Name:/ {print $3}'); do
      case "${dll,,}" in
        kernel32.dll|user32.dll|gdi32.dll|comdlg32.dll|winspool.drv|advapi32.dll|shell32.dll| \
        ole32.dll|oleaut32.dll|comctl32.dll|uuid.dll|rpcrt4.dll|shlwapi.dll|version.dll| \
        uxtheme.dll|oleacc.dll|msvcrt.dll|winmm.dll|wininet.dll|ws2_32.dll|imm32.dll| \
        msimg32.dll|gdiplus.dll|usp10.dll|dwmapi.dll|bcrypt.dll|crypt32.dll|iphlpapi.dll| \
        secur32.dll|mswsock.dll|api-ms-win-*) ;;
        *) echo "$exe needs $dll, which Windows does not have" >&2; exit 1 ;;
      esac
    done
  done
}

# The installer and the portable zip, from what `cmake --install` stages.
package() {
  local version dist stage
  version="$(sed -n 's/^project(ZAVscore VERSION \([0-9.]*\).*/\1/p' "$here/CMakeLists.txt")"
  dist="$build_dir/dist"
  stage="$dist/ZAVscore"
  rm -rf "$dist" && mkdir -p "$dist"
  cmake --install "$build_dir" --prefix "$stage" >/dev/null
  $host-strip "$stage"/*.exe
  log "installer ZAVscore-$version-setup.exe"
  # The installer lists every file it puts in place, and the uninstaller
  # removes those and nothing else.
  (cd "$stage" && find . -type d ! -name . | sed 's|^\./||; s|/|\\|g' | sort) > "$dist/folders.txt"
  (cd "$stage" && find . -type f | sed 's|^\./||; s|/|\\|g' | sort) > "$dist/files.txt"
  {
    while read -r folder; do echo "CreateDirectory \"\$INSTDIR\\$folder\""; done < "$dist/folders.txt"
    while read -r file; do
      echo "SetOutPath \"\$INSTDIR\\$(dirname "${file//\\//}" | sed 's|^\.$||; s|/|\\|g')\""
      echo "File \"/oname=\$INSTDIR\\$file\" \"$stage/${file//\\//}\""
    done < "$dist/files.txt"
    echo "SetOutPath \"\$INSTDIR\""
  } > "$dist/install-files.nsh"
  {
    while read -r file; do echo "Delete \"\$INSTDIR\\$file\""; done < "$dist/files.txt"
    sort -r "$dist/folders.txt" | while read -r folder; do echo "RMDir \"\$INSTDIR\\$folder\""; done
  } > "$dist/uninstall-files.nsh"
  makensis -V2 -DVERSION="$version" -DDIST="$dist" -DICON="$here/res/windows/zavscore.ico" \
    -DOUTFILE="$dist/ZAVscore-$version-setup.exe" "$here/res/windows/zavscore.nsi"
  log "portable ZAVscore-$version-portable.zip"
  # The settings file beside the program makes the copy keep its settings
  # with it.
  : > "$stage/ZAVscore.ini"
  (cd "$dist" && rm -f "ZAVscore-$version-portable.zip" &&
   zip -qr "ZAVscore-$version-portable.zip" ZAVscore)
  ls -l "$dist"/*.exe "$dist"/*.zip
}

case "$stage" in
  libs) libs ;;
  gtest) mkdir -p "$prefix"; build_gtest ;;
  build) libs; project ;;
  package) package ;;
  all) libs; project; package ;;
  *) echo "Unknown stage: $stage" >&2; exit 2 ;;
esac
