#!/usr/bin/env bash
# Starts Wendle on its demo, as `make run` does: the sample template and the welcome project
# copied into FOLDER once (kept between runs, so that the user's changes stay), and a profile of
# its own there naming the template, so that the user's own profile is never touched.
# Usage: demo.sh WENDLE FOLDER
set -euo pipefail
wendle=$(realpath "$1")
examples=$(dirname "$(realpath "$0")")/../examples
folder=$2
mkdir -p "$folder/config"
for file in template.html welcome.wendle; do
    [[ -e $folder/$file ]] || cp "$examples/$file" "$folder/"
done
[[ -f $folder/config/wendle.ini ]] ||
    printf '[Template File]\nFileName=template.html\n' > "$folder/config/wendle.ini"
cd "$folder"
XDG_CONFIG_HOME=$PWD/config exec "$wendle" welcome.wendle
