"""Every translation keeps every placeholder of its source text (%1, %L2, %n), no more and no
fewer: a dropped %1 would show a sentence without the file it names, an extra one a raw "%3".
A plural form may say its number in words.
Usage: translation_placeholders.py TS_FILE...; prints each text that breaks it and exits 1."""

import re
import sys
import xml.etree.ElementTree as ElementTree

PLACEHOLDER = re.compile(r"%L?(?:\d{1,2}|n)")


def placeholders(text):
    return sorted(match.group(0).replace("%L", "%") for match in PLACEHOLDER.finditer(text or ""))


def main(paths):
    broken = 0
    for path in paths:
        for context in ElementTree.parse(path).getroot().iter("context"):
            name = context.findtext("name")
            for message in context.iter("message"):
                source = message.findtext("source")
                translation = message.find("translation")
                forms = [form.text for form in translation.iter("numerusform")] or [translation.text]
                wanted = placeholders(source)
                for form in forms:
                    kept = placeholders(form)
                    # A plural form may say the number in words ("one card").
                    if len(forms) > 1 and "%n" in wanted and "%n" not in kept:
                        kept = sorted(kept + ["%n"])
                    if form and kept != wanted:
                        broken += 1
                        print("%s: %s: %r keeps %s of %s in %r" % (
                            path, name, source, placeholders(form), wanted, form))
    return 1 if broken else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
