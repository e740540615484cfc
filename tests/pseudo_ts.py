#!/usr/bin/python3
# A pseudo-language from a catalogue: each source text accented, about 40% longer and between
# brackets, so that a test sees what escaped translation and what a longer language cuts off.
# Placeholders (%1, %n) stay as they are. Usage: pseudo_ts.py IN.ts OUT.ts
import re, sys, xml.etree.ElementTree as ET

accents = str.maketrans("AEIOUCNSaeioucns", "ÅÉÎÖÛÇÑŠåéîöûçñš")
tree = ET.parse(sys.argv[1])
tree.getroot().set("language", "en")  # two plural forms
for message in tree.iter("message"):
    source, translation = message.find("source").text or "", message.find("translation")
    parts = re.split(r"(%L?\d+|%n)", source)  # the odd ones are placeholders
    text = "".join(part if i % 2 else part.translate(accents) for i, part in enumerate(parts))
    translation.clear()
    for form in [ET.SubElement(translation, "numerusform") for _ in "12"] if message.get("numerus") else [translation]:
        form.text = "[" + text + "~" * round(len(source) * 0.4) + "]"
tree.write(sys.argv[2], encoding="utf-8", xml_declaration=True)
