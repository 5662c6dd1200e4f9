"""The game in each language, read through AT-SPI: the table, the settings, the About box, the
help, a deal played by keys with its winner box, and the reset question. Hungarian runs must
show every text as it has always been; the others none of the Hungarian ones. Every run's
results file must have the same sections and keys."""

import os
import re
import subprocess
import sys

import pyatspi

from bus import fail, failures, pump, safe
from deal_listener import find_app, texts_of

HU = {"frame": "21 - A kártyajáték", "table": ["Bank", "Vuru", "Eredmény", "Pénz",
      "Nyert játékok", "Tét", "Új leosztás", "Még egy lapot!", "Megállok", "Beállítások",
      "Tálcára", "Bezár", "Eredmények törlése", "Névjegy", "Tarvesz honlapja"],
      "settings": ["Beállítások", "Az én nevem", "Tét", "OK", "Mégsem"],
      "about": ["Névjegy", "21 kártyajáték", "Elérhetőség", "OK"], "help": ["Súgó", "Bezár"],
      "winner": ["Üzenet", "OK"], "reset": ["Megerősítés", "Valóban nullázzam az eredményeket?",
      "Igen", "Nem"], "about_button": "Névjegy", "reset_button": "Eredmények törlése",
      "close_button": "Bezár"}
EN = {"frame": "21 - The Card Game", "help": ["Help", "Close"], "about_button": "About",
      "reset_button": "Reset the results", "close_button": "Close"}
WINNERS = ["Te győztél", "Bank nyert", "Vuru nyert"]
SAME = {"Bank", "Vuru", "OK"}  # the same word in English
HUNGARIAN = {t for part in HU.values() if isinstance(part, list) for t in part} - SAME
HUNGARIAN |= set(WINNERS)
RUNS = [("C.UTF-8", None, HU), ("hu_HU.UTF-8", None, HU), ("en_US.UTF-8", "hu:en", HU),
        ("en_US.UTF-8", None, EN), ("de_DE.UTF-8", None, EN), ("hu_HU.UTF-8", "de:en", EN)]


def window_after(app, keys, before, wid):
    if keys:  # to the table, which has the focus back only when a window manager gives it
        subprocess.run(["xdotool", "windowfocus", "--sync", wid], check=True)
        subprocess.run(["xdotool", "key", "--clearmodifiers"] + keys, check=True)
    for _ in range(100):
        pump(0.1)
        opened = [w for w in app if safe(w.getRoleName) in ("dialog", "alert") and w not in before]
        if opened:
            pump(0.5)
            return opened[0], texts_of(opened[0]) + [safe(lambda: opened[0].name)]
    return None, []


def press(window, name):
    found = pyatspi.findAllDescendants(window, lambda n: safe(lambda: n.name) == name
                                       and safe(n.getRoleName) == "push button")
    safe(lambda: found[0].queryAction().doAction(0)) if found else fail("no button %r" % name)


def check(label, part, texts, lang):
    if lang is HU:
        missing = [t for t in HU.get(part, []) if t not in texts]
        missing and fail("%s, %s: %r missing from %r" % (label, part, missing, texts))
    else:
        left = [t for t in HUNGARIAN for text in texts if t in text]
        left and fail("%s, %s: Hungarian %r still shown in %r" % (label, part, left, texts))


def run(program, lang_env, language, lang):
    label = "LANG=%s LANGUAGE=%s" % (lang_env, language)
    env = {k: v for k, v in os.environ.items() if not k.startswith("LC_") and k != "LANGUAGE"}
    env.update({"LANG": lang_env}, **({"LANGUAGE": language} if language else {}))
    results = os.path.join(os.path.dirname(program), "tavrik.ini")
    game = subprocess.Popen([program], env=env)
    try:
        app = find_app()
        frames = [c for c in (app or []) if safe(lambda: c.name) == lang["frame"]]
        if not frames:
            return fail("%s: no frame named %r" % (label, lang["frame"]))
        table = frames[0]
        wid = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(game.pid)],
                             capture_output=True, text=True).stdout.split()[0]
        check(label, "table", texts_of(table), lang)
        # What opens it, and the key that closes it again.
        for part, keys, button, close in (
                ("settings", ["alt+Return"], None, "Escape"), ("help", ["F1"], None, "Escape"),
                ("about", [], "about_button", "Return"), ("winner", ["F2", "F4"], None, "Return"),
                ("reset", [], "reset_button", "Escape")):
            if button:
                press(table, lang[button])
            box, texts = window_after(app, keys, [table], wid)
            box or fail("%s: no %s window" % (label, part))
            check(label, part, texts, lang)
            if part == "help" and not all(k in " ".join(texts) for k in ("F2", "F3", "F4")):
                fail("%s: the help does not name F2, F3 and F4: %r" % (label, texts))
            if part == "winner" and lang is HU and not set(WINNERS) & set(texts):
                fail("%s: no winner named in %r" % (label, texts))
            subprocess.run(["xdotool", "key", close], check=True)
            pump(1.0)
        press(table, lang["close_button"])
        game.wait(10)
        with open(results, encoding="cp1250") as f:
            return re.findall(r"^(\[[^]]*\]|\w+)=?", f.read(), re.M)
    finally:
        if game.poll() is None:
            game.kill()
        if os.path.exists(results):
            os.remove(results)


def main():
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    pump(1.0)
    try:
        layouts = [run(sys.argv[1], *r) for r in RUNS]
    finally:
        bus.terminate()
    for (lang_env, language, _), layout in zip(RUNS, layouts):
        if layout != layouts[0]:
            fail("LANG=%s LANGUAGE=%s wrote %r, not %r" % (lang_env, language, layout, layouts[0]))
    print("%d failure(s)" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
