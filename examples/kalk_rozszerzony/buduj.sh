#!/usr/bin/env bash
# Builds this calculator the way ../kalk/buduj.sh builds the other one.
# Usage: buduj.sh BRYZAS DIR
exec bash "$(dirname "$0")/../kalk/buduj.sh" "$1" "$2" "$(dirname "$0")"
