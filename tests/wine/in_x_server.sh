#!/usr/bin/env bash
# Runs a Windows test program, given as the program, under Wine in an X server of its own, which
# its windows need.
source "$(dirname "$0")/session.sh"
start_x_server
"${wine_locale[@]}" wine "$program"
