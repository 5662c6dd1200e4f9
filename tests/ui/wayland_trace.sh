# Readings of a Wayland client's own protocol trace (WAYLAND_DEBUG=1), shared by the checks
# that run the table natively under a compositor. Source it from sh.

# A sanitizer build must not fail here for what the Wayland client library and the plugins it
# loads keep at exit (some of it from libraries already unloaded, so no suppression can name
# them). These checks read the protocol; the rest of the suite looks for leaks.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
export ASAN_OPTIONS

# dialogs_given_the_table TRACE: how many toplevels were given as parent the toplevel that
# carries the table's title, as it was titled when they asked (ids are used again once a
# window is gone).
dialogs_given_the_table() {
    awk '
        /-> xdg_toplevel@[0-9]+\.set_title\(/ {
            id = $0; sub(/.*-> /, "", id); sub(/\..*/, "", id)
            title[id] = $0; sub(/.*set_title\("/, "", title[id]); sub(/"\).*/, "", title[id])
        }
        /-> xdg_toplevel@[0-9]+\.set_parent\(xdg_toplevel@/ {
            parent = $0; sub(/.*set_parent\(/, "", parent); sub(/\).*/, "", parent)
            if (title[parent] == "21 - A kártyajáték") count++
        }
        END { print count + 0 }' "$1"
}

# moves_asked TRACE: how many times the client asked the compositor to move a toplevel.
moves_asked() { grep -c -- '-> xdg_toplevel@[0-9]*\.move(' "$1"; }
