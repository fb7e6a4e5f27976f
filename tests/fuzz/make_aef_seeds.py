#!/usr/bin/env python3
"""Writes a seed corpus for fuzz_aef: one small file of every .aef version.

Usage: tests/fuzz/make_aef_seeds.py DIR
then:  build-fuzz/tests/fuzz/fuzz_aef -max_total_time=180 -max_len=16384 DIR
Inputs the fuzzer finds worth keeping go to tests/data/aef-fuzz/*.bin.
"""
import os
import struct
import sys


def u8(v): return struct.pack('<B', v)
def u16(v): return struct.pack('<H', v)
def u32(v): return struct.pack('<I', v)


def wide(s):
    b = s.encode('utf-16-le')
    n = len(s)
    return b'\xff' + u16(0xfffe) + (u8(n) if n < 255 else b'\xff' + u16(n)) + b


def narrow(s):
    b = s.encode('cp1252')
    return u8(len(b)) + b


def array(items, encode):
    return u16(len(items)) + b''.join(encode(x) for x in items)


def block(n1, n2, pages, text):
    b = u16(0x1206) + u16(2) + array([text(1, f) for f in range(n1)], wide) + array([3] * n1, u16)
    b += u16(0x2000 | (pages + 1)) + u16(n2)
    cont = [text(p, f) for p in range(2, pages + 2) for f in range(n2)]
    return b + array(cont, wide) + array([3] * len(cont), u16)


def header(magic, pages, code):
    return magic + b'\xff' * 16 + u16(pages) + u32(0) + u8(1) + u32(code)


def main(out):
    os.makedirs(out, exist_ok=True)
    text = lambda p, f: ('A%d' % f if f % 7 == 0 else '')
    first = ['E%d' % i for i in range(127)]
    cont = ['C%d' % i for i in range(193)]
    files = {
        'v210': header(b'QZN-EHForm@2.10', 1, 3) + block(154, 214, 1, text) + b'@',
        'v200': header(b'QZN-EHForm@2.00', 1, 7) + block(20, 10, 2, text),
        'v200small': header(b'QZN-EHForm@2.00', 2, 10) + block(3, 2, 2, text),
        'v120': b'QZN-AEForm@1.20' + u16(0) + u16(1) + u8(1) + u8(0) + array(first, narrow) + array(cont, narrow),
        'v150': b'QZN-AEForm@1.50' + u16(0) + u16(1) + u8(1) + u8(0) + u32(11)
                + array(first[:20], narrow) + array(cont[:70], narrow),
        'v151': b'QZN-AEForm@1.51' + u16(0) + u16(2) + u8(1) + u8(0) + u8(2) + b'\xff\x01' + u32(7)
                + array(first[:5], narrow) + array(cont + cont[:10], narrow),
        'v110': b'QZN-AEForm@1.10' + u16(1) + u16(0) + array(first + cont, narrow),
        'v100': b'QZN-AEForm@1.00xx',
    }
    for name, data in files.items():
        with open(os.path.join(out, name), 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    main(sys.argv[1])
