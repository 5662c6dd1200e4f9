"""One deal of the game heard through AT-SPI, as a screen reader hears it.

Starts the accessibility bus, the game and a listener; presses F2, F3 and F4 (or stops
early when a card takes the player over 21), presses Megállok through AT-SPI while the
winner box is up, closes the box and the game. Fails when the window is no frame of the
right name, when a move is not spoken, when the tree tells a computer seat's total or cards
while they are hidden on the table, or when the deal is settled more than once.
"""

import os
import re
import subprocess
import sys
import time

import pyatspi

from bus import fail, failures, pump, safe

TITLE = "21 - A kártyajáték"
PLAYER = "Tarvesz"  # the name a first run starts with
RANKS = {"hetes": 7, "nyolcas": 8, "kilences": 9, "tízes": 10,
         "alsó": 2, "felső": 3, "király": 4, "ász": 11}
CARD = re.compile(r"(Piros|Tök|Zöld|Makk) (%s)" % "|".join(RANKS))

events = []     # (seconds since start, type, role, name, detail1) from the game
started = time.monotonic()


def on_event(event):
    source = event.source
    app = safe(lambda: source.getApplication().name)
    if app != "huszonegy":
        return
    events.append((time.monotonic() - started, event.type, safe(source.getRoleName),
                   safe(lambda: source.name), event.detail1))


def find_app(seconds=15):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and safe(lambda: app.name) == "huszonegy" and app.childCount:
                return app
        pump(0.2)
    return None


def texts_of(node, depth=0):
    """Every text the tree holds: names, descriptions, text contents and values."""
    found = []
    if node is None or depth > 30:
        return found
    found.append(safe(lambda: node.name))
    found.append(safe(lambda: node.description))
    text = safe(node.queryText, None)
    if text is not None:
        found.append(safe(lambda: text.getText(0, -1)))
    value = safe(node.queryValue, None)
    if value is not None:
        found.append(str(safe(lambda: value.currentValue)))
    for i in range(safe(lambda: node.childCount, 0)):
        found.extend(texts_of(safe(lambda: node.getChildAtIndex(i), None), depth + 1))
    return [t for t in found if t]


def spoken_since(mark):
    """Lines a screen reader speaks unasked: notifications that show, and alert boxes."""
    lines = []
    for when, kind, role, name, detail in events[mark:]:
        if kind == "object:state-changed:showing" and detail == 1 and role == "notification":
            lines.append(name)
    return lines


def key(name, spoken=True):
    """Presses a key; with `spoken`, waits (on a busy machine, a while) for the line."""
    mark = len(events)
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
    end = time.monotonic() + 20
    while spoken and not spoken_since(mark) and time.monotonic() < end:
        pump(0.1)
    pump(1.0)  # whatever else the move brings: the box, focus changes


def hand(line, seat):
    match = re.search(r"%s: ([^.]*?), összesen (\d+)" % seat, line)
    if not match:
        return None
    return CARD.findall(match.group(1)), int(match.group(2))


def main():
    program = sys.argv[1]
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    pump(1.0)
    pyatspi.Registry.registerEventListener(
        on_event, "object:state-changed:showing", "object:state-changed:focused",
        "object:property-change:accessible-name", "window:activate", "focus:")
    game = subprocess.Popen([program])
    try:
        run(game, program)
    finally:
        if game.poll() is None:
            game.terminate()
            game.wait(10)
        bus.terminate()
    print("\nEvents from the game, in order (time, event, role, name, detail):")
    for when, kind, role, name, detail in events:
        if kind == "object:property-change:accessible-name" and role != "notification":
            continue  # names of unfocused labels, which no screen reader follows
        print("  %5.2f %s [%s] %r %s" % (when, kind, role, name, detail))
    print("\n%d name changes of other objects not listed." % sum(
        1 for e in events if e[1] == "object:property-change:accessible-name"
        and e[2] != "notification"))
    if failures:
        print("\n%d failure(s)" % len(failures))
        return 1
    print("\nAll checks passed.")
    return 0


