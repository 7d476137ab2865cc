#!/usr/bin/env bash
# Puts plausible one-line faults into a scratch copy of the program, one at a time, builds it and
# runs the tests on it: a fault the whole suite stays green on has escaped the tests. A red run
# counts as a catch only once its first failing test, run alone, fails again with the fault in and
# passes with the file put back; otherwise the fault is FLAKY: the test fails by chance, not by the
# fault. A tool for judging the suite, not a test (CI does not run it); it exits non-zero when a
# fault escaped or was flaky. A run takes a while (a build and a suite per fault): start it in the
# background.
#   bash scripts/mutate.sh            every fault
#   bash scripts/mutate.sh 3 7        only those, numbered as --list numbers them
#   bash scripts/mutate.sh --list
# The copy and its build stay in build-mutate/ (or $NIMBEX_MUTATE_DIR) for the next run. Each
# fault names the tests meant to catch it; they run first, and the whole suite only when they
# stay green. A fault whose text is no longer found once in its file is STALE: the code moved on
# and the fault is to be written again.
set -uo pipefail
shopt -u patsub_replacement 2>/dev/null # an "&" in a replacement is just an ampersand
root=$(cd "$(dirname "$0")/.." && pwd)
work=${NIMBEX_MUTATE_DIR:-$root/build-mutate}

whats=() files=() olds=() news=() tests=()
# fault WHAT FILE ORIGINAL REPLACEMENT TESTS (a ctest regular expression)
fault() { whats+=("$1") files+=("$2") olds+=("$3") news+=("$4") tests+=("$5"); }

# ---- The face ----
fault "a lamp drawn 2 px below its place" app/ClockFace.cpp \
    '"m8", "lblm18", 3000, 240}' '"m8", "lblm18", 3000, 270}' tst_frmnimbex
fault "bit labels a pixel low" app/ClockFace.cpp \
    'bitLabelDrop = 120;' 'bitLabelDrop = 135;' tst_frmnimbex
fault "a colon 2 px right" app/ClockFace.cpp \
    '"lblc1", ":", 3840,' '"lblc1", ":", 3870,' tst_frmnimbex
fault "lamps 2 px narrow" app/ClockFace.cpp \
    'lampWidth = 855,' 'lampWidth = 825,' tst_frmnimbex
fault "the face a pixel low in the normal view" app/FaceDesign.h \
    'frameNormalTop = 360;' 'frameNormalTop = 375;' tst_frmnimbex
fault "Tab from Close to Options" app/ClockFace.cpp \
    'setTabOrder(Command3, Command2);' 'setTabOrder(Command2, Command3);' tst_frmnimbex

# ---- The tick ----
fault "a lamp left lit from the second before" app/ClockFace.cpp \
    'if (m_lamps[i]->BackColor() != colours[i]) {' \
    'if (ones[i] && m_lamps[i]->BackColor() != colours[i]) {' tst_frmnimbex
fault "the bit labels follow the cheat setting" app/ClockFace.cpp \
    'show(label, bitLabels);' 'show(label, cheatLabels);' tst_frmnimbex
fault "a tens digit at its highest never lit" app/BcdDigits.cpp \
    'tens <= maxTens' 'tens < maxTens' tst_frmnimbex
fault "the tick aimed a millisecond early" app/TickSchedule.cpp \
    'return second - ((ns % second) + second) % second;' \
    'return second - ((ns % second) + second) % second - 1000000;' 'tst_core|fastclock'
fault "a clock standing still spins the timer" app/WallClockTimer_linux.cpp \
    'sinceTick < nsPerSecond * 9 / 10' 'sinceTick < 0' clock_changes
fault "the timer aimed a second late" app/WallClockTimer_linux.cpp \
    'return arm(nsOf(CLOCK_REALTIME) + delay, true);' \
    'return arm(nsOf(CLOCK_REALTIME) + delay + nsPerSecond, true);' 'fastclock|clock_changes'
fault "the system clock set back is not noticed" app/WallClockTimer_linux.cpp \
    'TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET' 'TFD_TIMER_ABSTIME' clock_changes
fault "a tick while hidden is not kept for the return" app/frmNimbex.cpp \
    'm_faceStale = true;' 'm_faceStale = false;' tst_frmnimbex

# ---- The tray layer ----
fault "a click on the icon restores nothing" tray/TrayMessage.cpp \
    'case WM_LBUTTONUP:' 'case 0:' 'tst_frmnimbex|xembed'
fault "the message number read in pixels" tray/TrayMessage.cpp \
    'scaleMode == vbPixels ? x : x / twipsPerPixelX' 'x' tst_frmnimbex
