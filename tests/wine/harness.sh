# shellcheck shell=bash
# Shared shell functions for running Windows programs under Wine in a virtual X display.
# Source this file, then:
#   wine_parse_paths ROOT ARGS...    the build folder, mozhou.exe, the driver, mozhou-cli
#   wine_harness_start BUILD_DIR     a display, a prefix in BUILD_DIR/wine-prefix, the settings
#   wine_run_driver LIMIT GROUP ...  one group of cases, counted
#   wine_finish                      the closing line "N passed, M failed" and the status
# Everything started here (Xvfb, the prefix's wineserver) is ended when the shell exits, on
# failure too: Xvfb by its process id, the Wine session with wineserver -k for the prefix.

export WINEDEBUG=-all
# File names and arguments with Chinese characters pass between Linux and Wine as UTF-8; the
# program converts its texts with code page 936 itself, whatever code page Wine then takes.
export LC_ALL=C.UTF-8
# No Mono or Gecko download prompts, and no desktop menu entries written outside the prefix.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

wine_xvfb_pid=""
wine_server_started=""
wine_scratch=""
wine_exit_commands=()

wine_log() { echo "[wine] $*" >&2; }

wine_now_ms() { date +%s%3N; }

# Polls a command until it succeeds or the deadline (in seconds) passes.
wine_wait_for() {
    local seconds=$1
    shift
    local deadline=$(($(wine_now_ms) + seconds * 1000))
    until "$@"; do
        if (($(wine_now_ms) > deadline)); then
            return 1
        fi
        sleep 0.05
    done
}

# Registers a command to run when the shell exits, before the rest is ended.
wine_at_exit() {
    wine_exit_commands+=("$1")
}

wine_harness_stop() {
    local command
    for command in "${wine_exit_commands[@]}"; do
        eval "$command" || true
    done
    if [ -n "$wine_server_started" ]; then
        wineserver -k 2>/dev/null || true
        wine_server_started=""
    fi
    if [ -n "$wine_xvfb_pid" ]; then
        kill "$wine_xvfb_pid" 2>/dev/null || true
        wait "$wine_xvfb_pid" 2>/dev/null || true
        wine_xvfb_pid=""
    fi
    if [ -n "$wine_scratch" ]; then
        rm -rf "$wine_scratch"
    fi
}

# Xvfb chooses a free display itself and writes its number to the given descriptor once it
# accepts clients, so nothing has to guess a number or wait blindly.
wine_start_display() {
    local width=${WINE_SCREEN_WIDTH:-1280} height=${WINE_SCREEN_HEIGHT:-800}
    local number_file="$wine_scratch/display"
    : >"$number_file"
    Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -nolisten tcp -noreset \
        3>"$number_file" >"$wine_scratch/xvfb.log" 2>&1 &
    wine_xvfb_pid=$!
    if ! wine_wait_for 20 grep -q '[0-9]' "$number_file"; then
        wine_log "Xvfb did not start:"
        cat "$wine_scratch/xvfb.log" >&2
        return 1
    fi
    DISPLAY=":$(tr -dc 0-9 <"$number_file")"
    export DISPLAY
    wine_log "display $DISPLAY (${width}x${height}, Xvfb pid $wine_xvfb_pid)"
}

# The settings every run needs: no window manager here, so Wine draws the captions itself
# (Decorated=N) and does not wait for one on every close (Managed=N); the UI and Song fonts map
# to an installed CJK font, or every Chinese text shows as boxes. A crash ends the program at once
# instead of waiting behind a crash dialog that nobody can answer.
wine_write_settings() {
    local reg="$wine_scratch/settings.reg"
    {
        printf '\xff\xfe'
        iconv -f UTF-8 -t UTF-16LE <<'EOF'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Decorated"="N"
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Tahoma"="WenQuanYi Zen Hei"
"MS Shell Dlg"="WenQuanYi Zen Hei"
"MS Shell Dlg 2"="WenQuanYi Zen Hei"
"SimSun"="WenQuanYi Zen Hei"
"宋体"="WenQuanYi Zen Hei"
"NSimSun"="WenQuanYi Zen Hei"
"新宋体"="WenQuanYi Zen Hei"
EOF
    } >"$reg"
    wine regedit /S "$(winepath -w "$reg")"
    # The caption buttons are drawn with Marlett.
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
}

# A prefix is made once per build folder (wineboot takes several seconds and much disk) and
# reused; the stamp is written last, so an interrupted set-up is redone from scratch.
wine_prepare_prefix() {
    local build_dir=$1
    export WINEPREFIX="$build_dir/wine-prefix"
    local stamp="$WINEPREFIX/mozhou-prefix-ready"
    wine_server_started=yes
    if [ -f "$stamp" ]; then
        wine_log "reusing $WINEPREFIX"
        return 0
    fi
    rm -rf "$WINEPREFIX"
    mkdir -p "$build_dir"
    local start
    start=$(wine_now_ms)
    wineboot -i >"$wine_scratch/wineboot.log" 2>&1 || {
        cat "$wine_scratch/wineboot.log" >&2
        return 1
    }
    wine_write_settings
    # Wait for the server to write the registry to disk before the prefix counts as ready.
    timeout 60 wineserver -w || {
        wine_log "the new prefix's Wine session did not end within 60 s"
        return 1
    }
    touch "$stamp"
    wine_log "made $WINEPREFIX in $(($(wine_now_ms) - start)) ms"
}

