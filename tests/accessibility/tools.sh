# What both accessibility checks need before they start. Source it from sh.

# need_bus_tools TOOL...: exits 77, naming what is missing, unless every TOOL, the AT-SPI core
# and its Python binding are there.
need_bus_tools() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is missing"; exit 77; }
    done
    [ -x /usr/libexec/at-spi-bus-launcher ] || { echo "skipped: at-spi2-core is missing"; exit 77; }
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || {
        echo "skipped: python3-pyatspi is missing"
        exit 77
    }
}
