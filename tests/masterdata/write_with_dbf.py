# Writes a small table with the independent "dbf" package: C, N with and
# without decimals, L and D fields, umlauts and typographic quotes, one
# deleted record and one record of empty values.
import datetime
import sys

import dbf

table = dbf.Table(sys.argv[1], 'NAME C(20); QTY N(5,0); PRICE N(8,2); OK L; DAY D',
                  dbf_type='db3', codepage='cp1252')
table.open(dbf.READ_WRITE)
table.append(('Müller', 12, 3.5, True, datetime.date(2024, 3, 7)))
table.append(('Straße „Süd“', -7, 0.25, False, None))
table.append(('gelöscht', 1, 1.0, True, datetime.date(2000, 1, 31)))
table.append(('Ärger',))
dbf.delete(table[2])
table.close()
