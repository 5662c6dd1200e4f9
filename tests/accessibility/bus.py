"""What both accessibility checks share: their failures, the bus's main loop, and questions
to objects that may be gone by the time they are asked."""

import time

from gi.repository import GLib

failures = []


def fail(message):
    failures.append(message)
    print("FAIL:", message, flush=True)


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if not context.iteration(False):
            time.sleep(0.01)


def safe(call, default=""):
    try:
        return call()
    except Exception:  # a dying object: what it said no longer matters
        return default
