"""The game in each language over AT-SPI: the table, the settings, the help, the About box, a
deal by keys and its winner box, the reset question. Hungarian runs show every text as it has
always been, the others none of them; every run writes the same sections and keys."""

import os
import re
import subprocess
import sys

import pyatspi

from bus import fail, failures, pump, safe
from deal_listener import find_app, texts_of

HUNGARIAN = ["21 - A kártyajáték", "Eredmény", "Pénz", "Nyert játékok", "Tét", "Új leosztás",
             "Még egy lapot!", "Megállok", "Beállítások", "Tálcára", "Bezár", "Névjegy",
             "Eredmények törlése", "Tarvesz honlapja", "Az én nevem", "Mégsem", "21 kártyajáték",
             "Elérhetőség", "Súgó", "Üzenet", "Megerősítés", "Valóban nullázzam az eredményeket?",
             "Igen", "Nem"]
WINNERS = ["Te győztél", "Bank nyert", "Vuru nyert"]
HU = dict(frame=HUNGARIAN[0], about="Névjegy", reset="Eredmények törlése", close="Bezár")
EN = dict(frame="21 - The Card Game", about="About", reset="Reset the results", close="Close")
# A language the game has no translation for (run_languages.sh picks it): English beneath.
OTHER = os.environ.get("UNTRANSLATED", "de")
RUNS = [("C.UTF-8", "", HU), ("hu_HU.UTF-8", "", HU), ("en_US.UTF-8", "hu:en", HU),
        ("en_US.UTF-8", "", EN), ("%s_%s.UTF-8" % (OTHER, OTHER.upper()), "", EN),
        ("hu_HU.UTF-8", OTHER + ":en", EN)]


def press(window, name):  # as a screen reader presses a button
    found = pyatspi.findAllDescendants(window, lambda n: safe(lambda: n.name) == name)
    safe(lambda: found[0].queryAction().doAction(0)) if found else fail("no button %r" % name)


def opened(app, wid, keys, label):
    if keys:  # to the table: without a window manager a closed box hands the focus to no one
        subprocess.run(["xdotool", "windowfocus", "--sync", wid, "key", "--clearmodifiers"] + keys)
    for _ in range(100):
        pump(0.1)
        boxes = [w for w in app if safe(w.getRoleName) in ("dialog", "alert")]
        if boxes:
            pump(0.5)
            return texts_of(boxes[0]) + [safe(lambda: boxes[0].name)]
    return fail("%s: nothing opened after %r" % (label, keys)) or []


def run(program, lang_env, language, names):
    label = "LANG=%s LANGUAGE=%s" % (lang_env, language)
    env = {k: v for k, v in os.environ.items() if not k.startswith("LC_")}
    game = subprocess.Popen([program], env=dict(env, LANG=lang_env, LANGUAGE=language))
    try:
        app = find_app()
        table = [c for c in (app or []) if safe(lambda: c.name) == names["frame"]]
        if not table:
            return fail("%s: no table named %r" % (label, names["frame"]))
        wid = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                              str(game.pid)], capture_output=True, text=True).stdout.split()[0]
        shown = texts_of(table[0])
        for keys, button, close in ((["alt+Return"], None, "Escape"), (["F1"], None, "Escape"),
                                    ([], "about", "Return"), (["F2", "F4"], None, "Return"),
                                    ([], "reset", "Escape")):
            button and press(table[0], names[button])
            texts = opened(app, wid, keys, label)
            if keys == ["F1"] and not all(k in " ".join(texts) for k in ("F2", "F3", "F4")):
                fail("%s: the help does not name F2, F3 and F4: %r" % (label, texts))
            shown += texts
            subprocess.run(["xdotool", "key", close])
            pump(1.0)
        won = ["a winner"][:not set(WINNERS) & set(shown)]
        wrong = ([t for t in HUNGARIAN if t not in shown] + won if names is HU
                 else [h for h in HUNGARIAN + WINNERS for t in shown if h in t])
        wrong and fail("%s: %r" % (label, wrong))
        press(table[0], names["close"])
        game.wait(10)
        with open(os.path.join(os.path.dirname(program), "tavrik.ini"), encoding="cp1250") as f:
            return re.findall(r"^(\[[^]]*\]|\w+)=?", f.read(), re.M)
    finally:
        game.poll() is None and game.kill()
        subprocess.run(["rm", "-f", os.path.join(os.path.dirname(program), "tavrik.ini")])


def main():
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    pump(1.0)
    layouts = [run(sys.argv[1], *r) for r in RUNS]
    bus.terminate()
    for r, layout in zip(RUNS, layouts):
        layout == layouts[0] or fail("LANG=%s LANGUAGE=%s wrote %r" % (r[0], r[1], layout))
    print("%d failure(s)" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