def run(game, program):
    app = find_app()
    if app is None:
        fail("the game never showed up on the accessibility bus")
        return
    frames = [c for c in app if safe(c.getRoleName) == "frame" and safe(lambda: c.name) == TITLE]
    if not frames:
        fail("no frame named %r among %r" % (TITLE, [(safe(c.getRoleName), safe(lambda: c.name))
                                                    for c in app]))
        return
    window = frames[0]
    wid = subprocess.run(["xdotool", "search", "--sync", "--name", "^21 - A k"],
                         capture_output=True, text=True, check=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", wid], check=True)
    pump(0.5)

    during_deal = []  # (what was pressed, the tree's texts) while the deal is on
    counts = {}       # cards each computer seat held at each look, by what was pressed
    ended = False
    for press in ("F2", "F3", "F4"):
        mark = len(events)
        key(press)
        lines = spoken_since(mark)
        print("%s spoke: %r" % (press, lines), flush=True)
        final = [l for l in lines if "Bank:" in l and "összesen" in l.split("Bank:")[1]]
        if final:
            ended = True
            break
        deal = [l for l in lines if l.startswith(PLAYER + ":")]
        if not deal:
            fail("%s: the player's cards and total were not spoken" % press)
            continue
        mine = hand(deal[-1], PLAYER)
        if mine is None or not mine[0] or sum(RANKS[r] for _, r in mine[0]) != mine[1]:
            fail("%s: %r does not read as the player's cards and their total" % (press, deal[-1]))
        seen = {s: re.search(r"%s: (\d+) lap" % s, deal[-1]) for s in ("Bank", "Vuru")}
        if not all(seen.values()):
            fail("%s: the computer seats' card counts were not spoken: %r" % (press, deal[-1]))
            continue
        counts[press] = {s: int(m.group(1)) for s, m in seen.items()}
        during_deal.append((press, texts_of(window)))
        # Screen readers speak a notification only while it counts as showing and visible.
        lines_in_tree = pyatspi.findAllDescendants(
            window, lambda n: safe(n.getRoleName) == "notification")
        states = [safe(lambda: n.getState().getStates(), []) for n in lines_in_tree]
        if not any(pyatspi.STATE_SHOWING in st and pyatspi.STATE_VISIBLE in st for st in states):
            fail("%s: the spoken line is not showing and visible in the tree" % press)

    if not ended:
        fail("the end of the deal was not spoken before the winner box")
        return
    final_line = [l for l in spoken_since(0) if "Vuru:" in l and "összesen" in l][-1]
    # The winner box: an alert that takes the focus and speaks the winner.
    boxes = [e for e in events if e[1] in ("window:activate", "object:state-changed:focused")
             and e[2] in ("alert", "dialog")]
    if not boxes:
        fail("the winner box was not announced")
    # A stand pressed as a screen reader or a switch presses it, while the box is up, must
    # not settle the deal again.
    stands = pyatspi.findAllDescendants(window, lambda n: safe(lambda: n.name) == "Megállok"
                                        and safe(n.getRoleName) == "push button")
    if stands:
        safe(lambda: stands[0].queryAction().doAction(0))
        pump(1.0)
    else:
        fail("no Megállok button in the tree")
    key("Return", spoken=False)
    with open(os.path.join(os.path.dirname(program), "tavrik.ini"), encoding="cp1250") as f:
        wins = sum(int(v) for v in re.findall(r"^Win\d=(-?\d+)", f.read(), re.M))
    if wins != 1:
        fail("the results hold %d games won after one deal" % wins)

    hands = {s: hand(final_line, s) for s in (PLAYER, "Bank", "Vuru")}
    if not all(hands.values()):
        fail("the final line does not tell every hand: %r" % final_line)
        return
    for press, texts in during_deal:
        for seat in ("Bank", "Vuru"):
            held = hands[seat][0][:counts[press][seat]]
            secret_total = sum(RANKS[r] for _, r in held)
            for text in texts:
                for suit, rank in held:
                    if "%s %s" % (suit, rank) in text:
                        fail("after %s the tree told %s's card %s %s in %r"
                             % (press, seat, suit, rank, text))
                # Sentence by sentence, so the player's own total is no false alarm; a
                # bare number, as a label's own text would read, counts too.
                if text.strip() == str(secret_total):
                    fail("after %s the tree told %s's total %d bare" % (press, seat, secret_total))
                for clause in re.split(r"\. ", text):
                    if seat in clause and re.search(r"(?<!\d)%d(?!\d)" % secret_total, clause):
                        fail("after %s the tree told %s's total %d in %r"
                             % (press, seat, secret_total, text))

    # Closed by its own button, pressed as a screen reader presses it.
    closers = [n for n in pyatspi.findAllDescendants(window, lambda n: safe(lambda: n.name) == "Bezár")]
    if not closers:
        fail("no close button in the tree")
        return
    closers[0].queryAction().doAction(0)
    pump(1.0)
    try:
        game.wait(10)
    except subprocess.TimeoutExpired:
        fail("the close button did not end the game")


if __name__ == "__main__":
    sys.exit(main())