fault "the tip in other words" app/frmNimbex.cpp \
    '"Nimbex - DoubleClick to Show"' '"Nimbex - Double-click to Show"' tst_frmnimbex
fault "Exit leaves the icon behind" app/frmNimbex.cpp \
    $'void frmNimbex::Exit_Click()\n{\n    Command4_Click();' \
    $'void frmNimbex::Exit_Click()\n{\n    QCoreApplication::exit(0);' 'tst_frmnimbex|sni|xembed'
fault "a StatusNotifier host gets no menu" tray/ShellTray.cpp \
    'icon->setContextMenu(menus().value(hWnd));' 'icon->setContextMenu(nullptr);' sni
fault "a right click on an XEmbed icon opens nothing" app/frmNimbex.cpp \
    'File->exec(QCursor::pos());' 'File->close();' xembed
fault "a second right click soon after the first opens nothing" tray/ShellTray.cpp \
    '        watchRightDoubleClicks();' '        ;' xembed
fault "the tray taken as there without a host" tray/ShellTray.cpp \
    'return exists(hWnd, uID) && trayPossible() && QSystemTrayIcon::isSystemTrayAvailable();' \
    'return exists(hWnd, uID);' 'tst_frmnimbex|e2e_face'

# ---- The window states, on each kind of desktop ----
fault "a refused Full Screen never taken back" app/WindowStates.cpp \
    '(m_window->windowState() & Qt::WindowMaximized) && m_window->size() != m_normalSize' \
    'm_window->windowState() & Qt::WindowMaximized' e2e_face
fault "Normal puts the window back by its position" app/WindowStates.cpp \
    'm_window->setGeometry(m_normalGeometry);' 'm_window->move(m_window->pos());' \
    'tst_frmnimbex|e2e_face'
fault "the full-screen face off centre" app/frmNimbex.cpp \
    'top = float(H / 2 - h / 2);' 'top = float(H / 2 - h / 3);' tst_frmnimbex
fault "a tray click brings back the normal view, not full screen" app/frmNimbex.cpp \
    $'    m_states->request(viewState());\n    show();' \
    $'    m_states->request(WindowStates::Normal);\n    show();' tst_frmnimbex
fault "a restore never ends: the next minimise bounces back" app/frmNimbex.cpp \
    $'        m_restoring = false;\n        catchUpFace();' $'        catchUpFace();' xembed
fault "Hide to Tray hides where no tray could bring it back" app/frmNimbex.cpp \
    $'    if (trayIconShowing())\n        hide();\n    else if' $'    if (true)\n        hide();\n    else if' \
    'tst_frmnimbex|e2e_face'
fault "a hidden window left off the task bar when the tray goes" app/frmNimbex.cpp \
    'showMinimized();' 'hide();' tst_frmnimbex

# ---- The store ----
fault "a key in another case read as the key" settings/ConfFile.cpp \
    'line.key = text.left(eq).trimmed();' 'line.key = text.left(eq).trimmed().toCaseFolded();' \
    tst_core
fault "Windows line ends saved as Unix ones" settings/ConfFile.cpp \
    'line.raw + (crlf ? "\r\n" : "\n")' 'line.raw + "\n"' tst_core
fault "blanks around True read as False" settings/BoolText.cpp \
    'return text.trimmed().compare(' 'return text.compare(' 'fuzz|tst_dialogs'
fault "a colour text in another case taken as the table's" settings/ColorTable.cpp \
    'if (text == QLatin1String(e.text))' \
    'if (text.compare(QLatin1String(e.text), Qt::CaseInsensitive) == 0)' 'fuzz|tst_dialogs'
fault "a colour beyond 32 bits wraps round" ui/ColorValue.cpp \
    'if (value > 0xFFFFFFFFull)' 'if (value > 0xFFFFFFFFFull)' 'fuzz|tst_frmnimbex'

# ---- The dialogs ----
fault "Save stores the numbers' choice as the cheat's" settings/frmOptions.cpp \
    'Settings::setCheat(Option1->isChecked());' 'Settings::setCheat(Option3->isChecked());' \
    tst_dialogs
fault "Cancel saves" settings/frmOptions.cpp \
    $'void frmOptions::Command2_Click()\n{\n    reject();' \
    $'void frmOptions::Command2_Click()\n{\n    Command1_Click();' tst_dialogs
fault "Escape closes Options" settings/frmOptions.cpp \
    $'    case Qt::Key_Enter:\n    case Qt::Key_Escape:' $'    case Qt::Key_Enter:' tst_dialogs
