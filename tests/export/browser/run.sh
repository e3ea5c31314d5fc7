#!/usr/bin/env bash
# Runs the browser checks of the export; installs their npm packages first when they
# are missing (scripts/install-deps.sh normally has done so).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -d "$here/node_modules/puppeteer-core" ] || [ ! -d "$here/node_modules/scorm-again" ]; then
  (cd "$here" && npm ci --no-audit --no-fund)
fi
exec node "$here/export-in-browser.mjs" "$@"
