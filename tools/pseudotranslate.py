#!/usr/bin/env python3
"""Writes a pseudo-translation for developers from one of the Qt Linguist files.

    tools/pseudotranslate.py translations/quintavel_de.ts quintavel_en_XA.ts

Every English source text becomes a translation of its own: its letters accented, a third
longer and in brackets, such as "[Ǵéţ Ḿý &Ḟŕûîţ Åšţŕöļöĝý Ŕéåðîñĝ ~~~~~~~]". A screenshot then
shows at once a text that was not marked for translation (it stays plain) and a widget that has
no room for a long translation. Access keys (&), placeholders (%1), line breaks and the spaces
at either end stay as they are. The build compiles it in as the language en_XA when
QUINTAVEL_PSEUDO_TRANSLATION is on; `LANGUAGE=en_XA LANG=en_US.UTF-8` shows it.
"""
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = dict(zip(
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz",
    "ÅƁÇÐÉƑĜĤÎĴĶĻḾÑÖÞǪŔŠŢÛṼŴẊÝŽåƀçðéƒĝĥîĵķļḿñöþǫŕšţûṽŵẋýž"))
GROWTH = 0.35
KEPT = re.compile(r"(&&|&|%\d+|\r|\n)")


def pseudo(text):
    core = text.strip(" ")
    if not core:
        return text
    lead = text[: len(text) - len(text.lstrip(" "))]
    trail = text[len(text.rstrip(" ")):]
    parts = KEPT.split(core)
    shown = "".join(p if KEPT.fullmatch(p) else "".join(ACCENTED.get(c, c) for c in p)
                    for p in parts)
    letters = sum(len(p) for p in parts if not KEPT.fullmatch(p))
    padding = "~" * max(1, round(letters * GROWTH) - 2)
    return f"{lead}[{shown} {padding}]{trail}"


def source_text(element):
    text = element.text or ""
    for child in element:
        if child.tag == "byte":
            text += chr(int(child.get("value")[1:], 16))
        text += child.tail or ""
    return text


def set_text(element, text):
    for child in list(element):
        element.remove(child)
    pieces = text.split("\r")
    element.text = pieces[0]
    for piece in pieces[1:]:
        byte = ET.SubElement(element, "byte", value="xd")
        byte.tail = piece


def main(source, target):
    tree = ET.parse(source)
    root = tree.getroot()
    root.set("language", "en_XA")
    for message in root.iter("message"):
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        set_text(translation, pseudo(source_text(message.find("source"))))
    tree.write(target, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