fault "the version line shows the minor number as the build" about/AppVersion.cpp \
    'QStringLiteral(" - Build ") + QString::number(Revision)' \
    'QStringLiteral(" - Build ") + QString::number(Minor + 1)' tst_dialogs
fault "Enter in the About box's warning breaks the line" about/frmAbout.cpp \
    'if (key->modifiers() & Qt::ControlModifier)' 'if (true)' tst_dialogs

# ---- Start-up and where windows open ----
fault "the stored aids ignored at start" app/frmNimbex.cpp \
    $'    sHidden = false;\n    readCheat();\n    readCheatNum();' $'    sHidden = false;' tst_frmnimbex
fault "the stored colour ignored at start" app/frmNimbex.cpp \
    $'    Shell_NotifyIconA(NIM_ADD, &trayIcon);\n\n    readColor();' \
    $'    Shell_NotifyIconA(NIM_ADD, &trayIcon);' tst_frmnimbex
fault "the clock starts in the screen's corner" app/frmNimbex.cpp \
    'move(r.topLeft());' 'move(0, 0);' xembed
fault "Options on the screen's centre, not over the clock" settings/frmOptions.cpp \
    'owner && owner->isVisible() ? owner->frameGeometry().center() : available.center();' \
    'available.center();' xembed
fault "About over the window beneath it, not on the screen's centre" about/frmAbout.cpp \
    'Placement::centre(this, below, screen->availableGeometry().center(),' \
    'Placement::centre(this, below, below ? below->frameGeometry().center() : QPoint(),' xembed
fault "a dialog placed as if the window manager drew no frame" ui/Placement.cpp \
    'if (framedLike) {' 'if (false) {' xembed
fault "Full Screen asks the window manager for nothing" app/frmNimbex.cpp \
    $'        m_states->request(WindowStates::Maximised);\n        centreFrameOnWindow();' \
    $'        centreFrameOnWindow();' e2e_face
fault "the maximise never offered in the Motif hints (GNOME on X11)" app/WindowStates.cpp \
    'native->setFlag(Qt::WindowMaximizeButtonHint, allow);' \
    'native->setFlag(Qt::WindowMaximizeButtonHint, false);' e2e_face

# ---- Shared pieces and resources ----
fault "Tahoma looked for where Debian does not put it" ui/Fonts.cpp \
    'QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"),' \
    'QStringLiteral("/usr/share/wine/fonts/Tahoma.ttf"),' tst_dialogs
fault "the window-text colour taken from the text role" ui/SystemColors.cpp \
    $'    case 8: // window text\n        return p.color(QPalette::WindowText);' \
    $'    case 8: // window text\n        return p.color(QPalette::Text);' tst_frmnimbex
fault "a failed save reported as saved" settings/SettingsStore.cpp \
    'if (store.status() != QSettings::NoError) {' 'if (false) {' tst_settingsstore_readonly
fault "--version looks for a display first" app/CommandLine.cpp \
    'return parser.parse(arguments) && (parser.isSet(parser.help) || parser.isSet(parser.version));' \
    'return false;' tst_core
fault "the maker's address changed" about/frmAbout.cpp \
    'QStringLiteral("https://vantrel.example/")' 'QStringLiteral("https://vantrel.example/nimbex")' \
    tst_dialogs
fault "a link opens nothing" about/ShellExecute.cpp \
    'if (!url.isValid() || url.isEmpty())' 'if (url.isValid())' tst_dialogs
fault "the hand points with its corner, not its fingertip" resources/Resources.cpp \
    '"xpm"), 6, 4);' '"xpm"), 0, 0);' tst_dialogs
fault "the About box's icon read in the wrong format" resources/Resources.cpp \
    'return load(QStringLiteral(":/icons/nimbex-32.xpm"), "xpm");' \
    'return load(QStringLiteral(":/icons/nimbex-32.xpm"), "png");' tst_dialogs

# ---- End of the list ----

