#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metainfo.
#   check_desktop_files.sh <source folder>
set -euo pipefail
packaging=$1/packaging
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
desktop-file-validate "$packaging/welvaro.desktop"
appstreamcli validate --no-net "$packaging/welvaro.metainfo.xml"
