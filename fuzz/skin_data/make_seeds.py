#!/usr/bin/env python3
"""Writes the seeds of the skin data fuzzer: small skins that reach every section of
the definition and several BMP kinds, each once as a package file (first byte 0) and
once as an uncompressed archive (first byte 1). Usage: make_seeds.py ZUNO_SKINPACK OUTDIR"""
import os
import struct
import subprocess
import sys
import tempfile


def bmp24(w, h, seed=0):
    row = (w * 3 + 3) & ~3
    pixels = b"".join(
        bytes((x * 40 + seed) & 255 for x in range(w * 3)).ljust(row, b"\0") for _ in range(h))
    head = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + 40 + len(pixels), 0, 0, 54) + head + pixels


def bmp8(w, h):
    row = (w + 3) & ~3
    palette = b"".join(bytes((i, 255 - i, i // 2, 0)) for i in range(4))
    pixels = b"".join(bytes((x + y) % 4 for x in range(w)).ljust(row, b"\0") for y in range(h))
    head = struct.pack("<IiiHHIIiiII", 40, w, -h, 1, 8, 0, len(pixels), 0, 0, 4, 0)
    off = 14 + 40 + len(palette)
    return b"BM" + struct.pack("<IHHI", off + len(pixels), 0, 0, off) + head + palette + pixels


FULL = """[TitlebarSkin]
SkinName=Seed
[Personality]
Left=l.bmp
LeftFrame=2
LeftTopHeight=3
Right=l.bmp
Top=t.bmp
TopTopHeight=2
TopBotHeight=2
Bottom=t.bmp
TextBack=t.bmp
TextShift=4
ActiveTextR=1
ActiveTextG=2
ActiveTextB=3
menuBar=t.bmp
TileMenu=1
[Fonts]
FontHeight=13
[Colours]
ButtonFace=212 208 200
ButtonText=0 0 0
Menubar=1,2,3
[Button1]
Action=1
ButtonImage=b.bmp
[Button2]
Action=3
ButtonImage=b.bmp
[Button3]
Action=-1
Visibility=0
frame=0x2
[MDICONTROLS]
Image=mdi.bmp
[Buttons]
Bitmap=b.bmp
CheckButton=c.bmp
RadioButton=p8.bmp
Tile=2
NormalColour2=9 9 9
[Progress]
Bitmap=b.bmp
Chunk=p8.bmp
[Tabs]
Image=b.bmp
Border=t.bmp
[StatusBarEdges]
Image=b.bmp
[ComboButton]
Image=c.bmp
[SunkEdge]
Image=skins\\b.bmp
[ExtraImages]
Image=b.BMP
[Headerbar]
Image=b.bmp
[MenuItem]
Image=b.bmp
[MenuBackground]
Image=p8.bmp
[Scrollbar]
Image=b.bmp
[HorzScroll]
Image=b.bmp
[VertScroll]
Image=b.bmp
[HorzScrollThumb]
Image=b.bmp
FrameCount=2
[VertScrollThumb]
Image=b.bmp
[Trackbar.ThumbHorz]
Image=b.bmp
[Trackbar.ThumbVert]
Image=b.bmp
[UpDown.Horz]
Image=b.bmp
GlyphImage=c.bmp
[UpDown.Vert]
Image=b.bmp
"""

SKINS = {
    "full": {"skin.ini": FULL.encode(), "l.bmp": bmp24(3, 8), "t.bmp": bmp24(8, 3, 7),
             "b.bmp": bmp24(6, 2, 9), "c.bmp": bmp24(13, 13, 3), "p8.bmp": bmp8(5, 4),
             "mdi.bmp": bmp24(24, 2, 5)},
    "minimal": {"skin.ini": b"[TitlebarSkin]\nSkinName=m\n"},
    "nodefinition": {"a.bmp": bmp24(2, 2)},
    "badimage": {"skin.ini": b"[Buttons]\nBitmap=x.bmp\n", "x.bmp": b"BM\0\0\0\0"},
}


def archive(members):
    names = b"".join(name.encode() + b"\r\n" for name in members)
    sizes = b"".join(struct.pack("<i", len(data)) for data in members.values())
    return struct.pack("<Ii8s", 20000, len(names), b"\0" * 8) + names + sizes + b"".join(members.values())


def main():
    tool, out = sys.argv[1], sys.argv[2]
    os.makedirs(out, exist_ok=True)
    for name, members in SKINS.items():
        with tempfile.TemporaryDirectory() as folder, tempfile.TemporaryDirectory() as work:
            for member, data in members.items():
                with open(os.path.join(folder, member), "wb") as f:
                    f.write(data)
            package = os.path.join(work, "package.skn")
            subprocess.run([tool, "pack", folder, package], check=True)
            with open(package, "rb") as f:
                packed = f.read()
        with open(os.path.join(out, name + ".skn"), "wb") as f:
            f.write(b"\0" + packed)
        with open(os.path.join(out, name + ".arc"), "wb") as f:
            f.write(b"\1" + archive(members))


if __name__ == "__main__":
    main()
