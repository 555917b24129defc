#!/usr/bin/env python3
"""Builds a binary skin for the skin engine from its readable source.

usage: make_skin.py SOURCE OUTPUT

The source is UTF-8 text, one setting a line; a line starting with ';' is a
comment:
    password 口令        optional; stored as a salted check, never in clear
    face #F4F6F9        a part's colour, as the skin/engine/FORMAT.md list names them
"""
import hashlib
import re
import struct
import sys

PARTS = [
    "face", "text", "disabled_text", "accent", "button", "button_hot",
    "button_pressed", "button_border", "button_text", "edit_border",
    "edit_focus", "group_frame", "group_title", "tab", "tab_selected",
    "tab_text",
]
VERSION = 1
FLAG_PASSWORD = 1
ROUNDS = 4096
MASK = (1 << 64) - 1


def fnv1a(value, data):
    for byte in data:
        value = ((value ^ byte) * 0x100000001B3) & MASK
    return value


def password_check(salt, password):
    value = 0xCBF29CE484222325
    for _ in range(ROUNDS):
        value = fnv1a(value, salt)
        value = fnv1a(value, password)
    return value


def fail(source, number, message):
    sys.exit(f"{source}:{number}: {message}")


def read_source(source):
    colours = {}
    password = None
    with open(source, encoding="utf-8") as text:
        for number, line in enumerate(text, 1):
            words = line.split()
            if not words or words[0].startswith(";"):
                continue
            if words[0] == "password" and len(words) == 2:
                password = words[1].encode("gbk")
            elif words[0] in PARTS and len(words) == 2 and \
                    re.fullmatch(r"#[0-9A-Fa-f]{6}", words[1]):
                if words[0] in colours:
                    fail(source, number, f"{words[0]} given twice")
                colours[words[0]] = bytes.fromhex(words[1][1:])
            else:
                fail(source, number, f"cannot read: {line.strip()}")
    return colours, password


def build(colours, password, salt_seed):
    body = b""
    flags = 0
    if password is not None:
        flags |= FLAG_PASSWORD
        # The salt derives from the source, so the same source builds the same bytes.
        salt = hashlib.md5(b"salt" + salt_seed).digest()[:8]
        body += salt + struct.pack("<Q", password_check(salt, password))
    body += bytes([len(colours)])
    for name, rgb in colours.items():
        body += bytes([len(name)]) + name.encode("ascii") + rgb
    size = 12 + len(body)
    return b"VSKN" + struct.pack("<HHI", VERSION, flags, size) + body


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    source, output = sys.argv[1:]
    colours, password = read_source(source)
    with open(source, "rb") as seed:
        skin = build(colours, password, seed.read())
    with open(output, "wb") as out:
        out.write(skin)


if __name__ == "__main__":
    main()
