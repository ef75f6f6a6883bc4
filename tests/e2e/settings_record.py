"""Writes a settings record ("beallitasok.cfg", 2120 bytes) for an end-to-end test.

Usage: settings_record.py FILE [name=value ...]
Every field not named keeps the value a test usually wants: alerts on, recursive search,
empty folders removed, no beep, never cleaned, an 8-day interval, a 649 x 400 window.
"""
import struct
import sys

FIELDS = {  # name: (offset, struct format)
    "autoClean": (2, "<B"),
    "goToTrayOnClose": (3, "<B"),
    "quitAfter": (4, "<B"),
    "days": (6, "<H"),
    "windowLeft": (16, "<i"),
    "windowTop": (20, "<i"),
    "lastCleaning": (8, "<d"),
    "viewAlerts": (32, "<B"),
    "startWithWindows": (33, "<B"),
    "recursive": (36, "<B"),
    "deleteEmpty": (37, "<B"),
    "beep": (38, "<B"),
    "page": (1580, "<i"),
    "lastUpdateSearch": (1840, "<d"),
    "updateSearch": (1848, "<B"),
    "updateDays": (1852, "<i"),
}
DEFAULTS = {"days": 8, "viewAlerts": 1, "recursive": 1, "deleteEmpty": 1, "beep": 0, "updateDays": 15}


def main():
    values = dict(DEFAULTS)
    for arg in sys.argv[2:]:
        name, value = arg.split("=", 1)
        values[name] = float(value) if FIELDS[name][1] == "<d" else int(value)
    record = bytearray(2120)
    struct.pack_into("<iiii", record, 16, 100, 100, 649, 400)
    for name, value in values.items():
        offset, fmt = FIELDS[name]
        struct.pack_into(fmt, record, offset, value)
    with open(sys.argv[1], "wb") as out:
        out.write(record)


main()
