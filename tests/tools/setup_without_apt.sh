#!/bin/sh
# tools/setup.sh against a stand-in dpkg-query and apt-get: with every package installed,
# held ones included, it must not run apt-get; with one missing it installs just that one.
# Usage: setup_without_apt.sh SETUP_SCRIPT
set -u
SETUP=$1
SCRATCH=$(mktemp -d) || exit 1
trap 'rm -rf "$SCRATCH"' EXIT
mkdir "$SCRATCH/bin"

# Answers like dpkg-query -W -f=FORMAT PACKAGE: packages named in $ABSENT are unknown, every
# other one is installed and held.
cat >"$SCRATCH/bin/dpkg-query" <<'STUB'
#!/bin/sh
format=$(printf '%s\n' "$@" | sed -n 's/^-f=//p')
package=$(eval echo "\${$#}")
case " $ABSENT " in *" $package "*)
    echo "dpkg-query: no packages found matching $package" >&2; exit 1 ;;
esac
case $format in
    *db:Status-Status*) printf 'installed\n' ;;
    *Status*) printf 'hold ok installed' ;;
    *) printf '%s\n' "$package" ;;
esac
STUB
printf '#!/bin/sh\necho "$*" >>"%s/apt.log"\n' "$SCRATCH" >"$SCRATCH/bin/apt-get"
chmod +x "$SCRATCH/bin/dpkg-query" "$SCRATCH/bin/apt-get"

failures=0
# run ABSENT EXPECTED_APT_LOG
run() {
    rm -f "$SCRATCH/apt.log"
    touch "$SCRATCH/apt.log"
    PATH="$SCRATCH/bin:$PATH" ABSENT=$1 sh "$SETUP" >"$SCRATCH/out" 2>&1 ||
        { echo "FAIL: setup.sh failed with '$1' absent: $(cat "$SCRATCH/out")"; failures=$((failures + 1)); }
    if [ "$(cat "$SCRATCH/apt.log")" != "$2" ]; then
        echo "FAIL: with '$1' absent apt-get ran as:"
        cat "$SCRATCH/apt.log"
        echo "expected:"
        echo "$2"
        failures=$((failures + 1))
    fi
}

run "" ""
run "xauth" "update -q
install -y -q --no-install-recommends xauth"
[ "$failures" -eq 0 ] && echo "setup.sh ran apt-get only for what was missing"
[ "$failures" -eq 0 ]
