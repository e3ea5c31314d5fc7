#!/usr/bin/env bash
# Installs the Debian packages the project needs, when they are missing.
#   scripts/install-deps.sh            build, run and test needs (poppler-utils: the PDF tests read back)
#   scripts/install-deps.sh clang      and clang with libFuzzer (for the fuzz targets)
#   scripts/install-deps.sh screenshots  and xdotool (for the README's screenshots)
#   scripts/install-deps.sh memory     and xdotool, gdb and heaptrack (for scripts/roundtrip-memory.sh)
# As root it installs them; otherwise it prints the one command to run and fails.
set -euo pipefail
packages=(g++ cmake ninja-build qt6-base-dev libgl-dev xvfb xauth x11-utils fonts-dejavu-core
          desktop-file-utils appstream chromium libxml2-utils unzip
          qt6-translations-l10n poppler-utils clang-format)
packages+=(libzip-dev)  # the export writes its SCORM packages with libzip
packages+=(libglib2.0-bin dpkg-dev lintian)  # the install check launches the menu entry (gio); the Debian package is built and checked
packages+=(libreoffice-writer-nogui imagemagick python3)  # the rich text look comparison (tests/rtf/lo-compare.py)
# The export's browser checks drive Chromium from Node.js; a Node.js already on the
# machine is used as it is.
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  packages+=(nodejs npm)
fi
case "${1:-}" in
  clang) packages+=(clang libclang-rt-14-dev) ;;
  screenshots) packages+=(xdotool) ;;
  memory) packages+=(xdotool gdb heaptrack) ;;
esac
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
# The npm packages of the export's browser checks, at the versions of their lock file.
npm_packages() {
  local browser
  browser="$(cd "$(dirname "$0")/.." && pwd)/tests/export/browser"
  if [ ! -d "$browser/node_modules/puppeteer-core" ] || [ ! -d "$browser/node_modules/scorm-again" ]; then
    (cd "$browser" && npm ci --no-audit --no-fund >/dev/null)
  fi
}
if [ ${#missing[@]} -eq 0 ]; then
  npm_packages
  exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}" >&2
  echo "Install them with:  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get install -y --no-install-recommends "${missing[@]}" >/dev/null 2>&1 || {
  apt-get update >/dev/null
  apt-get install -y --no-install-recommends "${missing[@]}"
}
npm_packages
