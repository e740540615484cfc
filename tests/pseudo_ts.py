#!/usr/bin/python3
# A pseudo-language from a catalogue: each source text accented, about 40% longer and between
# brackets, so that a test sees what escaped translation and what a longer language cuts off.
# Placeholders (%1, %n) stay as they are. Usage: pseudo_ts.py IN.ts OUT.ts
import re, sys, xml.etree.ElementTree as ET

accents = str.maketrans("AEIOUCNSaeioucns", "ÅÉÎÖÛÇÑŠåéîöûçñš")
def pseudo(text):
    parts = re.split(r"(%L?\d+|%n)", text)
    body = "".join(part if i % 2 else part.translate(accents) for i, part in enumerate(parts))
    return "[" + body + "~" * round(len(text) * 0.4) + "]"

tree = ET.parse(sys.argv[1])
tree.getroot().set("language", "en")  # two plural forms
for message in tree.iter("message"):
    translation = message.find("translation")
    translation.clear()
    text = pseudo(message.find("source").text or "")
    for _ in range(2 if message.get("numerus") == "yes" else 0):
        ET.SubElement(translation, "numerusform").text = text
    translation.text = None if message.get("numerus") == "yes" else text
tree.write(sys.argv[2], encoding="utf-8", xml_declaration=True)
