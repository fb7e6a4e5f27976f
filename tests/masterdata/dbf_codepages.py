# Code pages with the independent "dbf" and "dbfread" packages.
#   write CODEPAGE PATH   a small table in that code page, umlauts included
#   read PATH             the table as both packages read it, neither told
#                         the code page (each takes it from header byte 29)
import json
import sys

import dbf
from dbfread import DBF


def write(codepage, path):
    table = dbf.Table(path, 'NAME C(30); WNR C(8)', dbf_type='db3', codepage=codepage)
    table.open(dbf.READ_WRITE)
    table.append(('Müller Straße', '1'))
    table.append(('Äpfel, Öl', '2'))
    table.close()


def read(path):
    table = dbf.Table(path)
    table.open(dbf.READ_ONLY)
    theirs = {
        'codepage': table.codepage.name,
        'records': [[str(r.name).rstrip(), str(r.wnr).rstrip()] for r in table],
    }
    table.close()
    other = DBF(path, char_decode_errors='strict')
    json.dump({
        'dbf': theirs,
        'dbfread': {
            'encoding': other.encoding,
            'records': [[r['NAME'], r['WNR']] for r in other.records],
        },
    }, sys.stdout, ensure_ascii=False)


if sys.argv[1] == 'write':
    write(sys.argv[2], sys.argv[3])
else:
    read(sys.argv[2])
