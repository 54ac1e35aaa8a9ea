#!/usr/bin/env python3
"""Reads the text that the message dialog puts on the clipboard with Ctrl+C and prints one part
of it with its line breaks written as the two characters \\r and \\n:

    dialog_text.py message|caption|buttons < clipboard

The text is: a divider of 27 "-" with "\\r\\n", the caption, the divider, the message, the
divider, the button labels, the divider. The X clipboard of Wine gives every "\\r\\n" as "\\n";
both forms are read.
"""
import re
import sys


def main():
    part = sys.argv[1]
    # The dialog puts Unicode text on the clipboard; X hands it on as UTF-8.
    text = sys.stdin.buffer.read().decode("utf-8", errors="replace")
    # Line ends as the dialog wrote them ("\r\n") or as the X clipboard hands them on ("\n").
    end = "\r\n" if text.startswith("-" * 27 + "\r\n") else "\n"
    pieces = re.split("-{27}" + re.escape(end), text)
    # ['', caption + end, message + end, buttons + end, trailing]
    if len(pieces) < 4:
        return 1
    index = {"caption": 1, "message": 2, "buttons": 3}[part]
    value = pieces[index]
    if value.endswith(end):
        value = value[: -len(end)]
    sys.stdout.buffer.write(value.replace("\r", "\\r").replace("\n", "\\n").encode("utf-8"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