# Whether fault $1 (from 0) is found once in the copy of the tree under $2.
found_once() {
    local text rest
    text=$(cat "$2/${files[$1]}" 2>/dev/null) || return 1
    rest=${text#*"${olds[$1]}"}
    [ "$rest" != "$text" ] && [[ $rest != *"${olds[$1]}"* ]]
}

# All of it read before it starts: the list above may be edited while a run goes on.
main() {
    if [ "${1:-}" = --list ]; then
        for i in "${!whats[@]}"; do
            found_once "$i" "$root" && mark="" || mark="STALE "
            printf '%2d %s%s: %s\n' $((i + 1)) "$mark" "${files[i]}" "${whats[i]}"
        done
        exit 0
    fi
    chosen=("$@")
    ((${#chosen[@]})) || mapfile -t chosen < <(seq "${#whats[@]}")

    # A copy of the tree as it is now, uncommitted changes included; files keep their times, so the
    # build left from the last run only compiles what differs.
    src="$work/src" build="$work/build"
    rm -rf "$src" && mkdir -p "$src" "$build" || exit 1
    (cd "$root" && git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf -) |
        tar -xf - -C "$src" || exit 1
    # A run that ended or was stopped after its last build kept a faulty object whose source came
    # back older than it: every file a fault touches is built again.
    for f in "${files[@]}"; do touch "$src/$f"; done
    launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    configure() {
        cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
    }

    # Runs the tests matching $1 (all when empty); prints the failed ones, and fails with them.
    suite() {
        local out
        out=$(cd "$build" && ctest --timeout 300 --stop-on-failure ${1:+-R "$1"} 2>&1) && return 0
        grep -E '^\s+[0-9]+ - ' <<<"$out" | sed -E 's/^\s+[0-9]+ - ([^ ]+).*/\1/' | tr '\n' ' '
        return 1
    }
    # Runs the one test named $1 by itself; fails when it fails, or when no test has that name.
    alone() {
        local name
        name=$(sed 's/[][\\.*^$+?(){}|]/\\&/g' <<<"$1")
        (cd "$build" && ctest --timeout 300 --no-tests=error -R "^$name\$" >"$work/alone.log" 2>&1)
    }
    # Puts the file the fault went into back as it was.
    put_back() {
        mv "$file.orig" "$file" && touch "$file" # a fresh time, so the next build compiles it again
    }

    echo "Building the unchanged copy and running the whole suite on it first"
    # A build left by an older tree can trip over files that moved: then once more from scratch.
    if ! { configure && cmake --build "$build" >"$work/build.log" 2>&1; }; then
        rm -rf "$build"
        configure && cmake --build "$build" >"$work/build.log" 2>&1 ||
            { echo "The copy does not build: $work/build.log"; exit 1; }
    fi
    if failed=$(suite ""); then :; else
        echo "The suite is red without any fault ($failed): fix that first"
        exit 1
    fi

    caught=0 escaped=0 flaky=0 stale=0 broken=0
    for n in "${chosen[@]}"; do
        i=$((n - 1))
        file="$src/${files[i]}" old=${olds[i]} new=${news[i]}
        label=$(printf '%2d %s' "$n" "${whats[i]}")
        if ! found_once "$i" "$src"; then
            echo "STALE    $label: not found once in ${files[i]}"
            stale=$((stale + 1))
            continue
        fi
        text=$(cat "$file")
        cp -p "$file" "$file.orig"
        printf '%s\n' "${text/"$old"/"$new"}" >"$file"
        if ! cmake --build "$build" >"$work/build.log" 2>&1; then
            echo "NO BUILD $label: see $work/build.log"
            broken=$((broken + 1))
            put_back
        elif failed=$(suite "${tests[i]}") && failed=$(suite ""); then
            echo "ESCAPED  $label"
            escaped=$((escaped + 1))
            put_back
        else
            # A red run proves nothing by itself: a test may fail by chance. Each failed test runs
            # again alone with the fault still in, then those that failed again run alone on the
            # program without it. The suite stops at its first failure, so there is mostly one;
            # when there are several, the first to fail with the fault and pass without it catches.
            read -ra named <<<"$failed"
            again=()
            for t in "${named[@]}"; do alone "$t" || again+=("$t"); done
            put_back
            by="" why=""
            if ((${#named[@]} == 0)); then
                why="? (the run was red but named no failed test)"
            elif ((${#again[@]} == 0)); then
                why="${named[*]} (passed alone with the fault in)"
            elif ! cmake --build "$build" >"$work/build.log" 2>&1; then
                why="${again[*]} (the copy without the fault does not build: see $work/build.log)"
            else
                for t in "${again[@]}"; do alone "$t" && { by=$t; break; }; done
                [ -n "$by" ] || why="${again[*]} (failed alone without the fault too)"
            fi
            if [ -n "$by" ]; then
                echo "caught   $label by $by"
                caught=$((caught + 1))
            else
                echo "FLAKY    $label: $why"
                flaky=$((flaky + 1))
            fi
        fi
    done
    echo "Score: $caught caught, $escaped escaped, $flaky flaky, $stale stale, $broken not building," \
        "of ${#chosen[@]}"
    ((escaped == 0 && flaky == 0)) # the run's verdict, for its exit code
}
main "$@"
exit
