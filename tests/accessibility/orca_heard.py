"""What Orca itself speaks while a player uses the game with the keyboard alone.

Starts the accessibility bus, openbox, Orca with its debug log and the game; opens the
settings, tabs to the stake and back, closes them, presses F3 between deals, plays one deal with F2,
F3 and F4, closes the winner box, opens and closes the about box and sends the table to the
taskbar with Esc. Then reads Orca's SPEECH OUTPUT lines, each counted to the key pressed
last before it, and fails when a field is read short, without its label or twice, the
settings' name comes after what is in them, the start or a key goes unanswered, a
hidden card or total of the Bank or Vuru is spoken before the deal ends, or the about box's
version or headings go unspoken.
"""

import datetime
import os
import re
import signal
import subprocess
import sys
import time

import pyatspi

from bus import fail, failures, pump, safe

PLAYER, STAKE = "Tarvesz", "50"  # what a first run starts with
RANKS = ("hetes", "nyolcas", "kilences", "tízes", "alsó", "felső", "király", "ász")
CARD = re.compile(r"(?:Piros|Tök|Zöld|Makk) (?:%s)" % "|".join(RANKS))
VALUES = dict(zip(RANKS, (7, 8, 9, 10, 2, 3, 4, 11)))

heard = []     # what the game told the bus: (kind, role, name)
presses = []   # (time pressed, key)


def on_event(event):
    if safe(lambda: event.source.getApplication().name) == "huszonegy":
        heard.append((event.type, safe(event.source.getRoleName), safe(lambda: event.source.name)))


def wait_for_app(name, windows, seconds=90):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and safe(lambda: app.name) == name and (
                    not windows or safe(lambda: app.childCount, 0)):
                return True
        pump(0.2)
    return False


def key(name):
    """Presses a key, waits (on a busy machine, a while) until the game answers on the bus,
    and leaves Orca time to speak it."""
    act(name, ["key", "--clearmodifiers", name])


def click(name, window, x, y):
    """Clicks the table at x, y as key() presses a key; name stands for it in the report."""
    act(name, ["mousemove", "--window", window, str(x), str(y), "click", "1"])


def act(name, xdotool):
    mark = len(heard)
    presses.append((datetime.datetime.now(), name))
    subprocess.run(["xdotool"] + xdotool, check=True)
    end = time.monotonic() + 20
    while len(heard) == mark and time.monotonic() < end:
        pump(0.1)
    pump(2.0)


def spoken_lines(log):
    """(time, text) of each SPEECH OUTPUT line of Orca's debug log."""
    lines = []
    today = datetime.date.today()
    # The spoken text is quoted, over several indented lines when it holds line breaks (but
    # never into the next entry, which starts with its time); the voice Orca used follows it
    # in braces.
    for match in re.finditer(
            r"^(\d\d:\d\d:\d\d\.\d+) - SPEECH OUTPUT: '((?:[^\n]|\n(?!\d\d:))*?)' ?(?:voice=\S+)?\{",
            log, re.M):
        stamp = datetime.datetime.combine(
            today, datetime.datetime.strptime(match.group(1), "%H:%M:%S.%f").time())
        lines.append((stamp, re.sub(r"\n\s*", " ", match.group(2))))
    return lines


def after(lines, index):
    """The lines spoken after press `index` and before the next one (-1: before the first)."""
    start = presses[index][0] if index >= 0 else datetime.datetime.min
    end = presses[index + 1][0] if index + 1 < len(presses) else datetime.datetime.max
    return [text for when, text in lines if start <= when < end]