wine_harness_start() {
    local build_dir
    build_dir=$(mkdir -p "$1" && cd "$1" && pwd)
    wine_scratch=$(mktemp -d "${TMPDIR:-/tmp}/mozhou-wine.XXXXXX")
    trap wine_harness_stop EXIT
    trap 'exit 130' INT TERM
    wine_start_display
    wine_prepare_prefix "$build_dir"
}

# A fresh folder for one group of cases: the program and the files it writes start from nothing.
# A run that was killed may have left a file or folder there marked immutable.
wine_fresh_folder() {
    if [ -e "$1" ]; then
        chattr -R -i "$1" 2>/dev/null || true
        rm -rf "$1"
    fi
    mkdir -p "$1"
}

# A Windows path for a Unix one, through the prefix's drive Z: (the root of the file system).
wine_windows_path() {
    local path
    path=$(realpath -m "$1")
    printf 'Z:%s' "${path//\//\\}"
}

# The paths the runners work with, from --build=, --exe=, --driver=, --cli= or from
# MOZHOU_BUILD, MOZHOU_EXE, MOZHOU_DRIVER, MOZHOU_CLI, else the presets' build folders.
wine_parse_paths() {
    local root=$1
    shift
    wine_build=${MOZHOU_BUILD:-$root/build/windows}
    wine_exe=${MOZHOU_EXE:-}
    wine_driver=${MOZHOU_DRIVER:-}
    wine_cli=${MOZHOU_CLI:-$root/build/native/cli/mozhou-cli}
    wine_groups=()
    local argument
    for argument in "$@"; do
        case $argument in
            --build=*) wine_build=${argument#*=} ;;
            --exe=*) wine_exe=${argument#*=} ;;
            --driver=*) wine_driver=${argument#*=} ;;
            --cli=*) wine_cli=${argument#*=} ;;
            -*) wine_log "unknown option $argument"; return 2 ;;
            *) wine_groups+=("$argument") ;;
        esac
    done
    wine_build=$(realpath -m "$wine_build")
    wine_exe=$(realpath -m "${wine_exe:-$wine_build/app/mozhou.exe}")
    wine_driver=$(realpath -m "${wine_driver:-$wine_build/tests/e2e/mozhou-e2e.exe}")
    wine_cli=$(realpath -m "$wine_cli")
    local file
    for file in "$wine_exe" "$wine_driver"; do
        if [ ! -f "$file" ]; then
            wine_log "missing $file: build it first (cmake --preset windows && cmake --build --preset windows)"
            return 1
        fi
    done
}

wine_passed=0
wine_failed=0
wine_skipped=0

# Runs the driver for one group of cases with a time limit and counts its PASS and FAIL lines;
# a driver that ends badly without a FAIL line counts as one failure. The Wine session of a
# driver that had to be stopped is ended, so that nothing it left running meets the next group.
#   wine_run_driver LIMIT_SECONDS GROUP DRIVER_ARGUMENTS...
wine_run_driver() {
    local limit=$1 group=$2
    shift 2
    local log="$wine_scratch/$group.log" status passed failed
    set +e
    timeout -k 5 "$limit" wine "$wine_driver" "$group" "$@" 2>&1 | tee "$log"
    status=${PIPESTATUS[0]}
    set -e
    passed=$(grep -c '^PASS ' "$log" || true)
    failed=$(grep -c '^FAIL ' "$log" || true)
    wine_skipped=$((wine_skipped + $(grep -c '^SKIP ' "$log" || true)))
    if ((status != 0 && failed == 0)); then
        echo "FAIL $group: the driver ended with status $status$( ((status == 124)) && echo " (over ${limit} s)")"
        failed=1
    fi
    if ((status == 124)); then
        wineserver -k 2>/dev/null || true
    fi
    wine_passed=$((wine_passed + passed))
    wine_failed=$((wine_failed + failed))
}

# Counts a check made by the runner itself.
wine_count() {
    local outcome=$1
    shift
    echo "$outcome $*"
    if [ "$outcome" = PASS ]; then
        wine_passed=$((wine_passed + 1))
    else
        wine_failed=$((wine_failed + 1))
    fi
}

# The driver saves BMP files; people look at PNG.
wine_convert_screenshots() {
    local bmp
    for bmp in "$1"/*.bmp; do
        [ -e "$bmp" ] || continue
        convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
    done
}

# The closing line; the status is non-zero when anything failed or nothing ran.
wine_finish() {
    if ((wine_skipped)); then
        echo "$wine_skipped skipped: what Wine cannot show, each with its reason above"
    fi
    echo "$wine_passed passed, $wine_failed failed"
    ((wine_failed == 0 && wine_passed > 0))
}
