#!/usr/bin/env python3
"""A test translation that marks every text: each translation is its French
source between ⟦ and ⟧, so that a window built under it shows, around every
text that went through the translation, marks a test can look for.

pseudotranslation.py SOURCE.ts OUTPUT.ts
"""
import sys
import xml.etree.ElementTree as ET

OPEN, CLOSE = "\u27e6", "\u27e7"

tree = ET.parse(sys.argv[1])
root = tree.getroot()
root.set("language", "pseudo")
for message in root.iter("message"):
    translation = message.find("translation")
    marked = OPEN + message.findtext("source") + CLOSE
    forms = list(translation.iter("numerusform"))
    for form in forms:  # a counted text: every form marked
        form.text = marked
    if not forms:
        translation.text = marked
    translation.attrib.pop("type", None)
tree.write(sys.argv[2], encoding="utf-8", xml_declaration=True)