def main():
    log_path, program = sys.argv[1], sys.argv[2]
    children = [subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])]
    try:
        pump(1.0)
        children.append(subprocess.Popen(["openbox", "--sm-disable"], stderr=subprocess.DEVNULL))
        orca = subprocess.Popen(["orca", "--replace", "--debug-file=" + log_path],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        children.append(orca)
        if not wait_for_app("orca", windows=False):
            fail("Orca never showed up on the accessibility bus")
            return 1
        pyatspi.Registry.registerEventListener(
            on_event, "object:state-changed:showing", "object:state-changed:focused",
            "window:activate")
        game = subprocess.Popen([program])
        children.append(game)
        play()
        # Orca writes its log in blocks: it is read whole once Orca has ended.
        game.terminate()
        game.wait(10)
        orca.send_signal(signal.SIGTERM)
        orca.wait(20)
    finally:
        # Asked first: the bus launcher takes its bus down with it only when asked.
        for child in reversed(children):
            if child.poll() is None:
                child.terminate()
                try:
                    child.wait(10)
                except subprocess.TimeoutExpired:
                    child.kill()
                    child.wait()
    with open(log_path, encoding="utf-8", errors="replace") as f:
        check(spoken_lines(f.read()))
    if failures:
        print("\n%d failure(s)" % len(failures))
        return 1
    print("\nAll checks passed.")
    return 0


def play():
    if not wait_for_app("huszonegy", windows=True):
        fail("the game never showed up on the accessibility bus")
        return
    wid = subprocess.run(["xdotool", "search", "--sync", "--name", "^21 - A k"],
                         capture_output=True, text=True, check=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowactivate", "--sync", wid], check=True)
    pump(3.0)
    for press in ("alt+Return", "Tab", "shift+Tab", "Escape", "F3", "F2", "F3"):
        key(press)
    if not any(role == "notification" and "Vuru:" in name and "összesen" in name.split("Vuru:")[1]
               for _, role, name in heard):
        key("F4")
    key("Return")
    # Twice: on a loaded machine Orca now and then takes the box's focus without its
    # activation, and then speaks only the button. A player opening it again hears it all.
    for name in ("about", "about again"):
        click(name, wid, 411, 19)  # the about button
        key("Return")
    key("Escape")


def check(lines):
    print("Spoken, by the key pressed before:")
    for index in range(-1, len(presses)):
        print("  %s: %r" % (presses[index][1] if index >= 0 else "start", after(lines, index)))
    keys = [name for _, name in presses]

    def said(index, pattern):
        return any(re.search(pattern, text) for text in after(lines, index))

    if not said(-1, "pénz"):
        fail("at the start only %r was spoken" % after(lines, -1))
    # Each field once, with its label, and the dialog's name before anything in it.
    for press, label, value in (("alt+Return", "Az én nevem", PLAYER), ("Tab", "Tét", STAKE),
                                ("shift+Tab", "Az én nevem", PLAYER)):
        spoken = " ".join(after(lines, keys.index(press)))
        if not re.search(r"%s text\W+%s selected" % (label, value), spoken):
            fail("%s did not read the field %r whole with its label: %r" % (press, label, spoken))
        if len(re.findall(r"(?<!\w)%s(?!\w)" % value, spoken)) != 1 or "unselected" in spoken:
            fail("%s read more than the field %r once: %r" % (press, label, spoken))
    spoken = " ".join(after(lines, keys.index("alt+Return")))
    if not re.search(r"^\W*(?:left alt\W*)?Beállítások dialog", spoken):
        fail("the settings' name did not come first: %r" % spoken)
    if not said(keys.index("Escape"), "pénz"):
        fail("where the table stands was not spoken when the settings closed")
    if not said(keys.index("F3"), "Nincs leosztás"):
        fail("F3 between deals was not answered")
    # The licence itself names the game too: the heading counts when it comes before its text.
    for pattern, what in ((r"1\.0\.0\.9", "the version"),
                          (r"21 kártyajáték\W+A 21 kártyajáték szabad", "the first heading"),
                          (r"Elérhetőség\W+Tarvesz", "the second heading")):
        if not any(said(keys.index(name), pattern) for name in ("about", "about again")):
            fail("%s was not spoken when the about box opened" % what)
    if not said(len(keys) - 1, "tálcára"):
        fail("Esc on the table was not answered")

    finals = [text for _, text in lines if re.search(r"Vuru: [^.]*összesen", text)]
    if not finals:
        fail("the end of the deal was not spoken")
        return
    hidden = {}
    for seat in ("Bank", "Vuru"):
        match = re.search(r"%s: ([^.]*?), összesen (\d+)" % seat, finals[-1])
        hidden[seat] = CARD.findall(match.group(1)) if match else []
    deal_start = keys.index("F2")
    during = [text for index in (deal_start, deal_start + 1) for text in after(lines, index)]
    during = during[:during.index(finals[-1])] if finals[-1] in during else during
    for text in during:
        for seat, cards in hidden.items():
            for card in cards:
                if card in text:
                    fail("%s's card %s was spoken during the deal: %r" % (seat, card, text))
            for clause in re.split(r"\. ", text):
                if clause.startswith(seat + ":") and not re.fullmatch(
                        r"%s: \d+ lap\.?" % seat, clause.strip()):
                    fail("more than %s's card count was spoken during the deal: %r" % (seat, text))


if __name__ == "__main__":
    sys.exit(main())
