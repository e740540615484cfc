#!/usr/bin/env bash
# Starts Wendle on its demo, as `make run` does: the sample template and the welcome project
# written into FOLDER by wendle --init once (kept between runs, so that the user's changes
# stay), and a profile and a folder of recovery copies of its own there, so that the user's own
# are never touched.
# Usage: demo.sh WENDLE FOLDER
set -euo pipefail
wendle=$(realpath "$1")
folder=$2
mkdir -p "$folder/config"
"$wendle" --init "$folder" > /dev/null
[[ -f $folder/config/wendle.ini ]] ||
    printf '[Template File]\nFileName=template.html\n' > "$folder/config/wendle.ini"
cd "$folder"
XDG_CONFIG_HOME=$PWD/config XDG_STATE_HOME=$PWD/state exec "$wendle" welcome.wendle
