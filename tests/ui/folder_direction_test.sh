#!/usr/bin/env bash
# The user-interface folders depend one way:
#   res <- platform <- project <- cad <- {calc, report, help} <- main
# A file may include headers of its own folder and of the folders below it,
# never of a folder above it or beside it. Prints every forbidden include.
set -euo pipefail
ui="${1:?usage: folder_direction_test.sh UI_FOLDER}"

# The folders each folder may include, besides its own.
declare -A allowed=(
    [res]=""
    [platform]="res"
    [project]="res platform"
    [cad]="res platform project"
    [calc]="res platform project cad"
    [report]="res platform project cad"
    [help]="res platform project cad"
    [main]="res platform project cad calc report help"
)

# Which folder holds each header of the user interface.
declare -A home=()
for folder in "${!allowed[@]}"; do
    for header in "$ui/$folder"/*.h; do
        [ -e "$header" ] || continue
        name=$(basename "$header")
        if [ -n "${home[$name]:-}" ]; then
            echo "$name is in both ui/${home[$name]} and ui/$folder"
            exit 1
        fi
        home[$name]=$folder
    done
done

bad=0
for folder in "${!allowed[@]}"; do
    for file in "$ui/$folder"/*.h "$ui/$folder"/*.cpp; do
        [ -e "$file" ] || continue
        while IFS= read -r name; do
            target=${home[$(basename "$name")]:-}
            [ -z "$target" ] || [ "$target" = "$folder" ] && continue
            if [[ " ${allowed[$folder]} " != *" $target "* ]]; then
                echo "ui/$folder/$(basename "$file") includes $name of ui/$target"
                bad=1
            fi
        done < <(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/p' "$file")
    done
done
exit $bad
