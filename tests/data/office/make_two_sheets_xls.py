#!/usr/bin/env python3
# Writes two_sheets.xls, a legacy workbook put together record by record: a
# compound document (512-byte sectors: the allocation table, the "Workbook"
# stream, the directory) holding a BIFF8 stream with two sheets.
#   Ports:  A1 "name"   B1 42
#           A2 "speed"  B2 5 March 2024 (date format 14)  C2 5 March 2024 12:00 (format 22)
#   Second: A1 1.5
import struct

def record(kind, body=b""):
    return struct.pack("<HH", kind, len(body)) + body

def bof(dt):
    return record(0x0809, struct.pack("<HHHHII", 0x0600, dt, 0x0DBB, 0x07CC, 0, 0x0006))

def xf(fmt, style):
    flags = 0xFFF4 if style else 0x0000
    return record(0x00E0, struct.pack("<HHH", 0, fmt, flags) + bytes(14))

def short_text(s):
    return struct.pack("<BB", len(s), 0) + s.encode("latin-1")

def sst(strings):
    body = struct.pack("<II", len(strings), len(strings))
    for s in strings:
        body += struct.pack("<HB", len(s), 0) + s.encode("latin-1")
    return record(0x00FC, body)

def dimensions(rows, cols):
    return record(0x0200, struct.pack("<IIHHH", 0, rows, 0, cols, 0))

def label(row, col, ixfe, index):
    return record(0x00FD, struct.pack("<HHHI", row, col, ixfe, index))

def number(row, col, ixfe, value):
    return record(0x0203, struct.pack("<HHHd", row, col, ixfe, value))

EOF_RECORD = record(0x000A)
CELL, DATE, DATETIME = 15, 16, 17

sheets = [
    ("Ports", dimensions(2, 3) + label(0, 0, CELL, 0) + number(0, 1, CELL, 42) + label(1, 0, CELL, 1)
     + number(1, 1, DATE, 45356) + number(1, 2, DATETIME, 45356.5)),
    ("Second", dimensions(1, 1) + number(0, 0, CELL, 1.5)),
]

def globals_stream(offsets, padding):
    body = bof(0x0005) + record(0x0042, struct.pack("<H", 1200))
    body += b"".join(xf(0, True) for _ in range(15)) + xf(0, False) + xf(14, False) + xf(22, False)
    for (name, _), offset in zip(sheets, offsets):
        body += record(0x0085, struct.pack("<IBB", offset, 0, 0) + short_text(name))
    body += sst(["name", "speed"])
    # An unknown record only fills the stream up to the size a stream in
    # regular sectors must have.
    body += record(0x0F01, bytes(padding))
    return body + EOF_RECORD

substreams = [bof(0x0010) + cells + EOF_RECORD for _, cells in sheets]
padding = 0
head = globals_stream([0, 0], padding)
padding = max(0, 4096 - len(head) - sum(len(s) for s in substreams))
head = globals_stream([0, 0], padding)
offsets, at = [], len(head)
for s in substreams:
    offsets.append(at)
    at += len(s)
stream = globals_stream(offsets, padding) + b"".join(substreams)
assert len(stream) >= 4096

SECTOR = 512
ENDOFCHAIN, FREESECT, FATSECT, NOSTREAM = 0xFFFFFFFE, 0xFFFFFFFF, 0xFFFFFFFD, 0xFFFFFFFF
stream_sectors = (len(stream) + SECTOR - 1) // SECTOR
directory_sector = 1 + stream_sectors
fat = [FATSECT] + [i + 2 for i in range(stream_sectors - 1)] + [ENDOFCHAIN, ENDOFCHAIN]
fat += [FREESECT] * (SECTOR // 4 - len(fat))

header = b"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + bytes(16)
header += struct.pack("<HHHHH", 0x003E, 0x0003, 0xFFFE, 9, 6) + bytes(6)
header += struct.pack("<IIIIIIIII", 0, 1, directory_sector, 0, 0x1000, ENDOFCHAIN, 0, ENDOFCHAIN, 0)
header += struct.pack("<I", 0) + struct.pack("<I", FREESECT) * 108
assert len(header) == SECTOR

def entry(name, kind, child, start, size):
    encoded = (name + "\0").encode("utf-16-le") if name else b""
    return (encoded.ljust(64, b"\0") + struct.pack("<HBB", len(encoded), kind, 1 if name else 0)
            + struct.pack("<III", NOSTREAM, NOSTREAM, child) + bytes(16) + struct.pack("<I", 0) + bytes(16)
            + struct.pack("<IQ", start, size))

directory = (entry("Root Entry", 5, 1, ENDOFCHAIN, 0) + entry("Workbook", 2, NOSTREAM, 1, len(stream))
             + entry("", 0, NOSTREAM, 0, 0) * 2)
assert len(directory) == SECTOR

data = header + struct.pack("<128I", *fat) + stream.ljust(stream_sectors * SECTOR, b"\0") + directory
with open("two_sheets.xls", "wb") as f:
    f.write(data)
