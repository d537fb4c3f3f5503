#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metainfo.
#   check_desktop_files.sh <desktop entry> <metainfo>
set -euo pipefail
desktop_entry=$1 metainfo=$2
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
desktop-file-validate "$desktop_entry"
appstreamcli validate --no-net "$metainfo"
