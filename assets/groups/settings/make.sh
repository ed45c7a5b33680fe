#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Ships the settings file with every game startable on a fresh install.
set -euo pipefail
src=$1 app=$2
mkdir -p "$app/Data"
cp "$src/data.ini" "$app/Data/data.ini"
