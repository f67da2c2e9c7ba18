#!/usr/bin/env python3
"""Writes the committed regression corpus of the fuzz targets into fuzz/corpus/<target>/.

Each target gets a small seed set (seed-*: well-formed inputs of every kind the target reads), the
inputs of faults found so far, by fuzzing or otherwise (regress-*: the comment beside each says which),
and hostile inputs at the edges the reader must handle (edge-*). scripts/run-fuzz.sh replays every file
before fuzzing. Inputs a fuzz run finds later are
copied into the corpus as they are (crash-<sha1> renamed to regress-<what>) rather than added here.

Run it again only to change these inputs; the files it writes are committed.
"""

import os
import struct

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")

# --- .qbl records (model/QBLogFormat.h) -----------------------------------------------------------

MARKED_ANSI, MARKED_UTF8 = 0x7F000000, 0x7F000001
DAY, NOON = 738886, 12 * 3600 * 1000  # 1 January 2024, 12:00


def i32(v):
    return struct.pack("<i", v)


def field(data, width):
    return data[:width].ljust(width, b"\0")


def marked(text=b"", details=b"", mtype=0, code=MARKED_UTF8, thread=b"Main", computer=b"WS-1",
           app=b"App", category=b"", type_name=b"", time=NOON, date=DAY, bias=0, pid=42,
           text_len=None, details_len=None, color=0, font_color=0):
    header = (i32(mtype) + i32(time) + i32(date) + i32(bias)
              + i32(len(text) if text_len is None else text_len)
              + i32(len(details) if details_len is None else details_len)
              + i32(pid) + field(thread, 26) + field(computer, 16) + field(app, 41) + field(category, 41)
              + i32(color) + i32(font_color) + field(type_name, 41))
    assert len(header) == 201
    return struct.pack("<I", code) + header + text + details + b"\0"


def legacy(text=b"", details=b"", mtype=0, computer=b"", app=b"", category=b"", type_name=b"",
           thread_id=0, pid=0, color=0):
    header = bytearray(213)
    header[0:4] = i32(NOON)
    header[4:8] = i32(DAY)
    header[8:12] = i32(0)
    header[12:16] = i32(len(text))
    header[16:20] = i32(len(details))
    header[20:24] = struct.pack("<I", pid)
    header[24:28] = struct.pack("<I", thread_id)
    header[70:86] = field(computer, 16)
    header[86:127] = field(app, 41)
    header[127:168] = field(category, 41)
    header[168:172] = i32(color)
    header[172:213] = field(type_name, 41)
    return i32(mtype) + bytes(header) + text + details + b"\0"


