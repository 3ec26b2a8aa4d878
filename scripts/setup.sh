# Installs the Debian packages the build, the program and the tests need,
# when any is missing. Sourced by ./run and ./test.
iqx_packages=(
  cmake g++ make pkg-config
  clang libclang-rt-14-dev clang-format clang-tidy
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 qt6-qpa-plugins qt6-translations-l10n
  libzip-dev
  fonts-liberation2 fonts-dejavu-core fontconfig
  poppler-utils
  cups cups-client cups-bsd printer-driver-cups-pdf
  xvfb xauth
  dpkg-dev desktop-file-utils
)
iqx_missing=()
for p in "${iqx_packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || iqx_missing+=("$p")
done
if [ ${#iqx_missing[@]} -gt 0 ]; then
  echo "Installing: ${iqx_missing[*]}"
  if [ "$(id -u)" -eq 0 ]; then sudo_cmd=(); else sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${iqx_missing[@]}"
fi

# Warnings are errors where IQX_WERROR=ON (./test and CI set it), not in a
# user's own build.
iqx_werror="-DIQX_WERROR=${IQX_WERROR:-OFF}"

# iqx_build [target ...]: configures and builds build/ (everything when no
# target is named).
iqx_build() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$iqx_werror" >/dev/null
  if [ $# -gt 0 ]; then
    local t args=()
    for t in "$@"; do args+=(--target "$t"); done
    cmake --build build -j"$(nproc)" "${args[@]}"
  else
    cmake --build build -j"$(nproc)"
  fi
}

# iqx_build_sanitized [target ...]: configures and builds build-asan/ with
# clang, AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz
# targets (everything when no target is named).
iqx_build_sanitized() {
  # Warnings are the normal build's gate; here they are shown, not fatal.
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ -DIQX_SANITIZE=ON -DIQX_FUZZ=ON >/dev/null
  local args=() t
  for t in "$@"; do args+=(--target "$t"); done
  cmake --build build-asan -j"$(nproc)" "${args[@]}"
}