def bmp_hex(width, height):
    """A 24-bit BMP of one colour as upper-case hex text, as bitmap messages carry it."""
    row = (b"\x80\x80\x00" * width).ljust((width * 3 + 3) // 4 * 4, b"\0")
    pixels = row * height
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    head = b"BM" + struct.pack("<IHHI", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return (head + info + pixels).hex().upper().encode()


LOG_READER = {
    # Seeds: every record kind, nesting, separators, details of several inspectors.
    "seed-methods-and-separators.qbl":
        marked(b"Start", mtype=40) + marked(b"Load", mtype=9, category=b"Database", color=0x00E6F0FA)
        + marked(b"query", b"SELECT 1", mtype=0) + marked(b"Load", mtype=10) + marked(b"", mtype=11)
        + marked(b"", mtype=39) + marked(b"unclosed", mtype=9),
    "seed-details-of-each-kind.qbl":
        marked(b"table", b"Id\tName\r\n1\tAnn", mtype=38) + marked(b"props", b"Font=(TFont)\r\n  Name=Tahoma",
                                                                   mtype=22, type_name=b"TFont")
        + marked(b"colour", b"255\r\n0\r\n0", mtype=31) + marked(b"bitmap", bmp_hex(2, 3), mtype=16)
        + marked(b"custom", b"payload", mtype=150, type_name=b"TCustom"),
    "seed-legacy-and-ansi.qbl":
        legacy(b"legacy \xe9", b"d\xc3\xa9", mtype=2, computer=b"PC", app=b"Caf\xe9", thread_id=7)
        + marked(b"ansi \xe9", code=MARKED_ANSI, app=b"Caf\xe9") + marked(b"utf8 \xc3\xa9"),
    # The fuzz build's UBSan: empty names and texts passed a null pointer to memcpy/memcmp, in the
    # name pool's cache and in the writer.
    "regress-empty-names-and-texts.qbl":
        marked(thread=b"", computer=b"", app=b"") + marked(thread=b"", computer=b"", app=b"")
        + marked(b"x", code=MARKED_ANSI, thread=b"", computer=b"", app=b"") + legacy(),
    # A header that claims a gigabyte of body in a tiny file: must read only what the file holds.
    "edge-huge-claimed-body.qbl": marked(b"hello", text_len=1 << 30),
    # The largest body a header may claim (a sparse 2 GB file held 3 GB): reads what is there.
    "regress-claims-2gb-body.qbl": marked(b"hello", b"details", text_len=0x7FFFFFFF - 202, details_len=0),
    # Lengths whose sum overflows a signed 32-bit size: an invalid record.
    "edge-length-overflow.qbl": marked(b"a") + marked(b"b", text_len=0x7FFFFFFF - 200),
    "edge-lengths-negative.qbl": marked(b"a", text_len=-1) + marked(b"b", details_len=-5),
    # Files that end inside a header, inside a body, or in a 3-byte tail.
    "edge-file-ends-inside-a-header.qbl": marked(b"kept") + marked(b"cut")[:100],
    "edge-file-ends-inside-a-body.qbl": marked(b"kept") + marked(b"hello", b"details")[:-5],
    "edge-three-byte-tail.qbl": marked(b"kept") + b"\x01\x00\x00",
    # Texts with an embedded NUL, invalid UTF-8 and names that fill their fields to the last byte.
    "edge-nul-invalid-utf8-full-names.qbl":
        marked(b"ab\0cd", b"x\0y") + marked(b"bad \xff\xfe utf8", app=b"A" * 41, thread=b"T" * 26)
        + legacy(b"t", computer=b"C" * 16, app=b"K" * 41, category=b"K" * 41, type_name=b"N" * 41),
    # Header checks at their limits: the last valid date and time, then ones past them.
    "edge-header-limits.qbl":
        marked(b"a", date=766500, time=86400000, bias=1440) + marked(b"b", date=766501)
        + marked(b"c", time=-1) + marked(b"d", bias=-1441),
}

# --- details texts (inspectors/parsers) ------------------------------------------------------------

DETAILS = {
    "seed-table.txt": b"Id\tCustomer\tTotal\r\n1001\tAnn\t12.50\r\n1002\tBob\t7.25",
    "seed-properties.txt": b"Font=(TFont)\r\n  Name=Tahoma\r\n  Size=8\r\n      Deep=1\r\nColor=clRed",
    "seed-object.txt": b"Name='Button1'\r\nCaption=OK\r\nFont=(TFont)\r\n  Style=[fsBold]",
    "seed-collection.txt": b"Button 1|Caption=Hello World;Width=10\r\nignored line\r\nButton 2|\"Caption=Hello World\"",
    "seed-hierarchy.txt": b"root\r\n\tchild 1\r\n\tchild 2\r\n\t\t\t\tgrandchild\r\n \t \r\nsecond root",
    "seed-color.txt": b"255\r\n0\r\n0\r\n255",
    "seed-bitmap.txt": bmp_hex(3, 2),
    "seed-memory-status.txt": b"MemoryLoad=42\r\nTotalPhys=8,589,934,592\r\nAvailPhys=1,073,741,824",
    "seed-string-list.txt": b"C:\\Windows\r\nC:\\Windows\\System32\r\n/usr/lib",
    # A NUL in a collection entry list: the entry split never moved past it (a hang).
    "regress-collection-nul.txt": b"Item|a=1\0b=2;c\0\r\nOther|\0\0\"q\0\"",
    # Collection entries with unclosed and doubled quotes.
    "edge-collection-quotes.txt": b"I|\"unclosed; x=1\r\nJ|\"say \"\"hi\"\"\";x=1\r\nK|\"q\"rest;x\r\nL|a;;b;",
    # Table lines wider than the first: print widths covered only the first line's fields.
    "regress-table-later-lines-wider.txt": b"a\tb\r\n1\t2\t3\t4\t5\r\n\t\t\t\t\t\t7",
    # Colour lines that do not fit 32 bits, signs and blanks, too few lines.
    "edge-color-overflow.txt": b"99999999999\r\n-2147483649\r\n 2 ",
    "edge-color-two-lines.txt": b"1\r\n2",
    # An odd number of hex digits and a bad pair inside a bitmap.
    "edge-hex-odd-and-bad-pair.txt": b"424D00zz7",
    # Indentation that jumps deeper and back, lines without "=", quoted dotted names.
    "edge-property-indent-jumps.txt":
        b"A=1\r\n          B=2\r\n  C=3\r\n\t\tD=4\r\n E\r\n\"a.b\"=1\r\n  \"c\"\"d\".e=2\r\n=\r\n.=.",
    # A chain of lines each one tab deeper than the last: the hierarchy nests as deep as it is long.
    "regress-deep-hierarchy.txt": b"".join(b"\t" * d + b"n\n" for d in range(350)),
    # Runs of mixed line breaks: normalising them was quadratic.
    "edge-line-break-runs.txt": (b"\r\n\r\r\n\n" * 4000) + b"x" + (b"\n\r" * 4000),
    # One table row of many cells (column fitting was quadratic) and one line without blanks (its
    # wrapped layout froze the window): the parsers' share of those faults.
    "regress-wide-table-row.txt": b"h\n" + b"\t" * 60000 + b"x",
    "regress-long-line-without-blanks.txt": b"x" * 65000,
}

# --- INI texts (shell/QBIniDocument) ---------------------------------------------------------------

INI = {
    "seed-settings.ini":
        b"[Position]\nLeft=10\nTop=20\nMaximized=0\nMainSplitFixed=300\n\n[Display]\nRowShading=1\n"
        b"RowShadingColor=-16777208\nTimeStamp=1\n\n[MessageFont]\nName=Verdana\nSize=8\nColor=0\n\n"
        b"[FontStyles]\nErrorColor=-16777208\nErrorStyle=1\nErrorUseDefault=0\n\n[MRULists]\nFind0=needle\n",
    "seed-project.ini":
        b"[Project]\nLog=/home/user/My Quillbox Files/Logs/Trace.qbl\nSaved=2024-01-01T12:00:00\n\n"
        b"[View0]\nName=Errors\nClass=Default\nFilterTypes=101000\nFilterText=timeout\nBinary=0A1B2C\n",
    "seed-install-path.ini": b"# /etc/xdg/Tolvane/Quillbox.conf\n[4.0]\nInstallPath=/opt/quillbox\n",
    # Damaged texts the reader must read what it can from.
    "edge-damaged-lines.ini":
        b"\x01\x02garbage\n[A]\nnot a pair\n]x[\nK=1\nK\n[B\nL=2\n[ ]\nM=3\n[a]\nk=2\nN=a=b\n=empty key\n"
        b"; comment=1\n# comment=2\n[C]x\nO=1\n",
    "edge-bom-crlf-invalid-utf8.ini": b"\xef\xbb\xbf[A]\r\nK = 1 \r\nV=a\xff\xfeb\r\n[\xc3\xa9]\r\n\xc3\xa9=\xc3\xa9\r\n",
    # A value carrying line breaks must not start a section of its own when written back.
    "regress-line-break-in-value.ini": b"[A]\nK=one\r\r[Evil]\rX=1\n[B]\rY=2\r\n",
    "edge-keys-before-any-section.ini": b"K=1\nL=2\n[A]\n",
    "edge-nul-and-blanks.ini": b"[A\0]\nK\0=\0\n \t[ B ] \t\n\t K \t=\t v \t\n\x0b[C]\x0c\nZ=\x85\xe2\x80\xa8\n",
}

TARGETS = {"fuzz_log_reader": LOG_READER, "fuzz_details_parsers": DETAILS, "fuzz_ini_file": INI}


def main():
    for target, files in TARGETS.items():
        folder = os.path.join(ROOT, target)
        os.makedirs(folder, exist_ok=True)
        for name, data in files.items():
            with open(os.path.join(folder, name), "wb") as out:
                out.write(data)


if __name__ == "__main__":
    main()
